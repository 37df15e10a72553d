#pragma once
// The CAD view of the beam editor without widgets: the mapping between metres and pixels, the
// scale with its grid step and number mask, and the mouse tools 1 to 17 with marking, moving,
// deleting, flipping and re-centring. The window feeds it pixel positions and shows what it
// leaves in its fields; tests drive it the same way.
#include "platform/u_meldungen.h"
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QtCore/qnamespace.h>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class Balkenmodell;
class Lagerkraftquelle;
class Lastenbibliothek;
class TBClientDataSet;

constexpr double KeinPunkt = -10000; // ErsterPunkt when no first click is pending
constexpr int LinealHoehe = 60;      // the rulers take the top rows of the paint area
constexpr int ReglerFein = 20, ReglerGrob = 5; // the zoom slider's ends
// The wheel zooms on past the slider's finest end to 1 mm per pixel, so a fitted truss of a few
// metres can still be looked at closer.
constexpr int RadFein = 30;

class Cadansicht {
public:
    double ansichtsmitte = 0;
    double massstab = 0.1;    // metres per pixel at zoom factor 1
    double raster = 0.1;      // grid step in m
    QString zahlenformat = QStringLiteral("0");
    int zoomfaktor = 1;       // 1, 2 or 5: the keyboard's modifier level
    double bezugspunkt = 0;   // offset of the second ruler
    QPoint fadenkreuz{-100, -100};
    double ankerX = 0, ankerY = 0; // where the selection box started, unsnapped
    double ersterPunkt = KeinPunkt;
    int werkzeug = 1;
    int breite = 850, hoehe = 400; // paint area in pixels

    void SetzeMassstab(double m);
    static double MassstabVonRegler(int position); // 10^(−position/10)
    // Centre 0 and the whole truss in the width less 50 pixels; false when that gives no scale.
    bool Einpassen(double traversenlaenge);
    // Mouse wheel: the zoom slider one position finer (schritte > 0) or coarser per step, from a
    // scale between two positions to the next one; the x under the pixel column stays under it.
    // The new slider position, none at either end.
    std::optional<int> ZoomUm(int spalte, int schritte);
    // Dragging the view by dx pixels: the beam moves with the pointer.
    void Verschieben(int dx) { ansichtsmitte -= dx * Pixelmass(); }

    double Pixelmass() const { return massstab / zoomfaktor; }
    int Spalte(double x) const;
    int Zeile(double y) const;
    double XVon(int spalte) const;
    double YVon(int zeile) const;
    double Fangen(double wert) const; // to 10 grid steps
    bool ErsterPunktGesetzt() const { return ersterPunkt > -1000; }
    QPoint Bildmitte() const { return {breite / 2, (hoehe - LinealHoehe) / 2 + LinealHoehe}; }
};

// Texts of the property panel as typed, and the remembered values of one tool.
struct Eigenschaften {
    QString groesse = QStringLiteral("1");
    QString last = QStringLiteral("0");
    QString name;
    QString maximal = QStringLiteral("0");
    QString minimal = QStringLiteral("0");
    QString flaeche = QStringLiteral("0");
    QString einheitKraft = QStringLiteral("kg");
    QString einheitStreckenlast = QStringLiteral("kg/m");
    QString travKraftBreite = QStringLiteral("1");
};
struct Merkwert {
    QString groesse, flaeche, name, last;
};

// Which panels of the tool group show for a tool.
struct Werkzeugpanele {
    bool eigenschaften = false, propLager = false, propLasten = false, travKraft = false;
    bool eintippen = false; // typed positions: every tool that places
    bool anzahl = false;    // n equal items: the one-click placing tools
};
Werkzeugpanele PaneleFuer(int werkzeug);

enum class Auswahltabelle { Keine, Lager, Lasten };

class Cadwerkzeuge : public QObject {
    Q_OBJECT
public:
    Cadwerkzeuge(Balkenmodell& modell, Cadansicht& ansicht);
    Cadwerkzeuge(const Cadwerkzeuge&) = delete;
    Cadwerkzeuge& operator=(const Cadwerkzeuge&) = delete;

    Eigenschaften eingaben;
    std::array<Merkwert, 18> merkwerte{}; // by tool code 1 to 17
    // TravKraftAuswahl: truss, variant and support of the truss-force panel.
    std::optional<int> travTraverse, travVariante, travLager;
    const Lagerkraftquelle* projekt = nullptr;

    // Asked with the numbers of the marked supports before deleting; false keeps everything.
    std::function<bool(const std::vector<int>&)> lagerLoeschenErlaubt;

    // What the window shows.
    QString textX, textX1, textInfo;
    bool x1Sichtbar = false;
    bool auswahlrahmen = false;     // the selection box follows the cross-hair
    int auswahlAnzahl = 0;
    int markierteLasten = 0; // of auswahlAnzahl
    Auswahltabelle letzteTabelle = Auswahltabelle::Keine;

    void MausBewegt(int X, int Y, bool linksGedrueckt);
    void MausGedrueckt(int X, int Y, Qt::MouseButton taste);
    void MausLosgelassen(int X, int Y, Qt::MouseButton taste);
    void Zentrieren(int v);
    // The keyboard magnifier at level stufe; zeiger is the pointer's pixel while it is over the
    // view. It acts only over the view: going up from 1 it remembers the view and centres on the
    // pointer; back at 1 the remembered view returns, the point under the pointer staying under it.
    void Zoomen(int stufe, std::optional<QPoint> zeiger);
    // Esc: a two-click tool or the move tool forgets its first click, a selection box is dropped.
    void Abbrechen();
    // Typed positions of the placing tools, in metres from the middle, not snapped; the side is
    // the one the pointer was on last (below at first). x1 alone places one item there. A
    // two-click tool spans x1 to x2; with x1 empty it starts at its first click, with x2 empty
    // x1 becomes its first click. n ≥ 2 places n equal items of a one-click tool, the first at
    // x1, the last at x2, evenly between. A text that is no number, a position off the truss,
    // a missing x1, and for n ≥ 2 a missing x2 or x2 = x1 are refused with a message and place
    // nothing. The number of items placed.
    int Eintippen(const QString& x1, const QString& x2, int n);
    // One typed load for every marked load, read as the tools read it: in the distributed-load
    // unit times the length for kind 4, in the force unit otherwise. A truss-force load keeps
    // its support's force. A text that is no number is refused with a message. The number of
    // loads changed.
    int LastFuerMarkierte(const QString& text);

    void WerkzeugWaehlen(int code);
    void Markieren(bool oben, bool unten, double a, double b);
    void AllesAbwaehlen() { Markieren(false, false, -1, -1); }
    bool Loeschen(const Rueckfrage& frage); // asks "gewählte Elemente löschen?"
    void Umschalten(bool nachOben);

    // Changes of the property inputs, remembered for the current tool. GroesseGeaendert also
    // sets the area input to the default wind area.
    void GroesseGeaendert(const QString& text);
    void NameGeaendert(const QString& text);
    void LastGeaendert(const QString& text);

    // The unit list that applies to the current tool.
    QString& Einheit();
    // Takes the library entry into the inputs; false with "Last nicht gefunden" when it is gone.
    bool LastAusBibliothek(Lastenbibliothek& bibliothek, int nummer, const QStringList& einheiten);
    // Stores the inputs as an entry; the numbers are read strictly (Fehler when not a number, or
    // when the library refuses the entry).
    void LastInBibliothek(Lastenbibliothek& bibliothek);

Q_SIGNALS:
    // What the window shows of the tools' work.
    void neuZeichnen();
    void geaendert();                 // a post or delete of the editor's tables
    void zeigerSetzen(QPoint punkt);  // move the mouse pointer to this pixel
    void auswahlGeaendert();          // after marking: panels, count, buttons
    void meldung(const QString& text); // a refused input or step, for the user

private:
    void melde(); // a post or delete of the tables, unless the tools are marking
    // Appends a row filled by `fuellen` and numbered from the model's counter, or none at all.
    bool haengeAn(TBClientDataSet& t, const std::function<void(TBClientDataSet&)>& fuellen,
                  int (Balkenmodell::*nummer)());
    bool setzeLager(double x, bool oben);
    bool setzeLast(int art, double pos1, double pos2, bool oben, double laenge);
    bool setzeTraversenkraft(double x, bool oben);
    bool setzeEinzeln(double x, bool oben); // by a one-click tool
    void verschiebe(double d);

    Balkenmodell& m;
    Cadansicht& a;
    bool m_stumm = false; // marking writes are no changes
    bool m_rahmen = false; // the select tool's button went down and no Esc came since
    double m_lupenmitte = 0; // Ansichtsmitte before the magnifier went up from 1
    bool m_obenZuletzt = false; // the pointer was above the axis when it last moved
};

// The current row of the truss library into the model: name "Name(Hersteller)", self-weight,
// permissible shear force and moment, height, width and chord count.
void UebernimmTraverse(Balkenmodell& modell, TBClientDataSet& bibliothek);
