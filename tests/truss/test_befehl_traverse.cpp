// kelvara-cli traverse: the result object in-process, and the command itself on a written file.
#include "u_testhilfen.h"
#include "qstring_ausgabe.h"
#include "tables/u_stream.h"
#include "truss/u_traversenausgabe.h"
#include "truss/u_traversendatei.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The four-chord example with alloy 0 and a connector force that leaves the buckling as limit.
Traversenentwurf beispiel()
{
    Traversenentwurf e;
    e.eingaben.cmbMaterial.waehle(0);
    e.eingaben.edtVerbinder = QStringLiteral("100000");
    e.BerechneTraverse();
    return e;
}

CliLauf lauf(const QStringList& argumente)
{
    return kelvaraCli(QStringList{QStringLiteral("traverse")} + argumente);
}

// zahl: a number written with a decimal comma as the producer of o writes it
void pruefeBeispiel(const QJsonObject& o, QString (*zahl)(QString) = [](QString z) { return z; })
{
    EXPECT_EQ(o.value("lblValueAGurt").toString(), zahl(QStringLiteral("301,59")));
    EXPECT_EQ(o.value("lblValueIGurt").toString(), zahl(QStringLiteral("87 009,55")));
    EXPECT_EQ(o.value("lblValueKnicken").toString(), zahl(QStringLiteral("39 755,43")));
    EXPECT_EQ(o.value("lblValueSchweissen").toString(), zahl(QStringLiteral("28 222,09")));
    EXPECT_EQ(o.value("lblValueEinzel").toString(), zahl(QStringLiteral("1 114,45")));
    EXPECT_EQ(o.value("lblValueGurtMax").toString(), zahl(QStringLiteral("28 222,09")));
    const QJsonArray tabelle = o.value("sgStuetze").toArray();
    ASSERT_EQ(tabelle.size(), 17);
    for (const QJsonValue& zeile : tabelle)
        EXPECT_EQ(zeile.toArray().size(), 5);
    EXPECT_EQ(tabelle[0].toArray()[1].toString(), QStringLiteral("Euler-Fall 1"));
    EXPECT_EQ(tabelle[10].toArray()[0].toString(), QStringLiteral("10"));
    EXPECT_EQ(tabelle[10].toArray()[1].toString().trimmed(), zahl(QStringLiteral("581,20 kg")));
}
} // namespace

TEST(TraverseAlsJson, EnthaeltJedesErgebnisDieStuetzentabelleUndDieMeldungen)
{
    const Traversenentwurf e = beispiel();
    const QJsonObject o = TraverseAlsJson(e, {QStringLiteral("Hinweis")});
    EXPECT_EQ(o.size(), qsizetype(Ergebnisfelder().size()) + 2);
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        EXPECT_TRUE(o.value(QLatin1String(feld.name)).isString()) << feld.name;
    pruefeBeispiel(o);
    EXPECT_EQ(o.value("meldungen").toArray(), QJsonArray{QStringLiteral("Hinweis")});
}

TEST(TraverseAlsText, ZeigtJedesErgebnisMitNamenUndDieTabelle)
{
    const Traversenentwurf e = beispiel();
    const QString text = TraverseAlsText(e, {});
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        EXPECT_TRUE(text.contains(QLatin1String(feld.name) + u':')) << feld.name;
    EXPECT_TRUE(text.contains(QStringLiteral("39 755,43")));
    EXPECT_TRUE(text.contains(QStringLiteral("581,20 kg")));
    EXPECT_FALSE(text.contains(QStringLiteral("Meldungen")));
    EXPECT_TRUE(TraverseAlsText(e, {QStringLiteral("Gleitkommaüberlauf")}).contains(QStringLiteral("Gleitkommaüberlauf")));
}

TEST(BefehlTraverse, RechnetEineGeschriebeneTraversendateiWieDasFenster)
{
    QTemporaryDir verzeichnis;
    const QString datei = verzeichnis.filePath(QStringLiteral("beispiel.prt"));
    Traversenentwurf e = beispiel();
    TraverseSchreiben(e, datei);

    const CliLauf json = lauf({datei, QStringLiteral("--json")});
    ASSERT_EQ(json.code, 0) << json.fehler.toStdString();
    QJsonParseError fehler;
    const QJsonObject o = QJsonDocument::fromJson(json.ausgabe, &fehler).object();
    ASSERT_EQ(fehler.error, QJsonParseError::NoError);
    pruefeBeispiel(o, ImSystemformat);
    EXPECT_TRUE(o.value("meldungen").toArray().isEmpty());

    const CliLauf ohneBgv = lauf({datei, QStringLiteral("--json"), QStringLiteral("--ohne-bgvc1"),
                                       QStringLiteral("--sicherheitsfaktor"), QStringLiteral("1,5")});
    const QJsonObject o2 = QJsonDocument::fromJson(ohneBgv.ausgabe).object();
    EXPECT_EQ(o2.value("lblValueEinzel").toString(), ImSystemformat(QStringLiteral("2 971,86")));
    EXPECT_EQ(o2.value("lblValueKnicken").toString(), ImSystemformat(QStringLiteral("39 755,43")));
    // the factor typed with the decimal point gives the same
    const CliLauf mitPunkt = lauf({datei, QStringLiteral("--json"), QStringLiteral("--ohne-bgvc1"),
                                   QStringLiteral("--sicherheitsfaktor"), QStringLiteral("1.5")});
    EXPECT_EQ(QJsonDocument::fromJson(mitPunkt.ausgabe).object().value("lblValueEinzel").toString(),
              ImSystemformat(QStringLiteral("2 971,86")));

    const CliLauf text = lauf({datei});
    EXPECT_EQ(text.code, 0);
    EXPECT_TRUE(QString::fromUtf8(text.ausgabe).contains(QStringLiteral("lblValueKnicken:")));
}

TEST(BefehlTraverse, EndetMitEinsBeiUnlesbarerUndZweiBeiFalscherDatei)
{
    QTemporaryDir verzeichnis;
    const CliLauf fehlt = lauf({verzeichnis.filePath(QStringLiteral("fehlt.prt"))});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_TRUE(fehlt.fehler.contains(QStringLiteral("kann nicht geöffnet werden"))) << fehlt.fehler.toStdString();

    const QString falsch = verzeichnis.filePath(QStringLiteral("falsch.prt"));
    DokumentSchreiber s(falsch);
    s.Text(QStringLiteral("Kelvara VLX Belastungstabelle 2"));
    s.Abschliessen();
    const CliLauf kopf = lauf({falsch, QStringLiteral("--json")});
    EXPECT_EQ(kopf.code, 2);
    EXPECT_TRUE(kopf.fehler.contains(QStringLiteral("Keine gültige Traversendatei"))) << kopf.fehler.toStdString();
    EXPECT_TRUE(kopf.ausgabe.isEmpty());
}
