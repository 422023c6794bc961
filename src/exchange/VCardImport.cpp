#include "exchange/VCardImport.h"

#include "exchange/ImportTable.h"
#include "exchange/ImportText.h"

#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

constexpr QLatin1StringView BeginCard("BEGIN:VCARD");
constexpr QLatin1StringView EndCard("END:VCARD");

// vCard 3.0 and 4.0 fold a long line by a line break and one blank or tab.
QStringList unfolded(const QStringList &lines)
{
    QStringList logical;
    for (const QString &line : lines) {
        if (!logical.isEmpty() && (line.startsWith(u' ') || line.startsWith(u'\t')))
            logical.last() += QStringView(line).mid(1);
        else
            logical.append(line);
    }
    return logical;
}

// vCard escapes commas, semicolons, backslashes and line breaks in texts.
QString unescaped(const QString &text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
            plain += text[i] == u'n' || text[i] == u'N' ? QChar(u' ') : text[i];
        } else {
            plain += text[i];
        }
    }
    return plain;
}

enum class Encoding { Text, QuotedPrintable, Base64 };

// The encoding a parameter names: bare, as vCard 2.1 writes it, or as
// ENCODING=, as vCard 3.0 does.
Encoding encodingNamed(QStringView parameter)
{
    const qsizetype equals = parameter.indexOf(u'=');
    if (equals >= 0 && parameter.left(equals).trimmed().compare(u"ENCODING", Qt::CaseInsensitive) != 0)
        return Encoding::Text;
    const QStringView name = parameter.mid(equals + 1).trimmed();
    if (name.compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0 || name.compare(u"QP", Qt::CaseInsensitive) == 0)
        return Encoding::QuotedPrintable;
    if (name.compare(u"BASE64", Qt::CaseInsensitive) == 0 || name.compare(u"B", Qt::CaseInsensitive) == 0)
        return Encoding::Base64;
    return Encoding::Text;
}

// The first encoding the parameters name.
Encoding encodingOf(const QStringList &parameters)
{
    for (const QString &parameter : parameters) {
        if (const Encoding encoding = encodingNamed(parameter); encoding != Encoding::Text)
            return encoding;
    }
    return Encoding::Text;
}

struct Property {
    QString name; // without its group (item1.FN is FN)
    Encoding encoding = Encoding::Text;
    QString value; // as written
};

// A line's property. Its name and parameters end at the first colon outside
// quotes: address books quote parameter values that hold a colon or
// semicolon (X-COUCHDB-UUID="a:b;c"). A line without one is none.
std::optional<Property> propertyOf(const QString &line)
{
    QStringList head; // the name, then the parameters
    QString part;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted || (c != u';' && c != u':')) {
            quoted = c == u'"' ? !quoted : quoted;
            part += c;
            continue;
        }
        head << part;
        part.clear();
        if (c == u':')
            return Property{head.first().section(u'.', -1).trimmed(), encodingOf(head.sliced(1)), line.mid(i + 1)};
    }
    return std::nullopt;
}

bool isHexPair(const QByteArray &pair)
{
    return pair.size() == 2 && std::all_of(pair.cbegin(), pair.cend(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

// "=" and two hexadecimal digits stand for a byte of the UTF-8 text, in
// capitals or not; any other "=" stands for itself.
QString decodedQuotedPrintable(const QString &value)
{
    const QByteArray text = value.toUtf8();
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QByteArray pair = text.mid(i + 1, 2);
        if (text.at(i) == '=' && isHexPair(pair)) {
            bytes += QByteArray::fromHex(pair);
            i += 2;
        } else {
            bytes += text.at(i);
        }
    }
    return QString::fromUtf8(bytes);
}

// The contact's properties. A quoted-printable value goes on in the next
// line after one that ends in "=".
QList<Property> propertiesOf(const QStringList &lines)
{
    QList<Property> properties;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        std::optional<Property> property = propertyOf(lines.at(i));
        if (!property)
            continue;
        while (property->encoding == Encoding::QuotedPrintable && property->value.endsWith(u'=')
               && i + 1 < lines.size()) {
            property->value.chop(1);
            property->value += lines.at(++i);
        }
        properties << *property;
    }
    return properties;
}

QString textOf(const Property &property)
{
    switch (property.encoding) {
    case Encoding::QuotedPrintable:
        return decodedQuotedPrintable(property.value);
    case Encoding::Base64:
        return QString::fromUtf8(QByteArray::fromBase64(property.value.toLatin1()));
    case Encoding::Text:
        break;
    }
    return property.value;
}

// The text of the first property of that name.
QString valueOf(const QList<Property> &properties, QStringView name)
{
    const auto found = std::find_if(properties.cbegin(), properties.cend(), [name](const Property &property) {
        return property.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found == properties.cend() ? QString() : textOf(*found);
}

void importCard(const QStringList &cardLines, ImportReading &target)
{
    const QList<Property> properties = propertiesOf(cardLines);
    const QString birthday = valueOf(properties, u"BDAY");
    if (birthday.isEmpty()) {
        ++target.report.withoutBirthday;
        return;
    }
    const MonthDay date = birthdayOf(birthday);
    Event event;
    event.title = unescaped(valueOf(properties, u"FN"));
    event.date = importedDate(0, date.month, date.day);
    event.category = QStringLiteral("Birthday");
    event.notifyingDays = BirthdayLeadDays;
    target.add(event);
}

} // namespace

// The import reads only names and birthdays, so it reads the contacts
// itself: libical's vCard reader runs without end on a quoted-printable or
// base64 value that reaches a contact's end, and it refuses a whole contact
// for a quoted parameter value or one that begins with a digit (ALTID=1).
void importVCards(const QStringList &lines, ImportReading &target)
{
    QStringList card; // the lines between BEGIN:VCARD and END:VCARD
    bool inCard = false;
    for (const QString &line : unfolded(lines)) {
        if (target.stopped())
            return;
        if (!inCard) {
            inCard = isLine(line, BeginCard);
        } else if (isLine(line, EndCard)) {
            importCard(card, target);
            card.clear();
            inCard = false;
        } else {
            card.append(line);
        }
    }
}

MonthDay birthdayOf(const QString &value)
{
    static const QRegularExpression form(QStringLiteral("^(?:(\\d{4})-?|--)(\\d{2})-?(\\d{2})(?:T.*)?$"));
    const QRegularExpressionMatch match = form.match(value.trimmed());
    if (!match.hasMatch())
        return {};
    return {match.captured(2).toInt(), match.captured(3).toInt()};
}
