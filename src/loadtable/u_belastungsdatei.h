#pragma once
// The load table file ".prb": version 2 (header, settings text, packet) is written; version 2
// and the older layout (nine texts, six item positions, packet) are read.
#include "loadtable/u_belastungstabelle.h"

QString BelastungstabelleKopf();      // "Kelvara VLX Belastungstabelle 2"
QString BelastungstabelleKopfAlt();   // "Kelvara VLX Belastungstabelle"

// The settings text of version 2, its 17 keys in file order.
QString Einstellungstext(const BelastungsEingaben& eingaben);
void LeseEinstellungstext(const QString& text, BelastungsEingaben& eingaben);

// Posts a changed pending row (cancels an unchanged one), writes the file, clears the changed
// mark and takes the path as file name. A write error throws Fehler; mark and name stay.
void BelastungstabelleSpeichern(Belastungstabelle& tabelle, const QString& pfad);

// Loads into a window that was just created; the messages of the recalculation go to meldungen.
// Another header gives "Keine gültige Belastungstabelle" and leaves the defaults and no table;
// false then. A file that cannot be read throws Fehler with the window as it was. The file itself
// is only read.
bool BelastungstabelleLaden(Belastungstabelle& tabelle, const QString& pfad, Meldungen& meldungen);
