#include "sync/CalDavClient.h"

#include "sync/DavAddress.h"
#include "sync/DavTransport.h"

#include <utility>

namespace {

constexpr auto CalendarName = QLatin1StringView("Tarrowby");

QByteArray document(const QByteArray &root, const QByteArray &inner)
{
    return R"(<?xml version="1.0" encoding="utf-8"?>)"
           "\n<"
           + root + R"( xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">)" + inner + "</" + root + ">";
}

QByteArray propfind(const QByteArray &properties)
{
    return document("d:propfind", "<d:prop>" + properties + "</d:prop>");
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

// A server that no longer knows a token says so in one of these ways.
SyncError tokenRefusal(int status)
{
    return status == 403 || status == 409 || status == 500 ? SyncError::BadSyncToken : statusError(status);
}

template <typename T> DavResult<T> failed(SyncError error)
{
    return {error};
}

} // namespace

void CalDavClient::multistatus(const QByteArray &method, const QUrl &url, const QByteArray &depth,
                               const QByteArray &body, Callback<Multistatus> done, Refusal refused)
{
    const DavRequest request{method, url, {{"Depth", depth}, {"Content-Type", "application/xml; charset=utf-8"}}, body};
    transport_.send(request, [done = std::move(done), refused](const DavResponse &response) {
        if (response.error != SyncError::None)
            return done(failed<Multistatus>(response.error));
        if (response.status != 207) {
            const SyncError error = refused(response.status);
            return done(failed<Multistatus>(error == SyncError::None ? SyncError::InvalidAnswer : error));
        }
        done(parseMultistatus(response.body));
    });
}

void CalDavClient::discover(const QUrl &address, Callback<QUrl> done)
{
    multistatus(
        "PROPFIND", address, "0", propfind("<d:resourcetype/><d:current-user-principal/>"),
        [this, address, done = std::move(done)](const DavResult<Multistatus> &answer) {
            if (!answer.ok() || answer.value.resources.empty())
                return done(failed<QUrl>(answer.ok() ? SyncError::InvalidAnswer : answer.error));
            // The href names the collection where the server has it,
            // after any redirect.
            const DavResource &self = answer.value.resources.front();
            const std::optional<QUrl> collection = sameServerUrl(address, self.href);
            if (self.isCalendar && collection)
                return done({SyncError::None, asCollection(*collection)});
            const std::optional<QUrl> principal = sameServerUrl(address, self.principalHref);
            if (!principal)
                return done(failed<QUrl>(SyncError::NotFound));
            findHome(*principal, done);
        },
        statusError);
}

void CalDavClient::findHome(const QUrl &principal, Callback<QUrl> done)
{
    multistatus(
        "PROPFIND", principal, "0", propfind("<c:calendar-home-set/>"),
        [this, principal, done = std::move(done)](const DavResult<Multistatus> &answer) {
            if (!answer.ok() || answer.value.resources.empty())
                return done(failed<QUrl>(answer.ok() ? SyncError::InvalidAnswer : answer.error));
            const std::optional<QUrl> home = sameServerUrl(principal, answer.value.resources.front().homeHref);
            if (!home)
                return done(failed<QUrl>(SyncError::NotFound));
            findCalendar(asCollection(*home), done);
        },
        statusError);
}

void CalDavClient::findCalendar(const QUrl &home, Callback<QUrl> done)
{
    multistatus(
        "PROPFIND", home, "1", propfind("<d:resourcetype/><d:displayname/>"),
        [this, home, done = std::move(done)](const DavResult<Multistatus> &answer) {
            if (!answer.ok())
                return done(failed<QUrl>(answer.error));
            for (const DavResource &resource : answer.value.resources) {
                const std::optional<QUrl> url = sameServerUrl(home, resource.href);
                if (url && resource.isCalendar && resource.displayName == CalendarName)
                    return done({SyncError::None, asCollection(*url)});
            }
            const QUrl made = home.resolved(QUrl(QStringLiteral("tarrowby/")));
            makeCalendar(made, [made, done](const DavResult<Done> &result) {
                done({result.error, result.ok() ? made : QUrl()});
            });
        },
        statusError);
}

void CalDavClient::makeCalendar(const QUrl &url, Callback<Done> done)
{
    const QByteArray body =
        document("c:mkcalendar", "<d:set><d:prop><d:displayname>" + escaped(CalendarName)
                                     + "</d:displayname><c:supported-calendar-component-set><c:comp name=\"VEVENT\"/>"
                                       "</c:supported-calendar-component-set></d:prop></d:set>");
    transport_.send({"MKCALENDAR", url, {{"Content-Type", "application/xml; charset=utf-8"}}, body},
                    [done = std::move(done)](const DavResponse &response) {
                        const SyncError error =
                            response.error != SyncError::None ? response.error : statusError(response.status);
                        done({error});
                    });
}

void CalDavClient::list(const QUrl &collection, Callback<std::vector<DavMember>> done)
{
    multistatus(
        "PROPFIND", collection, "1", propfind("<d:resourcetype/><d:getetag/>"),
        [collection, done = std::move(done)](const DavResult<Multistatus> &answer) {
            if (!answer.ok())
                return done(failed<std::vector<DavMember>>(answer.error));
            DavResult<std::vector<DavMember>> members = membersOf(answer.value, collection);
            std::erase_if(members.value, [](const DavMember &member) { return member.removed; });
            done(members);
        },
        statusError);
}

void CalDavClient::changesSince(const QUrl &collection, const QString &token, Callback<CollectionChanges> done)
{
    const QByteArray body = document("d:sync-collection", "<d:sync-token>" + escaped(token)
                                                              + "</d:sync-token><d:sync-level>1</d:sync-level>"
                                                                "<d:prop><d:getetag/></d:prop>");
    multistatus(
        "REPORT", collection, "0", body,
        [collection, done = std::move(done)](const DavResult<Multistatus> &answer) {
            if (!answer.ok())
                return done(failed<CollectionChanges>(answer.error));
            DavResult<std::vector<DavMember>> members = membersOf(answer.value, collection);
            if (!members.ok() || answer.value.syncToken.isEmpty())
                return done(failed<CollectionChanges>(members.ok() ? SyncError::InvalidAnswer : members.error));
            done({SyncError::None, {std::move(members.value), answer.value.syncToken}});
        },
        token.isEmpty() ? statusError : tokenRefusal);
}

void CalDavClient::fetch(const QUrl &collection, const std::vector<QUrl> &members,
                         Callback<std::vector<DavMember>> done)
{
    QByteArray hrefs;
    for (const QUrl &member : members)
        hrefs += "<d:href>" + escaped(member.path(QUrl::FullyEncoded)) + "</d:href>";
    const QByteArray body = document("c:calendar-multiget", "<d:prop><d:getetag/><c:calendar-data/></d:prop>" + hrefs);
    multistatus(
        "REPORT", collection, "1", body,
        [collection, done = std::move(done)](const DavResult<Multistatus> &answer) {
            if (!answer.ok())
                return done(failed<std::vector<DavMember>>(answer.error));
            const DavResult<std::vector<DavMember>> fetched = membersOf(answer.value, collection);
            for (const DavMember &member : fetched.value)
                if (!member.removed && member.calendarData.isEmpty())
                    return done(failed<std::vector<DavMember>>(SyncError::InvalidAnswer));
            done(fetched);
        },
        statusError);
}

void CalDavClient::put(const QUrl &member, const QByteArray &ics, const QByteArray &etag, Callback<QByteArray> done)
{
    DavRequest request{"PUT", member, {{"Content-Type", "text/calendar; charset=utf-8"}}, ics};
    request.headers.append(etag.isEmpty() ? qMakePair(QByteArray("If-None-Match"), QByteArray("*"))
                                          : qMakePair(QByteArray("If-Match"), etag));
    transport_.send(request, [done = std::move(done)](const DavResponse &response) {
        const SyncError error = response.error != SyncError::None ? response.error : statusError(response.status);
        done({error, error == SyncError::None ? response.etag : QByteArray()});
    });
}

void CalDavClient::remove(const QUrl &member, const QByteArray &etag, Callback<Done> done)
{
    transport_.send({"DELETE", member, {{"If-Match", etag}}, {}},
                    [done = std::move(done)](const DavResponse &response) {
                        done({response.error != SyncError::None ? response.error : statusError(response.status)});
                    });
}
