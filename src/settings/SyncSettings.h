#pragma once

#include <QString>
#include <QStringView>

// The calendar server the events are synced with. The password is kept in
// the system's credential store, never here.
struct SyncSettings {
    QString url; // the collection's or the server's address; empty: no sync
    QString user;
    int interval = 0; // minutes between automatic passes; 0 = off

    bool isConfigured() const { return !url.isEmpty(); }
    bool operator==(const SyncSettings &) const = default;
};

// The minutes the user can choose between automatic passes; 0 = off.
inline constexpr int SyncIntervals[] = {0, 15, 30, 60};

// The interval a text names: one of SyncIntervals written as plain digits;
// anything else is off, so that no stray value starts a pass nobody chose.
int readSyncInterval(QStringView text);
