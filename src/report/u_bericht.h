#pragma once
// A report as a description: the page, the bands in their order and the items of each band.
// All lengths are millimetres; item positions are measured from the left edge of the printable
// width and from the top of their band.
//
// Bands: the title once at the top of the first page, then any number of sections (an optional
// heading band and a detail band printed once per row of its data), the summary once after the
// last section, and the page footer at the bottom of every page.
#include <QImage>
#include <QPainter>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

enum class Ausrichtung { Links, Rechts, Mitte };

struct Schrift {
    double punkt = 10.0;
    bool fett = false;
    bool unterstrichen = false;
};

// What a text item prints: a fixed text, a value of the current data row, or the page number.
struct Inhalt {
    enum class Art { Fest, Feld, Seitenangabe };
    Art art = Art::Fest;
    QString text; // fixed text, or for Seitenangabe a Format pattern of page and page count
    int spalte = -1;

    Inhalt() = default;
    Inhalt(const QString& fest) : text(fest) {}
    Inhalt(const char* fest) : text(QString::fromUtf8(fest)) {}
    static Inhalt Feld(int spalte);
    static Inhalt Seitenangabe(const QString& muster); // "Seite %d von %d"
};

// Placement of a text. Without a width (breite 0) the position x is where a left-aligned text
// starts, where a right-aligned text ends and where a centred text has its middle. With a width
// the text is aligned inside the box [x, x + breite] and cut at its edges, or wrapped into lines
// of that width when umbrechen is set (the band then grows to hold every line).
struct Textelement {
    double x = 0;
    double oben = 0;
    double breite = 0;
    Inhalt inhalt;
    Schrift schrift;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    bool umbrechen = false;
};

struct Linienelement {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double staerke = 0.2;
};

// An image scaled into its box; a height of 0 follows the image's aspect ratio (Bildhoehe).
struct Bildelement {
    double x = 0;
    double oben = 0;
    double breite = 0;
    double hoehe = 0;
    QImage bild;
};

// A drawing made by a routine at the time the page is painted, so it stays sharp on every
// device. The routine draws in millimetres from the box's top left corner; it is cut at the box.
struct Zeichnungselement {
    double x = 0;
    double oben = 0;
    double breite = 0;
    double hoehe = 0;
    std::function<void(QPainter&)> malen;
};

// Height of an image shown breite millimetres wide with its aspect ratio kept, rounded to whole
// layout units of 1/96 inch.
double Bildhoehe(double breite, QSize pixel);

struct Band {
    double hoehe = 0; // at least; grows to hold its items

    Textelement& text(const Textelement& element);
    Textelement& ab(double x, double oben, const Inhalt& inhalt, Schrift schrift = {});
    Textelement& bis(double x, double oben, const Inhalt& inhalt, Schrift schrift = {});
    Textelement& zentriert(double x, double breite, double oben, const Inhalt& inhalt, Schrift schrift = {});
    Textelement& kasten(double x, double breite, double oben, const Inhalt& inhalt, Ausrichtung ausrichtung,
                        Schrift schrift = {});
    Textelement& absatz(double x, double breite, double oben, const Inhalt& inhalt, Schrift schrift = {});
    void linie(double x1, double y1, double x2, double y2, double staerke = 0.2);
    // Places the image and returns its height.
    double bild(double x, double oben, double breite, const QImage& bild);
    void zeichnung(double x, double oben, double breite, double hoehe, std::function<void(QPainter&)> malen);

    std::vector<Textelement> texte;
    std::vector<Linienelement> linien;
    std::vector<Bildelement> bilder;
    std::vector<Zeichnungselement> zeichnungen;
};

// The rows of a detail band. Anything that can count its rows and give a value per row and
// column can feed a report; the report reads it once, when it is laid out.
class Berichtsdaten {
public:
    virtual ~Berichtsdaten() = default;
    virtual int zeilen() const = 0;
    virtual QString wert(int zeile, int spalte) const = 0;
};

// Rows held in memory, one list of values per row.
class Zeilendaten : public Berichtsdaten {
public:
    Zeilendaten() = default;
    explicit Zeilendaten(std::vector<QStringList> zeilen) : m_zeilen(std::move(zeilen)) {}
    void anhaengen(const QStringList& werte) { m_zeilen.push_back(werte); }
    int zeilen() const override { return int(m_zeilen.size()); }
    QString wert(int zeile, int spalte) const override;

private:
    std::vector<QStringList> m_zeilen;
};

struct Abschnitt {
    std::optional<Band> kopf;  // kept on one page with the first row
    bool kopfAufJederSeite = false; // repeated above the rows continued on a new page
    Band detail;
    std::shared_ptr<const Berichtsdaten> daten;
};

struct Seitenformat {
    QSizeF papier{210.0, 297.0};              // A4 portrait
    QMarginsF raender{25.0, 15.0, 15.0, 15.0}; // left, top, right, bottom
    double druckbreite() const { return papier.width() - raender.left() - raender.right(); }
};

struct Bericht {
    QString titel; // document title of the PDF and of the print job
    Seitenformat seite;
    std::optional<Band> titelband;
    std::vector<Abschnitt> abschnitte;
    std::optional<Band> zusammenfassung;
    std::optional<Band> seitenfuss;
};
