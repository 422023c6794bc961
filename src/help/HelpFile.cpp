#include "help/HelpFile.h"

#include <QFile>
#include <QRegularExpression>

HelpFile HelpFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

HelpFile HelpFile::parse(const QString &text)
{
    static const QRegularExpression header(QStringLiteral("^\\[(contents|\\d+)\\s+([^\\]]+)\\]\\s*$"));
    HelpFile help;
    HelpTopic *current = nullptr;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = header.match(line);
        if (match.hasMatch()) {
            const QString key = match.captured(1);
            help.topics_.append({key == QLatin1String("contents") ? 0 : key.toInt(), match.captured(2).trimmed(), {}});
            current = &help.topics_.last();
        } else if (current) {
            current->text += line + QLatin1Char('\n');
        }
    }
    for (HelpTopic &topic : help.topics_)
        topic.text = topic.text.trimmed();
    return help;
}

std::optional<HelpTopic> HelpFile::topic(int context) const
{
    for (const HelpTopic &topic : topics_) {
        if (topic.context == context)
            return topic;
    }
    return std::nullopt;
}
