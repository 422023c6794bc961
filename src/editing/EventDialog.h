#pragma once

#include "datelogic/EventForm.h"

#include <QDialog>

#include <functional>

class CalendarStore;
class Clock;
class ControlSet;
class QDate;
class Help;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
struct Settings;

// The "Database is full" message for events.
QString eventsFullMessage();

// Creates a new event or changes the selected one. OK checks every field and
// either names the problem or hands the event to the calendar store, which
// saves it and has the main window show it before the dialog closes.
class EventDialog : public QDialog {
    Q_OBJECT

public:
    // Asks for a sound file: parent, title, starting folder, filters; returns
    // the chosen path or an empty text when the user cancelled.
    using FileChooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    EventDialog(const Settings &settings, CalendarStore &store, const Clock &clock, Help &help,
                QWidget *parent = nullptr);

    // A new event on the main window's displayed date.
    void prepareAdd(const QDate &day);
    // The event at index, for changing.
    void prepareEdit(int index);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

private:
    void buildWindow();
    void finishWindow(const ControlSet &controls);
    void fillCategories(const QString &extra);
    void chooseSound();
    EventForm form() const;
    void store();

    const Settings &settings_;
    CalendarStore &store_;
    const Clock &clock_;
    Help &help_;
    FileChooser chooseFile_;
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
