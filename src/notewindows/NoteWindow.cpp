#include "notewindows/NoteWindow.h"

#include "appstate/AppState.h"
#include "dialogs/GeneralDialog.h"
#include "widgets/LimitedTextEdit.h"
#include "notewindows/NoteMark.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "eventdata/DataFile.h"
#include "help/Help.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace {

constexpr int ContentLength = 512;
constexpr int ResizeBorder = 4; // pixels along the edges that size the window
constexpr int MinGrabWidth = 40; // pixels of caption bar that must show on a screen
const QColor NoteYellow(255, 255, 192);

// Stored positions are 16-bit twips; a place beyond them is kept at the limit.
qint16 toStoredTwips(int pixels)
{
    const int twips = pixels * TwipsPerPixel;
    return static_cast<qint16>(std::clamp(twips, int(std::numeric_limits<qint16>::min()),
                                          int(std::numeric_limits<qint16>::max())));
}

QString toStored(const QString &shown)
{
    return QString(shown).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString toShown(const QString &stored)
{
    return QString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

Qt::Edges noteResizeEdges(const QPoint &point, const QSize &size)
{
    Qt::Edges edges;
    if (point.y() < ResizeBorder)
        edges |= Qt::TopEdge;
    if (point.x() < ResizeBorder)
        edges |= Qt::LeftEdge;
    if (point.x() >= size.width() - ResizeBorder)
        edges |= Qt::RightEdge;
    if (point.y() >= size.height() - ResizeBorder)
        edges |= Qt::BottomEdge;
    return edges;
}

QString notesFullMessage()
{
    return QStringLiteral("The notes database is full. Please remove a note before you add a new one.");
}

NoteWindow::NoteWindow(AppState &state, Help &help, int noteIndex, const QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), state_(state), help_(help),
      noteIndex_(noteIndex)
{
    setObjectName(QStringLiteral("formNote"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(programFont());
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, NoteYellow);
    yellow.setColor(QPalette::Base, NoteYellow);
    yellow.setColor(QPalette::Text, Qt::black);
    setPalette(yellow);
    setAutoFillBackground(true);
    resize(twipsToPixels(2805), twipsToPixels(1455));

    shapeCaption_ = new QFrame(this);
    shapeCaption_->setObjectName(QStringLiteral("shapeCaption"));
    shapeCaption_->setAutoFillBackground(true);
    QPalette blue = shapeCaption_->palette();
    blue.setColor(QPalette::Window, QColor(128, 128, 255));
    shapeCaption_->setPalette(blue);
    shapeCaption_->setAttribute(Qt::WA_TransparentForMouseEvents); // the bar drags the window
    shapeCaption_->setGeometry(twipsRect(45, 45, 2065, 135));

    const auto addMark = [this](NoteMark::Shape shape, const QString &name, int top) {
        auto *mark = new NoteMark(shape, this);
        mark->setObjectName(name);
        mark->setGeometry(twipsRect(0, top, 135, 135));
        return mark;
    };
    imageRemove_ = addMark(NoteMark::Shape::Remove, QStringLiteral("imageRemove"), 40);
    imageQuestion_ = addMark(NoteMark::Shape::Help, QStringLiteral("imageQuestion"), 45);
    imageClose_ = addMark(NoteMark::Shape::Close, QStringLiteral("imageClose"), 40);
    imageRemove_->setToolTip(QStringLiteral("Remove note"));
    imageQuestion_->setToolTip(QStringLiteral("Help"));
    imageClose_->setToolTip(QStringLiteral("Close note"));
    connect(imageRemove_, &NoteMark::clicked, this, &NoteWindow::removeNote);
    connect(imageClose_, &NoteMark::clicked, this, &NoteWindow::closeNote);
    connect(imageQuestion_, &NoteMark::clicked, help_.addHelpKey(this, HelpContext::Note), &QAction::trigger);

    textContent_ = new LimitedTextEdit(ContentLength, this);
    textContent_->setObjectName(QStringLiteral("textContent"));
    textContent_->setAccessibleName(QStringLiteral("Note"));
    textContent_->setFrameShape(QFrame::NoFrame);
    textContent_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textContent_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textContent_->move(twipsToPixels(80), twipsToPixels(240));

    // The note's own keys work wherever the focus is.
    auto *escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &NoteWindow::closeNote);
    addAction(escape);

    if (noteIndex_ < 0) {
        const QRect main = mainWindow ? mainWindow->frameGeometry() : QRect();
        placeOnScreen(main.center() - rect().center());
    } else {
        const Note &note = state_.notes[noteIndex_];
        textContent_->setPlainText(toShown(note.content));
        placeOnScreen(QPoint(twipsToPixels(note.left), twipsToPixels(note.top)));
    }
}

// A note stored on a screen that is gone comes back on the main screen. It
// stays where it was while enough of its caption bar shows to be grabbed.
void NoteWindow::placeOnScreen(QPoint topLeft)
{
    const QRect caption(topLeft, QSize(width(), twipsToPixels(180)));
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect shown = screen->availableGeometry().intersected(caption);
        if (shown.width() >= MinGrabWidth && shown.height() == caption.height()) {
            move(topLeft);
            return;
        }
    }
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    move(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - width())),
         std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - height())));
}

void NoteWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width() * TwipsPerPixel;
    const int h = height() * TwipsPerPixel;
    // Below the thresholds a part keeps its last size or place.
    if (w > 260)
        textContent_->resize(twipsToPixels(w - 240), textContent_->height());
    // The text box ends above the bottom sizing border, which lies inside the
    // window here rather than around it.
    if (h > 260)
        textContent_->resize(textContent_->width(), twipsToPixels(h - 240) - ResizeBorder);
    if (w > 740) {
        shapeCaption_->resize(twipsToPixels(w - 740), shapeCaption_->height());
        imageRemove_->move(twipsToPixels(w - 660), imageRemove_->y());
        imageQuestion_->move(twipsToPixels(w - 480), imageQuestion_->y());
        imageClose_->move(twipsToPixels(w - 320), imageClose_->y());
    }
}

// The caption bar and the margins move the window, its edges size it; the
// window system does both, so it also works where programs may not place
// their own windows.
void NoteWindow::mousePressEvent(QMouseEvent *event)
{
    QWindow *window = windowHandle();
    if (!window)
        return;
    if (const Qt::Edges edges = noteResizeEdges(event->position().toPoint(), size()))
        window->startSystemResize(edges);
    else
        window->startSystemMove();
}

// An emptied note keeps what it last stored: an empty note is never stored.
bool NoteWindow::storeNote()
{
    const QString text = toStored(textContent_->toPlainText());
    if (text.isEmpty())
        return true;
    if (noteIndex_ < 0) {
        if (state_.NoteTable::isFull())
            return false;
        noteIndex_ = state_.addNote(Note{});
    }
    Note &note = state_.notes[noteIndex_];
    note.content = text;
    note.left = toStoredTwips(x());
    note.top = toStoredTwips(y());
    return true;
}

void NoteWindow::closeNote()
{
    if (textContent_->toPlainText().isEmpty()) {
        if (noteIndex_ >= 0) {
            removeNote();
            if (finished_)
                return;
        }
        // A declined removal keeps the stored text; the window closes all the same.
        finish();
        return;
    }
    if (noteIndex_ < 0 && state_.NoteTable::isFull()) {
        showGeneralDialog(state_, this, 4815, 1605, QStringLiteral("Database is full"), notesFullMessage(), 735,
                          QStringLiteral("Ok"), QString());
        return;
    }
    storeNote();
    emit noteStored();
    finish();
}

void NoteWindow::removeNote()
{
    if (noteIndex_ < 0) {
        finish();
        return;
    }
    // Counted as stored, with each line break two characters; a title has one line.
    const bool longText = toStored(textContent_->toPlainText()).size() >= 21;
    const QString shown =
        toSingleLine(state_.notes[noteIndex_].content.left(20)) + (longText ? QStringLiteral("...") : QString());
    if (!confirmRemoval(state_, this, shown, QStringLiteral("note"), state_.confirmRemoveN))
        return;
    const int removed = noteIndex_;
    state_.removeNote(removed);
    noteIndex_ = -1; // gone from the table: closing drops the window without a trace
    emit noteRemoved(removed);
    finish();
}

// Closing would remove an emptied note, asking first when the user wants to
// be asked; as the program ends nothing is asked, so the note goes only when
// questions are off and otherwise keeps its stored text.
bool NoteWindow::closeKeepingText()
{
    if (textContent_->toPlainText().isEmpty() && noteIndex_ >= 0 && state_.confirmRemoveN != 1) {
        removeNote();
        return true;
    }
    const bool kept = storeNote();
    finish();
    return kept;
}

void NoteWindow::finish()
{
    finished_ = true;
    close();
}

void NoteWindow::closeEvent(QCloseEvent *event)
{
    // Closed by the window system rather than by the note's own marks.
    if (!finished_) {
        event->ignore();
        closeNote();
        return;
    }
    emit closed(noteIndex_);
    QWidget::closeEvent(event);
}
