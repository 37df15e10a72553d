// kelvara-cli beispieldaten: the example data shipped beside the program — example truss designs
// (".prt"), the truss library filled from them and a load library of common rigging loads.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_lastenbibliothek.h"
#include "cli/u_befehle.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "project/u_projektmodell.h"
#include "truss/u_alu.h"
#include "truss/u_traversenbibliothek.h"
#include "truss/u_traversendatei.h"
#include <QDir>

namespace {
constexpr double Aluminiumdichte = 2.7e-6; // kg/mm³
constexpr double Zuschlag = 1.15;          // connectors, plates and welds on top of the tubes

struct Querschnitt {
    int gurte;
    int hoehe; // mm; square sections: width = height
    double gurtD, gurtW;
};

// Self-weight per metre from the tubes: the chords over the whole length, the diagonals of every
// braced side once per panel.
double Eigenlast(const Traversenentwurf& e, const Querschnitt& q)
{
    const int seiten = q.gurte == 2 ? 1 : q.gurte == 3 ? 3 : q.gurte == 4 ? 4 : 0;
    const double panel = ZahlAusText(e.eingaben.edtVertikal, 600);
    const double diagonale = RohrFlaeche(ZahlAusText(e.eingaben.edt_Dia_Durchmesser, 20),
                                         ZahlAusText(e.eingaben.edt_Dia_Wandstaerke, 2));
    const double laengeJeMeter = e.kennwerte().l_D / std::max(1.0, panel);
    const double mm2 = q.gurte * e.kennwerte().A * 1000.0 + seiten * diagonale * laengeJeMeter * 1000.0;
    return Zuschlag * mm2 * Aluminiumdichte * 9.81;
}

// A result label's number; its thousands are grouped by blanks.
double ergebnis(QString text) { return ZahlAusText(text.remove(QLatin1Char(' ')), 0); }

QString name(const Querschnitt& q)
{
    return QStringLiteral("%1-Punkt %2 (%3x%4)").arg(q.gurte).arg(q.hoehe).arg(q.gurtD).arg(q.gurtW);
}

void schreibeTraversen(const QString& ordner, Traversenbibliothek& bibliothek)
{
    const Querschnitt querschnitte[] = {{2, 290, 50, 2}, {3, 290, 50, 2}, {4, 290, 50, 2}, {4, 390, 50, 3}};
    for (const Querschnitt& q : querschnitte) {
        Traversenentwurf e;
        Traverseneingaben& ein = e.eingaben;
        ein.udGurte = q.gurte;
        ein.edtHoehe = ein.edtBreite = QString::number(q.hoehe);
        ein.edtDurchmesser = FloatZuText(q.gurtD);
        ein.edtWandstaerke = FloatZuText(q.gurtW);
        ein.cmbMaterial.waehle(0);
        ein.cmb_Dia_Material.waehle(0);
        e.BerechneTraverse();
        // the diagonal takes its proposal; the connector is not designed here: it is given the
        // chord's own capacity, so it never governs (the help says so)
        ein.edtDiagonale = FormatFloat(QStringLiteral("0"), ergebnis(e.ergebnisse.lblVorschlagDiagonale));
        e.BerechneTraverse();
        ein.edtVerbinder = FormatFloat(QStringLiteral("0"), std::min(ergebnis(e.ergebnisse.lblValueKnicken),
                                                                    ergebnis(e.ergebnisse.lblValueSchweissen)));
        e.BerechneTraverse();
        ein.edtQuerkraft = FormatFloat(QStringLiteral("0.00"), ergebnis(e.ergebnisse.lblValueQuerkraft));
        ein.edtBiegemoment = FormatFloat(QStringLiteral("0.00"), ergebnis(e.ergebnisse.lblValueBiegemoment));
        ein.edtEigenlast = FormatFloat(QStringLiteral("0.00"), Eigenlast(e, q));
        ein.edtHersteller = QStringLiteral("Beispiel");
        ein.edtName = name(q);
        ein.edtBearbeiter = QStringLiteral("Kelvara VLX");
        e.BerechneTraverse();
        TraverseSchreiben(e, ordner + QStringLiteral("Beispiel ") + name(q) + QStringLiteral(".prt"));
        const BibliotheksEintrag eintrag = TraversenfensterEintrag(
            ein.edtHersteller, ein.edtName, ein.edtBearbeiter, ein.edtEigenlast, ein.edtQuerkraft,
            ein.edtBiegemoment, ein.edtHoehe, ein.edtBreite, q.gurte, true);
        bibliothek.InBibliothek(eintrag, Traversenbibliothek::ExistiertMuster());
    }
}

void schreibeLasten(Lastenbibliothek& lasten)
{
    struct Last {
        int werkzeug;
        const char* name;
        double last, flaeche, breite;
        const char* einheit;
    };
    const Last eintraege[] = {
        {7, "PAR 64", 1.5, 0.13, 0.3, "kg"},
        {6, "Stufenlinse 1 kW", 5.5, 0.12, 0.3, "kg"},
        {9, "Moving Head Spot", 28, 0.36, 0.5, "kg"},
        {10, "Moving Head Wash", 22, 0.3, 0.45, "kg"},
        {5, "Kettenzug 500 kg", 38, 0, 0.3, "kg"},
        {5, "Kettenzug 1000 kg", 62, 0, 0.35, "kg"},
        {11, "4er-Bar PAR 64", 9, 0.24, 1.1, "kg"},
        {13, "Topteil 12\"", 32, 0.62, 0.6, "kg"},
        {14, "Line-Array 8 Elemente", 420, 2.9, 1.2, "kg"},
        {15, "Projektor 10 000 lm", 45, 0.22, 0.6, "kg"},
    };
    for (const Last& l : eintraege)
        lasten.LastHinzufuegen(l.werkzeug, QString::fromUtf8(l.name), l.last, l.flaeche, l.breite,
                               QString::fromLatin1(l.einheit));
}

// One truss of the example stage, with the hoists and the lights its main variant carries.
struct Buehnentraverse {
    const char* name;
    double x1, y1, x2, y2;
    std::vector<double> motoren;          // positions from the middle
    std::vector<std::pair<int, double>> lasten; // kind and position
};

void fuegeZeileHinzu(TBClientDataSet& t, const std::vector<std::pair<const char*, QVariant>>& werte)
{
    t.Append();
    for (const auto& [feld, wert] : werte)
        t.FieldByName(QString::fromLatin1(feld)).SetValue(wert);
    t.Post();
}

void schreibeBeispielprojekt(const QString& datei, Traversenbibliothek& bibliothek)
{
    TBClientDataSet& b = bibliothek.cds_travbib;
    if (!b.Locate(QStringLiteral("Name"), {QStringLiteral("4-Punkt 290 (50x2)")}))
        throw Fehler(QStringLiteral("Die Beispieltraverse fehlt in der Bibliothek"));
    Traversenwerte traverse;
    traverse.hoehe = b.FieldByName(QStringLiteral("Höhe")).AsFloat();
    traverse.breite = b.FieldByName(QStringLiteral("Breite")).AsFloat();
    traverse.gurtzahl = b.FieldByName(QStringLiteral("Gurtzahl")).AsInteger();
    traverse.eigenlast = b.FieldByName(QStringLiteral("Eigenlast")).AsFloat();
    traverse.maxQuer = b.FieldByName(QStringLiteral("Querkraft")).AsFloat();
    traverse.maxBiege = b.FieldByName(QStringLiteral("Biegemoment")).AsFloat();

    Projektmodell p;
    p.name = QStringLiteral("Beispiel: Bühne Stadtfest");
    p.bearbeiter = QStringLiteral("Kelvara VLX");
    p.anmerkungen = {QStringLiteral("Bühne 12 m × 8 m, Frontgrid und Backtruss an je drei Motoren,"),
                     QStringLiteral("Seitentraversen an je zwei Motoren.")};
    const Buehnentraverse traversen[] = {
        {"Front", 0, 0, 12, 0, {-5.5, 0, 5.5}, {{9, -4.5}, {9, -1.5}, {9, 1.5}, {9, 4.5}, {7, -3}, {7, 3}}},
        {"Back", 0, 8, 12, 8, {-5.5, 0, 5.5}, {{10, -4}, {10, -2}, {10, 0.5}, {10, 2}, {10, 4}}},
        {"Seite links", 0, 0.5, 0, 7.5, {-3, 3}, {{6, -2}, {6, 0}, {6, 2}}},
        {"Seite rechts", 12, 0.5, 12, 7.5, {-3, 3}, {{6, -2}, {6, 0}, {6, 2}}},
    };
    int nummer = 0;
    for (const Buehnentraverse& t : traversen) {
        fuegeZeileHinzu(p.cds_projekt, {{"Name", QString::fromUtf8(t.name)}, {"Sortierung", ++nummer},
                                        {"Position_X1", t.x1}, {"Position_Y1", t.y1},
                                        {"Position_X2", t.x2}, {"Position_Y2", t.y2}});
        p.NeueVariante(QStringLiteral("Hauptvariante"), QStringLiteral("Kelvara VLX"));
        const Variantenverweis verweis = p.AktuellerVerweis();
        Balkenmodell m;
        p.VarianteInEditor(verweis, m);
        traverse.laenge = std::hypot(t.x2 - t.x1, t.y2 - t.y1);
        m.traverse = traverse;
        m.traversenname = b.FieldByName(QStringLiteral("Hersteller")).AsString() + QLatin1Char(' ') +
                          b.FieldByName(QStringLiteral("Name")).AsString();
        for (double x : t.motoren)
            fuegeZeileHinzu(m.cds_lager, {{"Nummer", m.NeueLagernummer()}, {"Name", Artname(ArtMotorzug)},
                                          {"Type", int(ArtMotorzug)}, {"Position", x}, {"oben", true},
                                          {"Groesse", 0.35}, {"Eigenlast", 62 * 9.81}, {"Maximallast", 1000 * 9.81}});
        for (const auto& [art, x] : t.lasten) {
            const double kg = art == ArtMHSpot ? 28 : art == ArtMHWash ? 22 : art == ArtPAR ? 1.5 : 5.5;
            fuegeZeileHinzu(m.cds_lasten, {{"Nummer", m.NeueLastnummer()}, {"Name", Artname(art)}, {"Type", art},
                                           {"Pos1", x}, {"Pos2", x}, {"oben", false}, {"Groesse", 0.5},
                                           {"Last", kg * 9.81}, {"Aequivalenzflaeche", StandardWindflaeche(art, 0.5)}});
        }
        Balkenrechnung r(m);
        r.projekt = &p.Kraftquelle();
        r.Berechnen();
        p.EditorInVariante(verweis, m, r.auslastung);
    }
    // the stage outline and the podium in front of the back truss
    auto rechteck = [&p](double x1, double y1, double x2, double y2, double breite) {
        fuegeZeileHinzu(p.cds_mauern, {{"Symbol", 3}, {"Breite", breite}});
        p.cds_mauern.Edit();
        for (const auto& [x, y] : {std::pair{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}})
            fuegeZeileHinzu(p.cds_punkte, {{"X", x}, {"Y", y}});
        p.cds_mauern.Post();
    };
    rechteck(-0.5, -0.5, 12.5, 8.5, 0.05);
    rechteck(3, 5, 9, 7, 0.02);
    fuegeZeileHinzu(p.cds_mauern, {{"Symbol", 1}, {"Breite", 0.24}});
    p.cds_mauern.Edit();
    fuegeZeileHinzu(p.cds_punkte, {{"X", -2.0}, {"Y", 9.5}});
    fuegeZeileHinzu(p.cds_punkte, {{"X", 14.0}, {"Y", 9.5}});
    p.cds_mauern.Post();
    p.Speichern(datei);
}

int beispieldaten(const QStringList& argumente)
{
    if (argumente.size() != 1) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli beispieldaten PROGRAMMORDNER\n"));
        return 2;
    }
    try {
        const QString programm = QDir::fromNativeSeparators(argumente[0]) + QLatin1Char('/');
        const QString traversen = programm + QStringLiteral("Traversen/");
        if (!QDir().mkpath(traversen))
            throw Fehler(QStringLiteral("Ordner %1 kann nicht angelegt werden").arg(traversen));
        QFile::remove(Traversenbibliothek::Dateiname(programm));
        QFile::remove(Lastenbibliothek::Dateiname(programm));
        Traversenbibliothek bibliothek;
        bibliothek.BibliothekLaden(programm);
        schreibeTraversen(traversen, bibliothek);
        Lastenbibliothek lasten;
        lasten.BibliothekLaden(programm);
        schreibeLasten(lasten);
        const QString projekte = programm + QStringLiteral("Projekte/");
        QDir().mkpath(projekte);
        schreibeBeispielprojekt(projekte + QStringLiteral("Beispielprojekt.prp"), bibliothek);
        ausgabe(QStringLiteral("%1 Traversen, %2 Lasten in %3\n")
                    .arg(bibliothek.cds_travbib.RecordCount())
                    .arg(lasten.cds_lastbib.RecordCount())
                    .arg(traversen));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + QLatin1Char('\n'));
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("beispieldaten"),
                              QStringLiteral("beispieldaten PROGRAMMORDNER\n"
                                             "      schreibt Beispieltraversen, Traversen- und Lastenbibliothek nach PROGRAMMORDNER/Traversen\n"
                                             "      und ein Beispielprojekt nach PROGRAMMORDNER/Projekte"),
                              beispieldaten});
} // namespace
