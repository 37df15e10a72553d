// The settings text: line splitting, the first-match lookup and the typed reads and writes.
#include "tables/u_werteliste.h"
#include <QLocale>
#include <gtest/gtest.h>

TEST(Werteliste, FindetDenErstenEintragOhneRuecksichtAufGrossschreibung)
{
    TWerteliste w(QStringLiteral("a=1\r\nA=2\r\n"));
    EXPECT_EQ(w.LeseInteger(QStringLiteral("A"), 0), 1);
    EXPECT_EQ(w.LeseString(QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("1"));
}

TEST(Werteliste, TrimmtKeineBlanksUmDasGleichheitszeichen)
{
    TWerteliste w(QStringLiteral("x =5"));
    EXPECT_EQ(w.LeseInteger(QStringLiteral("x"), 9), 9);
    EXPECT_EQ(w.LeseInteger(QStringLiteral("x "), 9), 5);
}

TEST(Werteliste, LeererWertIstKeinFehlenderEintrag)
{
    TWerteliste w(QStringLiteral("x="));
    EXPECT_EQ(w.LeseString(QStringLiteral("x"), QStringLiteral("vorgabe")), QString());
    EXPECT_EQ(w.LeseInteger(QStringLiteral("x"), 7), 7);
    EXPECT_EQ(TWerteliste().LeseString(QStringLiteral("x"), QStringLiteral("vorgabe")), QStringLiteral("vorgabe"));
}

TEST(Werteliste, SchreibeStringHaengtAnErsetztUndLoescht)
{
    TWerteliste w;
    w.SchreibeString(QStringLiteral("x"), QString());
    EXPECT_EQ(w.text(), QStringLiteral("x=\r\n"));
    w.SchreibeString(QStringLiteral("x"), QString());
    EXPECT_EQ(w.text(), QString());

    w.SchreibeString(QStringLiteral("laenge"), QStringLiteral("1"));
    w.SchreibeString(QStringLiteral("b"), QStringLiteral("2"));
    w.SchreibeString(QStringLiteral("LAENGE"), QStringLiteral("3"));
    EXPECT_EQ(w.zeilen(), (QStringList{QStringLiteral("LAENGE=3"), QStringLiteral("b=2")}));
}

TEST(Werteliste, WertDarfGleichheitszeichenEnthalten)
{
    TWerteliste w(QStringLiteral("Formel=a=b"));
    EXPECT_EQ(w.LeseString(QStringLiteral("Formel"), QString()), QStringLiteral("a=b"));
}

TEST(Werteliste, SchreibtMitDemDezimaltrennerDerLocaleUndLiestBeideTrenner)
{
    TWerteliste w;
    w.SchreibeFloat(QStringLiteral("h"), 0.5);
    w.SchreibeInteger(QStringLiteral("n"), -12);
    EXPECT_EQ(w.text(), QStringLiteral("h=0,5\r\nn=-12\r\n"));
    EXPECT_DOUBLE_EQ(w.LeseFloat(QStringLiteral("h"), 9), 0.5);
    // a file written on a machine with the decimal point reads the same here
    EXPECT_DOUBLE_EQ(TWerteliste(QStringLiteral("h=0.5")).LeseFloat(QStringLiteral("h"), 9), 0.5);
    EXPECT_DOUBLE_EQ(TWerteliste(QStringLiteral("h=1 000")).LeseFloat(QStringLiteral("h"), 9), 9);
    EXPECT_DOUBLE_EQ(TWerteliste(QStringLiteral("h=1,000.5")).LeseFloat(QStringLiteral("h"), 9), 9);
    EXPECT_DOUBLE_EQ(TWerteliste(QStringLiteral("h=1,5E3")).LeseFloat(QStringLiteral("h"), 9), 1500);
    EXPECT_EQ(TWerteliste(QStringLiteral("n=1,5")).LeseInteger(QStringLiteral("n"), 4), 4);
}

TEST(Werteliste, JaUndNeinInBeliebigerSchreibweiseSonstDieVorgabe)
{
    TWerteliste w(QStringLiteral("a=JA\nb=Nein\nc=Ja \nd=1\ne=true"));
    EXPECT_TRUE(w.LeseBoolean(QStringLiteral("a"), false));
    EXPECT_FALSE(w.LeseBoolean(QStringLiteral("b"), true));
    for (const char* name : {"c", "d", "e", "fehlt"}) {
        EXPECT_TRUE(w.LeseBoolean(QString::fromLatin1(name), true)) << name;
        EXPECT_FALSE(w.LeseBoolean(QString::fromLatin1(name), false)) << name;
    }
    TWerteliste s;
    s.SchreibeBoolean(QStringLiteral("x"), true);
    s.SchreibeBoolean(QStringLiteral("y"), false);
    EXPECT_EQ(s.text(), QStringLiteral("x=ja\r\ny=nein\r\n"));
}

TEST(Werteliste, TeiltZeilenAnCrLfCrUndLfUndEndetBeiNul)
{
    TWerteliste w(QStringLiteral("a\nb\rc"));
    EXPECT_EQ(w.zeilen(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    w.setzeText(QStringLiteral("a\r\n\r\nb\r\n"));
    EXPECT_EQ(w.zeilen(), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    w.setzeText(QString::fromUtf8("x=1\0y=2", 7));
    EXPECT_EQ(w.zeilen(), QStringList{QStringLiteral("x=1")});
    w.setzeText(QString());
    EXPECT_TRUE(w.zeilen().isEmpty());
    EXPECT_EQ(w.text(), QString());
}

TEST(Werteliste, LeseAuswahlNimmtDenGleichenTextSonstDasLetzteElement)
{
    Auswahlliste modus({QStringLiteral("nur Gewichtslasten"), QStringLiteral("Gewichts- und Windlasten"),
                        QStringLiteral("nur Windlasten")});
    TWerteliste().LeseAuswahl(QStringLiteral("Berechnung"), modus);
    EXPECT_EQ(modus.gewaehlt(), 2);

    TWerteliste(QStringLiteral("Berechnung=Gewichts- und Windlasten")).LeseAuswahl(QStringLiteral("Berechnung"), modus);
    EXPECT_EQ(modus.gewaehlt(), 1);
    // the comparison of the item text is case-sensitive
    TWerteliste(QStringLiteral("Berechnung=NUR GEWICHTSLASTEN")).LeseAuswahl(QStringLiteral("Berechnung"), modus);
    EXPECT_EQ(modus.gewaehlt(), 2);

    Auswahlliste leer;
    TWerteliste(QStringLiteral("x=a")).LeseAuswahl(QStringLiteral("x"), leer);
    EXPECT_EQ(leer.gewaehlt(), -1);

    TWerteliste w;
    w.SchreibeAuswahl(QStringLiteral("Berechnung"), modus);
    EXPECT_EQ(w.text(), QStringLiteral("Berechnung=nur Windlasten\r\n"));
}

TEST(Werteliste, SchreibtDatumZeitInDerLocale)
{
    TWerteliste w;
    w.SchreibeDatumZeit(QStringLiteral("Datum"), QDateTime(QDate(2026, 12, 9), QTime(7, 30, 0)));
    EXPECT_EQ(w.LeseString(QStringLiteral("Datum"), QString()), QStringLiteral("09.12.2026 07:30:00"));
}

TEST(Werteliste, ZahltextErscheintMitDemTrennerDerLocaleWieGetippt)
{
    const TWerteliste w(QStringLiteral("a=44.68\r\nb=2,0\r\nc=Rohr 50.2\r\nd=1.5E-3"));
    EXPECT_EQ(w.LeseZahltext(QStringLiteral("a")), QStringLiteral("44,68"));
    EXPECT_EQ(w.LeseZahltext(QStringLiteral("b")), QStringLiteral("2,0"));
    EXPECT_EQ(w.LeseZahltext(QStringLiteral("c")), QStringLiteral("Rohr 50.2")); // no number: as stored
    EXPECT_EQ(w.LeseZahltext(QStringLiteral("d")), QStringLiteral("1,5E-3"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(w.LeseZahltext(QStringLiteral("b")), QStringLiteral("2.0"));
    EXPECT_DOUBLE_EQ(w.LeseFloat(QStringLiteral("b"), 9), 2.0);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
