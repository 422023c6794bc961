#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// Every window and page of the program in a representative state, for the checks that walk all windows and for
// pictures of them. Each entry is built anew on a fake system (today is Sunday 6 December 2026) with a data folder of
// its own; a window added to the program belongs here too.
class WindowGallery {
public:
    using Look = std::function<void(QWidget &window)>;

    QStringList names() const;
    // Shows the entry's window and hands it to look while it is on screen; the window is gone when visit returns.
    void visit(const QString &name, const Look &look) const;
};
