#include "report/u_beispielbericht.h"
#include "platform/u_einheiten.h"
#include "platform/u_zahlen.h"
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
constexpr double eigenlast = 71.0;      // N/m
constexpr double querkraft = 6300.0;    // N
constexpr double biegemoment = 12500.0; // Nm

// Central point load and distributed load a simply supported span of length l carries.
double einzellast(double l) { return std::max(0.0, std::min(4 * biegemoment / l, 2 * querkraft) - eigenlast * l); }
double streckenlast(double l) { return std::max(0.0, std::min(8 * biegemoment / (l * l), 2 * querkraft / l) - eigenlast); }

QString zahl(double wert) { return FormatFloat(QStringLiteral("### ### ##0.00"), wert).trimmed(); }

const double spaltenenden[] = {14, 38, 66, 90, 118, 142, 170};

const Schrift titelschrift{18, true, false};
const Schrift ueberschrift{10, true, true};
const Schrift spaltenschrift{8, false, false};

Band titelband(const QDateTime& ausdruck)
{
    Band band;
    band.hoehe = 52;
    band.zentriert(0, 170, 0, "Belastungstabelle QX30 (Beispiel)", titelschrift);
    const QStringList beschriftungen{"Hersteller:", "Name:", "Bearbeiter:", "Eigenlast:", "Höhe:",
                                     "max. Gurtkraft:", "zul. Querkraft:", "zul. Biegemoment:"};
    const QStringList werte{"Beispiel-Traversen GmbH", "QX30 Vierpunkt", "R. Müller",
                            zahl(eigenlast / NproKg) + " kg / 1 m", "0,29 m", zahl(41350) + " N",
                            zahl(querkraft) + " N", zahl(biegemoment) + " Nm"};
    for (int i = 0; i < beschriftungen.size(); ++i) {
        const double oben = 9.5 + i * 5.3;
        band.bis(59.3, oben, beschriftungen[i]);
        band.ab(61.4, oben, werte[i]);
    }
    band.ab(110, 9.5, "Ausdruck:", ueberschrift);
    band.ab(110, 14.8, DatumZeitZuText(ausdruck));
    band.absatz(110, 60, 25.4,
                "Zulässige Lasten eines Feldes auf zwei Auflagern, ohne dynamische Beiwerte; "
                "die Eigenlast der Traverse ist abgezogen.",
                Schrift{8});
    return band;
}

// Column headings, repeated on every page.
Band spaltenkopf()
{
    Band band;
    band.hoehe = 14;
    band.linie(0, 0.5, 170, 0.5, 0.5);
    band.ab(72, 2.5, "aus Einzellast:", ueberschrift);
    band.ab(124, 2.5, "aus Streckenlast:", ueberschrift);
    const double oben = 8.5;
    const QStringList titel{"Länge [m]", "Einzellast [kg]", "Streckenlast [kg/m]", "Querkraft [N]",
                            "Biegemoment [Nm]", "Querkraft [N]", "Biegemoment [Nm]"};
    for (int s = 0; s < titel.size(); ++s)
        band.bis(spaltenenden[s], oben, titel[s], spaltenschrift);
    band.linie(0, 13.2, 170, 13.2, 0.2);
    return band;
}

Band zeilenband()
{
    Band band;
    band.hoehe = 5.3;
    for (int s = 0; s < 7; ++s)
        band.bis(spaltenenden[s], 0.6, Inhalt::Feld(s), Schrift{9, s == 1, false});
    return band;
}

std::shared_ptr<Zeilendaten> tabelle(int zeilen)
{
    auto daten = std::make_shared<Zeilendaten>();
    for (int i = 0; i < zeilen; ++i) {
        const double l = 1.0 + 0.1 * i;
        const double p = einzellast(l);
        const double q = streckenlast(l);
        daten->anhaengen({FormatFloat(QStringLiteral("0.0"), l), zahl(p / NproKg), zahl(q / NproKg), zahl(p / 2 + eigenlast * l / 2),
                          zahl(p * l / 4 + eigenlast * l * l / 8), zahl((q + eigenlast) * l / 2),
                          zahl((q + eigenlast) * l * l / 8)});
    }
    return daten;
}

// Both permissible loads over the span length, as a diagram on white.
QImage diagramm(int zeilen)
{
    QImage bild(1600, 700, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF feld(120, 40, 1440, 580);
    const double lMax = 1.0 + 0.1 * std::max(1, zeilen - 1);
    const double pMax = einzellast(1.0) / NproKg;
    p.setPen(QPen(QColor(200, 200, 200), 2));
    for (int i = 0; i <= 10; ++i) {
        p.drawLine(QPointF(feld.left() + feld.width() * i / 10, feld.top()), QPointF(feld.left() + feld.width() * i / 10, feld.bottom()));
        p.drawLine(QPointF(feld.left(), feld.top() + feld.height() * i / 10), QPointF(feld.right(), feld.top() + feld.height() * i / 10));
    }
    p.setPen(QPen(Qt::black, 3));
    p.drawRect(feld);
    const auto kurve = [&](double (*last)(double), const QColor& farbe) {
        QPainterPath pfad;
        for (int i = 0; i <= 200; ++i) {
            const double l = 1.0 + (lMax - 1.0) * i / 200;
            const QPointF punkt(feld.left() + feld.width() * (l - 1.0) / (lMax - 1.0), feld.bottom() - feld.height() * last(l) / NproKg / pMax);
            i == 0 ? pfad.moveTo(punkt) : pfad.lineTo(punkt);
        }
        p.setPen(QPen(farbe, 5));
        p.drawPath(pfad);
    };
    kurve(einzellast, QColor(0, 70, 160));
    kurve(streckenlast, QColor(190, 30, 30));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(30);
    p.setFont(font);
    p.setPen(Qt::black);
    for (int i = 0; i <= 10; i += 2) {
        const double x = feld.left() + feld.width() * i / 10;
        p.drawText(QRectF(x - 60, feld.bottom() + 8, 120, 40), Qt::AlignHCenter, FormatFloat(QStringLiteral("0.0"), 1.0 + (lMax - 1.0) * i / 10));
        const double y = feld.bottom() - feld.height() * i / 10;
        p.drawText(QRectF(0, y - 20, feld.left() - 12, 40), Qt::AlignRight | Qt::AlignVCenter, FormatFloat(QStringLiteral("0"), pMax * i / 10));
    }
    p.drawText(QRectF(feld.left(), feld.bottom() + 40, feld.width(), 40), Qt::AlignHCenter, QStringLiteral("Länge [m]"));
    p.setPen(QColor(0, 70, 160));
    p.drawText(QRectF(feld.right() - 500, feld.top() + 10, 480, 40), Qt::AlignRight, QStringLiteral("Einzellast [kg]"));
    p.setPen(QColor(190, 30, 30));
    p.drawText(QRectF(feld.right() - 500, feld.top() + 50, 480, 40), Qt::AlignRight, QStringLiteral("Streckenlast [kg/m]"));
    return bild;
}

Band zusammenfassung(int zeilen)
{
    Band band;
    band.linie(0, 0.5, 170, 0.5, 0.5);
    band.ab(1.1, 2.1, "Diagramm:", ueberschrift);
    const double hoehe = band.bild(0.2, 8.5, 169.6, diagramm(zeilen));
    band.absatz(1.1, 168, 8.5 + hoehe + 3,
                "Hinweis: Die Tabelle gilt für ruhende Lasten bei einer Umgebungstemperatur bis 80 °C. Einzellasten "
                "wirken in Feldmitte, Streckenlasten gleichmäßig über die ganze Länge. Bei mehreren Lasten, "
                "Kragarmen oder Wind ist ein eigener Nachweis zu führen.",
                Schrift{9});
    return band;
}

Band seitenfuss(const QDateTime& ausdruck)
{
    Band band;
    band.hoehe = 7.4;
    band.linie(0, 0.5, 170, 0.5, 0.2);
    band.ab(3.2, 2.1, "Kelvara VLX", Schrift{8});
    band.ab(32.8, 2.1, DatumZeitZuText(ausdruck), Schrift{8});
    band.bis(166.8, 2.1, Inhalt::Seitenangabe(QStringLiteral("Seite %d von %d")), Schrift{8});
    return band;
}
} // namespace

Bericht Beispielbericht(const QDateTime& ausdruck, int zeilen)
{
    Bericht bericht;
    bericht.titel = QStringLiteral("Belastungstabelle QX30 (Beispiel)");
    bericht.titelband = titelband(ausdruck);
    Abschnitt tabellenteil;
    tabellenteil.kopf = spaltenkopf();
    tabellenteil.kopfAufJederSeite = true;
    tabellenteil.detail = zeilenband();
    tabellenteil.daten = tabelle(zeilen);
    bericht.abschnitte.push_back(std::move(tabellenteil));
    bericht.zusammenfassung = zusammenfassung(zeilen);
    bericht.seitenfuss = seitenfuss(ausdruck);
    return bericht;
}
