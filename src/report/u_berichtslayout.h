#pragma once
// Laying out a report: its bands are set one below the other onto pages; a band that does not fit
// above the page footer starts a new page. The result is a plain list of pages, each holding its
// bands with their items at final positions in millimetres from the paper's top left corner.
#include "report/u_bericht.h"
#include <QLineF>
#include <QRectF>

enum class Bandart { Titel, Kopf, Detail, Zusammenfassung, Seitenfuss };

struct GesetzterText {
    QRectF rahmen; // the text itself: starts at left, ends at right, top at top
    QString text;
    Schrift schrift;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    std::optional<QRectF> kasten; // the text is cut at this box
};

struct GesetzteLinie {
    QLineF linie;
    double staerke = 0.2;
};

struct GesetztesBild {
    QRectF rahmen;
    QImage bild;
};

struct GesetzteZeichnung {
    QRectF rahmen;
    std::function<void(QPainter&)> malen;
};

struct GesetztesBand {
    Bandart art = Bandart::Titel;
    int abschnitt = -1; // section of a heading or detail band
    int zeile = -1;     // data row of a detail band
    QRectF rahmen;
    std::vector<GesetzterText> texte;
    std::vector<GesetzteLinie> linien;
    std::vector<GesetztesBild> bilder;
    std::vector<GesetzteZeichnung> zeichnungen;
};

struct Berichtsseite {
    std::vector<GesetztesBand> baender;
    QStringList texte() const; // every text of the page in band order
};

struct Berichtslayout {
    QString titel;
    QSizeF papier;
    QRectF koerper; // between the top margin and the page footer; bands are cut at it
    std::vector<Berichtsseite> seiten;
};

// Reads every data source once. A report without any band still has one (empty) page.
Berichtslayout Umbrechen(const Bericht& bericht);
