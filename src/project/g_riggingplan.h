#pragma once
// The rigging plan as a report: the floor plan to scale with every support and hoist of each
// truss's current variant, numbered and with its force; the list of rigging points with sums;
// the trusses with their variants' state, utilisation and messages.
#include "project/u_grundrisswerkzeuge.h"
#include "project/u_riggingplan.h"
#include "report/u_bericht.h"
#include <QDateTime>

enum class Riggingpapier { A4Quer, A3Quer };

// Where the plan lies on its drawing: scale 1:massstab, the plan point at the drawing's middle.
struct Planlage {
    QSizeF groesse;     // of the drawing, mm
    int massstab = 100; // 1:massstab
    QPointF planmitte;  // m
    QPointF AufZeichnung(QPointF plan) const; // mm from the drawing's top left corner
};

// The smallest usual scale at which walls, trusses and points fit the drawing (leaving room for
// the scale bar), centred on them.
Planlage PlanlageFuer(const Riggingplan& plan, const std::vector<Mauerbild>& mauern, QSizeF groesse);

// The report. mauern and traversen: the floor plan's elements as the project holds them.
Bericht RiggingplanBericht(const Riggingplan& plan, const std::vector<Mauerbild>& mauern,
                           const std::vector<Traversenbild>& traversen, Riggingpapier papier,
                           const QDateTime& ausdruck);
