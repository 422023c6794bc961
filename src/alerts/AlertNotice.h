#pragma once

#include "datelogic/AlertCheck.h"

class QWidget;
struct AppState;

// Tells the user about a due event in the program's message dialog. The
// answer asks for no reminder again in this run.
class AlertNotice : public AlertWindow {
public:
    explicit AlertNotice(AppState &state);
    void setParentWindow(QWidget *window) { parent_ = window; }
    void showAlert() override;

private:
    AppState &state_;
    QWidget *parent_ = nullptr;
};
