#pragma once

#include <QRect>
#include <Qt>

// The places of a note's parts, in pixels inside the note.
struct NoteLayout {
    QRect caption;
    QRect remove;
    QRect help;
    QRect close;
    QRect content;
    bool operator==(const NoteLayout &) const = default;
};

// The parts of a note before its first resize.
NoteLayout firstNoteLayout();

// The parts for a note of size: the text box fills the note but for its
// margins, the caption bar runs to the marks at its right end. Below a
// threshold (the text box's width or height, the caption bar's width) a part
// keeps its size or place in last.
NoteLayout noteLayout(const QSize &size, const NoteLayout &last);

// The edges of a note that a press at point sizes it by: its thin borders.
// Anywhere else outside its text box and marks (the caption bar and the
// margins) the press moves the note.
Qt::Edges noteResizeEdges(const QPoint &point, const QSize &size);
