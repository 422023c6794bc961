#include "exchange/VCardImport.h"

#include "eventdata/AsciiText.h"
#include "exchange/ImportTable.h"

#include <libical/vcc.h>
#include <libical/vobject.h>

#include <QRegularExpression>

namespace {

const QString BeginCard = QStringLiteral("BEGIN:VCARD");
const QString EndCard = QStringLiteral("END:VCARD");

bool isLine(const QString &line, const QString &text)
{
    return line.trimmed().compare(text, Qt::CaseInsensitive) == 0;
}

// vCard 3.0 and 4.0 fold a long line by a line break and one blank or tab,
// which the reader below would keep.
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

// The reader keeps each byte of a value as one wide character.
QString valueOf(VObject *card, const char *property)
{
    VObject *found = isAPropertyOf(card, property);
    const wchar_t *wide = found && vObjectValueType(found) == VCVT_USTRINGZ ? vObjectUStringZValue(found) : nullptr;
    QByteArray bytes;
    for (; wide && *wide; ++wide)
        bytes.append(static_cast<char>(*wide));
    return QString::fromUtf8(bytes);
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

// Only these parameters, and vCard 2.1's bare ones (QUOTED-PRINTABLE), change
// how a value reads.
bool changesTheValue(const QString &parameter)
{
    if (parameter.contains(u'"'))
        return false;
    const qsizetype equals = parameter.indexOf(u'=');
    if (equals < 0)
        return true;
    const QStringView name = QStringView(parameter).left(equals).trimmed();
    return name.compare(u"ENCODING", Qt::CaseInsensitive) == 0 || name.compare(u"CHARSET", Qt::CaseInsensitive) == 0;
}

// The property name, the parameters that change how its value reads, and
// the value from its colon on.
QString withParameters(const QStringList &parts, const QString &value)
{
    QStringList kept{parts.first()};
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (changesTheValue(parts.at(i)))
            kept << parts.at(i);
    }
    return kept.join(u';') + value;
}

// The reader refuses a whole contact for a quoted parameter value
// (TYPE="HOME,VOICE") or one that begins with a digit (ALTID=1), as address
// books write them; the import reads only names and birthdays, so every
// parameter that does not change how a value reads is left out.
QString withReadableParameters(const QString &line)
{
    QStringList parts; // the name, then the parameters
    QString part;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quoted && (c == u';' || c == u':')) {
            parts << part;
            part.clear();
            if (c == u':')
                return withParameters(parts, line.mid(i));
            continue;
        }
        quoted = c == u'"' ? !quoted : quoted;
        part += c;
    }
    return line;
}

bool isHexDigit(QChar c)
{
    return isAsciiDigit(c) || (c.toUpper() >= u'A' && c.toUpper() <= u'F');
}

// The reader runs without end, taking ever more memory, on a quoted-printable
// "=" followed by anything but two hexadecimal digits in capitals (or the
// line's end). Digits in small letters are written in capitals; any other
// "=" stands for itself.
QString withValidEscapes(const QString &value)
{
    QString valid;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) != u'=' || i + 1 == value.size()) {
            valid += value.at(i);
        } else if (i + 2 < value.size() && isHexDigit(value.at(i + 1)) && isHexDigit(value.at(i + 2))) {
            valid += u'=' + value.mid(i + 1, 2).toUpper();
            i += 2;
        } else {
            valid += QStringLiteral("=3D");
        }
    }
    return valid;
}

// The card's lines with readable parameters and valid escapes. A
// quoted-printable value goes on in the line after one that ends in "=", and
// such a line is value only.
QStringList readableLines(const QStringList &cardLines)
{
    QStringList readable;
    bool quotedPrintable = false;
    bool continues = false;
    for (const QString &line : cardLines) {
        if (continues) {
            readable << withValidEscapes(line);
        } else {
            quotedPrintable = line.section(u':', 0, 0).contains(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive);
            const QString property = withReadableParameters(line);
            // The parameters kept hold no colon: the first one begins the value.
            const qsizetype value = property.indexOf(u':') + 1;
            readable << (quotedPrintable && value > 0 ? property.left(value) + withValidEscapes(property.mid(value))
                                                      : property);
        }
        continues = quotedPrintable && line.endsWith(u'=');
    }
    return readable;
}

void importCard(const QStringList &cardLines, ImportReading &target)
{
    const QByteArray text = readableLines(cardLines).join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    VObject *card = Parse_MIME(text.constData(), static_cast<unsigned long>(text.size()));
    if (!card) {
        target.skip(SkipReason::Unusable);
        return;
    }
    const QString name = unescaped(valueOf(card, VCFullNameProp));
    const QString birthday = valueOf(card, VCBirthDateProp);
    cleanVObjects(card);
    if (birthday.isEmpty()) {
        ++target.report.withoutBirthday;
        return;
    }
    const MonthDay date = birthdayOf(birthday);
    Event event;
    event.title = name;
    event.date = importedDate(0, date.month, date.day);
    event.category = QStringLiteral("Birthday");
    event.notifyingDays = BirthdayLeadDays;
    target.add(event);
}

} // namespace

void importVCards(const QStringList &lines, ImportReading &target)
{
    // Each contact goes to the reader on its own: it takes only a few hundred
    // contacts or properties at once, and one broken contact spoils no other.
    QStringList card;
    bool inCard = false;
    for (const QString &line : unfolded(lines)) {
        if (target.stopped())
            return;
        if (!inCard && isLine(line, BeginCard))
            inCard = true;
        if (inCard)
            card.append(line);
        if (inCard && isLine(line, EndCard)) {
            importCard(card, target);
            card.clear();
            inCard = false;
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
