#pragma once

#include <QString>

// A sticky note: its text (lines joined with CR LF) and where its window
// stands, in twips.
struct Note {
    QString content;
    qint16 top = 0;
    qint16 left = 0;
};
