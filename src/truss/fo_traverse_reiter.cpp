// The five tabs of the truss window: their controls with names, default captions and layout.
#include "truss/fo_bildfeld.h"
#include "truss/fo_traverse.h"
#include "language/u_uebersetzung.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
using E = Traverseneingaben;
constexpr int Feldbreite = 80;
constexpr int Ergebnisbreite = 95;

void fett(QWidget* w)
{
    QFont schrift = w->font();
    schrift.setBold(true);
    w->setFont(schrift);
}

// A heading inside a result group; the report takes an underlined caption as a heading.
QLabel* ueberschrift(QLabel* l)
{
    QFont schrift = l->font();
    schrift.setUnderline(true);
    l->setFont(schrift);
    return l;
}

QGridLayout* raster(QWidget* w)
{
    auto* r = new QGridLayout(w);
    r->setHorizontalSpacing(8);
    r->setVerticalSpacing(3);
    r->setContentsMargins(8, 4, 8, 6);
    return r;
}
} // namespace

QWidget* Tfrm_traverse::neueSeite(const char* name, const QString& titel)
{
    auto* seite = new QWidget;
    seite->setObjectName(QString::fromLatin1(name));
    m_reiter->addTab(seite, titel);
    return seite;
}

QGroupBox* Tfrm_traverse::gruppe(QWidget* eltern, const char* name, const QString& titel)
{
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

QLabel* Tfrm_traverse::beschriftung(QWidget* eltern, const char* name, const QString& text)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* Tfrm_traverse::ergebnis(QWidget* eltern, const char* name)
{
    QLabel* l = beschriftung(eltern, name, QString());
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(Ergebnisbreite);
    return l;
}

QLineEdit* Tfrm_traverse::textfeld(QWidget* eltern, const char* name, QString E::*wert, Wirkung wirkung)
{
    auto* feld = new QLineEdit(m_entwurf.eingaben.*wert, eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setFixedWidth(Feldbreite);
    m_textfelder.push_back({feld, wert});
    connect(feld, &QLineEdit::textChanged, this, [this, feld, wert, wirkung](const QString& text) {
        m_entwurf.eingaben.*wert = text;
        BenenneSchritt(Uebersetzt(3003, QStringLiteral("Eingabe")), feld);
        eingabeGeaendert(wirkung, text);
    });
    return feld;
}

QComboBox* Tfrm_traverse::wahlfeld(QWidget* eltern, const char* name, Auswahlliste E::*wert, Wirkung wirkung)
{
    auto* feld = new QComboBox(eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->addItems((m_entwurf.eingaben.*wert).eintraege());
    feld->setCurrentIndex(-1);
    feld->setMinimumWidth(140);
    m_wahlfelder.push_back({feld, wert});
    connect(feld, &QComboBox::currentIndexChanged, this, [this, feld, wert, wirkung](int index) {
        (m_entwurf.eingaben.*wert).waehle(index);
        eingabeGeaendert(wirkung, feld->currentText());
    });
    return feld;
}

QCheckBox* Tfrm_traverse::schalter(QWidget* eltern, const char* name, const QString& text, bool E::*wert,
                                   Wirkung wirkung)
{
    auto* feld = new QCheckBox(text, eltern);
    feld->setObjectName(QString::fromLatin1(name));
    feld->setChecked(m_entwurf.eingaben.*wert);
    m_schalter.push_back({feld, wert});
    connect(feld, &QCheckBox::toggled, this, [this, feld, wert, wirkung](bool an) {
        m_entwurf.eingaben.*wert = an;
        eingabeGeaendert(wirkung, feld->text());
    });
    return feld;
}

void Tfrm_traverse::zeile(QGridLayout* r, int reihe, QWidget* links, QWidget* mitte, QWidget* rechts)
{
    r->addWidget(links, reihe, 0);
    if (mitte)
        r->addWidget(mitte, reihe, 1);
    if (rechts)
        r->addWidget(rechts, reihe, 2);
}

void Tfrm_traverse::ergebniszeilen(QWidget* eltern, QGridLayout* r, std::initializer_list<Ergebniszeile> reihen)
{
    for (const Ergebniszeile& z : reihen) {
        QLabel* l = beschriftung(eltern, z.name, QString::fromUtf8(z.text));
        QLabel* wert = z.wert ? ergebnis(eltern, z.wert) : nullptr;
        if (!wert)
            ueberschrift(l);
        if (z.fett) {
            fett(l);
            fett(wert);
        }
        zeile(r, r->rowCount(), l, wert);
    }
}

void Tfrm_traverse::baueReiterTraverse()
{
    QWidget* seite = neueSeite("tab_Traverse", QStringLiteral("Eigenschaften der Traverse"));
    auto* aussen = new QGridLayout(seite);
    const Wirkung traverse{Lauf::Traverse};

    QGroupBox* gbGurte = gruppe(seite, "gbGurte", QStringLiteral(" Gurte: "));
    QGridLayout* r = raster(gbGurte);
    udGurte = new QSpinBox(gbGurte);
    udGurte->setObjectName(QStringLiteral("udGurte"));
    udGurte->setRange(1, 4);
    udGurte->setValue(m_entwurf.eingaben.udGurte);
    udGurte->setFixedWidth(Feldbreite);
    connect(udGurte, &QSpinBox::valueChanged, this, &Tfrm_traverse::gurteGeaendert);
    zeile(r, 0, beschriftung(gbGurte, "lblAnzahl", QStringLiteral("Anzahl:")), udGurte);
    zeile(r, 1, beschriftung(gbGurte, "lblMaterial", QStringLiteral("Material:")),
          wahlfeld(gbGurte, "cmbMaterial", &E::cmbMaterial, traverse));
    zeile(r, 2, beschriftung(gbGurte, "lblDurchmesser", QStringLiteral("Durchmesser d [mm]:")),
          textfeld(gbGurte, "edtDurchmesser", &E::edtDurchmesser, traverse));
    zeile(r, 3, beschriftung(gbGurte, "lblWandstaerke", QStringLiteral("Wandstärke w [mm]:")),
          textfeld(gbGurte, "edtWandstaerke", &E::edtWandstaerke, traverse));
    r->addWidget(schalter(gbGurte, "cbVerbinder", QStringLiteral("Verbinder angeschweisst"), &E::cbVerbinder,
                          {Lauf::TraverseImmer}),
                 4, 0, 1, 2);
    r->setColumnStretch(2, 1);

    pbGurte = new Bildfeld(seite);
    pbGurte->setObjectName(QStringLiteral("pbGurte"));

    QGroupBox* gbAbmessungen = gruppe(seite, "gbAbmessungen", QStringLiteral(" Abmessungen: "));
    r = raster(gbAbmessungen);
    zeile(r, 0, beschriftung(gbAbmessungen, "lblH", QStringLiteral("Höhe h [mm]:")),
          textfeld(gbAbmessungen, "edtHoehe", &E::edtHoehe, traverse));
    zeile(r, 1, beschriftung(gbAbmessungen, "lblB", QStringLiteral("Breite b [mm]:")),
          textfeld(gbAbmessungen, "edtBreite", &E::edtBreite, traverse));
    r->addWidget(beschriftung(gbAbmessungen, "lblDia", QStringLiteral("Diagonalenabstand [mm]")), 2, 0, 1, 2);
    zeile(r, 3, beschriftung(gbAbmessungen, "lblVertikal", QStringLiteral("vertikal a:")),
          textfeld(gbAbmessungen, "edtVertikal", &E::edtVertikal, traverse));
    zeile(r, 4, beschriftung(gbAbmessungen, "lblHorizontal", QStringLiteral("horizontal a':")),
          textfeld(gbAbmessungen, "edtHorizontal", &E::edtHorizontal, traverse));
    r->addWidget(schalter(gbAbmessungen, "cbHoriDiga", QStringLiteral("horizontale Diagonalen"), &E::cbHoriDiga, {}),
                 5, 0, 1, 2);
    auto* imgDiagonalen = new Bildfeld(gbAbmessungen, QSize(140, 140));
    imgDiagonalen->setObjectName(QStringLiteral("imgDiagonalen"));
    imgDiagonalen->setzeBild(QStringLiteral(":/bilder/diagonalen.svg"));
    r->addWidget(imgDiagonalen, 0, 2, 6, 1, Qt::AlignRight | Qt::AlignVCenter);
    r->setColumnStretch(2, 1);

    QGroupBox* gbKraefte = gruppe(seite, "gbKraefte", QStringLiteral(" zulässige Kräfte: "));
    r = raster(gbKraefte);
    zeile(r, 0, beschriftung(gbKraefte, "lblVerbinder", QStringLiteral("im Verbinder [N]:")),
          textfeld(gbKraefte, "edtVerbinder", &E::edtVerbinder, traverse));
    QLabel* vorschlagVerbinder = ergebnis(gbKraefte, "lblVorschlagVerbinder");
    QLabel* vorschlagDiagonale = ergebnis(gbKraefte, "lblVorschlagDiagonale");
    for (QLabel* vorschlag : {vorschlagVerbinder, vorschlagDiagonale}) {
        vorschlag->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        vorschlag->setStyleSheet(QStringLiteral("color: #1f4e8c;"));
        vorschlag->setCursor(Qt::PointingHandCursor);
        vorschlag->installEventFilter(this);
    }
    r->addWidget(vorschlagVerbinder, 1, 1, 1, 2);
    zeile(r, 2, beschriftung(gbKraefte, "lblDiagonal", QStringLiteral("in der Diagonalen [N]:")),
          textfeld(gbKraefte, "edtDiagonale", &E::edtDiagonale, traverse));
    r->addWidget(vorschlagDiagonale, 3, 1, 1, 2);
    r->setColumnStretch(2, 1);

    QGroupBox* gbErgebnisse = gruppe(seite, "gbErgebnisse", QStringLiteral(" Ergebnisse: "));
    r = raster(gbErgebnisse);
    ergebniszeilen(gbErgebnisse, r,
                   {{"lblGurt", "Gurt:"},
                    {"lblAGurt", "A [mm²]:", "lblValueAGurt"},
                    {"lblIGurt", "I [mm² * mm²]:", "lblValueIGurt"},
                    {"lblTraverse", "Traverse:"},
                    {"lblATrav", "A [mm²]:", "lblValueATrav"}});
    r->addWidget(beschriftung(gbErgebnisse, "lblITrav", QStringLiteral("I [mm² * mm²]:")), r->rowCount(), 0);
    ergebniszeilen(gbErgebnisse, r,
                   {{"lblTravVerti", "   vertikal:", "lblValueITravVerti"},
                    {"lblTravHori", "   horizontal:", "lblValueITravHori"}});
    r->setRowStretch(r->rowCount(), 1);

    aussen->addWidget(gbGurte, 0, 0);
    aussen->addWidget(pbGurte, 0, 1, Qt::AlignCenter);
    aussen->addWidget(gbAbmessungen, 1, 0);
    aussen->addWidget(gbErgebnisse, 1, 1, 2, 1);
    aussen->addWidget(gbKraefte, 2, 0);
    aussen->setColumnStretch(0, 3);
    aussen->setColumnStretch(1, 2);
}

void Tfrm_traverse::baueReiterDiagonale()
{
    QWidget* seite = neueSeite("tab_Diagonalen", QStringLiteral("Eigenschaften der Diagonale"));
    auto* aussen = new QGridLayout(seite);
    const Wirkung diagonale{Lauf::Diagonale};

    QGroupBox* gbDiagonale = gruppe(seite, "gbDiagonale", QStringLiteral(" Diagonale: "));
    QGridLayout* r = raster(gbDiagonale);
    zeile(r, 0, beschriftung(gbDiagonale, "lblDiaMat", QStringLiteral("Material:")),
          wahlfeld(gbDiagonale, "cmb_Dia_Material", &E::cmb_Dia_Material, diagonale));
    zeile(r, 1, beschriftung(gbDiagonale, "lblDiaDurch", QStringLiteral("Durchmesser d [mm]:")),
          textfeld(gbDiagonale, "edt_Dia_Durchmesser", &E::edt_Dia_Durchmesser, diagonale));
    zeile(r, 2, beschriftung(gbDiagonale, "lblDiaW", QStringLiteral("Wandstärke w [mm]:")),
          textfeld(gbDiagonale, "edt_Dia_Wandstaerke", &E::edt_Dia_Wandstaerke, diagonale));
    zeile(r, 3, beschriftung(gbDiagonale, "lblDiaSN", QStringLiteral("Höhe der Schweissnaht w [mm]:")),
          textfeld(gbDiagonale, "edt_Dia_Schweissnahthoehe", &E::edt_Dia_Schweissnahthoehe, diagonale));
    QLabel* hinweis = beschriftung(gbDiagonale, "lblDiaHin",
                                   QStringLiteral("Werden Vertikale mit abweichenden Werten verwendet, "
                                                  "so ist der kleinere Wert anzugeben."));
    hinweis->setWordWrap(true);
    r->addWidget(hinweis, 4, 0, 1, 3);
    r->setColumnStretch(2, 1);

    QGroupBox* gbDiaErgebnisse = gruppe(seite, "gbDiaErgebnisse", QStringLiteral(" Ergebnisse: "));
    r = raster(gbDiaErgebnisse);
    ergebniszeilen(gbDiaErgebnisse, r,
                   {{"lbl_de_dia", "Diagonale:"},
                    {"lbl_de_l", "Länge l [mm]:", "lblValuelDia"},
                    {"lbl_de_A", "A [mm²]:", "lblValueADia"},
                    {"lbl_de_I", "I [mm² * mm²]:", "lblValueIDia"},
                    {"lbl_de_SN", "Schweissnaht:"},
                    {"lbl_de_SN_l", "Länge l [mm]:", "lblValuelsDia"},
                    {"lbl_de_SN_A", "A [mm²]:", "lblValueAsDia"},
                    {"lbl_de_du", "Durchstanzen:"},
                    {"lbl_de_du_l", "Länge l [mm]:", "lblValueldDia"},
                    {"lbl_de_du_A", "A [mm²]:", "lblValueAdDia"}});
    r->setRowStretch(r->rowCount(), 1);

    QGroupBox* gb_dia_zul = gruppe(seite, "gb_dia_zul", QStringLiteral(" zulässige Diagonalkraft: "));
    r = raster(gb_dia_zul);
    ergebniszeilen(gb_dia_zul, r,
                   {{"lbl_dia_zul_kni", "Knicken [N]:", "lblValue_Dia_Knicken"},
                    {"lbl_dia_zul_wez", "Zug in Wärmeeinflusszone [N]:", "lblValue_Dia_WEZ"},
                    {"lbl_dia_zul_scher", "Abscheren der Schweissnaht [N]:", "lblValue_Dia_Schweiss"},
                    {"lbl_dia_zul_stanz", "Durchstanzen des Gurtes [N]:", "lblValue_Dia_Stanz"},
                    {"lbl_dia_zul_gesamt", "zulässige Diagonalkraft [N]:", "lblValue_Dia_Min", true}});

    aussen->addWidget(gbDiagonale, 0, 0);
    aussen->addWidget(gb_dia_zul, 1, 0);
    aussen->addWidget(gbDiaErgebnisse, 0, 1, 2, 1);
    aussen->setRowStretch(2, 1);
}

void Tfrm_traverse::baueReiterVerbinder()
{
    QWidget* seite = neueSeite("tab_Verbinder", QStringLiteral("Eigenschaften der Verbinder"));
    auto* aussen = new QGridLayout(seite);
    auto verbinder = [](Verbinderfeld f) { return Wirkung{Lauf::Verbinder, true, f}; };
    using V = Verbinderfeld;

    QGroupBox* gb_verb = gruppe(seite, "gb_verb", QStringLiteral(" Verbinder: "));
    QGridLayout* r = raster(gb_verb);
    r->addWidget(wahlfeld(gb_verb, "cmbVerbinder", &E::cmbVerbinder, verbinder(V::cmbVerbinder)), 0, 0, 1, 2);
    zeile(r, 1, beschriftung(gb_verb, "lbl_verb_mat", QStringLiteral("Material:")),
          wahlfeld(gb_verb, "cmbVerbMat", &E::cmbVerbMat, verbinder(V::cmbVerbMat)));
    zeile(r, 2, beschriftung(gb_verb, "lbl_verb_lld", QStringLiteral("zul. Lochleibungsdruck [N/mm²]:")),
          textfeld(gb_verb, "edtVerbLL", &E::edtVerbLL, verbinder(V::edtVerbLL)));
    zeile(r, 3, beschriftung(gb_verb, "lblVerbA", QStringLiteral("a [mm]:")),
          textfeld(gb_verb, "edtVerbA", &E::edtVerbA, verbinder(V::edtVerbA)));
    zeile(r, 4, beschriftung(gb_verb, "lblVerbB", QStringLiteral("b [mm]:")),
          textfeld(gb_verb, "edtVerbB", &E::edtVerbB, verbinder(V::edtVerbB)));
    r->setRowStretch(5, 1);

    QGroupBox* gbBolzen = gruppe(seite, "gbBolzen", QStringLiteral(" Bolzen / Schraube: "));
    r = raster(gbBolzen);
    zeile(r, 0, beschriftung(gbBolzen, "lbl_bolz_fk", QStringLiteral("Festigkeitsklasse:")),
          wahlfeld(gbBolzen, "cmbVerbBolzenMat", &E::cmbVerbBolzenMat, verbinder(V::cmbVerbBolzenMat)));
    zeile(r, 1, beschriftung(gbBolzen, "lbl_bolz_dg", QStringLiteral("Dehngrenze [N/mm²]:")),
          textfeld(gbBolzen, "edtVerbDehngrenze", &E::edtVerbDehngrenze, verbinder(V::edtVerbDehngrenze)));
    zeile(r, 2, beschriftung(gbBolzen, "lblVerbD", QStringLiteral("d [mm]:")),
          textfeld(gbBolzen, "edtVerbD", &E::edtVerbD, verbinder(V::edtVerbD)));
    r->addWidget(schalter(gbBolzen, "cbBolzenMin", QStringLiteral("es kann ausgeschlossen werden,"), &E::cbBolzenMin,
                          verbinder(V::cbBolzenMin)),
                 3, 0, 1, 2);
    QLabel* bolzenMin = beschriftung(gbBolzen, "lblBolzenMin",
                                     QStringLiteral("dass Material geringerer Festigkeit verwendet wird"));
    bolzenMin->setWordWrap(true);
    bolzenMin->setContentsMargins(20, 0, 0, 0);
    r->addWidget(bolzenMin, 4, 0, 1, 2);
    r->setRowStretch(5, 1);

    pbVerbinder = new Bildfeld(seite);
    pbVerbinder->setObjectName(QStringLiteral("pbVerbinder"));

    QGroupBox* gb_verb_erg = gruppe(seite, "gb_verb_erg", QStringLiteral(" Ergebnisse: "));
    auto* erg = new QVBoxLayout(gb_verb_erg);
    erg->setContentsMargins(0, 0, 0, 6);
    auto panel = [&](const char* name, std::initializer_list<Ergebniszeile> reihen) {
        auto* p = new QWidget(gb_verb_erg);
        p->setObjectName(QString::fromLatin1(name));
        QGridLayout* pr = raster(p);
        ergebniszeilen(p, pr, reihen);
        pr->setColumnStretch(0, 1);
        erg->addWidget(p);
        return p;
    };
    panel("pnlBolzen", {{"lblBolzen1", "Lochleibung:"},
                        {"lblBolzen2", "A eines Loches [mm²]:", "lvlVerbLLAEinzel"},
                        {"lblBolzen3", "A aller Löcher [mm²]:", "lvlVerbLLAGesamt"},
                        {"lblBolzen4", "zul. Lochleibungskraft [N]:", "lvlVerbLLKraft"},
                        {"lblBolzen5", "Bolzen:"},
                        {"lblBolzen6", "wirksamer Durchmesser [mm]:", "lvlVerbBolzenD"},
                        {"lblBolzen7", "A [mm²]:", "lvlVerbBolzenA"},
                        {"lblBolzen8", "I [mm² * mm²]:", "lvlVerbBolzenI"},
                        {"lblBolzen9", "Dehngrenze [N/mm²]:", "lvlVerbBolzenDehn"},
                        {"lblBolzen10", "zul. Bolzenkraft [N]:", "lvlVerbBolzenF"}});
    panel("pnlSchrauben", {{"lblSchrauben1", "Schraubverbindung:"},
                           {"lblSchrauben2", "Spannungsquerschnitt [mm²]:", "lblVerbSchr_ASchr"},
                           {"lblSchrauben3", "zul. Schraubenkraft [N]:", "lblVerbSchr_FSchr"},
                           {"lblSchrauben4", "zulässiges Moment [Nm]:", "lblVerbSchr_MSchr"},
                           {"lblSchrauben5", "zul. Verbindungskraft [N]:", "lblVerbSchr_FVerb"}})
        ->hide();
    panel("pnlRohr", {{"lblRohr1", "Außenrohr:"},
                      {"lblRohr2", "A beider Löcher [mm²]:", "lblVerbRohr_AA"},
                      {"lblRohr3", "Lochleibungsdruck [N/mm²]:", "lblVerbRohr_LLa"},
                      {"lblRohr4", "zul. Kraft [N]:", "lblVerbRohr_FA"},
                      {"lblRohr5", "Innenrohr:"},
                      {"lblRohr6", "A [mm²]:", "lblVerbRohr_AI"},
                      {"lblRohr7", "zul. Kraft [N]:", "lblVerbRohr_FI"},
                      {"lblRohr8", "Schraube:"},
                      {"lblRohr9", "Scherfläche [mm²]:", "lblVerbRohr_ASchr"},
                      {"lblRohr10", "zul. Kraft [N]:", "lblVerbRohr_FSchr"}})
        ->hide();
    erg->addStretch(1);
    // the maximum belongs to every type, so it stands below the panels
    panel("pnlMaximum", {{"lblSchrauben6", "maximale Verbinderkraft [N]", "lblVerbMax", true}});

    aussen->addWidget(gb_verb, 0, 0);
    aussen->addWidget(pbVerbinder, 0, 1, Qt::AlignCenter);
    aussen->addWidget(gbBolzen, 1, 0);
    aussen->addWidget(gb_verb_erg, 1, 1);
    aussen->setColumnStretch(0, 4);
    aussen->setColumnStretch(1, 3);
}

void Tfrm_traverse::baueReiterStuetze()
{
    QWidget* seite = neueSeite("tab_Stuetze", QStringLiteral("Belastbarkeit als Stütze"));
    QGridLayout* r = raster(seite);
    r->setContentsMargins(10, 10, 10, 10);
    r->addWidget(schalter(seite, "cbBGVC1", QStringLiteral("Sicherheitsfaktor von 2 nach BGV C1"), &E::cbBGVC1,
                          {Lauf::TraverseImmer, false}),
                 0, 0, 1, 3);
    zeile(r, 1,
          beschriftung(seite, "lblSicherheitsfaktor",
                       QStringLiteral("Sicherheitsfaktor für Außermittigkeit der Lasteinleitung:")),
          textfeld(seite, "edtSicherheitsfaktor", &E::edtSicherheitsfaktor, {Lauf::Keiner, false}));
    zeile(r, 2, beschriftung(seite, "lblEinzel", QStringLiteral("Belastbarkeit des Einzelrohrs [kg]:")),
          ergebnis(seite, "lblValueEinzel"));
    zeile(r, 3, beschriftung(seite, "lblVerbinder3", QStringLiteral("Belastbarkeit aller Verbinder [kg]:")),
          ergebnis(seite, "lblValueVerbinder2"));

    // row 0 of the grid is its header, column 0 the fixed column of lengths
    sgStuetze = new QTableWidget(StuetzenZeilen - 1, StuetzenSpalten, seite);
    sgStuetze->setObjectName(QStringLiteral("sgStuetze"));
    sgStuetze->verticalHeader()->hide();
    sgStuetze->verticalHeader()->setDefaultSectionSize(18);
    sgStuetze->verticalHeader()->setMinimumSectionSize(18);
    sgStuetze->horizontalHeader()->setDefaultSectionSize(100);
    sgStuetze->horizontalHeader()->setFixedHeight(20);
    sgStuetze->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgStuetze->setSelectionMode(QAbstractItemView::NoSelection);
    sgStuetze->setFocusPolicy(Qt::NoFocus);
    sgStuetze->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgStuetze->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgStuetze->setFixedSize(StuetzenSpalten * 100 + 2, (StuetzenZeilen - 1) * 18 + 20 + 2);
    for (int zeile = 0; zeile < StuetzenZeilen - 1; ++zeile)
        for (int spalte = 0; spalte < StuetzenSpalten; ++spalte) {
            auto* zelle = new QTableWidgetItem;
            if (spalte == 0) {
                zelle->setBackground(sgStuetze->palette().button());
                zelle->setTextAlignment(Qt::AlignCenter);
            } else {
                zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            sgStuetze->setItem(zeile, spalte, zelle);
        }
    for (int spalte = 0; spalte < StuetzenSpalten; ++spalte)
        sgStuetze->setHorizontalHeaderItem(spalte, new QTableWidgetItem);
    r->addWidget(sgStuetze, 4, 0, 1, 3, Qt::AlignLeft | Qt::AlignTop);
    r->setVerticalSpacing(6);
    r->setColumnStretch(2, 1);
    r->setRowStretch(5, 1);
}

void Tfrm_traverse::baueReiterTraeger()
{
    QWidget* seite = neueSeite("tab_traeger", QStringLiteral("Belastbarkeit als Träger"));
    auto* aussen = new QGridLayout(seite);
    const Wirkung bibliothek{Lauf::Keiner, true};

    QGroupBox* gbNormalkraft = gruppe(seite, "gbNormalkraft", QStringLiteral(" Normalkraft: "));
    QGridLayout* r = raster(gbNormalkraft);
    ergebniszeilen(gbNormalkraft, r,
                   {{"lblKnickenObergurt1", "Knicken des Obergurtes [N]", "lblValueKnicken"},
                    {"lblSchweissen", "Zug in Wärmeeinflusszone [N]", "lblValueSchweissen"},
                    {"lblVerbinder2", "Zug in den Verbindern [N]", "lblValueVerbinder"},
                    {"lblGurtMax", "maximale Gurtkraft pro Gurt [N]", "lblValueGurtMax", true}});
    r->setColumnStretch(0, 1);

    QGroupBox* gbStatik = gruppe(seite, "gbStatik", QStringLiteral(" Statik: "));
    r = raster(gbStatik);
    QLabel* querkraft = ergebnis(gbStatik, "lblValueQuerkraft");
    QLabel* biegemoment = ergebnis(gbStatik, "lblValueBiegemoment");
    for (QLabel* vorschlag : {querkraft, biegemoment}) {
        vorschlag->setStyleSheet(QStringLiteral("color: #1f4e8c;"));
        vorschlag->setCursor(Qt::PointingHandCursor);
        vorschlag->installEventFilter(this);
    }
    zeile(r, 0, beschriftung(gbStatik, "lblQuerkraft", QStringLiteral("zulässige Querkraft [N]:")), querkraft,
          textfeld(gbStatik, "edtQuerkraft", &E::edtQuerkraft, bibliothek));
    zeile(r, 1, beschriftung(gbStatik, "lblBiegemoment", QStringLiteral("zulässiges Biegemoment [Nm]:")), biegemoment,
          textfeld(gbStatik, "edtBiegemoment", &E::edtBiegemoment, bibliothek));
    zeile(r, 2, beschriftung(gbStatik, "lblEigenlast", QStringLiteral("Eigenlast [N/m]")), nullptr,
          textfeld(gbStatik, "edtEigenlast", &E::edtEigenlast, bibliothek));
    r->setColumnStretch(0, 1);

    QGroupBox* gbBibliothek = gruppe(seite, "gbBibliothek", QStringLiteral(" Bibliothek: "));
    r = raster(gbBibliothek);
    auto breit = [](QLineEdit* feld) {
        feld->setMinimumWidth(180);
        feld->setMaximumWidth(QWIDGETSIZE_MAX);
        return feld;
    };
    zeile(r, 0, beschriftung(gbBibliothek, "lblHersteller", QStringLiteral("Hersteller:")),
          breit(textfeld(gbBibliothek, "edtHersteller", &E::edtHersteller, bibliothek)));
    zeile(r, 1, beschriftung(gbBibliothek, "lblName", QStringLiteral("Name:")),
          breit(textfeld(gbBibliothek, "edtName", &E::edtName, bibliothek)));
    zeile(r, 2, beschriftung(gbBibliothek, "lblBearbeiter", QStringLiteral("Bearbeiter:")),
          breit(textfeld(gbBibliothek, "edtBearbeiter", &E::edtBearbeiter, bibliothek)));
    auto* btnInsert = new QPushButton(QStringLiteral("in die Bibliothek"), gbBibliothek);
    btnInsert->setObjectName(QStringLiteral("btnInsert"));
    connect(btnInsert, &QPushButton::clicked, this, &Tfrm_traverse::btnInsertClick);
    r->addWidget(btnInsert, 3, 1, Qt::AlignRight);

    QGroupBox* gbHinweise = gruppe(seite, "gbHinweise", QStringLiteral(" Hinweis: "));
    auto* h = new QVBoxLayout(gbHinweise);
    for (const char* name : {"lblSeitenknicken", "lblWarn", "lblStatiker", "lblkonservativ"}) {
        QLabel* l = beschriftung(gbHinweise, name, QString());
        l->setWordWrap(true);
        if (qstrcmp(name, "lblkonservativ") != 0) {
            fett(l);
            l->setStyleSheet(QStringLiteral("color: #c00000;"));
        }
        h->addWidget(l);
    }
    h->addStretch(1);

    aussen->addWidget(gbNormalkraft, 0, 0);
    aussen->addWidget(gbStatik, 1, 0);
    aussen->addWidget(gbBibliothek, 0, 1);
    aussen->addWidget(gbHinweise, 1, 1);
    aussen->setRowStretch(2, 1);
    aussen->setColumnStretch(0, 1);
    aussen->setColumnStretch(1, 1);
}
