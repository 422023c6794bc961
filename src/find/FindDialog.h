#pragma once

#include "datelogic/FindSearch.h"

#include <QDialog>

#include <optional>

class Clock;
class ControlSet;
class Help;
class QComboBox;
class QLineEdit;
class QListWidget;
struct EventTable;

// Searches the event titles, narrowed by month and year, and sends the main
// window to the date of the chosen result. Changes nothing itself.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    FindDialog(const EventTable &events, const Clock &clock, Help &help, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The date of the chosen result; an every-year event's in the year it falls next by month.
    void jumpRequested(const QDate &day);
    // The chosen result lies in a year the main window does not show; the
    // dialog stays open.
    void jumpRefused();

private:
    void buildWindow();
    void connectButtons(const ControlSet &controls);
    void search();
    void resultSelected();
    void jumpToResult();

    const EventTable &events_;
    const Clock &clock_;
    Help &help_;
    std::optional<FindResult> result_;

    QLineEdit *text_ = nullptr;
    QComboBox *comboMonth_ = nullptr;
    QComboBox *comboYear_ = nullptr;
    QListWidget *list_ = nullptr;
};
