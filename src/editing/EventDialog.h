#pragma once

#include "datelogic/EventForm.h"

#include <QDialog>

#include <functional>

class Clock;
class ControlSet;
class Help;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
struct AppState;

// The "Database is full" message for events.
QString eventsFullMessage();

// Creates a new event or changes the selected one. OK checks every field and
// either names the problem or writes the event into the table; eventStored
// then lets the main window show and save it before the dialog closes.
class EventDialog : public QDialog {
    Q_OBJECT

public:
    // Asks for a sound file: parent, title, starting folder, filters; returns
    // the chosen path or an empty text when the user cancelled.
    using FileChooser = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    EventDialog(AppState &state, const Clock &clock, Help &help, QWidget *parent = nullptr);

    // A new event on the main window's displayed date.
    void prepareAdd(const QString &day, const QString &monthName, const QString &yearText);
    // The event at index, for changing.
    void prepareEdit(int index);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

signals:
    void eventStored();

private:
    void buildWindow();
    void finishWindow(const ControlSet &controls);
    void fillCategories(const QString &extra);
    void chooseSound();
    EventForm form() const;
    void store();

    AppState &state_;
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
