#pragma once

#include <QList>
#include <QString>

#include <optional>

struct HelpPage {
    int context = 0; // 0 for the contents page
    QString title;
    QString text; // paragraphs separated by blank lines; "- " starts a list item
};

// The help file: UTF-8 text in which a line "[1000 Getting started]" starts
// a topic (a positive context number and a title) and "[contents Contents]"
// the contents page. Text before the first such line belongs to no topic; a
// line that only looks like a header stays text of the topic it is in.
class HelpFile {
public:
    // Far more than any help text; a larger file is refused, not read.
    static constexpr qint64 MaxFileBytes = qint64{4} * 1024 * 1024;

    // Nothing when the file is missing, not a regular file or too large.
    static HelpFile load(const QString &path);
    static HelpFile parse(const QString &text);

    bool isValid() const { return !topics_.isEmpty(); }
    // In file order.
    const QList<HelpPage> &topics() const { return topics_; }
    // The first topic of a context number; 0 is the contents page.
    std::optional<HelpPage> topic(int context) const;

private:
    QList<HelpPage> topics_;
};
