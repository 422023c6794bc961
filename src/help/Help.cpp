#include "help/Help.h"

#include "help/HelpViewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>

Help::Help(QString helpFilePath) : path_(std::move(helpFilePath)) {}

Help::~Help()
{
    closeHelp();
}

QString Help::defaultHelpFilePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarrow.hlp"));
}

void Help::showHelpContents()
{
    showHelpTopic(nullptr, HelpTopic::Contents);
}

QAction *Help::addHelpKey(QWidget *window, HelpTopic topic)
{
    auto *key = new QAction(window);
    key->setShortcut(QKeySequence(Qt::Key_F1));
    window->addAction(key);
    QObject::connect(key, &QAction::triggered, window, [this, window, topic] { showHelpTopic(window, topic); });
    return key;
}

void Help::showHelpTopic(QWidget *owner, HelpTopic topic)
{
    // A modal dialog blocks every window but its own, so the viewer belongs to
    // the window that asks; one asked from the main window stands on its own.
    QWidget *parent = owner ? owner->window() : nullptr;
    if (!viewer_) {
        viewer_ = new HelpViewer(path_, parent);
    } else if (viewer_->parentWidget() != parent) {
        const QRect place = viewer_->geometry();
        viewer_->setParent(parent, viewer_->windowFlags());
        viewer_->setGeometry(place);
    }
    viewer_->showTopic(static_cast<int>(topic));
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

void Help::closeHelp()
{
    // Deleted at once rather than later: at exit no event loop may be left
    // to carry out a deferred deletion.
    delete viewer_.data();
}

HelpViewer *Help::viewer() const
{
    return viewer_.data();
}
