#pragma once

#include <QPointer>
#include <QString>

class HelpViewer;
class QAction;
class QWidget;

// The topics the program opens, by their context numbers in tarrow.hlp.
enum class HelpTopic {
    Contents = 0,
    GettingStarted = 1000,
    Settings = 1040,
    EventDialog = 1050,
    Find = 1060,
    Note = 1070,
};

// The program's help: tarrow.hlp in the program's own folder, shown in a
// help window of its own.
class Help {
public:
    explicit Help(QString helpFilePath);
    ~Help();
    Help(const Help &) = delete;
    Help &operator=(const Help &) = delete;

    static QString defaultHelpFilePath();

    void showHelpContents();
    // Shows the help window, raised and active, at the topic (the contents
    // when the file lacks it). owner is the asking window, or null for the
    // main window.
    void showHelpTopic(QWidget *owner, HelpTopic topic);
    // Gives window an F1 key, working wherever the focus is, that opens the
    // topic; the returned action also serves the window's Help button.
    QAction *addHelpKey(QWidget *window, HelpTopic topic);
    // Closes and deletes the help window, if it is open.
    void closeHelp();

    // The open help window, if any.
    HelpViewer *viewer() const;

private:
    QString path_;
    QPointer<HelpViewer> viewer_;
};
