#pragma once

#include <QPlainTextEdit>

// A plain text box that refuses typing beyond maxLength characters and cuts
// a paste or drop to what fits, leaving the text and the cursor as they were.
// Text the program puts in stays whole (LengthLimit.h).
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    LimitedTextEdit(int maxLength, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // How many of inserted characters may replace the selection.
    qsizetype room(qsizetype inserted) const;

    int maxLength_;
};
