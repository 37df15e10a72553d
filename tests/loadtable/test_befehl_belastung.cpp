// kelvara-cli belastung on a load table written by the program.
#include "u_testhilfen.h"
#include "loadtable/u_belastungsdatei.h"
#include "loadtable/u_belastungsfelder.h"
#include "tables/u_stream.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CliLauf cli(const QStringList& argumente) { return kelvaraCli(argumente); }

QString beispieldatei(const QTemporaryDir& ordner)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.eingaben.hersteller = QStringLiteral("ABC");
    b.eingaben.gewicht = QStringLiteral("300");
    b.eingaben.cmbGewicht.waehle(1);
    b.eingaben.laenge = QStringLiteral("3");
    b.eingaben.hoehe = QStringLiteral("400");
    auto& t = b.cds_traverse;
    t.Append();
    t.FieldByName(Belastungsfeld::laenge).SetAsInteger(6);
    t.FieldByName(Belastungsfeld::einzellast).SetAsFloat(200);
    t.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(100);
    t.Post();
    const QString pfad = ordner.filePath(QStringLiteral("b.prb"));
    BelastungstabelleSpeichern(b, pfad);
    return pfad;
}

// An older file whose point-load unit position lies outside the choice.
QString alteDatei(const QTemporaryDir& ordner)
{
    Belastungstabelle b;
    b.TabelleNeu();
    b.cds_traverse.Append();
    b.cds_traverse.FieldByName(Belastungsfeld::laenge).SetAsInteger(4);
    b.cds_traverse.Post();
    const QString pfad = ordner.filePath(QStringLiteral("alt.prb"));
    DokumentSchreiber s(pfad);
    s.Text(QStringLiteral("Kelvara VLX Belastungstabelle"));
    for (int i = 0; i < 9; ++i)
        s.Text(QString());
    for (int position : {0, 0, 0, 0, 5, 0})
        s.Integer(position);
    s.Tabelle(b.cds_traverse);
    s.Abschliessen();
    return pfad;
}

} // namespace

TEST(BefehlBelastung, JsonMitZeilenUndErgebnissen)
{
    QTemporaryDir ordner;
    const CliLauf a = cli({QStringLiteral("belastung"), beispieldatei(ordner), QStringLiteral("--json")});
    ASSERT_EQ(a.code, 0) << a.aus.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(a.aus.toUtf8()).object();
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("eigenlast")).toDouble(), 100);
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("querkraft")).toDouble(), 3243);
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("biegemoment")).toDouble(), 4864.5);
    EXPECT_DOUBLE_EQ(o.value(QStringLiteral("normalkraft")).toDouble(), 4864.5 / 0.4);
    const QJsonArray zeilen = o.value(QStringLiteral("zeilen")).toArray();
    ASSERT_EQ(zeilen.size(), 1);
    const QJsonObject z = zeilen.at(0).toObject();
    EXPECT_DOUBLE_EQ(z.value(QStringLiteral("laenge")).toDouble(), 6);
    EXPECT_DOUBLE_EQ(z.value(QStringLiteral("einzellast_N")).toDouble(), 1962);
    EXPECT_DOUBLE_EQ(z.value(QStringLiteral("biegemoment_e")).toDouble(), 3393);
    EXPECT_TRUE(o.value(QStringLiteral("meldungen")).toArray().isEmpty());
}

TEST(BefehlBelastung, TextZeigtDieErgebnisseUndMeldungen)
{
    QTemporaryDir ordner;
    const CliLauf a = cli({QStringLiteral("belastung"), beispieldatei(ordner)});
    EXPECT_EQ(a.code, 0);
    EXPECT_TRUE(a.aus.contains(ImSystemformat(QStringLiteral("Eigenlast: 100,00 N/m")))) << a.aus.toStdString();
    EXPECT_TRUE(a.aus.contains(ImSystemformat(QStringLiteral("zulässiges Biegemoment: 4 864,50 Nm"))));

    const CliLauf alt = cli({QStringLiteral("belastung"), alteDatei(ordner)});
    EXPECT_TRUE(alt.aus.contains(QStringLiteral("Meldung: Keine Einheit für die Einzelkraft gewählt!")));
    const CliLauf json = cli({QStringLiteral("belastung"), alteDatei(ordner), QStringLiteral("--json")});
    const QJsonObject o = QJsonDocument::fromJson(json.aus.toUtf8()).object();
    EXPECT_TRUE(o.value(QStringLiteral("zeilen")).toArray().at(0).toObject().value(QStringLiteral("einzellast_N")).isNull());
    // Once for the row in the pass, once more as the row is shown again afterwards.
    EXPECT_EQ(o.value(QStringLiteral("meldungen")).toArray(),
              QJsonArray({QStringLiteral("Keine Einheit für die Einzelkraft gewählt!"),
                          QStringLiteral("Keine Einheit für die Einzelkraft gewählt!")}));
}

TEST(BefehlBelastung, FehlendeDateiGibtFehlercode)
{
    EXPECT_EQ(cli({QStringLiteral("belastung"), QStringLiteral("/gibt/es/nicht.prb")}).code, 1);
    EXPECT_EQ(cli({QStringLiteral("belastung")}).code, 2);
}
