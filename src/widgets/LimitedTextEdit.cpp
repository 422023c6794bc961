#include "widgets/LimitedTextEdit.h"

#include "eventdata/LengthLimit.h"

#include <QKeyEvent>
#include <QMimeData>

namespace {

// The number of characters a key puts into a plain text box.
qsizetype typedLength(const QKeyEvent &event, bool tabChangesFocus)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return 1;
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const QChar first = text.front();
    return first.isPrint() || (first == QLatin1Char('\t') && !tabChangesFocus) ? text.size() : 0;
}

} // namespace

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget *parent) : QPlainTextEdit(parent), maxLength_(maxLength) {}

qsizetype LimitedTextEdit::room(qsizetype inserted) const
{
    const QTextCursor cursor = textCursor();
    return insertableLength(toPlainText().size(), cursor.selectionEnd() - cursor.selectionStart(), inserted,
                            maxLength_);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent *event)
{
    const qsizetype typed = typedLength(*event, tabChangesFocus());
    if (typed > 0 && room(typed) < typed) {
        event->accept(); // refused: the box stays as it is
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const qsizetype kept = room(commit.size());
    if (kept == commit.size()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(commit.left(kept), event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

// Counted as the box will hold it: every line end is one character.
void LimitedTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMimeData fitting;
    fitting.setText(text.left(room(text.size())));
    QPlainTextEdit::insertFromMimeData(&fitting);
}
