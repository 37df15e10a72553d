// kelvara-cli variante: the worked examples of the solver written as single-project files and
// computed by the command line program, in JSON and as text.
#include "u_testhilfen.h"
#include "balkenhilfen.h"
#include "beam/u_einzelprojekt.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace {

CliLauf lauf(const QStringList& argumente)
{
    return kelvaraCli(QStringList{QStringLiteral("variante")} + argumente);
}

class BefehlVariante : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Balkenmodell m;

    void SetUp() override
    {
        m.traverse.laenge = 10;
        m.traverse.eigenlast = 100;
    }

    QJsonObject rechne(bool mitPositionen = true)
    {
        const QString pfad = ordner.filePath(QStringLiteral("v.pre"));
        SchreibeEinzelprojekt(m, pfad);
        QStringList argumente{pfad, QStringLiteral("--json")};
        if (mitPositionen)
            argumente.append(QStringLiteral("--positionen"));
        const CliLauf a = lauf(argumente);
        EXPECT_EQ(a.code, 0) << a.fehler.toStdString();
        return QJsonDocument::fromJson(a.aus.toUtf8()).object();
    }
};

QJsonObject position(const QJsonObject& tragfall, int k) { return tragfall[u"Positionen"].toArray()[k].toObject(); }

} // namespace

TEST_F(BefehlVariante, ZweiLagerUnterEigenlastMitUndOhnePunktlast)
{
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 5);
    QJsonObject e = rechne();
    ASSERT_EQ(e[u"tragfaelle"].toArray().size(), 1);
    QJsonObject t = e[u"tragfaelle"].toArray()[0].toObject();
    EXPECT_EQ(t[u"Nummer"].toInt(), 1);
    EXPECT_DOUBLE_EQ(t[u"Lagerkraft_1"].toDouble(), 500);
    EXPECT_DOUBLE_EQ(t[u"Lagerkraft_2"].toDouble(), 500);
    EXPECT_TRUE(t[u"MaxQProz"].isNull());
    ASSERT_EQ(t[u"Positionen"].toArray().size(), 101);
    EXPECT_DOUBLE_EQ(position(t, 0)[u"X"].toDouble(), -5);
    EXPECT_DOUBLE_EQ(position(t, 0)[u"Q"].toDouble(), 500);
    EXPECT_NEAR(position(t, 100)[u"Q"].toDouble(), -500, 1e-9);
    EXPECT_NEAR(position(t, 50)[u"M"].toDouble(), -1250, 1e-9);
    EXPECT_NEAR(position(t, 100)[u"M"].toDouble(), 0, 1e-9);
    EXPECT_DOUBLE_EQ(e[u"gesamtlast"].toDouble(), 1000);
    EXPECT_EQ(e[u"lager"].toArray()[1].toObject()[u"Berechnet"].toDouble(), 500);

    fuegeLastHinzu(m, ArtKraft, 0, 0, 1000);
    e = rechne();
    t = e[u"tragfaelle"].toArray()[0].toObject();
    EXPECT_DOUBLE_EQ(t[u"Lagerkraft_1"].toDouble(), 1000);
    EXPECT_NEAR(position(t, 50)[u"Q"].toDouble(), -500, 1e-9);
    EXPECT_NEAR(position(t, 50)[u"M"].toDouble(), -3750, 1e-9);
    EXPECT_NEAR(t[u"maxM"].toDouble(), -3750, 1e-9);
}

TEST_F(BefehlVariante, DreiLagerMinimalkraftUndZusammengefassteHuelle)
{
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 5);
    fuegeLagerHinzu(m, 0, 200);
    m.minimal = true;
    const QJsonObject e = rechne(false);
    const QJsonArray t = e[u"tragfaelle"].toArray();
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[1].toObject()[u"Lager_1"].toInt(), 1);
    EXPECT_EQ(t[1].toObject()[u"Lager_2"].toInt(), 3);
    EXPECT_FALSE(t[0].toObject().contains(u"Positionen"));
    EXPECT_NEAR(t[0].toObject()[u"Lagerkraft_1"].toDouble(), 400, 1e-9);
    EXPECT_NEAR(t[0].toObject()[u"Lagerkraft_2"].toDouble(), 400, 1e-9);
    const QJsonArray h = e[u"maxima"].toArray();
    ASSERT_EQ(h.size(), 101);
    for (int k = 1; k < h.size(); ++k)
        EXPECT_LT(h[k - 1].toObject()[u"X"].toDouble(), h[k].toObject()[u"X"].toDouble());
    EXPECT_DOUBLE_EQ(e[u"auslastung"].toDouble(), 0);
}

TEST_F(BefehlVariante, NegativerTragfallUndKurzerTraeger)
{
    m.traverse.eigenlast = 0;
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, -4);
    fuegeLastHinzu(m, ArtKraft, 5, 5, 100);
    QJsonObject e = rechne();
    QJsonObject t = e[u"tragfaelle"].toArray()[0].toObject();
    EXPECT_NEAR(t[u"Lagerkraft_1"].toDouble(), -900, 1e-9);
    EXPECT_NEAR(t[u"Lagerkraft_2"].toDouble(), 1000, 1e-9);
    EXPECT_TRUE(t[u"maxQ"].isNull());
    EXPECT_TRUE(t[u"Positionen"].toArray().isEmpty());
    EXPECT_EQ(e[u"lager"].toArray()[0].toObject()[u"Berechnet"].toDouble(), 0);
    EXPECT_EQ(e[u"lager"].toArray()[1].toObject()[u"Berechnet"].toDouble(), 0);
    EXPECT_TRUE(e[u"auslastung"].isNull());
    EXPECT_EQ(e[u"meldungen"].toVariant().toStringList(),
              QStringList{QStringLiteral("Kein Tragfall hat alle Lager unter Druck")});

    m.traverse.laenge = 0.25;
    e = rechne();
    EXPECT_EQ(e[u"meldungen"].toVariant().toStringList(),
              (QStringList{QStringLiteral("Kein Tragfall hat alle Lager unter Druck"),
                           QStringLiteral("Last 1 liegt außerhalb der Traverse")}));
    t = e[u"tragfaelle"].toArray()[0].toObject();
    ASSERT_EQ(e[u"maxima"].toArray().size(), 0);
    m.negativ = true;
    e = rechne();
    t = e[u"tragfaelle"].toArray()[0].toObject();
    ASSERT_EQ(t[u"Positionen"].toArray().size(), 3);
    EXPECT_DOUBLE_EQ(position(t, 0)[u"X"].toDouble(), -0.125);
    EXPECT_NEAR(position(t, 2)[u"X"].toDouble(), 0.075, 1e-12);
}

TEST_F(BefehlVariante, WindNurAusDerFlaecheMitFaktorFuenfzig)
{
    m.berechnung.waehle(2);
    m.traverse.gurtzahl = 4;
    m.traverse.hoehe = 0.4;
    m.traverse.breite = 0;
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 5);
    fuegeLastHinzu(m, ArtKraft, 0, 0, 1000, 0.5);
    const QJsonObject e = rechne(false);
    EXPECT_NEAR(e[u"gesamtlast"].toDouble(), 105 * 10 + 12500, 1e-9);
}

TEST_F(BefehlVariante, TextausgabeZeigtTabellenAuslastungUndGesamtlast)
{
    // 500 N on a support of 1 000 N is 50 %; the truss's own shares stay far below: shear
    // 500 / 100 000 = 0,50 %, moment 1 250 / 100 000 = 1,25 %.
    m.traverse.maxQuer = 100000;
    m.traverse.maxBiege = 100000;
    fuegeLagerHinzu(m, -5, 0, 1000);
    fuegeLagerHinzu(m, 5, 0, 1000);
    const QString pfad = ordner.filePath(QStringLiteral("v.pre"));
    SchreibeEinzelprojekt(m, pfad);
    const CliLauf a = lauf({pfad});
    EXPECT_EQ(a.code, 0);
    EXPECT_TRUE(a.aus.contains(ImSystemformat(QStringLiteral("1\t1\t2\t-5,00\t5,00\t500,00\t500,00\t500,00\t-1250,00\t0,50\t1,25\n"))));
    EXPECT_TRUE(a.aus.contains(ImSystemformat(QStringLiteral("Auslastung: 50,00 %\n"))));
    EXPECT_TRUE(a.aus.contains(ImSystemformat(QStringLiteral("Gesamtlast (nur Gewichtslasten):      1000,00 N"))));
    EXPECT_FALSE(a.aus.contains(ImSystemformat(QStringLiteral("\t0,00\t-5,00\t"))));

    const CliLauf p = lauf({pfad, QStringLiteral("--positionen")});
    EXPECT_TRUE(p.aus.contains(ImSystemformat(QStringLiteral("\t0,00\t0,00\t-1250,00\n"))));
}

TEST_F(BefehlVariante, FremdeUndFehlendeDateienGebenFehlercode)
{
    const CliLauf fehlt = lauf({ordner.filePath(QStringLiteral("fehlt.pre"))});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.fehler.contains(QStringLiteral("kann nicht geöffnet werden")));
    EXPECT_EQ(lauf({}).code, 2);
    EXPECT_EQ(lauf({QStringLiteral("a.pre"), QStringLiteral("--falsch")}).code, 2);
}

TEST_F(BefehlVariante, DurchlauftraegerMitVierMotorzuegenUndDurchbiegung)
{
    // three equal spans of 8 m under 4 t evenly: 0,4 / 1,1 / 1,1 / 0,4 qL; EI 2000 kN·m²
    m.traverse.laenge = 24;
    m.traverse.eigenlast = 4000 * NproKg / 24;
    m.travEI = 2000;
    for (double x : {-12.0, -4.0, 4.0, 12.0})
        fuegeLagerHinzu(m, x);
    const QJsonObject d = rechne(false).value(QStringLiteral("durchlauftraeger")).toObject();
    const double q = m.traverse.eigenlast, l = 8;
    const QJsonArray lager = d.value(QStringLiteral("lager")).toArray();
    ASSERT_EQ(lager.size(), 4);
    const double anteil[] = {0.4, 1.1, 1.1, 0.4};
    double summe = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(lager[i].toObject().value(QStringLiteral("Nummer")).toInt(), i + 1);
        const double kraft = lager[i].toObject().value(QStringLiteral("Kraft")).toDouble();
        EXPECT_NEAR(kraft, anteil[i] * q * l, 1e-6);
        summe += kraft;
    }
    EXPECT_NEAR(summe, 4000 * NproKg, 1e-6);
    EXPECT_NEAR(d.value(QStringLiteral("maxM")).toDouble(), 0.1 * q * l * l, 1e-6);
    EXPECT_NEAR(std::fabs(d.value(QStringLiteral("maxQ")).toDouble()), 0.6 * q * l, 1e-6);
    // the end span sags most: a simple span under q less the support moment 0,1 qL² at its
    // inner end, w(x) = q·x(L³ − 2Lx² + x³)/24EI − 0,1qL²·x(L² − x²)/6LEI, scanned here
    const double ei = 2000e3;
    double wMax = 0, xMax = 0;
    for (int i = 0; i <= 80000; ++i) {
        const double x = l * i / 80000;
        const double wx = q * x * (l * l * l - 2 * l * x * x + x * x * x) / (24 * ei)
                          - 0.1 * q * l * l * x * (l * l - x * x) / (6 * l * ei);
        if (wx > wMax) {
            wMax = wx;
            xMax = x;
        }
    }
    const QJsonObject w = d.value(QStringLiteral("durchbiegung")).toObject();
    EXPECT_NEAR(w.value(QStringLiteral("max")).toDouble(), wMax, 1e-9);
    EXPECT_NEAR(std::fabs(w.value(QStringLiteral("x")).toDouble()), 12 - xMax, 1e-3);
    EXPECT_NEAR(w.value(QStringLiteral("verhaeltnis")).toDouble(), l / w.value(QStringLiteral("max")).toDouble(), 1e-6);
    EXPECT_TRUE(d.value(QStringLiteral("meldungen")).toArray().isEmpty());
}

TEST_F(BefehlVariante, DurchlauftraegerOhneEIUndMitZiehendemLager)
{
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 0);
    fuegeLagerHinzu(m, 5);
    fuegeLastHinzu(m, ArtKraft, -2.5, -2.5, 20000);
    const QJsonObject d = rechne(false).value(QStringLiteral("durchlauftraeger")).toObject();
    EXPECT_TRUE(d.value(QStringLiteral("durchbiegung")).isNull());
    const QJsonArray lager = d.value(QStringLiteral("lager")).toArray();
    ASSERT_EQ(lager.size(), 3);
    // two spans of 5 m with g = 100 N/m and P in the middle of the first: the third support
    // would pull 3P/32 − 0,375·g·5, so it is taken out and the rest carry as a simple span
    // with an overhang of 5 m
    EXPECT_EQ(lager[2].toObject().value(QStringLiteral("Kraft")).toDouble(), 0);
    const double g = 100, p = 20000;
    const double r2 = (p * 2.5 + g * 10 * 5) / 5; // moments about the first support
    EXPECT_NEAR(lager[1].toObject().value(QStringLiteral("Kraft")).toDouble(), r2, 1e-6);
    EXPECT_NEAR(lager[0].toObject().value(QStringLiteral("Kraft")).toDouble(), p + g * 10 - r2, 1e-6);
    const QJsonArray meldungen = d.value(QStringLiteral("meldungen")).toArray();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].toString().contains(QStringLiteral("3")));
}

TEST_F(BefehlVariante, DurchlauftraegerAufEinemLagerIstInstabil)
{
    fuegeLagerHinzu(m, 0);
    const QJsonObject d = rechne(false).value(QStringLiteral("durchlauftraeger")).toObject();
    EXPECT_TRUE(d.value(QStringLiteral("maxM")).isNull());
    EXPECT_TRUE(d.value(QStringLiteral("lager")).toArray()[0].toObject().value(QStringLiteral("Kraft")).isNull());
    EXPECT_EQ(d.value(QStringLiteral("meldungen")).toArray().size(), 1);
}
