#pragma once

#include "datelogic/EventForm.h"

#include <QDialog>

class CalendarStore;
class ControlSet;
class QDate;
class Help;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class Platform;
struct Settings;

// The "Database is full" message for events.
QString eventsFullMessage();

// Creates a new event or changes the selected one. OK checks every field and
// either names the problem or hands the event to the calendar store, which
// saves it and has the main window show it before the dialog closes.
class EventDialog : public QDialog {
    Q_OBJECT

public:
    EventDialog(const Settings &settings, CalendarStore &store, Platform &platform, Help &help,
                QWidget *parent = nullptr);

    // A new event on the main window's displayed date.
    void prepareAdd(const QDate &day);
    // The event at index, for changing.
    void prepareEdit(int index);

private:
    void buildWindow();
    void finishWindow(const ControlSet &controls);
    void fillCategories(const QString &extra);
    void chooseSound();
    EventForm form() const;
    void store();

    const Settings &settings_;
    CalendarStore &store_;
    Platform &platform_;
    Help &help_;
    int editedIndex_ = -1;

    QLineEdit *textTitle_ = nullptr;
    QComboBox *comboCategory_ = nullptr;
    QPlainTextEdit *textDescription_ = nullptr;
    QComboBox *comboMonth_ = nullptr;
    QLineEdit *textDay_ = nullptr;
    QLineEdit *textYear_ = nullptr;
    QLineEdit *textHours_ = nullptr;
    QLineEdit *textMinutes_ = nullptr;
    QComboBox *comboAMPM_ = nullptr;
    QLineEdit *textAlert_ = nullptr;
    QCheckBox *checkboxDisableThisYear_ = nullptr;
    QLineEdit *textSound_ = nullptr;
};
