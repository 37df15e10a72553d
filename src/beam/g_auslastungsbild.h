#pragma once
// The utilisation view: the beam drawing of the CAD view in the upper half and, in the lower
// half, the utilisation along the truss against the ±50 % and ±100 % lines. One routine paints
// the editor's paint area and the image of the variant report.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <functional>

class TBClientDataSet;

// The CAD view's mapping from metres to pixels of its own paint area (W × Hh, rulers in the
// top 60 rows). The utilisation view uses it as it stands, so both views line up.
struct CadAbbildung {
    double ansichtsmitte = 0; // x shown at the horizontal centre
    double massstab = 0.1;    // metres per pixel at zoom factor 1
    int zoomfaktor = 1;
    QSize flaeche{850, 300};

    int spalte(double x) const;
    int zeile(double y) const;
};

// Draws the beam (rulers, truss, supports, loads) into the rectangle on the background colour.
using Balkenzeichner = std::function<void(QPainter& maler, const QRect& rechteck, const QColor& hintergrund)>;

// Row of a percentage in the diagram whose zero line is nullinie and whose 100 % are hundert pixels.
int Prozentzeile(int nullinie, int hundert, double prozent);

// Paints the view of the given size. maxima is the envelope table (X, …, Q_minProz, Q_maxProz,
// M_minProz, M_maxProz) or nullptr before the first calculation; its cursor does not move.
void AuslastungMalen(QPainter& maler, QSize groesse, const QColor& hintergrund, const CadAbbildung& abbildung,
                     TBClientDataSet* maxima, const Balkenzeichner& balken);

// The same drawing on white, as the report prints it.
QImage Auslastungsbild(QSize groesse, const CadAbbildung& abbildung, TBClientDataSet* maxima,
                       const Balkenzeichner& balken);
