#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QWidget;

// Every window and page of the program in a representative state, for the
// checks that walk all windows and for pictures of them. Each entry is built
// anew on a fake system (today is Sunday 6 December 2026) with a data folder
// of its own; a window added to the program belongs here too.
class WindowGallery {
public:
    using Look = std::function<void(QWidget &window)>;

    WindowGallery();

    QStringList names() const;
    // Builds the window of the entry, shows it and hands it to look while it
    // is on screen; the window is gone when visit returns.
    void visit(const QString &name, const Look &look) const;

    struct World;

private:
    struct Entry {
        QString name;
        std::function<void(World &, const Look &)> show;
    };
    void addMessages();

    std::vector<Entry> entries_;
};
