#pragma once

#include <QDialog>

class Platform;
class QLabel;
class QUrl;

// The program's name, version and the makers' addresses; the web and mail
// addresses open in the user's own programs. Borderless: OK closes it.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(Platform &platform, QWidget *parent = nullptr);

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void makeLink(QLabel *link, const QString &text, const QUrl &target);

    Platform &platform_;
};
