#pragma once

#include <QPointer>
#include <QString>

class HelpViewer;
class QAction;
class QWidget;

namespace HelpContext {
constexpr int Contents = 0;
constexpr int GettingStarted = 1000;
constexpr int Settings = 1040;
constexpr int EventDialog = 1050;
constexpr int Find = 1060;
constexpr int Note = 1070;
} // namespace HelpContext

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
    // Shows the help window, raised and active, at the topic of a context
    // number (the contents for an unknown one). owner is the asking window,
    // or null for the main window.
    void showHelpTopic(QWidget *owner, int context);
    // Gives window an F1 key, working wherever the focus is, that opens the
    // topic of context; the returned action also serves the window's Help
    // button.
    QAction *addHelpKey(QWidget *window, int context);
    // Closes and deletes the help window, if it is open.
    void closeHelp();

    // The open help window, if any.
    HelpViewer *viewer() const;

private:
    QString path_;
    QPointer<HelpViewer> viewer_;
};
