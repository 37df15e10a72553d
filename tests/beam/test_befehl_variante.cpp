// kelvara-cli variante: the worked examples of the solver written as single-project files and
// computed by the command line program, in JSON and as text.
#include "u_testhilfen.h"
#include "balkenhilfen.h"
#include "beam/u_einzelprojekt.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
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
