// The variant report: title block, the three sections with their rows as the fields display
// them, the load-case heading by options and mode, the utilisation image; and kelvara-cli bericht.
#include "u_testhilfen.h"
#include "balkenhilfen.h"
#include "../report/berichtshilfe.h"
#include "../report/vorschauhilfe.h"
#include "beam/fo_print_variante.h"
#include "beam/g_balkenskizze.h"
#include "beam/g_bericht_variante.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_einzelprojekt.h"
#include "language/u_uebersetzung.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime Ausdruck(QDate(2026, 3, 14), QTime(9, 30, 5));

struct Variante {
    Balkenmodell m;
    Balkenrechnung r{m};
    Variante()
    {
        m.traverse.laenge = 10;
        m.traverse.hoehe = 0.29;
        m.traverse.eigenlast = 100;
        m.traverse.maxQuer = 6300;
        m.traverse.maxBiege = 12500.4;
        m.traversenname = QStringLiteral("QX30(Beispiel)");
        m.variantenname = QStringLiteral("Frontraverse");
        m.bearbeiter = QStringLiteral("R. Müller");
    }
    Berichtslayout layout()
    {
        r.Berechnen();
        return Umbrechen(BerichtVariante(m, r, Skizzenbild(m, r, QSize(400, 200)), Ausdruck));
    }
};

} // namespace

TEST(BerichtVariante, TitelblockMitTraversenwertenAuslastungUndAusdruck)
{
    Variante v;
    fuegeLagerHinzu(v.m, -5, 0, 1000);
    fuegeLagerHinzu(v.m, 5, 0, 1000);
    const Berichtslayout l = v.layout();
    const auto titel = baender(l, Bandart::Titel);
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_EQ(texte(*titel[0]),
              (QStringList{"Frontraverse", "Traverse:", "QX30(Beispiel)", "Höhe [m]:", "0,29", "Länge [m]:", "10,00",
                           "Eigenlast [N/m]:", "100,00", "zulässige Querkraft [N]:", "6 300",
                           "zulässiges Biegemoment [Nm]:", "12 500", "Gesamtauslastung", "(Lager und Traverse): ",
                           "50,00 %", "Bearbeiter:", "R. Müller", "Ausdruck:", "14.03.2026 09:30:05"}));
    EXPECT_EQ(textAb(*titel[0], 54.0), QStringLiteral("0,29"));
    EXPECT_EQ(textAb(*titel[0], 135.5), QStringLiteral("50,00 %"));
    const auto fuss = baender(l, Bandart::Seitenfuss);
    ASSERT_FALSE(fuss.empty());
    EXPECT_EQ(texte(*fuss.back()), (QStringList{"Kelvara VLX", "14.03.2026 09:30:05"}));
}

TEST(BerichtVariante, ZeilenZeigenDieWerteWieIhreFelder)
{
    Variante v;
    fuegeLagerHinzu(v.m, -4.5, 0, 2000, 50);
    fuegeLagerHinzu(v.m, 5, 0, 0);
    fuegeLastHinzu(v.m, ArtStreckenlast, -1, 1, 981, 0, QStringLiteral("Vorhang"));
    const Berichtslayout l = v.layout();

    const auto lager = baender(l, Bandart::Detail, 0);
    ASSERT_EQ(lager.size(), 2u);
    EXPECT_EQ(texte(*lager[0]).mid(0, 6), (QStringList{"1", "L1", "-4,5", "50,00", "2000,0", "0,0"}));
    const QString berechnet = v.m.cds_lager.AnzeigeTextBei(1, v.m.cds_lager.FieldByName(Lagerfeld::Berechnet).Index());
    EXPECT_EQ(texte(*lager[0]).at(6), berechnet);
    EXPECT_EQ(texte(*lager[0]).at(7), v.m.cds_lager.AnzeigeTextBei(1, v.m.cds_lager.FieldByName(Lagerfeld::BerechnetProzent).Index()));
    EXPECT_EQ(texte(*lager[1]).size(), 7); // Maximallast 0: the percentage prints as nothing

    const auto lasten = baender(l, Bandart::Detail, 1);
    ASSERT_EQ(lasten.size(), 1u);
    EXPECT_EQ(texte(*lasten[0]), (QStringList{"1", "Vorhang", "-1,00", "1,00", "981,00", "100,00"}));

    const auto tragfaelle = baender(l, Bandart::Detail, 2);
    ASSERT_EQ(tragfaelle.size(), 1u);
    const QStringList t = texte(*tragfaelle[0]);
    EXPECT_EQ(t.mid(0, 5), (QStringList{"1", "1", "2", "-4,50", "5,00"}));
    EXPECT_EQ(textAb(*tragfaelle[0], 23.3), QStringLiteral("2"));
    EXPECT_EQ(t.size(), 11);
}

TEST(BerichtVariante, WenigerAlsZweiLagerDruckenDenLeerenTragfallabschnittUndNurBezugslinien)
{
    Variante v;
    fuegeLagerHinzu(v.m, 0);
    const Berichtslayout l = v.layout();
    EXPECT_EQ(baender(l, Bandart::Detail, 0).size(), 1u);
    EXPECT_EQ(baender(l, Bandart::Detail, 1).size(), 0u);
    EXPECT_EQ(baender(l, Bandart::Detail, 2).size(), 0u);
    const auto kopf = baender(l, Bandart::Kopf, 2);
    ASSERT_EQ(kopf.size(), 1u);
    EXPECT_TRUE(texte(*kopf[0]).contains(QStringLiteral("Tragfälle:")));
    ASSERT_EQ(baender(l, Bandart::Kopf, 1).size(), 1u); // the loads heading stands without rows

    const auto summe = baender(l, Bandart::Zusammenfassung);
    ASSERT_EQ(summe.size(), 1u);
    ASSERT_EQ(summe[0]->bilder.size(), 1u);
    const QImage& bild = summe[0]->bilder[0].bild;
    EXPECT_EQ(bild.size(), QSize(400, 200));
    for (int y = 100; y < 200; ++y)
        for (int x = 0; x < 400; ++x) {
            const QColor c = bild.pixelColor(x, y);
            ASSERT_TRUE(c == Qt::white || c == Qt::black || c == Qt::blue || c == Qt::cyan) << x << "," << y;
        }
    // 168.5 mm wide with the aspect ratio kept, in whole layout units.
    EXPECT_NEAR(summe[0]->bilder[0].rahmen.width(), 168.5, 1e-9);
    EXPECT_NEAR(summe[0]->bilder[0].rahmen.height(), Bildhoehe(168.5, QSize(400, 200)), 1e-9);
}

TEST(BerichtVariante, OptionenUndStaudruckNachDemModus)
{
    Variante v;
    fuegeLagerHinzu(v.m, -5);
    fuegeLagerHinzu(v.m, 5);
    v.m.staudruck.setzeText(QStringLiteral("0,8"));
    QStringList kopf = texte(*baender(v.layout(), Bandart::Kopf, 2).at(0));
    EXPECT_FALSE(kopf.join(u'|').contains(QStringLiteral("Staudruck")));
    EXPECT_FALSE(kopf.contains(QStringLiteral("Minimalkräfte wurden berücksichtigt")));
    EXPECT_TRUE(kopf.contains(QStringLiteral("nur Gewichtslasten")));

    v.m.berechnung.waehle(2);
    v.m.minimal = true;
    v.m.negativ = true;
    const Berichtslayout l = v.layout();
    const GesetztesBand& b = *baender(l, Bandart::Kopf, 2).at(0);
    kopf = texte(b);
    EXPECT_TRUE(kopf.contains(QStringLiteral("nur Windlasten")));
    EXPECT_TRUE(kopf.contains(QStringLiteral("Staudruck [kN/m²]: 0,8")));
    EXPECT_EQ(textAb(b, 29.6), QStringLiteral("Minimalkräfte wurden berücksichtigt"));
    EXPECT_EQ(textAb(b, 78.3), QStringLiteral("Tragfälle mit negativen Lagerkräften wurden berücksichtigt"));
    EXPECT_EQ(textAb(b, 95.2), QStringLiteral("Staudruck [kN/m²]: 0,8"));
}

TEST(BerichtVariante, NachDemSprachwechselDerModustextDesFenstersUndDieFestenBeschriftungen)
{
    Variante v;
    fuegeLagerHinzu(v.m, -5);
    fuegeLagerHinzu(v.m, 5);
    setzeUebersetzer([](int id, QString& text) {
        if (id == 2034)
            text = QStringLiteral("gravity loads only");
    });
    v.m.SetzeModustexte();
    const Berichtslayout l = v.layout();
    setzeUebersetzer({});
    const QStringList kopf = texte(*baender(l, Bandart::Kopf, 2).at(0));
    EXPECT_TRUE(kopf.contains(QStringLiteral("gravity loads only")));
    EXPECT_TRUE(kopf.contains(QStringLiteral("Tragfälle:")));
}

TEST(BefehlBericht, EinzelprojektWirdBerechnetUndAlsPdfGeschrieben)
{
    QTemporaryDir ordner;
    Variante v;
    fuegeLagerHinzu(v.m, -5);
    fuegeLagerHinzu(v.m, 5);
    fuegeLastHinzu(v.m, ArtKraft, 0, 0, 1000, 0, QStringLiteral("Punktlast"));
    const QString datei = ordner.filePath(QStringLiteral("v.pre"));
    SchreibeEinzelprojekt(v.m, datei);
    const QString pdf = ordner.filePath(QStringLiteral("v.pdf"));
    const CliLauf lauf = kelvaraCli({QStringLiteral("bericht"), datei, pdf});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(pdfSeiten(pdf), 2); // the continuous beam's section and lines push the summary on
    const QString text = pdfSeitentexte(pdf).join(u'\n');
    for (const char* erwartet : {"Frontraverse", "Lager:", "Lasten:", "Tragfälle:", "Durchlaufträger:", "Auslastung:",
                                 "Punktlast", "Kelvara VLX", "EI unbekannt", "Theorie II. Ordnung"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(erwartet))) << erwartet;
    // Calculated first: the supports carry 500 + 500 N each.
    EXPECT_TRUE(text.contains(ImSystemformat(QStringLiteral("1 000,00")))) << text.toStdString();

    EXPECT_EQ(kelvaraCli({QStringLiteral("bericht"), datei}).code, 2);
    EXPECT_EQ(kelvaraCli({QStringLiteral("bericht"), ordner.filePath(QStringLiteral("x.txt")), pdf}).code, 2);
    const CliLauf fehlt = kelvaraCli({QStringLiteral("bericht"), ordner.filePath(QStringLiteral("fehlt.pre")), pdf});
    EXPECT_EQ(fehlt.code, 1);
    EXPECT_FALSE(fehlt.fehler.isEmpty());
}

TEST(TfrmPrintVariante, ZeigtDenBerichtDerBerechnetenVarianteInDerModalenVorschau)
{
    Variante v;
    fuegeLagerHinzu(v.m, -5);
    fuegeLagerHinzu(v.m, 5);
    v.r.Berechnen();
    const GezeigteVorschau g = zeigeUndSchliesse(
        [&] { Tfrm_print_variante::Drucken(v.m, v.r, Skizzenbild(v.m, v.r, QSize(400, 200))); });
    EXPECT_TRUE(g.modal);
    EXPECT_EQ(g.seiten, 2);
    EXPECT_TRUE(g.titel.endsWith(QStringLiteral("Frontraverse"))) << g.titel.toStdString();
}

// Hoists at −5 and −4 m with 1 kN at +5 m: by hand R₁ = −9 kN, so nothing carries the truss.
// The report names it above the picture and shows the utilisation as "—".
TEST(BerichtVariante, WarnungenStehenUeberDemBildUndDieAuslastungFehlt)
{
    Variante v;
    v.m.traverse.eigenlast = 0;
    fuegeLagerHinzu(v.m, -5);
    fuegeLagerHinzu(v.m, -4);
    fuegeLastHinzu(v.m, ArtKraft, 5, 5, 1000);
    const Berichtslayout l = v.layout();
    const auto titel = baender(l, Bandart::Titel);
    ASSERT_EQ(titel.size(), 1u);
    EXPECT_EQ(textAb(*titel[0], 135.5), QStringLiteral("—"));
    const auto summe = baender(l, Bandart::Zusammenfassung);
    ASSERT_EQ(summe.size(), 1u);
    EXPECT_EQ(texte(*summe[0]), (QStringList{"Auslastung:", "Kein Tragfall hat alle Lager unter Druck"}));
    ASSERT_EQ(summe[0]->bilder.size(), 1u);
    EXPECT_GT(summe[0]->bilder[0].rahmen.top(), summe[0]->texte.back().rahmen.bottom());
}
