#include "project/u_grundrisswerkzeuge.h"
#include "language/u_uebersetzung.h"
#include "platform/u_bildpunkt.h"
#include "platform/u_zahlen.h"
#include "project/u_projektfelder.h"
#include "project/u_projektmodell.h"
#include <QRectF>
#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <utility>

namespace {
constexpr double Massstaebe[MassstabStufen] = {1, 0.5, 0.2, 0.1, 0.05, 0.02, 0.01, 0.005, 0.002, 0.001};



QString meter(const char* vorsatz, double wert)
{
    return QString::fromUtf8(vorsatz) + FormatFloat(QStringLiteral("0.00 m"), wert);
}

// Walks every row of t with the grids detached and puts the cursor back afterwards.
template <typename F> void jedeZeile(TBClientDataSet& t, F&& f, bool rueckwaerts = false)
{
    const int gemerkt = t.RecNo();
    t.DisableControls();
    try {
        for (int i = 1; i <= t.RecordCount(); ++i) {
            t.SetRecNo(rueckwaerts ? t.RecordCount() + 1 - i : i);
            f();
        }
    } catch (...) {
        t.SetRecNo(gemerkt);
        t.EnableControls();
        throw;
    }
    t.SetRecNo(gemerkt);
    t.EnableControls();
}

// A walk from the last row that deletes rows as it goes.
template <typename F> void vonHintenLoeschend(TBClientDataSet& t, F&& f)
{
    t.DisableControls();
    try {
        for (int i = t.RecordCount(); i >= 1; --i) {
            t.SetRecNo(i);
            f();
        }
    } catch (...) {
        t.EnableControls();
        throw;
    }
    t.EnableControls();
}

void leere(TBClientDataSet& t)
{
    while (t.RecordCount() > 0) {
        t.First();
        t.Delete();
    }
}
} // namespace

double MassstabBei(int position) { return Massstaebe[std::clamp(position, 0, MassstabStufen - 1)]; }

int PositionVonMassstab(double massstab)
{
    for (int i = 0; i < MassstabStufen; ++i)
        if (std::abs(Massstaebe[i] - massstab) < 0.0005)
            return i;
    return -1;
}

Grundrisswerkzeuge::Grundrisswerkzeuge(Projektmodell& projekt) : m_projekt(projekt) {}

QPoint Planabbildung::PlanZuBild(QPointF plan) const
{
    return {BildpunktHalbGerade((plan.x() - planmitte.x()) / Pixelgroesse()) + groesse.width() / 2,
            BildpunktHalbGerade((plan.y() - planmitte.y()) / Pixelgroesse()) + groesse.height() / 2};
}

QPointF Planabbildung::BildZuPlan(QPoint pixel) const
{
    return {planmitte.x() + Pixelgroesse() * (pixel.x() - groesse.width() / 2),
            planmitte.y() + Pixelgroesse() * (pixel.y() - groesse.height() / 2)};
}

QPointF Grundrisswerkzeuge::Gerastet(QPoint pixel) const
{
    const double raster = 10 * massstab;
    const QPointF p = BildZuPlan(pixel);
    return {raster * std::nearbyint(p.x() / raster), raster * std::nearbyint(p.y() / raster)};
}

void Grundrisswerkzeuge::WerkzeugSetzen(int werkzeug)
{
    m_werkzeug = werkzeug;
    m_ersterPunkt = false;
    m_offeneNummer = 0;
    // "0,3" with the locale's separator, so that the default width always reads back
    if (werkzeug == WerkzeugLinie || werkzeug == WerkzeugRechteck)
        breite = FormatFloat(QStringLiteral("0.0"), 0.3);
    else if (werkzeug == WerkzeugPodestHoriz || werkzeug == WerkzeugPodestVertic) {
        breite = QStringLiteral("1");
        anzahlX = anzahlY = 1;
    }
    if (werkzeug != WerkzeugSelektieren && werkzeug != WerkzeugVerschieben)
        AllesDemarkieren();
}

Planinfo Grundrisswerkzeuge::Bewegung(QPoint pixel) const
{
    Planinfo info;
    const QPointF p = Gerastet(pixel);
    info.x = meter("x: ", p.x());
    info.y = meter("y: ", p.y());
    const bool mitAnker = m_werkzeug == WerkzeugSelektieren
        || (m_ersterPunkt
            && (m_werkzeug == WerkzeugLinie || m_werkzeug == WerkzeugRechteck
                || m_werkzeug == WerkzeugVerschieben || m_werkzeug == WerkzeugTraverse));
    if (mitAnker) {
        const double dx = p.x() - m_anker.x(), dy = p.y() - m_anker.y();
        info.dx = meter("dx: ", dx);
        info.dy = meter("dy: ", dy);
        info.l = meter("L: ", std::sqrt(dx * dx + dy * dy));
        info.w = QStringLiteral("W: ")
            + FormatFloat(QStringLiteral("0.00° "), std::atan2(dy, dx) * 180 / std::numbers::pi);
    }
    return info;
}

std::optional<Gummiband> Grundrisswerkzeuge::Band(QPoint kreuz, bool linksGedrueckt) const
{
    const QPoint anker = PlanZuBild(m_anker);
    if ((m_werkzeug == WerkzeugSelektieren && linksGedrueckt) || (m_werkzeug == WerkzeugRechteck && m_ersterPunkt))
        return Gummiband{Gummiband::Rechteck, anker, kreuz};
    if ((m_werkzeug == WerkzeugLinie || m_werkzeug == WerkzeugTraverse) && m_ersterPunkt)
        return Gummiband{Gummiband::Linie, anker, kreuz};
    return std::nullopt;
}

void Grundrisswerkzeuge::neueMauer(int symbol)
{
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    mauern.Append();
    try {
        mauern.FieldByName(Mauerfeld::Symbol).SetAsInteger(symbol);
        mauern.FieldByName(Mauerfeld::Breite).SetAsString(breite);
    } catch (...) {
        mauern.Cancel(); // a refused width leaves no half row behind
        throw;
    }
    mauern.Post();
}

void Grundrisswerkzeuge::podeste(QPointF p)
{
    if (anzahlX < 1)
        return;
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    TBClientDataSet& punkte = m_projekt.cds_punkte;
    const bool horizontal = m_werkzeug == WerkzeugPodestHoriz;
    const double bx = horizontal ? 2 : 1, by = horizontal ? 1 : 2;
    for (int i = 1; i <= anzahlX; ++i)
        for (int j = 1; j <= anzahlY; ++j) {
            mauern.Append();
            mauern.FieldByName(Mauerfeld::Symbol).SetAsInteger(SymbolRechteck);
            mauern.FieldByName(Mauerfeld::Breite).SetAsFloat(0.1);
            mauern.Post();
            for (const QPointF& ecke : {QPointF(p.x() + bx * (i - 1), p.y() + by * (j - 1)),
                                        QPointF(p.x() + bx * i, p.y() + by * j)}) {
                punkte.Append();
                punkte.FieldByName(Punktfeld::X).SetAsFloat(ecke.x());
                punkte.FieldByName(Punktfeld::Y).SetAsFloat(ecke.y());
                punkte.Post();
            }
            mauern.CheckBrowseMode();
        }
}

void Grundrisswerkzeuge::verschiebe(QPointF d)
{
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    TBClientDataSet& punkte = m_projekt.cds_punkte;
    jedeZeile(mauern, [&] {
        if (!mauern.FieldByName(Mauerfeld::markiert).AsBoolean())
            return;
        for (int i = 1; i <= punkte.RecordCount(); ++i) {
            punkte.SetRecNo(i);
            punkte.Edit();
            punkte.FieldByName(Punktfeld::X).SetAsFloat(punkte.FieldByName(Punktfeld::X).AsFloat() + d.x());
            punkte.FieldByName(Punktfeld::Y).SetAsFloat(punkte.FieldByName(Punktfeld::Y).AsFloat() + d.y());
            punkte.Post();
        }
        mauern.CheckBrowseMode();
    }, true);
    TBClientDataSet& traversen = m_projekt.cds_projekt;
    jedeZeile(traversen, [&] {
        if (!traversen.FieldByName(Projektfeld::markiert).AsBoolean())
            return;
        traversen.Edit();
        // A missing second end stays missing: moving must not invent one.
        const auto verschiebe = [&traversen](Feldname name, double um) {
            TField& feld = traversen.FieldByName(name);
            if (!feld.IsNull())
                feld.SetAsFloat(feld.AsFloat() + um);
        };
        verschiebe(Projektfeld::Position_X1, d.x());
        verschiebe(Projektfeld::Position_X2, d.x());
        verschiebe(Projektfeld::Position_Y1, d.y());
        verschiebe(Projektfeld::Position_Y2, d.y());
        traversen.Post();
    }, true);
}

void Grundrisswerkzeuge::LinksGedrueckt(QPoint pixel)
{
    const QPointF p = Gerastet(pixel);
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    TBClientDataSet& punkte = m_projekt.cds_punkte;
    TBClientDataSet& traversen = m_projekt.cds_projekt;
    const auto punkt = [&] {
        punkte.Append();
        punkte.FieldByName(Punktfeld::X).SetAsFloat(p.x());
        punkte.FieldByName(Punktfeld::Y).SetAsFloat(p.y());
        punkte.Post();
    };
    switch (m_werkzeug) {
    case WerkzeugLinie:
    case WerkzeugRechteck:
        if (!m_ersterPunkt) {
            neueMauer(m_werkzeug == WerkzeugLinie ? SymbolLinie : SymbolRechteck);
            m_offeneNummer = mauern.FieldByName(Mauerfeld::Nummer).AsInteger();
            punkt();
            m_anker = p;
            m_ersterPunkt = true;
        } else {
            m_ersterPunkt = false;
            if (!mauern.Locate({Mauerfeld::Nummer}, {m_offeneNummer}))
                return; // the wall was deleted meanwhile
            punkt();
            mauern.CheckBrowseMode();
        }
        break;
    case WerkzeugPodestHoriz:
    case WerkzeugPodestVertic:
        podeste(p);
        break;
    case WerkzeugSelektieren:
        m_anker = p;
        m_druckpunkt = pixel;
        break;
    case WerkzeugVerschieben:
        if (m_ersterPunkt)
            verschiebe(p - m_anker);
        m_anker = p;
        m_ersterPunkt = true;
        break;
    case WerkzeugTraverse:
        if (!m_ersterPunkt) {
            traversen.Append();
            traversen.FieldByName(Projektfeld::Position_X1).SetAsFloat(p.x());
            traversen.FieldByName(Projektfeld::Position_Y1).SetAsFloat(p.y());
            traversen.FieldByName(Projektfeld::Sortierung).SetAsInteger(0);
            traversen.Post();
            m_offeneNummer = traversen.FieldByName(Projektfeld::Nummer).AsInteger();
            m_anker = p;
            m_ersterPunkt = true;
        } else {
            m_ersterPunkt = false;
            if (!traversen.Locate({Projektfeld::Nummer}, {m_offeneNummer}))
                return;
            traversen.Edit();
            traversen.FieldByName(Projektfeld::Position_X2).SetAsFloat(p.x());
            traversen.FieldByName(Projektfeld::Position_Y2).SetAsFloat(p.y());
            traversen.Post();
        }
        break;
    default:
        break;
    }
}

void Grundrisswerkzeuge::LinksLosgelassen(QPoint pixel)
{
    if (m_werkzeug != WerkzeugSelektieren)
        return;
    Selektieren(PlanZuBild(m_anker), pixel);
    if ((pixel - m_druckpunkt).manhattanLength() <= 3) // a click, not a rectangle
        markiereNaechsteTraverse(BildZuPlan(pixel), 5 * massstab);
}

void Grundrisswerkzeuge::Zentrieren(QPoint pixel) { planmitte = Gerastet(pixel); }

bool Grundrisswerkzeuge::ZoomUm(QPoint pixel, int schritte)
{
    const int position = PositionVonMassstab(massstab);
    const int ziel = std::clamp((position < 0 ? PositionVonMassstab(0.1) : position) + schritte, 0, MassstabStufen - 1);
    if (ziel == position)
        return false;
    const QPointF unterDemZeiger = BildZuPlan(pixel);
    massstab = Massstaebe[ziel];
    planmitte += unterDemZeiger - BildZuPlan(pixel);
    return true;
}

void Grundrisswerkzeuge::Verschieben(QPoint von, QPoint bis) { planmitte -= QPointF(bis - von) * Pixelgroesse(); }

void Grundrisswerkzeuge::Abbrechen()
{
    const bool offen = m_ersterPunkt && m_offeneNummer != 0;
    m_ersterPunkt = false;
    if (!offen)
        return;
    const int nummer = std::exchange(m_offeneNummer, 0);
    if (m_werkzeug == WerkzeugTraverse) {
        if (m_projekt.cds_projekt.Locate({Projektfeld::Nummer}, {nummer}))
            m_projekt.TraverseLoeschen();
    } else if (m_werkzeug == WerkzeugLinie || m_werkzeug == WerkzeugRechteck) {
        if (m_projekt.cds_mauern.Locate({Mauerfeld::Nummer}, {nummer})) {
            leere(m_projekt.cds_punkte);
            m_projekt.cds_mauern.Delete();
        }
    }
}

bool Grundrisswerkzeuge::StufeSetzen(int stufe, std::optional<QPoint> cursor)
{
    if (stufe == modifikatorstufe || (stufe > 1 && !cursor))
        return false;
    if (modifikatorstufe == 1)
        m_lupenmitte = planmitte;
    if (stufe > 1)
        Zentrieren(*cursor);
    else
        planmitte = m_lupenmitte;
    modifikatorstufe = stufe;
    return true;
}

void Grundrisswerkzeuge::markiereMauern(const auto& drinnen)
{
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    TBClientDataSet& punkte = m_projekt.cds_punkte;
    jedeZeile(mauern, [&] {
        bool markiert = false;
        for (int i = 1; i <= punkte.RecordCount(); ++i)
            markiert = markiert
                || drinnen(QPointF(punkte.WertBei(i, punkte.FieldByName(Punktfeld::X).Index()).toDouble(),
                                   punkte.WertBei(i, punkte.FieldByName(Punktfeld::Y).Index()).toDouble()));
        mauern.Edit();
        mauern.FieldByName(Mauerfeld::markiert).SetAsBoolean(markiert);
        mauern.Post();
    });
}

void Grundrisswerkzeuge::markiereTraversen(const auto& drinnen)
{
    TBClientDataSet& traversen = m_projekt.cds_projekt;
    jedeZeile(traversen, [&] {
        const QPointF ende1(traversen.FieldByName(Projektfeld::Position_X1).AsFloat(),
                            traversen.FieldByName(Projektfeld::Position_Y1).AsFloat());
        const QPointF ende2(traversen.FieldByName(Projektfeld::Position_X2).AsFloat(),
                            traversen.FieldByName(Projektfeld::Position_Y2).AsFloat());
        traversen.Edit();
        traversen.FieldByName(Projektfeld::markiert).SetAsBoolean(drinnen(ende1) || drinnen(ende2));
        traversen.Post();
    });
}

void Grundrisswerkzeuge::Selektieren(QPoint ecke1, QPoint ecke2)
{
    const double rand = 5 * massstab;
    const QRectF r = QRectF(BildZuPlan(ecke1), BildZuPlan(ecke2)).normalized().adjusted(-rand, -rand, rand, rand);
    const auto drinnen = [&](QPointF p) {
        return p.x() > r.left() && p.x() < r.right() && p.y() > r.top() && p.y() < r.bottom();
    };
    markiereMauern(drinnen);
    markiereTraversen(drinnen);
}

void Grundrisswerkzeuge::markiereNaechsteTraverse(QPointF p, double hoechstens)
{
    std::optional<int> naechste;
    double abstand = hoechstens;
    for (const Traversenbild& t : Traversen()) {
        if (!t.ende2)
            continue;
        const QPointF d = *t.ende2 - t.ende1;
        const double laenge2 = QPointF::dotProduct(d, d);
        const double s = laenge2 > 0 ? std::clamp(QPointF::dotProduct(p - t.ende1, d) / laenge2, 0.0, 1.0) : 0;
        const QPointF fuss = t.ende1 + s * d;
        const double a = std::hypot(p.x() - fuss.x(), p.y() - fuss.y());
        if (a <= abstand) {
            abstand = a;
            naechste = t.nummer;
        }
    }
    TBClientDataSet& traversen = m_projekt.cds_projekt;
    if (!naechste)
        return;
    const int gemerkt = traversen.RecNo();
    if (traversen.Locate({Projektfeld::Nummer}, {*naechste})) {
        traversen.Edit();
        traversen.FieldByName(Projektfeld::markiert).SetAsBoolean(true);
        traversen.Post();
    }
    traversen.SetRecNo(gemerkt);
}

// Unmarking must not depend on where the view is: a rectangle far off screen would still catch
// elements at fine scales, so every element is unmarked directly.
void Grundrisswerkzeuge::AllesDemarkieren()
{
    const auto nirgends = [](QPointF) { return false; };
    markiereMauern(nirgends);
    markiereTraversen(nirgends);
}

bool TrotzVerweisenLoeschen(const Lastverweise& verweise, const Rueckfrage& frage)
{
    if (verweise.empty())
        return true;
    return frage(Uebersetzt(2811, QStringLiteral("Diese Traversenkräfte anderer Varianten verweisen darauf:"))
                 + QStringLiteral("\r\n") + Verweistext(verweise) + QStringLiteral("\r\n")
                 + Uebersetzt(2812, QStringLiteral("Sie werden danach mit 0 gerechnet. Trotzdem löschen?")));
}

void Grundrisswerkzeuge::Loeschen(const Rueckfrage& bejaht)
{
    std::vector<int> markierte;
    for (const Traversenbild& t : Traversen())
        if (t.markiert)
            markierte.push_back(t.nummer);
    // Several trusses are asked for together, and their references warned of in one list;
    // a single truss keeps its own question.
    const bool zusammen = markierte.size() > 1;
    QString frage = Uebersetzt(1901, QStringLiteral("Gewählte Elemente löschen?"));
    if (zusammen)
        frage += QStringLiteral("\r\n")
            + Format(Uebersetzt(2771, QStringLiteral("Darunter sind %d Traversen mit allen ihren Varianten.")),
                     {int(markierte.size())});
    if (!bejaht(frage))
        return;
    if (zusammen && !TrotzVerweisenLoeschen(verweiseVonAussen(markierte), bejaht))
        return;
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    vonHintenLoeschend(mauern, [&] {
        if (!mauern.FieldByName(Mauerfeld::markiert).AsBoolean())
            return;
        leere(m_projekt.cds_punkte);
        mauern.Delete();
    });
    TBClientDataSet& traversen = m_projekt.cds_projekt;
    vonHintenLoeschend(traversen, [&] {
        if (!traversen.FieldByName(Projektfeld::markiert).AsBoolean())
            return;
        if (!zusammen) {
            const QString frage = Format(Uebersetzt(1802, QStringLiteral("Soll Traverse %d (%s) gelöscht werden?")),
                                         {traversen.FieldByName(Projektfeld::Nummer).AsInteger(),
                                          traversen.FieldByName(Projektfeld::Name).AsString()});
            if (!bejaht(frage)
                || !TrotzVerweisenLoeschen(
                    m_projekt.Kraftverweise(traversen.FieldByName(Projektfeld::Nummer).AsInteger()), bejaht))
                return;
        }
        m_projekt.TraverseLoeschen();
    });
    m_ersterPunkt = false; // the element waiting for its second click may be gone
}

// The truss-force loads that refer to one of the trusses from a truss that stays; loads on the
// trusses themselves go with them.
Lastverweise Grundrisswerkzeuge::verweiseVonAussen(const std::vector<int>& traversen)
{
    Lastverweise verweise;
    for (int nummer : traversen)
        for (const Lastverweis& v : m_projekt.Kraftverweise(nummer))
            if (std::ranges::find(traversen, v.traverse) == traversen.end())
                verweise.push_back(v);
    return verweise;
}

void Grundrisswerkzeuge::einpassen(const std::vector<QPointF>& punkte)
{
    double xmin = INT_MAX, ymin = INT_MAX, xmax = -INT_MAX, ymax = -INT_MAX;
    for (const QPointF& p : punkte) {
        xmin = std::min(xmin, p.x());
        xmax = std::max(xmax, p.x());
        ymin = std::min(ymin, p.y());
        ymax = std::max(ymax, p.y());
    }
    planmitte = QPointF((xmin + xmax) / 2, (ymin + ymax) / 2);
    // A box of 40 pixels or less would divide by zero or turn the scale round.
    const double q = std::max((xmax - xmin) / std::max(1, groesse.width() - 40),
                              (ymax - ymin) / std::max(1, groesse.height() - 40));
    massstab = Massstaebe[0];
    for (double m : Massstaebe)
        if (q <= m)
            massstab = m;
}

void Grundrisswerkzeuge::Einpassen()
{
    std::vector<QPointF> punkte;
    for (const Mauerbild& m : Mauern())
        punkte.insert(punkte.end(), m.punkte.begin(), m.punkte.end());
    for (const Traversenbild& t : Traversen()) {
        punkte.push_back(t.ende1);
        punkte.push_back(t.ende2.value_or(QPointF(0, 0)));
    }
    einpassen(punkte);
}

bool Grundrisswerkzeuge::AuswahlEinpassen()
{
    std::vector<QPointF> punkte;
    for (const Mauerbild& m : Mauern())
        if (m.markiert)
            punkte.insert(punkte.end(), m.punkte.begin(), m.punkte.end());
    for (const Traversenbild& t : Traversen())
        if (t.markiert) {
            punkte.push_back(t.ende1);
            if (t.ende2)
                punkte.push_back(*t.ende2);
        }
    if (punkte.empty())
        return false;
    einpassen(punkte);
    return true;
}

std::vector<Mauerbild> Grundrisswerkzeuge::Mauern() const
{
    std::vector<Mauerbild> liste;
    TBClientDataSet& mauern = m_projekt.cds_mauern;
    TBClientDataSet& punkte = m_projekt.cds_punkte;
    const int x = punkte.FieldByName(Punktfeld::X).Index(), y = punkte.FieldByName(Punktfeld::Y).Index();
    jedeZeile(mauern, [&] {
        Mauerbild m;
        m.symbol = mauern.FieldByName(Mauerfeld::Symbol).AsInteger();
        m.breite = mauern.FieldByName(Mauerfeld::Breite).AsFloat();
        m.markiert = mauern.FieldByName(Mauerfeld::markiert).AsBoolean();
        for (int i = 1; i <= punkte.RecordCount(); ++i)
            m.punkte.emplace_back(punkte.WertBei(i, x).toDouble(), punkte.WertBei(i, y).toDouble());
        liste.push_back(std::move(m));
    });
    return liste;
}

std::vector<Traversenbild> Grundrisswerkzeuge::Traversen() const
{
    std::vector<Traversenbild> liste;
    TBClientDataSet& t = m_projekt.cds_projekt;
    const int nummer = t.FieldByName(Projektfeld::Nummer).Index(),
              markiert = t.FieldByName(Projektfeld::markiert).Index();
    const int x1 = t.FieldByName(Projektfeld::Position_X1).Index(), y1 = t.FieldByName(Projektfeld::Position_Y1).Index();
    const int x2 = t.FieldByName(Projektfeld::Position_X2).Index(), y2 = t.FieldByName(Projektfeld::Position_Y2).Index();
    for (int i = 1; i <= t.RecordCount(); ++i) {
        Traversenbild b;
        b.nummer = t.WertBei(i, nummer).toInt();
        b.markiert = t.WertBei(i, markiert).toBool();
        b.ende1 = QPointF(t.WertBei(i, x1).toDouble(), t.WertBei(i, y1).toDouble());
        if (t.WertBei(i, x2).isValid())
            b.ende2 = QPointF(t.WertBei(i, x2).toDouble(), t.WertBei(i, y2).toDouble());
        liste.push_back(b);
    }
    return liste;
}
