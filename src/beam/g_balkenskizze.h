#pragma once
// A plain drawing of the beam for the utilisation view where no CAD view is at hand (the
// headless report): a metre ruler, the truss bar, the supports as triangles and the loads as
// arrows with their numbers, all placed with the CAD mapping.
#include "beam/g_auslastungsbild.h"

class Balkenmodell;

Balkenzeichner Balkenskizze(Balkenmodell& modell, const CadAbbildung& abbildung);

// The CAD mapping that fits the whole truss into the width (as the fit button does).
CadAbbildung EingepassteAbbildung(double laenge, QSize flaeche);

class Balkenrechnung;

// The utilisation view without an editor: the plain drawing above the diagram of the last
// calculation, the whole truss fitted into the width.
QImage Skizzenbild(Balkenmodell& modell, Balkenrechnung& rechnung, QSize groesse = QSize(850, 420));
