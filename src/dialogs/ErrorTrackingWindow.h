#pragma once

#include <QDialog>

class Platform;
class QPlainTextEdit;
struct AppState;

// Diagnostic text about the version and date handling, read-only, for the
// user to copy and send to the makers. Built once when the window opens.
class ErrorTrackingWindow : public QDialog {
    Q_OBJECT

public:
    ErrorTrackingWindow(const AppState &state, Platform &platform, QWidget *parent = nullptr);

private:
    Platform &platform_;
    QPlainTextEdit *usefulData_;
};
