// The load table report: title block texts and positions, unit suffixes of the headings, one
// line per row as the fields display it, the diagram image; and its PDF from kelvara-cli.
#include "u_testhilfen.h"
#include "belastungshilfen.h"
#include "../report/berichtshilfe.h"
#include "../report/vorschauhilfe.h"
#include "loadtable/fo_print_belastungstabelle.h"
#include "language/u_uebersetzung.h"
#include "loadtable/g_belastungsdiagramm.h"
#include "loadtable/g_bericht_belastung.h"
#include "loadtable/u_belastungsdatei.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime Ausdruck(QDate(2026, 3, 14), QTime(9, 30, 5));

// A maker's table of 2 … 20 m.
struct Tabelle {
    Belastungstabelle b;
    Tabelle()
    {
        b.TabelleNeu();
        b.eingaben.hersteller = QStringLiteral("ABC");
        b.eingaben.gewicht = QStringLiteral("50");
        b.eingaben.laenge = QStringLiteral("3");
        b.eingaben.hoehe = QStringLiteral("290");
        b.eingaben.querkraft = QStringLiteral("6300");
        b.eingaben.biegemoment = QStringLiteral("12500");
        b.EigenlastBerechnen();
        for (int l = 20; l >= 2; l -= 2)
            zeile(b, l, 1000.0 * 8 / l, 500.0 * 8 / l / l);
    }
    Berichtslayout layout(QSize diagramm = QSize(860, 400))
    {
        return Umbrechen(BerichtBelastungstabelle(b, diagramm, Ausdruck));
    }
};

} // namespace

TEST(BerichtBelastungstabelle, TitelblockMitAchtZeilenAnIhrenPositionen)
{
    Tabelle t;
    const Berichtslayout l = t.layout();
    const GesetztesBand& titel = *baender(l, Bandart::Titel).at(0);
    EXPECT_EQ(texte(titel).mid(0, 17),
              (QStringList{"Belastungstabellen", "Hersteller:", "ABC", "Name:", "neue Traverse", "Bearbeiter:",
                           " Eigenlast: ", "50 kg / 3 m", "Höhe:", "290 mm", "zulässige Normalkraft in den Gurten:",
                           t.b.NormalkraftText().trimmed(), "zulässige Querkraft:", "6300 N", "zulässiges Biegemoment:",
                           "12500 Nm", "aus Einzellast:"}));
    EXPECT_EQ(textBis(titel, 59.3), QStringLiteral("Hersteller:"));
    EXPECT_EQ(textAb(titel, 61.4), QStringLiteral("ABC"));
    EXPECT_EQ(textAb(titel, 119.6), QStringLiteral("aus Streckenlast:"));
    EXPECT_NEAR(titel.rahmen.height(), 65.6, 1e-9);
    // The column headings with their unit suffixes, 8 pt.
    QStringList koepfe;
    for (const auto& text : titel.texte)
        if (text.schrift.punkt == 8)
            koepfe << text.text;
    EXPECT_EQ(koepfe, (QStringList{"Länge [m]", "Einzellast [kg]", "Streckenlast [kg/m]", "Querkraft [N]",
                                   "Biegemoment [Nm]", "Querkraft [N]", "Biegemoment [Nm]"}));
    EXPECT_EQ(texte(*baender(l, Bandart::Seitenfuss).back()), (QStringList{"Kelvara VLX", "14.03.2026 09:30:05"}));
}

TEST(BerichtBelastungstabelle, EinheitenDerTabelleUndLeereQuerkraft)
{
    Tabelle t;
    t.b.eingaben.cmbLaenge2.waehle(1); // ft, while the self-weight stays per m
    t.b.eingaben.cmbEinzellast.waehle(2);
    t.b.eingaben.cmbStreckenlast.waehle(4);
    t.b.eingaben.querkraft.clear();
    const QStringList alle = texte(*baender(t.layout(), Bandart::Titel).at(0));
    EXPECT_TRUE(alle.contains(QStringLiteral("Länge [ft]")));
    EXPECT_TRUE(alle.contains(QStringLiteral("Einzellast [kN]")));
    EXPECT_TRUE(alle.contains(QStringLiteral("Streckenlast [N/ft]")));
    EXPECT_TRUE(alle.contains(QStringLiteral("50 kg / 3 m")));
    EXPECT_TRUE(alle.contains(QStringLiteral(" N")));
}

TEST(BerichtBelastungstabelle, EineZeileJeTabellenzeileAufsteigendWieDieFelderSieZeigen)
{
    Tabelle t;
    const Berichtslayout l = t.layout();
    const auto zeilen = baender(l, Bandart::Detail);
    ASSERT_EQ(zeilen.size(), 10u);
    EXPECT_EQ(texte(*zeilen[0]).at(0), QStringLiteral("2"));
    EXPECT_EQ(texte(*zeilen[9]).at(0), QStringLiteral("20"));
    EXPECT_EQ(textBis(*zeilen[0], 7.7), QStringLiteral("2"));
    auto& c = t.b.cds_traverse;
    using namespace Belastungsfeld;
    const Feldname felder[] = {einzellast, streckenlast, querkraft_e, biegemoment_e, querkraft_s, biegemoment_s};
    const double links[] = {18.0, 40.2, 66.7, 90.0, 119.6, 141.8};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(textAb(*zeilen[0], links[i]), c.AnzeigeTextBei(1, c.FieldByName(felder[i]).Index()))
            << felder[i].toString().toStdString();
    EXPECT_EQ(textAb(*zeilen[0], 18.0), QStringLiteral(" 4 000,00")); // the mask's blanks stay, as in the grid
    EXPECT_NEAR(zeilen[0]->rahmen.height(), 6.35, 1e-9);
}

TEST(BerichtBelastungstabelle, LeereTabelleDrucktTitelDiagrammUndFuss)
{
    Belastungstabelle b;
    b.TabelleNeu();
    const Berichtslayout l = Umbrechen(BerichtBelastungstabelle(b, QSize(860, 400), Ausdruck));
    EXPECT_EQ(baender(l, Bandart::Detail).size(), 0u);
    ASSERT_EQ(baender(l, Bandart::Zusammenfassung).size(), 1u);
    const GesetztesBand& summe = *baender(l, Bandart::Zusammenfassung).at(0);
    ASSERT_EQ(summe.bilder.size(), 1u);
    // Q_max below 1 N: a white image of the diagram's size, 169.6 mm wide with its aspect ratio.
    const QImage& bild = summe.bilder[0].bild;
    EXPECT_EQ(bild.size(), QSize(860, 400));
    EXPECT_EQ(bild, [] { QImage w(860, 400, QImage::Format_RGB32); w.fill(Qt::white); return w; }());
    EXPECT_NEAR(summe.bilder[0].rahmen.width(), 169.6, 1e-9);
    EXPECT_NEAR(summe.rahmen.height(), 4.2 + Bildhoehe(169.6, QSize(860, 400)) + 6.35, 1e-9);
}

TEST(Belastungsdiagramm, ZwanzigMeterAuf860PixelnGebenDx40UndDickeStricheBeiVielfachenVon5)
{
    Tabelle t;
    const QImage bild = Belastungsdiagramm(QSize(860, 400), t.b);
    const int y0 = 400 - 30;
    const QColor schwarz(Qt::black), weiss(Qt::white);
    EXPECT_EQ(bild.pixelColor(45, y0), schwarz); // axis from 40
    EXPECT_EQ(bild.pixelColor(35, y0), weiss);
    for (int i : {5, 10, 15, 20}) {
        const int x = 40 * i + 50;
        EXPECT_EQ(bild.pixelColor(x - 1, y0 + 4), schwarz) << i;
        EXPECT_EQ(bild.pixelColor(x + 1, y0 + 4), schwarz) << i;
    }
    EXPECT_EQ(bild.pixelColor(40 * 3 + 50, y0 + 4), schwarz);
    EXPECT_EQ(bild.pixelColor(40 * 3 + 51, y0 + 4), weiss); // thin tick at 3
    // Vertical axis at column 60, the 100 % tick thick: dy = 36, row 400 - 360 - 30 = 10.
    EXPECT_EQ(bild.pixelColor(57, 11), schwarz);
    EXPECT_EQ(bild.pixelColor(57, 400 - 36 * 3 - 30 + 1), weiss);
    // The curve of the shear force from point loads (olive) reaches 100 % at the governing row.
    int oliv = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 61; x < 860; ++x)
            oliv += bild.pixelColor(x, y) == QColor(128, 128, 0);
    EXPECT_GT(oliv, 100);
}

TEST(BerichtBelastungstabelle, NachDemSprachwechselInDerNeuenSprache)
{
    Tabelle t;
    setzeUebersetzer([](int id, QString& text) {
        if (id == 1501)
            text = QStringLiteral("Manufacturer:");
        if (id == 1520)
            text = QStringLiteral("Length");
    });
    const QStringList alle = texte(*baender(t.layout(), Bandart::Titel).at(0));
    setzeUebersetzer({});
    EXPECT_TRUE(alle.contains(QStringLiteral("Manufacturer:")));
    EXPECT_TRUE(alle.contains(QStringLiteral("Length [m]")));
}

TEST(BefehlBelastung, PdfDesAusdrucks)
{
    QTemporaryDir ordner;
    Tabelle t;
    const QString datei = ordner.filePath(QStringLiteral("b.prb"));
    BelastungstabelleSpeichern(t.b, datei);
    const QString pdf = ordner.filePath(QStringLiteral("b.pdf"));
    const CliLauf lauf = kelvaraCli({QStringLiteral("belastung"), datei, QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    const QString text = pdfSeitentexte(pdf).join(u'\n');
    for (const char* erwartet : {"Belastungstabellen", "50 kg / 3 m", "aus Streckenlast:", "Kelvara VLX"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(erwartet))) << erwartet;
    EXPECT_TRUE(text.contains(ImSystemformat(QStringLiteral("4 000,00"))));
    const QString pdf2 = ordner.filePath(QStringLiteral("b2.pdf"));
    EXPECT_EQ(kelvaraCli({QStringLiteral("bericht"), datei, pdf2}).code, 0);
    EXPECT_EQ(pdfSeiten(pdf2), pdfSeiten(pdf));

    // Not a load table: the message, no file.
    const QString falsch = ordner.filePath(QStringLiteral("falsch.prb"));
    QFile f(falsch);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("kein Inhalt");
    f.close();
    const QString pdf3 = ordner.filePath(QStringLiteral("b3.pdf"));
    const CliLauf ungueltig = kelvaraCli({QStringLiteral("belastung"), falsch, QStringLiteral("--pdf"), pdf3});
    EXPECT_EQ(ungueltig.code, 1);
    EXPECT_FALSE(QFile::exists(pdf3));
}

TEST(TfrmPrintBelastungstabelle, ZeigtDenBerichtInDerModalenVorschau)
{
    Tabelle t;
    const GezeigteVorschau v = zeigeUndSchliesse([&] { Tfrm_print_belastungstabelle::Drucken(t.b, QSize(860, 400)); });
    EXPECT_TRUE(v.modal);
    EXPECT_EQ(v.seiten, int(t.layout().seiten.size()));
    EXPECT_TRUE(v.titel.endsWith(QStringLiteral("neue Traverse"))) << v.titel.toStdString();
}

TEST(Belastungsdiagramm, EineRiesigeLaengeZeichnetAlleStricheAnDieAchseStattEndlosZuZaehlen)
{
    Tabelle t;
    zeile(t.b, 2000000000, 1, 1);
    const QImage bild = Belastungsdiagramm(QSize(860, 400), t.b);
    // dx = 0: every tick at column 50, the thick ones three pixels wide (the curves run along column 50).
    EXPECT_EQ(bild.pixelColor(49, 400 - 30 - 4), QColor(Qt::black));
    EXPECT_EQ(bild.pixelColor(250, 400 - 30 - 4), QColor(Qt::white));
}

TEST(Belastungsdiagramm, EineRiesigeLastLaeuftAusDemBildOhneDieAnderenPunkteZuVerschieben)
{
    Tabelle t;
    zeile(t.b, 21, 1e308, 1);  // a finite number whose forces overflow to infinity
    zeile(t.b, 22, -1e308, 1);
    t.b.Neuberechnen();
    const QImage bild = Belastungsdiagramm(QSize(860, 400), t.b);
    // The curves of the ordinary rows still pass their columns: the 2 m row at dx·2 + 50, with
    // dx = (860 − 60) / 22 now that the table ends at 22 m.
    const int dx = (860 - 60) / 22;
    int blau = 0;
    for (int y = 0; y < 400; ++y)
        blau += bild.pixelColor(dx * 2 + 50, y) == QColor(0, 0, 255);
    EXPECT_GT(blau, 0);
}
