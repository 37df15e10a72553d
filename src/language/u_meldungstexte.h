#pragma once
// Message strings of the whole program (ids 1 to 8) and of the language editor (ids 1001 to
// 1008). They change only at a language switch, so a message shows in the language that was
// current at the last switch.
#include <QString>

QString Meldungstext(int id); // the current text of a shared or editor message
// The shared overwrite query: "Datei %s existiert bereits." CR LF "Überschreiben?" (ids 2, 3).
QString Ueberschreibfrage(const QString& pfad);
void MeldungstexteUebersetzen(); // at a language switch, in id order
void MeldungstexteZuruecksetzen(); // back to the built-in German texts (a fresh program)
// "Nicht genügend Arbeitsspeicher" (id 1090): memory ran out in a calculation
// or while reading a file; the program goes on.
QString SpeicherMeldung();
