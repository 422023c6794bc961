#include "eventdata/Event.h"

#include "eventdata/DataFile.h"

QString storedDate(const Event &event)
{
    return event.unreadDate.isEmpty() ? eventDateText(event.date) : event.unreadDate;
}

QString storedTime(const Event &event)
{
    return event.unreadTime.isEmpty() ? eventTimeText(event.time) : event.unreadTime;
}

void setStoredDate(Event &event, const QString &text)
{
    const QString fitted = fitToWidth(text, Event::DateWidth);
    event.date = readEventDate(fitted);
    event.unreadDate = eventDateText(event.date) == fitted ? QString() : fitted;
}

void setStoredTime(Event &event, const QString &text)
{
    const QString fitted = fitToWidth(text, Event::TimeWidth);
    event.time = readEventTime(fitted);
    event.unreadTime = eventTimeText(event.time) == fitted ? QString() : fitted;
}

void fitTextsToTheDialog(Event &event)
{
    event.title = toSingleLine(event.title).trimmed().left(Event::TitleLength);
    event.description = toSingleLine(event.description).left(Event::DescriptionLength);
}

QString fitToWidth(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}
