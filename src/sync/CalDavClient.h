#pragma once

#include "sync/Multistatus.h"
#include "sync/SyncError.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <variant>
#include <vector>

class DavTransport;
struct DavResponse;

using Done = std::monostate;

// What changed in a collection since a sync token, and the token for next time.
struct CollectionChanges {
    std::vector<DavMember> members; // changed or new ones with their ETags, and removed ones
    QString token;
};

// The CalDAV requests of a sync, each with a typed answer. Every answer
// arrives later through its callback, from the event loop.
class CalDavClient {
public:
    template <typename T> using Callback = std::function<void(const DavResult<T> &)>;

    explicit CalDavClient(DavTransport &transport) : transport_(transport) {}

    // The collection from a server's or a collection's address: the address
    // itself when it is a calendar, else the calendar "Tarrowby" in the
    // user's calendar home (current-user-principal, calendar-home-set),
    // made there when it is missing.
    void discover(const QUrl &address, Callback<QUrl> done);
    void makeCalendar(const QUrl &url, Callback<Done> done);

    // Every member with its ETag.
    void list(const QUrl &collection, Callback<std::vector<DavMember>> done);
    // The members changed since token (all of them for an empty token);
    // BadSyncToken when the server no longer knows the token.
    void changesSince(const QUrl &collection, const QString &token, Callback<CollectionChanges> done);
    // The members with their calendar data, in one request.
    void fetch(const QUrl &collection, const std::vector<QUrl> &members, Callback<std::vector<DavMember>> done);

    // Writes over the ETag given, or only when the member is new for an
    // empty one. Answers the new ETag, empty when the server gives none.
    void put(const QUrl &member, const QByteArray &ics, const QByteArray &etag, Callback<QByteArray> done);
    void remove(const QUrl &member, const QByteArray &etag, Callback<Done> done);

private:
    using Refusal = SyncError (*)(int status);
    // The multistatus of a PROPFIND or REPORT, or the error refused gives its status.
    void multistatus(const QByteArray &method, const QUrl &url, const QByteArray &depth, const QByteArray &body,
                     Callback<Multistatus> done, Refusal refused);
    void findHome(const QUrl &principal, Callback<QUrl> done);
    void findCalendar(const QUrl &home, Callback<QUrl> done);

    DavTransport &transport_;
};
