#include "mainwindow/MonthGrid.h"

#include "datelogic/GridKeys.h"
#include "mainwindow/DayCell.h"
#include "widgets/Twips.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr int CellLeft = 120;
constexpr int CellTop = 480;
constexpr int HeadingTop = 240;
constexpr int ColumnStep = 360;
constexpr int RowStep = 240;
constexpr int CellWidth = 375;
constexpr int CellHeight = 255;

const QColor OtherMonthText(192, 192, 192);

QRect cellRect(int column, int top)
{
    return {twipsToPixels(CellLeft + ColumnStep * column), twipsToPixels(top), twipsToPixels(CellWidth),
            twipsToPixels(CellHeight)};
}

template <typename Cell = QLabel> Cell *makeCell(QWidget *parent, const QString &name, const QColor &background)
{
    auto *label = new Cell(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    return label;
}

} // namespace

MonthGrid::MonthGrid(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pictureMonthlyCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    // clang-format off
    static const std::array<std::pair<const char *, const char *>, MonthLayout::Columns> headings{{
        {"labelMonday", "Mo"},
        {"labelTuesday", "Tu"},
        {"labelWednesday", "We"},
        {"labelThursday", "Th"},
        {"labelFriday", "Fr"},
        {"labelSaturday", "Sa"},
        {"labelSunday", "Su"},
    }};
    // clang-format on
    for (int column = 0; column < MonthLayout::Columns; ++column) {
        QLabel *heading = makeCell(this, QLatin1String(headings[column].first), QColor(224, 224, 224));
        heading->setText(QLatin1String(headings[column].second));
        heading->setGeometry(cellRect(column, HeadingTop));
    }
    for (int k = 0; k < MonthLayout::CellCount; ++k) {
        DayCell *cell = makeCell<DayCell>(this, QStringLiteral("labelDay%1").arg(k), Qt::white);
        cell->setGeometry(cellRect(k % MonthLayout::Columns, CellTop + RowStep * (k / MonthLayout::Columns)));
        cell->installEventFilter(this);
        cells_[k] = cell;
    }
}

void MonthGrid::drawMonthGrid(int year, int month, int day)
{
    layout_ = MonthLayout(year, month);
    // A kept day that the month lacks selects no cell.
    selected_ = QDate(year, month, day);
    const QColor monthText = palette().color(QPalette::ButtonText);
    for (int k = 0; k < MonthLayout::CellCount; ++k) {
        const GridCell &gridCell = layout_.cell(k);
        QLabel *label = cells_[k];
        label->setText(QString::number(gridCell.day));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, gridCell.inMonth ? monthText : OtherMonthText);
        label->setPalette(palette);
        QFont font = label->font();
        font.setBold(gridCell.inMonth && gridCell.day == day);
        label->setFont(font);
    }
    showFocusFrame();
}

void MonthGrid::showMarks(const DayMarks &marks, bool shown)
{
    for (int k = 0; k < MonthLayout::CellCount; ++k) {
        cells_[k]->setAccessibleName(dayCellText(marks[k]));
        cells_[k]->setMarks(shown && marks[k].eventCount > 0, shown && marks[k].isToday);
    }
    // The grid takes the focus, so it reads as its selected day.
    const int selected = selectedCell();
    setAccessibleName(selected >= 0 ? dayCellText(marks[selected]) : QStringLiteral("Days of the month"));
}

int MonthGrid::selectedCell() const
{
    return selected_.isValid() ? layout_.originCell() + selected_.day() - 1 : -1;
}

void MonthGrid::showFocusFrame()
{
    const int selected = hasFocus() ? selectedCell() : -1;
    for (int k = 0; k < MonthLayout::CellCount; ++k)
        cells_[k]->setFocusFrame(k == selected);
}

void MonthGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    showFocusFrame();
}

void MonthGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    showFocusFrame();
}

void MonthGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (selected_.isValid())
            emit addRequested();
        return;
    }
    const std::optional<QDate> day = selected_.isValid() ? dayAfterKey(selected_, event->key()) : std::nullopt;
    if (!day || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit dayRequested(*day);
}

bool MonthGrid::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(cells_.begin(), cells_.end(), watched);
    if (found == cells_.end())
        return QWidget::eventFilter(watched, event);
    const int index = static_cast<int>(found - cells_.begin());
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        emit dayPressed(index, mouse->button(), mouse->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            emit dayDoubleClicked(index);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
