#pragma once
// The floor plan of a project window without widgets: the view (scale, magnification, centre,
// paint box size), the transforms between plan metres and pixels, the snapping, and the tools
// 1 to 7 acting on the project's wall and truss tables. The window feeds it mouse positions in
// pixels; the painting (g_grundriss) reads the elements and the rubber band from it.
#include "platform/u_meldungen.h"
#include "project/u_projektmodell.h"
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

enum Planwerkzeug {
    WerkzeugKeins = 0, WerkzeugLinie = 1, WerkzeugRechteck = 2, WerkzeugPodestHoriz = 3,
    WerkzeugPodestVertic = 4, WerkzeugSelektieren = 5, WerkzeugVerschieben = 6, WerkzeugTraverse = 7
};

// Symbol codes of cds_mauern.
enum { SymbolLinie = 1, SymbolRechteck = 3 };

// The scales of the slider positions 0 to 9, metres per pixel.
constexpr int MassstabStufen = 10;
double MassstabBei(int position);
int PositionVonMassstab(double massstab); // the position within 0.0005 of a list value, else -1

// A wall or rectangle as the plan shows it.
struct Mauerbild {
    int symbol = 0;
    double breite = 0;
    bool markiert = false;
    std::vector<QPointF> punkte;
};

// A truss as the plan shows it; the second end is missing until its second click came.
struct Traversenbild {
    int nummer = 0;
    bool markiert = false;
    QPointF ende1;
    std::optional<QPointF> ende2;
};

// Texts of the palette's info labels.
struct Planinfo {
    QString x, y, dx, dy, l, w;
};

// The rubber band drawn from the anchor to the cursor.
struct Gummiband {
    enum Form { Linie, Rechteck } form = Linie;
    QPoint von, bis;
};

// The view of a plan: scale, magnification, centre and paint box size, with the transforms
// between plan metres and pixels. A printed plan uses it with pixels of a fixed paper size.
struct Planabbildung {
    double massstab = 0.1;     // metres per pixel at level 1
    int modifikatorstufe = 1;  // 1, 2 (Shift) or 5 (Ctrl)
    QPointF planmitte;         // plan point at the centre of the paint box
    QSize groesse{400, 300};   // paint box in pixels

    double Pixelgroesse() const { return massstab / modifikatorstufe; }
    QPoint PlanZuBild(QPointF plan) const;
    QPointF BildZuPlan(QPoint pixel) const;
};

// Asked before a truss, variant or support is deleted: names the truss-force loads of other
// variants that refer to it (they would count 0 from then on) and asks whether to delete anyway.
// True when none refers or frage answers yes.
bool TrotzVerweisenLoeschen(const Lastverweise& verweise, const Rueckfrage& frage);

class Grundrisswerkzeuge : public Planabbildung {
public:
    explicit Grundrisswerkzeuge(Projektmodell& projekt);

    Projektmodell& projekt() { return m_projekt; }

    // Inputs of the palette: the text of EdtEins (width in m for tools 1 and 2) and the counts
    // of udEins / udZwei (tools 3 and 4).
    QString breite;
    int anzahlX = 1, anzahlY = 1;

    int Werkzeug() const { return m_werkzeug; }
    bool ErsterPunktGesetzt() const { return m_ersterPunkt; }
    QPointF Ankerpunkt() const { return m_anker; }

    QPointF Gerastet(QPoint pixel) const; // on the 10 · massstab grid

    // Sets the tool: forgets a first click, sets the palette's defaults for the tool, and
    // unmarks every element unless the new tool is select or move.
    void WerkzeugSetzen(int werkzeug);
    // Forgets a first click (another project was loaded).
    void ErstenPunktVergessen() { m_ersterPunkt = false; }

    // Mouse move to pixel: the info texts. The rubber band to draw at that cursor, if any.
    Planinfo Bewegung(QPoint pixel) const;
    std::optional<Gummiband> Band(QPoint kreuz, bool linksGedrueckt) const;
    // Left button down by tool. A width that is not a number throws the field's Fehler and
    // adds nothing.
    void LinksGedrueckt(QPoint pixel);
    // Tool 5: selects from the anchor to pixel; a click without dragging also marks the truss
    // passing nearest within 5 · massstab, so a truss is picked anywhere along its length.
    void LinksLosgelassen(QPoint pixel);
    // Right click / magnification: the snapped pixel becomes the centre.
    void Zentrieren(QPoint pixel);
    // Mouse wheel: one listed scale finer (schritte > 0) or coarser per step, the plan point
    // under the pointer staying under it. False at either end of the list.
    bool ZoomUm(QPoint pixel, int schritte);
    // Dragging the plan with the middle button: the plan moves with the pointer.
    void Verschieben(QPoint von, QPoint bis);
    // Esc: a two-click tool forgets its first click and the element it began is removed.
    void Abbrechen();
    // Keyboard magnifier; cursor is the pointer while it is over the plan. It acts only there:
    // going up from 1 it remembers the centre and centres on the cursor; back at 1 the
    // remembered centre returns. False when nothing changed.
    bool StufeSetzen(int stufe, std::optional<QPoint> cursor);

    // Marks what lies in the pixel rectangle widened by 5 · massstab, unmarks the rest.
    void Selektieren(QPoint ecke1, QPoint ecke2);
    void AllesDemarkieren();
    // "Gewählte Elemente löschen?", then the walls and, asking for each, the trusses. Several
    // marked trusses are named by their count in that question and go without one each, after
    // a single warning of the truss-force loads that refer to them. Each question goes to bejaht.
    void Loeschen(const Rueckfrage& bejaht);
    // Centre and scale so that every point fits; the empty plan gives (0, 0) and 0.001.
    void Einpassen();
    // The same for the marked elements only; false (and the view unchanged) when none is marked.
    bool AuswahlEinpassen();

    // The elements in table order; table cursors are back where they were.
    std::vector<Mauerbild> Mauern() const;
    std::vector<Traversenbild> Traversen() const;

private:
    void neueMauer(int symbol);
    void podeste(QPointF p);
    void verschiebe(QPointF d);
    void markiereMauern(const auto& drinnen);
    void markiereTraversen(const auto& drinnen);
    void markiereNaechsteTraverse(QPointF p, double hoechstens);
    Lastverweise verweiseVonAussen(const std::vector<int>& traversen);
    void einpassen(const std::vector<QPointF>& punkte);

    Projektmodell& m_projekt;
    int m_werkzeug = WerkzeugKeins;
    bool m_ersterPunkt = false;
    QPointF m_anker;
    QPoint m_druckpunkt; // where the select tool's button went down
    int m_offeneNummer = 0; // wall or truss waiting for its second click
    QPointF m_lupenmitte;   // planmitte before the magnifier went up from 1
};
