// The truss library: loading at start, the insert with its overwrite question, refused rows and
// the file written after every change.
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include "truss/u_travbibfelder.h"
#include "truss/u_traversenbibliothek.h"
#include "u_testhilfen.h"
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
        meldungen = bib.BibliothekLaden(ordner.path());
    }
    QTemporaryDir ordner;
    Traversenbibliothek bib;
    Meldungen meldungen; // of loading
};

BibliotheksEintrag eintrag(const QString& hersteller, const QString& name)
{
    return TraversenfensterEintrag(hersteller, name, QStringLiteral("Meier"), QStringLiteral("65,5"),
                                   QStringLiteral("5000"), QStringLiteral("10000"), QStringLiteral("300"),
                                   QStringLiteral("290"), 4, true);
}

// The ten fields of a library written before the bending stiffness was kept.
void richteAlteBibliothekEin(TBClientDataSet& alt)
{
    using namespace Travbibfeld;
    auto zahl = [](Feldname name) { return Felddef(name, TFieldType::Float); };
    auto text = [](Feldname name) {
        TFieldDef def = Felddef(name, TFieldType::String, 30);
        def.required = true;
        return def;
    };
    alt.FieldDefs = {Felddef(Nummer, TFieldType::AutoInc), text(Hersteller), text(Name), text(Bearbeiter),
                     zahl(Eigenlast), zahl(Querkraft), zahl(Biegemoment), zahl(Hoehe), zahl(Breite),
                     Felddef(Gurtzahl, TFieldType::Integer)};
    alt.CreateDataSet();
}

// A row of maker "M" weighing 60 N/m.
void alteZeile(TBClientDataSet& alt, const QString& name)
{
    alt.Append();
    for (const Feldname feld : {Travbibfeld::Hersteller, Travbibfeld::Bearbeiter})
        alt.FieldByName(feld).SetAsString(QStringLiteral("M"));
    alt.FieldByName(Travbibfeld::Name).SetAsString(name);
    alt.FieldByName(Travbibfeld::Eigenlast).SetAsFloat(60);
    alt.Post();
}

} // namespace

TEST(Traversenbibliothek, OhneDateiLeerUndOhneMeldung)
{
    Programm p;
    EXPECT_TRUE(p.bib.cds_travbib.Active());
    EXPECT_EQ(p.bib.cds_travbib.RecordCount(), 0);
    EXPECT_EQ(p.bib.cds_travbib.FieldCount(), 11);
    EXPECT_EQ(p.bib.cds_travbib.Fields(10).FieldName(), QStringLiteral("EI"));
    EXPECT_TRUE(p.meldungen.isEmpty());
    EXPECT_FALSE(QFile::exists(p.bib.datei()));
}

TEST(Traversenbibliothek, EinfuegenSchreibtDieDateiUndLaedtSieWieder)
{
    Programm p;
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("neue Traverse")),
                                   Traversenbibliothek::ExistiertMuster(), keineFrage));
    auto& t = p.bib.cds_travbib;
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Hoehe).AsFloat(), 0.3);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Hoehe).DisplayText(), QStringLiteral("0,300"));
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Breite).AsFloat(), 0.29);
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Eigenlast).AsFloat(), 65.5);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 1);

    DokumentLeser leser(p.bib.datei());
    EXPECT_EQ(leser.Text(), QStringLiteral("Kelvara VLX Traversenbibliothek 1.0"));

    Traversenbibliothek wieder;
    EXPECT_TRUE(wieder.BibliothekLaden(p.ordner.path()).isEmpty());
    ASSERT_EQ(wieder.cds_travbib.RecordCount(), 1);
    EXPECT_EQ(wieder.cds_travbib.FieldByName(Travbibfeld::Name).AsString(), QStringLiteral("neue Traverse"));
    EXPECT_EQ(wieder.cds_travbib.FieldByName(Travbibfeld::Gurtzahl).AsInteger(), 4);
}

TEST(Traversenbibliothek, FragtVorDemUeberschreibenUndLaesstDieDateiBeiNeinUnveraendert)
{
    Programm p;
    const auto e = eintrag(QStringLiteral("ABC"), QStringLiteral("neue Traverse"));
    ASSERT_TRUE(p.bib.InBibliothek(e, Traversenbibliothek::ExistiertMuster(), keineFrage));
    const QByteArray vorher = inhalt(p.bib.datei());

    QStringList gefragt;
    auto anders = e;
    anders.bearbeiter = QStringLiteral("Schulz");
    EXPECT_FALSE(p.bib.InBibliothek(anders, Traversenbibliothek::ExistiertMuster(), antwortet(false, gefragt)));
    EXPECT_EQ(gefragt, QStringList{QStringLiteral("Traverse \"ABC neue Traverse\" existiert bereits.\r\nÜberschreiben?")});
    EXPECT_EQ(inhalt(p.bib.datei()), vorher);
    EXPECT_EQ(p.bib.cds_travbib.FieldByName(Travbibfeld::Bearbeiter).AsString(), QStringLiteral("Meier"));

    EXPECT_TRUE(p.bib.InBibliothek(anders, QStringLiteral("Traverse \"%s %s\" existiert bereits."), antwortet(true, gefragt)));
    EXPECT_EQ(gefragt.size(), 2);
    EXPECT_EQ(p.bib.cds_travbib.RecordCount(), 1);
    EXPECT_EQ(p.bib.cds_travbib.FieldByName(Travbibfeld::Bearbeiter).AsString(), QStringLiteral("Schulz"));
    EXPECT_NE(inhalt(p.bib.datei()), vorher);
}

TEST(Traversenbibliothek, HerstellerUndNameWerdenGenauVerglichen)
{
    Programm p;
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("abc"), QStringLiteral("X")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("X")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    EXPECT_EQ(p.bib.cds_travbib.RecordCount(), 2);
}

TEST(Traversenbibliothek, BreiteNurBeiDreiOderVierGurtenMitHorizontalenDiagonalen)
{
    const auto werte = [](qint32 gurte, bool diagonalen) {
        return TraversenfensterEintrag({}, {}, {}, {}, {}, {}, QStringLiteral("300"), QStringLiteral("250"),
                                       gurte, diagonalen);
    };
    EXPECT_DOUBLE_EQ(werte(2, true).breite, 0);
    EXPECT_DOUBLE_EQ(werte(1, true).breite, 0);
    EXPECT_DOUBLE_EQ(werte(4, false).breite, 0);
    EXPECT_DOUBLE_EQ(werte(3, true).breite, 0.25);
    EXPECT_DOUBLE_EQ(werte(2, true).hoehe, 0.3);
}

TEST(Traversenbibliothek, AbgelehnteZeileLaesstKeineHalbeZeileUndSchreibtNichts)
{
    Programm p;
    auto ohneBearbeiter = eintrag(QStringLiteral("ABC"), QStringLiteral("X"));
    ohneBearbeiter.bearbeiter.clear();
    EXPECT_EQ(fehlerVon([&] { p.bib.InBibliothek(ohneBearbeiter, Traversenbibliothek::ExistiertMuster(), keineFrage); }),
              QStringLiteral("Feld 'Bearbeiter' muß einen Wert haben"));

    auto keineZahl = eintrag(QStringLiteral("ABC"), QStringLiteral("Y"));
    keineZahl.querkraft = QStringLiteral("viel");
    EXPECT_TRUE(fehlerVon([&] { p.bib.InBibliothek(keineZahl, Traversenbibliothek::ExistiertMuster(), keineFrage); })
                    .contains(QStringLiteral("viel")));
    EXPECT_EQ(p.bib.cds_travbib.RecordCount(), 0);
    EXPECT_EQ(p.bib.cds_travbib.State(), TDataSetState::Browse);
    EXPECT_FALSE(QFile::exists(p.bib.datei()));

    // A refused overwrite keeps the old row as it was.
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("Z")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    const QByteArray vorher = inhalt(p.bib.datei());
    auto kaputt = eintrag(QStringLiteral("ABC"), QStringLiteral("Z"));
    kaputt.biegemoment = QStringLiteral("1,2,3");
    QStringList gefragt;
    EXPECT_FALSE(fehlerVon([&] { p.bib.InBibliothek(kaputt, Traversenbibliothek::ExistiertMuster(), antwortet(true, gefragt)); })
                     .isEmpty());
    EXPECT_EQ(gefragt.size(), 1);
    EXPECT_DOUBLE_EQ(p.bib.cds_travbib.FieldByName(Travbibfeld::Biegemoment).AsFloat(), 10000);
    EXPECT_EQ(inhalt(p.bib.datei()), vorher);
}

TEST(Traversenbibliothek, LeereZahltexteBleibenLeer)
{
    Programm p;
    auto e = eintrag(QStringLiteral("ABC"), QStringLiteral("X"));
    e.eigenlast = QString();
    ASSERT_TRUE(p.bib.InBibliothek(e, Traversenbibliothek::ExistiertMuster(), keineFrage));
    EXPECT_TRUE(p.bib.cds_travbib.FieldByName(Travbibfeld::Eigenlast).IsNull());
}

TEST(Traversenbibliothek, LoeschenSchreibtDieDateiSofort)
{
    Programm p;
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("A"), QStringLiteral("1")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("A"), QStringLiteral("2")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    p.bib.cds_travbib.First();
    p.bib.cds_travbib.Delete();
    Traversenbibliothek wieder;
    wieder.BibliothekLaden(p.ordner.path());
    ASSERT_EQ(wieder.cds_travbib.RecordCount(), 1);
    EXPECT_EQ(wieder.cds_travbib.FieldByName(Travbibfeld::Name).AsString(), QStringLiteral("2"));
}

TEST(Traversenbibliothek, FalscherKopfMeldetUndBeginntLeerBisZurErstenAenderung)
{
    Programm p;
    {
        DokumentSchreiber s(p.bib.datei());
        s.Text(QStringLiteral("Kelvara VLX Lastenbibliothek 1.0"));
        s.Abschliessen();
    }
    const QByteArray falsch = inhalt(p.bib.datei());
    Traversenbibliothek bib;
    EXPECT_EQ(bib.BibliothekLaden(p.ordner.path()), Meldungen{QStringLiteral("keine gültige Traversenbibliothek")});
    EXPECT_EQ(bib.cds_travbib.RecordCount(), 0);
    EXPECT_EQ(inhalt(bib.datei()), falsch);
    ASSERT_TRUE(bib.InBibliothek(eintrag(QStringLiteral("A"), QStringLiteral("1")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    EXPECT_NE(inhalt(bib.datei()), falsch);
}

TEST(Traversenbibliothek, BeschaedigteDateiMeldetDenFehlerUndBeginntLeer)
{
    Programm p;
    ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("A"), QStringLiteral("1")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    QByteArray bytes = inhalt(p.bib.datei());
    bytes.chop(3);
    {
        QFile f(p.bib.datei());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    Traversenbibliothek bib;
    EXPECT_EQ(bib.BibliothekLaden(p.ordner.path()).size(), 1);
    EXPECT_EQ(bib.cds_travbib.RecordCount(), 0);
    EXPECT_EQ(bib.cds_travbib.FieldCount(), 11);
}

TEST(Traversenbibliothek, SchreibfehlerWirdGemeldetUndDieZeileBleibt)
{
    QTemporaryDir ordner; // without the folder "Traversen"
    Traversenbibliothek bib;
    bib.BibliothekLaden(ordner.path());
    QStringList gemeldet;
    bib.beiSchreibfehler = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_TRUE(bib.InBibliothek(eintrag(QStringLiteral("A"), QStringLiteral("1")), Traversenbibliothek::ExistiertMuster(), keineFrage));
    ASSERT_EQ(gemeldet.size(), 1);
    EXPECT_TRUE(gemeldet.first().contains(QStringLiteral("Bibliothek.cds")));
    EXPECT_EQ(bib.cds_travbib.RecordCount(), 1);
}

TEST(Traversenbibliothek, VollePlatteBeimEinfuegenLaesstDieBibliothekDateiGanz)
{
    Programm p;
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(p.bib.InBibliothek(eintrag(QStringLiteral("ABC"), QString::fromLatin1(name)), Traversenbibliothek::ExistiertMuster(), keineFrage));
    const QByteArray vorher = inhalt(p.bib.datei());
    ASSERT_GT(vorher.size(), 100);
    QStringList gemeldet;
    p.bib.beiSchreibfehler = [&gemeldet](const QString& text) { gemeldet << text; };
    {
        VollePlatte voll(vorher.size()); // the new file, one row longer, does not fit
        p.bib.InBibliothek(eintrag(QStringLiteral("ABC"), QStringLiteral("D")), Traversenbibliothek::ExistiertMuster(), keineFrage);
    }
    EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Stream-Schreibfehler")});
    EXPECT_EQ(inhalt(p.bib.datei()), vorher);
    EXPECT_EQ(QDir(p.ordner.filePath(QStringLiteral("Traversen"))).entryList(QDir::Files), QStringList{QStringLiteral("Bibliothek.cds")});
    Traversenbibliothek wieder;
    wieder.BibliothekLaden(p.ordner.path());
    EXPECT_EQ(wieder.cds_travbib.RecordCount(), 3);
}

TEST(Traversenbibliothek, DasTraversenfensterFuelltEIAusDemVertikalenTraegheitsmoment)
{
    Programm p;
    BibliotheksEintrag e = TraversenfensterEintrag(QStringLiteral("ABC"), QStringLiteral("F34"), QStringLiteral("M"),
                                                   QStringLiteral("60"), QStringLiteral("5000"), QStringLiteral("10000"),
                                                   QStringLiteral("290"), QStringLiteral("290"), 4, true, 2.5e7);
    ASSERT_TRUE(p.bib.InBibliothek(e, Traversenbibliothek::ExistiertMuster(), keineFrage));
    // E·I = 70 000 N/mm² · 2,5e7 mm⁴ = 1,75e12 N·mm² = 1750 kN·m²
    EXPECT_DOUBLE_EQ(p.bib.cds_travbib.FieldByName(Travbibfeld::EI).AsFloat(), 1750);
    // a load table (no second moment) leaves it empty
    e = TraversenfensterEintrag(QStringLiteral("ABC"), QStringLiteral("X"), QStringLiteral("M"), QStringLiteral("60"),
                                QStringLiteral("5000"), QStringLiteral("10000"), QStringLiteral("290"),
                                QStringLiteral("290"), 4, true);
    ASSERT_TRUE(p.bib.InBibliothek(e, Traversenbibliothek::ExistiertMuster(), keineFrage));
    EXPECT_TRUE(p.bib.cds_travbib.FieldByName(Travbibfeld::EI).IsNull());
    Traversenbibliothek wieder;
    wieder.BibliothekLaden(p.ordner.path());
    wieder.cds_travbib.First();
    EXPECT_DOUBLE_EQ(wieder.cds_travbib.FieldByName(Travbibfeld::EI).AsFloat(), 1750);
}

TEST(Traversenbibliothek, AlteBibliothekOhneEIBehaeltIhreNummernUndKenntKeinEI)
{
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir(QStringLiteral("Traversen"));
    TBClientDataSet alt;
    richteAlteBibliothekEin(alt);
    for (const char* name : {"A", "B", "C", "D"})
        alteZeile(alt, QString::fromLatin1(name));
    alt.First();
    alt.Next();
    alt.Delete(); // B: the numbers are 1, 3, 4
    alt.Last();
    alt.Delete(); // D: the next number stays 5
    const QString datei = Traversenbibliothek::Dateiname(ordner.path());
    SchreibeBibliotheksdatei(datei, Traversenbibliothek::Kopf(), alt);
    const QByteArray vorher = inhalt(datei);

    Traversenbibliothek bib;
    EXPECT_TRUE(bib.BibliothekLaden(ordner.path()).isEmpty());
    EXPECT_EQ(inhalt(datei), vorher); // read, not written
    auto& t = bib.cds_travbib;
    ASSERT_EQ(t.RecordCount(), 2);
    t.First();
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 1);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Name).AsString(), QStringLiteral("A"));
    EXPECT_TRUE(t.FieldByName(Travbibfeld::EI).IsNull());
    t.Next();
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 3);
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Eigenlast).AsFloat(), 60);
    EXPECT_EQ(t.AutoIncValue(), 5);
}

// A library claiming a number far beyond its rows (damaged, or hostile) is read in bounded time:
// up to 10 000 free numbers are kept free, then the numbers go on. Rows 1 and 12 002 of an old
// library become 1 and 1 + 10 000 + 1.
TEST(Traversenbibliothek, AlteBibliothekMitRiesigerNummernlueckeLiestSichInBegrenzterZeit)
{
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir(QStringLiteral("Traversen"));
    TBClientDataSet alt;
    richteAlteBibliothekEin(alt);
    for (int i = 1; i <= 12002; ++i)
        alteZeile(alt, QString::number(i));
    for (int i = 2; i <= 12001; ++i) {
        alt.First();
        alt.Next();
        alt.Delete();
    }
    ASSERT_EQ(alt.RecordCount(), 2);
    SchreibeBibliotheksdatei(Traversenbibliothek::Dateiname(ordner.path()), Traversenbibliothek::Kopf(), alt);

    Traversenbibliothek bib;
    EXPECT_TRUE(bib.BibliothekLaden(ordner.path()).isEmpty());
    auto& t = bib.cds_travbib;
    ASSERT_EQ(t.RecordCount(), 2);
    t.First();
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 1);
    t.Next();
    EXPECT_EQ(t.FieldByName(Travbibfeld::Name).AsString(), QStringLiteral("12002"));
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 10002);
}
