// The Excel 97 export, read back with xlrd: sheet name, every cell text, column widths and
// alignments; the overwrite question and write errors.
#include "calculator/u_export.h"
#include "platform/u_fehler.h"
#include "u_testhilfen.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <map>

namespace {

struct Gelesen {
    QStringList blaetter;
    std::map<std::pair<int, int>, QString> texte;
    std::map<std::pair<int, int>, int> ausrichtung; // 0 general, 2 centred, 3 right
    std::map<int, int> breiten;
    bool nurTexte = true;
    std::map<std::pair<int, int>, double> zahlen; // numeric cells
};

Gelesen mitXlrd(const QString& pfad)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(KELVARA_QUELLEN "/tests/spreadsheet/xls_lesen.py"), pfad});
    p.waitForFinished(60000);
    const QByteArray aus = p.readAllStandardOutput();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QJsonObject o = QJsonDocument::fromJson(aus).object();
    Gelesen g;
    for (const auto& b : o.value(QStringLiteral("blaetter")).toArray())
        g.blaetter.append(b.toString());
    for (const auto& z : o.value(QStringLiteral("zellen")).toArray()) {
        const QJsonObject zelle = z.toObject();
        const std::pair<int, int> ort{zelle.value(QStringLiteral("spalte")).toInt(), zelle.value(QStringLiteral("zeile")).toInt()};
        g.texte[ort] = zelle.value(QStringLiteral("text")).toString();
        g.ausrichtung[ort] = zelle.value(QStringLiteral("ausrichtung")).toInt();
        g.nurTexte = g.nurTexte && zelle.value(QStringLiteral("typ")).toInt() == 1;
        if (zelle.value(QStringLiteral("typ")).toInt() == 2)
            g.zahlen[ort] = zelle.value(QStringLiteral("text")).toDouble();
    }
    const QJsonObject breiten = o.value(QStringLiteral("breiten")).toObject();
    for (auto it = breiten.begin(); it != breiten.end(); ++it)
        g.breiten[it.key().toInt()] = it.value().toInt();
    return g;
}

void beispiel(Traversenkalkulator& k)
{
    Kalkulatortraverse w;
    w.hersteller = QStringLiteral("Größer");
    w.name = QStringLiteral("F34");
    w.bearbeiter = QStringLiteral("Meier");
    w.eigenlastText = QStringLiteral("100");
    w.querkraftText = QStringLiteral("5000");
    w.biegemomentText = QString();
    w.eigenlast = 100;
    w.querkraft = 5000;
    w.biegemoment = 10000;
    k.BaueLaengen(w);
}

} // namespace

TEST(Tabellenexport, XlrdLiestBlattZellenBreitenUndAusrichtung)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("t.xls"));
    Traversenkalkulator k;
    beispiel(k);
    k.einstellungen.cmbDrittel.waehle(1);
    k.einstellungen.cmbViertel.waehle(2);
    k.einstellungen.cmbGleichlast.waehle(5);
    ASSERT_TRUE(Exportieren(k, pfad, keineFrage));
    // An OLE2 compound file
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(8), QByteArray::fromHex("d0cf11e0a1b11ae1"));

    const Gelesen g = mitXlrd(pfad);
    EXPECT_EQ(g.blaetter, QStringList{QStringLiteral("Traversendaten")});
    EXPECT_TRUE(g.nurTexte);
    for (int c = 0; c <= 6; ++c)
        EXPECT_EQ(g.breiten.count(c) ? g.breiten.at(c) : -1, 4500) << c;

    const auto text = [&g](int c, int r) { return g.texte.count({c, r}) ? g.texte.at({c, r}) : QStringLiteral("<leer>"); };
    const auto ausrichtung = [&g](int c, int r) { return g.ausrichtung.count({c, r}) ? g.ausrichtung.at({c, r}) : -1; };
    EXPECT_EQ(text(1, 0), QStringLiteral("Kelvara VLX Traversendaten  "));
    EXPECT_EQ(ausrichtung(1, 0), 3);
    EXPECT_EQ(text(1, 2), QStringLiteral("Hersteller  "));
    EXPECT_EQ(text(1, 7), QStringLiteral("maximales Biegemoment [Nm]  "));
    EXPECT_EQ(ausrichtung(1, 7), 3);
    EXPECT_EQ(text(2, 2), QStringLiteral("Größer"));
    EXPECT_EQ(ausrichtung(2, 2), 0);
    EXPECT_EQ(text(2, 6), QStringLiteral("5000"));
    EXPECT_EQ(text(2, 7), QString()); // an empty field gives an empty text cell
    EXPECT_EQ(text(0, 9), QStringLiteral("Länge [m]"));
    EXPECT_EQ(text(2, 9), QStringLiteral("Streckenlast [kN]"));
    EXPECT_EQ(text(3, 9), QStringLiteral("Punktlast [kg]"));
    EXPECT_EQ(ausrichtung(3, 9), 0);
    EXPECT_EQ(text(4, 10), QStringLiteral("2 / 3"));
    EXPECT_EQ(text(5, 10), QStringLiteral("3 / 4"));
    EXPECT_EQ(text(6, 10), QStringLiteral("2m"));
    EXPECT_EQ(ausrichtung(6, 10), 2);
    // Data rows 11 to 31: L = 1 to 21, the last with its negative point load.
    EXPECT_EQ(text(0, 11), QStringLiteral("1"));
    EXPECT_EQ(text(0, 31), QStringLiteral("21"));
    EXPECT_EQ(text(0, 32), QStringLiteral("<leer>"));
    EXPECT_EQ(ausrichtung(0, 31), 3);
    EXPECT_EQ(text(1, 11), k.Zelltext(k.laengen[0], 1));
    EXPECT_EQ(text(3, 31), k.Zelltext(k.laengen[20], 3));
    EXPECT_TRUE(text(3, 31).trimmed().startsWith(u'-'));
    EXPECT_EQ(ausrichtung(6, 31), 3);
}

TEST(Tabellenexport, FragtBeimZweitenMalVorDemUeberschreiben)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("t.xls"));
    Traversenkalkulator k;
    beispiel(k);
    ASSERT_TRUE(Exportieren(k, pfad, keineFrage));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();

    QStringList gefragt;
    k.einstellungen.cmbEigenlast.waehle(2);
    EXPECT_FALSE(Exportieren(k, pfad, antwortet(false, gefragt)));
    EXPECT_EQ(gefragt, QStringList{QStringLiteral("Datei %1 existiert bereits.\r\nÜberschreiben?").arg(pfad)});
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
    f.close();

    EXPECT_TRUE(Exportieren(k, pfad, antwortet(true, gefragt)));
    EXPECT_EQ(gefragt.size(), 2);
    EXPECT_EQ(mitXlrd(pfad).texte.at({1, 9}), QStringLiteral("Eigenlast [kN]"));
}

TEST(Tabellenexport, SchreibfehlerWirdGemeldet)
{
    QTemporaryDir ordner;
    Traversenkalkulator k;
    beispiel(k);
    EXPECT_TRUE(fehlerVon([&] { Exportieren(k, ordner.filePath(QStringLiteral("fehlt/t.xls")), keineFrage); })
                    .contains(QStringLiteral("fehlt/t.xls")));
}

TEST(Arbeitsmappe, VieleUndLangeTexteUeberSatzgrenzenHinweg)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("gross.xls"));
    XlsArbeitsmappe m;
    m.SetzeBlattname(QStringLiteral("Ein sehr langer Blattname, der gekürzt wird"));
    std::map<std::pair<int, int>, QString> erwartet;
    for (int r = 0; r < 1500; ++r) {
        const QString text = QStringLiteral("Zeile %1 – Wert").arg(r);
        m.SetzeText(r % 3, r, text);
        erwartet[{r % 3, r}] = text;
    }
    const QString lang = QString(9000, u'ä') + QStringLiteral("Ende");
    m.SetzeText(5, 3, lang);
    erwartet[{5, 3}] = lang;
    m.SetzeText(4, 4, QStringLiteral("Zeile 7 – Wert")); // a repeated text
    erwartet[{4, 4}] = QStringLiteral("Zeile 7 – Wert");
    m.Speichern(pfad);

    const Gelesen g = mitXlrd(pfad);
    EXPECT_EQ(g.blaetter, QStringList{QStringLiteral("Ein sehr langer Blattname, der ")});
    EXPECT_EQ(g.texte.size(), erwartet.size());
    for (const auto& [ort, text] : erwartet)
        ASSERT_EQ(g.texte.count(ort) ? g.texte.at(ort) : QString(), text) << ort.first << "," << ort.second;
    EXPECT_THROW(m.SetzeText(256, 0, QStringLiteral("x")), Fehler);
    EXPECT_THROW(m.SetzeText(0, 65536, QStringLiteral("x")), Fehler);
}

TEST(Arbeitsmappe, ZahlenzellenNebenTextenLiestXlrdAlsZahlen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("zahlen.xls"));
    XlsArbeitsmappe m;
    const int rechts = m.FormatHinzufuegen(XlsArbeitsmappe::Ausrichtung::Rechts);
    m.SetzeText(0, 0, QStringLiteral("Kraft [kg]"));
    m.SetzeZahl(1, 0, 12.5);
    m.SetzeZahl(1, 1, -0.001);
    m.SetzeText(0, 1, QStringLiteral("Kraft [kg]"));
    m.SetzeZahl(2, 3, 1e20, rechts);
    m.SetzeText(1, 0, QStringLiteral("ersetzt"));
    m.SetzeZahl(0, 0, 7); // a number replaces a text in the same cell
    m.Speichern(pfad);
    const Gelesen g = mitXlrd(pfad);
    EXPECT_EQ(g.texte.at({1, 0}), QStringLiteral("ersetzt"));
    EXPECT_EQ(g.texte.at({0, 1}), QStringLiteral("Kraft [kg]"));
    ASSERT_EQ(g.zahlen.size(), 3u);
    EXPECT_EQ(g.zahlen.at({0, 0}), 7.0);
    EXPECT_EQ(g.zahlen.at({1, 1}), -0.001);
    EXPECT_EQ(g.zahlen.at({2, 3}), 1e20);
    EXPECT_EQ(g.ausrichtung.at({2, 3}), 3);
    EXPECT_THROW(m.SetzeZahl(0, 0, std::nan("")), Fehler);
    EXPECT_THROW(m.SetzeZahl(0, 0, HUGE_VAL), Fehler);
    EXPECT_THROW(m.SetzeZahl(256, 0, 1), Fehler);
}

TEST(Arbeitsmappe, KleineMappeWirdAufVierKilobyteAufgefuelltUndBleibtLesbar)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("klein.xls"));
    XlsArbeitsmappe m;
    const int zentriert = m.FormatHinzufuegen(XlsArbeitsmappe::Ausrichtung::Zentriert);
    m.SetzeText(2, 1, QStringLiteral("mitte"), zentriert);
    EXPECT_EQ(m.Biff8().size(), 4096);
    m.Speichern(pfad);
    const Gelesen g = mitXlrd(pfad);
    EXPECT_EQ(g.blaetter, QStringList{QStringLiteral("Tabelle1")});
    ASSERT_EQ(g.texte.size(), 1u);
    EXPECT_EQ(g.texte.at({2, 1}), QStringLiteral("mitte"));
    EXPECT_EQ(g.ausrichtung.at({2, 1}), 2);

    m.Leeren();
    m.Speichern(pfad);
    EXPECT_TRUE(mitXlrd(pfad).texte.empty());
}

TEST(Tabellenexport, LibreOfficeWandeltDieMappeInCsv)
{
    QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        soffice = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice ist nicht installiert";
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("t.xls"));
    Traversenkalkulator k;
    beispiel(k);
    k.einstellungen.cmbDrittel.waehle(1);
    ASSERT_TRUE(Exportieren(k, pfad, keineFrage));
    QProcess p;
    p.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                      // comma separated, quoted, UTF-8
                      QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76"),
                      QStringLiteral("--outdir"), ordner.path(), pfad});
    ASSERT_TRUE(p.waitForFinished(180000));
    QFile csv(ordner.filePath(QStringLiteral("t.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Kelvara VLX Traversendaten")));
    EXPECT_TRUE(text.contains(QStringLiteral("2 / 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("Länge [m]")));
}

TEST(Arbeitsmappe, VollePlatteLaesstDieAlteMappeStehen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("mappe.xls"));
    XlsArbeitsmappe m;
    m.SetzeText(0, 0, QStringLiteral("alt"));
    m.Speichern(pfad);
    const QByteArray vorher = dateiInhalt(pfad);
    for (int zeile = 0; zeile < 2000; ++zeile)
        m.SetzeText(1, zeile, QStringLiteral("neue Zeile %1").arg(zeile));
    QString meldung;
    {
        VollePlatte voll(vorher.size());
        meldung = fehlerVon([&] { m.Speichern(pfad); });
    }
    EXPECT_EQ(meldung, QStringLiteral("Datei %1 kann nicht erstellt werden: Stream-Schreibfehler").arg(pfad));
    EXPECT_EQ(dateiInhalt(pfad), vorher);
    EXPECT_EQ(mitXlrd(pfad).texte.at({0, 0}), QStringLiteral("alt"));
}
