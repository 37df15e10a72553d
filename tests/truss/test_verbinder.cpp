// Connector checks and the connector tab's change handler.
#include "truss/u_traversenentwurf.h"
#include "ergebniswert.h"
#include "qstring_ausgabe.h"
#include <gtest/gtest.h>

namespace {
Traversenentwurf verbinder(int typ, const char* a, const char* b, const char* d, const char* ll, const char* fy)
{
    Traversenentwurf e;
    e.eingaben.cmbVerbinder.waehle(typ);
    e.eingaben.edtVerbA = QString::fromLatin1(a);
    e.eingaben.edtVerbB = QString::fromLatin1(b);
    e.eingaben.edtVerbD = QString::fromLatin1(d);
    e.eingaben.edtVerbLL = QString::fromLatin1(ll);
    e.eingaben.edtVerbDehngrenze = QString::fromLatin1(fy);
    return e;
}
} // namespace

TEST(BerechneVerbinder, BegrenztBeimKonusverbinderDieDehngrenzeAuf400)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "170", "640");
    EXPECT_TRUE(e.BerechneVerbinder());
    const Traversenergebnisse& r = e.ergebnisse;
    EXPECT_NEAR(wert(r.bolzenDurchmesserMm), 10.00, 0.005);
    EXPECT_NEAR(wert(r.lochFlaecheMm2), 120.00, 0.005);
    EXPECT_NEAR(wert(r.lochFlaecheGesamtMm2), 240.00, 0.005);
    EXPECT_NEAR(wert(r.lochleibungN), 40800.00, 0.005);
    EXPECT_NEAR(wert(r.bolzenFlaecheMm2), 78.54, 0.005);
    EXPECT_NEAR(wert(r.bolzenTraegheitMm4), 490.87, 0.005);
    EXPECT_NEAR(wert(r.bolzenDehngrenzeNmm2), 400.00, 0.005);
    EXPECT_NEAR(wert(r.bolzenN), 9346.12, 0.005);
    EXPECT_NEAR(wert(r.verbinderVorschlagN), 9346.12, 0.005);
    EXPECT_NEAR(wert(r.verbinderVorschlagN), 9346.12, 0.005);

    e.eingaben.cbBolzenMin = true;
    e.BerechneVerbinder();
    EXPECT_NEAR(wert(r.bolzenDehngrenzeNmm2), 640.00, 0.005);
    EXPECT_NEAR(wert(r.verbinderVorschlagN), 14953.80, 0.005);
}

TEST(BerechneVerbinder, RechnetGabelUndDoppelgabelMitDemVollenBolzen)
{
    Traversenentwurf gabel = verbinder(1, "30", "10", "12", "170", "240");
    gabel.BerechneVerbinder();
    EXPECT_NEAR(wert(gabel.ergebnisse.bolzenDurchmesserMm), 12.00, 0.005);
    EXPECT_NEAR(wert(gabel.ergebnisse.lochFlaecheMm2), 120.00, 0.005); // min(b, a − b) · d
    EXPECT_NEAR(wert(gabel.ergebnisse.lochleibungN), 32640.00, 0.005);
    EXPECT_NEAR(wert(gabel.ergebnisse.bolzenFlaecheMm2), 113.10, 0.005);
    EXPECT_NEAR(wert(gabel.ergebnisse.bolzenTraegheitMm4), 1017.88, 0.005);
    EXPECT_NEAR(wert(gabel.ergebnisse.bolzenN), 8688.09, 0.005);
    EXPECT_NEAR(wert(gabel.ergebnisse.verbinderVorschlagN), 8688.09, 0.005);

    Traversenentwurf doppel = verbinder(2, "20", "0", "10", "100", "320");
    doppel.BerechneVerbinder();
    EXPECT_NEAR(wert(doppel.ergebnisse.lochFlaecheMm2), 100.00, 0.005);
    EXPECT_NEAR(wert(doppel.ergebnisse.lochleibungN), 16000.00, 0.005);
    EXPECT_NEAR(wert(doppel.ergebnisse.bolzenN), 7196.29, 0.005);
    EXPECT_NEAR(wert(doppel.ergebnisse.verbinderVorschlagN), 7196.29, 0.005);
}

TEST(BerechneVerbinder, NimmtBeiDerFlanschplatteDenTabelliertenSpannungsquerschnitt)
{
    Traversenentwurf e = verbinder(3, "100", "0", "12", "0", "640");
    e.BerechneVerbinder();
    EXPECT_NEAR(wert(e.ergebnisse.schraubeFlaecheMm2), 84.30, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.schraubeN), 16057.14, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.schraubeMomentNmm), 1605714.29, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.flanschN), 5352.38, 0.005); // over h = 300
    EXPECT_NEAR(wert(e.ergebnisse.verbinderVorschlagN), 5352.38, 0.005);

    e.eingaben.edtVerbD = QStringLiteral("12,5");
    e.BerechneVerbinder();
    EXPECT_NEAR(wert(e.ergebnisse.schraubeN), 17261.90, 0.005); // 0.58 · 12.5² · 400 / 2.1
}

TEST(BerechneVerbinder, HaeltBeiDerFlanschplatteOhneHoeheNachDenSchraubenwertenAn)
{
    Traversenentwurf e = verbinder(3, "100", "0", "12", "0", "640");
    e.BerechneVerbinder();
    e.eingaben.edtVerbD = QStringLiteral("16");
    e.eingaben.edtHoehe = QStringLiteral("0");
    QStringList gemeldet;
    e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
    EXPECT_FALSE(e.BerechneVerbinder());
    EXPECT_EQ(gemeldet, QStringList{QStringLiteral("Gleitkommadivision durch Null")});
    EXPECT_NEAR(wert(e.ergebnisse.schraubeFlaecheMm2), 157.00, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.flanschN), 5352.38, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.verbinderVorschlagN), 5352.38, 0.005);
}

TEST(BerechneVerbinder, BegrenztDenRohrverbinderDurchDasAussenrohrDesGurtwerkstoffs)
{
    Traversenentwurf e = verbinder(4, "40", "0", "10", "48", "240");
    e.BerechneVerbinder();
    EXPECT_NEAR(wert(e.ergebnisse.aussenrohrLeibungNmm2), 0.00, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.verbinderVorschlagN), 0.00, 0.005); // no chord material chosen

    e.eingaben.cmbMaterial.waehle(0);
    e.BerechneVerbinder();
    const Traversenergebnisse& r = e.ergebnisse;
    EXPECT_NEAR(wert(r.aussenrohrFlaecheMm2), 40.00, 0.005);
    EXPECT_NEAR(wert(r.aussenrohrLeibungNmm2), 170.00, 0.005);
    EXPECT_NEAR(wert(r.aussenrohrN), 6800.00, 0.005);
    EXPECT_NEAR(wert(r.innenrohrFlaecheMm2), 400.00, 0.005);
    EXPECT_NEAR(wert(r.innenrohrN), 38400.00, 0.005);
    EXPECT_NEAR(wert(r.rohrschraubeFlaecheMm2), 157.08, 0.005);
    EXPECT_NEAR(wert(r.rohrschraubeN), 10053.10, 0.005);
    EXPECT_NEAR(wert(r.verbinderVorschlagN), 6800.00, 0.005);
}

TEST(BerechneVerbinder, RechnetNichtsUnterDenMindestmassen)
{
    Traversenentwurf e = verbinder(0, "1,94", "12", "12", "170", "640");
    const Traversenergebnisse vorher = e.ergebnisse;
    e.BerechneVerbinder();
    e.eingaben.edtVerbA = QStringLiteral("10");
    e.eingaben.edtVerbD = QStringLiteral("5,9");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.verbinderVorschlagN, vorher.verbinderVorschlagN);
    EXPECT_EQ(e.ergebnisse.bolzenDurchmesserMm, vorher.bolzenDurchmesserMm);
    e.eingaben.edtVerbD = QStringLiteral("5,95");
    e.BerechneVerbinder();
    EXPECT_NEAR(wert(e.ergebnisse.bolzenDurchmesserMm), 3.95, 0.005);
}

TEST(Verbinderreiter, SchreibtBeiWerkstoffwahlDenLochleibungsdruckUndRechnetMitIhm)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "0", "400");
    e.BerechneVerbinder();
    EXPECT_NEAR(wert(e.ergebnisse.lochleibungN), 0.00, 0.005);
    e.eingaben.cmbVerbMat.waehle(1);
    EXPECT_TRUE(e.cmbVerbinderChange(Verbinderfeld::cmbVerbMat));
    EXPECT_EQ(e.eingaben.edtVerbLL, QStringLiteral("145"));
    EXPECT_NEAR(wert(e.ergebnisse.lochleibungN), 34800.00, 0.005);

    e.eingaben.cmbVerbBolzenMat.waehle(0);
    e.cmbVerbinderChange(Verbinderfeld::cmbVerbBolzenMat);
    EXPECT_EQ(e.eingaben.edtVerbDehngrenze, QStringLiteral("180"));
    EXPECT_NEAR(wert(e.ergebnisse.bolzenDehngrenzeNmm2), 180.00, 0.005);
    EXPECT_EQ(e.eingaben.cmbVerbMat.gewaehlt(), 1);
}

TEST(Verbinderreiter, HebtDieWahlAufWennDerNutzerDenWertTippt)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "170", "640");
    e.eingaben.cmbVerbMat.waehle(0);
    e.eingaben.cmbVerbBolzenMat.waehle(7);
    e.eingaben.edtVerbLL = QStringLiteral("150");
    e.cmbVerbinderChange(Verbinderfeld::edtVerbLL);
    EXPECT_EQ(e.eingaben.cmbVerbMat.gewaehlt(), -1);
    EXPECT_EQ(e.eingaben.edtVerbLL, QStringLiteral("150"));
    EXPECT_NEAR(wert(e.ergebnisse.lochleibungN), 36000.00, 0.005);
    EXPECT_EQ(e.eingaben.cmbVerbBolzenMat.gewaehlt(), 7);
    e.cmbVerbinderChange(Verbinderfeld::edtVerbDehngrenze);
    EXPECT_EQ(e.eingaben.cmbVerbBolzenMat.gewaehlt(), -1);
}

TEST(Verbinderreiter, RechnetNurWennDerGeaenderteTextNichtLeerIst)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "170", "640");
    const Ergebnis vorher = e.ergebnisse.verbinderVorschlagN;
    EXPECT_TRUE(e.cmbVerbinderChange(std::nullopt));
    EXPECT_EQ(e.ergebnisse.verbinderVorschlagN, vorher);
    e.eingaben.edtVerbB = QStringLiteral("  ");
    e.cmbVerbinderChange(Verbinderfeld::edtVerbB);
    EXPECT_EQ(e.ergebnisse.verbinderVorschlagN, vorher);
    e.eingaben.edtVerbB = QStringLiteral("12");
    e.cmbVerbinderChange(Verbinderfeld::cbBolzenMin);
    EXPECT_NEAR(wert(e.ergebnisse.verbinderVorschlagN), 9346.12, 0.005);
}

TEST(Verbinderreiter, TutNichtsSolangeDieUnterdrueckungGilt)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "170", "640");
    e.eingaben.cmbVerbMat.waehle(2);
    {
        const Traversenentwurf::Unterdrueckung ruhe(e);
        EXPECT_TRUE(e.unterdrueckt());
        EXPECT_FALSE(e.cmbVerbinderChange(Verbinderfeld::cmbVerbMat));
        EXPECT_EQ(e.eingaben.edtVerbLL, QStringLiteral("170"));
        EXPECT_FALSE(e.ergebnisse.verbinderVorschlagN.has_value());
    }
    EXPECT_FALSE(e.unterdrueckt());
    EXPECT_TRUE(e.cmbVerbinderChange(Verbinderfeld::cmbVerbMat));
    EXPECT_EQ(e.eingaben.edtVerbLL, QStringLiteral("100"));
}

TEST(Verbinderreiter, ZeigtDieErgebnistafelDesGewaehltenTyps)
{
    Traversenentwurf e;
    EXPECT_TRUE(e.verbinderansicht.pnlBolzen);
    EXPECT_FALSE(e.verbinderansicht.pnlSchrauben || e.verbinderansicht.pnlRohr);
    const auto waehle = [&](int typ) {
        e.eingaben.cmbVerbinder.waehle(typ);
        e.cmbVerbinderChange(Verbinderfeld::cmbVerbinder);
        const Verbinderansicht& v = e.verbinderansicht;
        return QStringLiteral("%1%2%3%4").arg(int(v.edtVerbB)).arg(int(v.pnlBolzen)).arg(int(v.pnlSchrauben)).arg(int(v.pnlRohr));
    };
    EXPECT_EQ(waehle(0), QStringLiteral("1100"));
    EXPECT_EQ(waehle(1), QStringLiteral("1100"));
    EXPECT_EQ(waehle(2), QStringLiteral("0100"));
    EXPECT_EQ(waehle(3), QStringLiteral("0010"));
    EXPECT_EQ(waehle(4), QStringLiteral("0001"));
    EXPECT_EQ(waehle(-1), QStringLiteral("0001")); // no type: everything stays
}

TEST(Verbinderreiter, BautDieTypenlisteBeimSprachwechselMitGleicherWahlNeu)
{
    Traversenentwurf e;
    EXPECT_EQ(e.eingaben.cmbVerbinder.eintraege(),
              QStringList({"Konusverbinder", "Gabelverbinder", "Doppelgabel", "Flanschplatte", "Rohrverbinder"}));
    e.eingaben.cmbVerbinder.waehle(3);
    e.TexteSetzen();
    EXPECT_EQ(e.eingaben.cmbVerbinder.gewaehlt(), 3);
    EXPECT_EQ(e.eingaben.cmbVerbinder.angezeigterText(), QStringLiteral("Flanschplatte"));
}
