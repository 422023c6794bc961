#include "notewindows/NoteWindow.h"

#include "notes/NoteTable.h"
#include "settings/Settings.h"
#include "messages/GeneralDialog.h"
#include "widgets/LimitedTextEdit.h"
#include "notewindows/NoteMark.h"
#include "widgets/ProgramFont.h"
#include "widgets/Twips.h"
#include "widgets/WindowPlacement.h"
#include "eventdata/DataFile.h"
#include "eventdata/LengthLimit.h"
#include "help/Help.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>

namespace {

constexpr int ContentLength = 512;
const QColor NoteYellow(255, 255, 192);

QString toStored(const QString &shown)
{
    return QString(shown).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString toShown(const QString &stored)
{
    return QString(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

QString notesFullMessage()
{
    return QStringLiteral("The notes database is full. Please remove a note before you add a new one.");
}

NoteWindow::NoteWindow(NoteTable &notes, Settings &settings, Help &help, int noteIndex, const QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), notes_(notes),
      settings_(settings), help_(help), noteIndex_(noteIndex)
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

    buildParts();
    placeParts(noteLayout(size(), firstNoteLayout()));

    // The note's own keys work wherever the focus is.
    auto *escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, &NoteWindow::closeNote);
    addAction(escape);

    if (noteIndex_ < 0) {
        const QRect main = mainWindow ? mainWindow->frameGeometry() : QRect();
        move(WindowPlacement::keepOnScreen(QRect(main.center() - rect().center(), size()),
                                           WindowPlacement::availableScreens()));
    } else {
        const Note &note = notes_.notes[noteIndex_];
        textContent_->setPlainText(toShown(note.content));
        move(WindowPlacement::fromTwips(note.left, note.top, size(), 0));
    }
}

// The parts stand where the note's layout puts them.
void NoteWindow::buildParts()
{
    shapeCaption_ = new QFrame(this);
    shapeCaption_->setObjectName(QStringLiteral("shapeCaption"));
    shapeCaption_->setAutoFillBackground(true);
    QPalette blue = shapeCaption_->palette();
    blue.setColor(QPalette::Window, QColor(128, 128, 255));
    shapeCaption_->setPalette(blue);
    shapeCaption_->setAttribute(Qt::WA_TransparentForMouseEvents); // the bar drags the window

    const auto addMark = [this](NoteMark::Shape shape, const QString &name, const QString &toolTip) {
        auto *mark = new NoteMark(shape, this);
        mark->setObjectName(name);
        mark->setToolTip(toolTip);
        return mark;
    };
    imageRemove_ = addMark(NoteMark::Shape::Remove, QStringLiteral("imageRemove"), QStringLiteral("Remove note"));
    imageQuestion_ = addMark(NoteMark::Shape::Help, QStringLiteral("imageQuestion"), QStringLiteral("Help"));
    imageClose_ = addMark(NoteMark::Shape::Close, QStringLiteral("imageClose"), QStringLiteral("Close note"));
    connect(imageRemove_, &NoteMark::clicked, this, &NoteWindow::removeNote);
    connect(imageClose_, &NoteMark::clicked, this, &NoteWindow::closeNote);
    connect(imageQuestion_, &NoteMark::clicked, help_.addHelpKey(this, HelpTopic::Note), &QAction::trigger);

    textContent_ = new LimitedTextEdit(ContentLength, this);
    textContent_->setObjectName(QStringLiteral("textContent"));
    textContent_->setAccessibleName(QStringLiteral("Note"));
    textContent_->setFrameShape(QFrame::NoFrame);
    textContent_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textContent_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void NoteWindow::placeParts(const NoteLayout &layout)
{
    layout_ = layout;
    shapeCaption_->setGeometry(layout.caption);
    imageRemove_->setGeometry(layout.remove);
    imageQuestion_->setGeometry(layout.help);
    imageClose_->setGeometry(layout.close);
    textContent_->setGeometry(layout.content);
}

void NoteWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeParts(noteLayout(size(), layout_));
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
        if (notes_.isFull())
            return false;
        noteIndex_ = notes_.addNote(Note{});
    }
    Note &note = notes_.notes[noteIndex_];
    note.content = text;
    const WindowPlacement::Twips place = WindowPlacement::toTwips(pos());
    note.left = place.left;
    note.top = place.top;
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
    if (noteIndex_ < 0 && notes_.isFull()) {
        showDatabaseFull(this, notesFullMessage());
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
    // The note as stored names it, even when its box was just emptied; counted
    // with each line break two characters, and shown on one line.
    const QString shown = toSingleLine(shortTitle(notes_.notes[noteIndex_].content, 20, 20));
    if (!confirmRemoval(this, shown, QStringLiteral("note"), settings_.confirmRemoveN))
        return;
    const int removed = noteIndex_;
    notes_.removeNote(removed);
    noteIndex_ = -1; // gone from the table: closing drops the window without a trace
    emit noteRemoved(removed);
    finish();
}

// Closing would remove an emptied note, asking first when the user wants to
// be asked; as the program ends nothing is asked, so the note goes only when
// questions are off and otherwise keeps its stored text.
bool NoteWindow::closeKeepingText()
{
    if (textContent_->toPlainText().isEmpty() && noteIndex_ >= 0 && settings_.confirmRemoveN != 1) {
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
