#pragma once

#include <QObject>

class QWidget;

// Tells screen readers about a window that asks for attention: its title is
// its name, the message its description, and each time it shows an alert
// event goes out, so the reader speaks both as it opens.
class ShowAnnouncer : public QObject {
    Q_OBJECT

public:
    static void announce(QWidget *window, const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ShowAnnouncer(QWidget *window);
};
