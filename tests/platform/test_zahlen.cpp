// Number texts as masks, Format, the general float text and locale number reading (German locale).
#include "platform/u_codepage.h"
#include "platform/u_zahlen.h"
#include <QLocale>
#include <clocale>
#include <string>
#include <gtest/gtest.h>

namespace {
struct LocaleWechsel {
    explicit LocaleWechsel(QLocale l) { QLocale::setDefault(l); }
    ~LocaleWechsel() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
};
} // namespace

TEST(FormatFloat, GruppiertMitLiteralenBlanksUndBehaeltFuehrendeBlanks)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), 1234567.891), QStringLiteral("1 234 567,89"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), 12.5), QStringLiteral("  12,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), 12.5).trimmed(), QStringLiteral("12,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), 0), QStringLiteral("  0,00"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0"), 10932.74), QStringLiteral(" 10 933"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ##0.00"), 1114.45), QStringLiteral("1 114,45"));
}

TEST(FormatFloat, MehrZiffernAlsStellenStehenVorDerErstenStelle)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 123456.789), QStringLiteral("123456,79"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ##0"), 123456789.0), QStringLiteral("123456 789"));
}

TEST(FormatFloat, RundetHalbeVonNullWegAufDieExakteEntwicklung)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 0.125), QStringLiteral("0,13"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), -0.125), QStringLiteral("-0,13"));
    // 2.675 is stored as 2.67499999... and so rounds down
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 2.675), QStringLiteral("2,67"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0"), 9.95), QStringLiteral("9,9"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0"), 9.96), QStringLiteral("10,0"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0 %"), 99.5), QStringLiteral("100 %"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0000"), 1.0 / 3.0), QStringLiteral("0,3333"));
}

TEST(FormatFloat, NegativeZahlenTragenDasMinusDirektVorDerErstenZiffer)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), -12.5), QStringLiteral("  -12,50"));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), -1234567.891), QStringLiteral("-1 234 567,89"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00 %"), -3.14159), QStringLiteral("-3,14 %"));
    // a value that rounds to zero shows no sign
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), -0.001), QStringLiteral("0,00"));
}

TEST(FormatFloat, RauteNachDemKommaZeigtNurSignifikanteZiffern)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), 1.0), QStringLiteral("1"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), 1.5), QStringLiteral("1,5"));
    EXPECT_EQ(FormatFloat(QStringLiteral("#.00"), 0.5), QStringLiteral(",50"));
}

TEST(FormatFloat, NichtEndlicheWerteWerdenBenannt)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), std::numeric_limits<double>::infinity()), QStringLiteral("INF"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), std::nan("")), QStringLiteral("NAN"));
}

TEST(FormatFloat, FolgtDemDezimaltrennerDerLocale)
{
    LocaleWechsel englisch(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormatFloat(QStringLiteral("### ##0.00"), 1234.5), QStringLiteral("1 234.50"));
    EXPECT_EQ(FloatZuText(0.5), QStringLiteral("0.5"));
    EXPECT_FALSE(TextZuFloat(QStringLiteral("0,5")).has_value());
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral("0.5")), 0.5);
}

// Qt's application object switches the C library to the user's locale; a German LC_NUMERIC must
// not reach a single digit of the program's number texts.
TEST(FormatFloat, HaengtNichtVomLocaleDerCBibliothekAb)
{
    const std::string vorher = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr) << "scripts/install-deps generates de_DE.UTF-8";
    EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), 301.592894744620139), QStringLiteral("  301,59"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), 0.3), QStringLiteral("0,30"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.0"), 2.0), QStringLiteral("2,0"));
    EXPECT_EQ(FloatZuText(0.29), QStringLiteral("0,29"));
    EXPECT_EQ(FloatZuText(1.5e-7), QStringLiteral("1,5E-7"));
    EXPECT_EQ(Format(QStringLiteral("%12.2f"), {1234.5}), QStringLiteral("     1234,50"));
    {
        LocaleWechsel englisch(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(FormatFloat(QStringLiteral("### ### ##0.00"), 301.592894744620139), QStringLiteral("  301.59"));
        EXPECT_EQ(FloatZuText(0.29), QStringLiteral("0.29"));
    }
    std::setlocale(LC_NUMERIC, vorher.c_str());
}

TEST(DateiTextZuFloat, NimmtKommaUndPunktAlsDezimaltrenner)
{
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
        const LocaleWechsel wechsel(locale);
        EXPECT_DOUBLE_EQ(*DateiTextZuFloat(QStringLiteral("0,29")), 0.29);
        EXPECT_DOUBLE_EQ(*DateiTextZuFloat(QStringLiteral("0.29")), 0.29);
        EXPECT_DOUBLE_EQ(*DateiTextZuFloat(QStringLiteral(" -1.5E3 ")), -1500);
        for (const char* falsch : {"1.000,5", "1,000.5", "1 000", "", "0..5", "0,,5"})
            EXPECT_FALSE(DateiTextZuFloat(QString::fromLatin1(falsch)).has_value()) << falsch;
    }
}

TEST(FloatZuText, SchreibtFuenfzehnStellenUndWechseltZurExponentenschreibweise)
{
    EXPECT_EQ(FloatZuText(0.5), QStringLiteral("0,5"));
    EXPECT_EQ(FloatZuText(24), QStringLiteral("24"));
    EXPECT_EQ(FloatZuText(-3.25), QStringLiteral("-3,25"));
    EXPECT_EQ(FloatZuText(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(FloatZuText(1.0 / 3.0), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(FloatZuText(0.00001), QStringLiteral("0,00001"));
    EXPECT_EQ(FloatZuText(1.5e-7), QStringLiteral("1,5E-7"));
    EXPECT_EQ(FloatZuText(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(FloatZuText(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(FloatZuText(1234567890123456.0), QStringLiteral("1,23456789012346E15"));
    EXPECT_EQ(FloatZuText(0), QStringLiteral("0"));
}

TEST(TextZuFloat, LiestMitKommaBlanksUndExponent)
{
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral("12,5")), 12.5);
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral("  -0,25 ")), -0.25);
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral("1,5E-7")), 1.5e-7);
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral("+3")), 3.0);
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(*TextZuFloat(QStringLiteral("7,")), 7.0);
    for (const char* falsch : {"", " ", "12.5", "1 000", "abc", "1e", "--1", ",", "1,5x", "1e999"})
        EXPECT_FALSE(TextZuFloat(QString::fromLatin1(falsch)).has_value()) << falsch;
}

TEST(TextZuInteger, LiestGanzeZahlenImBereichVon32Bit)
{
    EXPECT_EQ(*TextZuInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(*TextZuInteger(QStringLiteral(" -7 ")), -7);
    EXPECT_EQ(*TextZuInteger(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(*TextZuInteger(QStringLiteral("-2147483648")), std::numeric_limits<qint32>::min());
    for (const char* falsch : {"", "-", "1,0", "2147483648", "99999999999999999999", "0x10", "1 2"})
        EXPECT_FALSE(TextZuInteger(QString::fromLatin1(falsch)).has_value()) << falsch;
}

TEST(Format, ErsetztGanzzahlTextUndFestkommaMitBreite)
{
    EXPECT_EQ(Format(QStringLiteral("Tragfall %d von %d"), {3, 10}), QStringLiteral("Tragfall 3 von 10"));
    EXPECT_EQ(Format(QStringLiteral("Datei %s existiert bereits."), {QStringLiteral("a.prt")}),
              QStringLiteral("Datei a.prt existiert bereits."));
    EXPECT_EQ(Format(QStringLiteral("Gesamtlast (%s): %12.2f N    %12.2f kg"), {QStringLiteral("x"), 1234.5, 125.84}),
              QStringLiteral("Gesamtlast (x):      1234,50 N          125,84 kg"));
    EXPECT_EQ(Format(QStringLiteral("%-5d|%%"), {7}), QStringLiteral("7    |%"));
}

TEST(DatumZeitZuText, LaesstDenNullZeitteilWeg)
{
    EXPECT_EQ(DatumZeitZuText(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), QStringLiteral("30.12.1899"));
    EXPECT_EQ(DatumZeitZuText(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7))), QStringLiteral("04.03.2026 05:06:07"));
}

TEST(Codepage, WandeltWindows1252InBeideRichtungenUndErsetztFremdesDurchFragezeichen)
{
    const QString text = QStringLiteral("Bühne €5 Größe");
    const QByteArray bytes = ZuCodepage(text);
    EXPECT_EQ(bytes, QByteArray("B\xFChne \x80" "5 Gr\xF6\xDF" "e"));
    EXPECT_EQ(AusCodepage(bytes), text);
    EXPECT_EQ(ZuCodepage(QStringLiteral("ő😀")), QByteArray("??"));
    EXPECT_EQ(AusCodepage(QByteArray("\x81\x9F")), QString::fromUtf8("\u0081\u0178"));
}
