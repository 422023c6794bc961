#pragma once

#include <QDialog>

class Platform;
class QComboBox;
class QLabel;
struct AppState;
struct Event;

// Reminds of one event: its title, date, description and the days left,
// with its sound, and asks when to remind again. The answer ("never",
// "next" or minutes) is left in DialogResult however the window closes.
class AlertDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the event AlertEventIndex; AlertMissed tells that its day has passed.
    AlertDialog(AppState &state, Platform &platform, QWidget *parent = nullptr);

    void done(int result) override;

private:
    void buildWindow();
    void fillFrom(const Event &event);
    void showDaysLeft(const Event &event);
    void remindAgainChosen();

    AppState &state_;
    Platform &platform_;
    bool missed_;

    QLabel *labelDate_ = nullptr;
    QLabel *labelDaysLeft_ = nullptr;
    QLabel *labelTitle_ = nullptr;
    QLabel *labelDescription_ = nullptr;
    QLabel *labelRemindMeAgain_ = nullptr;
    QComboBox *comboRemindAgain_ = nullptr;
    QLabel *labelRemindAgainNote_ = nullptr;
};
