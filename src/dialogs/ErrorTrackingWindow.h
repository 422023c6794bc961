#pragma once

#include <QDialog>

class Platform;
class QPlainTextEdit;
class QDate;

// Diagnostic text about the version and date handling, read-only, for the
// user to copy and send to the makers. Built once when the window opens.
class ErrorTrackingWindow : public QDialog {
    Q_OBJECT

public:
    // lastCheck as calendar.dat holds it; shownDay the main window's.
    ErrorTrackingWindow(const QString &lastCheck, const QDate &shownDay, Platform &platform, QWidget *parent = nullptr);

private:
    Platform &platform_;
    QPlainTextEdit *usefulData_;
};
