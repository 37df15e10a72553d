#pragma once
// The truss file ".prt": the header string and one settings text with the 29 keys of the truss
// window's stored inputs, then the confirmed library values "Querkraft" and "Biegemoment".
#include "tables/u_werteliste.h"
#include "truss/u_traversenentwurf.h"

extern const QString Traversendateikopf; // "Kelvara VLX Traversendatei 2"

// The 31 keys in the order of writing.
TWerteliste TraverseAlsWerteliste(const Traverseneingaben& eingaben);
// Applies keys 1 … 16, then 17 … 29 (the connector tab) with its change handler held back.
// Absent keys empty a text, choose like an empty stored text, or take the flag defaults; absent
// library values leave their inputs as they are.
void WertelisteAnwenden(const TWerteliste& liste, Traversenentwurf& entwurf);

// Loads as the truss window does: inputs, then BerechneVerbinder, BerechneDiagonale and
// BerechneTraverse; the file name is taken and the modified mark cleared. A wrong header gives
// "Keine gültige Traversendatei" to entwurf.melden, keeps the inputs and gives false.
// A file that cannot be read throws Fehler and leaves the design unchanged.
bool TraverseLaden(Traversenentwurf& entwurf, const QString& pfad);
// Writes (replacing the file only once it is complete), takes the file name, clears modified.
void TraverseSchreiben(Traversenentwurf& entwurf, const QString& pfad);
