#include "beam/g_cadansicht.h"
#include "beam/g_symbole.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_beschriftungsplatz.h"
#include "beam/u_cadwerkzeuge.h"
#include "platform/u_zahlen.h"
#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <optional>

namespace {

// Within t of a multiple of schritt.
bool nahe(double d, double schritt, double t) { return std::fabs(d - std::round(d / schritt) * schritt) < t; }

struct Zeilenfelder {
    int art, pos1, pos2, oben, groesse, markiert, nummer, last, berechnet;
};

// A support has one position and no load; a load has no calculated force.
Zeilenfelder felder(TBClientDataSet& t, Feldname pos1, Feldname pos2, const Feldname* last)
{
    using namespace Balkenfeld;
    const auto i = [&](Feldname n) { return t.FieldByName(n).Index(); };
    return {i(Type), i(pos1), i(pos2), i(oben), i(Groesse), i(markiert), i(Nummer),
            last ? i(*last) : -1, last ? -1 : i(Lagerfeld::Berechnet)};
}

// One support or load as the drawing shows it.
struct Eintrag {
    Symbolangaben s;
    QRect umriss;
    int nummer = 0;
    std::optional<double> kraftKg; // a support's force of a calculation that is still current
};

void sammle(std::vector<Eintrag>& eintraege, TBClientDataSet& t, const Zeilenfelder& f, const Cadansicht& a,
            double hoehe, bool kraefte)
{
    const int obenZeile = a.Zeile(-hoehe / 2 - 0.03);
    const int untenZeile = a.Zeile(hoehe / 2 + 0.03);
    for (int r = 1; r <= t.RecordCount(); ++r) {
        Eintrag e;
        Symbolangaben& s = e.s;
        s.art = t.WertBei(r, f.art).toInt();
        s.x1 = a.Spalte(t.WertBei(r, f.pos1).toDouble());
        s.x2 = a.Spalte(t.WertBei(r, f.pos2).toDouble());
        s.oben = t.WertBei(r, f.oben).toBool();
        s.y0 = s.oben ? obenZeile : untenZeile;
        s.markiert = t.WertBei(r, f.markiert).toBool();
        s.negativ = f.last >= 0 && t.WertBei(r, f.last).toDouble() < 0;
        s.massstab = a.massstab;
        s.groesse = t.WertBei(r, f.groesse).toDouble() * a.zoomfaktor;
        e.umriss = u_symbole::Umriss(s);
        e.nummer = t.WertBei(r, f.nummer).toInt();
        if (kraefte && f.berechnet >= 0)
            e.kraftKg = t.WertBei(r, f.berechnet).toDouble() / NproKg;
        eintraege.push_back(e);
    }
}

// A band along the truss (distributed load, bars, boxes, projectors) spans two columns; the
// figures of one-click items are drawn over such bands on a cleared ground.
bool spanntBand(const Symbolangaben& s) { return s.x1 != s.x2; }

// The cleared ground of a figure: its outline on its own side of the base row, so the truss bar
// keeps its edge.
QRect grund(const Eintrag& e)
{
    QRect g = e.umriss;
    if (e.s.oben)
        g.setBottom(std::min(g.bottom(), e.s.y0));
    else
        g.setTop(std::max(g.top(), e.s.y0));
    return g;
}

QString kgText(double kg) { return FormatFloat(QStringLiteral("### ##0.00"), kg).trimmed() + QStringLiteral(" kg"); }

constexpr int Ebenen = 8; // label levels tried beyond a figure before a label is left out

// Places the numbers and the support forces, supports first: each label at its symbol or
// further out, never over another label, a figure or the truss bar.
std::vector<Beschriftung> beschrifte(const std::vector<Eintrag>& eintraege, const QRect& bereich,
                                     const QRect& traverse)
{
    Beschriftungsplatz platz(bereich);
    platz.Sperre(traverse);
    for (const Eintrag& e : eintraege)
        if (!e.umriss.isEmpty())
            platz.Sperre(e.umriss);
    const QFontMetrics mass(u_symbole::Beschriftungsschrift());
    const auto groesse = [&](const QString& text) { return QSize(mass.horizontalAdvance(text) + 4, mass.height()); };

    std::vector<Beschriftung> ergebnis;
    const auto setze = [&](const Eintrag& e, const QString& text, const std::vector<QRect>& kandidaten) {
        if (const auto box = platz.Platziere(kandidaten))
            ergebnis.push_back({*box, text, u_symbole::Stiftfarbe(e.s.art, e.s.markiert)});
    };
    for (const Eintrag& e : eintraege) {
        if (e.umriss.isEmpty())
            continue;
        const int spalte = (e.s.x1 + e.s.x2) / 2;
        const int richtung = e.s.oben ? -1 : 1;
        const int kante = e.s.oben ? e.umriss.top() : e.umriss.bottom();
        const QString nummer = QString::number(e.nummer);
        setze(e, nummer, Stapel(spalte, kante, richtung, groesse(nummer), Ebenen));
        if (!e.kraftKg)
            continue;
        // the force beside the figure, else further out
        const QString kraft = kgText(*e.kraftKg);
        const QSize g = groesse(kraft);
        const int mitte = e.umriss.center().y() - g.height() / 2;
        std::vector<QRect> kandidaten{QRect(QPoint(e.umriss.right() + 3, mitte), g),
                                      QRect(QPoint(e.umriss.left() - 3 - g.width(), mitte), g)};
        for (const QRect& k : Stapel(spalte, kante, richtung, g, Ebenen))
            kandidaten.push_back(k);
        setze(e, kraft, kandidaten);
    }
    return ergebnis;
}

} // namespace

void ZeichneLineal(QPainter& p, const QRect& r, int y, const QColor& farbe, double versatz, const Cadansicht& a)
{
    p.save();
    QPen pen(farbe);
    pen.setWidth(3);
    p.setPen(pen);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(8);
    p.setFont(schrift);
    p.drawLine(r.left(), y, r.right(), y);
    const double t = a.raster / 1.999;
    const QFontMetrics mass(schrift, p.device());
    QString letzterText; // a multiple can fall within reach of two neighbouring columns
    int letzteSpalte = r.left() - 2;
    for (int spalte = r.left(); spalte <= r.right(); ++spalte) {
        const double d = a.XVon(spalte - r.left()) + versatz;
        if (!nahe(d, 10 * a.raster, t))
            continue;
        pen.setWidth(nahe(d, 50 * a.raster, t) ? 3 : 1);
        p.setPen(pen);
        p.drawLine(spalte, y - 4, spalte, y + 5);
        if (nahe(d, 100 * a.raster, t)) {
            const QString text = FormatFloat(a.zahlenformat, d);
            const bool schonGeschrieben = text == letzterText && spalte == letzteSpalte + 1;
            letzterText = text;
            letzteSpalte = spalte;
            if (schonGeschrieben)
                continue;
            const int breite = mass.horizontalAdvance(text);
            p.drawText(QRect(spalte - breite / 2 - 1, y - 20, breite + 2, mass.height()), Qt::AlignCenter, text);
        }
    }
    p.restore();
}

std::vector<Beschriftung> ZeichneBalken(QPainter& p, const QRect& r, const QColor& hintergrund, const Cadansicht& a,
                                        Balkenmodell& m)
{
    p.save();
    p.setClipRect(r);
    p.fillRect(r, hintergrund);
    ZeichneLineal(p, r, r.top() + 20, QColor(0, 0, 128), 0, a);
    ZeichneLineal(p, r, r.top() + 50, QColor(128, 0, 0), a.bezugspunkt, a);

    p.translate(r.left(), r.top());
    const double laenge = m.traverse.laenge, hoehe = m.traverse.hoehe;
    QPen pen(QColor(0, 0, 255));
    pen.setWidth(std::max(1, int(std::lround(std::min(0.05 / a.massstab, 1e6)))));
    p.setPen(pen);
    p.setBrush(QColor(0, 0, 255));
    const QRect traverse =
        QRect(QPoint(a.Spalte(-laenge / 2), a.Zeile(-hoehe / 2)), QPoint(a.Spalte(laenge / 2), a.Zeile(hoehe / 2))).normalized();
    p.drawRect(traverse);

    m.cds_lager.CheckBrowseMode();
    m.cds_lasten.CheckBrowseMode();
    std::vector<Eintrag> eintraege;
    sammle(eintraege, m.cds_lager, felder(m.cds_lager, Lagerfeld::Position, Lagerfeld::Position, nullptr), a, hoehe, m.kraefteAktuell);
    sammle(eintraege, m.cds_lasten, felder(m.cds_lasten, Lastfeld::Pos1, Lastfeld::Pos2, &Lastfeld::Last), a, hoehe, false);

    for (const Eintrag& e : eintraege)
        if (spanntBand(e.s))
            u_symbole::ZeichneSymbol(p, e.s);
    for (const Eintrag& e : eintraege)
        if (!spanntBand(e.s) && !e.umriss.isEmpty())
            p.fillRect(grund(e), hintergrund);
    for (const Eintrag& e : eintraege)
        if (!spanntBand(e.s))
            u_symbole::ZeichneSymbol(p, e.s);

    const int stift = pen.width() / 2 + 1;
    const std::vector<Beschriftung> texte =
        beschrifte(eintraege, QRect(0, LinealHoehe, r.width(), r.height() - LinealHoehe),
                   traverse.adjusted(-stift, -stift, stift, stift));
    p.setFont(u_symbole::Beschriftungsschrift());
    for (const Beschriftung& b : texte) {
        p.setPen(b.farbe);
        p.drawText(b.box, Qt::AlignCenter, b.text);
    }
    p.restore();
    return texte;
}

void ZeichneFadenkreuz(QPainter& p, const Cadansicht& a, bool mitAuswahlrahmen)
{
    if (a.fadenkreuz.x() < 0)
        return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setBrush(Qt::NoBrush);
    if (mitAuswahlrahmen && a.werkzeug == ArtSelektieren) {
        p.setPen(QPen(QColor(0, 128, 0), 1));
        p.drawRect(QRect(QPoint(a.Spalte(a.ankerX), a.Zeile(a.ankerY)), a.fadenkreuz).normalized());
    }
    p.setPen(QPen(Qt::white, 1));
    const int x = a.fadenkreuz.x();
    p.drawLine(x, 16, x, 25);
    p.drawLine(x, 46, x, 55);
    p.restore();
}
