#pragma once
// The span load calculator: for one truss of the library, span by span in whole metres, the
// self-weight of the span and the largest distributed, central, third-point, quarter-point and
// outer loads of a simple beam. Library values: g in N/m, Q in N, M in Nm.
#include "tables/u_auswahl.h"
#include "tables/u_tabelle.h"
#include <QString>
#include <optional>
#include <vector>

// The five choices of the calculator window; they persist from one opening to the next.
struct KalkulatorEinstellungen {
    KalkulatorEinstellungen();
    bool bgvc1 = true;          // safety factor 2: halve Q and M
    Auswahlliste cmbEigenlast;  // kg, N, kN: self-weight and every point load
    Auswahlliste cmbGleichlast; // kg/m, N/m, kN/m, kg, N, kN (the last three: total on the span)
    Auswahlliste cmbDrittel;    // Einzel, Doppel
    Auswahlliste cmbViertel;    // Einzel, Doppel, Drei
    bool durchbiegung = true;   // every load also limited by a deflection of L/200 (when EI is known)
};

// The deflection limit of the calculator: span / 200.
inline constexpr double KalkulatorDurchbiegungsgrenze = 200;

enum class Zeilenfarbe { Schwarz, Grau }; // grey: red, green and blue 128

// One span length with the truss values it is computed from; every result reads the current
// choices of the settings it was made with.
class TTravLaenge {
public:
    // ei: bending stiffness in N·m², none when the library row has none
    TTravLaenge(qint32 laenge, double eigenlast, double querkraft, double biegemoment,
                const KalkulatorEinstellungen& einstellungen, std::optional<double> ei = std::nullopt);

    qint32 Laenge;
    double Eigenlast;
    double Querkraft;
    double Biegemoment;
    std::optional<double> EI;

    double QZul() const;
    double MZul() const;
    double GesamtEigenlast() const;
    double Streckenlast() const;
    double Punktlast() const;
    double Drittelpunktlast() const;
    double Viertelpunktlast() const;
    double Aussenlast() const;
    Zeilenfarbe Farbe() const;
    // Whether the deflection limit, not the shear force or moment, gives the value of the
    // column (2 to 6); false while the limit is off or EI unknown.
    bool DurchbiegungMassgebend(int spalte) const;

private:
    bool mitDurchbiegung() const;
    // The largest equal loads (N) at the given fractions of the span with the deflection,
    // self-weight included, not above L/200.
    double durchbiegungslast(const std::vector<double>& stellen) const;
    double streckenlastN(bool mitGrenze) const;   // N/m on top of the self-weight
    double punktlastN(bool mitGrenze) const;
    double drittelN(bool mitGrenze) const;
    double viertelN(bool mitGrenze) const;
    double aussenN(bool mitGrenze) const;
    double kraft(double newton) const; // in the point-load unit
    double restQuerkraft() const;      // QZul - L g / 2
    double restMoment() const;         // MZul - L² g / 8
    const KalkulatorEinstellungen* m_einstellungen;
};

// The library row the calculator works on; null values read 0, texts are the plain field texts.
struct Kalkulatortraverse {
    QString hersteller;
    QString name;
    QString bearbeiter;
    QString eigenlastText;
    QString querkraftText;
    QString biegemomentText;
    double eigenlast = 0;
    double querkraft = 0;
    double biegemoment = 0;
    std::optional<double> ei; // kN·m², from the row's field EI when set
};
Kalkulatortraverse AktuelleTraverse(TBClientDataSet& cds_travbib);

// Longest span listed. A truss whose central point load never turns negative (self-weight 0 or
// less) would otherwise give an endless table.
inline constexpr qint32 MaximaleSpannweite = 100;

class Traversenkalkulator {
public:
    Traversenkalkulator() = default;
    Traversenkalkulator(const Traversenkalkulator&) = delete;
    Traversenkalkulator& operator=(const Traversenkalkulator&) = delete;

    // Builds the list for the library's current row: L = 1, 2, ... up to the first span with a
    // negative central point load, at most MaximaleSpannweite.
    void ZeigeLaengen(TBClientDataSet& cds_travbib);
    void BaueLaengen(const Kalkulatortraverse& traverse);

    QString Name() const; // lblName: maker, a blank, name
    bool begrenzt() const { return m_begrenzt; } // the list stopped at MaximaleSpannweite
    static QString Begrenzungstext();            // says so to the user
    // A library row with a negative or non-finite self-weight, shear force or moment gives no
    // list: every permissible load would come out negative.
    bool ungueltig() const { return m_ungueltig; }
    static QString Ungueltigtext();
    // The note under the grid: what a marked value means; empty when no value can be marked.
    QString Durchbiegungstext() const;

    // Grid texts: column 0 "Länge [m]" and the six header formats filled with the unit texts;
    // data cells with "### ### ##0.00", not trimmed (column 0 the integer L).
    QString Kopftext(int spalte) const;
    QString Zelltext(const TTravLaenge& laenge, int spalte) const;
    static constexpr int Spalten = 7;

    KalkulatorEinstellungen einstellungen;
    Kalkulatortraverse traverse;
    std::vector<TTravLaenge> laengen;

private:
    bool m_begrenzt = false;
    bool m_ungueltig = false;
};
