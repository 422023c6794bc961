#pragma once

#include <QString>

// A sticky note: its text (lines joined with CR LF) and where its window
// stands, in twips.
struct Note {
    QString Content;
    qint16 Top = 0;
    qint16 Left = 0;
};
