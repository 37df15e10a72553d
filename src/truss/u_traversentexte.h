#pragma once
// Captions of the truss window's controls by control name: text id, German default and whether
// the caption is a heading (underlined). The window sets its captions from this table and the
// truss report prints the same texts, so both follow the current language alike.
#include <QString>

struct Traversenbeschriftung {
    const char* name;
    int id;
    const char* deutsch;
    bool unterstrichen = false;
};

#include <span>

// Every entry, in the order of the window's tabs.
std::span<const Traversenbeschriftung> Traversenbeschriftungen();
// The entry of a control; nullptr for a name without caption.
const Traversenbeschriftung* FindeTraversenbeschriftung(const char* name);
// Its caption in the current language; the empty text for a name without caption.
QString Traversenbeschriftungstext(const char* name);

// Without horizontal diagonals nothing braces the chords sideways between the frames, and the
// chord buckling of the results does not cover that: the warning, or the empty text.
QString Seitenknickwarnung(int gurte, bool horizontaleDiagonalen);
