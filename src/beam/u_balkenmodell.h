#pragma once
// The beam model of one variant: truss values, calculation options, the support table cds_lager
// and the load table cds_lasten, the kinds of support and load, input conversion to N and the
// settings text that carries truss values and options.
#include "beam/u_balkenfelder.h"
#include "beam/u_tragfaelle.h"
#include "tables/u_auswahl.h"
#include "tables/u_tabelle.h"
#include <QDateTime>
#include <optional>

// Kind codes of the field Type and of the editor's tools.
enum Art {
    ArtSelektieren = 1, ArtLager = 2, ArtKraft = 3, ArtStreckenlast = 4, ArtMotorzug = 5,
    ArtScheinwerfer = 6, ArtPAR = 7, ArtScanner = 8, ArtMHSpot = 9, ArtMHWash = 10,
    Art4erBar = 11, Art6erBar = 12, ArtBox = 13, ArtLinearray = 14, ArtBeamer = 15,
    ArtVerschieben = 16, ArtTraversenkraft = 17
};

// Name text of a kind in the current language; empty for 16, 17 and unknown codes.
QString Artname(int art);
// Default wind area A·cw of a kind for the size s in m.
double StandardWindflaeche(int art, double groesse);

extern const QStringList EinheitenKraft;        // "kg", "N", "kN"
extern const QStringList EinheitenStreckenlast; // "kg", "N", "kN", "kg/m", "N/m", "kN/m"
// An input text in the given unit as stored force in N; the distributed-load units apply to
// kind 4, every other kind uses the force units. laenge: extent of a two-click load, else 0.
double EingabeZuKraft(const QString& text, int art, const QString& einheit, double laenge);

// Field lists of the two tables, calculated fields at their places; shared with the project.
std::vector<TFieldDef> LagerFelder();
std::vector<TFieldDef> LastenFelder();
// Creates the table empty with its fields, index Nummer, display formats and calculated fields.
void RichteLagertabelleEin(TBClientDataSet& tabelle);
void RichteLastentabelleEin(TBClientDataSet& tabelle);
// Display formats, index and calculation hook on a table that already has the fields.
void FormatiereLagertabelle(TBClientDataSet& tabelle);
void FormatiereLastentabelle(TBClientDataSet& tabelle);
// A truss is longer than 0 and finitely long; the message that refuses any other length.
bool GueltigeTraversenlaenge(double laenge);
QString Traversenlaengenfehler();

// A distributed load at the current row typed from right to left is stored from its smaller to
// its larger position (posted again); true when the row changed.
bool OrdneStreckenlast(TBClientDataSet& lasten);

// An editable choice (combo box with typed text): selecting an item shows its text.
class EditierbareAuswahl : public Auswahl {
public:
    EditierbareAuswahl(QStringList eintraege, QString text)
        : m_eintraege(std::move(eintraege)), m_text(std::move(text)) {}
    int anzahl() const override { return int(m_eintraege.size()); }
    int gewaehlt() const override { return int(m_eintraege.indexOf(m_text)); }
    void waehle(int index) override;
    QString angezeigterText() const override { return m_text; }
    void setzeText(const QString& text) { m_text = text; }

private:
    QStringList m_eintraege;
    QString m_text;
};

class Balkenmodell {
public:
    Balkenmodell();
    Balkenmodell(const Balkenmodell&) = delete;
    Balkenmodell& operator=(const Balkenmodell&) = delete;

    TBClientDataSet cds_lager;
    TBClientDataSet cds_lasten;

    Traversenwerte traverse;
    QString traversenname;
    QString variantenname;
    QString bearbeiter;
    Auswahlliste berechnung;      // the three calculation modes
    EditierbareAuswahl staudruck; // kN/m² as typed
    bool minimal = false;
    bool negativ = false;
    QDateTime berechnetAm;        // last calculation in this window; invalid when none
    // The supports' Berechnet belongs to the current rows and truss (the window's calculated
    // flag); only then does the drawing show the support forces.
    bool kraefteAktuell = false;
    // Continuous beam: the deflection limit's denominator and the truss's bending stiffness in
    // kN·m². Both are written only when set, so a settings text without them is rewritten as it
    // was; an absent limit is 1/200, an absent EI unknown.
    std::optional<double> durchbiegungsgrenze;
    std::optional<double> travEI;
    double Durchbiegungsgrenze() const;

    int lagerzaehler = 0;
    int lastenzaehler = 0;
    void ZaehlerSetzen(); // from the last rows in number order
    int NeueLagernummer() { return ++lagerzaehler; }
    int NeueLastnummer() { return ++lastenzaehler; }

    int Modus() const;               // 0, 1 or 2
    double StaudruckWert() const;    // the typed text, 0.5 when it does not parse
    void SetzeModustexte();          // the mode texts in the current language, selection kept

    QString Einstellungen() const;   // written on a fresh list
    void LeseEinstellungen(const QString& text); // Fehler for a length not above 0, nothing read
};

// The texts of the calculation modes and of the dynamic-pressure list.
QStringList Modustexte();
// The mode a settings text names, in the current language or the built-in German; -1 for none.
int Modusnummer(const QString& text);
QStringList Staudrucktexte(); // kN/m², with the locale's decimal separator
