// Floor plan without widgets: snapping, the tools on the wall and truss tables, selecting,
// moving, deleting with its questions and fitting (the painted pixels: test_grundrissbild.cpp).
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "platform/u_dialoge_skript.h"
#include "platform/u_fehler.h"
#include "project/u_grundrisswerkzeuge.h"
#include "project/u_projektfelder.h"
#include "project/u_projektmodell.h"
#include "u_testhilfen.h"
#include "grundrisshilfen.h"
#include <QLocale>
#include <gtest/gtest.h>

namespace {

TField& f(TBClientDataSet& t, Feldname name) { return t.FieldByName(name); }

using Grundriss = Grundrissaufbau;

} // namespace

TEST_F(Grundriss, RastetAufZehnMassstaebeBeiVorgabeUndBeiEinemHundertstel)
{
    const QPoint mitte(200, 150);
    EXPECT_EQ(g.Gerastet(mitte + QPoint(4, 0)), QPointF(0, 0)); // 0,4 m from the origin
    EXPECT_EQ(g.Gerastet(mitte + QPoint(6, -6)), QPointF(1, -1));
    g.massstab = 0.01;
    EXPECT_EQ(g.Gerastet(mitte + QPoint(4, 0)), QPointF(0, 0));
    EXPECT_NEAR(g.Gerastet(mitte + QPoint(6, 0)).x(), 0.1, 1e-12);
    EXPECT_NEAR(g.Gerastet(mitte + QPoint(27, 0)).x(), 0.3, 1e-12);
    // The magnification halves the pixel but keeps the snap step.
    g.massstab = 0.1;
    g.modifikatorstufe = 2;
    EXPECT_NEAR(g.BildZuPlan(mitte + QPoint(10, 0)).x(), 0.5, 1e-12);
    EXPECT_EQ(g.PlanZuBild(QPointF(1, 1)), mitte + QPoint(20, 20));
    EXPECT_EQ(g.Gerastet(mitte + QPoint(11, 0)), QPointF(1, 0));

    g.modifikatorstufe = 1;
    g.WerkzeugSetzen(WerkzeugLinie);
    g.LinksGedrueckt(mitte + QPoint(4, 3));
    EXPECT_TRUE(g.ErsterPunktGesetzt());
    EXPECT_EQ(g.Ankerpunkt(), QPointF(0, 0));
}

TEST_F(Grundriss, LinieUndRechteckMitZweiKlicksMitBreiteUndGeaendertMarke)
{
    linie(-2, 1, 3, 1);
    g.WerkzeugSetzen(WerkzeugRechteck);
    g.breite = QStringLiteral("0,5");
    klick(0, 0);
    EXPECT_EQ(g.Bewegung(g.PlanZuBild(QPointF(3, 4))).l, QStringLiteral("L: 5,00 m"));
    klick(2, 2);
    const auto m = g.Mauern();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].symbol, SymbolLinie);
    EXPECT_DOUBLE_EQ(m[0].breite, 0.3);
    EXPECT_EQ(m[0].punkte, (std::vector<QPointF>{{-2, 1}, {3, 1}}));
    EXPECT_EQ(m[1].symbol, SymbolRechteck);
    EXPECT_DOUBLE_EQ(m[1].breite, 0.5);
    EXPECT_EQ(m[1].punkte, (std::vector<QPointF>{{0, 0}, {2, 2}}));
    EXPECT_FALSE(g.ErsterPunktGesetzt());
    EXPECT_TRUE(p.Geaendert());
    EXPECT_EQ(p.cds_mauern.State(), TDataSetState::Browse);
}

TEST_F(Grundriss, BreiteOhneZahlWeistDieMauerAbOhneHalbeZeile)
{
    g.WerkzeugSetzen(WerkzeugLinie);
    g.breite = QStringLiteral("dick");
    EXPECT_EQ(fehlerVon([&] { klick(1, 1); }),
              QStringLiteral("'dick' ist kein gültiger Fließkommawert für Feld 'Breite'"));
    EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
    EXPECT_EQ(p.cds_mauern.State(), TDataSetState::Browse);
    EXPECT_FALSE(g.ErsterPunktGesetzt());
    EXPECT_FALSE(p.Geaendert());
    g.breite = QStringLiteral("0,2");
    klick(1, 1);
    klick(2, 1);
    ASSERT_EQ(g.Mauern().size(), 1u);
    EXPECT_EQ(g.Mauern()[0].punkte.size(), 2u);
}

TEST_F(Grundriss, DreiMalZweiHorizontalePodesteBeiVierSechsGebenSechsRechtecke)
{
    g.WerkzeugSetzen(WerkzeugPodestHoriz);
    EXPECT_EQ(g.breite, QStringLiteral("1"));
    g.anzahlX = 3;
    g.anzahlY = 2;
    klick(4, 6);
    const auto m = g.Mauern();
    ASSERT_EQ(m.size(), 6u);
    std::vector<std::vector<QPointF>> ecken;
    for (const Mauerbild& r : m) {
        EXPECT_EQ(r.symbol, SymbolRechteck);
        EXPECT_DOUBLE_EQ(r.breite, 0.1);
        ecken.push_back(r.punkte);
    }
    EXPECT_EQ(ecken.front(), (std::vector<QPointF>{{4, 6}, {6, 7}}));
    EXPECT_EQ(ecken[1], (std::vector<QPointF>{{4, 7}, {6, 8}}));
    EXPECT_EQ(ecken.back(), (std::vector<QPointF>{{8, 7}, {10, 8}}));

    g.WerkzeugSetzen(WerkzeugPodestVertic);
    g.anzahlX = 2;
    g.anzahlY = 1;
    klick(0, 0);
    const auto v = g.Mauern();
    ASSERT_EQ(v.size(), 8u);
    EXPECT_EQ(v[7].punkte, (std::vector<QPointF>{{1, 0}, {2, 2}}));
}

TEST_F(Grundriss, LeererPlanWirdAufDenUrsprungMitEinemTausendstelEingepasst)
{
    g.planmitte = QPointF(7, 7);
    g.Einpassen();
    EXPECT_EQ(g.planmitte, QPointF(0, 0));
    EXPECT_DOUBLE_EQ(g.massstab, 0.001);
    // A plan wider than a metre per pixel gets the coarsest scale.
    linie(-500, 0, 500, 0);
    g.Einpassen();
    EXPECT_DOUBLE_EQ(g.massstab, 1);
    EXPECT_EQ(PositionVonMassstab(g.massstab), 0);
    // A box too small for the margin still gives a scale of the list.
    g.groesse = QSize(30, 30);
    linie(0, 0, 0.01, 0);
    g.Einpassen();
    EXPECT_DOUBLE_EQ(g.massstab, 1);
}

TEST_F(Grundriss, KlickOhneZiehenWaehltWasInnerhalbFuenfMassstaebenLiegt)
{
    linie(1, 1, 1, 3);
    linie(2, 2, 4, 2);
    traverse(-1, -1, -3, -1);
    traverse(5, 5, 6, 6);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    klick(1, 3);
    klick(6, 6); // a second click selects anew
    auto m = g.Mauern();
    auto t = g.Traversen();
    EXPECT_FALSE(m[0].markiert);
    EXPECT_FALSE(t[0].markiert);
    EXPECT_TRUE(t[1].markiert);

    // Dragging from (0, 0) to (2, 2) catches the points strictly inside, widened by 0,5 m.
    g.LinksGedrueckt(g.PlanZuBild(QPointF(0, 0)));
    ASSERT_TRUE(g.Band(g.PlanZuBild(QPointF(2, 2)), true).has_value());
    g.LinksLosgelassen(g.PlanZuBild(QPointF(2, 2)));
    m = g.Mauern();
    t = g.Traversen();
    EXPECT_TRUE(m[0].markiert);
    EXPECT_TRUE(m[1].markiert);
    EXPECT_FALSE(t[1].markiert);
}

TEST_F(Grundriss, WechselVomWaehlenZurLinieDemarkiertAllesUndSetztGeaendert)
{
    linie(0, 0, 2, 0);
    traverse(0, 1, 3, 1);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(QPoint(0, 0), QPoint(399, 299));
    ASSERT_TRUE(g.Mauern()[0].markiert);
    ASSERT_TRUE(g.Traversen()[0].markiert);
    p.SetzeGeaendert(false);
    g.WerkzeugSetzen(WerkzeugVerschieben); // move keeps the marks
    EXPECT_TRUE(g.Traversen()[0].markiert);
    EXPECT_FALSE(p.Geaendert());
    g.WerkzeugSetzen(WerkzeugLinie);
    EXPECT_FALSE(g.Mauern()[0].markiert);
    EXPECT_FALSE(g.Traversen()[0].markiert);
    EXPECT_TRUE(p.Geaendert());
    EXPECT_EQ(g.breite, QStringLiteral("0,3"));

    // Under a locale with a decimal point the default width still reads as a number.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    g.WerkzeugSetzen(WerkzeugRechteck);
    const QString englisch = g.breite;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(englisch, QStringLiteral("0.3"));
}

TEST_F(Grundriss, DemarkierenTrifftAuchElementeWeitAusserhalbDerAnsicht)
{
    g.massstab = 0.001;
    linie(-10, -7.5, -9, -7.5); // where a far-off unmark rectangle would lie at this scale
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(g.PlanZuBild(QPointF(-10, -7.5)), g.PlanZuBild(QPointF(-10, -7.5)));
    ASSERT_TRUE(g.Mauern()[0].markiert);
    g.WerkzeugSetzen(WerkzeugKeins);
    EXPECT_FALSE(g.Mauern()[0].markiert);
}

TEST_F(Grundriss, VerschiebenBewegtNurMarkierteElementeUmDenKlickabstand)
{
    linie(0, 0, 2, 0);
    linie(0, 5, 2, 5);
    traverse(0, 1, 3, 1);
    g.WerkzeugSetzen(WerkzeugTraverse);
    klick(8, 8); // a truss still without its second end
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(g.PlanZuBild(QPointF(-1, -1)), g.PlanZuBild(QPointF(3, 1)));
    g.Selektieren(g.PlanZuBild(QPointF(-1, -1)), g.PlanZuBild(QPointF(9, 2)));
    g.WerkzeugSetzen(WerkzeugVerschieben);
    klick(0, 0);
    EXPECT_TRUE(g.Bewegung(g.PlanZuBild(QPointF(2, 1))).dx == QStringLiteral("dx: 2,00 m"));
    klick(2, 1);
    klick(3, 1);
    const auto m = g.Mauern();
    const auto t = g.Traversen();
    EXPECT_EQ(m[0].punkte, (std::vector<QPointF>{{3, 1}, {5, 1}}));
    EXPECT_EQ(m[1].punkte, (std::vector<QPointF>{{0, 5}, {2, 5}}));
    EXPECT_EQ(t[0].ende1, QPointF(3, 2));
    EXPECT_EQ(t[0].ende2, QPointF(6, 2));
    // The missing end of the unfinished truss counts as (0, 0) for the selection, and stays
    // missing when the truss moves.
    EXPECT_TRUE(t[1].markiert);
    EXPECT_EQ(t[1].ende1, QPointF(11, 9));
    EXPECT_FALSE(t[1].ende2.has_value());
}

TEST_F(Grundriss, LoeschenEinerTraverseFragtNachIhrUndNeinBehaeltSie)
{
    linie(0, 0, 2, 0);
    traverse(0, 1, 3, 1);
    p.cds_projekt.Edit();
    f(p.cds_projekt, Projektfeld::Name).SetAsString(QStringLiteral("Front"));
    p.cds_projekt.Post();
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("V1"), {}));
    traverse(0, 20, 3, 20); // outside the rectangle below
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(g.PlanZuBild(QPointF(-1, -1)), g.PlanZuBild(QPointF(4, 2)));

    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("Gewählte Elemente löschen?"))
        .erwarteFrage(Antwort::Nein, QStringLiteral("Soll Traverse 1 (Front) gelöscht werden?"));
    g.Loeschen(FrageBejaht);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
    EXPECT_EQ(p.cds_projekt.RecordCount(), 2);

    d.erwarteFrage(Antwort::Ja, QStringLiteral("Gewählte Elemente löschen?"))
        .erwarteFrage(Antwort::Ja, QStringLiteral("Soll Traverse 1 (Front) gelöscht werden?"));
    g.Loeschen(FrageBejaht);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
    ASSERT_EQ(p.cds_projekt.RecordCount(), 1);
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Nummer).AsInteger(), 2);
}

TEST_F(Grundriss, LoeschenMehrererTraversenFragtEinmalMitIhrerAnzahl)
{
    linie(0, 0, 2, 0);
    traverse(0, 1, 3, 1);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("V1"), {}));
    traverse(0, 2, 3, 2);
    traverse(0, 3, 3, 3);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(QPoint(0, 0), QPoint(399, 299));

    SkriptDialoge d;
    const QString frage = QStringLiteral("Gewählte Elemente löschen?\r\nDarunter sind 3 Traversen mit allen ihren Varianten.");
    d.erwarteFrage(Antwort::Nein, frage);
    g.Loeschen(FrageBejaht);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(p.cds_mauern.RecordCount(), 1);
    EXPECT_EQ(p.cds_projekt.RecordCount(), 3);

    d.erwarteFrage(Antwort::Ja, frage);
    g.Loeschen(FrageBejaht);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
    EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
    EXPECT_EQ(p.cds_projekt.RecordCount(), 0);
}

// Trusses 1 and 2 are marked. A load on truss 3 refers to each of them, a load on truss 2 to
// truss 1: only the two loads on truss 3 are named, in one warning; the one on truss 2 goes
// with it. No keeps everything, walls included.
TEST_F(Grundriss, LoeschenMehrererTraversenWarntEinmalVorAllenVerweisenVonAussen)
{
    const auto kraftlast = [&](int nummer, const char* ziel) {
        p.cds_lasten.Append();
        f(p.cds_lasten, Lastfeld::Nummer).SetAsInteger(nummer);
        f(p.cds_lasten, Lastfeld::Name).SetAsString(QString::fromLatin1(ziel));
        f(p.cds_lasten, Lastfeld::Type).SetAsInteger(ArtTraversenkraft);
        p.cds_lasten.Post();
    };
    linie(0, 0, 2, 0);
    traverse(0, 1, 3, 1);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("V1"), {}));
    traverse(0, 2, 3, 2);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("V2"), {}));
    kraftlast(1, "T1|V1|L1|");
    traverse(0, 20, 3, 20);
    p.cds_projekt.Edit();
    f(p.cds_projekt, Projektfeld::Name).SetAsString(QStringLiteral("Hinten"));
    p.cds_projekt.Post();
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("H"), {}));
    kraftlast(5, "T1|V1|L2|");
    kraftlast(6, "T2|V2|L1|");
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(g.PlanZuBild(QPointF(-1, -1)), g.PlanZuBild(QPointF(4, 2)));

    SkriptDialoge d;
    const QString frage = QStringLiteral("Gewählte Elemente löschen?\r\nDarunter sind 2 Traversen mit allen ihren Varianten.");
    const QString warnung = QStringLiteral("Diese Traversenkräfte anderer Varianten verweisen darauf:\r\n"
                                           "Traverse 3 (Hinten), Variante 3: Last 5\r\n"
                                           "Traverse 3 (Hinten), Variante 3: Last 6\r\n"
                                           "Sie werden danach mit 0 gerechnet. Trotzdem löschen?");
    d.erwarteFrage(Antwort::Ja, frage).erwarteFrage(Antwort::Nein, warnung);
    g.Loeschen(FrageBejaht);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(p.cds_mauern.RecordCount(), 1);
    EXPECT_EQ(p.cds_projekt.RecordCount(), 3);

    d.erwarteFrage(Antwort::Ja, frage).erwarteFrage(Antwort::Ja, warnung);
    g.Loeschen(FrageBejaht);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
    EXPECT_EQ(p.cds_mauern.RecordCount(), 0);
    ASSERT_EQ(p.cds_projekt.RecordCount(), 1);
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Name).AsString(), QStringLiteral("Hinten"));
}

TEST_F(Grundriss, LoeschenMitNeinAufDieErsteFrageLaesstAllesStehen)
{
    linie(0, 0, 2, 0);
    g.WerkzeugSetzen(WerkzeugSelektieren);
    g.Selektieren(QPoint(0, 0), QPoint(399, 299));
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Nein, QStringLiteral("Gewählte Elemente löschen?"));
    g.Loeschen(FrageBejaht);
    EXPECT_EQ(p.cds_mauern.RecordCount(), 1);
    EXPECT_TRUE(d.unerwartet.isEmpty());
}
