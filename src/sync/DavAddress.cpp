#include "sync/DavAddress.h"

#include <QCryptographicHash>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

int effectivePort(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1StringView("https") ? 443 : 80);
}

bool isLoopback(const QString &host)
{
    if (host.compare(QLatin1StringView("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

bool isAllowedServer(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty())
        return false;
    const QString scheme = url.scheme();
    return scheme == QLatin1StringView("https") || (scheme == QLatin1StringView("http") && isLoopback(url.host()));
}

bool isSameOrigin(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0
           && effectivePort(a) == effectivePort(b);
}

QUrl asCollection(const QUrl &url)
{
    QUrl collection = url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    if (!collection.path().endsWith(u'/'))
        collection.setPath(collection.path() + u'/');
    return collection;
}

std::optional<QUrl> sameServerUrl(const QUrl &base, const QString &href)
{
    const QUrl reference(href.trimmed(), QUrl::StrictMode);
    if (!reference.isValid() || href.trimmed().isEmpty())
        return std::nullopt;
    const QUrl resolved = base.resolved(reference).adjusted(QUrl::RemoveFragment);
    if (!isSameOrigin(base, resolved) || !resolved.userInfo().isEmpty())
        return std::nullopt;
    return resolved;
}

std::optional<QUrl> memberUrl(const QUrl &collection, const QString &href)
{
    std::optional<QUrl> resolved = sameServerUrl(collection, href);
    if (!resolved || resolved->hasQuery())
        return std::nullopt;
    const QString parent = collection.path(QUrl::FullyEncoded);
    const QString path = resolved->path(QUrl::FullyEncoded);
    if (!path.startsWith(parent) || path.size() == parent.size())
        return std::nullopt;
    // A server decodes the name before it looks it up: an encoded slash or
    // dot name would lead out of the collection all the same.
    const QString name = QUrl::fromPercentEncoding(QStringView(path).mid(parent.size()).toUtf8());
    if (name.contains(u'/') || name == u"." || name == u"..")
        return std::nullopt;
    return resolved;
}

QUrl newMemberUrl(const QUrl &collection, const QString &uid)
{
    // Servers decode a name before they look at it, and some refuse what
    // they decode (an encoded slash): a UID beyond the plainest characters
    // is named by its hash instead.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@-][A-Za-z0-9._@-]*$"));
    const QString name =
        plain.match(uid).hasMatch()
            ? uid
            : QString::fromLatin1(QCryptographicHash::hash(uid.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
    QUrl url = collection;
    url.setPath(collection.path(QUrl::FullyEncoded) + name + QStringLiteral(".ics"), QUrl::TolerantMode);
    return url;
}

QString canonicalHref(const QUrl &url)
{
    QUrl canonical = url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    canonical.setPath(QString::fromLatin1(QUrl::toPercentEncoding(url.path(QUrl::FullyDecoded), "/")),
                      QUrl::TolerantMode);
    return canonical.toString(QUrl::FullyEncoded);
}
