#pragma once

#include "sync/SyncError.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <vector>

// One <response> of a WebDAV multistatus answer, with the properties of its
// successful <propstat> only.
struct DavResource {
    QString href;    // as the server wrote it
    int status = 0;  // the response's own status, else that of the propstat read
    QByteArray etag; // with its quotes, as If-Match wants it back
    QByteArray calendarData;
    bool isCollection = false;
    bool isCalendar = false;
    QString displayName;
    QString principalHref; // current-user-principal
    QString homeHref;      // calendar-home-set
};

struct Multistatus {
    std::vector<DavResource> resources;
    QString syncToken;
};

// Reads a multistatus answer. Anything but well-formed XML with a DAV:
// multistatus root is refused, and so is any document type declaration: no
// entity is ever expanded.
DavResult<Multistatus> parseMultistatus(const QByteArray &xml);

// A member of a calendar collection as a listing, a sync report or a fetch
// names it.
struct DavMember {
    QUrl url;
    QByteArray etag;
    QByteArray calendarData;
    bool removed = false; // a sync report's 404: gone from the collection
    bool operator==(const DavMember &) const = default;
};

// The members of collection that an answer names, the collection itself and
// folders inside it left out. The whole answer is refused when it names
// anything outside the collection, names a member twice or gives a member
// without its ETag.
DavResult<std::vector<DavMember>> membersOf(const Multistatus &answer, const QUrl &collection);
