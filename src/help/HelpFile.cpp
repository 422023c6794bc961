#include "help/HelpFile.h"

#include "eventdata/RegularFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// The context of a header line, or nothing when the line is no header.
std::optional<HelpPage> header(const QString &line)
{
    static const QRegularExpression pattern(QStringLiteral("^\\[(contents|[1-9]\\d*)\\s+([^\\]]*\\S[^\\]]*)\\]\\s*$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const QString key = match.captured(1);
    bool ok = true;
    const int context = key == QLatin1String("contents") ? 0 : key.toInt(&ok);
    if (!ok)
        return std::nullopt; // too large a number
    return HelpPage{context, match.captured(2).trimmed(), {}};
}

} // namespace

HelpFile HelpFile::load(const QString &path)
{
    RegularFile file(path);
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (failed(file.error()) || bytes.size() > MaxFileBytes)
        return {};
    // The decoder drops a leading byte order mark, which editors like to add.
    QStringDecoder decoder(QStringConverter::Utf8);
    return parse(decoder.decode(bytes));
}

HelpFile HelpFile::parse(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    HelpFile help;
    HelpPage *current = nullptr;
    for (const QString &line : text.split(lineEnd)) {
        if (std::optional<HelpPage> topic = header(line)) {
            help.topics_.append(std::move(*topic));
            current = &help.topics_.last();
        } else if (current) {
            current->text += line + QLatin1Char('\n');
        }
    }
    for (HelpPage &topic : help.topics_)
        topic.text = topic.text.trimmed();
    return help;
}

std::optional<HelpPage> HelpFile::topic(int context) const
{
    for (const HelpPage &topic : topics_) {
        if (topic.context == context)
            return topic;
    }
    return std::nullopt;
}
