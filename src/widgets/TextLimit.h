#pragma once

#include "eventdata/LengthLimit.h"

#include <QLineEdit>

// Typing and pasting into box stop at limit characters. A line edit's own
// limit would also cut text the program puts in, so the limit follows the
// text: never below its length, so a longer stored text stays whole and an
// edit can only shorten it (LengthLimit.h).
inline void limitLength(QLineEdit *box, int limit)
{
    box->setMaxLength(limit);
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [box, limit] { box->setMaxLength(static_cast<int>(lengthCeiling(box->text().size(), limit))); });
}

// Puts a stored text into a box of limitLength, whole.
inline void setWholeText(QLineEdit *box, const QString &text)
{
    box->setMaxLength(std::max(box->maxLength(), static_cast<int>(text.size())));
    box->setText(text);
}
