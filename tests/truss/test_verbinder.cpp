// Connector checks and the connector tab's change handler.
#include "platform/u_dialoge_skript.h"
#include "truss/u_traversenentwurf.h"
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
    EXPECT_EQ(r.lvlVerbBolzenD, QStringLiteral("10,00"));
    EXPECT_EQ(r.lvlVerbLLAEinzel, QStringLiteral("120,00"));
    EXPECT_EQ(r.lvlVerbLLAGesamt, QStringLiteral("240,00"));
    EXPECT_EQ(r.lvlVerbLLKraft, QStringLiteral("40 800,00"));
    EXPECT_EQ(r.lvlVerbBolzenA, QStringLiteral("78,54"));
    EXPECT_EQ(r.lvlVerbBolzenI, QStringLiteral("490,87"));
    EXPECT_EQ(r.lvlVerbBolzenDehn, QStringLiteral("400,00"));
    EXPECT_EQ(r.lvlVerbBolzenF, QStringLiteral("9 346,12"));
    EXPECT_EQ(r.lblVerbMax, QStringLiteral("9 346,12"));
    EXPECT_EQ(r.lblVorschlagVerbinder, QStringLiteral("9 346,12"));

    e.eingaben.cbBolzenMin = true;
    e.BerechneVerbinder();
    EXPECT_EQ(r.lvlVerbBolzenDehn, QStringLiteral("640,00"));
    EXPECT_EQ(r.lblVerbMax, QStringLiteral("14 953,80"));
}

TEST(BerechneVerbinder, RechnetGabelUndDoppelgabelMitDemVollenBolzen)
{
    Traversenentwurf gabel = verbinder(1, "30", "10", "12", "170", "240");
    gabel.BerechneVerbinder();
    EXPECT_EQ(gabel.ergebnisse.lvlVerbBolzenD, QStringLiteral("12,00"));
    EXPECT_EQ(gabel.ergebnisse.lvlVerbLLAEinzel, QStringLiteral("120,00")); // min(b, a − b) · d
    EXPECT_EQ(gabel.ergebnisse.lvlVerbLLKraft, QStringLiteral("32 640,00"));
    EXPECT_EQ(gabel.ergebnisse.lvlVerbBolzenA, QStringLiteral("113,10"));
    EXPECT_EQ(gabel.ergebnisse.lvlVerbBolzenI, QStringLiteral("1 017,88"));
    EXPECT_EQ(gabel.ergebnisse.lvlVerbBolzenF, QStringLiteral("8 688,09"));
    EXPECT_EQ(gabel.ergebnisse.lblVerbMax, QStringLiteral("8 688,09"));

    Traversenentwurf doppel = verbinder(2, "20", "0", "10", "100", "320");
    doppel.BerechneVerbinder();
    EXPECT_EQ(doppel.ergebnisse.lvlVerbLLAEinzel, QStringLiteral("100,00"));
    EXPECT_EQ(doppel.ergebnisse.lvlVerbLLKraft, QStringLiteral("16 000,00"));
    EXPECT_EQ(doppel.ergebnisse.lvlVerbBolzenF, QStringLiteral("7 196,29"));
    EXPECT_EQ(doppel.ergebnisse.lblVorschlagVerbinder, QStringLiteral("7 196,29"));
}

TEST(BerechneVerbinder, NimmtBeiDerFlanschplatteDenTabelliertenSpannungsquerschnitt)
{
    Traversenentwurf e = verbinder(3, "100", "0", "12", "0", "640");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_ASchr, QStringLiteral("84,30"));
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_FSchr, QStringLiteral("16 057,14"));
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_MSchr, QStringLiteral("1 605 714,29"));
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_FVerb, QStringLiteral("5 352,38")); // over h = 300
    EXPECT_EQ(e.ergebnisse.lblVerbMax, QStringLiteral("5 352,38"));

    e.eingaben.edtVerbD = QStringLiteral("12,5");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_FSchr, QStringLiteral("17 261,90")); // 0.58 · 12.5² · 400 / 2.1
}

TEST(BerechneVerbinder, HaeltBeiDerFlanschplatteOhneHoeheNachDenSchraubenwertenAn)
{
    Traversenentwurf e = verbinder(3, "100", "0", "12", "0", "640");
    e.BerechneVerbinder();
    e.eingaben.edtVerbD = QStringLiteral("16");
    e.eingaben.edtHoehe = QStringLiteral("0");
    SkriptDialoge dialog;
    dialog.erwarteMeldung(QStringLiteral("Gleitkommadivision durch Null"));
    EXPECT_FALSE(e.BerechneVerbinder());
    EXPECT_TRUE(dialog.allesBeantwortet());
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_ASchr, QStringLiteral("157,00"));
    EXPECT_EQ(e.ergebnisse.lblVerbSchr_FVerb, QStringLiteral("5 352,38"));
    EXPECT_EQ(e.ergebnisse.lblVerbMax, QStringLiteral("5 352,38"));
}

TEST(BerechneVerbinder, BegrenztDenRohrverbinderDurchDasAussenrohrDesGurtwerkstoffs)
{
    Traversenentwurf e = verbinder(4, "40", "0", "10", "48", "240");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.lblVerbRohr_LLa, QStringLiteral("0,00"));
    EXPECT_EQ(e.ergebnisse.lblVerbMax, QStringLiteral("0,00")); // no chord material chosen

    e.eingaben.cmbMaterial.waehle(0);
    e.BerechneVerbinder();
    const Traversenergebnisse& r = e.ergebnisse;
    EXPECT_EQ(r.lblVerbRohr_AA, QStringLiteral("40,00"));
    EXPECT_EQ(r.lblVerbRohr_LLa, QStringLiteral("170,00"));
    EXPECT_EQ(r.lblVerbRohr_FA, QStringLiteral("6 800,00"));
    EXPECT_EQ(r.lblVerbRohr_AI, QStringLiteral("400,00"));
    EXPECT_EQ(r.lblVerbRohr_FI, QStringLiteral("38 400,00"));
    EXPECT_EQ(r.lblVerbRohr_ASchr, QStringLiteral("157,08"));
    EXPECT_EQ(r.lblVerbRohr_FSchr, QStringLiteral("10 053,10"));
    EXPECT_EQ(r.lblVerbMax, QStringLiteral("6 800,00"));
}

TEST(BerechneVerbinder, RechnetNichtsUnterDenMindestmassen)
{
    Traversenentwurf e = verbinder(0, "1,94", "12", "12", "170", "640");
    const Traversenergebnisse vorher = e.ergebnisse;
    e.BerechneVerbinder();
    e.eingaben.edtVerbA = QStringLiteral("10");
    e.eingaben.edtVerbD = QStringLiteral("5,9");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.lblVerbMax, vorher.lblVerbMax);
    EXPECT_EQ(e.ergebnisse.lvlVerbBolzenD, vorher.lvlVerbBolzenD);
    e.eingaben.edtVerbD = QStringLiteral("5,95");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.lvlVerbBolzenD, QStringLiteral("3,95"));
}

TEST(Verbinderreiter, SchreibtBeiWerkstoffwahlDenLochleibungsdruckUndRechnetMitIhm)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "0", "400");
    e.BerechneVerbinder();
    EXPECT_EQ(e.ergebnisse.lvlVerbLLKraft, QStringLiteral("0,00"));
    e.eingaben.cmbVerbMat.waehle(1);
    EXPECT_TRUE(e.cmbVerbinderChange(Verbinderfeld::cmbVerbMat));
    EXPECT_EQ(e.eingaben.edtVerbLL, QStringLiteral("145"));
    EXPECT_EQ(e.ergebnisse.lvlVerbLLKraft, QStringLiteral("34 800,00"));

    e.eingaben.cmbVerbBolzenMat.waehle(0);
    e.cmbVerbinderChange(Verbinderfeld::cmbVerbBolzenMat);
    EXPECT_EQ(e.eingaben.edtVerbDehngrenze, QStringLiteral("180"));
    EXPECT_EQ(e.ergebnisse.lvlVerbBolzenDehn, QStringLiteral("180,00"));
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
    EXPECT_EQ(e.ergebnisse.lvlVerbLLKraft, QStringLiteral("36 000,00"));
    EXPECT_EQ(e.eingaben.cmbVerbBolzenMat.gewaehlt(), 7);
    e.cmbVerbinderChange(Verbinderfeld::edtVerbDehngrenze);
    EXPECT_EQ(e.eingaben.cmbVerbBolzenMat.gewaehlt(), -1);
}

TEST(Verbinderreiter, RechnetNurWennDerGeaenderteTextNichtLeerIst)
{
    Traversenentwurf e = verbinder(0, "10", "12", "12", "170", "640");
    const QString vorher = e.ergebnisse.lblVerbMax;
    EXPECT_TRUE(e.cmbVerbinderChange(std::nullopt));
    EXPECT_EQ(e.ergebnisse.lblVerbMax, vorher);
    e.eingaben.edtVerbB = QStringLiteral("  ");
    e.cmbVerbinderChange(Verbinderfeld::edtVerbB);
    EXPECT_EQ(e.ergebnisse.lblVerbMax, vorher);
    e.eingaben.edtVerbB = QStringLiteral("12");
    e.cmbVerbinderChange(Verbinderfeld::cbBolzenMin);
    EXPECT_EQ(e.ergebnisse.lblVerbMax, QStringLiteral("9 346,12"));
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
        EXPECT_TRUE(e.ergebnisse.lblVerbMax.isEmpty());
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
