// The CAD tab of the beam editor: paint area, info and view groups, load library, tools with
// their panels, truss and variant groups.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "platform/u_tabellenmodell_qt.h"
#include "beam/fo_zeilenpanel.h"
#include "beam/u_lastenbibliothek.h"
#include "beam/u_variantenprojekt.h"
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>

namespace {

struct Werkzeugknopf {
    const char* name;
    const char* bild;
    const char* hinweis;
};
// By tool code 1 to 17; the hints take the ids 2643 onwards.
const Werkzeugknopf Werkzeugknoepfe[] = {
    {"sbSelect", "auswahl", "Auswahl"},          {"sbLager", "lager", "Lager"},
    {"sbKraft", "kraft", "Einzelkraft"},          {"sbStreckenlast", "streckenlast", "Streckenlast"},
    {"sbMotorzug", "motorzug", "Zug"},            {"sbLichtPC", "scheinwerfer", "Scheinwerfer"},
    {"sbLichtPAR", "par", "PAR"},                 {"sbLichtScan", "scanner", "Scanner"},
    {"sbLichtMHSpot", "mhspot", "MH Spot"},       {"sbLichtMHWash", "mhwash", "MH Wash"},
    {"sb4Bar", "bar4", "4er Bar"},                {"sb6Bar", "bar6", "6er Bar"},
    {"sbBox", "box", "Box"},                      {"sbLinearray", "linearray", "Line-Array"},
    {"sbBeamer", "beamer", "Beamer"},             {"sbMove", "verschieben", "Verschieben"},
    {"sbTravKraft", "traversenkraft", "Lagerkraft aus anderer Variante"}};

QIcon werkzeugbild(const char* name) { return QIcon(QStringLiteral(":/werkzeuge/%1.svg").arg(QLatin1String(name))); }

template <class T>
T* benannt(T* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* beschriftung(const char* name) { return benannt(new QLabel, name); }

// The sizes are written here with a comma; the list shows the locale's decimal separator.
QStringList groessen(std::initializer_list<const char*> liste)
{
    QStringList l;
    for (const char* s : liste)
        l.append(QString::fromLatin1(s).replace(u',', Dezimaltrenner()));
    return l;
}

// A caption and its input side by side in a grid.
void paar(QGridLayout* raster, int zeile, int spalte, QWidget* links, QWidget* rechts)
{
    raster->addWidget(links, zeile, spalte);
    raster->addWidget(rechts, zeile, spalte + 1);
}

// A label whose text changes while working takes the width it is given, so its column keeps
// its width and the tool bar beside it stays in place.
void festeBreite(QLabel* l, int mindestens)
{
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    l->setMinimumWidth(mindestens);
}

void setzeListentext(QComboBox* c, const QString& text)
{
    if (c->currentText() != text)
        c->setCurrentText(text);
}

void setzeText(QLineEdit* e, const QString& text)
{
    if (e->text() != text)
        e->setText(text);
}

} // namespace

void Tfrm_variante::baueCadTab()
{
    tab_cad = benannt(new QWidget, "tab_cad");
    auto* teiler = benannt(new QSplitter(Qt::Vertical, tab_cad), "Splitter1");
    auto* tabLayout = new QVBoxLayout(tab_cad);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    tabLayout->addWidget(teiler);
    pbCAD = new Cadflaeche(modell, ansicht, werkzeuge);
    teiler->addWidget(pbCAD);
    connect(pbCAD, &Cadflaeche::mausBewegt, this, [this] {
        lblX->setText(werkzeuge.textX);
        lblX1->setText(werkzeuge.textX1);
        lblX1->setVisible(werkzeuge.x1Sichtbar);
    });
    connect(pbCAD, &Cadflaeche::reglerGeaendert, this, [this](int position) {
        const QSignalBlocker still(tbSize); // the wheel has set the scale and the centre already
        tbSize->setValue(position);
    });
    connect(pbCAD, &Cadflaeche::einpassenGewuenscht, this, &Tfrm_variante::einpassen);

    auto* unten = new QWidget;
    unten->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* reihe = new QHBoxLayout(unten);
    reihe->setContentsMargins(2, 2, 2, 2);
    teiler->addWidget(unten);
    teiler->setStretchFactor(0, 1);
    teiler->setStretchFactor(1, 0);
    teiler->setCollapsible(0, false);

    // Info and view, one above the other
    auto* spalte1 = new QVBoxLayout;
    gbInfo = benannt(new QGroupBox, "gbInfo");
    auto* info = new QVBoxLayout(gbInfo);
    lblX = beschriftung("lblX");
    lblX1 = beschriftung("lblX1");
    lblInfo1 = beschriftung("lblInfo1");
    for (QLabel* l : {lblX, lblX1, lblInfo1})
        info->addWidget(l);
    info->addStretch();
    gbInfo->setMinimumWidth(170);
    for (QLabel* l : {lblX, lblX1, lblInfo1})
        festeBreite(l, 0);
    lblX1->hide();
    spalte1->addWidget(gbInfo);

    gbAnsicht = benannt(new QGroupBox, "gbAnsicht");
    auto* sicht = new QGridLayout(gbAnsicht);
    tbSize = benannt(new QSlider(Qt::Horizontal), "tbSize");
    tbSize->setRange(5, 20);
    tbSize->setPageStep(1);
    sbAll = benannt(new QToolButton, "sbAll");
    sbAll->setIcon(werkzeugbild("einpassen"));
    lblEinhKraft = beschriftung("lblEinhKraft");
    cmbEinheitKraft = benannt(new QComboBox, "cmbEinheitKraft");
    cmbEinheitKraft->addItems(EinheitenKraft);
    lblEinhStrelast = beschriftung("lblEinhStrelast");
    cmbEinheitStreckenlast = benannt(new QComboBox, "cmbEinheitStreckenlast");
    cmbEinheitStreckenlast->addItems(EinheitenStreckenlast);
    cmbEinheitStreckenlast->setCurrentText(QStringLiteral("kg/m"));
    paar(sicht, 0, 0, tbSize, sbAll);
    paar(sicht, 1, 0, lblEinhKraft, cmbEinheitKraft);
    paar(sicht, 2, 0, lblEinhStrelast, cmbEinheitStreckenlast);
    spalte1->addWidget(gbAnsicht);
    reihe->addLayout(spalte1);
    connect(tbSize, &QSlider::valueChanged, this, &Tfrm_variante::reglerGeaendert);
    connect(sbAll, &QToolButton::clicked, this, &Tfrm_variante::einpassen);
    connect(cmbEinheitKraft, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { werkzeuge.eingaben.einheitKraft = t; });
    connect(cmbEinheitStreckenlast, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { werkzeuge.eingaben.einheitStreckenlast = t; });

    // Load library above the tools
    auto* spalte2 = new QVBoxLayout;
    gbLastBib = benannt(new QGroupBox, "gbLastBib");
    auto* bib = new QHBoxLayout(gbLastBib);
    cmbLastBib = benannt(new QComboBox, "cmbLastBib");
    cmbLastBib->setMinimumWidth(160);
    sbLastBibAdd = benannt(new QToolButton, "sbLastBibAdd");
    sbLastBibAdd->setIcon(werkzeugbild("bibliothek_hinzu"));
    bib->addWidget(cmbLastBib, 1);
    bib->setContentsMargins(4, 2, 4, 2);
    bib->addWidget(sbLastBibAdd);
    connect(cmbLastBib, &QComboBox::activated, this, &Tfrm_variante::lastBibGewaehlt);
    connect(sbLastBibAdd, &QToolButton::clicked, this, &Tfrm_variante::lastBibHinzufuegen);
    spalte2->addWidget(gbLastBib);

    gbWerkzeug = benannt(new QGroupBox, "gbWerkzeug");
    baueWerkzeuggruppe(gbWerkzeug);
    spalte2->addWidget(gbWerkzeug, 1);
    reihe->addLayout(spalte2, 1);

    // Truss and variant
    auto* spalte3 = new QVBoxLayout;
    gbTraverse = benannt(new QGroupBox, "gbTraverse");
    auto* trav = new QGridLayout(gbTraverse);
    lblTravName = beschriftung("lblTravName");
    QFont fett = lblTravName->font();
    fett.setBold(true);
    lblTravName->setFont(fett);
    lblGurte = beschriftung("lblGurte");
    festeBreite(lblTravName, 0); // a long name is cut; its tool tip shows it whole
    trav->addWidget(lblTravName, 0, 0, 1, 2);
    trav->addWidget(lblGurte, 1, 0, 1, 2);
    int zeile = 2;
    const auto wertzeile = [&](QLabel*& titel, const char* titelname, QLabel*& wert, const char* wertname) {
        titel = beschriftung(titelname);
        wert = beschriftung(wertname);
        wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        festeBreite(wert, wert->fontMetrics().horizontalAdvance(QStringLiteral("999 999 999")));
        trav->addWidget(titel, zeile, 0);
        trav->addWidget(wert, zeile, 1);
        ++zeile;
    };
    wertzeile(lblLaenge, "lblLaenge", lblTravL, "lblTravL");
    wertzeile(lblHoehe, "lblHoehe", lblTravH, "lblTravH");
    wertzeile(lblravBreite, "lblravBreite", lblTravB, "lblTravB");
    wertzeile(lblEigenlast2, "lblEigenlast2", lblTravE, "lblTravE");
    wertzeile(lblQuerkraft, "lblQuerkraft", lblTravQ, "lblTravQ");
    wertzeile(lblBiegemoment, "lblBiegemoment", lblTravM, "lblTravM");
    gbTraverse->installEventFilter(this);
    for (QLabel* l : gbTraverse->findChildren<QLabel*>())
        l->installEventFilter(this);
    baueSteifigkeit(trav, zeile); // no library choice by double click on it
    spalte3->addWidget(gbTraverse);

    gbVariante = benannt(new QGroupBox, "gbVariante");
    auto* var = new QGridLayout(gbVariante);
    lbl_VName = beschriftung("lbl_VName");
    edt_VName = benannt(new QLineEdit, "edt_VName");
    lbl_VBearbeiter = beschriftung("lbl_VBearbeiter");
    edt_VBearbeiter = benannt(new QLineEdit, "edt_VBearbeiter");
    paar(var, 0, 0, lbl_VName, edt_VName);
    paar(var, 1, 0, lbl_VBearbeiter, edt_VBearbeiter);
    // Typed, they are stored with the variant; filled from the model, they change nothing.
    const auto variantentext = [this](QString Balkenmodell::*wert) {
        return [this, wert](const QString& t) {
            modell.*wert = t;
            setzeGeaendert(true);
        };
    };
    connect(edt_VName, &QLineEdit::textEdited, this, variantentext(&Balkenmodell::variantenname));
    connect(edt_VBearbeiter, &QLineEdit::textEdited, this, variantentext(&Balkenmodell::bearbeiter));
    spalte3->addWidget(gbVariante);
    spalte3->addStretch();
    reihe->addLayout(spalte3);

    pcHaupt->addTab(tab_cad, QString());
}

void Tfrm_variante::baueWerkzeuggruppe(QWidget* gruppe)
{
    auto* layout = new QVBoxLayout(gruppe);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(1);
    werkzeuggruppe = benannt(new QButtonGroup(this), "werkzeuggruppe");
    werkzeuggruppe->setExclusive(true);
    for (int code = ArtSelektieren; code <= ArtTraversenkraft; ++code) {
        const Werkzeugknopf& k = Werkzeugknoepfe[code - 1];
        auto* b = benannt(new QToolButton, k.name);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setIcon(werkzeugbild(k.bild));
        b->setIconSize(QSize(24, 24));
        werkzeuggruppe->addButton(b, code);
        werkzeugknoepfe[std::size_t(code)] = b;
        knoepfe->addWidget(b);
    }
    werkzeugknoepfe[ArtSelektieren]->setChecked(true);
    connect(werkzeuggruppe, &QButtonGroup::idClicked, this, &Tfrm_variante::werkzeugGewaehlt);
    knoepfe->addSpacing(8);
    const auto druckknopf = [&](const char* name, const char* bild) {
        auto* b = benannt(new QToolButton, name);
        b->setAutoRaise(true);
        b->setIcon(werkzeugbild(bild));
        b->setIconSize(QSize(24, 24));
        knoepfe->addWidget(b);
        return b;
    };
    sbDelete = druckknopf("sbDelete", "loeschen");
    sbSwitchUp = druckknopf("sbSwitchUp", "nach_oben");
    sbSwitchDown = druckknopf("sbSwitchDown", "nach_unten");
    // shown only with a selection; their places stay, so no button moves when they come
    for (QToolButton* b : {sbDelete, werkzeugknoepfe[ArtVerschieben], sbSwitchUp, sbSwitchDown}) {
        QSizePolicy platz = b->sizePolicy();
        platz.setRetainSizeWhenHidden(true);
        b->setSizePolicy(platz);
    }
    knoepfe->addStretch();
    layout->addLayout(knoepfe);
    connect(sbDelete, &QToolButton::clicked, this, [this] { werkzeuge.Loeschen(FrageBejaht); });
    connect(sbSwitchUp, &QToolButton::clicked, this, [this] { werkzeuge.Umschalten(true); });
    connect(sbSwitchDown, &QToolButton::clicked, this, [this] { werkzeuge.Umschalten(false); });

    // The property panel
    pnlEigenschaften = benannt(new QWidget, "pnlEigenschaften");
    auto* eig = new QGridLayout(pnlEigenschaften);
    eig->setContentsMargins(0, 0, 0, 0);
    lblGroesse = beschriftung("lblGroesse");
    cmbGroesse = benannt(new QComboBox, "cmbGroesse");
    cmbGroesse->setEditable(true);
    cmbGroesse->addItems(groessen({"0,2", "0,4", "0,6", "0,8", "1,0", "1,2", "1,4", "1,6", "1,8", "2,0", "2,2",
                                   "2,4", "2,6", "2,8", "3,0"}));
    cmbGroesse->lineEdit()->setMaxLength(5);
    lblLast = beschriftung("lblLast");
    edtLast = benannt(new QLineEdit, "edtLast");
    edtLast->setMaxLength(10);
    lblName = beschriftung("lblName");
    edtName = benannt(new QLineEdit, "edtName");
    edtName->setMaxLength(30);
    paar(eig, 0, 0, lblGroesse, cmbGroesse);
    paar(eig, 1, 0, lblLast, edtLast);
    paar(eig, 2, 0, lblName, edtName);
    pnlPropLager = benannt(new QWidget, "pnlPropLager");
    auto* propLager = new QGridLayout(pnlPropLager);
    propLager->setContentsMargins(0, 0, 0, 0);
    lblLagMax = beschriftung("lblLagMax");
    edtMaximal = benannt(new QLineEdit, "edtMaximal");
    lblLagMin = beschriftung("lblLagMin");
    edtMinimal = benannt(new QLineEdit, "edtMinimal");
    paar(propLager, 0, 0, lblLagMax, edtMaximal);
    paar(propLager, 1, 0, lblLagMin, edtMinimal);
    pnlPropLasten = benannt(new QWidget, "pnlPropLasten");
    auto* propLasten = new QGridLayout(pnlPropLasten);
    propLasten->setContentsMargins(0, 0, 0, 0);
    lblAequivalenzflaeche = beschriftung("lblAequivalenzflaeche");
    edtAequivalenzflaeche = benannt(new QLineEdit, "edtAequivalenzflaeche");
    paar(propLasten, 0, 0, lblAequivalenzflaeche, edtAequivalenzflaeche);
    eig->addWidget(pnlPropLager, 0, 2, 2, 2);
    eig->addWidget(pnlPropLasten, 0, 2, 1, 2);
    edtMaximal->setText(QStringLiteral("0"));
    edtMinimal->setText(QStringLiteral("0"));
    layout->addWidget(pnlEigenschaften);

    // Only the user's choices and typing reach the tools; filling the inputs from them does not.
    const auto groesse = [this](const QString& t) {
        werkzeuge.GroesseGeaendert(t);
        setzeText(edtAequivalenzflaeche, werkzeuge.eingaben.flaeche);
    };
    connect(cmbGroesse->lineEdit(), &QLineEdit::textEdited, this, groesse);
    connect(cmbGroesse, &QComboBox::activated, this, [this, groesse](int index) { groesse(cmbGroesse->itemText(index)); });
    connect(edtName, &QLineEdit::textEdited, this, [this](const QString& t) { werkzeuge.NameGeaendert(t); });
    connect(edtLast, &QLineEdit::textEdited, this, [this](const QString& t) { werkzeuge.LastGeaendert(t); });
    connect(edtMaximal, &QLineEdit::textChanged, this, [this](const QString& t) { werkzeuge.eingaben.maximal = t; });
    connect(edtMinimal, &QLineEdit::textChanged, this, [this](const QString& t) { werkzeuge.eingaben.minimal = t; });
    connect(edtAequivalenzflaeche, &QLineEdit::textChanged, this,
            [this](const QString& t) { werkzeuge.eingaben.flaeche = t; });

    // The truss-force panel of the project mode
    pnlTravKraft = benannt(new QWidget, "pnlTravKraft");
    auto* tk = new QGridLayout(pnlTravKraft);
    tk->setContentsMargins(0, 0, 0, 0);
    lblTravKraftBreite = beschriftung("lblTravKraftBreite");
    cmbTravKraftBreite = benannt(new QComboBox, "cmbTravKraftBreite");
    cmbTravKraftBreite->setEditable(true);
    cmbTravKraftBreite->addItems(groessen({"0,2", "0,3", "0,4", "0,5", "0,6", "0,8", "1,0", "1,2", "1,4", "1,6",
                                           "1,8", "2,0", "2,2", "2,4", "2,6", "2,8", "3,0"}));
    cmbTravKraftBreite->lineEdit()->setMaxLength(5);
    cmbTravKraftBreite->setCurrentText(QStringLiteral("1"));
    lblTravKraftLast = beschriftung("lblTravKraftLast");
    edtTravKraftLast = benannt(new QLineEdit, "edtTravKraftLast");
    edtTravKraftLast->setReadOnly(true);
    edtTravKraftLast->setText(QStringLiteral("0"));
    lblTravKraftTraverse = beschriftung("lblTravKraftTraverse");
    cmbTravKraftTraverse = benannt(new QComboBox, "cmbTravKraftTraverse");
    lblTravKraftVariante = beschriftung("lblTravKraftVariante");
    cmbTravKraftVariante = benannt(new QComboBox, "cmbTravKraftVariante");
    lblTravKraftLager = beschriftung("lblTravKraftLager");
    cmbTravKraftLager = benannt(new QComboBox, "cmbTravKraftLager");
    paar(tk, 0, 0, lblTravKraftBreite, cmbTravKraftBreite);
    paar(tk, 1, 0, lblTravKraftLast, edtTravKraftLast);
    paar(tk, 0, 2, lblTravKraftTraverse, cmbTravKraftTraverse);
    paar(tk, 1, 2, lblTravKraftVariante, cmbTravKraftVariante);
    paar(tk, 2, 2, lblTravKraftLager, cmbTravKraftLager);
    layout->addWidget(pnlTravKraft);
    connect(cmbTravKraftBreite, &QComboBox::editTextChanged, this,
            [this](const QString& t) { werkzeuge.eingaben.travKraftBreite = t; });
    connect(cmbTravKraftTraverse, &QComboBox::activated, this, &Tfrm_variante::travKraftTraverseGewaehlt);
    connect(cmbTravKraftVariante, &QComboBox::activated, this, &Tfrm_variante::travKraftVarianteGewaehlt);
    connect(cmbTravKraftLager, &QComboBox::activated, this, &Tfrm_variante::travKraftLagerGewaehlt);

    baueEintippen(layout);
    baueZeilenpanele(gruppe);
    layout->addWidget(pnlLast);
    layout->addWidget(pnlLager);
    layout->addStretch();
}

void Tfrm_variante::baueEintippen(QVBoxLayout* gruppe)
{
    pnlEintippen = benannt(new QWidget, "pnlEintippen");
    auto* reihe = new QHBoxLayout(pnlEintippen);
    reihe->setContentsMargins(0, 0, 0, 0);
    lblPosX1 = beschriftung("lblPosX1");
    edtPosX1 = benannt(new QLineEdit, "edtPosX1");
    lblPosX2 = beschriftung("lblPosX2");
    edtPosX2 = benannt(new QLineEdit, "edtPosX2");
    lblAnzahl = beschriftung("lblAnzahl");
    udAnzahl = benannt(new QSpinBox, "udAnzahl");
    udAnzahl->setRange(1, 500);
    btnSetzen = benannt(new QToolButton, "btnSetzen");
    for (QLineEdit* e : {edtPosX1, edtPosX2}) {
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-000,000")) + 12);
        connect(e, &QLineEdit::returnPressed, this, &Tfrm_variante::eintippen);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblPosX1, edtPosX1, lblPosX2, edtPosX2, lblAnzahl, udAnzahl, btnSetzen})
        reihe->addWidget(w);
    reihe->addStretch();
    gruppe->addWidget(pnlEintippen);
    connect(btnSetzen, &QToolButton::clicked, this, &Tfrm_variante::eintippen);
    // a number typed in the view starts the position
    connect(pbCAD, &Cadflaeche::positionGetippt, this, [this](const QString& text) {
        if (pnlEintippen->isHidden())
            return;
        edtPosX1->setFocus();
        edtPosX1->setText(text);
    });

    pnlLastAlle = benannt(new QWidget, "pnlLastAlle");
    auto* alle = new QHBoxLayout(pnlLastAlle);
    alle->setContentsMargins(0, 0, 0, 0);
    lblLastAlle = beschriftung("lblLastAlle");
    edtLastAlle = benannt(new QLineEdit, "edtLastAlle");
    edtLastAlle->setMaxLength(10);
    btnLastAlle = benannt(new QToolButton, "btnLastAlle");
    alle->addWidget(lblLastAlle);
    alle->addWidget(edtLastAlle);
    alle->addWidget(btnLastAlle);
    alle->addStretch();
    pnlLastAlle->hide();
    gruppe->addWidget(pnlLastAlle);
    const auto zuweisen = [this] {
        BenenneSchritt(lblLastAlle->text());
        werkzeuge.LastFuerMarkierte(edtLastAlle->text());
    };
    connect(btnLastAlle, &QToolButton::clicked, this, zuweisen);
    connect(edtLastAlle, &QLineEdit::returnPressed, this, zuweisen);
}

void Tfrm_variante::eintippen()
{
    BenenneSchritt(setzname());
    if (werkzeuge.Eintippen(edtPosX1->text(), edtPosX2->text(), udAnzahl->isHidden() ? 1 : udAnzahl->value()) > 0)
        edtPosX1->selectAll();
    lblX1->setVisible(ansicht.ErsterPunktGesetzt());
    lblX1->setText(QStringLiteral("X1: ") + FormatFloat(ansicht.zahlenformat, ansicht.ersterPunkt));
}

void Tfrm_variante::baueZeilenpanele(QWidget* eltern)
{
    struct Zeile {
        QLabel** beschriftung;
        const char* name;
        Feldname feld;
    };
    const auto baue = [&](TBClientDataSet& tabelle, const char* name, std::initializer_list<Zeile> zeilen) {
        auto* panel = benannt(new Zeilenpanel(tabelle, eltern), name);
        for (const Zeile& z : zeilen) {
            *z.beschriftung = beschriftung(z.name);
            panel->Feld(*z.beschriftung, z.feld, z.feld.text() == Balkenfeld::Nummer.text());
        }
        panel->hide();
        return panel;
    };
    pnlLast = baue(modell.cds_lasten, "pnlLast",
                   {{&lblNummer, "lblNummer", Lastfeld::Nummer}, {&lblName2, "lblName2", Lastfeld::Name},
                    {&lblPos1, "lblPos1", Lastfeld::Pos1}, {&lblPos2, "lblPos2", Lastfeld::Pos2},
                    {&lblBreite2, "lblBreite2", Lastfeld::Groesse}, {&lblLast2, "lblLast2", Lastfeld::Last}});
    pnlLager = baue(modell.cds_lager, "pnlLager",
                    {{&lbldbNummer, "lbldbNummer", Lagerfeld::Nummer}, {&lbldbName, "lbldbName", Lagerfeld::Name},
                     {&lbldbPos, "lbldbPos", Lagerfeld::Position}, {&lbldbBreite, "lbldbBreite", Lagerfeld::Groesse},
                     {&lblEigenlast, "lblEigenlast", Lagerfeld::Eigenlast},
                     {&lbldbMaximallast, "lbldbMaximallast", Lagerfeld::Maximallast},
                     {&lbldbMinimalkraft, "lbldbMinimalkraft", Lagerfeld::Minimalkraft}});
}

void Tfrm_variante::TexteSetzenPanele()
{
    for (Zeilenpanel* p : {pnlLast, pnlLager}) {
        p->setzeNavigatortexte(Uebersetzt(2665, QStringLiteral("Datensatz löschen")),
                               Uebersetzt(2666, QStringLiteral("Datensatz bearbeiten")),
                               Uebersetzt(2667, QStringLiteral("Daten speichern")),
                               Uebersetzt(2668, QStringLiteral("Bearbeitung abbrechen")));
        p->Aktualisieren();
    }
}

void Tfrm_variante::TexteSetzenWerkzeuge()
{
    for (int code = ArtSelektieren; code <= ArtTraversenkraft; ++code)
        werkzeugknoepfe[std::size_t(code)]->setToolTip(
            Uebersetzt(2642 + code, QString::fromUtf8(Werkzeugknoepfe[code - 1].hinweis)));
    sbDelete->setToolTip(Uebersetzt(2660, QStringLiteral("Löschen")));
    sbSwitchUp->setToolTip(Uebersetzt(2661, QStringLiteral("nach oben")));
    sbSwitchDown->setToolTip(Uebersetzt(2662, QStringLiteral("nach unten")));
    sbAll->setToolTip(Uebersetzt(2663, QStringLiteral("ganze Traverse zeigen")));
    sbLastBibAdd->setToolTip(Uebersetzt(2664, QStringLiteral("in die Lastenbibliothek aufnehmen")));
    btnSetzen->setText(Uebersetzt(2833, QStringLiteral("Setzen")));
    udAnzahl->setToolTip(Uebersetzt(2834, QStringLiteral("n gleiche Lasten zwischen x1 und x2")));
    btnLastAlle->setText(Uebersetzt(2838, QStringLiteral("Zuweisen")));
}

void Tfrm_variante::fokusZurAnsicht(QWidget* vorher)
{
    // Qt hands the focus of a hidden input to the next one in the chain, often a Name field,
    // where Shift and Ctrl would type instead of magnifying.
    if (vorher && gbWerkzeug->isAncestorOf(vorher) && !vorher->isVisible())
        pbCAD->setFocus();
}

void Tfrm_variante::werkzeugGewaehlt(int code)
{
    QWidget* fokus = QApplication::focusWidget();
    werkzeuge.WerkzeugWaehlen(code);
    if (auto* knopf = werkzeugknoepfe[std::size_t(code)]; !knopf->isChecked())
        knopf->setChecked(true);
    zeigeEingaben();
    const Werkzeugpanele p = PaneleFuer(code);
    pnlEigenschaften->setVisible(p.eigenschaften);
    pnlPropLager->setVisible(p.propLager);
    pnlPropLasten->setVisible(p.propLasten);
    pnlTravKraft->setVisible(p.travKraft);
    pnlEintippen->setVisible(p.eintippen);
    lblAnzahl->setVisible(p.anzahl);
    udAnzahl->setVisible(p.anzahl);
    lblX1->hide();
    fuelleLastBib();
    if (code == ArtTraversenkraft)
        fuelleTravKraftTraversen();
    fokusZurAnsicht(fokus);
}

void Tfrm_variante::zeigeEingaben()
{
    const Eigenschaften& e = werkzeuge.eingaben;
    setzeListentext(cmbGroesse, e.groesse);
    setzeText(edtAequivalenzflaeche, e.flaeche);
    setzeText(edtName, e.name);
    setzeText(edtLast, e.last);
    setzeListentext(cmbEinheitKraft, e.einheitKraft);
    setzeListentext(cmbEinheitStreckenlast, e.einheitStreckenlast);
}

void Tfrm_variante::zeigeAuswahl()
{
    QWidget* fokus = QApplication::focusWidget();
    pnlLast->hide();
    pnlLager->hide();
    lblInfo1->setText(werkzeuge.textInfo);
    if (werkzeuge.auswahlAnzahl == 1) {
        Zeilenpanel* panel = werkzeuge.letzteTabelle == Auswahltabelle::Lager ? pnlLager : pnlLast;
        panel->Aktualisieren();
        panel->show();
    }
    pnlLastAlle->setVisible(werkzeuge.auswahlAnzahl > 1 && werkzeuge.markierteLasten > 0);
    const bool gewaehlt = werkzeuge.auswahlAnzahl > 0;
    for (QToolButton* b : {sbDelete, werkzeugknoepfe[ArtVerschieben], sbSwitchUp, sbSwitchDown})
        b->setVisible(gewaehlt);
    fokusZurAnsicht(fokus);
}

void Tfrm_variante::fuelleLastBib()
{
    cmbLastBib->clear();
    Lastenbibliothek* bib = lastenbibliothek ? lastenbibliothek() : nullptr;
    if (!bib)
        return;
    std::vector<Lasteintrag> liste;
    bib->LastenAuflisten(ansicht.werkzeug, liste);
    for (const Lasteintrag& e : liste)
        cmbLastBib->addItem(e.name, e.nummer);
    cmbLastBib->setCurrentIndex(-1);
}

void Tfrm_variante::lastBibGewaehlt(int index)
{
    Lastenbibliothek* bib = lastenbibliothek ? lastenbibliothek() : nullptr;
    if (!bib || index < 0)
        return;
    const QStringList& einheiten = ansicht.werkzeug == ArtStreckenlast ? EinheitenStreckenlast : EinheitenKraft;
    if (werkzeuge.LastAusBibliothek(*bib, cmbLastBib->itemData(index).toInt(), einheiten))
        zeigeEingaben();
}

void Tfrm_variante::lastBibHinzufuegen()
{
    Lastenbibliothek* bib = lastenbibliothek ? lastenbibliothek() : nullptr;
    if (!bib)
        return;
    try {
        werkzeuge.LastInBibliothek(*bib);
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
    }
    fuelleLastBib();
}

namespace {
void fuelle(QComboBox* liste, const Verweisliste& eintraege)
{
    liste->clear();
    for (const Verweiseintrag& e : eintraege)
        liste->addItem(e.text, e.nummer);
    liste->setCurrentIndex(-1);
}
} // namespace

void Tfrm_variante::fuelleTravKraftTraversen()
{
    if (!m_projekt)
        return;
    fuelle(cmbTravKraftTraverse, m_projekt->TraversenAuflisten());
    cmbTravKraftVariante->clear();
    cmbTravKraftLager->clear();
    werkzeuge.travTraverse.reset();
    werkzeuge.travVariante.reset();
    werkzeuge.travLager.reset();
    edtTravKraftLast->setText(QStringLiteral("0"));
}

void Tfrm_variante::travKraftTraverseGewaehlt(int index)
{
    if (!m_projekt || index < 0)
        return;
    werkzeuge.travTraverse = cmbTravKraftTraverse->itemData(index).toInt();
    fuelle(cmbTravKraftVariante, m_projekt->VariantenAuflisten(*werkzeuge.travTraverse));
    cmbTravKraftLager->clear();
    werkzeuge.travVariante.reset();
    werkzeuge.travLager.reset();
    edtTravKraftLast->setText(QStringLiteral("0"));
}

void Tfrm_variante::travKraftVarianteGewaehlt(int index)
{
    if (!m_projekt || index < 0 || !werkzeuge.travTraverse)
        return;
    werkzeuge.travVariante = cmbTravKraftVariante->itemData(index).toInt();
    fuelle(cmbTravKraftLager, m_projekt->LagerAuflisten(*werkzeuge.travTraverse, *werkzeuge.travVariante));
    werkzeuge.travLager.reset();
    edtTravKraftLast->setText(QStringLiteral("0"));
}

void Tfrm_variante::travKraftLagerGewaehlt(int index)
{
    if (!m_projekt || index < 0 || !werkzeuge.travTraverse || !werkzeuge.travVariante)
        return;
    werkzeuge.travLager = cmbTravKraftLager->itemData(index).toInt();
    const double kraft = m_projekt->Lagerkraft(*werkzeuge.travTraverse, *werkzeuge.travVariante, *werkzeuge.travLager);
    edtTravKraftLast->setText(FormatFloat(QStringLiteral("0.00"), kraft));
}

void Tfrm_variante::reglerGeaendert(int position)
{
    ansicht.SetzeMassstab(Cadansicht::MassstabVonRegler(position));
    neuZeichnen();
}

void Tfrm_variante::einpassen()
{
    if (ansicht.Einpassen(modell.traverse.laenge))
        neuZeichnen();
}

bool Tfrm_variante::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == pbCAD && cadSchritt(ereignis))
        return true;
    if (ereignis->type() == QEvent::MouseButtonDblClick) {
        if (objekt == lblLaenge || objekt == lblTravL) {
            LaengeEingeben();
            return true;
        }
        if (objekt != lblGurte && (objekt == gbTraverse || objekt->parent() == gbTraverse)) {
            TraverseAusBibliothek();
            return true;
        }
    }
    return Dokumentfenster::eventFilter(objekt, ereignis);
}
