// The truss file: keys, order, read defaults, choice lists, wrong header, and the runs on load.
#include "platform/u_fehler.h"
#include "qstring_ausgabe.h"
#include "tables/u_stream.h"
#include "truss/u_traversendatei.h"
#include <QTemporaryDir>
#include "../truss/ergebniswert.h"
#include <gtest/gtest.h>

namespace {
void schreibeDatei(const QString& pfad, const QString& kopf, const QString& werte)
{
    DokumentSchreiber s(pfad);
    s.Text(kopf);
    s.Text(werte);
    s.Abschliessen();
}

QStringList zeilenDerDatei(const QString& pfad, QString* kopf = nullptr)
{
    DokumentLeser l(pfad);
    const QString k = l.Text();
    if (kopf)
        *kopf = k;
    QStringList zeilen = l.Text().split(QStringLiteral("\r\n"));
    EXPECT_TRUE(zeilen.last().isEmpty()) << "every line ends with CR LF";
    zeilen.removeLast();
    return zeilen;
}

// A truss whose every stored input differs from a new window's.
void fuelleEingaben(Traverseneingaben& e)
{
    e.edtHersteller = QStringLiteral("Müller & Söhne");
    e.edtName = QStringLiteral("F34=Quadro");
    e.edtBearbeiter = QStringLiteral("J. Weiß");
    e.udGurte = 3;
    e.cmbMaterial.waehle(1);
    e.edtDurchmesser = QStringLiteral("48,3");
    e.edtWandstaerke = QStringLiteral("3");
    e.cbVerbinder = true;
    e.edtHoehe = QStringLiteral("290");
    e.edtBreite = QStringLiteral("250");
    e.edtVertikal = QStringLiteral("700");
    e.edtHorizontal = QStringLiteral("650");
    e.cbHoriDiga = false;
    e.edtVerbinder = QStringLiteral("12 000");
    e.edtDiagonale = QStringLiteral("6 500,5");
    e.edtEigenlast = QStringLiteral("71,5");
    e.cmb_Dia_Material.waehle(2);
    e.edt_Dia_Durchmesser = QStringLiteral("25");
    e.edt_Dia_Wandstaerke = QStringLiteral("2,5");
    e.edt_Dia_Schweissnahthoehe = QStringLiteral("3");
    e.cmbVerbinder.waehle(1);
    e.cmbVerbMat.waehle(3);
    e.edtVerbLL = QStringLiteral("48");
    e.edtVerbA = QStringLiteral("30");
    e.edtVerbB = QStringLiteral("10");
    e.cmbVerbBolzenMat.waehle(7);
    e.edtVerbDehngrenze = QStringLiteral("640");
    e.edtVerbD = QStringLiteral("12");
    e.cbBolzenMin = true;
    e.edtQuerkraft = QStringLiteral("9 870,5");
    e.edtBiegemoment = QStringLiteral("15 400,25");
}

QStringList gespeicherteEingaben(const Traverseneingaben& e)
{
    return TraverseAlsWerteliste(e).zeilen();
}

class Traversendatei : public ::testing::Test {
protected:
    QString pfad(const char* name) const { return verzeichnis.filePath(QString::fromLatin1(name)); }
    // Loads a truss that was modified, expecting exactly the one message.
    static bool ladeMitMeldung(Traversenentwurf& e, const QString& datei, const QString& meldung)
    {
        e.geaendert = true;
        QStringList gemeldet;
        e.melden = [&gemeldet](const QString& text) { gemeldet << text; };
        const bool gueltig = TraverseLaden(e, datei);
        EXPECT_EQ(gemeldet, QStringList{meldung});
        // a file that was not read does not become the truss's file
        EXPECT_EQ(e.dateiname == datei, gueltig);
        EXPECT_EQ(e.geaendert, !gueltig);
        return gueltig;
    }
    QTemporaryDir verzeichnis;
};
} // namespace

TEST_F(Traversendatei, SchreibtFuerEineNeueTraverseGenau31ZeilenInFesterReihenfolge)
{
    Traversenentwurf e;
    e.geaendert = true;
    const QString datei = pfad("neu.prt");
    TraverseSchreiben(e, datei);
    EXPECT_EQ(e.dateiname, datei);
    EXPECT_FALSE(e.geaendert);

    QString kopf;
    const QStringList zeilen = zeilenDerDatei(datei, &kopf);
    EXPECT_EQ(kopf, QStringLiteral("Kelvara VLX Traversendatei 2"));
    const QStringList erwartet = {
        "Hersteller=", "Name=neue Traverse", "Bearbeiter=", "Gurtzahl=4", "Material=", "Durchmesser=50",
        "Wandstaerke=2", "WEZ=nein", "Hoehe=300", "Breite=300", "Vertikal=600", "Horizontal=600",
        "Horizontaldiagonalen=ja", "Kraft Verbinder=", "Kraft Diagonale=", "Eigenlast=0", "Material Diagonale=",
        "Diagonale Durchmesser=20", "Diagonale Wandstarke=2", "Diagonale Schweissnaht=2", "Verbinder=",
        "Material Verbinder=", "Verbinder Lochleibungsdruck=0", "Verbinder a=0", "Verbinder b=0",
        "Material Bolzen=", "Bolzen Dehngrenze=0", "Bolzen d=0", "Bolzen Min=nein", "Querkraft=0",
        "Biegemoment=0"};
    EXPECT_EQ(zeilen, erwartet);
}

TEST_F(Traversendatei, LiestAlleGespeichertenEingabenUnveraendertZurueck)
{
    Traversenentwurf quelle;
    fuelleEingaben(quelle.eingaben);
    quelle.BerechneVerbinder();
    quelle.BerechneTraverse();
    const QString datei = pfad("rund.prt");
    TraverseSchreiben(quelle, datei);

    Traversenentwurf ziel;
    ziel.melden = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
    EXPECT_TRUE(TraverseLaden(ziel, datei));
    EXPECT_EQ(gespeicherteEingaben(ziel.eingaben), gespeicherteEingaben(quelle.eingaben));
    EXPECT_EQ(ziel.eingaben.cmbMaterial.gewaehlt(), 1);
    EXPECT_EQ(ziel.eingaben.cmbVerbMat.gewaehlt(), 3);
    EXPECT_EQ(ziel.eingaben.edtQuerkraft, QStringLiteral("9 870,5"));
    EXPECT_EQ(ziel.eingaben.edtBiegemoment, QStringLiteral("15 400,25"));
    EXPECT_EQ(ziel.dateiname, datei);
    EXPECT_FALSE(ziel.unterdrueckt());

    // The runs after loading give what the source shows.
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        EXPECT_EQ(ziel.ergebnisse.*feld.wert, quelle.ergebnisse.*feld.wert) << feld.name;
    EXPECT_EQ(ziel.ergebnisse.stuetzeKg, quelle.ergebnisse.stuetzeKg);
    EXPECT_NEAR(wert(ziel.ergebnisse.verbinderVorschlagN), 9216.00, 0.005); // bearing 0.8 · 240 · 48
    EXPECT_FALSE(ziel.verbinderansicht.pnlRohr);
    EXPECT_TRUE(ziel.verbinderansicht.edtVerbB);
}

TEST_F(Traversendatei, NimmtFuerFehlendeSchluesselDieLesevorgaben)
{
    const QString datei = pfad("luecken.prt");
    schreibeDatei(datei, Traversendateikopf, QStringLiteral("Name=Rest\r\n"));
    Traversenentwurf e;
    e.eingaben.udGurte = 2;
    EXPECT_TRUE(TraverseLaden(e, datei));
    const Traverseneingaben& ein = e.eingaben;
    EXPECT_EQ(ein.edtName, QStringLiteral("Rest"));
    EXPECT_TRUE(ein.edtDurchmesser.isEmpty());
    EXPECT_TRUE(ein.edtVerbA.isEmpty());
    EXPECT_TRUE(ein.edtEigenlast.isEmpty());
    EXPECT_EQ(ein.udGurte, 4);
    EXPECT_TRUE(ein.cbVerbinder);   // "WEZ"
    EXPECT_FALSE(ein.cbHoriDiga);
    EXPECT_FALSE(ein.cbBolzenMin);
    EXPECT_EQ(ein.cmbMaterial.gewaehlt(), 3); // the first empty item
    EXPECT_EQ(ein.cmb_Dia_Material.gewaehlt(), 3);
    // an absent connector choice stays unchosen instead of taking the last item
    EXPECT_EQ(ein.cmbVerbinder.gewaehlt(), -1);
    EXPECT_EQ(ein.cmbVerbMat.gewaehlt(), -1);
    EXPECT_EQ(ein.cmbVerbBolzenMat.gewaehlt(), -1);
    EXPECT_NEAR(wert(e.ergebnisse.gurtFlaecheMm2), 0.00, 0.005);
}

TEST_F(Traversendatei, LaesstDieBibliothekswerteOhneIhreSchluesselStehen)
{
    const QString datei = pfad("alt.prt");
    schreibeDatei(datei, Traversendateikopf, QStringLiteral("Name=Alt\r\n"));
    Traversenentwurf e;
    e.eingaben.edtQuerkraft = QStringLiteral("1234");
    EXPECT_TRUE(TraverseLaden(e, datei));
    EXPECT_EQ(e.eingaben.edtQuerkraft, QStringLiteral("1234"));
    EXPECT_EQ(e.eingaben.edtBiegemoment, QStringLiteral("0"));
}

TEST_F(Traversendatei, LiestDieBibliothekswerteMitKommaOderPunkt)
{
    const QString datei = pfad("punkt.prt");
    schreibeDatei(datei, Traversendateikopf, QStringLiteral("Querkraft=12345.68\r\nBiegemoment=2,5\r\n"));
    Traversenentwurf e;
    EXPECT_TRUE(TraverseLaden(e, datei));
    // the test main sets the German number locale
    EXPECT_EQ(e.eingaben.edtQuerkraft, QStringLiteral("12345,68"));
    EXPECT_EQ(e.eingaben.edtBiegemoment, QStringLiteral("2,5"));
}

TEST_F(Traversendatei, WaehltDenWerkstoffNurBeiGenauGleichemText)
{
    const QString datei = pfad("werkstoff.prt");
    const QString masse = QStringLiteral("Durchmesser=50\r\nWandstaerke=2\r\nHoehe=300\r\nBreite=300\r\n"
                                         "Vertikal=600\r\nHorizontal=600\r\nKraft Verbinder=50000\r\n");
    Traversenentwurf e;
    schreibeDatei(datei, Traversendateikopf, masse + QStringLiteral("Material=AlMgSi1 F28\r\nGurtzahl=9\r\n"));
    TraverseLaden(e, datei);
    EXPECT_EQ(e.eingaben.cmbMaterial.gewaehlt(), 1);
    EXPECT_EQ(e.eingaben.udGurte, 4);
    EXPECT_GT(wert(e.ergebnisse.einzelgurtKg), 0.005);

    schreibeDatei(datei, Traversendateikopf, masse + QStringLiteral("Material=AlMgSi1 F28 \r\nGurtzahl=0\r\n"));
    TraverseLaden(e, datei);
    EXPECT_EQ(e.eingaben.cmbMaterial.gewaehlt(), 4); // the last, empty item
    EXPECT_EQ(e.eingaben.udGurte, 1);
    EXPECT_NEAR(wert(e.ergebnisse.einzelgurtKg), 0.00, 0.005);
    EXPECT_NEAR(wert(e.ergebnisse.gurtKnickenN), 0.00, 0.005);
}

TEST_F(Traversendatei, SchreibtBeimLadenKeinenVorgabewertDerVerbinderwahl)
{
    Traversenentwurf quelle;
    quelle.eingaben.cmbVerbMat.waehle(1);
    quelle.eingaben.edtVerbLL = QStringLiteral("99");
    quelle.eingaben.cmbVerbBolzenMat.waehle(9);
    quelle.eingaben.edtVerbDehngrenze = QStringLiteral("500");
    const QString datei = pfad("verbinder.prt");
    TraverseSchreiben(quelle, datei);

    Traversenentwurf ziel;
    TraverseLaden(ziel, datei);
    EXPECT_EQ(ziel.eingaben.cmbVerbMat.gewaehlt(), 1);
    EXPECT_EQ(ziel.eingaben.edtVerbLL, QStringLiteral("99"));
    EXPECT_EQ(ziel.eingaben.cmbVerbBolzenMat.gewaehlt(), 9);
    EXPECT_EQ(ziel.eingaben.edtVerbDehngrenze, QStringLiteral("500"));

    // A typed pressure clears the choice; reopened, the choice stays cleared and the text is kept.
    ziel.eingaben.edtVerbLL = QStringLiteral("120");
    ziel.cmbVerbinderChange(Verbinderfeld::edtVerbLL);
    TraverseSchreiben(ziel, datei);
    Traversenentwurf wieder;
    TraverseLaden(wieder, datei);
    EXPECT_EQ(wieder.eingaben.cmbVerbMat.gewaehlt(), -1);
    EXPECT_EQ(wieder.eingaben.edtVerbLL, QStringLiteral("120"));
    // a stored text that names no item still selects the last one
    schreibeDatei(datei, Traversendateikopf, QStringLiteral("Material Bolzen=13.9\r\n"));
    TraverseLaden(wieder, datei);
    EXPECT_EQ(wieder.eingaben.cmbVerbBolzenMat.angezeigterText(), QStringLiteral("12.9"));
}

TEST_F(Traversendatei, MeldetEinenFalschenKopfUndNimmtNichtsVonDerDatei)
{
    const QString datei = pfad("alt.prt");
    schreibeDatei(datei, QStringLiteral("Kelvara VLX Traversendatei 1"), QStringLiteral("Name=Alt\r\n"));
    Traversenentwurf e;
    EXPECT_FALSE(ladeMitMeldung(e, datei, QStringLiteral("Keine gültige Traversendatei")));
    EXPECT_EQ(e.eingaben.edtName, QStringLiteral("neue Traverse"));
}

TEST_F(Traversendatei, LaesstDenEntwurfBeiUnlesbarerDateiUnveraendert)
{
    Traversenentwurf e;
    e.geaendert = true;
    EXPECT_THROW(TraverseLaden(e, pfad("fehlt.prt")), Fehler);
    EXPECT_TRUE(e.dateiname.isEmpty());
    EXPECT_TRUE(e.geaendert);

    const QString leer = pfad("leer.prt");
    schreibeDatei(leer, Traversendateikopf, QString());
    QFile kurz(leer);
    ASSERT_TRUE(kurz.open(QIODevice::ReadWrite));
    kurz.resize(kurz.size() - 1);
    kurz.close();
    EXPECT_THROW(TraverseLaden(e, leer), Fehler);
    EXPECT_EQ(e.eingaben.edtName, QStringLiteral("neue Traverse"));
    EXPECT_TRUE(e.dateiname.isEmpty());
}

TEST_F(Traversendatei, LaedtZuEndeAuchWennEineBerechnungAnhaelt)
{
    const QString datei = pfad("flach.prt");
    schreibeDatei(datei, Traversendateikopf,
                  QStringLiteral("Material=AlMgSi1 F28\r\nHoehe=0\r\nDurchmesser=50\r\nWandstaerke=2\r\n"
                                 "Vertikal=600\r\nHorizontal=600\r\n"));
    Traversenentwurf e;
    EXPECT_TRUE(ladeMitMeldung(e, datei, QStringLiteral("Gleitkommadivision durch Null")));
    EXPECT_EQ(e.kennwerte().alpha, 0);
}
