#include "exchange/VCardImport.h"

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

void importCard(const QStringList &cardLines, ImportReading &target)
{
    const QByteArray text = cardLines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
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
    event.date = storedDate(0, date.month, date.day);
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
