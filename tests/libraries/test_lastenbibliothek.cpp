// The load library: loading, adding with the duplicate rule, listing by kind, finding by number,
// and the file after every change.
#include "beam/u_lastenbibliothek.h"
#include "beam/u_lastbibfelder.h"
#include "u_testhilfen.h"
#include "tables/u_stream.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Programm {
    Programm()
    {
        QDir(ordner.path()).mkdir(QStringLiteral("Traversen"));
        bib.BibliothekLaden(ordner.path());
    }
    QTemporaryDir ordner;
    Lastenbibliothek bib;
};

QStringList namen(const std::vector<Lasteintrag>& liste)
{
    QStringList n;
    for (const auto& e : liste)
        n.append(e.name);
    return n;
}

} // namespace

TEST(Lastenbibliothek, ErsteLastLegtDieDateiMitNummerEinsAn)
{
    Programm p;
    EXPECT_FALSE(QFile::exists(p.bib.datei()));
    ASSERT_NO_THROW(p.bib.LastHinzufuegen(9, QStringLiteral("PAR 64"), 12.5, 0.05, 0.3, QStringLiteral("kg")));
    Lastenbibliothek wieder;
    wieder.BibliothekLaden(p.ordner.path());
    ASSERT_EQ(wieder.cds_lastbib.RecordCount(), 1);
    auto& t = wieder.cds_lastbib;
    EXPECT_EQ(t.FieldByName(Lastbibfeld::Nummer).AsInteger(), 1);
    EXPECT_EQ(t.FieldByName(Lastbibfeld::Werkzeug).AsInteger(), 9);
    EXPECT_EQ(t.FieldByName(Lastbibfeld::Last).DisplayText(), QStringLiteral("12,50"));
    EXPECT_EQ(t.FieldByName(Lastbibfeld::Flaeche).DisplayText(), QStringLiteral("0,050"));
    EXPECT_EQ(t.FieldByName(Lastbibfeld::Breite).DisplayText(), QStringLiteral("0,3"));
    EXPECT_EQ(t.FieldByName(Lastbibfeld::Einheit).AsString(), QStringLiteral("kg"));
    DokumentLeser leser(p.bib.datei());
    EXPECT_EQ(leser.Text(), QStringLiteral("Kelvara VLX Lastenbibliothek 1.0"));
}

TEST(Lastenbibliothek, GleicherNameFuerGleicheArtWirdAbgelehntUndNichtGeschrieben)
{
    Programm p;
    ASSERT_NO_THROW(p.bib.LastHinzufuegen(9, QStringLiteral("Box"), 30, 0, 0, QStringLiteral("kg")));
    ASSERT_NO_THROW(p.bib.LastHinzufuegen(10, QStringLiteral("Box"), 30, 0, 0, QStringLiteral("kg")));
    ASSERT_NO_THROW(p.bib.LastHinzufuegen(9, QStringLiteral("box"), 30, 0, 0, QStringLiteral("kg")));
    const QByteArray vorher = inhalt(p.bib.datei());
    EXPECT_EQ(fehlerVon([&] { p.bib.LastHinzufuegen(9, QStringLiteral("Box"), 99, 0, 0, QStringLiteral("N")); }),
              QStringLiteral("Eine Last dieses Namens existiert bereits."));
    EXPECT_EQ(p.bib.cds_lastbib.RecordCount(), 3);
    EXPECT_EQ(inhalt(p.bib.datei()), vorher);
}

TEST(Lastenbibliothek, AuflistenNachArtInEintragsfolgeUndFindenNachNummer)
{
    Programm p;
    for (auto [art, name] : {std::pair{9, "A"}, std::pair{3, "B"}, std::pair{9, "C"}})
        ASSERT_NO_THROW(p.bib.LastHinzufuegen(art, QString::fromLatin1(name), 1, 0, 0, QStringLiteral("kg")));
    std::vector<Lasteintrag> liste{{QStringLiteral("alt"), 77}};
    p.bib.LastenAuflisten(9, liste);
    EXPECT_EQ(namen(liste), (QStringList{"A", "C"}));
    EXPECT_EQ(liste.at(1).nummer, 3);
    p.bib.LastenAuflisten(5, liste);
    EXPECT_TRUE(liste.empty());

    ASSERT_TRUE(p.bib.LastFinden(2));
    EXPECT_EQ(p.bib.cds_lastbib.FieldByName(Lastbibfeld::Name).AsString(), QStringLiteral("B"));
    EXPECT_FALSE(p.bib.LastFinden(42));
}

TEST(Lastenbibliothek, LoeschenSchreibtNeuUndNummernWerdenNieWiederVergeben)
{
    Programm p;
    for (const char* name : {"A", "B", "C"})
        ASSERT_NO_THROW(p.bib.LastHinzufuegen(1, QString::fromLatin1(name), 1, 0, 0, QStringLiteral("kg")));
    ASSERT_TRUE(p.bib.LastFinden(3));
    p.bib.cds_lastbib.Delete();
    {
        Lastenbibliothek wieder;
        wieder.BibliothekLaden(p.ordner.path());
        EXPECT_EQ(wieder.cds_lastbib.RecordCount(), 2);
        ASSERT_NO_THROW(wieder.LastHinzufuegen(1, QStringLiteral("D"), 1, 0, 0, QStringLiteral("kg")));
        EXPECT_EQ(wieder.cds_lastbib.FieldByName(Lastbibfeld::Nummer).AsInteger(), 4);
    }
}

TEST(Lastenbibliothek, FalscherKopfMeldetUndBeginntLeer)
{
    Programm p;
    {
        DokumentSchreiber s(p.bib.datei());
        s.Text(QStringLiteral("Kelvara VLX Traversenbibliothek 1.0"));
        s.Abschliessen();
    }
    Lastenbibliothek bib;
    EXPECT_EQ(bib.BibliothekLaden(p.ordner.path()), Meldungen{QStringLiteral("keine gültige Lastenbibliothek")});
    EXPECT_EQ(bib.cds_lastbib.RecordCount(), 0);
    EXPECT_EQ(bib.cds_lastbib.FieldCount(), 7);
}

TEST(Lastenbibliothek, OhneOrdnerWirdDerSchreibfehlerGemeldetUndDieLastBleibt)
{
    QTemporaryDir ordner;
    Lastenbibliothek bib;
    EXPECT_TRUE(bib.BibliothekLaden(ordner.path()).isEmpty()); // no file yet is no fault
    QStringList gemeldet;
    bib.beiSchreibfehler = [&gemeldet](const QString& text) { gemeldet << text; };
    bib.LastHinzufuegen(1, QStringLiteral("A"), 1, 0, 0, QStringLiteral("kg"));
    EXPECT_EQ(gemeldet.size(), 1);
    EXPECT_EQ(bib.cds_lastbib.RecordCount(), 1);
    EXPECT_FALSE(QFile::exists(bib.datei()));
}

TEST(Lastenbibliothek, LastOhneNamenWirdAbgelehnt)
{
    Programm p;
    EXPECT_EQ(fehlerVon([&] { p.bib.LastHinzufuegen(1, QString(), 1, 0, 0, QStringLiteral("kg")); }),
              QStringLiteral("Feld 'Name' muß einen Wert haben"));
    EXPECT_EQ(p.bib.cds_lastbib.RecordCount(), 0);
    EXPECT_FALSE(QFile::exists(p.bib.datei()));
}
