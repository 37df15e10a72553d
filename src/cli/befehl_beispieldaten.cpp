// kelvara-cli beispieldaten: the example data shipped beside the program — example truss designs
// (".prt"), the truss library filled from them and a load library of common rigging loads.
#include "beam/u_lastenbibliothek.h"
#include "cli/u_befehle.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
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
                                             "      schreibt Beispieltraversen, Traversen- und Lastenbibliothek nach PROGRAMMORDNER/Traversen"),
                              beispieldaten});
} // namespace
