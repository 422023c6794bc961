#pragma once

#include <QPlainTextEdit>

// A plain text box has no length limit of its own: text beyond maxLength,
// typed or pasted, is cut off as it arrives.
inline void limitLength(QPlainTextEdit *box, int maxLength)
{
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box, maxLength] {
        if (const QString text = box->toPlainText(); text.size() > maxLength) {
            box->setPlainText(text.left(maxLength));
            box->moveCursor(QTextCursor::End);
        }
    });
}
