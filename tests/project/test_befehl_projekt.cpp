// kelvara-cli projekt: a project of two trusses, one hanging a truss-force load on the other's
// stored support force, listed and computed by the command line program.
#include "u_testhilfen.h"
#include "beam/u_balkenmodell.h"
#include "project/u_projektfelder.h"
#include "project/u_projektmodell.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CliLauf lauf(const QStringList& argumente)
{
    return kelvaraCli(QStringList{QStringLiteral("projekt")} + argumente);
}

void zeile(TBClientDataSet& t, std::initializer_list<std::pair<Feldname, QVariant>> werte)
{
    t.Append();
    for (const auto& [name, wert] : werte)
        t.FieldByName(name).SetValue(wert);
    t.Post();
}

// Truss 1 (10 m, supports at ±5) with a stored support force 1000 + 50 on support 2; truss 2
// (10 m, supports at ±5) carries at its middle a truss-force load on that support and a second
// one whose reference is malformed; its supports may carry 500 N each.
QString schreibeProjekt(const QTemporaryDir& ordner)
{
    Projektmodell p;
    p.name = QStringLiteral("Halle");
    p.bearbeiter = QStringLiteral("Jörg");
    for (int t = 0; t < 2; ++t) {
        zeile(p.cds_projekt, {{Projektfeld::Sortierung, 0}, {Projektfeld::Name, QStringLiteral("T%1").arg(t + 1)},
                              {Projektfeld::Position_X1, 0.0}, {Projektfeld::Position_Y1, 0.0}, {Projektfeld::Position_X2, 10.0},
                              {Projektfeld::Position_Y2, 0.0}});
        p.NeueVariante(QStringLiteral("V"), QString());
        p.cds_varianten.Edit();
        // without the mode key the settings reading picks the last mode, wind only
        p.cds_varianten.FieldByName(Variantenfeld::Einstellungen)
            .SetAsString(QStringLiteral("TravLaenge=10,00\r\nTravMaxBiege=100000\r\nTravMaxQuer=100000\r\n"
                                        "Berechnung=nur Gewichtslasten\r\n"));
        p.cds_varianten.Post();
        for (int l = 1; l <= 2; ++l)
            zeile(p.cds_lager, {{Lagerfeld::Nummer, l}, {Lagerfeld::Name, QStringLiteral("L%1").arg(l)}, {Lagerfeld::Type, ArtLager},
                                {Lagerfeld::Position, l == 1 ? -5.0 : 5.0}, {Lagerfeld::Eigenlast, l == 2 && t == 0 ? 50.0 : 0.0},
                                {Lagerfeld::Berechnet, l == 2 && t == 0 ? 1000.0 : 0.0},
                                {Lagerfeld::Maximallast, t == 1 ? 500.0 : 0.0}});
    }
    zeile(p.cds_lasten, {{Lastfeld::Nummer, 1}, {Lastfeld::Name, QStringLiteral("T1|V1|L2|")}, {Lastfeld::Type, ArtTraversenkraft},
                         {Lastfeld::Pos1, 0.0}, {Lastfeld::Pos2, 0.0}, {Lastfeld::Last, 0.0}});
    zeile(p.cds_lasten, {{Lastfeld::Nummer, 2}, {Lastfeld::Name, QStringLiteral("T1|X1|L2|")}, {Lastfeld::Type, ArtTraversenkraft},
                         {Lastfeld::Pos1, 0.0}, {Lastfeld::Pos2, 0.0}, {Lastfeld::Last, 0.0}});
    p.cds_varianten.Edit();
    p.cds_varianten.FieldByName(Variantenfeld::Auslastung).SetAsFloat(3);
    p.cds_varianten.Post();
    const QString pfad = ordner.filePath(QStringLiteral("p.prp"));
    p.Speichern(pfad);
    return pfad;
}

} // namespace

TEST(BefehlProjekt, ListetTraversenUndVariantenUndRechnetTraversenkraftAusGespeichertemLager)
{
    QTemporaryDir ordner;
    const QString pfad = schreibeProjekt(ordner);

    const CliLauf liste = lauf({pfad, QStringLiteral("--json")});
    ASSERT_EQ(liste.code, 0) << liste.fehler.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(liste.aus.toUtf8()).object();
    EXPECT_EQ(o[u"name"].toString(), QStringLiteral("Halle"));
    EXPECT_EQ(o[u"bearbeiter"].toString(), QStringLiteral("Jörg"));
    const QJsonArray traversen = o[u"traversen"].toArray();
    ASSERT_EQ(traversen.size(), 2);
    EXPECT_EQ(traversen[1].toObject()[u"Variante"].toInt(), 2);
    const QJsonObject v2 = traversen[1].toObject()[u"varianten"].toArray()[0].toObject();
    EXPECT_EQ(v2[u"Status"].toString(), QStringLiteral("neu angelegt"));
    EXPECT_DOUBLE_EQ(v2[u"Auslastung"].toDouble(), 3);
    EXPECT_TRUE(traversen[0].toObject()[u"varianten"].toArray()[0].toObject()[u"Auslastung"].isNull());
    EXPECT_FALSE(v2.contains(u"berechnet"));

    const CliLauf rechnung = lauf({pfad, QStringLiteral("--json"), QStringLiteral("--berechnen")});
    ASSERT_EQ(rechnung.code, 0) << rechnung.fehler.toStdString();
    EXPECT_TRUE(rechnung.fehler.contains(QStringLiteral("Fehler: Lager nicht gefunden! (T1|X1|L2|)")));
    const QJsonObject r = QJsonDocument::fromJson(rechnung.aus.toUtf8()).object();
    const QJsonObject b2 = r[u"traversen"].toArray()[1].toObject()[u"varianten"].toArray()[0].toObject()[u"berechnet"].toObject();
    const QJsonArray lager = b2[u"lager"].toArray();
    ASSERT_EQ(lager.size(), 2);
    // 1050 N at the middle of a weightless span: half on each support
    EXPECT_NEAR(lager[0].toObject()[u"Berechnet"].toDouble(), 525, 1e-6);
    EXPECT_NEAR(lager[1].toObject()[u"Berechnet"].toDouble(), 525, 1e-6);
    // 525 N on a Maximallast of 500 N: 105 %, and both supports overloaded
    EXPECT_NEAR(b2[u"auslastung"].toDouble(), 105, 1e-6);
    const QStringList meldungen{QStringLiteral("Fehler: Lager nicht gefunden! (T1|X1|L2|)"),
                                QStringLiteral("Auslastung über 100 %"),
                                QStringLiteral("Lager 1: Kraft über der Maximallast"),
                                QStringLiteral("Lager 2: Kraft über der Maximallast")};
    EXPECT_EQ(b2[u"meldungen"].toVariant().toStringList(), meldungen);
    const QJsonObject b1 = r[u"traversen"].toArray()[0].toObject()[u"varianten"].toArray()[0].toObject()[u"berechnet"].toObject();
    EXPECT_TRUE(b1[u"meldungen"].toArray().isEmpty());

    const CliLauf text = lauf({pfad, QStringLiteral("--berechnen")});
    ASSERT_EQ(text.code, 0) << text.fehler.toStdString();
    EXPECT_TRUE(text.aus.contains(QStringLiteral("\t\tLager 2: Kraft über der Maximallast\n")));
}

TEST(BefehlProjekt, FalscheDateiGibtMeldungUndFehlercode)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("x.prp"));
    QFile d(pfad);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write(QByteArray("\x06\x05Hallo", 7));
    d.close();
    const CliLauf a = lauf({pfad});
    EXPECT_EQ(a.code, 1);
    EXPECT_TRUE(a.fehler.contains(QStringLiteral("keine gültige Projektdatei")));
}
