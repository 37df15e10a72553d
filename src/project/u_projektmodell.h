#pragma once
// The project of one event: project data, the truss table cds_projekt with its variants and their
// supports and loads nested, the wall table cds_mauern with its points, the changed flag and the
// file ".prp". Also the variant operations of the variant tab, the truss-force lists of the beam
// editor and the exchange of a variant with an editor, all without widgets.
#include "beam/u_variantenprojekt.h" // Verweisliste
#include "project/u_projektfelder.h"
#include "tables/u_tabelle.h"
#include <QStringList>
#include <functional>
#include <optional>

class Balkenmodell;

extern const QString ProjektKopf; // "Kelvara VLX Projektdatei 1.0"

// A truss-force load (kind 17) and the support it takes its force from.
struct Lastverweis {
    int traverse = 0; // where the load sits
    QString traversenname;
    int variante = 0;
    int last = 0;        // the load's number
    int zielTraverse = 0, zielVariante = 0, zielLager = 0;
    double kraft = 0;    // the support's force when the load was found
};
using Lastverweise = std::vector<Lastverweis>;
// One line per load: "Traverse %d (%s), Variante %d: Last %d".
QString Verweistext(const Lastverweise& verweise);

// Where an editor's variant lives: the truss's Sortierung (may be null) and Nummer, the variant's
// Nummer; taken when the editor is opened.
struct Variantenverweis {
    QVariant sortierung;
    int traverse = 0;
    int variante = 0;
};

struct Variantenknoepfe {
    bool neu = false, loeschen = false, anmerkung = false, duplizieren = true;
};

class Projektmodell : public QObject {
    Q_OBJECT
public:
    Projektmodell();
    Projektmodell(const Projektmodell&) = delete;
    Projektmodell& operator=(const Projektmodell&) = delete;

    TBClientDataSet cds_projekt;
    TBClientDataSet cds_varianten;
    TBClientDataSet cds_lager;
    TBClientDataSet cds_lasten;
    TBClientDataSet cds_mauern;
    TBClientDataSet cds_punkte;
    TBClientDataSet cds_dupli_lager;
    TBClientDataSet cds_dupli_lasten;

    QString name;
    QString bearbeiter;
    QStringList anmerkungen; // the lines of the project notes

    bool Geaendert() const { return m_geaendert; }
    // A change sets the flag and is told as Aenderung; clearing it is none.
    void SetzeGeaendert(bool geaendert);
    // The flag alone, as the window's history sets it after undo or redo: no change of its own.
    void UebernimmAenderungsstand(bool geaendert);
    // The document as bytes, and taking such bytes back: the tables reopened, bound and ordered,
    // the current truss kept where it still exists. Flag and file name stay as they are.
    QByteArray Stand();
    void StandHerstellen(const QByteArray& stand);
    // A state with every truss and wall unmarked: what the plan's selection leaves unchanged.
    static QByteArray OhneMarken(const QByteArray& stand);
    const QString& Dateiname() const { return m_dateiname; }
    QString Titel() const; // "Projekt" or "Projekt [%s]"

    // The empty project: tables defined, bound and ordered, texts empty, flag clear.
    void LeeresProjekt();
    // Posts a pending truss edit, writes the file, clears the flag and takes the file name.
    // A failing write throws Fehler and leaves flag and file name as they were.
    void Speichern(const QString& datei);
    // False after a wrong header ("keine gültige Projektdatei" in meldungen, the project is empty
    // and the file name taken). A read error throws Fehler: the project is then empty, file name
    // and caption stay the former ones.
    bool Laden(const QString& datei, Meldungen& meldungen);

    // Double click in the truss grid: the truss's main variant becomes current; false when the
    // truss has none (any more).
    bool HauptvarianteWaehlen();
    Variantenknoepfe Knopfzustaende();

    // Variant tab. Each works on the current truss and variant and returns whether it changed
    // anything; the window asks for the values first.
    bool NeueVariante(const QString& variantenname, const QString& variantenbearbeiter);
    bool VarianteLoeschen(const Rueckfrage& bejaht); // asks "Soll die Variante %d (%s) gelöscht werden?"
    bool VariantenanmerkungSetzen(const QString& text);
    // Deletes the current truss: its variants one by one, then the truss.
    void TraverseLoeschen();
    bool VarianteDuplizieren(const QString& variantenname, const QString& variantenbearbeiter);

    // Truss-force lists of the beam editor; they move the current rows to what they locate.
    Verweisliste TraversenAuflisten(int eigeneTraverse);
    Verweisliste VariantenAuflisten(int traverse);
    Verweisliste LagerAuflisten(int traverse, int variante);
    double Lagerkraft(int traverse, int variante, int lager); // Berechnet + Eigenlast, 0 when not found
    const Lagerkraftquelle& Kraftquelle() const { return m_kraftquelle; }
    // The truss-force loads of other variants that refer to the truss, to one variant of it
    // or to one support of that variant. Loads inside what is named are left
    // out: they go with it. The current rows stay where they were.
    Lastverweise Kraftverweise(int traverse, std::optional<int> variante = std::nullopt,
                               std::optional<int> lager = std::nullopt);
    // Clears the utilisation of each variant holding one of the loads whose support force is no
    // longer the one found, so that it shows as not calculated. Returns whether any was cleared.
    bool VeraltetMarkieren(const Lastverweise& verweise);

    // Exchange with a beam editor. Both find the truss by (Sortierung, Nummer) and the variant by
    // Nummer, give "Traverse nicht gefunden." / "Variante nicht gefunden." in meldungen and copy
    // nothing when one is missing.
    Variantenverweis AktuellerVerweis();
    bool VarianteInEditor(const Variantenverweis& verweis, Balkenmodell& editor, Meldungen& meldungen);
    // auslastung: the editor's utilisation when its results belong to its data, else nullopt.
    bool EditorInVariante(const Variantenverweis& verweis, Balkenmodell& editor,
                          std::optional<double> auslastung, Meldungen& meldungen);

Q_SIGNALS:
    // For the window: the changed flag or the caption changed; the variant buttons need their
    // states again (truss table opened, truss posted or deleted); every change, also while the
    // flag is already set (the window makes its undo steps of them).
    void ZustandGeaendert();
    void TraversenGeaendert();
    void Aenderung();

private:
    struct Quelle : Lagerkraftquelle {
        explicit Quelle(Projektmodell& p) : projekt(p) {}
        double Lagerkraft(int t, int v, int l) const override { return projekt.Lagerkraft(t, v, l); }
        Projektmodell& projekt;
    };

    void bindeUndOrdne();
    void setzeHaken();
    bool findeVariante(int traverse, int variante);
    bool findeVerweis(const Variantenverweis& verweis, Meldungen& meldungen);

    bool m_geaendert = false;
    QString m_dateiname;
    Quelle m_kraftquelle{*this};
};

// Stored field lists of the two top tables with their nested tables; the detail tables cds_lager
// and cds_lasten add the calculated fields at the places the row copy by position needs.
std::vector<TFieldDef> ProjektFelder();
std::vector<TFieldDef> MauerFelder();
