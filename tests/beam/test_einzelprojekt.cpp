// The single-project file: round trip, packets after the settings text, wrong header, damaged
// streams that leave the model as it was.
#include "balkenhilfen.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_einzelprojekt.h"
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibeBytes(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(Einzelprojekt, SchreibenUndLesenGibtDasGleicheModell)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.pre"));
    Balkenmodell m;
    m.variantenname = QStringLiteral("Bühne links");
    m.bearbeiter = QStringLiteral("Ute");
    m.traverse.laenge = 10.5;
    m.traverse.gurtzahl = 4;
    m.negativ = true;
    m.berechnung.waehle(1);
    fuegeLagerHinzu(m, -5, 10, 2000, 50);
    fuegeLagerHinzu(m, 5);
    fuegeLastHinzu(m, ArtStreckenlast, -1, 1, 196.2, 0.25, QStringLiteral("Vorhang"));
    SchreibeEinzelprojekt(m, pfad);

    Balkenmodell n;
    fuegeLagerHinzu(n, 99);
    Meldungen meldungen;
    ASSERT_TRUE(LeseEinzelprojekt(n, pfad, meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(n.variantenname, QStringLiteral("Bühne links"));
    EXPECT_EQ(n.bearbeiter, QStringLiteral("Ute"));
    EXPECT_EQ(n.traversenname, QStringLiteral("keine Traverse gewählt"));
    EXPECT_DOUBLE_EQ(n.traverse.laenge, 10.5);
    EXPECT_DOUBLE_EQ(n.traverse.hoehe, 0.3);
    EXPECT_EQ(n.traverse.gurtzahl, 4);
    EXPECT_TRUE(n.negativ);
    EXPECT_FALSE(n.minimal);
    EXPECT_EQ(n.Modus(), 1);
    ASSERT_EQ(n.cds_lager.RecordCount(), 2);
    n.cds_lager.First();
    EXPECT_DOUBLE_EQ(feld(n.cds_lager, Lagerfeld::Position), -5);
    EXPECT_DOUBLE_EQ(feld(n.cds_lager, Lagerfeld::Eigenlast), 50);
    EXPECT_DOUBLE_EQ(feld(n.cds_lager, Lagerfeld::Minimalkraft), 10);
    EXPECT_EQ(n.cds_lager.FieldByName(Lagerfeld::Name).AsString(), QStringLiteral("L1"));
    ASSERT_EQ(n.cds_lasten.RecordCount(), 1);
    EXPECT_NEAR(feld(n.cds_lasten, Lastfeld::Lastkg), 20, 1e-12);
    EXPECT_EQ(n.cds_lasten.FieldByName(Lastfeld::Name).AsString(), QStringLiteral("Vorhang"));
    n.ZaehlerSetzen();
    EXPECT_EQ(n.lagerzaehler, 2);
    EXPECT_EQ(n.lastenzaehler, 1);

    SchreibeEinzelprojekt(n, ordner.filePath(QStringLiteral("b.pre")));
    EXPECT_EQ(inhalt(ordner.filePath(QStringLiteral("b.pre"))), inhalt(pfad));
}

TEST(Einzelprojekt, DateiHatKopfTexteUndZweiPakete)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.pre"));
    Balkenmodell m;
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 5);
    fuegeLastHinzu(m, ArtKraft, 0, 0, 10);
    SchreibeEinzelprojekt(m, pfad);

    DokumentLeser l(pfad);
    EXPECT_EQ(l.Text(), QStringLiteral("Kelvara VLX Einzelprojekt 1.0"));
    EXPECT_EQ(l.Text(), QString());
    EXPECT_EQ(l.Text(), QString());
    EXPECT_EQ(l.Text(), QStringLiteral("keine Traverse gewählt"));
    EXPECT_TRUE(l.Text().startsWith(QStringLiteral("berechnet=30.12.1899\r\nBerechnung=nur Gewichtslasten\r\n")));
    TBClientDataSet lager, lasten;
    l.Tabelle(lager);
    l.Tabelle(lasten);
    EXPECT_EQ(lager.RecordCount(), 2);
    EXPECT_EQ(lasten.RecordCount(), 1);
    EXPECT_EQ(lager.FieldCount(), 11); // stored fields only
    EXPECT_EQ(lasten.FieldCount(), 10);
    EXPECT_TRUE(l.geraet().atEnd());
}

TEST(Einzelprojekt, FremderKopfWirdGemeldetUndNichtsUebernommen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("p.prp"));
    {
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Projektdatei 1.0"));
        s.Text(QStringLiteral("Name"));
        s.Abschliessen();
    }
    Balkenmodell m;
    m.variantenname = QStringLiteral("alt");
    fuegeLagerHinzu(m, 1);
    Meldungen meldungen;
    EXPECT_FALSE(LeseEinzelprojekt(m, pfad, meldungen));
    EXPECT_EQ(meldungen, Meldungen{QStringLiteral("keine gültiges Einzelprojekt")});
    EXPECT_EQ(m.variantenname, QStringLiteral("alt"));
    EXPECT_EQ(m.cds_lager.RecordCount(), 1);
}

TEST(Einzelprojekt, LesefehlerImStromLaesstDasModellUnveraendert)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.pre"));
    Balkenmodell m;
    m.variantenname = QStringLiteral("neu");
    m.traverse.laenge = 7;
    fuegeLagerHinzu(m, -3);
    fuegeLagerHinzu(m, 3);
    fuegeLastHinzu(m, ArtKraft, 0, 0, 10);
    SchreibeEinzelprojekt(m, pfad);
    const QByteArray ganz = inhalt(pfad);

    for (qsizetype ende : {ganz.size() - 1, ganz.size() - 40, qsizetype(40), qsizetype(120)}) {
        const QString kaputt = ordner.filePath(QStringLiteral("k.pre"));
        schreibeBytes(kaputt, ganz.left(ende));
        Balkenmodell alt;
        alt.variantenname = QStringLiteral("alt");
        fuegeLagerHinzu(alt, 1);
        Meldungen meldungen;
        EXPECT_THROW(LeseEinzelprojekt(alt, kaputt, meldungen), Fehler) << ende;
        EXPECT_EQ(alt.variantenname, QStringLiteral("alt"));
        EXPECT_DOUBLE_EQ(alt.traverse.laenge, 24);
        ASSERT_EQ(alt.cds_lager.RecordCount(), 1);
        alt.cds_lager.First();
        EXPECT_DOUBLE_EQ(feld(alt.cds_lager, Lagerfeld::Position), 1);
        EXPECT_EQ(alt.cds_lasten.RecordCount(), 0);
    }
}

TEST(Einzelprojekt, NichtEndlicheZahlenImPaketWerdenAbgewiesen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.pre"));
    Balkenmodell m;
    fuegeLagerHinzu(m, -5);
    fuegeLastHinzu(m, ArtKraft, 0, 0, std::numeric_limits<double>::infinity());
    SchreibeEinzelprojekt(m, pfad);
    Balkenmodell n;
    Meldungen meldungen;
    EXPECT_THROW(LeseEinzelprojekt(n, pfad, meldungen), Fehler);
    EXPECT_EQ(n.cds_lager.RecordCount(), 0);
    EXPECT_EQ(n.cds_lasten.RecordCount(), 0);
}

// A file whose truss is −5 m long is refused with the message, and the model stays as it was.
TEST(Einzelprojekt, TraversenlaengeNichtUeberNullWirdAbgewiesen)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.pre"));
    Balkenmodell m;
    m.variantenname = QStringLiteral("neu");
    m.traverse.laenge = -5;
    fuegeLagerHinzu(m, -3);
    SchreibeEinzelprojekt(m, pfad);
    Balkenmodell alt;
    alt.variantenname = QStringLiteral("alt");
    try {
        Meldungen meldungen;
        LeseEinzelprojekt(alt, pfad, meldungen);
        ADD_FAILURE() << "a length of -5 m was read";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.meldung(), QStringLiteral("Die Länge der Traverse muss größer als 0 sein"));
    }
    EXPECT_EQ(alt.variantenname, QStringLiteral("alt"));
    EXPECT_DOUBLE_EQ(alt.traverse.laenge, 24);
    EXPECT_EQ(alt.cds_lager.RecordCount(), 0);
}
