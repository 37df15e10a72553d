#include "truss/g_bericht_traverse.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include "truss/g_traversenbilder.h"
#include "truss/u_traversenentwurf.h"
#include "truss/u_traversentexte.h"
#include "report/u_berichtsteile.h"

namespace {

const Schrift titelschrift{18, true, false};
const Schrift normal{10};
const Schrift fett{10, true, false};
const Schrift ueberschrift{10, true, true};
const Schrift unterstrichen{10, false, true};

QString beschriftung(const char* name) { return Traversenbeschriftungstext(name); }
// Group and tab titles carry blanks around them for the frame; the report prints the words.
QString titel(const char* name) { return beschriftung(name).trimmed(); }

// Writes the rows of a block from top to bottom: a caption right-aligned at the caption column,
// its value left-aligned just after it.
class Spalte {
public:
    Spalte(Band& band, double oben, double kante, double zeile)
        : m_band(band), m_y(oben), m_kante(kante), m_zeile(zeile) {}

    void paar(const QString& text, const QString& wert, Schrift schrift = normal)
    {
        m_band.bis(m_kante, m_y, text, schrift);
        m_band.kasten(m_kante + 2, 168 - m_kante, m_y, wert, Ausrichtung::Links, schrift);
        m_y += m_zeile;
    }
    void paar(const QString& text, const Ergebnis& wert, Schrift schrift = normal) { paar(text, Ergebnistext(wert), schrift); }
    void links(const QString& text, Schrift schrift, double x = 0)
    {
        m_band.kasten(x, 170 - x, m_y, text, Ausrichtung::Links, schrift);
        m_y += m_zeile;
    }
    void leer() { m_y += m_zeile; }
    void abstand(double mm) { m_y += mm; }
    double y() const { return m_y; }

private:
    Band& m_band;
    double m_y;
    double m_kante;
    double m_zeile;
};

constexpr double Zeile = 5.0;
constexpr double Tabellenspalten[] = {16, 56, 96, 136, 168}; // right edges of the column table

Band titelband(const Traversenentwurf& t)
{
    const Traverseneingaben& e = t.eingaben;
    const Traversenergebnisse& r = t.ergebnisse;
    Band b;
    b.zentriert(0, 170, 0, beschriftung("Tfrm_traverse"), titelschrift);

    Spalte kopf(b, 11, 60, Zeile);
    kopf.paar(beschriftung("lblHersteller"), e.edtHersteller);
    kopf.paar(beschriftung("lblName"), e.edtName);
    kopf.paar(beschriftung("lblBearbeiter"), e.edtBearbeiter);
    kopf.paar(beschriftung("lblEigenlast"), e.edtEigenlast);
    kopf.paar(beschriftung("lblVerbinder"), e.edtVerbinder);
    kopf.paar(beschriftung("lblDiagonal"), e.edtDiagonale);
    kopf.paar(beschriftung("lblMaterial"), e.cmbMaterial.angezeigterText());
    kopf.abstand(2);
    kopf.links(Uebersetzt(2721, QStringLiteral("Geometrie:")), fett);

    // The two pictures on the left, the dimensions beside them.
    const double bilderOben = kopf.y() + 1;
    const double bildhoehe = b.bild(0, bilderOben, 36, Gurtbild(e.udGurte));
    b.bild(40, bilderOben, 36, Diagonalenbild());
    Spalte masse(b, bilderOben, 130, Zeile);
    masse.paar(beschriftung("lblDurchmesser"), e.edtDurchmesser);
    masse.paar(beschriftung("lblWandstaerke"), e.edtWandstaerke);
    if (e.udGurte != 1)
        masse.paar(beschriftung("lblH"), e.edtHoehe);
    if (e.udGurte > 2)
        masse.paar(beschriftung("lblB"), e.edtBreite);
    if (e.udGurte != 1) {
        masse.paar(beschriftung("lblVertikal"), e.edtVertikal);
        masse.paar(beschriftung("lblHorizontal"), e.edtHorizontal);
    }
    if (e.cbHoriDiga)
        masse.links(beschriftung("cbHoriDiga"), normal, 132);

    Spalte werte(b, std::max(bilderOben + bildhoehe, masse.y()) + 3, 60, Zeile);
    for (const QString& stoerung : t.Stoerungen())
        werte.links(titel("gbHinweise") + u' ' + stoerung, fett);
    werte.links(titel("gbErgebnisse"), fett);
    const double gurt = werte.y();
    b.ab(0, gurt, beschriftung("lblGurt"), normal);
    werte.paar(beschriftung("lblAGurt"), r.gurtFlaecheMm2);
    Spalte traegheit(b, gurt, 135, Zeile);
    traegheit.paar(QStringLiteral("I [mm² * mm²]"), r.gurtTraegheitMm4);
    b.ab(0, werte.y(), beschriftung("lblTraverse"), normal);
    werte.paar(beschriftung("lblATrav"), r.flaecheMm2);
    traegheit.paar(QStringLiteral("I h [mm² * mm²]"), r.traegheitHorizontalMm4);
    traegheit.paar(QStringLiteral("I v [mm² * mm²]"), r.traegheitVertikalMm4);
    werte.leer();
    werte.abstand(1);
    werte.paar(beschriftung("lblGurtMax"), r.gurtkraftN);
    werte.paar(beschriftung("lblQuerkraft"), e.edtQuerkraft);
    werte.paar(beschriftung("lblBiegemoment"), e.edtBiegemoment);
    const QString seitenknicken = Seitenknickwarnung(e.udGurte, e.cbHoriDiga);
    if (!seitenknicken.isEmpty())
        werte.links(seitenknicken, fett);

    const double linie = werte.y() + 1;
    b.linie(0, linie, 170, linie, 0.3);
    Spalte stuetze(b, linie + 2, 110, Zeile);
    stuetze.links(titel("tab_Stuetze"), fett);
    if (e.cbBGVC1)
        stuetze.links(beschriftung("cbBGVC1"), normal);
    stuetze.paar(beschriftung("lblSicherheitsfaktor"), e.edtSicherheitsfaktor);
    stuetze.abstand(1);
    for (int s = 0; s < StuetzenSpalten; ++s)
        b.bis(Tabellenspalten[s], stuetze.y(), Stuetzenueberschrift(s), s == 1 ? fett : normal);
    b.hoehe = stuetze.y() + Zeile + 0.5;
    b.linie(0, b.hoehe - 0.3, 170, b.hoehe - 0.3, 0.2);
    return b;
}

Abschnitt stuetzentabelle(const Traversenentwurf& t)
{
    Abschnitt a;
    a.detail.hoehe = Zeile;
    auto daten = std::make_shared<Zeilendaten>();
    for (int meter = 1; meter <= Stuetzenlaengen; ++meter) {
        QStringList werte{QString::number(meter)};
        for (const Ergebnis& kg : t.ergebnisse.stuetzeKg[size_t(meter - 1)])
            werte.append(Stuetzentext(kg));
        daten->anhaengen(werte);
    }
    for (int s = 0; s < StuetzenSpalten; ++s)
        a.detail.bis(Tabellenspalten[s], 0.5, Inhalt::Feld(s), s == 1 ? fett : normal);
    a.daten = daten;
    return a;
}

Band diagonalenband(const Traversenentwurf& t)
{
    const Traverseneingaben& e = t.eingaben;
    const Traversenergebnisse& r = t.ergebnisse;
    Band b;
    Spalte s(b, 3, 95, Zeile);
    s.links(titel("tab_Diagonalen"), ueberschrift);
    s.paar(beschriftung("lblDiaMat"), e.cmb_Dia_Material.angezeigterText());
    s.paar(beschriftung("lblDiaDurch"), e.edt_Dia_Durchmesser);
    s.paar(beschriftung("lblDiaW"), e.edt_Dia_Wandstaerke);
    s.paar(beschriftung("lblDiaSN"), e.edt_Dia_Schweissnahthoehe);
    s.abstand(1);
    s.links(beschriftung("lbl_de_dia"), unterstrichen);
    s.paar(beschriftung("lbl_de_l"), r.diagonaleLaengeMm);
    s.paar(beschriftung("lbl_de_A"), r.diagonaleFlaecheMm2);
    s.paar(beschriftung("lbl_de_I"), r.diagonaleTraegheitMm4);
    s.links(beschriftung("lbl_de_SN"), unterstrichen);
    s.paar(beschriftung("lbl_de_SN_l"), r.nahtLaengeMm);
    s.paar(beschriftung("lbl_de_SN_A"), r.nahtFlaecheMm2);
    s.links(beschriftung("lbl_de_du"), unterstrichen);
    s.paar(beschriftung("lbl_de_du_l"), r.stanzLaengeMm);
    s.paar(beschriftung("lbl_de_du_A"), r.stanzFlaecheMm2);
    s.links(titel("gb_dia_zul"), unterstrichen);
    s.paar(beschriftung("lbl_dia_zul_kni"), r.diagonaleKnickenN);
    s.paar(beschriftung("lbl_dia_zul_wez"), r.diagonaleWezN);
    s.paar(beschriftung("lbl_dia_zul_scher"), r.nahtN);
    s.paar(beschriftung("lbl_dia_zul_stanz"), r.stanzN);
    s.paar(beschriftung("lbl_dia_zul_gesamt"), r.diagonaleN, fett);
    b.hoehe = s.y() + 2;
    return b;
}

// One row of the connector result panel: the caption label and its value label.
struct Ergebniszeile {
    const char* beschriftung;
    Ergebnis Traversenergebnisse::*wert;
};

using Panel = std::array<Ergebniszeile, 10>;
const Panel Bolzenpanel{{{"lblBolzen1", nullptr},
                         {"lblBolzen2", &Traversenergebnisse::lochFlaecheMm2},
                         {"lblBolzen3", &Traversenergebnisse::lochFlaecheGesamtMm2},
                         {"lblBolzen4", &Traversenergebnisse::lochleibungN},
                         {"lblBolzen5", nullptr},
                         {"lblBolzen6", &Traversenergebnisse::bolzenDurchmesserMm},
                         {"lblBolzen7", &Traversenergebnisse::bolzenFlaecheMm2},
                         {"lblBolzen8", &Traversenergebnisse::bolzenTraegheitMm4},
                         {"lblBolzen9", &Traversenergebnisse::bolzenDehngrenzeNmm2},
                         {"lblBolzen10", &Traversenergebnisse::bolzenN}}};
const Panel Schraubenpanel{{{"lblSchrauben1", nullptr},
                            {"lblSchrauben2", &Traversenergebnisse::schraubeFlaecheMm2},
                            {"lblSchrauben3", &Traversenergebnisse::schraubeN},
                            {"lblSchrauben4", &Traversenergebnisse::schraubeMomentNmm},
                            {"lblSchrauben5", &Traversenergebnisse::flanschN},
                            {nullptr, nullptr}, {nullptr, nullptr}, {nullptr, nullptr},
                            {nullptr, nullptr}, {nullptr, nullptr}}};
const Panel Rohrpanel{{{"lblRohr1", nullptr},
                       {"lblRohr2", &Traversenergebnisse::aussenrohrFlaecheMm2},
                       {"lblRohr3", &Traversenergebnisse::aussenrohrLeibungNmm2},
                       {"lblRohr4", &Traversenergebnisse::aussenrohrN},
                       {"lblRohr5", nullptr},
                       {"lblRohr6", &Traversenergebnisse::innenrohrFlaecheMm2},
                       {"lblRohr7", &Traversenergebnisse::innenrohrN},
                       {"lblRohr8", nullptr},
                       {"lblRohr9", &Traversenergebnisse::rohrschraubeFlaecheMm2},
                       {"lblRohr10", &Traversenergebnisse::rohrschraubeN}}};

const Panel* panel(int typ)
{
    if (typ >= 0 && typ <= 2)
        return &Bolzenpanel;
    if (typ == 3)
        return &Schraubenpanel;
    if (typ == 4)
        return &Rohrpanel;
    return nullptr;
}

Band verbinderband(const Traversenentwurf& t)
{
    const Traverseneingaben& e = t.eingaben;
    const Traversenergebnisse& r = t.ergebnisse;
    const int typ = e.cmbVerbinder.gewaehlt();
    Band b;
    b.linie(0, 0.5, 170, 0.5, 0.3);
    Spalte s(b, 3, 95, Zeile);
    s.links(titel("gb_verb"), ueberschrift);
    const QImage bild = Verbinderbild(typ);
    const double bildOben = s.y() + 1;
    const double bildhoehe = bild.isNull() ? 0 : b.bild(0, bildOben, 34, bild);
    s.abstand(1);
    s.paar(beschriftung("lbl_verb_mat"), e.cmbVerbMat.angezeigterText());
    s.paar(beschriftung("lbl_verb_lld"), e.edtVerbLL);
    s.paar(QStringLiteral("a [mm]:"), e.edtVerbA);
    s.paar(QStringLiteral("b [mm]:"), e.edtVerbB);
    s.abstand(1);
    s.links(titel("gbBolzen"), unterstrichen, 45);
    s.paar(beschriftung("lbl_bolz_fk"), e.cmbVerbBolzenMat.angezeigterText());
    s.paar(beschriftung("lbl_bolz_dg"), e.edtVerbDehngrenze);
    s.paar(QStringLiteral("d [mm]:"), e.edtVerbD);
    Spalte ergebnisse(b, std::max(s.y(), bildOben + bildhoehe) + 1, 95, Zeile);

    // The exclusion of weaker bolt material: both captions as one text, wrapped left of the value.
    Textelement ausschluss{0, ergebnisse.y(), 93, beschriftung("cbBolzenMin") + u' ' + beschriftung("lblBolzenMin"),
                           normal, Ausrichtung::Rechts, true};
    b.text(ausschluss);
    b.ab(97, ergebnisse.y(), e.cbBolzenMin ? Uebersetzt(6, QStringLiteral("Ja")) : Uebersetzt(2720, QStringLiteral("Nein")),
         normal);
    ergebnisse.abstand(2 * Zeile + 1);

    ergebnisse.links(titel("gb_verb_erg"), unterstrichen);
    const Panel* zeilen = panel(typ);
    for (int i = 0; i < 10; ++i) {
        const Ergebniszeile z = zeilen ? (*zeilen)[size_t(i)] : Ergebniszeile{nullptr, nullptr};
        const Traversenbeschriftung* text = z.beschriftung ? FindeTraversenbeschriftung(z.beschriftung) : nullptr;
        if (!text)
            ergebnisse.leer();
        else if (text->unterstrichen)
            ergebnisse.links(beschriftung(z.beschriftung), unterstrichen, 20);
        else
            ergebnisse.paar(beschriftung(z.beschriftung), z.wert ? Ergebnistext(r.*z.wert) : QString());
    }
    ergebnisse.abstand(1);
    ergebnisse.paar(beschriftung("lblSchrauben6"), r.verbinderVorschlagN, fett);
    b.hoehe = ergebnisse.y() + 2;
    return b;
}


} // namespace

Bericht BerichtTraverse(const Traversenentwurf& entwurf, const QDateTime& ausdruck)
{
    Bericht bericht;
    bericht.titel = beschriftung("Tfrm_traverse") + QStringLiteral(" – ") + entwurf.eingaben.edtName;
    bericht.titelband = titelband(entwurf);
    bericht.abschnitte.push_back(stuetzentabelle(entwurf));
    // The diagonal proof is a band of its own, so that diagonal and connector each stay whole.
    Abschnitt diagonale;
    diagonale.kopf = diagonalenband(entwurf);
    diagonale.daten = std::make_shared<Zeilendaten>();
    bericht.abschnitte.push_back(std::move(diagonale));
    bericht.zusammenfassung = verbinderband(entwurf);
    bericht.seitenfuss = Seitenfuss(ausdruck);
    return bericht;
}
