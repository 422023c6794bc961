#include "sync/CalendarFields.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

QByteArray contentHash(const CalendarFields &fields)
{
    // Length-prefixed, so that no two field lists run together into one text.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << fields.title << fields.description << fields.category << fields.date.year << fields.date.month
        << fields.date.day << fields.time.has_value() << (fields.time ? fields.time->msecsSinceStartOfDay() : 0)
        << fields.leadDays << fields.alertOff << fields.sound;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}
