#include "project/u_riggingplan.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenmodell.h"
#include "language/u_meldungstexte.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "project/u_projektberechnung.h"
#include "project/u_projektfelder.h"
#include "spreadsheet/u_xls.h"
#include <QFileInfo>
#include <cmath>

namespace {

std::optional<double> zahlOderNichts(const QVariant& wert)
{
    if (!wert.isValid() || wert.isNull())
        return std::nullopt;
    return wert.toDouble();
}

// A stored result counts as current when a fresh calculation differs by less than this.
constexpr double KraftToleranz = 0.5;    // N
constexpr double ProzentToleranz = 0.01; // percent points

Ergebnisstand vergleiche(const Riggingtraverse& t, const std::vector<double>& gespeichert,
                         const Variantenzeile& frisch)
{
    if (!t.auslastung)
        return Ergebnisstand::NichtBerechnet;
    if (!frisch.neueAuslastung || std::abs(*frisch.neueAuslastung - *t.auslastung) > ProzentToleranz
        || frisch.lager.size() != gespeichert.size())
        return Ergebnisstand::Veraltet;
    for (size_t i = 0; i < gespeichert.size(); ++i)
        if (std::abs(frisch.lager[i].berechnet - gespeichert[i]) > KraftToleranz)
            return Ergebnisstand::Veraltet;
    return Ergebnisstand::Aktuell;
}

// The main variant of truss t from the current variant rows; fills everything but the state.
void leseVariante(Projektmodell& p, Riggingtraverse& t, const Variantenverweis& verweis)
{
    t.variante = verweis.variante;
    t.variantenname = p.cds_varianten.FieldByName(Variantenfeld::Name).AsString();
    t.status = p.cds_varianten.FieldByName(Variantenfeld::Status).AsString();
    t.traversentyp = p.cds_varianten.FieldByName(Variantenfeld::Traverse).AsString();
    t.auslastung = zahlOderNichts(p.cds_varianten.FieldByName(Variantenfeld::Auslastung).Value());
    Balkenmodell m;
    try {
        m.LeseEinstellungen(p.cds_varianten.FieldByName(Variantenfeld::Einstellungen).AsString());
        t.variantenlaenge = m.traverse.laenge;
    } catch (const Fehler& fehler) {
        t.fehler = fehler.meldung();
    }
    TBClientDataSet& l = p.cds_lager;
    for (l.First(); !l.Eof(); l.Next()) {
        Riggingpunkt r;
        r.lager = l.FieldByName(Lagerfeld::Nummer).AsInteger();
        r.name = l.FieldByName(Lagerfeld::Name).AsString();
        r.art = l.FieldByName(Lagerfeld::Type).AsInteger();
        r.position = l.FieldByName(Lagerfeld::Position).AsFloat();
        r.plan = Planpunkt(t.ende1, t.ende2, r.position);
        r.berechnet = l.FieldByName(Lagerfeld::Berechnet).AsFloat();
        r.kraft = r.berechnet + l.FieldByName(Lagerfeld::Eigenlast).AsFloat();
        r.maximallast = l.FieldByName(Lagerfeld::Maximallast).AsFloat();
        if (r.maximallast > 1)
            r.anteil = r.kraft * 100.0 / r.maximallast;
        t.punkte.push_back(r);
    }
}
} // namespace

bool Riggingtraverse::LaengeWeichtAb() const
{
    return variantenlaenge && ende2 && std::abs(*variantenlaenge - planlaenge) > 0.005;
}

double Riggingtraverse::Summe() const
{
    double summe = 0;
    for (const Riggingpunkt& p : punkte)
        summe += p.kraft;
    return summe;
}

double Riggingplan::Gesamt() const
{
    double summe = 0;
    for (const Riggingtraverse& t : traversen)
        summe += t.Summe();
    return summe;
}

std::optional<QPointF> Planpunkt(QPointF ende1, const std::optional<QPointF>& ende2, double x)
{
    if (!ende2)
        return std::nullopt;
    const QPointF d = *ende2 - ende1;
    const double laenge = std::hypot(d.x(), d.y());
    if (!(laenge > 0) || !std::isfinite(laenge))
        return std::nullopt;
    return (ende1 + *ende2) / 2 + d * (x / laenge);
}

Riggingplan ErstelleRiggingplan(Projektmodell& p)
{
    Riggingplan plan{p.name, p.bearbeiter, p.anmerkungen, {}};
    std::vector<Variantenverweis> verweise; // of the trusses with a main variant, by index
    std::vector<size_t> mitVariante;
    TBClientDataSet& tr = p.cds_projekt;
    for (tr.First(); !tr.Eof(); tr.Next()) {
        Riggingtraverse t;
        t.nummer = tr.FieldByName(Projektfeld::Nummer).AsInteger();
        t.name = tr.FieldByName(Projektfeld::Name).AsString();
        t.ende1 = QPointF(tr.FieldByName(Projektfeld::Position_X1).AsFloat(), tr.FieldByName(Projektfeld::Position_Y1).AsFloat());
        if (!tr.FieldByName(Projektfeld::Position_X2).IsNull())
            t.ende2 = QPointF(tr.FieldByName(Projektfeld::Position_X2).AsFloat(), tr.FieldByName(Projektfeld::Position_Y2).AsFloat());
        if (t.ende2)
            t.planlaenge = std::hypot(t.ende2->x() - t.ende1.x(), t.ende2->y() - t.ende1.y());
        if (!tr.FieldByName(Projektfeld::Variante).IsNull()
            && p.cds_varianten.Locate({Variantenfeld::Nummer}, {tr.FieldByName(Projektfeld::Variante).AsInteger()})) {
            verweise.push_back(p.AktuellerVerweis());
            mitVariante.push_back(plan.traversen.size());
            leseVariante(p, t, verweise.back());
        }
        plan.traversen.push_back(std::move(t));
    }
    // Computing moves the cursors, so it comes after reading.
    for (size_t i = 0; i < verweise.size(); ++i) {
        Riggingtraverse& t = plan.traversen[mitVariante[i]];
        if (!t.fehler.isEmpty()) {
            t.stand = Ergebnisstand::Unberechenbar;
            continue;
        }
        Variantenzeile frisch;
        frisch.verweis = verweise[i];
        Rechne(p, frisch); // the plan names the calculation's messages itself
        t.meldungen = frisch.meldungen;
        if (!frisch.fehler.isEmpty()) {
            t.fehler = frisch.fehler;
            t.stand = Ergebnisstand::Unberechenbar;
            continue;
        }
        std::vector<double> gespeichert;
        for (const Riggingpunkt& r : t.punkte)
            gespeichert.push_back(r.berechnet);
        t.stand = vergleiche(t, gespeichert, frisch);
    }
    return plan;
}

QString Standtext(Ergebnisstand stand)
{
    switch (stand) {
    case Ergebnisstand::Aktuell: return Uebersetzt(2933, QStringLiteral("aktuell"));
    case Ergebnisstand::Veraltet: return Uebersetzt(2934, QStringLiteral("VERALTET"));
    case Ergebnisstand::NichtBerechnet: return Uebersetzt(2935, QStringLiteral("NICHT BERECHNET"));
    case Ergebnisstand::KeineVariante: return Uebersetzt(2938, QStringLiteral("keine Variante"));
    case Ergebnisstand::Unberechenbar: return Uebersetzt(2936, QStringLiteral("nicht berechenbar"));
    }
    return {};
}

namespace {
double gerundet(double wert, int stellen)
{
    const double faktor = std::pow(10.0, stellen);
    return std::round(wert * faktor) / faktor;
}
} // namespace

QStringList Riggingspalten()
{
    return {Uebersetzt(2913, QStringLiteral("Traverse")), Uebersetzt(2914, QStringLiteral("Name")),
            Uebersetzt(2915, QStringLiteral("Variante")), Uebersetzt(2916, QStringLiteral("Nr.")),
            Uebersetzt(2917, QStringLiteral("Art")), Uebersetzt(2918, QStringLiteral("Position [m]")),
            Uebersetzt(2919, QStringLiteral("x [m]")), Uebersetzt(2920, QStringLiteral("y [m]")),
            Uebersetzt(2921, QStringLiteral("Kraft [kg]")), Uebersetzt(2922, QStringLiteral("Kraft [kN]")),
            Uebersetzt(2923, QStringLiteral("Maximallast [kg]")),
            Uebersetzt(2924, QStringLiteral("Anteil [%]"))};
}

void FuelleRiggingpunkte(const Riggingplan& plan, XlsArbeitsmappe& mappe)
{
    using A = XlsArbeitsmappe::Ausrichtung;
    mappe.Leeren();
    mappe.SetzeBlattname(QStringLiteral("Riggingpunkte"));
    mappe.SetzeSpaltenbreite(0, 0, 2400);
    mappe.SetzeSpaltenbreite(1, 2, 5000);
    mappe.SetzeSpaltenbreite(3, 13, 3400);
    const int rechts = mappe.FormatHinzufuegen(A::Rechts);
    mappe.SetzeText(0, 0, Uebersetzt(2904, QStringLiteral("Riggingplan")) + QStringLiteral(": ") + plan.name);
    mappe.SetzeText(0, 1, Uebersetzt(2906, QStringLiteral("Bearbeiter:")) + u' ' + plan.bearbeiter);
    const QStringList titel = Riggingspalten() << QString() << Uebersetzt(2931, QStringLiteral("Status"));
    for (int s = 0; s < titel.size(); ++s)
        mappe.SetzeText(s, 3, titel[s], s >= 5 && s <= 11 ? rechts : 0);
    int zeile = 4;
    const auto summenzeile = [&](const QString& text, double kraft) {
        mappe.SetzeText(1, zeile, text);
        mappe.SetzeZahl(8, zeile, gerundet(kraft / NproKg, 2));
        mappe.SetzeZahl(9, zeile, gerundet(kraft / 1000.0, 3));
        ++zeile;
    };
    for (const Riggingtraverse& t : plan.traversen) {
        for (const Riggingpunkt& r : t.punkte) {
            mappe.SetzeZahl(0, zeile, t.nummer);
            mappe.SetzeText(1, zeile, t.name);
            mappe.SetzeText(2, zeile, QStringLiteral("%1  %2").arg(t.variante).arg(t.variantenname));
            mappe.SetzeZahl(3, zeile, r.lager);
            mappe.SetzeText(4, zeile, Artname(r.art));
            mappe.SetzeZahl(5, zeile, gerundet(r.position, 3));
            if (r.plan) {
                mappe.SetzeZahl(6, zeile, gerundet(r.plan->x(), 3));
                mappe.SetzeZahl(7, zeile, gerundet(r.plan->y(), 3));
            }
            mappe.SetzeZahl(8, zeile, gerundet(r.kraft / NproKg, 2));
            mappe.SetzeZahl(9, zeile, gerundet(r.kraft / 1000.0, 3));
            if (r.maximallast > 1)
                mappe.SetzeZahl(10, zeile, gerundet(r.maximallast / NproKg, 2));
            if (r.anteil)
                mappe.SetzeZahl(11, zeile, gerundet(*r.anteil, 2));
            if (r.Ueberlast())
                mappe.SetzeText(12, zeile, Uebersetzt(2925, QStringLiteral("ÜBERLAST")));
            if (t.stand != Ergebnisstand::Aktuell)
                mappe.SetzeText(13, zeile, Standtext(t.stand));
            ++zeile;
        }
        if (!t.punkte.empty())
            summenzeile(Format(Uebersetzt(2926, QStringLiteral("Summe Traverse %d")), {t.nummer}), t.Summe());
    }
    summenzeile(Uebersetzt(2927, QStringLiteral("Gesamtsumme Projekt")), plan.Gesamt());
}

bool RiggingpunkteExportieren(const Riggingplan& plan, const QString& pfad, const Rueckfrage& bejaht)
{
    if (QFileInfo::exists(pfad) && !bejaht(Ueberschreibfrage(pfad)))
        return false;
    XlsArbeitsmappe mappe;
    FuelleRiggingpunkte(plan, mappe);
    mappe.Speichern(pfad);
    return true;
}
