// kelvara-cli paket: dumps documents of every kind and writes them again byte for byte.
#include "../tables/tabellen_muster.h"
#include "u_testhilfen.h"
#include "tables/u_stream.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// A project file: three texts, the trusses with a variant holding two supports, the walls.
void schreibeProjekt(const QString& pfad)
{
    TBClientDataSet projekt, varianten, lager, mauern;
    projekt.FieldDefs = projektFelder();
    projekt.CreateDataSet();
    varianten.SetDataSetField(projekt, Feld::Variante);
    lager.SetDataSetField(varianten, Feld::Lager);
    projekt.Append();
    projekt.FieldByName(Feld::Name).SetAsString(QStringLiteral("Bühne links"));
    projekt.Post();
    varianten.Append();
    varianten.FieldByName(Feld::Name).SetAsString(QStringLiteral("Hauptvariante"));
    varianten.Post();
    for (int i = 1; i <= 2; ++i) {
        lager.Append();
        lager.FieldByName(Feld::Nummer).SetAsInteger(i);
        lager.FieldByName(Feld::Position).SetAsFloat(i == 1 ? -5.0 : 5.0);
        lager.FieldByName(Feld::oben).SetAsBoolean(true);
        lager.Post();
    }
    varianten.CheckBrowseMode();
    projekt.CheckBrowseMode();
    mauern.FieldDefs = wandFelder();
    mauern.CreateDataSet();

    DokumentSchreiber s(pfad);
    s.Text(QStringLiteral("Kelvara VLX Projektdatei 1.0"));
    s.Text(QStringLiteral("Stadtfest"));
    s.Text(QStringLiteral("M. Müller"));
    s.Text(QStringLiteral("Zeile 1\r\nZeile 2\r\n"));
    s.Tabelle(projekt);
    s.Tabelle(mauern);
    s.Abschliessen();
}
} // namespace

TEST(BefehlPaket, ZeigtKopfWerteUndVerschachtelteZeilenAlsJson)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("p.prp"));
    schreibeProjekt(pfad);
    const CliLauf lauf = kelvaraCli({QStringLiteral("paket"), pfad, QStringLiteral("--json")});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
    const QJsonObject json = QJsonDocument::fromJson(lauf.ausgabe).object();
    EXPECT_EQ(json.value(QStringLiteral("kopf")).toString(), QStringLiteral("Kelvara VLX Projektdatei 1.0"));
    EXPECT_EQ(json.value(QStringLiteral("werte")).toArray().at(1).toString(), QStringLiteral("M. Müller"));
    const QJsonArray tabellen = json.value(QStringLiteral("tabellen")).toArray();
    ASSERT_EQ(tabellen.size(), 2);
    const QJsonObject trassen = tabellen.at(0).toObject();
    EXPECT_EQ(trassen.value(QStringLiteral("autoinc")).toInt(), 2);
    const QJsonObject ersteFeld = trassen.value(QStringLiteral("felder")).toArray().at(0).toObject();
    EXPECT_EQ(ersteFeld.value(QStringLiteral("typ")).toString(), QStringLiteral("autoinc"));
    const QJsonObject traverse = trassen.value(QStringLiteral("zeilen")).toArray().at(0).toObject();
    EXPECT_EQ(traverse.value(QStringLiteral("Name")).toString(), QStringLiteral("Bühne links"));
    EXPECT_TRUE(traverse.value(QStringLiteral("Sortierung")).isNull());
    const QJsonObject variante = traverse.value(QStringLiteral("Variante")).toArray().at(0).toObject();
    const QJsonArray lager = variante.value(QStringLiteral("Lager")).toArray();
    ASSERT_EQ(lager.size(), 2);
    EXPECT_DOUBLE_EQ(lager.at(1).toObject().value(QStringLiteral("Position")).toDouble(), 5.0);
    EXPECT_TRUE(lager.at(0).toObject().value(QStringLiteral("oben")).toBool());
    EXPECT_EQ(tabellen.at(1).toObject().value(QStringLiteral("zeilen")).toArray().size(), 0);

    const CliLauf text = kelvaraCli({QStringLiteral("paket"), pfad});
    EXPECT_EQ(text.code, 0);
    EXPECT_TRUE(text.ausgabe.contains("Kopf: Kelvara VLX Projektdatei 1.0"));
    EXPECT_TRUE(text.ausgabe.contains("Position=5"));
}

TEST(BefehlPaket, UmschreibenErgibtDieselbenBytes)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("p.prp"));
    const QString neu = ordner.filePath(QStringLiteral("neu.prp"));
    schreibeProjekt(pfad);
    const CliLauf lauf = kelvaraCli({QStringLiteral("paket"), pfad, QStringLiteral("--umschreiben"), neu});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.constData();
    EXPECT_EQ(inhalt(neu), inhalt(pfad));
}

TEST(BefehlPaket, AeltereBelastungstabelleMitGanzzahlenKommtGleichZurueck)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("alt.prb"));
    TBClientDataSet zeilen;
    zeilen.FieldDefs = {feld("laenge", TFieldType::Integer, 0, true), feld("einzellast", TFieldType::Float),
                        feld("streckenlast", TFieldType::Float)};
    zeilen.CreateDataSet();
    {
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Belastungstabelle"));
        for (int i = 0; i < 9; ++i)
            s.Text(QString::number(i));
        for (int i = 0; i < 6; ++i)
            s.Integer(i == 2 ? 300 : i);
        s.Tabelle(zeilen);
        s.Abschliessen();
    }
    const QString neu = ordner.filePath(QStringLiteral("neu.prb"));
    ASSERT_EQ(kelvaraCli({QStringLiteral("paket"), pfad, QStringLiteral("--umschreiben"), neu}).code, 0);
    EXPECT_EQ(inhalt(neu), inhalt(pfad));
    const QJsonObject json =
        QJsonDocument::fromJson(kelvaraCli({QStringLiteral("paket"), pfad, QStringLiteral("--json")}).ausgabe).object();
    EXPECT_EQ(json.value(QStringLiteral("werte")).toArray().at(11).toInt(), 300);
}

TEST(BefehlPaket, FremderKopfGibtCodeZweiUndBeschaedigteDateiCodeEinsOhneAusgabe)
{
    QTemporaryDir ordner;
    const QString fremd = ordner.filePath(QStringLiteral("fremd.prt"));
    {
        DokumentSchreiber s(fremd);
        s.Text(QStringLiteral("Irgendein Programm 3"));
        s.Abschliessen();
    }
    const CliLauf lauf = kelvaraCli({QStringLiteral("paket"), fremd});
    EXPECT_EQ(lauf.code, 2);
    EXPECT_TRUE(lauf.fehler.contains("Irgendein Programm 3"));

    const QString pfad = ordner.filePath(QStringLiteral("p.prp"));
    schreibeProjekt(pfad);
    QByteArray bytes = inhalt(pfad);
    bytes.chop(20);
    const QString kaputt = ordner.filePath(QStringLiteral("kaputt.prp"));
    {
        QFile f(kaputt);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    const QString ziel = ordner.filePath(QStringLiteral("ziel.prp"));
    const CliLauf beschaedigt = kelvaraCli({QStringLiteral("paket"), kaputt, QStringLiteral("--umschreiben"), ziel});
    EXPECT_EQ(beschaedigt.code, 1);
    EXPECT_FALSE(beschaedigt.fehler.isEmpty());
    EXPECT_FALSE(QFile::exists(ziel));
    EXPECT_EQ(kelvaraCli({QStringLiteral("paket"), ordner.filePath(QStringLiteral("fehlt.prp"))}).code, 1);
}
