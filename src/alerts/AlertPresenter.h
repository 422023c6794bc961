#pragma once

#include "datelogic/AlertCheck.h"

#include <QPointer>

class Platform;
class QWidget;
struct EventTable;
struct Settings;

// Shows the alert window for the checks, in front of other programs even
// while the main window sits in the tray, and waits for its answer.
class AlertPresenter : public AlertWindow {
public:
    AlertPresenter(const EventTable &events, const Settings &settings, Platform &platform);
    void setParentWindow(QWidget *window) { parent_ = window; }
    RemindAnswer showAlert(int index, bool missed) override;

private:
    const EventTable &events_;
    const Settings &settings_;
    Platform &platform_;
    QPointer<QWidget> parent_;
};
