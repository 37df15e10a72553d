#pragma once
// The rigging plan of a project: for every truss its current (main) variant, and for every
// support and hoist of it the place on the floor plan and the force it hangs on the venue
// (Berechnet + Eigenlast). Whether a variant's stored results still hold is found by computing
// it again on a copy. Also the list of rigging points as an Excel 97 sheet.
#include "platform/u_einheiten.h"
#include "platform/u_meldungen.h"
#include "project/u_projektmodell.h"
#include <QPointF>

class XlsArbeitsmappe;

// Where the stored results of a truss's current variant stand.
enum class Ergebnisstand {
    Aktuell,        // stored and equal to a fresh calculation
    Veraltet,       // stored, but a fresh calculation gives other forces or utilisation
    NichtBerechnet, // no utilisation stored: never calculated, or stored while not calculated
    KeineVariante,  // the truss has no main variant
    Unberechenbar,  // the variant's settings refuse a calculation
};

struct Riggingpunkt {
    int lager = 0;               // support number in the variant
    QString name;
    int art = 0;                 // ArtLager or ArtMotorzug
    double position = 0;         // m along the truss, from its middle
    std::optional<QPointF> plan; // plan coordinates in m; none without a drawn truss
    double berechnet = 0;        // N, the stored Berechnet
    double kraft = 0;            // N: Berechnet + Eigenlast
    double maximallast = 0;      // N
    std::optional<double> anteil; // percent of Maximallast (only when it is above 1 N)
    bool Ueberlast() const { return anteil && *anteil > 100.0; }
};

struct Riggingtraverse {
    int nummer = 0;
    QString name;
    QPointF ende1;
    std::optional<QPointF> ende2;
    double planlaenge = 0;             // m
    int variante = 0;
    QString variantenname, status, traversentyp;
    std::optional<double> variantenlaenge; // m, from the variant's settings
    std::optional<double> auslastung;      // stored, percent
    Ergebnisstand stand = Ergebnisstand::KeineVariante;
    QStringList meldungen; // of the calculation (the fresh one on the copy)
    QString fehler;
    std::vector<Riggingpunkt> punkte;

    bool LaengeWeichtAb() const; // variant length and plan length differ by more than 5 mm
    double Summe() const;        // N
};

struct Riggingplan {
    QString name, bearbeiter;
    QStringList anmerkungen;
    std::vector<Riggingtraverse> traversen;
    double Gesamt() const; // N
};

// The plan point of x metres along a truss: from the middle of its plan segment along the
// segment. None when the second end is missing or both ends coincide.
std::optional<QPointF> Planpunkt(QPointF ende1, const std::optional<QPointF>& ende2, double x);

// Reads every truss and its main variant; each variant is computed on a copy to tell whether
// its stored results are current. The project's data stay unchanged (its table cursors move).
Riggingplan ErstelleRiggingplan(Projektmodell& projekt);

// The text of a result state in the current language.
QString Standtext(Ergebnisstand stand);

// The column titles of the rigging point list: truss, name, variant, number, kind, position,
// x, y, force in kg and kN, maximum load in kg, share in percent.
QStringList Riggingspalten();

// The sheet "Riggingpunkte": one row per point with numbers as numeric cells, a sum row per
// truss and the project's total.
void FuelleRiggingpunkte(const Riggingplan& plan, XlsArbeitsmappe& mappe);
// Asks bejaht before replacing an existing file (No ends), writes the sheet; a write error
// throws Fehler. True when written.
bool RiggingpunkteExportieren(const Riggingplan& plan, const QString& pfad, const Rueckfrage& bejaht);
