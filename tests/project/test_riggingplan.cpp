// The rigging plan of a project: plan places of the supports and hoists against coordinates
// worked out here, forces against the stored support results and a hand calculation, the state
// of stored results, the drawn marks on the printed page, the spreadsheet read back with xlrd,
// the project window's "Alle Varianten berechnen" and the command line.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "fensterhilfen.h"
#include "platform/u_dialoge_skript.h"
#include "platform/u_zahlen.h"
#include "project/fo_projekt.h"
#include "project/g_riggingplan.h"
#include "project/u_projektberechnung.h"
#include "project/u_projektfelder.h"
#include "project/u_riggingplan.h"
#include "report/u_berichtslayout.h"
#include "report/u_berichtsmaler.h"
#include "u_testhilfen.h"
#include "report/fo_vorschau.h"
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace {

TField& f(TBClientDataSet& t, Feldname name) { return t.FieldByName(name); }

struct Stuetze {
    int art;
    double position, eigenlast, maximallast;
};

// A truss from (x1, y1) to (x2, y2) with one variant: length as in the plan unless laenge is
// given, self-weight g N/m, weights only, the given supports.
void traverse(Projektmodell& p, const QString& name, QPointF a, QPointF b, double g, const std::vector<Stuetze>& lager,
              std::optional<double> laenge = std::nullopt)
{
    TBClientDataSet& t = p.cds_projekt;
    t.Append();
    f(t, Projektfeld::Sortierung).SetAsInteger(0);
    f(t, Projektfeld::Name).SetAsString(name);
    f(t, Projektfeld::Position_X1).SetAsFloat(a.x());
    f(t, Projektfeld::Position_Y1).SetAsFloat(a.y());
    f(t, Projektfeld::Position_X2).SetAsFloat(b.x());
    f(t, Projektfeld::Position_Y2).SetAsFloat(b.y());
    t.Post();
    p.NeueVariante(QStringLiteral("Haupt"), QStringLiteral("Ute"));
    const Variantenverweis v = p.AktuellerVerweis();
    Balkenmodell m;
    Meldungen meldungen;
    ASSERT_TRUE(p.VarianteInEditor(v, m, meldungen));
    m.traverse.laenge = laenge.value_or(std::hypot(b.x() - a.x(), b.y() - a.y()));
    m.traverse.eigenlast = g;
    m.traverse.maxQuer = m.traverse.maxBiege = 1e9; // the supports, not the truss, decide here
    m.traversenname = QStringLiteral("F34");
    m.berechnung.waehle(0);
    int nummer = 0;
    for (const Stuetze& s : lager) {
        m.cds_lager.Append();
        f(m.cds_lager, Lagerfeld::Nummer).SetAsInteger(++nummer);
        f(m.cds_lager, Lagerfeld::Type).SetAsInteger(s.art);
        f(m.cds_lager, Lagerfeld::Position).SetAsFloat(s.position);
        f(m.cds_lager, Lagerfeld::Eigenlast).SetAsFloat(s.eigenlast);
        f(m.cds_lager, Lagerfeld::Maximallast).SetAsFloat(s.maximallast);
        m.cds_lager.Post();
    }
    ASSERT_TRUE(p.EditorInVariante(v, m, std::nullopt, meldungen));
}

// Truss 1 along x from (0, 0) to (10, 0), 100 N/m on a support at -5 and a hoist at +5
// (own weight 200 N, may carry 600 N); truss 2 at an angle from (12, 0) to (18, 8), 10 m,
// 60 N/m on hoists at -5 and +5, the second with a maximum load of 250 N.
void beispiel(Projektmodell& p)
{
    p.LeeresProjekt();
    p.name = QStringLiteral("Halle Süd");
    traverse(p, QStringLiteral("Front"), {0, 0}, {10, 0}, 100, {{ArtLager, -5, 0, 0}, {ArtMotorzug, 5, 200, 600}});
    traverse(p, QStringLiteral("Schräg"), {12, 0}, {18, 8}, 60, {{ArtMotorzug, -5, 0, 0}, {ArtMotorzug, 5, 0, 250}});
}

TEST(Riggingplan, PlanpunktLiegtVonDerMitteDesSegmentsAusEntlangDerTraverse)
{
    // (2, 1) to (10, 7): middle (6, 4), direction (0.8, 0.6)
    const auto p = Planpunkt({2, 1}, QPointF(10, 7), -2.5);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x(), 4.0, 1e-12);
    EXPECT_NEAR(p->y(), 2.5, 1e-12);
    EXPECT_FALSE(Planpunkt({2, 1}, std::nullopt, 0));
    EXPECT_FALSE(Planpunkt({2, 1}, QPointF(2, 1), 0));
}

TEST(Riggingplan, KraefteStandUndLaengeNachBerechnenAllerVarianten)
{
    SkriptDialoge skript;
    Projektmodell p;
    beispiel(p);
    Riggingplan vorher = ErstelleRiggingplan(p);
    ASSERT_EQ(vorher.traversen.size(), 2u);
    EXPECT_EQ(vorher.traversen[0].stand, Ergebnisstand::NichtBerechnet);

    p.SetzeGeaendert(false);
    AlleVariantenBerechnen(p);
    EXPECT_TRUE(p.Geaendert());
    const Riggingplan plan = ErstelleRiggingplan(p);
    const Riggingtraverse& t1 = plan.traversen[0];
    EXPECT_EQ(t1.stand, Ergebnisstand::Aktuell);
    ASSERT_EQ(t1.punkte.size(), 2u);
    // 10 m at 100 N/m on two supports at the ends: 500 N each; the hoist adds its 200 N
    EXPECT_NEAR(t1.punkte[0].kraft, 500, 1e-6);
    EXPECT_NEAR(t1.punkte[1].kraft, 700, 1e-6);
    EXPECT_NEAR(*t1.punkte[1].anteil, 700.0 / 600.0 * 100.0, 1e-9);
    EXPECT_TRUE(t1.punkte[1].Ueberlast());
    EXPECT_FALSE(t1.punkte[0].anteil);
    EXPECT_NEAR(t1.Summe(), 1200, 1e-6);
    // 10 m at 60 N/m: 300 N each, 120 % of 250 N
    const Riggingtraverse& t2 = plan.traversen[1];
    EXPECT_NEAR(t2.punkte[1].kraft, 300, 1e-6);
    EXPECT_NEAR(plan.Gesamt(), 1800, 1e-6);
    EXPECT_FALSE(t2.LaengeWeichtAb());
    EXPECT_NEAR(*t1.auslastung, 500.0 / 600.0 * 100.0, 1e-6); // the editor's share counts Berechnet only

    // plan places: (0, 0)-(10, 0) middle (5, 0); (12, 0)-(18, 8) middle (15, 4), direction (0.6, 0.8)
    EXPECT_NEAR(t1.punkte[0].plan->x(), 0, 1e-9);
    EXPECT_NEAR(t1.punkte[1].plan->x(), 10, 1e-9);
    EXPECT_NEAR(t2.punkte[0].plan->x(), 12, 1e-9);
    EXPECT_NEAR(t2.punkte[0].plan->y(), 0, 1e-9);
    EXPECT_NEAR(t2.punkte[1].plan->x(), 18, 1e-9);
    EXPECT_NEAR(t2.punkte[1].plan->y(), 8, 1e-9);

    // a stored force that a new calculation would not give is out of date
    ASSERT_TRUE(p.cds_projekt.Locate({Projektfeld::Nummer}, {1}));
    p.cds_lager.First();
    p.cds_lager.Edit();
    f(p.cds_lager, Lagerfeld::Berechnet).SetAsFloat(420);
    p.cds_lager.Post();
    EXPECT_EQ(ErstelleRiggingplan(p).traversen[0].stand, Ergebnisstand::Veraltet);
}

TEST(Riggingplan, EineAbweichendeVariantenlaengeWirdErkannt)
{
    SkriptDialoge skript;
    Projektmodell p;
    p.LeeresProjekt();
    traverse(p, QStringLiteral("Kurz"), {0, 0}, {8, 0}, 0, {{ArtLager, -3, 0, 0}}, 6.0);
    const Riggingplan plan = ErstelleRiggingplan(p);
    EXPECT_TRUE(plan.traversen[0].LaengeWeichtAb());
    EXPECT_NEAR(*plan.traversen[0].variantenlaenge, 6.0, 1e-12);
    EXPECT_NEAR(plan.traversen[0].planlaenge, 8.0, 1e-12);
}

// The page's pixel at mm on an image of dpi.
QColor pixel(const QImage& bild, QPointF mm, double dpi)
{
    return bild.pixelColor(int(std::lround(mm.x() / 25.4 * dpi)), int(std::lround(mm.y() / 25.4 * dpi)));
}

TEST(Riggingplan, MarkenStehenImDruckAnIhrenPlanorten)
{
    SkriptDialoge skript;
    Projektmodell p;
    beispiel(p);
    AlleVariantenBerechnen(p);
    const Riggingplan plan = ErstelleRiggingplan(p);
    const Grundrisswerkzeuge g(p);
    for (const Riggingpapier papier : {Riggingpapier::A4Quer, Riggingpapier::A3Quer}) {
        const Berichtslayout layout = Umbrechen(RiggingplanBericht(plan, g.Mauern(), g.Traversen(), papier, {}));
        ASSERT_GE(layout.seiten.size(), 2u);
        EXPECT_NEAR(layout.papier.width(), papier == Riggingpapier::A3Quer ? 420 : 297, 1e-9);
        const GesetzteZeichnung* z = nullptr;
        for (const GesetztesBand& b : layout.seiten[0].baender)
            for (const GesetzteZeichnung& zeichnung : b.zeichnungen)
                z = &zeichnung;
        ASSERT_NE(z, nullptr);
        const Planlage lage = PlanlageFuer(plan, g.Mauern(), z->rahmen.size());
        const double mmJeMeter = 1000.0 / lage.massstab;
        // the scale shown is one of the usual ones, and the plan fits
        EXPECT_TRUE(QList<int>({20, 25, 50, 75, 100, 125, 150, 200, 250, 500}).contains(lage.massstab));
        const auto aufSeite = [&](QPointF plan) {
            return z->rahmen.center() + (plan - lage.planmitte) * mmJeMeter;
        };
        const double dpi = 200;
        const QImage bild = SeiteAlsBild(layout, 0, dpi);
        // hoists red, the support green, at the places worked out from the truss ends
        const struct {
            QPointF plan;
            bool motor;
        } erwartet[] = {{{0, 0}, false}, {{10, 0}, true}, {{12, 0}, true}, {{18, 8}, true}, {{15 + 0.6 * 2, 4 + 0.8 * 2}, false}};
        for (int i = 0; i < 4; ++i) {
            const QColor c = pixel(bild, aufSeite(erwartet[i].plan), dpi);
            if (erwartet[i].motor)
                EXPECT_TRUE(c.red() > 150 && c.green() < 60 && c.blue() < 60) << i << " " << c.name().toStdString();
            else
                EXPECT_TRUE(c.green() > 80 && c.red() < 60 && c.blue() < 60) << i << " " << c.name().toStdString();
            EXPECT_TRUE(z->rahmen.contains(aufSeite(erwartet[i].plan)));
        }
        // no mark where no support is
        const QColor leer = pixel(bild, aufSeite(erwartet[4].plan), dpi);
        EXPECT_FALSE(leer.red() > 150 && leer.green() < 60) << leer.name().toStdString();
    }
}

TEST(Riggingplan, ListeZeigtDieGespeichertenKraefteMitSummen)
{
    SkriptDialoge skript;
    Projektmodell p;
    beispiel(p);
    AlleVariantenBerechnen(p);
    // the forces as the variants store them
    std::vector<double> gespeichert;
    for (p.cds_projekt.First(); !p.cds_projekt.Eof(); p.cds_projekt.Next())
        for (p.cds_lager.First(); !p.cds_lager.Eof(); p.cds_lager.Next())
            gespeichert.push_back(f(p.cds_lager, Lagerfeld::Berechnet).AsFloat() + f(p.cds_lager, Lagerfeld::Eigenlast).AsFloat());
    ASSERT_EQ(gespeichert.size(), 4u);
    const Grundrisswerkzeuge g(p);
    const Bericht b = RiggingplanBericht(ErstelleRiggingplan(p), g.Mauern(), g.Traversen(), Riggingpapier::A4Quer, {});
    const Berichtsdaten& liste = *b.abschnitte[0].daten;
    ASSERT_EQ(liste.zeilen(), 4 + 2 + 1); // points, a sum per truss, the total
    const QString mask = QStringLiteral("### ##0.00");
    const int zeilen[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(liste.wert(zeilen[i], 8), FormatFloat(mask, gespeichert[size_t(i)] / 9.81).trimmed());
        EXPECT_EQ(liste.wert(zeilen[i], 9), FormatFloat(QStringLiteral("0.00"), gespeichert[size_t(i)] / 1000.0));
    }
    EXPECT_EQ(liste.wert(1, 12), QStringLiteral("ÜBERLAST"));
    EXPECT_EQ(liste.wert(0, 12), QString());
    EXPECT_EQ(liste.wert(2, 8), QStringLiteral("Σ ") + FormatFloat(mask, 1200 / 9.81).trimmed());
    EXPECT_EQ(liste.wert(6, 9), QStringLiteral("Σ ") + FormatFloat(QStringLiteral("0.00"), 1.8));
    EXPECT_EQ(liste.wert(4, 6), FormatFloat(QStringLiteral("0.00"), 18.0));
    EXPECT_EQ(liste.wert(4, 7), FormatFloat(QStringLiteral("0.00"), 8.0));
}

// The example saved in the folder; its file name.
QString gespeichertesBeispiel(const QTemporaryDir& ordner)
{
    Projektmodell p;
    beispiel(p);
    const QString prp = ordner.filePath(QStringLiteral("halle.prp"));
    p.Speichern(prp);
    return prp;
}

TEST(Riggingplan, TabelleMitZahlenzellenLiestXlrdZurueck)
{
    SkriptDialoge skript;
    QTemporaryDir ordner;
    const QString prp = gespeichertesBeispiel(ordner);
    const QString xls = ordner.filePath(QStringLiteral("punkte.xls"));
    const CliLauf lauf = kelvaraCli({QStringLiteral("projekt"), prp, QStringLiteral("--berechnen"),
                                     QStringLiteral("--riggingpunkte"), xls});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    QProcess py;
    py.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KELVARA_QUELLEN "/tests/spreadsheet/xls_lesen.py"), xls});
    ASSERT_TRUE(py.waitForFinished(60000));
    ASSERT_EQ(py.exitCode(), 0) << py.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(py.readAllStandardOutput()).object();
    EXPECT_EQ(o.value(QStringLiteral("blaetter")).toArray().first().toString(), QStringLiteral("Riggingpunkte"));
    std::map<std::pair<int, int>, QJsonObject> zellen;
    for (const auto& z : o.value(QStringLiteral("zellen")).toArray())
        zellen[{z.toObject().value(QStringLiteral("zeile")).toInt(), z.toObject().value(QStringLiteral("spalte")).toInt()}] = z.toObject();
    const auto zahl = [&](int zeile, int spalte) {
        const QJsonObject z = zellen[{zeile, spalte}];
        EXPECT_EQ(z.value(QStringLiteral("typ")).toInt(), 2) << zeile << "," << spalte; // numeric
        return z.value(QStringLiteral("text")).toDouble();
    };
    // first point row: truss 1, support 1 at (0, 0) with 500 N
    EXPECT_EQ(zahl(4, 0), 1);
    EXPECT_EQ(zahl(4, 3), 1);
    EXPECT_NEAR(zahl(4, 8), 500 / 9.81, 0.005);
    EXPECT_NEAR(zahl(4, 9), 0.5, 0.0005);
    // the hoist of truss 2 at (18, 8)
    EXPECT_NEAR(zahl(8, 6), 18, 1e-9);
    EXPECT_NEAR(zahl(8, 7), 8, 1e-9);
    EXPECT_NEAR(zahl(8, 11), 120, 0.005);
    // total of the project
    EXPECT_NEAR(zahl(10, 8), 1800 / 9.81, 0.005);
    const QJsonObject gesamttext = zellen[{10, 1}];
    EXPECT_EQ(gesamttext.value(QStringLiteral("typ")).toInt(), 1);
}

TEST(Riggingplan, KommandozeileSchreibtDenPlanAlsPdf)
{
    SkriptDialoge skript;
    QTemporaryDir ordner;
    const QString prp = gespeichertesBeispiel(ordner);
    const QString pdf = ordner.filePath(QStringLiteral("plan.pdf"));
    const CliLauf lauf = kelvaraCli({QStringLiteral("bericht"), prp, pdf, QStringLiteral("--berechnen")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.aus.contains(QStringLiteral("2 Seiten"))) << lauf.aus.toStdString();
    EXPECT_TRUE(dateiInhalt(pdf).startsWith("%PDF"));
    EXPECT_EQ(kelvaraCli({QStringLiteral("bericht"), prp, QStringLiteral("--a3")}).code, 2);
}

// A project window showing the example, unchanged; it closes without a question. Calculating all
// its variants says that the sloping truss and its second support are overloaded.
const QString SchraegUeberlastet = QStringLiteral("Traverse 2 (Schräg), Variante 2 (Haupt): Auslastung über 100 %\n"
                                                  "Traverse 2 (Schräg), Variante 2 (Haupt): Lager 2: Kraft über der Maximallast");

struct Beispielfenster {
    SkriptDialoge skript;
    Tfrm_projekt fenster;
    Beispielfenster()
    {
        fenster.show();
        beispiel(fenster.projekt());
        fenster.projekt().SetzeGeaendert(false);
    }
    ~Beispielfenster() { fenster.projekt().SetzeGeaendert(false); }
    bool allesAktuell()
    {
        for (const Riggingtraverse& t : ErstelleRiggingplan(fenster.projekt()).traversen)
            if (t.stand != Ergebnisstand::Aktuell)
                return false;
        return true;
    }
};

TEST(Riggingplan, ProjektmenueBerechnetAlleVariantenUndMarkiertGeaendert)
{
    Beispielfenster b;
    Tfrm_projekt& fenster = b.fenster;
    EXPECT_FALSE(b.allesAktuell());
    ASSERT_TRUE(fenster.act_proj_calc);
    EXPECT_EQ(fenster.act_proj_calc->text(), QStringLiteral("Alle Varianten berechnen"));
    EXPECT_EQ(fenster.act_proj_print->text(), QStringLiteral("&Drucken"));
    fenster.projekt().cds_projekt.First();
    b.skript.erwarteMeldung(SchraegUeberlastet);
    fenster.act_proj_calc->trigger();
    EXPECT_TRUE(fenster.projekt().Geaendert());
    EXPECT_EQ(f(fenster.projekt().cds_projekt, Projektfeld::Nummer).AsInteger(), 1); // the user's row stays current
    EXPECT_TRUE(b.allesAktuell());
}

TEST(Riggingplan, VorschauBietetA3UndBerechnetAufWunschAlleVarianten)
{
    Beispielfenster b;
    Tfrm_projekt& fenster = b.fenster;
    double breiteVorher = 0, breiteNachher = 0;
    int seiten = 0;
    QTimer::singleShot(0, [&] {
        auto* v = qobject_cast<Tfrm_vorschau*>(QApplication::activeModalWidget());
        ASSERT_NE(v, nullptr);
        auto* papier = v->findChild<QComboBox*>(QStringLiteral("cmbPapier"));
        ASSERT_NE(papier, nullptr);
        EXPECT_EQ(papier->itemText(1), QStringLiteral("A3 quer"));
        breiteVorher = v->layout().papier.width();
        papier->setCurrentIndex(1);
        Q_EMIT papier->activated(1);
        seiten = v->seitenzahl();
        v->findChild<QPushButton*>(QStringLiteral("btnBerechnen"))->click();
        breiteNachher = v->layout().papier.width();
        v->findChild<QPushButton*>(QStringLiteral("btnSchliessen"))->click();
    });
    b.skript.erwarteMeldung(SchraegUeberlastet);
    fenster.act_proj_print->trigger();
    EXPECT_GE(seiten, 2);
    EXPECT_EQ(breiteVorher, 297.0); // A4 landscape first
    EXPECT_EQ(breiteNachher, 420.0);
    EXPECT_TRUE(fenster.projekt().Geaendert()); // the variants were calculated and stored
    EXPECT_TRUE(b.allesAktuell());
}

} // namespace
