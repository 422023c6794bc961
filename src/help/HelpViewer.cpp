#include "help/HelpViewer.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

// The topic as HTML. The file's text is always escaped: the help file is
// plain text, and a "<" in it is meant to be read, not obeyed.
QString topicHtml(const HelpPage &topic)
{
    static const QRegularExpression blankLine(QStringLiteral("\\n\\s*\\n"));
    QString html = QStringLiteral("<h2>") + topic.title.toHtmlEscaped() + QStringLiteral("</h2>");
    for (const QString &block : topic.text.split(blankLine, Qt::SkipEmptyParts)) {
        QStringList paragraph; // lines of plain text not yet written
        QStringList items;     // list items not yet written; a line without "- " continues the last one
        const auto flushParagraph = [&] {
            if (!paragraph.isEmpty())
                html +=
                    QStringLiteral("<p>") + paragraph.join(QLatin1Char(' ')).toHtmlEscaped() + QStringLiteral("</p>");
            paragraph.clear();
        };
        const auto flushItems = [&] {
            if (items.isEmpty())
                return;
            html += QStringLiteral("<ul>");
            for (const QString &item : std::as_const(items))
                html += QStringLiteral("<li>") + item.toHtmlEscaped() + QStringLiteral("</li>");
            html += QStringLiteral("</ul>");
            items.clear();
        };
        for (const QString &rawLine : block.split(QLatin1Char('\n'))) {
            const QString line = rawLine.trimmed();
            if (line.startsWith(QLatin1String("- "))) {
                flushParagraph();
                items.append(line.mid(2).trimmed());
            } else if (!items.isEmpty()) {
                items.last() += QLatin1Char(' ') + line;
            } else {
                paragraph.append(line);
            }
        }
        flushParagraph();
        flushItems();
    }
    return html;
}

} // namespace

HelpViewer::HelpViewer(const QString &helpFilePath, QWidget *parent)
    : QWidget(parent, Qt::Window), file_(HelpFile::load(helpFilePath)), list_(new QListWidget(this)),
      text_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("formHelpViewer"));
    setWindowTitle(QStringLiteral("Tarrowby Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    list_->setObjectName(QStringLiteral("listTopics"));
    list_->setAccessibleName(QStringLiteral("Topics"));
    text_->setObjectName(QStringLiteral("textTopic"));
    text_->setAccessibleName(QStringLiteral("Topic"));
    text_->setOpenLinks(false);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(text_, 3);
    resize(720, 480);
    // Esc closes the help as it closes every other window, wherever the focus is.
    auto *escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    for (const HelpPage &topic : file_.topics())
        list_->addItem(topic.title);
    connect(list_, &QListWidget::currentRowChanged, this, &HelpViewer::showRow);
    if (!file_.isValid()) {
        list_->hide();
        text_->setPlainText(QStringLiteral("The help file was not found, or it could not be read or holds no "
                                           "help topics.\n\nIt was looked for at:\n")
                            + helpFilePath);
    }
}

void HelpViewer::showTopic(int context)
{
    const QList<HelpPage> &topics = file_.topics();
    for (int row = 0; row < topics.size(); ++row) {
        if (topics[row].context == context) {
            list_->setCurrentRow(row);
            return;
        }
    }
    if (context != 0)
        showTopic(0);
}

void HelpViewer::showRow(int row)
{
    if (row >= 0 && row < file_.topics().size())
        text_->setHtml(topicHtml(file_.topics().at(row)));
}
