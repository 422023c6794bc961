#pragma once

#include "platform/MemoryCredentialStore.h"
#include "platform/Platform.h"
#include "TestSupport.h"

#include <QUrl>
#include <QWidget>

// Records what the windows ask of the system, with a fixed "today".
class FakePlatform : public Platform {
public:
    explicit FakePlatform(QDate today) : clock_(today) {}

    const Clock &clock() const override { return clock_; }
    void watchClock(std::function<void()> changed) override { clockChanged = std::move(changed); }
    void watchQuitRequests(std::function<void()> quit) override { quitRequested = std::move(quit); }
    bool isTrayAvailable() const override { return true; }
    void addTrayIcon(const QIcon &, const QString &, QMenu *, std::function<void(TrayClick)> clicked) override
    {
        trayClicked = std::move(clicked);
    }
    void removeTrayIcon() override { ++trayRemovals; }
    void setTrayToolTip(const QString &tip) override { trayToolTip = tip; }
    CredentialStore &credentials() override { return credentialStore; }
    bool openUrl(const QUrl &url) override
    {
        openedUrls.push_back(url);
        return true;
    }
    QString chooseFile(QWidget *, FileChoice choice, const QString &title, const QString &, const QString &) override
    {
        askedFiles.push_back(title);
        return choice == FileChoice::Open ? fileToOpen : fileToSave;
    }
    void playSound(const QString &wavePath) override { playedSounds.push_back(wavePath); }
    void stopSound() override { ++soundStops; }
    void setClipboardText(const QString &text) override { clipboard = text; }
    void bringToFront(QWidget *window) override
    {
        window->show();
        ++broughtToFront;
    }

    FakeClock clock_;
    // Fired by tests: a wake or set clock, the system's request to end.
    std::function<void()> clockChanged;
    std::function<void()> quitRequested;
    std::function<void(TrayClick)> trayClicked;
    int trayRemovals = 0;
    QString trayToolTip;
    MemoryCredentialStore credentialStore;
    std::vector<QUrl> openedUrls;
    // The user's answers to the file chooser, "" when cancelled; the titles it was asked with.
    QString fileToOpen;
    QString fileToSave;
    std::vector<QString> askedFiles;
    int broughtToFront = 0;
    QString clipboard;
    std::vector<QString> playedSounds;
    int soundStops = 0;
};
