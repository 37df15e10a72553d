#include "report/u_berichtslayout.h"
#include "platform/u_zahlen.h"
#include "report/u_berichtsschrift.h"
#include <algorithm>

namespace {
// A band may reach this far into the footer and still count as fitting (rounding of positions).
constexpr double toleranz = 1e-6;

struct Bandquelle {
    const Berichtsdaten* daten = nullptr;
    int zeile = -1;
    int seite = 0;
    int seiten = 0;
};

QString inhaltstext(const Inhalt& inhalt, const Bandquelle& quelle)
{
    switch (inhalt.art) {
    case Inhalt::Art::Fest:
        return inhalt.text;
    case Inhalt::Art::Feld:
        return quelle.daten ? quelle.daten->wert(quelle.zeile, inhalt.spalte) : QString();
    case Inhalt::Art::Seitenangabe:
        return Format(inhalt.text, {quelle.seite, quelle.seiten});
    }
    return {};
}

// Greedy word wrap; explicit line breaks are kept, a word longer than the width stands alone.
QStringList zeilenUmbrechen(const QString& text, double breite, const Schriftmass& mass)
{
    QStringList zeilen;
    for (const QString& absatz : text.split(QLatin1Char('\n'))) {
        QString zeile;
        for (const QString& wort : absatz.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString laenger = zeile.isEmpty() ? wort : zeile + QLatin1Char(' ') + wort;
            if (!zeile.isEmpty() && mass.breite(laenger) > breite + toleranz) {
                zeilen << zeile;
                zeile = wort;
            } else {
                zeile = laenger;
            }
        }
        zeilen << zeile;
    }
    return zeilen;
}

double linksVon(Ausrichtung ausrichtung, double x, double breite, double textbreite)
{
    switch (ausrichtung) {
    case Ausrichtung::Links: return x;
    case Ausrichtung::Rechts: return x + breite - textbreite;
    case Ausrichtung::Mitte: return x + (breite - textbreite) / 2;
    }
    return x;
}

void texteSetzen(const Textelement& element, const Bandquelle& quelle, GesetztesBand& ziel)
{
    const QString text = inhaltstext(element.inhalt, quelle);
    if (text.trimmed().isEmpty())
        return;
    const Schriftmass mass(element.schrift);
    const bool imKasten = element.breite > 0;
    const QStringList zeilen = imKasten && element.umbrechen ? zeilenUmbrechen(text, element.breite, mass)
                                                             : QStringList{text};
    for (int i = 0; i < zeilen.size(); ++i) {
        const double oben = element.oben + i * mass.zeilenabstand();
        const double breite = mass.breite(zeilen[i]);
        GesetzterText t;
        t.text = zeilen[i];
        t.schrift = element.schrift;
        t.ausrichtung = element.ausrichtung;
        const double links = linksVon(element.ausrichtung, element.x, element.breite, breite);
        t.rahmen = QRectF(links, oben, breite, mass.hoehe());
        if (imKasten)
            t.kasten = QRectF(element.x, oben, element.breite, mass.hoehe());
        ziel.texte.push_back(t);
    }
}

void bildSetzen(const Bildelement& element, GesetztesBand& ziel)
{
    if (element.bild.isNull())
        return;
    double breite = element.breite;
    double hoehe = element.hoehe;
    if (breite <= 0 && hoehe > 0)
        breite = hoehe * element.bild.width() / element.bild.height();
    if (hoehe <= 0)
        hoehe = Bildhoehe(breite, element.bild.size());
    if (breite <= 0 || hoehe <= 0)
        return;
    ziel.bilder.push_back({QRectF(element.x, element.oben, breite, hoehe), element.bild});
}

double unterkante(const GesetztesBand& band)
{
    double unten = 0;
    for (const auto& t : band.texte)
        unten = std::max(unten, t.rahmen.bottom());
    for (const auto& l : band.linien)
        unten = std::max(unten, std::max(l.linie.y1(), l.linie.y2()) + l.staerke / 2);
    for (const auto& b : band.bilder)
        unten = std::max(unten, b.rahmen.bottom());
    for (const auto& z : band.zeichnungen)
        unten = std::max(unten, z.rahmen.bottom());
    return unten;
}

// The band with its items relative to its own top left corner.
GesetztesBand bandSetzen(const Band& band, Bandart art, const Bandquelle& quelle, int abschnitt = -1)
{
    GesetztesBand ziel;
    ziel.art = art;
    ziel.abschnitt = abschnitt;
    ziel.zeile = art == Bandart::Detail ? quelle.zeile : -1;
    for (const auto& t : band.texte)
        texteSetzen(t, quelle, ziel);
    for (const auto& l : band.linien)
        ziel.linien.push_back({QLineF(l.x1, l.y1, l.x2, l.y2), l.staerke});
    for (const auto& b : band.bilder)
        bildSetzen(b, ziel);
    for (const auto& z : band.zeichnungen)
        if (z.malen && z.breite > 0 && z.hoehe > 0)
            ziel.zeichnungen.push_back({QRectF(z.x, z.oben, z.breite, z.hoehe), z.malen});
    ziel.rahmen = QRectF(0, 0, 0, std::max(band.hoehe, unterkante(ziel)));
    return ziel;
}

void verschieben(GesetztesBand& band, QPointF um)
{
    band.rahmen.translate(um);
    for (auto& t : band.texte) {
        t.rahmen.translate(um);
        if (t.kasten)
            t.kasten->translate(um);
    }
    for (auto& l : band.linien)
        l.linie.translate(um);
    for (auto& b : band.bilder)
        b.rahmen.translate(um);
    for (auto& z : band.zeichnungen)
        z.rahmen.translate(um);
}

class Setzer {
public:
    explicit Setzer(const Bericht& bericht) : m_bericht(bericht)
    {
        const auto& seite = bericht.seite;
        const double fuss = bericht.seitenfuss ? bandSetzen(*bericht.seitenfuss, Bandart::Seitenfuss, {}).rahmen.height() : 0;
        m_layout.titel = bericht.titel;
        m_layout.papier = seite.papier;
        m_layout.koerper = QRectF(seite.raender.left(), seite.raender.top(), seite.druckbreite(),
                                  seite.papier.height() - seite.raender.top() - seite.raender.bottom() - fuss);
    }

    Berichtslayout setzen()
    {
        if (m_bericht.titelband)
            legen(bandSetzen(*m_bericht.titelband, Bandart::Titel, {}));
        for (int i = 0; i < int(m_bericht.abschnitte.size()); ++i)
            abschnittSetzen(i);
        if (m_bericht.zusammenfassung)
            legen(bandSetzen(*m_bericht.zusammenfassung, Bandart::Zusammenfassung, {}));
        if (m_layout.seiten.empty())
            m_layout.seiten.emplace_back();
        fuesseSetzen();
        return std::move(m_layout);
    }

private:
    void abschnittSetzen(int nummer)
    {
        const Abschnitt& abschnitt = m_bericht.abschnitte[size_t(nummer)];
        const Berichtsdaten* daten = abschnitt.daten.get();
        const int zeilen = daten ? daten->zeilen() : 0;
        std::optional<GesetztesBand> kopf;
        if (abschnitt.kopf)
            kopf = bandSetzen(*abschnitt.kopf, Bandart::Kopf, {}, nummer);
        for (int z = 0; z < zeilen; ++z) {
            GesetztesBand detail = bandSetzen(abschnitt.detail, Bandart::Detail, {daten, z}, nummer);
            const double kopfhoehe = kopf ? kopf->rahmen.height() : 0;
            if (z == 0 && kopf) {
                umbrechenWennNoetig(kopfhoehe + detail.rahmen.height());
                legen(*kopf);
            } else if (mussUmbrechen(detail.rahmen.height())) {
                neueSeite();
                if (kopf && abschnitt.kopfAufJederSeite)
                    legen(*kopf);
            }
            legen(std::move(detail));
        }
        if (zeilen == 0 && kopf)
            legen(*kopf);
    }

    bool passt(double hoehe) const
    {
        return !m_layout.seiten.empty() && m_y + hoehe <= m_layout.koerper.bottom() + toleranz;
    }

    // A new page unless the band fits here or the page is still empty (then it is cut at the footer).
    bool mussUmbrechen(double hoehe) const
    {
        return m_layout.seiten.empty() || (!passt(hoehe) && m_y > m_layout.koerper.top());
    }

    void umbrechenWennNoetig(double hoehe)
    {
        if (mussUmbrechen(hoehe))
            neueSeite();
    }

    void neueSeite()
    {
        m_layout.seiten.emplace_back();
        m_y = m_layout.koerper.top();
    }

    void legen(GesetztesBand band)
    {
        umbrechenWennNoetig(band.rahmen.height());
        verschieben(band, QPointF(m_layout.koerper.left(), m_y));
        band.rahmen.setWidth(m_layout.koerper.width());
        m_y += band.rahmen.height();
        m_layout.seiten.back().baender.push_back(std::move(band));
    }

    void fuesseSetzen()
    {
        if (!m_bericht.seitenfuss)
            return;
        const int seiten = int(m_layout.seiten.size());
        for (int s = 0; s < seiten; ++s) {
            GesetztesBand fuss = bandSetzen(*m_bericht.seitenfuss, Bandart::Seitenfuss, {nullptr, -1, s + 1, seiten});
            verschieben(fuss, QPointF(m_layout.koerper.left(), m_layout.koerper.bottom()));
            fuss.rahmen.setWidth(m_layout.koerper.width());
            m_layout.seiten[size_t(s)].baender.push_back(std::move(fuss));
        }
    }

    const Bericht& m_bericht;
    Berichtslayout m_layout;
    double m_y = 0;
};
} // namespace

QStringList Berichtsseite::texte() const
{
    QStringList liste;
    for (const auto& band : baender)
        for (const auto& t : band.texte)
            liste << t.text;
    return liste;
}

Berichtslayout Umbrechen(const Bericht& bericht) { return Setzer(bericht).setzen(); }
