#pragma once
// The load table calculation: from a maker's table of permissible point and distributed loads
// per span, the truss's self-weight per metre, permissible shear force, bending moment and chord
// force. Inside, everything is N, m, N/m and Nm.
#include "loadtable/u_belastungsfelder.h"
#include "platform/u_meldungen.h"
#include "tables/u_auswahl.h"
#include "tables/u_tabelle.h"
#include "truss/u_traversenbibliothek.h"
#include <QString>

// The inputs of one load table window, with the defaults of a new window. Units are identified by
// the position of the chosen item only; -1 is no selection. The force and line-load lists are
// read through KrafteinheitAn and TabellenStreckenlastAn, the length lists by these positions.
struct BelastungsEingaben {
    enum Laengenposition { Meter = 0, Fuss = 1 };
    enum Massposition { Millimeter = 0, Zoll = 1 };

    BelastungsEingaben();
    QString hersteller;
    QString name;
    QString bearbeiter;
    QString gewicht;     // self-weight of the reference piece, as typed
    QString laenge;      // its reference length, as typed
    QString hoehe;
    QString breite;
    QString querkraft;   // taken over into library and report
    QString biegemoment;
    bool horizontaleDiagonalen = true;
    qint32 gurte = 4;
    Auswahlliste cmbGewicht;      // kg, N, kN
    Auswahlliste cmbLaenge1;      // m, ft
    Auswahlliste cmbHoehe;        // mm, in (height and width)
    Auswahlliste cmbLaenge2;      // span lengths of the table: m, ft
    Auswahlliste cmbEinzellast;   // kg, N, kN
    Auswahlliste cmbStreckenlast; // kg/m, N/m, kN/m, kg/ft, N/ft, kN/ft, kg, N, kN (last three per span)
};

struct BelastungsErgebnisse {
    double eigenlast = 0;   // g, N/m
    double querkraft = 0;   // Q_max, N
    double biegemoment = 0; // M_max, Nm
    double hoehe = 0;       // h_m, m
    double breite = 0;      // b_m, m
    double normalkraft = 0; // N_G, N
};

// One row's calculated values; a load without unit stays empty (counts as 0 in the forces) and
// gives its missing-unit message.
struct Zeilenergebnis {
    QVariant einzellastN;
    QVariant streckenlastNm;
    double querkraftE = 0;
    double biegemomentE = 0;
    double querkraftS = 0;
    double biegemomentS = 0;
    Meldungen meldungen;
};

// Span length in m used for a row without length.
inline constexpr double LaengeOhneEintrag = 1e-8;

class Belastungstabelle {
public:
    Belastungstabelle();
    Belastungstabelle(const Belastungstabelle&) = delete;
    Belastungstabelle& operator=(const Belastungstabelle&) = delete;

    // The empty table with the stored fields laenge, einzellast, streckenlast and the six
    // calculated fields, ordered by laenge, its hooks set.
    void TabelleNeu();
    // Replaces the rows by those of a table with the three stored fields (from a file).
    void UebernimmZeilen(TBClientDataSet& quelle);

    // Self-weight step, ending with the recalculation pass; its messages.
    Meldungen EigenlastBerechnen();
    // The pass over all rows: calculated fields, maxima, h_m, b_m, N_G.
    // Returns the missing-unit messages of every row, then those of the current row once more.
    Meldungen Neuberechnen();
    // The row calculation for the current row. The table runs it for every row it presents and
    // sets the calculated fields from it; presenting a row tells nothing.
    Zeilenergebnis ZeileBerechnen();

    QString EigenlastText() const;    // lblEigenlast
    QString QuerkraftText() const;    // lbl_wrt_querkraft
    QString BiegemomentText() const;  // lbl_wrt_biegemoment
    QString NormalkraftText() const;  // lbl_wrt_normalkraft

    // The values the button "in die Bibliothek" inserts, and the insert with question 1555.
    BibliotheksEintrag Bibliothekswerte() const;
    bool InDieBibliothek(Traversenbibliothek& bibliothek, const Rueckfrage& bejaht) const;

    BelastungsEingaben eingaben;
    BelastungsErgebnisse ergebnisse;
    TBClientDataSet cds_traverse;
    QString dateiname;
    // Takes the messages of a pass that a post or delete on the table started (the window shows
    // them); such a pass has no caller to return them to.
    std::function<void(const Meldungen&)> beiMeldungen;

private:
    void setzeHaken();
    void meldeDurchlauf();
    void setzeFelder(const Zeilenergebnis& z);
};
