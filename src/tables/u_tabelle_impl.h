#pragma once
// Inside of TBClientDataSet, shared by the table and its fields.
#include "tables/u_tabellendaten.h"
#include "tables/u_tabelle.h"
#include <QHash>
#include <unordered_map>

// Field names match without regard to letter case. The lookup takes a view, so finding a field
// allocates nothing.
struct FeldnamenHash {
    using is_transparent = void;
    size_t operator()(QStringView name) const noexcept;
};
struct FeldnamenGleich {
    using is_transparent = void;
    bool operator()(QStringView a, QStringView b) const noexcept
    {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }
};

struct TBClientDataSet::Impl {
    explicit Impl(TBClientDataSet& tabelle) : q(tabelle) {}

    TBClientDataSet& q;
    std::shared_ptr<TTabellenDaten> daten; // a detail shares its master's
    Ebene* ebene = nullptr;                // the level whose rows this table shows
    Verschachtelt zeilen;                  // the rows shown, in the order they were added
    std::vector<TFieldDef> geoeffneteDefs; // FieldDefs when the table was last opened

    // Field list
    std::vector<TFieldDef> liste;
    std::vector<TField*> felder;
    std::unordered_map<QString, int, FeldnamenHash, FeldnamenGleich> feldnummern; // -> index in liste
    std::vector<std::unique_ptr<TField>> alleFelder; // a field object lives while its name does
    std::vector<int> gespeichert; // per field: index of its value in the row, -1 when calculated
    std::vector<int> berechnet;   // per field: index among the calculated values, or -1
    int anzahlBerechnet = 0;

    TDataSetState zustand = TDataSetState::Inactive;
    std::vector<int> reihenfolge; // row indices in the ordering
    int cursor = -1;              // position in reihenfolge, -1 when empty
    bool bof = true;
    bool eof = true;
    Zeile puffer;                 // the row being edited or inserted
    std::vector<Wert> calc;       // calculated values of the current row
    // Row read instead of the current one (calculation hook, grids)
    const Werte* kontextWerte = nullptr;
    std::vector<Wert>* kontextCalc = nullptr;

    // Detail binding
    TBClientDataSet* master = nullptr;
    QString masterFeldname;
    int masterFeld = -1;
    std::vector<TBClientDataSet*> details;
    Verschachtelt leer = Verschachtelt::neu(); // shown while the master has no row

    // Ordering
    QString indexFeldnamen;
    QString indexName;
    std::vector<TIndexDef> indexDefs;
    std::vector<int> sortFelder; // value indices
    bool eindeutig = false;

    int gesperrt = 0;

    // Life
    void pruefeAktiv() const;
    // Drops the rows of a closed table and of its details, which share them.
    void datenFreigeben();
    void aufbauen(std::shared_ptr<TTabellenDaten> neueDaten, Ebene* neueEbene,
                  Verschachtelt neueZeilen, std::vector<TFieldDef> neueListe);
    void felderSetzen(std::vector<TFieldDef> neueListe);
    void schliessen();
    void oeffneDetail();
    Verschachtelt masterZeilen() const;
    void detailsAbgleichen();
    void uebernimmZeilen(Verschachtelt neueZeilen);

    // Ordering
    std::vector<int> sortFelderFuer(const QString& namen) const;
    void sortieren();
    int vergleiche(const Zeile& a, const Zeile& b) const;
    int einfuegePosition(int zeile) const;
    void pruefeEindeutig(const Zeile& zeile, int ausser) const;

    // Current row
    const Werte* aktuelleWerte() const;
    const Wert& wert(int feld) const;
    void setze(int feld, Wert neu);
    void berechne();
    void berechneFuer(const Werte& werte, std::vector<Wert>& ziel);
    void bewege(int position, bool amAnfang, bool amEnde);
    // Runs lesen with the fields reading row nummer of the ordering, its calculated fields
    // computed; an empty result for a number outside the rows.
    template <typename Lesen>
    auto beiZeile(int nummer, Lesen lesen) -> decltype(lesen())
    {
        if (zustand == TDataSetState::Inactive || nummer < 1 || nummer > int(reihenfolge.size()))
            return {};
        const Zeile& zeile = (*zeilen)[reihenfolge[nummer - 1]];
        std::vector<Wert> werte;
        berechneFuer(zeile.werte, werte);
        const auto* alteWerte = kontextWerte;
        auto* alteCalc = kontextCalc;
        kontextWerte = &zeile.werte;
        kontextCalc = &werte;
        auto ergebnis = lesen();
        kontextWerte = alteWerte;
        kontextCalc = alteCalc;
        return ergebnis;
    }
    void masterBearbeiten();

    // Notifications
    void daten_geaendert();
    void zeile_geaendert();
    void position_geaendert();

    int feldIndex(QStringView name) const; // -1 when absent
};

// The value a field of def's type holds for wert; a text on a number field is read as a number
// (the field's conversion messages when it does not convert), an invalid QVariant is null.
Wert feldwert(const TFieldDef& def, const QVariant& wert, const QString& wahrheitswerte = {});

[[noreturn]] void nichtImEditiermodus();
int vergleicheWerte(const Wert& a, const Wert& b);
// Stored field definitions of neu with the calculated ones of alt kept at their places.
std::vector<TFieldDef> mischeBerechnete(const std::vector<TFieldDef>& neu,
                                        const std::vector<TFieldDef>& alt);
