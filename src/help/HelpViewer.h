#pragma once

#include "help/HelpFile.h"

#include <QWidget>

class QListWidget;
class QTextBrowser;

// The help window: the topics on the left, the chosen one on the right.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(const QString &helpFilePath, QWidget *parent = nullptr);

    // Shows the topic of a context number, the contents for an unknown one.
    void showTopic(int context);

private:
    void showRow(int row);

    HelpFile file_;
    QListWidget *list_;
    QTextBrowser *text_;
};
