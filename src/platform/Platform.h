#pragma once

#include <QString>

#include <functional>

class Clock;
class CredentialStore;
class QIcon;
class QMenu;
class QUrl;
class QWidget;

// How the tray icon was clicked; its context menu opens by itself.
enum class TrayClick { Single, Double, Other };

// What the file chooser asks for: a file to read, or a name to write to.
enum class FileChoice { Open, Save };

// The operating system services the windows use: the clock, the tray icon,
// opening addresses, choosing files and bringing windows to the front. Tests
// use a fake.
class Platform {
public:
    virtual ~Platform() = default;

    virtual const Clock &clock() const = 0;
    // Calls changed at once when the computer wakes from sleep or the wall
    // clock is set.
    virtual void watchClock(std::function<void()> changed) = 0;
    // Calls quit when the system asks the program to end (a plain kill, a
    // hang-up, Ctrl+C in its terminal).
    virtual void watchQuitRequests(std::function<void()> quit) = 0;

    // Some desktops have no tray; the program then keeps a normal window.
    virtual bool isTrayAvailable() const = 0;
    virtual void addTrayIcon(const QIcon &icon, const QString &tip, QMenu *menu,
                             std::function<void(TrayClick)> clicked) = 0;
    virtual void removeTrayIcon() = 0;
    // The tray icon's tool tip; nothing before the icon is added.
    virtual void setTrayToolTip(const QString &tip) = 0;

    // Where the sync's sign-in password is kept.
    virtual CredentialStore &credentials() = 0;

    // Web and mail addresses, opened with the user's own programs.
    virtual bool openUrl(const QUrl &url) = 0;

    // Asks the user for a file with the system's chooser over parent, starting
    // at start (a folder, or the path it suggests), offering filters written as
    // "Name (*.ext);;Other (*)". Empty when the user cancelled.
    virtual QString chooseFile(QWidget *parent, FileChoice choice, const QString &title, const QString &start,
                               const QString &filters) = 0;

    // Plays a wave file once without waiting for it; a file that is missing,
    // cannot be played or is too large to hold in memory plays nothing. The
    // path is only ever read as a local sound file, never opened with another
    // program.
    virtual void playSound(const QString &wavePath) = 0;
    virtual void stopSound() = 0;

    // Replaces the clipboard's content with plain text.
    virtual void setClipboardText(const QString &text) = 0;

    // Shows the window in front of other programs' windows, also while the
    // program sits in the tray.
    virtual void bringToFront(QWidget *window) = 0;
};
