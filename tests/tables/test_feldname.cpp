// Field names in code: a text where a field name belongs does not compile, a layout's constant
// does; a name from data is found as the table always found names (letter case ignored, umlauts
// included) and a missing one is reported with its text.
#include "platform/u_fehler.h"
#include "tables/u_tabelle.h"
#include "truss/u_travbibfelder.h"
#include <gtest/gtest.h>

namespace {

template <class Name>
concept AlsFeldname = requires(TBClientDataSet& t, Name n) { t.FieldByName(n); };
static_assert(AlsFeldname<Feldname>);
static_assert(!AlsFeldname<const char*>);
static_assert(!AlsFeldname<QString>);
static_assert(!AlsFeldname<QStringView>);
static_assert(!std::is_convertible_v<const char16_t (&)[5], Feldname>); // only spelt out

void richteBibliothekEin(TBClientDataSet& t)
{
    t.FieldDefs = {Felddef(Travbibfeld::Nummer, TFieldType::AutoInc), Felddef(Travbibfeld::Name, TFieldType::String, 30),
                   Felddef(Travbibfeld::Hoehe, TFieldType::Float),
                   Felddef(Travbibfeld::Eigenlast, TFieldType::Float, 0, true)};
    t.CreateDataSet();
}

QString fehlerVon(const std::function<void()>& tun)
{
    try {
        tun();
    } catch (const Fehler& f) {
        return f.meldung();
    }
    return {};
}

} // namespace

TEST(Feldname, FelddefUebernimmtNameTypGroesseUndBerechnet)
{
    const TFieldDef def = Felddef(Travbibfeld::Hoehe, TFieldType::String, 15, true);
    EXPECT_EQ(def.name, QStringLiteral("Höhe"));
    EXPECT_EQ(def.type, TFieldType::String);
    EXPECT_EQ(def.size, 15);
    EXPECT_TRUE(def.calculated);
    EXPECT_FALSE(def.required);
}

TEST(Feldname, EinNameAusDatenFindetDasFeldOhneRuecksichtAufGrossUndKleinschreibungAuchMitUmlaut)
{
    TBClientDataSet t;
    richteBibliothekEin(t);
    const QString gross = QStringLiteral("HÖHE"), klein = QStringLiteral("höhe");
    EXPECT_EQ(t.FieldByName(Feldname::Aus(gross)).Index(), 2);
    EXPECT_EQ(t.FieldByName(Feldname::Aus(klein)).Index(), 2);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Hoehe).FieldName(), QStringLiteral("Höhe"));
    EXPECT_EQ(t.FindField(Feldname::Aus(u"hoehe")), nullptr); // "oe" is not "ö"
    EXPECT_EQ(t.FindField(Feldname::Aus(u"Höh")), nullptr);
    EXPECT_EQ(t.FieldByName(Feldname::Aus(u"eigenLAST")).Index(), 3); // calculated fields too
}

TEST(Feldname, EinFehlenderNameWirdMitSeinemTextGemeldet)
{
    TBClientDataSet t;
    richteBibliothekEin(t);
    EXPECT_EQ(fehlerVon([&] { t.FieldByName(Feldname::Aus(u"Breite")); }),
              QStringLiteral("Das Feld 'Breite' wurde nicht gefunden"));
    EXPECT_EQ(fehlerVon([&] { t.Locate({Travbibfeld::Name, Travbibfeld::Gurtzahl}, {QStringLiteral("A"), 4}); }),
              QStringLiteral("Das Feld 'Gurtzahl' wurde nicht gefunden"));
}

TEST(Feldname, VieleFelderWerdenJedesUnterSeinemNamenGefunden)
{
    // Names that differ only late or only in case must still land on their own field.
    TBClientDataSet t;
    QStringList namen;
    for (int i = 0; i < 300; ++i)
        namen << QStringLiteral("Feld_%1").arg(i);
    for (const QString& name : namen)
        t.FieldDefs.push_back({name, TFieldType::Integer});
    t.CreateDataSet();
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(t.FieldByName(Feldname::Aus(namen[i])).Index(), i);
        EXPECT_EQ(t.FieldByName(Feldname::Aus(namen[i].toUpper())).Index(), i);
    }
    EXPECT_EQ(t.FindField(Feldname::Aus(u"Feld_300")), nullptr);
}

TEST(Feldname, LocateSuchtUeberZweiFelderNachIhrenKonstanten)
{
    TBClientDataSet t;
    richteBibliothekEin(t);
    for (const char* name : {"A", "B", "C"}) {
        t.Append();
        t.FieldByName(Travbibfeld::Name).SetAsString(QString::fromLatin1(name));
        t.FieldByName(Travbibfeld::Hoehe).SetAsFloat(0.29);
        t.Post();
    }
    EXPECT_TRUE(t.Locate({Travbibfeld::Name, Travbibfeld::Hoehe}, {QStringLiteral("B"), 0.29}));
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 2);
    EXPECT_FALSE(t.Locate({Travbibfeld::Name, Travbibfeld::Hoehe}, {QStringLiteral("C"), 0.3}));
    EXPECT_EQ(t.FieldByName(Travbibfeld::Nummer).AsInteger(), 2); // not found: the cursor stays
}
