#include "report/u_bericht.h"
#include "platform/u_einheiten.h"
#include <cmath>

namespace {
constexpr double mmJeLayouteinheit = MmProZoll / 96.0;
}

Inhalt Inhalt::Feld(int spalte)
{
    Inhalt i;
    i.art = Art::Feld;
    i.spalte = spalte;
    return i;
}

Inhalt Inhalt::Seitenangabe(const QString& muster)
{
    Inhalt i;
    i.art = Art::Seitenangabe;
    i.text = muster;
    return i;
}

double Bildhoehe(double breite, QSize pixel)
{
    if (pixel.width() <= 0 || pixel.height() <= 0 || breite <= 0)
        return 0;
    const double hoehe = breite * pixel.height() / pixel.width();
    return std::round(hoehe / mmJeLayouteinheit) * mmJeLayouteinheit;
}

Textelement& Band::text(const Textelement& element)
{
    texte.push_back(element);
    return texte.back();
}

Textelement& Band::ab(double x, double oben, const Inhalt& inhalt, Schrift schrift)
{
    return text({x, oben, 0, inhalt, schrift, Ausrichtung::Links, false});
}

Textelement& Band::bis(double x, double oben, const Inhalt& inhalt, Schrift schrift)
{
    return text({x, oben, 0, inhalt, schrift, Ausrichtung::Rechts, false});
}

Textelement& Band::zentriert(double x, double breite, double oben, const Inhalt& inhalt, Schrift schrift)
{
    return text({x, oben, breite, inhalt, schrift, Ausrichtung::Mitte, false});
}

Textelement& Band::kasten(double x, double breite, double oben, const Inhalt& inhalt, Ausrichtung ausrichtung,
                          Schrift schrift)
{
    return text({x, oben, breite, inhalt, schrift, ausrichtung, false});
}

Textelement& Band::absatz(double x, double breite, double oben, const Inhalt& inhalt, Schrift schrift)
{
    return text({x, oben, breite, inhalt, schrift, Ausrichtung::Links, true});
}

void Band::linie(double x1, double y1, double x2, double y2, double staerke)
{
    linien.push_back({x1, y1, x2, y2, staerke});
}

double Band::bild(double x, double oben, double breite, const QImage& bild)
{
    bilder.push_back({x, oben, breite, 0, bild});
    return Bildhoehe(breite, bild.size());
}

void Band::zeichnung(double x, double oben, double breite, double hoehe, std::function<void(QPainter&)> malen)
{
    zeichnungen.push_back({x, oben, breite, hoehe, std::move(malen)});
}

QString Zeilendaten::wert(int zeile, int spalte) const
{
    if (zeile < 0 || zeile >= zeilen())
        return {};
    return m_zeilen[size_t(zeile)].value(spalte);
}
