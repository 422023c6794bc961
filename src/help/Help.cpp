#include "help/Help.h"

#include "help/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>

Help::Help(QString helpFilePath) : path_(std::move(helpFilePath)) {}

Help::~Help()
{
    CloseHelp();
}

QString Help::defaultHelpFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarrow.hlp"));
}

void Help::ShowHelpContents()
{
    ShowHelpTopic(nullptr, HelpContext::Contents);
}

void Help::ShowHelpTopic(QWidget *owner, int context)
{
    Q_UNUSED(owner); // the help window stands on its own, like a separate viewer
    if (!viewer_)
        viewer_ = new HelpViewer(path_);
    viewer_->showTopic(context);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void Help::CloseHelp()
{
    if (viewer_)
        viewer_->close(); // deletes itself
}

HelpViewer *Help::viewer() const
{
    return viewer_.data();
}
