#include "beam/g_balkenskizze.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "platform/u_bildpunkt.h"
#include <QPolygon>
#include "platform/u_zahlen.h"
#include <algorithm>
#include <cmath>

namespace {

int zahl(TBClientDataSet& t, int zeile, Feldname feld)
{
    return t.WertBei(zeile, t.FieldByName(feld).Index()).toInt();
}

double wert(TBClientDataSet& t, int zeile, Feldname feld)
{
    return t.WertBei(zeile, t.FieldByName(feld).Index()).toDouble();
}

bool oben(TBClientDataSet& t, int zeile) { return t.WertBei(zeile, t.FieldByName(Balkenfeld::oben).Index()).toBool(); }

void lineal(QPainter& p, const QRect& r, const CadAbbildung& a)
{
    const int y = r.top() + 20;
    const QColor marine(0, 0, 128);
    p.setPen(QPen(marine, 3));
    p.drawLine(r.left(), y, r.right(), y);
    const double s = a.massstab / a.zoomfaktor;
    if (!(s > 0) || !std::isfinite(s))
        return;
    // Labels at a step of 1, 2 or 5 times a power of ten, at least 60 pixels apart; five ticks
    // between them. The count of ticks depends on the width only.
    const double mindestens = 60 * s;
    double schritt = std::pow(10.0, std::ceil(std::log10(mindestens)));
    if (schritt / 5 >= mindestens)
        schritt /= 5;
    else if (schritt / 2 >= mindestens)
        schritt /= 2;
    const double fein = schritt / 5;
    const double links = a.ansichtsmitte + s * (r.left() - a.flaeche.width() / 2);
    const double rechts = a.ansichtsmitte + s * (r.right() - a.flaeche.width() / 2);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(11);
    p.setFont(schrift);
    for (long long k = (long long)std::ceil(links / fein); k <= (long long)std::floor(rechts / fein); ++k) {
        const double x = double(k) * fein;
        const int spalte = a.spalte(x);
        const bool beschriftet = k % 5 == 0;
        p.setPen(QPen(marine, beschriftet ? 3 : 1));
        p.drawLine(spalte, y - 4, spalte, y + 5);
        if (beschriftet)
            p.drawText(QRect(spalte - 30, y - 20, 60, 14), Qt::AlignHCenter | Qt::AlignTop,
                       FloatZuText(std::round(x / fein) * fein));
    }
}

} // namespace

CadAbbildung EingepassteAbbildung(double laenge, QSize flaeche)
{
    CadAbbildung a;
    a.flaeche = flaeche;
    const double breite = flaeche.width() - 50;
    a.massstab = laenge > 0 && breite > 0 ? laenge / breite : 0.1;
    return a;
}

Balkenzeichner Balkenskizze(Balkenmodell& modell, const CadAbbildung& abbildung)
{
    return [&modell, abbildung](QPainter& p, const QRect& r, const QColor& hintergrund) {
        p.fillRect(r, hintergrund);
        lineal(p, r, abbildung);
        const double l = modell.traverse.laenge, h = modell.traverse.hoehe;
        const double s = abbildung.massstab / abbildung.zoomfaktor;
        const int stift = std::max(1, Bildpunkt(0.05 / abbildung.massstab));
        p.setPen(QPen(Qt::blue, stift));
        p.setBrush(Qt::blue);
        const int oberkante = abbildung.zeile(-h / 2), unterkante = abbildung.zeile(h / 2);
        p.drawRect(QRect(QPoint(abbildung.spalte(-l / 2), oberkante), QPoint(abbildung.spalte(l / 2), unterkante)));
        p.setBrush(Qt::NoBrush);
        const int gross = int(std::clamp(0.3 / s, 6.0, 30.0)); // symbol size in pixels
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPixelSize(std::max(8, gross * 2 / 3));
        p.setFont(schrift);

        TBClientDataSet& lager = modell.cds_lager;
        for (int z = 1; z <= lager.RecordCount(); ++z) {
            const int x = abbildung.spalte(wert(lager, z, Lagerfeld::Position));
            const bool darueber = oben(lager, z);
            const int basis = darueber ? oberkante - 2 : unterkante + 2;
            const int richtung = darueber ? -1 : 1;
            p.setPen(QPen(Qt::blue, 2));
            p.drawPolygon(QPolygon({QPoint(x, basis), QPoint(x - gross / 2, basis + richtung * gross),
                                    QPoint(x + gross / 2, basis + richtung * gross)}));
            const QRect feld(x - 20, darueber ? basis - 2 * gross - 2 : basis + gross + 2, 40, gross);
            p.drawText(feld, Qt::AlignCenter, QString::number(zahl(lager, z, Lagerfeld::Nummer)));
        }

        TBClientDataSet& lasten = modell.cds_lasten;
        for (int z = 1; z <= lasten.RecordCount(); ++z) {
            const bool darueber = oben(lasten, z);
            const int basis = darueber ? oberkante - 2 : unterkante + 2;
            const int richtung = darueber ? -1 : 1;
            const int x1 = abbildung.spalte(wert(lasten, z, Lastfeld::Pos1)), x2 = abbildung.spalte(wert(lasten, z, Lastfeld::Pos2));
            p.setPen(QPen(zahl(lasten, z, Lastfeld::Type) == ArtStreckenlast ? QColor(0, 128, 0) : QColor(Qt::red), 2));
            // Loads act downwards: the head sits at the lower end of the shaft.
            const int fern = basis + richtung * gross;
            const int spitze = std::max(basis, fern);
            for (const int x : {x1, x2}) {
                p.drawLine(x, basis, x, fern);
                p.drawLine(x, spitze, x - gross / 4, spitze - gross / 3);
                p.drawLine(x, spitze, x + gross / 4, spitze - gross / 3);
                if (x1 == x2)
                    break;
            }
            if (x1 != x2)
                p.drawLine(x1, fern, x2, fern);
            const int mitte = (x1 + x2) / 2;
            const QRect feld(mitte - 20, darueber ? basis - 2 * gross - 2 : basis + gross + 2, 40, gross);
            p.drawText(feld, Qt::AlignCenter, QString::number(zahl(lasten, z, Lastfeld::Nummer)));
        }
    };
}

QImage Skizzenbild(Balkenmodell& modell, Balkenrechnung& rechnung, QSize groesse)
{
    const CadAbbildung abbildung =
        EingepassteAbbildung(modell.traverse.laenge, QSize(groesse.width(), groesse.height() / 2));
    return Auslastungsbild(groesse, abbildung, rechnung.berechnet ? &rechnung.cds_maxima : nullptr,
                           Balkenskizze(modell, abbildung));
}
