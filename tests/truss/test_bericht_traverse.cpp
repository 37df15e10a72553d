// The truss report: the items of the title band by chord count and check boxes, the library
// inputs instead of the proposals, the 16 column rows, the connector result rows by type, the
// captions in the current language; and its PDF from kelvara-cli.
#include "u_testhilfen.h"
#include "../report/berichtshilfe.h"
#include "../report/vorschauhilfe.h"
#include "truss/fo_print_traverse.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge_skript.h"
#include "truss/g_bericht_traverse.h"
#include "truss/g_traversenbilder.h"
#include "truss/u_traversendatei.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime Ausdruck(QDate(2026, 3, 14), QTime(9, 30, 5));

Traversenentwurf beispiel(int gurte = 4)
{
    Traversenentwurf e;
    e.eingaben.udGurte = gurte;
    e.eingaben.cmbMaterial.waehle(0);
    e.eingaben.edtVerbinder = QStringLiteral("100000");
    e.eingaben.edtHersteller = QStringLiteral("Beispiel GmbH");
    e.BerechneTraverse();
    return e;
}

struct Seiten {
    Berichtslayout layout;
    explicit Seiten(const Traversenentwurf& e) : layout(Umbrechen(BerichtTraverse(e, Ausdruck))) {}
    QStringList titel() const { return texte(*baender(layout, Bandart::Titel).at(0)); }
    const GesetztesBand& verbinder() const { return *baender(layout, Bandart::Zusammenfassung).at(0); }
};

// The connector band's result rows: the texts below the results heading, up to the maximum force.
QStringList ergebniszeilen(const GesetztesBand& b)
{
    const QStringList t = texte(b);
    const qsizetype von = t.lastIndexOf(QStringLiteral("Ergebnisse:"));
    const qsizetype bis = t.indexOf(QStringLiteral("maximale Verbinderkraft [N]"));
    return t.mid(von + 1, bis - von - 1);
}

} // namespace

TEST(BerichtTraverse, AbmessungenNachDerGurtzahl)
{
    const QStringList vier = Seiten(beispiel(4)).titel();
    for (const char* text : {"Höhe h [mm]:", "Breite b [mm]:", "vertikal a:", "horizontal a':"})
        EXPECT_TRUE(vier.contains(QString::fromUtf8(text))) << text;

    const QStringList zwei = Seiten(beispiel(2)).titel();
    EXPECT_TRUE(zwei.contains(QStringLiteral("Höhe h [mm]:")));
    EXPECT_FALSE(zwei.contains(QStringLiteral("Breite b [mm]:")));
    EXPECT_TRUE(zwei.contains(QStringLiteral("vertikal a:")));
    EXPECT_TRUE(zwei.contains(QStringLiteral("horizontal a':")));

    const QStringList eins = Seiten(beispiel(1)).titel();
    for (const char* text : {"Höhe h [mm]:", "Breite b [mm]:", "vertikal a:", "horizontal a':"})
        EXPECT_FALSE(eins.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(eins.contains(QStringLiteral("Durchmesser d [mm]:")));
}

TEST(BerichtTraverse, KontrollkaestchenBestimmenIhreZeilen)
{
    Traversenentwurf e = beispiel();
    QStringList t = Seiten(e).titel();
    EXPECT_TRUE(t.contains(QStringLiteral("horizontale Diagonalen")));
    EXPECT_TRUE(t.contains(QStringLiteral("Sicherheitsfaktor von 2 nach BGV C1")));
    EXPECT_FALSE(t.join(u' ').contains(QStringLiteral("seitliche")));
    e.eingaben.cbHoriDiga = false;
    e.eingaben.cbBGVC1 = false;
    t = Seiten(e).titel();
    EXPECT_FALSE(t.contains(QStringLiteral("horizontale Diagonalen")));
    EXPECT_FALSE(t.contains(QStringLiteral("Sicherheitsfaktor von 2 nach BGV C1")));
    const QString seitenknicken =
        QStringLiteral("Ohne horizontale Diagonalen ist das seitliche Knicken der Gurte nicht berücksichtigt.");
    EXPECT_TRUE(t.contains(seitenknicken));
    const qsizetype faktor = t.indexOf(QStringLiteral("Sicherheitsfaktor für Außermittigkeit der Lasteinleitung:"));
    ASSERT_GE(faktor, 0);
    EXPECT_EQ(t.at(faktor + 1), QStringLiteral("2,00"));
}

TEST(BerichtTraverse, WerteDesFenstersUndDieBibliothekseingabenStattDerVorschlaege)
{
    const Traversenentwurf e = beispiel();
    ASSERT_GT(e.ergebnisse.biegemomentNm.value_or(0), 0); // the proposal differs from the library input "0"
    const QStringList t = Seiten(e).titel();
    EXPECT_EQ(t.at(0), QStringLiteral("Traverse"));
    const auto nach = [&t](const char* beschriftung) {
        const qsizetype i = t.indexOf(QString::fromUtf8(beschriftung));
        return i >= 0 && i + 1 < t.size() ? t.at(i + 1) : QStringLiteral("<fehlt>");
    };
    EXPECT_EQ(nach("Hersteller:"), QStringLiteral("Beispiel GmbH"));
    EXPECT_EQ(nach("im Verbinder [N]:"), QStringLiteral("100000"));
    EXPECT_EQ(nach("Material:"), QStringLiteral("AlMgSi1 F30, F31, F32"));
    EXPECT_EQ(nach("I [mm² * mm²]"), QStringLiteral("87 009,55"));
    EXPECT_EQ(nach("I h [mm² * mm²]"), QStringLiteral("27 491 398,73"));
    EXPECT_EQ(nach("maximale Gurtkraft pro Gurt [N]"), QStringLiteral("28 222,09"));
    EXPECT_EQ(nach("zulässige Querkraft [N]:"), QStringLiteral("0"));
    EXPECT_EQ(nach("zulässiges Biegemoment [Nm]:"), QStringLiteral("0"));
    EXPECT_TRUE(t.contains(QStringLiteral("Geometrie:")));
    // The header of the column table, "Euler-Fall 1" in bold.
    const Seiten seiten(e);
    const GesetztesBand& band = *baender(seiten.layout, Bandart::Titel).at(0);
    bool fett = false;
    for (const auto& text : band.texte)
        if (text.text == QStringLiteral("Euler-Fall 1"))
            fett = text.schrift.fett;
    EXPECT_TRUE(fett);
    // Chord and diagonal picture.
    EXPECT_EQ(band.bilder.size(), 2u);
}

TEST(BerichtTraverse, SechzehnZeilenDerStuetzentabelle)
{
    const Traversenentwurf e = beispiel();
    const Seiten s(e);
    const auto zeilen = baender(s.layout, Bandart::Detail, 0);
    ASSERT_EQ(zeilen.size(), 16u);
    for (int r = 0; r < 16; ++r) {
        const QStringList t = texte(*zeilen[size_t(r)]);
        ASSERT_EQ(t.size(), 5);
        EXPECT_EQ(t.at(0), QString::number(r + 1));
        for (int j = 1; j < 5; ++j)
            EXPECT_EQ(t.at(j), Stuetzentext(e.ergebnisse.stuetzeKg[size_t(r)][size_t(j - 1)]));
        EXPECT_TRUE(zeilen[size_t(r)]->texte[1].schrift.fett);
        EXPECT_FALSE(zeilen[size_t(r)]->texte[2].schrift.fett);
    }
    EXPECT_EQ(texte(*zeilen[9]).at(1).trimmed(), QStringLiteral("581,20 kg"));
}

TEST(BerichtTraverse, VerbinderergebnisseNachDemTyp)
{
    Traversenentwurf e = beispiel();
    // No type chosen: ten empty rows, no picture, the maximum force row stays.
    EXPECT_TRUE(ergebniszeilen(Seiten(e).verbinder()).isEmpty());
    EXPECT_TRUE(Seiten(e).verbinder().bilder.empty());
    EXPECT_TRUE(texte(Seiten(e).verbinder()).contains(QStringLiteral("maximale Verbinderkraft [N]")));

    e.eingaben.cmbVerbinder.waehle(0);
    e.eingaben.edtVerbA = QStringLiteral("10");
    e.eingaben.edtVerbB = QStringLiteral("12");
    e.eingaben.edtVerbD = QStringLiteral("12");
    e.eingaben.edtVerbLL = QStringLiteral("170");
    e.eingaben.edtVerbDehngrenze = QStringLiteral("640");
    e.BerechneVerbinder();
    const Seiten kegel(e);
    EXPECT_EQ(ergebniszeilen(kegel.verbinder()),
              (QStringList{"Lochleibung:", "Fläche je Loch [mm²]:", "120,00", "Fläche gesamt [mm²]:", "240,00",
                           "zulässige Kraft [N]:", "40 800,00", "Bolzen:", "Durchmesser [mm]:", "10,00",
                           "Fläche A [mm²]:", "78,54", "Trägheitsmoment I [mm² * mm²]:", "490,87",
                           "Dehngrenze [N/mm²]:", "400,00", "zulässige Kraft [N]:", "9 346,12"}));
    EXPECT_EQ(kegel.verbinder().bilder.size(), 1u);
    // A heading row is left-aligned and underlined, a value row right-aligned.
    for (const auto& t : kegel.verbinder().texte) {
        if (t.text == QStringLiteral("Lochleibung:")) {
            EXPECT_TRUE(t.schrift.unterstrichen);
            EXPECT_EQ(t.ausrichtung, Ausrichtung::Links);
        }
        if (t.text == QStringLiteral("Fläche je Loch [mm²]:"))
            EXPECT_EQ(t.ausrichtung, Ausrichtung::Rechts);
    }
    const QStringList alle = texte(kegel.verbinder());
    EXPECT_EQ(alle.at(alle.indexOf(QStringLiteral("maximale Verbinderkraft [N]")) + 1), QStringLiteral("9 346,12"));
    // Both captions as one text, wrapped into lines.
    EXPECT_TRUE(alle.join(u' ').contains(QStringLiteral("es kann ausgeschlossen werden, dass Material geringerer Festigkeit verwendet wird")));
    EXPECT_TRUE(alle.contains(QStringLiteral("Nein")));

    e.eingaben.cmbVerbinder.waehle(3);
    e.eingaben.cbBolzenMin = true;
    e.BerechneVerbinder();
    const QStringList flansch = ergebniszeilen(Seiten(e).verbinder());
    ASSERT_EQ(flansch.size(), 9);
    EXPECT_EQ(flansch.at(0), QStringLiteral("Schraubverbindung:"));
    EXPECT_EQ(flansch.at(1), QStringLiteral("Spannungsquerschnitt [mm²]:"));
    EXPECT_EQ(flansch.at(2), Ergebnistext(e.ergebnisse.schraubeFlaecheMm2));
    EXPECT_TRUE(texte(Seiten(e).verbinder()).contains(QStringLiteral("Ja")));

    e.eingaben.cmbVerbinder.waehle(4);
    e.BerechneVerbinder();
    const QStringList rohr = ergebniszeilen(Seiten(e).verbinder());
    EXPECT_EQ(rohr.at(0), QStringLiteral("Außenrohr:"));
    EXPECT_TRUE(rohr.contains(QStringLiteral("Innenrohr:")));
    EXPECT_TRUE(rohr.contains(QStringLiteral("Schraube:")));
    EXPECT_EQ(rohr.size(), 3 + 2 * 7);
}

TEST(BerichtTraverse, BeschriftungenInDerAktuellenSprache)
{
    setzeUebersetzer([](int id, QString& text) {
        if (id == 2192)
            text = QStringLiteral("Manufacturer:");
        if (id == 2721)
            text = QStringLiteral("Geometry:");
        if (id == 2720)
            text = QStringLiteral("No");
    });
    const Seiten s(beispiel());
    setzeUebersetzer({});
    EXPECT_TRUE(s.titel().contains(QStringLiteral("Manufacturer:")));
    EXPECT_TRUE(s.titel().contains(QStringLiteral("Geometry:")));
    EXPECT_TRUE(texte(s.verbinder()).contains(QStringLiteral("No")));
}

TEST(Traversenbilder, GurteDiagonalenUndVerbinderAusDenSvgDateien)
{
    for (int n = 1; n <= 4; ++n) {
        const QImage bild = Gurtbild(n, 100);
        ASSERT_FALSE(bild.isNull()) << n;
        int gezeichnet = 0; // a drawing, not a blank
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                gezeichnet += bild.pixelColor(x, y) != QColor(Qt::white);
        EXPECT_GT(gezeichnet, 200) << n;
    }
    EXPECT_TRUE(Gurtbild(0).isNull());
    EXPECT_FALSE(Diagonalenbild(100).isNull());
    for (int typ = 0; typ <= 4; ++typ)
        EXPECT_FALSE(Verbinderbild(typ, 100).isNull()) << typ;
    EXPECT_TRUE(Verbinderbild(-1).isNull());
}

TEST(BefehlTraverse, PdfDesAusdrucks)
{
    QTemporaryDir ordner;
    Traversenentwurf e = beispiel();
    const QString datei = ordner.filePath(QStringLiteral("t.prt"));
    TraverseSchreiben(e, datei);
    const QString pdf = ordner.filePath(QStringLiteral("t.pdf"));
    const CliLauf lauf = kelvaraCli({QStringLiteral("traverse"), datei, QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(pdfSeiten(pdf), 2);
    const QString text = pdfSeitentexte(pdf).join(u'\n');
    EXPECT_TRUE(text.contains(ImSystemformat(QStringLiteral("581,20 kg"))));
    for (const char* erwartet : {"Beispiel GmbH", "Geometrie:", "Euler-Fall 1", "Eigenschaften der Diagonale",
                                 "maximale Verbinderkraft [N]", "Kelvara VLX"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(erwartet))) << erwartet;
    EXPECT_EQ(kelvaraCli({QStringLiteral("bericht"), datei, ordner.filePath(QStringLiteral("t2.pdf"))}).code, 0);
    EXPECT_EQ(pdfSeiten(ordner.filePath(QStringLiteral("t2.pdf"))), 2);
}

TEST(TfrmPrintTraverse, ZeigtDenBerichtInDerModalenVorschau)
{
    const Traversenentwurf e = beispiel();
    const GezeigteVorschau v = zeigeUndSchliesse([&] { Tfrm_print_traverse::Drucken(e); });
    EXPECT_TRUE(v.modal);
    EXPECT_EQ(v.seiten, 2);
    EXPECT_TRUE(v.titel.endsWith(QStringLiteral("Traverse – neue Traverse"))) << v.titel.toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(BerichtTraverse, EinUnmoeglichesRohrStehtAlsHinweisUeberDenErgebnissen)
{
    Traversenentwurf e = beispiel();
    EXPECT_FALSE(Seiten(e).titel().join(u'|').contains(QStringLiteral("Hinweis")));
    e.eingaben.edtWandstaerke = QStringLiteral("60");
    {
        SkriptDialoge d;
        d.erwarteMeldung();
        e.BerechneTraverse();
    }
    const QStringList titel = Seiten(e).titel();
    const qsizetype hinweis = titel.indexOf(QStringLiteral("Hinweis: Unmögliches Rohr: Wand 60,00 mm, Durchmesser 50,00 mm"));
    ASSERT_GE(hinweis, 0) << titel.join(u'|').toStdString();
    EXPECT_EQ(titel.at(hinweis + 1), QStringLiteral("Ergebnisse:"));
    // once the wall is possible again, the note goes
    e.eingaben.edtWandstaerke = QStringLiteral("6,0");
    EXPECT_TRUE(e.BerechneTraverse());
    EXPECT_FALSE(Seiten(e).titel().join(u'|').contains(QStringLiteral("Hinweis")));
}
