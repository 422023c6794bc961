#pragma once

#include "datelogic/ReminderClock.h"

#include <QDialog>

class ControlSet;
class Platform;
class QComboBox;
class QLabel;
class QPushButton;
struct EventTable;
struct Settings;
struct Event;

// Reminds of one event: its title, date, description and the days left,
// with its sound, and asks when to remind again.
class AlertDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the event at index; missed tells that its day has passed.
    AlertDialog(const EventTable &events, const Settings &settings, Platform &platform, int index, bool missed,
                QWidget *parent = nullptr);

    // The choice in the list, however the window was closed.
    RemindAnswer answer() const { return answer_; }

    void done(int result) override;

private:
    void buildWindow();
    void buildRemindAgain(const ControlSet &controls);
    void fillFrom(const Event &event);
    void showDaysLeft(const Event &event);
    void remindAgainChosen();

    const Settings &settings_;
    Platform &platform_;
    bool missed_;
    RemindAnswer answer_;

    QLabel *labelDate_ = nullptr;
    QLabel *labelDaysLeft_ = nullptr;
    QLabel *labelTitle_ = nullptr;
    QLabel *labelDescription_ = nullptr;
    QLabel *labelRemindMeAgain_ = nullptr;
    QComboBox *comboRemindAgain_ = nullptr;
    QLabel *labelRemindAgainNote_ = nullptr;
    QPushButton *commandOK_ = nullptr;
};
