#include "project/g_riggingplan.h"
#include "beam/u_balkenmodell.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include "project/g_grundriss.h"
#include "report/u_berichtsschrift.h"
#include <QPainterPath>
#include <cmath>

namespace {
constexpr double Einheit = 0.2;       // mm of the plan drawing's pixel: the grid every 10 mm
constexpr double mm(double laenge) { return laenge / Einheit; }
constexpr double Fussleiste = 12.0;   // mm at the drawing's bottom for scale bar and legend
const QColor Motorfarbe(200, 0, 0), Lagerfarbe(0, 110, 0), Warnfarbe(200, 0, 0);

QString kg(double newton) { return FormatFloat(QStringLiteral("### ##0"), newton / NproKg).trimmed() + QStringLiteral(" kg"); }
QString kN(double newton) { return FormatFloat(QStringLiteral("0.00"), newton / 1000.0) + QStringLiteral(" kN"); }
QString meter(double m) { return FormatFloat(QStringLiteral("0.00"), m); }

QFont planschrift(double mm, bool fett = false)
{
    QFont font = Berichtsschrift(Schrift{10, fett});
    font.setPixelSize(std::max(1, int(std::lround(mm / Einheit))));
    return font;
}

// A text of one or more lines in the drawing's units, placed by an anchor and alignment; returns
// its height.
double text(QPainter& m, QPointF anker, Qt::Alignment ausrichtung, const QString& t, const QFont& font, const QColor& farbe)
{
    m.setFont(font);
    m.setPen(farbe);
    const QRectF r(anker.x() - 5000, anker.y() - 5000, 10000, 10000);
    QRectF box = m.boundingRect(r, int(Qt::AlignCenter), t);
    const double w = box.width(), h = box.height();
    double x = anker.x() - w / 2, y = anker.y() - h / 2;
    if (ausrichtung & Qt::AlignLeft)
        x = anker.x();
    if (ausrichtung & Qt::AlignRight)
        x = anker.x() - w;
    if (ausrichtung & Qt::AlignTop)
        y = anker.y();
    if (ausrichtung & Qt::AlignBottom)
        y = anker.y() - h;
    const int innen = int(ausrichtung & (Qt::AlignLeft | Qt::AlignRight)) ? int(ausrichtung & (Qt::AlignLeft | Qt::AlignRight)) : int(Qt::AlignHCenter);
    // white under the text so that grid and truss lines do not cross it
    m.fillRect(QRectF(x - mm(0.5), y, w + mm(1), h), QColor(255, 255, 255, 215));
    m.drawText(QRectF(x, y, w, h), innen | int(Qt::AlignVCenter), t);
    return h;
}

// Anchor and alignment of a label beside a point, abstand units along the normal n.
std::pair<QPointF, Qt::Alignment> beiseite(QPointF p, QPointF n, double abstand)
{
    const QPointF a = p + n * abstand;
    if (std::abs(n.y()) >= std::abs(n.x()))
        return {a, Qt::AlignHCenter | (n.y() < 0 ? Qt::AlignBottom : Qt::AlignTop)};
    return {a, Qt::AlignVCenter | (n.x() < 0 ? Qt::AlignRight : Qt::AlignLeft)};
}

void marke(QPainter& m, QPointF p, int art, bool ueberlast)
{
    m.setPen(QPen(ueberlast ? Warnfarbe : Qt::black, ueberlast ? mm(0.6) : mm(0.3)));
    const double r = mm(1.6);
    if (art == ArtMotorzug) {
        m.setBrush(Motorfarbe);
        m.drawEllipse(p, r, r);
    } else {
        m.setBrush(Lagerfarbe);
        QPainterPath dreieck;
        dreieck.moveTo(p + QPointF(0, -r * 1.2));
        dreieck.lineTo(p + QPointF(r * 1.1, r * 0.8));
        dreieck.lineTo(p + QPointF(-r * 1.1, r * 0.8));
        dreieck.closeSubpath();
        m.drawPath(dreieck);
    }
    m.setBrush(Qt::NoBrush);
}

struct Zeichnung {
    Riggingplan plan;
    std::vector<Mauerbild> mauern;
    std::vector<Traversenbild> traversen;
    Planlage lage;

    void operator()(QPainter& m) const;
    void punkte(QPainter& m, const Planabbildung& a) const;
    void massstabsleiste(QPainter& m) const;
};

void Zeichnung::operator()(QPainter& m) const
{
    m.save();
    m.scale(Einheit, Einheit);
    Planabbildung a;
    a.massstab = lage.massstab * Einheit / 1000.0;
    a.groesse = QSize(int(lage.groesse.width() / Einheit), int(lage.groesse.height() / Einheit));
    a.planmitte = lage.planmitte;
    m.setFont(planschrift(2.5));
    ZeichneGrundriss(m, a, mauern, traversen, Qt::white, Grundrissstil{false, false});
    m.setRenderHint(QPainter::Antialiasing, true);
    punkte(m, a);
    massstabsleiste(m);
    m.setPen(QPen(Qt::black, mm(0.3)));
    m.drawRect(QRectF(0, 0, a.groesse.width(), a.groesse.height()));
    m.restore();
}

void Zeichnung::punkte(QPainter& m, const Planabbildung& a) const
{
    const auto bild = [&](QPointF plan) { return QPointF(lage.AufZeichnung(plan) / Einheit); };
    for (const Riggingtraverse& t : plan.traversen) {
        if (!t.ende2 || t.planlaenge <= 0)
            continue;
        const QPointF p1 = bild(t.ende1), p2 = bild(*t.ende2);
        QPointF u = (p2 - p1) / std::hypot(p2.x() - p1.x(), p2.y() - p1.y());
        QPointF n(u.y(), -u.x()); // the side of the point labels
        if (n.y() > 0 || (n.y() == 0 && n.x() < 0))
            n = -n;
        // truss label on the other side, at the middle
        QString titel = QStringLiteral("%1  %2").arg(t.nummer).arg(t.name);
        QStringList warnungen;
        if (t.LaengeWeichtAb())
            warnungen.append(Format(Uebersetzt(2937, QStringLiteral("Länge der Variante %s m, im Plan %s m")),
                                    {meter(*t.variantenlaenge), meter(t.planlaenge)}));
        if (t.stand != Ergebnisstand::Aktuell)
            warnungen.append(Standtext(t.stand));
        const double breite = Stiftbreite(0.4, a.massstab) / 2.0;
        const auto [anker, ausrichtung] = beiseite((p1 + p2) / 2, -n, breite + mm(2.5));
        const double titelhoehe = text(m, anker, ausrichtung, titel, planschrift(3.0, true), Qt::blue);
        if (!warnungen.isEmpty()) {
            // the warnings under the title (over it when the title stands above the truss)
            const Qt::Alignment waagerecht = ausrichtung & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter);
            const bool darueber = ausrichtung & Qt::AlignBottom;
            const double versatz = (ausrichtung & Qt::AlignVCenter) ? titelhoehe / 2 : titelhoehe;
            text(m, anker + QPointF(0, darueber ? -versatz : versatz), waagerecht | (darueber ? Qt::AlignBottom : Qt::AlignTop),
                 warnungen.join(u'\n'), planschrift(2.3, true), Warnfarbe);
            // the truss itself framed in red
            m.setPen(QPen(Warnfarbe, mm(0.4), Qt::DashLine));
            m.drawLine(p1 + n * (breite + mm(0.8)), p2 + n * (breite + mm(0.8)));
            m.drawLine(p1 - n * (breite + mm(0.8)), p2 - n * (breite + mm(0.8)));
        }
        int i = 0;
        for (const Riggingpunkt& r : t.punkte) {
            if (!r.plan)
                continue;
            const QPointF p = bild(*r.plan);
            marke(m, p, r.art, r.Ueberlast());
            const double abstand = breite + mm(2.5) + (i++ % 2) * mm(7);
            const auto [a2, aus2] = beiseite(p, n, abstand);
            m.setPen(QPen(Qt::black, mm(0.2)));
            m.drawLine(p + n * mm(1.6), p + n * (abstand - mm(0.2)));
            const QColor farbe = r.Ueberlast() ? Warnfarbe : Qt::black;
            text(m, a2, aus2,
                 QStringLiteral("%1.%2\n%3 / %4").arg(t.nummer).arg(r.lager).arg(kg(r.kraft), kN(r.kraft))
                     + (r.Ueberlast() ? QStringLiteral(" !") : QString()),
                 planschrift(2.5, true), farbe);
        }
    }
}

void Zeichnung::massstabsleiste(QPainter& m) const
{
    const double hoehe = lage.groesse.height() / Einheit;
    const double mmJeMeter = 1000.0 / lage.massstab;
    // the longest of 1, 2, 5, 10, ... m that stays within 60 mm
    double laenge = 1;
    for (const double l : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0})
        if (l * mmJeMeter <= 60)
            laenge = l;
    const int teile = laenge <= 5 ? int(laenge) : 5;
    const double teil = laenge / teile * mmJeMeter / Einheit;
    const QPointF start(mm(6), hoehe - mm(5.5));
    m.fillRect(QRectF(0, hoehe - Fussleiste / Einheit, lage.groesse.width() / Einheit, Fussleiste / Einheit), Qt::white);
    m.setPen(QPen(Qt::black, mm(0.3)));
    m.drawLine(QPointF(0, hoehe - Fussleiste / Einheit), QPointF(lage.groesse.width() / Einheit, hoehe - Fussleiste / Einheit));
    for (int k = 0; k < teile; ++k) {
        m.setBrush(k % 2 ? Qt::white : Qt::black);
        m.drawRect(QRectF(start.x() + k * teil, start.y(), teil, mm(2)));
    }
    m.setBrush(Qt::NoBrush);
    const QFont font = planschrift(2.5);
    text(m, start + QPointF(0, mm(2.5)), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("0"), font, Qt::black);
    text(m, start + QPointF(teile * teil, mm(2.5)), Qt::AlignHCenter | Qt::AlignTop,
         FormatFloat(QStringLiteral("0"), laenge) + QStringLiteral(" m"), font, Qt::black);
    text(m, start + QPointF(teile * teil + mm(8), mm(1)), Qt::AlignLeft | Qt::AlignVCenter,
         Format(Uebersetzt(2910, QStringLiteral("Maßstab 1:%d")), {lage.massstab}), planschrift(3.0, true), Qt::black);
    // legend
    double x = start.x() + teile * teil + mm(50);
    marke(m, QPointF(x, start.y() + mm(1)), ArtMotorzug, false);
    text(m, QPointF(x + mm(3), start.y() + mm(1)), Qt::AlignLeft | Qt::AlignVCenter, Artname(ArtMotorzug), font, Qt::black);
    x += mm(30);
    marke(m, QPointF(x, start.y() + mm(1)), ArtLager, false);
    text(m, QPointF(x + mm(3), start.y() + mm(1)), Qt::AlignLeft | Qt::AlignVCenter, Artname(ArtLager), font, Qt::black);
    x += mm(25);
    text(m, QPointF(x, start.y() + mm(1)), Qt::AlignLeft | Qt::AlignVCenter,
         Uebersetzt(2911, QStringLiteral("T.L = Traverse.Lager · Kraft inkl. Eigenlast")), font, Qt::black);
}

// Column layout of the point list: x of each column's right edge (or left for text columns).
struct Spalte {
    double x;
    Ausrichtung ausrichtung;
    double breite;
};
} // namespace

QPointF Planlage::AufZeichnung(QPointF plan) const
{
    const double mmJeMeter = 1000.0 / massstab;
    return QPointF(groesse.width() / 2, groesse.height() / 2) + (plan - planmitte) * mmJeMeter;
}

Planlage PlanlageFuer(const Riggingplan& plan, const std::vector<Mauerbild>& mauern, QSizeF groesse)
{
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    const auto nimm = [&](QPointF p) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return;
        xmin = std::min(xmin, p.x()), xmax = std::max(xmax, p.x());
        ymin = std::min(ymin, p.y()), ymax = std::max(ymax, p.y());
    };
    for (const Mauerbild& m : mauern)
        for (const QPointF& p : m.punkte)
            nimm(p);
    for (const Riggingtraverse& t : plan.traversen) {
        if (!t.ende2)
            continue;
        nimm(t.ende1);
        nimm(*t.ende2);
        for (const Riggingpunkt& r : t.punkte)
            if (r.plan)
                nimm(*r.plan);
    }
    Planlage lage;
    lage.groesse = groesse;
    if (xmin > xmax)
        return lage;
    // room for the labels around the plan and for the scale bar below it
    const double rand = 16.0; // mm on each side
    const double breite = groesse.width() - 2 * rand, hoehe = groesse.height() - Fussleiste - 2 * rand;
    const double w = xmax - xmin, h = ymax - ymin;
    lage.massstab = 0;
    for (const int d : {20, 25, 50, 75, 100, 125, 150, 200, 250, 500, 1000, 2000, 5000, 10000}) {
        if (w * 1000.0 / d <= breite && h * 1000.0 / d <= hoehe) {
            lage.massstab = d;
            break;
        }
    }
    if (lage.massstab == 0) // larger than any usual scale: the next thousand that fits
        lage.massstab = int(std::min(1e9, std::ceil(std::max(w * 1000.0 / breite, h * 1000.0 / hoehe) / 1000.0) * 1000.0));
    // the plan's centre at the middle of the area above the scale bar
    lage.planmitte = QPointF((xmin + xmax) / 2, (ymin + ymax) / 2 + Fussleiste / 2 * lage.massstab / 1000.0);
    return lage;
}

Bericht RiggingplanBericht(const Riggingplan& plan, const std::vector<Mauerbild>& mauern,
                           const std::vector<Traversenbild>& traversen, Riggingpapier papier,
                           const QDateTime& ausdruck)
{
    Bericht b;
    b.titel = Uebersetzt(2904, QStringLiteral("Riggingplan")) + QStringLiteral(" ") + plan.name;
    b.seite.papier = papier == Riggingpapier::A3Quer ? QSizeF(420, 297) : QSizeF(297, 210);
    b.seite.raender = QMarginsF(12, 10, 12, 8);
    const double breite = b.seite.druckbreite();
    const Schrift normal{9}, fett{9, true}, klein{8}, kleinFett{8, true};

    // title with the plan
    Band titel;
    titel.ab(0, 0, Uebersetzt(2904, QStringLiteral("Riggingplan")) + QStringLiteral(": ") + plan.name, Schrift{14, true});
    titel.bis(breite, 0.5, Uebersetzt(2906, QStringLiteral("Bearbeiter:")) + u' ' + plan.bearbeiter, normal);
    titel.bis(breite, 5, Uebersetzt(2908, QStringLiteral("Ausdruck:")) + u' ' + DatumZeitZuText(ausdruck), normal);
    QStringList notizen = plan.anmerkungen;
    notizen.removeAll(QString());
    titel.kasten(0, breite - 70, 7.5, notizen.isEmpty() ? QString()
                 : Uebersetzt(2907, QStringLiteral("Anmerkungen:")) + u' ' + notizen.join(QStringLiteral(" / ")),
                 Ausrichtung::Links, normal);
    const double planOben = 13;
    const double fuss = 8;
    const QSizeF planGroesse(breite, b.seite.papier.height() - b.seite.raender.top() - b.seite.raender.bottom() - fuss - planOben - 1);
    Zeichnung z{plan, mauern, traversen, PlanlageFuer(plan, mauern, planGroesse)};
    titel.zeichnung(0, planOben, planGroesse.width(), planGroesse.height(), z);
    b.titelband = titel;

    // the list of rigging points
    const std::vector<Spalte> spalten{{0, Ausrichtung::Links, 14},   {15, Ausrichtung::Links, 34},
                                      {50, Ausrichtung::Links, 32},  {83, Ausrichtung::Links, 9},
                                      {93, Ausrichtung::Links, 18},  {128, Ausrichtung::Rechts, 0},
                                      {145, Ausrichtung::Rechts, 0}, {162, Ausrichtung::Rechts, 0},
                                      {184, Ausrichtung::Rechts, 0}, {202, Ausrichtung::Rechts, 0},
                                      {228, Ausrichtung::Rechts, 0}, {246, Ausrichtung::Rechts, 0},
                                      {249, Ausrichtung::Links, 24}};
    const QStringList titelzeile = Riggingspalten() << QString();
    Abschnitt liste;
    Band kopf;
    kopf.hoehe = 14;
    kopf.linie(0, 0.5, breite, 0.5, 0.4);
    kopf.ab(0, 2, Uebersetzt(2912, QStringLiteral("Riggingpunkte")), Schrift{11, true});
    for (size_t s = 0; s < spalten.size(); ++s) {
        const Spalte& sp = spalten[s];
        if (sp.ausrichtung == Ausrichtung::Rechts)
            kopf.bis(sp.x, 9, titelzeile[int(s)], kleinFett);
        else
            kopf.kasten(sp.x, sp.breite, 9, titelzeile[int(s)], Ausrichtung::Links, kleinFett);
    }
    kopf.linie(0, 13.5, breite, 13.5, 0.2);
    liste.kopf = kopf;
    liste.kopfAufJederSeite = true;
    liste.detail.hoehe = 4.6;
    for (size_t s = 0; s < spalten.size(); ++s) {
        const Spalte& sp = spalten[s];
        const Schrift schrift = s >= 8 ? fett : normal;
        if (sp.ausrichtung == Ausrichtung::Rechts)
            liste.detail.bis(sp.x, 0.4, Inhalt::Feld(int(s)), schrift);
        else
            liste.detail.kasten(sp.x, sp.breite, 0.4, Inhalt::Feld(int(s)), Ausrichtung::Links, s == 12 ? fett : normal);
    }
    auto zeilen = std::make_shared<Zeilendaten>();
    const QString mask2 = QStringLiteral("### ##0.00");
    for (const Riggingtraverse& t : plan.traversen) {
        for (const Riggingpunkt& r : t.punkte) {
            zeilen->anhaengen({QString::number(t.nummer), t.name, QStringLiteral("%1  %2").arg(t.variante).arg(t.variantenname),
                               QString::number(r.lager), Artname(r.art), meter(r.position),
                               r.plan ? meter(r.plan->x()) : QString(), r.plan ? meter(r.plan->y()) : QString(),
                               FormatFloat(mask2, r.kraft / NproKg).trimmed(),
                               FormatFloat(QStringLiteral("0.00"), r.kraft / 1000.0),
                               r.maximallast > 1 ? FormatFloat(mask2, r.maximallast / NproKg).trimmed() : QString(),
                               r.anteil ? FormatFloat(mask2, *r.anteil).trimmed() : QString(),
                               r.Ueberlast() ? Uebersetzt(2925, QStringLiteral("ÜBERLAST"))
                               : t.stand != Ergebnisstand::Aktuell ? Standtext(t.stand) : QString()});
        }
        if (!t.punkte.empty())
            zeilen->anhaengen({QString(), Format(Uebersetzt(2926, QStringLiteral("Summe Traverse %d")), {t.nummer}),
                               QString(), QString(), QString(), QString(), QString(), QString(),
                               QStringLiteral("Σ ") + FormatFloat(mask2, t.Summe() / NproKg).trimmed(),
                               QStringLiteral("Σ ") + FormatFloat(QStringLiteral("0.00"), t.Summe() / 1000.0)});
    }
    zeilen->anhaengen({QString(), Uebersetzt(2927, QStringLiteral("Gesamtsumme Projekt")), QString(), QString(), QString(),
                       QString(), QString(), QString(),
                       QStringLiteral("Σ ") + FormatFloat(mask2, plan.Gesamt() / NproKg).trimmed(),
                       QStringLiteral("Σ ") + FormatFloat(QStringLiteral("0.00"), plan.Gesamt() / 1000.0)});
    liste.daten = zeilen;
    b.abschnitte.push_back(std::move(liste));

    // the trusses with their variants
    Abschnitt trav;
    Band tkopf;
    tkopf.hoehe = 14;
    tkopf.linie(0, 0.5, breite, 0.5, 0.4);
    tkopf.ab(0, 2, Uebersetzt(2928, QStringLiteral("Traversen und Varianten")), Schrift{11, true});
    const QStringList ttitel{Uebersetzt(2913, QStringLiteral("Traverse")), Uebersetzt(2929, QStringLiteral("Traversentyp")),
                             Uebersetzt(2930, QStringLiteral("Länge [m]")), Uebersetzt(2915, QStringLiteral("Variante")),
                             Uebersetzt(2931, QStringLiteral("Status")), Uebersetzt(2932, QStringLiteral("Auslastung")),
                             Uebersetzt(2939, QStringLiteral("Ergebnis")), Uebersetzt(2940, QStringLiteral("Meldungen"))};
    const double tx[] = {0, 40, 100, 104, 140, 183, 186, 220};
    for (int s = 0; s < ttitel.size(); ++s) {
        if (s == 2 || s == 5)
            tkopf.bis(tx[s], 9, ttitel[s], kleinFett);
        else
            tkopf.ab(tx[s], 9, ttitel[s], kleinFett);
    }
    tkopf.linie(0, 13.5, breite, 13.5, 0.2);
    trav.kopf = tkopf;
    trav.kopfAufJederSeite = true;
    trav.detail.hoehe = 5;
    trav.detail.kasten(tx[0], 39, 0.4, Inhalt::Feld(0), Ausrichtung::Links, fett);
    trav.detail.kasten(tx[1], 44, 0.4, Inhalt::Feld(1), Ausrichtung::Links, normal);
    trav.detail.bis(tx[2], 0.4, Inhalt::Feld(2), normal);
    trav.detail.kasten(tx[3], 35, 0.4, Inhalt::Feld(3), Ausrichtung::Links, normal);
    trav.detail.kasten(tx[4], 25, 0.4, Inhalt::Feld(4), Ausrichtung::Links, normal);
    trav.detail.bis(tx[5], 0.4, Inhalt::Feld(5), fett);
    trav.detail.kasten(tx[6], 33, 0.4, Inhalt::Feld(6), Ausrichtung::Links, fett);
    trav.detail.absatz(tx[7], breite - tx[7], 0.4, Inhalt::Feld(7), klein);
    trav.detail.absatz(tx[1], 100, 4.6, Inhalt::Feld(8), kleinFett);
    auto tzeilen = std::make_shared<Zeilendaten>();
    for (const Riggingtraverse& t : plan.traversen) {
        const bool hatVariante = t.stand != Ergebnisstand::KeineVariante;
        QString laenge = t.variantenlaenge ? meter(*t.variantenlaenge) : QString();
        // a utilisation is printed only where the stored result still holds
        QString auslastung;
        if (t.auslastung)
            auslastung = FormatFloat(QStringLiteral("0.00 %"), *t.auslastung);
        if (t.stand != Ergebnisstand::Aktuell && !auslastung.isEmpty())
            auslastung = QStringLiteral("(") + auslastung + QStringLiteral(")");
        QStringList meldungen = t.meldungen;
        if (!t.fehler.isEmpty())
            meldungen.prepend(t.fehler);
        tzeilen->anhaengen({QStringLiteral("%1  %2").arg(t.nummer).arg(t.name), t.traversentyp, laenge,
                            hatVariante ? QStringLiteral("%1  %2").arg(t.variante).arg(t.variantenname) : QString(),
                            t.status, auslastung, Standtext(t.stand), meldungen.join(u'\n'),
                            t.LaengeWeichtAb() ? Format(Uebersetzt(2937, QStringLiteral("Länge der Variante %s m, im Plan %s m")),
                                                        {meter(*t.variantenlaenge), meter(t.planlaenge)})
                                               : QString()});
    }
    trav.daten = tzeilen;
    b.abschnitte.push_back(std::move(trav));

    // what the marks mean, and the notes in full (the title has room for one line only)
    Band schluss;
    schluss.ab(0, 3, Standtext(Ergebnisstand::Veraltet) + QStringLiteral(": ")
                         + Uebersetzt(2943, QStringLiteral("neue Berechnung ergibt andere Werte")), klein);
    schluss.ab(0, 7, Uebersetzt(2911, QStringLiteral("T.L = Traverse.Lager · Kraft inkl. Eigenlast")), klein);
    if (!notizen.isEmpty()) {
        schluss.ab(0, 13, Uebersetzt(2907, QStringLiteral("Anmerkungen:")), fett);
        schluss.absatz(30, breite - 30, 13, notizen.join(u'\n'), normal);
    }
    b.zusammenfassung = schluss;

    Band fussband;
    fussband.hoehe = fuss;
    fussband.linie(0, 0.5, breite, 0.5, 0.2);
    fussband.ab(0, 2, QStringLiteral("Kelvara VLX  ·  ") + Uebersetzt(2904, QStringLiteral("Riggingplan")) + QStringLiteral(" ") + plan.name, klein);
    fussband.zentriert(breite / 2 + 40, 80, 2, DatumZeitZuText(ausdruck), klein);
    fussband.bis(breite, 2, Inhalt::Seitenangabe(Uebersetzt(2716, QStringLiteral("Seite %d von %d"))), klein);
    b.seitenfuss = fussband;
    return b;
}
