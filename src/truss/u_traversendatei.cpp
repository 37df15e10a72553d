#include "truss/u_traversendatei.h"
#include "language/u_uebersetzung.h"
#include "tables/u_stream.h"
#include <algorithm>

const QString Traversendateikopf = QStringLiteral("Kelvara VLX Traversendatei 2");

namespace {
const QString kHersteller = QStringLiteral("Hersteller");
const QString kName = QStringLiteral("Name");
const QString kBearbeiter = QStringLiteral("Bearbeiter");
const QString kGurtzahl = QStringLiteral("Gurtzahl");
const QString kMaterial = QStringLiteral("Material");
const QString kDurchmesser = QStringLiteral("Durchmesser");
const QString kWandstaerke = QStringLiteral("Wandstaerke");
const QString kWEZ = QStringLiteral("WEZ");
const QString kHoehe = QStringLiteral("Hoehe");
const QString kBreite = QStringLiteral("Breite");
const QString kVertikal = QStringLiteral("Vertikal");
const QString kHorizontal = QStringLiteral("Horizontal");
const QString kHorizontaldiagonalen = QStringLiteral("Horizontaldiagonalen");
const QString kKraftVerbinder = QStringLiteral("Kraft Verbinder");
const QString kKraftDiagonale = QStringLiteral("Kraft Diagonale");
const QString kEigenlast = QStringLiteral("Eigenlast");
const QString kMaterialDiagonale = QStringLiteral("Material Diagonale");
const QString kDiagonaleDurchmesser = QStringLiteral("Diagonale Durchmesser");
const QString kDiagonaleWandstaerke = QStringLiteral("Diagonale Wandstarke"); // spelt so in every file
const QString kDiagonaleSchweissnaht = QStringLiteral("Diagonale Schweissnaht");
const QString kVerbinder = QStringLiteral("Verbinder");
const QString kMaterialVerbinder = QStringLiteral("Material Verbinder");
const QString kLochleibungsdruck = QStringLiteral("Verbinder Lochleibungsdruck");
const QString kVerbinderA = QStringLiteral("Verbinder a");
const QString kVerbinderB = QStringLiteral("Verbinder b");
const QString kMaterialBolzen = QStringLiteral("Material Bolzen");
const QString kDehngrenze = QStringLiteral("Bolzen Dehngrenze");
const QString kBolzenD = QStringLiteral("Bolzen d");
const QString kBolzenMin = QStringLiteral("Bolzen Min");
const QString kQuerkraft = QStringLiteral("Querkraft");
const QString kBiegemoment = QStringLiteral("Biegemoment");

constexpr int MinGurte = 1;
constexpr int MaxGurte = 4;

QString text(const TWerteliste& liste, const QString& name) { return liste.LeseString(name, QString()); }
} // namespace

TWerteliste TraverseAlsWerteliste(const Traverseneingaben& e)
{
    TWerteliste l;
    l.SchreibeString(kHersteller, e.edtHersteller);
    l.SchreibeString(kName, e.edtName);
    l.SchreibeString(kBearbeiter, e.edtBearbeiter);
    l.SchreibeInteger(kGurtzahl, e.udGurte);
    l.SchreibeAuswahl(kMaterial, e.cmbMaterial);
    l.SchreibeString(kDurchmesser, e.edtDurchmesser);
    l.SchreibeString(kWandstaerke, e.edtWandstaerke);
    l.SchreibeBoolean(kWEZ, e.cbVerbinder);
    l.SchreibeString(kHoehe, e.edtHoehe);
    l.SchreibeString(kBreite, e.edtBreite);
    l.SchreibeString(kVertikal, e.edtVertikal);
    l.SchreibeString(kHorizontal, e.edtHorizontal);
    l.SchreibeBoolean(kHorizontaldiagonalen, e.cbHoriDiga);
    l.SchreibeString(kKraftVerbinder, e.edtVerbinder);
    l.SchreibeString(kKraftDiagonale, e.edtDiagonale);
    l.SchreibeString(kEigenlast, e.edtEigenlast);
    l.SchreibeAuswahl(kMaterialDiagonale, e.cmb_Dia_Material);
    l.SchreibeString(kDiagonaleDurchmesser, e.edt_Dia_Durchmesser);
    l.SchreibeString(kDiagonaleWandstaerke, e.edt_Dia_Wandstaerke);
    l.SchreibeString(kDiagonaleSchweissnaht, e.edt_Dia_Schweissnahthoehe);
    l.SchreibeAuswahl(kVerbinder, e.cmbVerbinder);
    l.SchreibeAuswahl(kMaterialVerbinder, e.cmbVerbMat);
    l.SchreibeString(kLochleibungsdruck, e.edtVerbLL);
    l.SchreibeString(kVerbinderA, e.edtVerbA);
    l.SchreibeString(kVerbinderB, e.edtVerbB);
    l.SchreibeAuswahl(kMaterialBolzen, e.cmbVerbBolzenMat);
    l.SchreibeString(kDehngrenze, e.edtVerbDehngrenze);
    l.SchreibeString(kBolzenD, e.edtVerbD);
    l.SchreibeBoolean(kBolzenMin, e.cbBolzenMin);
    l.SchreibeString(kQuerkraft, e.edtQuerkraft);
    l.SchreibeString(kBiegemoment, e.edtBiegemoment);
    return l;
}

// The connector lists have no empty item: an empty stored choice would select their last item
// (the strongest bolt class) and so change the design on every reopening. Nothing chosen stays
// nothing chosen; a stored text that names no item still selects the last one.
void leseVerbinderauswahl(const TWerteliste& l, const QString& name, Auswahlliste& liste)
{
    if (l.LeseString(name, QString()).isEmpty())
        liste.waehle(-1);
    else
        l.LeseAuswahl(name, liste);
}

// The confirmed library values came after the 29 keys; a file without them keeps the inputs.
static void leseBibliothekswert(const TWerteliste& l, const QString& name, QString& eingabe)
{
    if (l.Enthaelt(name))
        eingabe = l.LeseZahltext(name);
}

void WertelisteAnwenden(const TWerteliste& l, Traversenentwurf& entwurf)
{
    Traverseneingaben& e = entwurf.eingaben;
    e.edtHersteller = text(l, kHersteller);
    e.edtName = text(l, kName);
    e.edtBearbeiter = text(l, kBearbeiter);
    // The up-down control keeps its position within 1 … 4.
    e.udGurte = std::clamp(l.LeseInteger(kGurtzahl, 4), MinGurte, MaxGurte);
    l.LeseAuswahl(kMaterial, e.cmbMaterial);
    e.edtDurchmesser = l.LeseZahltext(kDurchmesser);
    e.edtWandstaerke = l.LeseZahltext(kWandstaerke);
    e.cbVerbinder = l.LeseBoolean(kWEZ, true);
    e.edtHoehe = l.LeseZahltext(kHoehe);
    e.edtBreite = l.LeseZahltext(kBreite);
    e.edtVertikal = l.LeseZahltext(kVertikal);
    e.edtHorizontal = l.LeseZahltext(kHorizontal);
    e.cbHoriDiga = l.LeseBoolean(kHorizontaldiagonalen, false);
    e.edtVerbinder = l.LeseZahltext(kKraftVerbinder);
    e.edtDiagonale = l.LeseZahltext(kKraftDiagonale);
    e.edtEigenlast = l.LeseZahltext(kEigenlast);

    const Traversenentwurf::Unterdrueckung ruhe(entwurf);
    l.LeseAuswahl(kMaterialDiagonale, e.cmb_Dia_Material);
    e.edt_Dia_Durchmesser = l.LeseZahltext(kDiagonaleDurchmesser);
    e.edt_Dia_Wandstaerke = l.LeseZahltext(kDiagonaleWandstaerke);
    e.edt_Dia_Schweissnahthoehe = l.LeseZahltext(kDiagonaleSchweissnaht);
    leseVerbinderauswahl(l, kVerbinder, e.cmbVerbinder);
    leseVerbinderauswahl(l, kMaterialVerbinder, e.cmbVerbMat);
    e.edtVerbLL = l.LeseZahltext(kLochleibungsdruck);
    e.edtVerbA = l.LeseZahltext(kVerbinderA);
    e.edtVerbB = l.LeseZahltext(kVerbinderB);
    leseVerbinderauswahl(l, kMaterialBolzen, e.cmbVerbBolzenMat);
    e.edtVerbDehngrenze = l.LeseZahltext(kDehngrenze);
    e.edtVerbD = l.LeseZahltext(kBolzenD);
    e.cbBolzenMin = l.LeseBoolean(kBolzenMin, false);
    entwurf.VerbinderansichtSetzen();
    leseBibliothekswert(l, kQuerkraft, e.edtQuerkraft);
    leseBibliothekswert(l, kBiegemoment, e.edtBiegemoment);
}

bool TraverseLaden(Traversenentwurf& entwurf, const QString& pfad)
{
    DokumentLeser leser(pfad);
    if (leser.Text() != Traversendateikopf) {
        if (entwurf.melden)
            entwurf.melden(Uebersetzt(2100, QStringLiteral("Keine gültige Traversendatei")));
        return false;
    }
    const TWerteliste liste(leser.Text());
    WertelisteAnwenden(liste, entwurf);
    entwurf.BerechneVerbinder();
    entwurf.BerechneDiagonale();
    entwurf.BerechneTraverse();
    entwurf.dateiname = pfad;
    entwurf.geaendert = false;
    return true;
}

void TraverseSchreiben(Traversenentwurf& entwurf, const QString& pfad)
{
    DokumentSchreiber schreiber(pfad);
    schreiber.Text(Traversendateikopf);
    schreiber.Text(TraverseAlsWerteliste(entwurf.eingaben).text());
    schreiber.Abschliessen();
    entwurf.dateiname = pfad;
    entwurf.geaendert = false;
}
