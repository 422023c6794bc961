#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Settles an access key that controls of one window share. Qt's shortcuts
// take turns among the visible holders of one key, so every other press
// would land on another control than the last. While the winner can be
// seen and used, every press goes to it; while it is hidden, the others
// keep the key as before.
class AccessKeyWinner : public QObject {
    Q_OBJECT

public:
    // Belongs to winner; sharers are the other controls with its key.
    AccessKeyWinner(QWidget *winner, const QList<QWidget *> &sharers);

    QWidget *control() const { return winner_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *keyTarget() const;

    QWidget *winner_;
};
