// kelvara-cli beispieldaten: the example data shipped beside the program — example truss designs
// (".prt") and the truss library computed from them, the load library, and an example project.
// Trusses and loads come from the text sources traversen.txt and lasten.txt.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_lastenbibliothek.h"
#include "cli/u_befehle.h"
#include "platform/u_dateifehler.h"
#include "platform/u_dialoge.h"
#include "platform/u_einheiten.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "project/u_projektmodell.h"
#include "truss/u_alu.h"
#include "truss/u_travbibfelder.h"
#include "truss/u_traversenbibliothek.h"
#include "truss/u_traversendatei.h"
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <filesystem>

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
    return Zuschlag * mm2 * Aluminiumdichte * NproKg;
}

QString name(const Querschnitt& q)
{
    if (q.gurte == 1)
        return QStringLiteral("Rohr %1x%2").arg(q.gurtD).arg(q.gurtW);
    return QStringLiteral("%1-Punkt %2 (%3x%4)").arg(q.gurte).arg(q.hoehe).arg(q.gurtD).arg(q.gurtW);
}

// The fields of every line of a text source ("#" starts a comment); numbers with decimal comma.
std::vector<QStringList> Quellzeilen(const QString& datei, int felder)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        throw DateiNichtOeffenbar(datei);
    std::vector<QStringList> zeilen;
    int nummer = 0;
    for (const QString& zeile : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        ++nummer;
        if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        const QStringList teile = zeile.trimmed().split(QLatin1Char(';'));
        if (teile.size() != felder)
            throw Fehler(QStringLiteral("%1, Zeile %2: %3 Felder erwartet").arg(datei).arg(nummer).arg(felder));
        zeilen.push_back(teile);
    }
    return zeilen;
}

double Quellzahl(const QString& text)
{
    bool ok = false;
    const double wert = QLocale(QLocale::German).toDouble(text.trimmed(), &ok);
    if (!ok)
        throw Fehler(QStringLiteral("'%1' ist keine Zahl").arg(text));
    return wert;
}

void schreibeTraversen(const QString& quelle, const QString& ordner, Traversenbibliothek& bibliothek)
{
    for (const QStringList& z : Quellzeilen(quelle, 4)) {
        const Querschnitt q{int(Quellzahl(z[0])), int(Quellzahl(z[1])), Quellzahl(z[2]), Quellzahl(z[3])};
        Traversenentwurf e;
        e.melden = meldungAusgeben;
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
        ein.edtDiagonale = FormatFloat(QStringLiteral("0"), e.ergebnisse.diagonaleN.value_or(0));
        e.BerechneTraverse();
        ein.edtVerbinder = FormatFloat(QStringLiteral("0"), std::min(e.ergebnisse.gurtKnickenN.value_or(0),
                                                                    e.ergebnisse.gurtSchweissnahtN.value_or(0)));
        e.BerechneTraverse();
        ein.edtQuerkraft = FormatFloat(QStringLiteral("0.00"), e.ergebnisse.querkraftN.value_or(0));
        ein.edtBiegemoment = FormatFloat(QStringLiteral("0.00"), e.ergebnisse.biegemomentNm.value_or(0));
        ein.edtEigenlast = FormatFloat(QStringLiteral("0.00"), Eigenlast(e, q));
        ein.edtHersteller = QStringLiteral("Beispiel");
        ein.edtName = name(q);
        ein.edtBearbeiter = QStringLiteral("Kelvara VLX");
        e.BerechneTraverse();
        TraverseSchreiben(e, ordner + QStringLiteral("Beispiel ") + name(q) + QStringLiteral(".prt"));
        const BibliotheksEintrag eintrag = TraversenfensterEintrag(
            ein.edtHersteller, ein.edtName, ein.edtBearbeiter, ein.edtEigenlast, ein.edtQuerkraft,
            ein.edtBiegemoment, ein.edtHoehe, ein.edtBreite, q.gurte, true, e.kennwerte().I_v);
        bibliothek.InBibliothek(eintrag, Traversenbibliothek::ExistiertMuster(), FrageBejaht);
    }
}

void schreibeLasten(const QString& quelle, Lastenbibliothek& lasten)
{
    for (const QStringList& z : Quellzeilen(quelle, 6))
        lasten.LastHinzufuegen(int(Quellzahl(z[0])), z[1].trimmed(), Quellzahl(z[2]), Quellzahl(z[4]),
                               Quellzahl(z[5]), z[3].trimmed());
}

// One truss of the example stage: its supports (kind, position from the middle) and loads (kind,
// position; a truss-force load names the support it carries).
struct Buehnentraverse {
    const char* name;
    double x1, y1, x2, y2;
    std::vector<std::pair<int, double>> lager;
    std::vector<std::pair<int, double>> lasten;
    const char* traversenkraefte = ""; // "T3|V3|L1|" at the truss ends, comma-separated
};

void fuegeZeileHinzu(TBClientDataSet& t, const std::vector<std::pair<Feldname, QVariant>>& werte)
{
    t.Append();
    for (const auto& [feld, wert] : werte)
        t.FieldByName(feld).SetValue(wert);
    t.Post();
}

Traversenwerte Bibliothekswerte(TBClientDataSet& b, const QString& name)
{
    if (!b.Locate({Travbibfeld::Name}, {name}))
        throw Fehler(QStringLiteral("Die Beispieltraverse %1 fehlt in der Bibliothek").arg(name));
    Traversenwerte t;
    t.hoehe = b.FieldByName(Travbibfeld::Hoehe).AsFloat();
    t.breite = b.FieldByName(Travbibfeld::Breite).AsFloat();
    t.gurtzahl = b.FieldByName(Travbibfeld::Gurtzahl).AsInteger();
    t.eigenlast = b.FieldByName(Travbibfeld::Eigenlast).AsFloat();
    t.maxQuer = b.FieldByName(Travbibfeld::Querkraft).AsFloat();
    t.maxBiege = b.FieldByName(Travbibfeld::Biegemoment).AsFloat();
    return t;
}

void fuelleVariante(Balkenmodell& m, const Buehnentraverse& t)
{
    namespace L = Lagerfeld;
    namespace S = Lastfeld;
    for (const auto& [art, x] : t.lager) {
        const bool motor = art == ArtMotorzug;
        fuegeZeileHinzu(m.cds_lager, {{L::Nummer, m.NeueLagernummer()}, {L::Name, Artname(art)}, {L::Type, art},
                                      {L::Position, x}, {L::oben, motor}, {L::Groesse, 0.35},
                                      {L::Eigenlast, motor ? 62 * NproKg : 0.0},
                                      {L::Maximallast, motor ? 1000 * NproKg : 0.0}});
    }
    for (const auto& [art, x] : t.lasten) {
        const double kg = art == ArtMHSpot ? 28 : art == ArtMHWash ? 22 : art == ArtPAR ? 1.5 : 5.5;
        fuegeZeileHinzu(m.cds_lasten, {{S::Nummer, m.NeueLastnummer()}, {S::Name, Artname(art)}, {S::Type, art},
                                       {S::Pos1, x}, {S::Pos2, x}, {S::oben, false}, {S::Groesse, 0.5},
                                       {S::Last, kg * NproKg}, {S::Aequivalenzflaeche, StandardWindflaeche(art, 0.5)}});
    }
    const QStringList kraefte = QString::fromLatin1(t.traversenkraefte).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < kraefte.size(); ++i) {
        const double x = (i % 2 == 0 ? -1 : 1) * (m.traverse.laenge / 2 - 0.15);
        fuegeZeileHinzu(m.cds_lasten, {{S::Nummer, m.NeueLastnummer()}, {S::Name, kraefte[i]},
                                       {S::Type, int(ArtTraversenkraft)}, {S::Pos1, x}, {S::Pos2, x}, {S::oben, true},
                                       {S::Groesse, 0.3}, {S::Last, 0.0}, {S::Aequivalenzflaeche, 0.0}});
    }
}

void schreibeBeispielprojekt(const QString& datei, Traversenbibliothek& bibliothek)
{
    TBClientDataSet& b = bibliothek.cds_travbib;
    const QString travname = QStringLiteral("4-Punkt 290 (50x2)");
    Traversenwerte traverse = Bibliothekswerte(b, travname);

    Projektmodell p;
    p.name = QStringLiteral("Beispiel: Bühne Stadtfest");
    p.bearbeiter = QStringLiteral("Kelvara VLX");
    p.anmerkungen = {QStringLiteral("Bühne 12 m × 8 m: Front und Back an je drei Motoren;"),
                     QStringLiteral("die Seitentraversen liegen vorn auf der Front und hängen hinten an einem Motor.")};
    // the side trusses rest with their first support on the front truss, which carries those
    // support forces as truss-force loads
    const Buehnentraverse traversen[] = {
        {"Front", 0, 0, 12, 0, {{ArtMotorzug, -5.5}, {ArtMotorzug, 0}, {ArtMotorzug, 5.5}},
         {{ArtMHSpot, -4.5}, {ArtMHSpot, -1.5}, {ArtMHSpot, 1.5}, {ArtMHSpot, 4.5}, {ArtPAR, -3}, {ArtPAR, 3}},
         "T3|V3|L1|,T4|V4|L1|"},
        {"Back", 0, 8, 12, 8, {{ArtMotorzug, -5.5}, {ArtMotorzug, 0}, {ArtMotorzug, 5.5}},
         {{ArtMHWash, -4}, {ArtMHWash, -2}, {ArtMHWash, 0.5}, {ArtMHWash, 2}, {ArtMHWash, 4}}},
        {"Seite links", 0, 0.4, 0, 7.6, {{ArtLager, -3.5}, {ArtMotorzug, 3}}, {{ArtScheinwerfer, -2}, {ArtScheinwerfer, 0}, {ArtScheinwerfer, 2}}},
        {"Seite rechts", 12, 0.4, 12, 7.6, {{ArtLager, -3.5}, {ArtMotorzug, 3}}, {{ArtScheinwerfer, -2}, {ArtScheinwerfer, 0}, {ArtScheinwerfer, 2}}},
    };
    std::vector<Variantenverweis> verweise;
    Meldungen meldungen;
    int sortierung = 0;
    for (const Buehnentraverse& t : traversen) {
        fuegeZeileHinzu(p.cds_projekt, {{Projektfeld::Name, QString::fromUtf8(t.name)},
                                        {Projektfeld::Sortierung, ++sortierung},
                                        {Projektfeld::Position_X1, t.x1}, {Projektfeld::Position_Y1, t.y1},
                                        {Projektfeld::Position_X2, t.x2}, {Projektfeld::Position_Y2, t.y2}});
        p.NeueVariante(QStringLiteral("Hauptvariante"), QStringLiteral("Kelvara VLX"));
        verweise.push_back(p.AktuellerVerweis());
        Balkenmodell m;
        p.VarianteInEditor(verweise.back(), m, meldungen);
        traverse.laenge = std::hypot(t.x2 - t.x1, t.y2 - t.y1);
        m.traverse = traverse;
        m.traversenname = QStringLiteral("Beispiel ") + travname;
        m.berechnung.waehle(1); // an open-air stage: weights and wind at 0,5 kN/m²
        fuelleVariante(m, t);
        p.EditorInVariante(verweise.back(), m, std::nullopt, meldungen);
    }
    // the supported trusses first, so the front truss reads their calculated support forces
    for (const size_t i : {2u, 3u, 1u, 0u}) {
        Balkenmodell m;
        p.VarianteInEditor(verweise[i], m, meldungen);
        m.ZaehlerSetzen();
        Balkenrechnung r(m);
        r.projekt = &p.Kraftquelle();
        meldungen << r.Berechnen();
        p.EditorInVariante(verweise[i], m, r.auslastung, meldungen);
    }
    // the stage outline and the podium in front of the back truss
    auto rechteck = [&p](double x1, double y1, double x2, double y2, double breite) {
        fuegeZeileHinzu(p.cds_mauern, {{Mauerfeld::Symbol, 3}, {Mauerfeld::Breite, breite}});
        p.cds_mauern.Edit();
        for (const auto& [x, y] : {std::pair{x1, y1}, {x2, y2}}) // two opposite corners
            fuegeZeileHinzu(p.cds_punkte, {{Punktfeld::X, x}, {Punktfeld::Y, y}});
        p.cds_mauern.Post();
    };
    rechteck(-0.5, -0.5, 12.5, 8.5, 0.05);
    rechteck(3, 5, 9, 7, 0.02);
    fuegeZeileHinzu(p.cds_mauern, {{Mauerfeld::Symbol, 1}, {Mauerfeld::Breite, 0.24}});
    p.cds_mauern.Edit();
    fuegeZeileHinzu(p.cds_punkte, {{Punktfeld::X, -2.0}, {Punktfeld::Y, 9.5}});
    fuegeZeileHinzu(p.cds_punkte, {{Punktfeld::X, 14.0}, {Punktfeld::Y, 9.5}});
    p.cds_mauern.Post();
    meldungenAusgeben(meldungen);
    p.Speichern(datei);
}

void ersetze(const QString& neu, const QString& alt)
{
    std::error_code fehler;
    std::filesystem::rename(QFile::encodeName(neu).toStdString(), QFile::encodeName(alt).toStdString(), fehler);
    if (fehler)
        throw DateiNichtErstellbar(alt);
}

int beispieldaten(const QStringList& argumente)
{
    if (argumente.size() != 2) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli beispieldaten QUELLORDNER PROGRAMMORDNER\n"));
        return 2;
    }
    // the shipped files are the same whatever the locale of the machine that builds them
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    try {
        const QString quellen = QDir::fromNativeSeparators(argumente[0]) + QLatin1Char('/');
        const QString programm = QDir::fromNativeSeparators(argumente[1]) + QLatin1Char('/');
        const QString traversen = programm + QStringLiteral("Traversen/");
        if (!QDir().mkpath(traversen))
            throw Fehler(QStringLiteral("Ordner %1 kann nicht angelegt werden").arg(traversen));
        // The new libraries grow aside and replace the old ones only when everything is written.
        const QTemporaryDir beiseite(traversen + QStringLiteral(".beispieldaten-XXXXXX"));
        const QString neu = beiseite.path() + QLatin1Char('/');
        if (!beiseite.isValid() || !QDir().mkpath(neu + QStringLiteral("Traversen")))
            throw Fehler(QStringLiteral("Ordner %1 kann nicht angelegt werden").arg(neu));
        Traversenbibliothek bibliothek;
        bibliothek.beiSchreibfehler = meldungAusgeben;
        meldungenAusgeben(bibliothek.BibliothekLaden(neu));
        schreibeTraversen(quellen + QStringLiteral("traversen.txt"), traversen, bibliothek);
        Lastenbibliothek lasten;
        lasten.beiSchreibfehler = meldungAusgeben;
        meldungenAusgeben(lasten.BibliothekLaden(neu));
        schreibeLasten(quellen + QStringLiteral("lasten.txt"), lasten);
        const QString projekte = programm + QStringLiteral("Projekte/");
        QDir().mkpath(projekte);
        schreibeBeispielprojekt(projekte + QStringLiteral("Beispielprojekt.prp"), bibliothek);
        ersetze(Traversenbibliothek::Dateiname(neu), Traversenbibliothek::Dateiname(programm));
        ersetze(Lastenbibliothek::Dateiname(neu), Lastenbibliothek::Dateiname(programm));
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
                              QStringLiteral("beispieldaten QUELLORDNER PROGRAMMORDNER\n"
                                             "      schreibt aus traversen.txt und lasten.txt Beispieltraversen, Traversen- und Lastenbibliothek nach PROGRAMMORDNER/Traversen\n"
                                             "      und ein Beispielprojekt nach PROGRAMMORDNER/Projekte"),
                              beispieldaten});
} // namespace
