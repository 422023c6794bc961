#pragma once

#include <QUrl>

#include <optional>

// The rules for the addresses the sync talks to. The password goes along
// with every request, so it may only travel encrypted, or not leave this
// machine at all.

// HTTPS to any host, plain HTTP only to a loopback address; never with a user
// name or password inside the address itself.
bool isAllowedServer(const QUrl &url);

// Same scheme, host and port (the scheme's default port when none is given):
// the only place a redirect or an href from the server may lead.
bool isSameOrigin(const QUrl &a, const QUrl &b);

// The collection's address always ends in a slash, so that its members
// resolve inside it.
QUrl asCollection(const QUrl &url);

// The address of an href that names a member directly inside the collection;
// nothing for the collection itself, anything deeper, elsewhere on the server
// or on another server.
std::optional<QUrl> memberUrl(const QUrl &collection, const QString &href);

// An href on the same server (a principal, a calendar home), resolved against
// the address that gave it; nothing for one on another server.
std::optional<QUrl> sameServerUrl(const QUrl &base, const QString &href);

// Where a new event with uid goes: a name of its own directly inside the
// collection, whatever characters the UID holds.
QUrl newMemberUrl(const QUrl &collection, const QString &uid);

// One text for one member however the server spelled its path ("%40" or
// "@"), for comparing and remembering it.
QString canonicalHref(const QUrl &url);
