// The example data shipped beside the program: trusses designed by the program itself fill the
// library with the values their own files recompute.
#include "beam/u_balkenrechnung.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_lastenbibliothek.h"
#include "project/u_projektfelder.h"
#include "project/u_projektmodell.h"
#include "truss/u_travbibfelder.h"
#include "truss/u_traversenbibliothek.h"
#include "truss/u_traversendatei.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include "../truss/ergebniswert.h"
#include <gtest/gtest.h>

namespace {
QString quellen() { return QStringLiteral(KELVARA_QUELLEN "/assets/beispiele"); }

double zahl(QString text) { return ZahlAusText(text.remove(QLatin1Char(' ')), -1); }
} // namespace

TEST(Beispieldaten, BibliothekstraversenHabenDieWerteIhrerEigenenTraversendateien)
{
    QTemporaryDir ordner;
    const CliLauf lauf = kelvaraCli({QStringLiteral("beispieldaten"), quellen(), ordner.path()});
    ASSERT_EQ(lauf.code, 0) << lauf.fehler.toStdString();
    const QString programm = ordner.path() + QLatin1Char('/');
    Traversenbibliothek bibliothek;
    ASSERT_NO_THROW(bibliothek.BibliothekLesen(Traversenbibliothek::Dateiname(programm)));
    TBClientDataSet& t = bibliothek.cds_travbib;
    ASSERT_EQ(t.RecordCount(), 13);
    for (t.First(); !t.Eof(); t.Next()) {
        const QString name = t.FieldByName(Projektfeld::Name).AsString();
        Traversenentwurf entwurf;
        ASSERT_TRUE(TraverseLaden(entwurf, programm + QStringLiteral("Traversen/Beispiel ") + name + QStringLiteral(".prt")))
            << name.toStdString();
        const double moment = t.FieldByName(Travbibfeld::Biegemoment).AsFloat();
        const double querkraft = t.FieldByName(Travbibfeld::Querkraft).AsFloat();
        EXPECT_GT(moment, 100) << name.toStdString();
        EXPECT_GT(querkraft, 1000) << name.toStdString();
        EXPECT_GT(t.FieldByName(Lagerfeld::Eigenlast).AsFloat(), 10) << name.toStdString();
        EXPECT_NEAR(wert(entwurf.ergebnisse.biegemomentNm), moment, 0.01) << name.toStdString();
        EXPECT_NEAR(wert(entwurf.ergebnisse.querkraftN), querkraft, 0.01) << name.toStdString();
        EXPECT_EQ(t.FieldByName(Travbibfeld::Gurtzahl).AsInteger(), name.startsWith(QLatin1String("Rohr")) ? 1 : name.left(1).toInt());
        // EI = 70 000 N/mm² · I_v, in kN·m²
        const double iv = entwurf.kennwerte().I_v;
        EXPECT_GT(iv, 0) << name.toStdString();
        EXPECT_NEAR(t.FieldByName(Travbibfeld::EI).AsFloat(), 70000 * iv * 1e-9, 1e-9 * 70000 * iv * 1e-9)
            << name.toStdString();
    }
}

TEST(Beispieldaten, LastenbibliothekHatJedeLastEinmalUndZweiLaeufeGebenDieselbenBytes)
{
    QTemporaryDir a, b;
    ASSERT_EQ(kelvaraCli({QStringLiteral("beispieldaten"), quellen(), a.path()}).code, 0);
    ASSERT_EQ(kelvaraCli({QStringLiteral("beispieldaten"), quellen(), b.path()}).code, 0);
    Lastenbibliothek lasten;
    lasten.BibliothekLaden(a.path() + QLatin1Char('/'));
    EXPECT_EQ(lasten.cds_lastbib.RecordCount(), 27);
    // every kind of load a rigger places has at least one entry; hoists from 250 kg to 2 t
    for (int art = 3; art <= 15; ++art) {
        std::vector<Lasteintrag> eintraege;
        lasten.LastenAuflisten(art, eintraege);
        EXPECT_FALSE(eintraege.empty()) << art;
    }
    std::vector<Lasteintrag> motoren;
    lasten.LastenAuflisten(5, motoren);
    EXPECT_EQ(motoren.size(), 4u);
    for (const QString& datei : {QStringLiteral("/Traversen/Bibliothek.cds"), QStringLiteral("/Traversen/Lasten-Bibliothek.cds")})
        EXPECT_EQ(dateiInhalt(a.path() + datei), dateiInhalt(b.path() + datei)) << datei.toStdString();
}

TEST(Beispieldaten, BeispielprojektHatVierBerechneteTraversenUndDenBuehnengrundriss)
{
    QTemporaryDir ordner;
    ASSERT_EQ(kelvaraCli({QStringLiteral("beispieldaten"), quellen(), ordner.path()}).code, 0);
    Projektmodell p;
    Meldungen meldungen;
    ASSERT_TRUE(p.Laden(ordner.path() + QStringLiteral("/Projekte/Beispielprojekt.prp"), meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(p.name, QStringLiteral("Beispiel: Bühne Stadtfest"));
    EXPECT_EQ(p.cds_projekt.RecordCount(), 4);
    EXPECT_EQ(p.cds_mauern.RecordCount(), 3);
    for (p.cds_mauern.First(); !p.cds_mauern.Eof(); p.cds_mauern.Next())
        EXPECT_EQ(p.cds_punkte.RecordCount(), 2); // every element has its two points
    for (p.cds_projekt.First(); !p.cds_projekt.Eof(); p.cds_projekt.Next()) {
        ASSERT_EQ(p.cds_varianten.RecordCount(), 1);
        const double auslastung = p.cds_varianten.FieldByName(Variantenfeld::Auslastung).AsFloat();
        EXPECT_GT(auslastung, 1.0);
        EXPECT_LT(auslastung, 100.0); // the example must be a safe rig
        EXPECT_GE(p.cds_lager.RecordCount(), 2);
    }
    // the front truss carries the first support of each side truss as a truss-force load
    p.cds_projekt.First();
    int traversenkraefte = 0;
    for (p.cds_lasten.First(); !p.cds_lasten.Eof(); p.cds_lasten.Next())
        if (p.cds_lasten.FieldByName(Lastfeld::Type).AsInteger() == 17) {
            ++traversenkraefte;
            EXPECT_EQ(p.cds_lasten.FieldByName(Lastfeld::Name).AsString().left(3), traversenkraefte == 1 ? "T3|" : "T4|");
            EXPECT_GT(p.cds_lasten.FieldByName(Lastfeld::Last).AsFloat(), 100.0);
        }
    EXPECT_EQ(traversenkraefte, 2);
    EXPECT_GT(p.Lagerkraft(3, 3, 1), 100.0);
    // a new calculation of the saved file gives the stored utilisation again
    p.cds_projekt.First();
    const double gespeichert = p.cds_varianten.FieldByName(Variantenfeld::Auslastung).AsFloat();
    const CliLauf lauf = kelvaraCli({QStringLiteral("projekt"), ordner.path() + QStringLiteral("/Projekte/Beispielprojekt.prp"),
                                     QStringLiteral("--berechnen"), QStringLiteral("--json")});
    ASSERT_EQ(lauf.code, 0);
    const QJsonObject variante = QJsonDocument::fromJson(lauf.ausgabe)
                                     .object()[QStringLiteral("traversen")].toArray()[0]
                                     .toObject()[QStringLiteral("varianten")].toArray()[0].toObject();
    EXPECT_NEAR(variante[QStringLiteral("berechnet")].toObject()[QStringLiteral("auslastung")].toDouble(), gespeichert, 1e-9);
}

// The shipped project is written with decimal commas; a machine with the decimal point computes
// the same utilisation from it, and no variant loses its truss values.
TEST(Beispieldaten, BeispielprojektRechnetUnterJederLocaleGleich)
{
    QTemporaryDir ordner;
    ASSERT_EQ(kelvaraCli({QStringLiteral("beispieldaten"), quellen(), ordner.path()}).code, 0);
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale::c(), QLocale(QLocale::German)}) {
        QLocale::setDefault(locale);
        Projektmodell p;
        Meldungen meldungen;
        ASSERT_TRUE(p.Laden(ordner.path() + QStringLiteral("/Projekte/Beispielprojekt.prp"), meldungen));
        std::vector<std::pair<Variantenverweis, double>> varianten;
        for (p.cds_projekt.First(); !p.cds_projekt.Eof(); p.cds_projekt.Next())
            varianten.emplace_back(p.AktuellerVerweis(), p.cds_varianten.FieldByName(Variantenfeld::Auslastung).AsFloat());
        int gerechnet = 0;
        for (const auto& [verweis, gespeichert] : varianten) {
            Balkenmodell m;
            ASSERT_TRUE(p.VarianteInEditor(verweis, m, meldungen));
            EXPECT_DOUBLE_EQ(m.traverse.hoehe, 0.29) << locale.name().toStdString();
            EXPECT_GT(m.traverse.eigenlast, 10);
            EXPECT_EQ(m.Modus(), 1); // weights and wind, never wind alone
            EXPECT_DOUBLE_EQ(m.StaudruckWert(), 0.5);
            m.ZaehlerSetzen();
            Balkenrechnung r(m);
            r.projekt = &p.Kraftquelle();
            r.Berechnen();
            ASSERT_TRUE(r.berechnet) << r.meldungen.join(QLatin1Char(' ')).toStdString();
            EXPECT_NEAR(r.auslastung.value_or(-1), gespeichert, 1e-9) << locale.name().toStdString();
            ++gerechnet;
        }
        EXPECT_EQ(gerechnet, 4);
    }
}

TEST(Beispieldaten, EinAbgebrochenerLaufLaesstBeideBibliothekenUnveraendert)
{
    QTemporaryDir ordner, kaputt;
    ASSERT_EQ(kelvaraCli({QStringLiteral("beispieldaten"), quellen(), ordner.path()}).code, 0);
    const QString traversen = Traversenbibliothek::Dateiname(ordner.path() + QLatin1Char('/'));
    const QString lasten = Lastenbibliothek::Dateiname(ordner.path() + QLatin1Char('/'));
    const QByteArray traversenVorher = dateiInhalt(traversen);
    const QByteArray lastenVorher = dateiInhalt(lasten);
    ASSERT_FALSE(traversenVorher.isEmpty());
    // the trusses are read, the loads' source has a line with a field missing
    ASSERT_TRUE(QFile::copy(quellen() + QStringLiteral("/traversen.txt"), kaputt.filePath(QStringLiteral("traversen.txt"))));
    QFile falsch(kaputt.filePath(QStringLiteral("lasten.txt")));
    ASSERT_TRUE(falsch.open(QIODevice::WriteOnly));
    falsch.write("Motor;5\n");
    falsch.close();

    const CliLauf lauf = kelvaraCli({QStringLiteral("beispieldaten"), kaputt.path(), ordner.path()});
    EXPECT_EQ(lauf.code, 1);
    EXPECT_TRUE(lauf.fehler.contains(QStringLiteral("Felder erwartet"))) << lauf.fehler.toStdString();
    EXPECT_EQ(dateiInhalt(traversen), traversenVorher);
    EXPECT_EQ(dateiInhalt(lasten), lastenVorher);
    EXPECT_EQ(QDir(ordner.filePath(QStringLiteral("Traversen"))).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList()); // nothing built aside is left behind
}
