#pragma once
// The report font: Arial in points. Where Arial itself is missing, the metric-compatible
// Liberation Sans stands in, so texts keep the widths the layouts are made for.
// Widths are measured at 1200 dpi without hinting, so they do not depend on the screen.
#include "report/u_bericht.h"
#include <QFont>
#include <QFontMetricsF>

QFont Berichtsschrift(const Schrift& schrift);

class Schriftmass {
public:
    explicit Schriftmass(const Schrift& schrift);
    double breite(const QString& text) const; // mm
    double hoehe() const;                     // ascent plus descent, mm
    double zeilenabstand() const;             // from line to line of a paragraph, mm

private:
    QFontMetricsF m_metrik;
};
