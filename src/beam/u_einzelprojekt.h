#pragma once
// The single-project file ".pre": header, variant name, editor, truss name, settings text, then
// the support and load tables as sized packets.
#include "platform/u_meldungen.h"
#include <QString>

class Balkenmodell;

extern const QString EinzelprojektKopf; // "Kelvara VLX Einzelprojekt 1.0"

void SchreibeEinzelprojekt(Balkenmodell& modell, const QString& datei);

// False after a wrong header ("keine gültiges Einzelprojekt" in meldungen, nothing is taken). A
// read error throws Fehler and leaves the model as it was: the file is read into fresh tables and
// taken over only when all of it has been read.
bool LeseEinzelprojekt(Balkenmodell& modell, const QString& datei, Meldungen& meldungen);
