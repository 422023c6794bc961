#pragma once

#include "datelogic/AlertCheck.h"

#include <QPointer>

class Platform;
class QWidget;
struct AppState;

// Shows the alert window for the checks, in front of other programs even
// while the main window sits in the tray, and waits for its answer.
class AlertPresenter : public AlertWindow {
public:
    AlertPresenter(AppState &state, Platform &platform);
    void setParentWindow(QWidget *window) { parent_ = window; }
    RemindAnswer showAlert(int index, bool missed) override;

private:
    AppState &state_;
    Platform &platform_;
    QPointer<QWidget> parent_;
};
