// kelvara-cli spannweiten on a truss library written by the program, with the .xls export.
#include "u_testhilfen.h"
#include "truss/u_traversenbibliothek.h"
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

CliLauf cli(const QStringList& argumente) { return kelvaraCli(QStringList{QStringLiteral("spannweiten")} + argumente); }

QString bibliothek(const QTemporaryDir& ordner)
{
    QDir(ordner.path()).mkdir(QStringLiteral("Traversen"));
    Traversenbibliothek bib;
    bib.BibliothekLaden(ordner.path());
    const auto behalten = [](const QString&) { return false; }; // a second call keeps the rows
    bib.InBibliothek(TraversenfensterEintrag(QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("M"),
                                             QStringLiteral("50"), QStringLiteral("1000"), QStringLiteral("1000"),
                                             {}, {}, 4, true),
                     Traversenbibliothek::ExistiertMuster(), behalten);
    bib.InBibliothek(TraversenfensterEintrag(QStringLiteral("ABC"), QStringLiteral("F34"), QStringLiteral("M"),
                                             QStringLiteral("100"), QStringLiteral("5000"), QStringLiteral("10000"),
                                             {}, {}, 4, true),
                     Traversenbibliothek::ExistiertMuster(), behalten);
    return bib.datei();
}

} // namespace

TEST(BefehlSpannweiten, JsonDerBeispieltraverseEndetBeiEinundzwanzig)
{
    QTemporaryDir ordner;
    const CliLauf a = cli({QStringLiteral("--bibliothek"), bibliothek(ordner), QStringLiteral("--traverse"),
                          QStringLiteral("ABC|F34"), QStringLiteral("--eigenlast-einheit"), QStringLiteral("N"),
                          QStringLiteral("--json")});
    ASSERT_EQ(a.code, 0) << a.aus.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(a.aus.toUtf8()).object();
    EXPECT_EQ(o.value(QStringLiteral("name")).toString(), QStringLiteral("ABC F34"));
    const QJsonArray zeilen = o.value(QStringLiteral("zeilen")).toArray();
    ASSERT_EQ(zeilen.size(), 21);
    const QJsonObject zehn = zeilen.at(9).toObject();
    EXPECT_DOUBLE_EQ(zehn.value(QStringLiteral("punktlast")).toDouble(), 1500);
    EXPECT_EQ(zehn.value(QStringLiteral("farbe")).toString(), QStringLiteral("grau"));
    EXPECT_EQ(zeilen.at(0).toObject().value(QStringLiteral("farbe")).toString(), QStringLiteral("schwarz"));
    EXPECT_NEAR(zeilen.at(20).toObject().value(QStringLiteral("punktlast")).toDouble(), -97.62, 0.005);
}

TEST(BefehlSpannweiten, ZeileNachNummerOhneBgvC1UndExport)
{
    QTemporaryDir ordner;
    const QString xls = ordner.filePath(QStringLiteral("a.xls"));
    const CliLauf a = cli({QStringLiteral("--bibliothek"), bibliothek(ordner), QStringLiteral("--zeile"),
                          QStringLiteral("2"), QStringLiteral("--ohne-bgvc1"), QStringLiteral("--drittel"),
                          QStringLiteral("Doppel"), QStringLiteral("--xls"), xls});
    ASSERT_EQ(a.code, 0) << a.aus.toStdString();
    EXPECT_TRUE(a.aus.startsWith(QStringLiteral("ABC F34\n")));
    EXPECT_TRUE(a.aus.contains(QStringLiteral("Drittelpunkte [kg]")));
    EXPECT_TRUE(QFile::exists(xls));
    // An existing file is not replaced without a yes.
    EXPECT_EQ(cli({QStringLiteral("--bibliothek"), bibliothek(ordner), QStringLiteral("--zeile"), QStringLiteral("2"),
                   QStringLiteral("--xls"), xls}).code, 1);
}

TEST(BefehlSpannweiten, FalscheAngabenGebenFehlercodes)
{
    QTemporaryDir ordner;
    const QString bib = bibliothek(ordner);
    EXPECT_EQ(cli({QStringLiteral("--bibliothek"), bib}).code, 2);
    EXPECT_EQ(cli({QStringLiteral("--bibliothek"), bib, QStringLiteral("--zeile"), QStringLiteral("9")}).code, 1);
    EXPECT_EQ(cli({QStringLiteral("--bibliothek"), bib, QStringLiteral("--zeile"), QStringLiteral("1"),
                   QStringLiteral("--viertel"), QStringLiteral("Vier")}).code, 2);
    EXPECT_EQ(cli({QStringLiteral("--bibliothek"), ordner.filePath(QStringLiteral("nichts.cds")),
                   QStringLiteral("--zeile"), QStringLiteral("1")}).code, 1);
}
