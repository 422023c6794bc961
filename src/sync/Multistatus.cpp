#include "sync/Multistatus.h"

#include "sync/DavAddress.h"

#include <QSet>
#include <QXmlStreamReader>

namespace {

constexpr auto Dav = QLatin1StringView("DAV:");
constexpr auto CalDav = QLatin1StringView("urn:ietf:params:xml:ns:caldav");

bool is(const QXmlStreamReader &xml, QLatin1StringView ns, QLatin1StringView name)
{
    return xml.namespaceUri() == ns && xml.name() == name;
}

// "HTTP/1.1 404 Not Found" gives 404; anything else 0.
int statusCode(const QString &line)
{
    const QStringList parts = line.simplified().split(u' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

class MultistatusReader {
public:
    explicit MultistatusReader(const QByteArray &bytes) : xml_(bytes) {}
    DavResult<Multistatus> read();

private:
    bool toRoot();
    void readResponse();
    void readPropstat(DavResource &resource);
    void readProp(DavResource &into);
    void readResourceType(DavResource &into);
    QString readInnerHref();

    QXmlStreamReader xml_;
    Multistatus answer_;
};

// A document type declaration, the only place entities are declared, ends
// the reading before the root.
bool MultistatusReader::toRoot()
{
    while (!xml_.atEnd()) {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            return false;
        if (token == QXmlStreamReader::StartElement)
            return is(xml_, Dav, QLatin1StringView("multistatus"));
    }
    return false;
}

DavResult<Multistatus> MultistatusReader::read()
{
    if (!toRoot())
        return {SyncError::InvalidAnswer};
    while (xml_.readNextStartElement()) {
        if (is(xml_, Dav, QLatin1StringView("response")))
            readResponse();
        else if (is(xml_, Dav, QLatin1StringView("sync-token")))
            answer_.syncToken = xml_.readElementText().trimmed();
        else
            xml_.skipCurrentElement();
    }
    // Reading on to the end also finds what is malformed after the root.
    while (!xml_.atEnd())
        xml_.readNext();
    if (xml_.hasError())
        return {SyncError::InvalidAnswer};
    return {SyncError::None, std::move(answer_)};
}

// A response names one resource with its properties, or several hrefs that
// share one status.
void MultistatusReader::readResponse()
{
    QStringList hrefs;
    DavResource resource;
    while (xml_.readNextStartElement()) {
        if (is(xml_, Dav, QLatin1StringView("href")))
            hrefs.append(xml_.readElementText().trimmed());
        else if (is(xml_, Dav, QLatin1StringView("status")))
            resource.status = statusCode(xml_.readElementText());
        else if (is(xml_, Dav, QLatin1StringView("propstat")))
            readPropstat(resource);
        else
            xml_.skipCurrentElement();
    }
    for (const QString &href : std::as_const(hrefs)) {
        resource.href = href;
        answer_.resources.push_back(resource);
    }
}

void MultistatusReader::readPropstat(DavResource &resource)
{
    DavResource found;
    int status = 0;
    while (xml_.readNextStartElement()) {
        if (is(xml_, Dav, QLatin1StringView("prop")))
            readProp(found);
        else if (is(xml_, Dav, QLatin1StringView("status")))
            status = statusCode(xml_.readElementText());
        else
            xml_.skipCurrentElement();
    }
    if (status < 200 || status > 299)
        return;
    const QString href = resource.href;
    const int responseStatus = resource.status;
    resource = found;
    resource.href = href;
    resource.status = responseStatus ? responseStatus : status;
}

void MultistatusReader::readProp(DavResource &into)
{
    while (xml_.readNextStartElement()) {
        if (is(xml_, Dav, QLatin1StringView("getetag")))
            into.etag = xml_.readElementText().trimmed().toUtf8();
        else if (is(xml_, Dav, QLatin1StringView("resourcetype")))
            readResourceType(into);
        else if (is(xml_, Dav, QLatin1StringView("displayname")))
            into.displayName = xml_.readElementText();
        else if (is(xml_, Dav, QLatin1StringView("current-user-principal")))
            into.principalHref = readInnerHref();
        else if (is(xml_, CalDav, QLatin1StringView("calendar-home-set")))
            into.homeHref = readInnerHref();
        else if (is(xml_, CalDav, QLatin1StringView("calendar-data")))
            into.calendarData = xml_.readElementText().toUtf8();
        else
            xml_.skipCurrentElement();
    }
}

void MultistatusReader::readResourceType(DavResource &into)
{
    while (xml_.readNextStartElement()) {
        into.isCollection |= is(xml_, Dav, QLatin1StringView("collection"));
        into.isCalendar |= is(xml_, CalDav, QLatin1StringView("calendar"));
        xml_.skipCurrentElement();
    }
}

QString MultistatusReader::readInnerHref()
{
    QString href;
    while (xml_.readNextStartElement()) {
        if (href.isEmpty() && is(xml_, Dav, QLatin1StringView("href")))
            href = xml_.readElementText().trimmed();
        else
            xml_.skipCurrentElement();
    }
    return href;
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

} // namespace

DavResult<Multistatus> parseMultistatus(const QByteArray &xml)
{
    return MultistatusReader(xml).read();
}

DavResult<std::vector<DavMember>> membersOf(const Multistatus &answer, const QUrl &collection)
{
    std::vector<DavMember> members;
    QSet<QUrl> seen;
    for (const DavResource &resource : answer.resources) {
        const std::optional<QUrl> named = sameServerUrl(collection, resource.href);
        if ((named && asCollection(*named) == collection) || resource.isCollection)
            continue;
        const std::optional<QUrl> url = memberUrl(collection, resource.href);
        if (!url || seen.contains(*url))
            return {SyncError::InvalidAnswer};
        seen.insert(*url);
        const bool removed = resource.status == 404;
        if (!removed && (!isSuccess(resource.status) || resource.etag.isEmpty()))
            return {SyncError::InvalidAnswer};
        members.push_back({*url, resource.etag, resource.calendarData, removed});
    }
    return {SyncError::None, std::move(members)};
}
