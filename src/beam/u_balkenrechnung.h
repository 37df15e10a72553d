#pragma once
// Berechnen on a beam model: refreshes the truss-force loads, solves every load case on plain
// arrays (u_tragfaelle.h) and fills the result tables once, writes each support's Berechnet and
// produces the utilisation and the status texts; then the continuous beam. Also the support shifting of the utilisation tab.
#include "beam/u_balkenmodell.h"
#include "beam/u_durchlauftraeger.h"
#include "platform/u_meldungen.h"
#include "tables/u_tabelle.h"
#include <QStringList>
#include <functional>

class Lagerkraftquelle;
struct Rechenergebnis;

class Balkenrechnung {
public:
    explicit Balkenrechnung(Balkenmodell& modell);
    Balkenrechnung(const Balkenrechnung&) = delete;
    Balkenrechnung& operator=(const Balkenrechnung&) = delete;

    const Lagerkraftquelle* projekt = nullptr;          // none: truss forces resolve to 0
    std::function<void(const QString&)> zeigeStatus;    // the status panel of the load cases
    std::function<void()> ereignisseVerarbeiten;        // between load cases

    // Result tables, rebuilt by every calculation: load cases with their nested Positionen
    // (shown through cds_positionen) and the envelope.
    TBClientDataSet cds_tragfaelle;
    TBClientDataSet cds_positionen;
    TBClientDataSet cds_maxima;

    std::optional<double> auslastung; // percent; none when no load case has section forces
    double gesamtlast = 0;   // N
    bool berechnet = false;  // results exist (the window clears its own flag on changes)
    QString statusAuslastung;
    QString statusGesamtlast;
    QStringList meldungen;   // messages of the last calculation
    QStringList warnungen;   // the part of meldungen that makes the result unsafe to sign off
    // The truss as one continuous beam on the same supports and loads, beside the load cases;
    // its messages stay with it (they are shown in its own tab, not asked about).
    std::optional<Durchlaufergebnis> durchlauf;

    // Returns the messages as the editor shows them: each support not found, then the load cases
    // without result and the warnings joined in one.
    Meldungen Berechnen();
    void SetzeStatustexte(); // of the last calculation, in the current language
    // Shifts every support by the step (outwards positive) as the utilisation tab does, then
    // calculates; the calculation's messages.
    Meldungen LagerVersetzen(double schritt);
    // The shifting alone; every support row is written, an unchanged one too.
    void VersetzeLager(double schritt);

private:
    void aktualisiereTraversenkraefte();
    void legeErgebnistabellenAn();
    QStringList fuelleErgebnistabellen(const Rechenergebnis& e); // the messages of load cases without result
    Balkenmodell& m;
};

// The step of the shift buttons: 0.1 m, 0.3 with Shift, 1.0 with Ctrl, 3.0 with both;
// negative inwards.
double Versetzschritt(bool nachAussen, bool umschalt, bool strg);

// Reads "T%d|V%d|L%d|"; nullopt when the text does not follow it.
struct Lagerverweis {
    int traverse = 0, variante = 0, lager = 0;
};
std::optional<Lagerverweis> LeseLagerverweis(const QString& name);
