#pragma once
// A floor plan of 400 x 300 pixels on an empty project, drawn on with clicks in plan metres.
#include "project/u_grundrisswerkzeuge.h"
#include "project/u_projektmodell.h"
#include <gtest/gtest.h>

class Grundrissaufbau : public ::testing::Test {
protected:
    Projektmodell p;
    Grundrisswerkzeuge g{p};

    void SetUp() override { g.groesse = QSize(400, 300); }

    void klick(double x, double y)
    {
        const QPoint px = g.PlanZuBild(QPointF(x, y));
        g.LinksGedrueckt(px);
        g.LinksLosgelassen(px);
    }
    void traverse(double x1, double y1, double x2, double y2)
    {
        g.WerkzeugSetzen(WerkzeugTraverse);
        klick(x1, y1);
        klick(x2, y2);
    }
    void linie(double x1, double y1, double x2, double y2, const QString& breite = QStringLiteral("0,3"))
    {
        g.WerkzeugSetzen(WerkzeugLinie);
        g.breite = breite;
        klick(x1, y1);
        klick(x2, y2);
    }
};
