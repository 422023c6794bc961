#include "notewindows/NoteLayout.h"

#include "widgets/Twips.h"

namespace {

constexpr int ResizeBorder = 4;       // pixels along the edges that size the window
constexpr int MarkSize = 135;         // twips
constexpr int TextThreshold = 260;    // twips of width or height
constexpr int CaptionThreshold = 740; // twips of width

} // namespace

NoteLayout firstNoteLayout()
{
    return {twipsRect(45, 45, 2065, 135), twipsRect(0, 40, MarkSize, MarkSize), twipsRect(0, 45, MarkSize, MarkSize),
            twipsRect(0, 40, MarkSize, MarkSize), twipsRect(80, 240, 0, 0)};
}

NoteLayout noteLayout(const QSize &size, const NoteLayout &last)
{
    NoteLayout layout = last;
    const int w = size.width() * TwipsPerPixel;
    const int h = size.height() * TwipsPerPixel;
    if (w > TextThreshold)
        layout.content.setWidth(twipsToPixels(w - 240));
    // The text box ends above the bottom sizing border, which lies inside the
    // window here rather than around it.
    if (h > TextThreshold)
        layout.content.setHeight(twipsToPixels(h - 240) - ResizeBorder);
    if (w > CaptionThreshold) {
        layout.caption.setWidth(twipsToPixels(w - 740));
        layout.remove.moveLeft(twipsToPixels(w - 660));
        layout.help.moveLeft(twipsToPixels(w - 480));
        layout.close.moveLeft(twipsToPixels(w - 320));
    }
    return layout;
}

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
