#include "alerts/AlertPresenter.h"

#include "alerts/AlertDialog.h"
#include "platform/Platform.h"

#include <QGuiApplication>
#include <QScreen>

AlertPresenter::AlertPresenter(const EventTable &events, const Settings &settings, Platform &platform)
    : events_(events), settings_(settings), platform_(platform)
{
}

RemindAnswer AlertPresenter::showAlert(int index, bool missed)
{
    // A hidden owner cannot centre the window; the screen does instead.
    QWidget *owner = parent_ && parent_->isVisible() ? parent_.data() : nullptr;
    AlertDialog dialog(events_, settings_, platform_, index, missed, owner);
    const QRect area = owner ? owner->geometry() : QGuiApplication::primaryScreen()->availableGeometry();
    dialog.move(area.center() - dialog.rect().center());
    // Modal before it is shown: exec() cannot make a visible window modal.
    dialog.setWindowModality(Qt::ApplicationModal);
    platform_.bringToFront(&dialog);
    dialog.exec();
    return dialog.answer();
}
