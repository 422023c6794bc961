#include "help/HelpViewer.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QTextBrowser>

HelpViewer::HelpViewer(const QString &helpFilePath, QWidget *parent)
    : QWidget(parent, Qt::Window), file_(HelpFile::load(helpFilePath)), path_(helpFilePath),
      list_(new QListWidget(this)), text_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("formHelpViewer"));
    setWindowTitle(QStringLiteral("Tarrowby Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    list_->setObjectName(QStringLiteral("listTopics"));
    text_->setObjectName(QStringLiteral("textTopic"));
    text_->setOpenLinks(false);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(text_, 3);
    resize(720, 480);

    for (const HelpTopic &topic : file_.topics())
        list_->addItem(topic.title);
    connect(list_, &QListWidget::currentRowChanged, this, &HelpViewer::showRow);
    if (!file_.isValid()) {
        list_->hide();
        text_->setPlainText(QStringLiteral("The help file was not found or could not be read.\n\nIt was looked for at:\n")
                            + path_);
    }
}

void HelpViewer::showTopic(int context)
{
    const QList<HelpTopic> &topics = file_.topics();
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

QString topicHtml(const HelpTopic &topic)
{
    QString html = QStringLiteral("<h2>") + topic.title.toHtmlEscaped() + QStringLiteral("</h2>");
    for (const QString &paragraph : topic.text.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts)) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'));
        if (lines.first().startsWith(QLatin1String("- "))) {
            html += QStringLiteral("<ul>");
            for (const QString &line : lines)
                html += QStringLiteral("<li>") + line.mid(2).toHtmlEscaped() + QStringLiteral("</li>");
            html += QStringLiteral("</ul>");
        } else {
            html += QStringLiteral("<p>") + lines.join(QLatin1Char(' ')).toHtmlEscaped() + QStringLiteral("</p>");
        }
    }
    return html;
}
