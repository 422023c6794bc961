#pragma once

#include <QList>
#include <QString>

#include <optional>

struct HelpTopic {
    int context = 0; // 0 for the contents page
    QString title;
    QString text;    // paragraphs separated by blank lines; "- " starts a list item
};

// The help file: plain UTF-8 text, each topic introduced by a line
// "[1000 Getting started]" and the contents page by "[contents Contents]".
class HelpFile {
public:
    static HelpFile load(const QString &path);
    static HelpFile parse(const QString &text);

    bool isValid() const { return !topics_.isEmpty(); }
    const QList<HelpTopic> &topics() const { return topics_; }
    // The topic of a context number; 0 is the contents page.
    std::optional<HelpTopic> topic(int context) const;

private:
    QList<HelpTopic> topics_;
};
