#pragma once

#include <QLibrary>
#include <QStringList>

#include <memory>
#include <utility>

// The entry point named entry of the program's module baseName (without the
// system's prefix and suffix), from the first of folders whose module has
// it; null when none has. The module stays loaded for the rest of the run.
QFunctionPointer programModuleEntry(const QStringList &folders, const QString &baseName, const char *entry);

// The object that a module's entry point (`T *entry()`, the caller owning
// what it returns) makes, made at the first get() and kept; null when no
// module of the folders has the entry. What a start does not need waits in
// a module until it is first used.
template <typename T> class ModuleObject {
public:
    ModuleObject(QStringList folders, QString baseName, const char *entry)
        : folders_(std::move(folders)), baseName_(std::move(baseName)), entry_(entry)
    {
    }

    T *get()
    {
        if (!looked_) {
            looked_ = true;
            if (const auto make = reinterpret_cast<T *(*)()>(programModuleEntry(folders_, baseName_, entry_)))
                object_.reset(make());
        }
        return object_.get();
    }
    // The object if get() has made it, without looking for the module.
    T *made() const { return object_.get(); }

private:
    QStringList folders_;
    QString baseName_;
    const char *entry_;
    std::unique_ptr<T> object_;
    bool looked_ = false;
};
