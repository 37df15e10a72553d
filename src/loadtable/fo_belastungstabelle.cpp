#include "loadtable/fo_belastungstabelle.h"
#include <QDataStream>
#include "loadtable/fo_print_belastungstabelle.h"
#include "language/u_uebersetze_qt.h"
#include "loadtable/g_belastungsdiagramm.h"
#include "loadtable/u_belastungsdatei.h"
#include "platform/u_fehler.h"
#include "platform/u_tabellenmodell_qt.h"
#include "platform/u_zahlen.h"
#include "shell/fo_menu.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char* const Spaltentitelvorgaben[] = {"Länge",         "Einzellast",       "Einzellast [N]",
                                    "Streckenlast",  "Streckenlast [N/m]", "Querkraft [N]",
                                    "Biegemoment [Nm]", "Querkraft [N]",  "Biegemoment [Nm]"};
constexpr int Spaltenzahl = 9;
constexpr int Spaltenbreite = 92;

bool istBerechnet(int spalte) { return spalte == 2 || spalte >= 4; }

QComboBox* neueAuswahl(const char* name, const Auswahlliste& liste, QWidget* eltern)
{
    auto* c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(liste.eintraege());
    c->setCurrentIndex(liste.gewaehlt());
    return c;
}

QLineEdit* neuesFeld(const char* name, QWidget* eltern, int breite = 0)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QString::fromLatin1(name));
    if (breite > 0)
        e->setFixedWidth(breite);
    return e;
}

} // namespace

// The grid's view of the table: calculated columns grey and read-only, and one empty row below
// the last where a new row is typed (beginning with its length, which the table requires).
class Belastungsmodell : public Tabellenmodell {
public:
    Belastungsmodell(TBClientDataSet& tabelle, QObject* eltern)
        : Tabellenmodell(tabelle, {std::begin(Belastungsfeld::Spalten), std::end(Belastungsfeld::Spalten)}, eltern)
    {
        for (int spalte = 0; spalte < Spaltenzahl; ++spalte) {
            setzeSpaltentitel(spalte, QString::fromUtf8(Spaltentitelvorgaben[spalte]));
            setzeNurLesen(spalte, istBerechnet(spalte));
        }
    }

    int gespeicherteZeilen() const { return Tabellenmodell::rowCount(); }

    int rowCount(const QModelIndex& eltern = {}) const override
    {
        return eltern.isValid() || !Tabelle().Active() ? 0 : gespeicherteZeilen() + 1;
    }

    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (rolle == Qt::BackgroundRole && istBerechnet(index.column()))
            return QColor(224, 224, 224);
        return Tabellenmodell::data(index, rolle);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (index.row() < gespeicherteZeilen())
            return Tabellenmodell::flags(index);
        const Qt::ItemFlags f = QAbstractTableModel::flags(index);
        return istBerechnet(index.column()) ? f : f | Qt::ItemIsEditable;
    }

    // The value goes into the table once the editor has closed: posting recalculates every row
    // and rebuilds the grid, which must not happen under an open editor.
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override
    {
        if (rolle != Qt::EditRole || istBerechnet(index.column()))
            return false;
        const int zeile = index.row(), spalte = index.column();
        QMetaObject::invokeMethod(this, [this, zeile, spalte, wert] { schreibe(zeile, spalte, wert); }, Qt::QueuedConnection);
        return true;
    }

private:
    void schreibe(int zeile, int spalte, const QVariant& wert)
    {
        if (zeile < gespeicherteZeilen()) {
            Tabellenmodell::setData(index(zeile, spalte), wert, Qt::EditRole);
            return;
        }
        if (wert.toString().isEmpty() || !Tabelle().Active())
            return;
        TBClientDataSet& t = Tabelle();
        try {
            t.CheckBrowseMode();
            t.Append();
            t.FieldByName(Belastungsfeld::Spalten[spalte]).SetAsString(wert.toString());
            t.Post();
        } catch (const Fehler& fehler) {
            t.Cancel();
            dialoge().Meldung(fehler.meldung());
        }
    }
};

// The paint box of the page "Diagramm".
class Belastungsdiagrammfeld : public QWidget {
public:
    Belastungsdiagrammfeld(Belastungstabelle& tabelle, QWidget* eltern) : QWidget(eltern), m_tabelle(tabelle)
    {
        setObjectName(QStringLiteral("pbDia"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        BelastungsdiagrammMalen(maler, size(), m_tabelle);
    }

private:
    Belastungstabelle& m_tabelle;
};

Tfrm_belastungstabelle::Tfrm_belastungstabelle(QWidget* eltern) : Dokumentfenster(eltern)
{
    setObjectName(QStringLiteral("frm_belastungstabelle"));
    m_tabelle.TabelleNeu();
    m_tabelle.beiMeldungen = ZeigeMeldungen;

    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->addWidget(baueEingaben());
    m_seiten = new QTabWidget(mitte);
    m_seiten->setObjectName(QStringLiteral("PageControl1"));
    m_seiten->addTab(baueEinzelwerte(), QStringLiteral("Einzelwerte"));
    pbDia = new Belastungsdiagrammfeld(m_tabelle, m_seiten);
    m_seiten->addTab(pbDia, QStringLiteral("Diagramm"));
    spalte->addWidget(m_seiten, 1);
    setCentralWidget(mitte);
    Statusfeld(1)->setMinimumWidth(300);

    m_menue = new QMenu(QStringLiteral("&Belastungstabellen"), this);
    m_menue->setObjectName(QStringLiteral("Belastungstabellen1"));
    for (const char* name : {"act_bel_new", "act_bel_open", "act_bel_save", "act_bel_saveas"})
        m_menue->addAction(Tfrm_menu::Aktion(QString::fromLatin1(name)));
    m_menue->addSeparator();
    m_menue->addAction(Tfrm_menu::Aktion(QStringLiteral("act_bel_print")));
    fuegeMenueHinzu(7, m_menue);

    // The core recalculates after every row the user posts or deletes in the grid (filling the
    // table from a file or a step is silent); the window then shows the results.
    for (auto signal : {&TBClientDataSet::NachPost, &TBClientDataSet::NachLoeschen})
        connect(&m_tabelle.cds_traverse, signal, this, [this] {
            zeigeErgebnisse();
            setzeGeaendert(true);
        });
    connect(this, &Dokumentfenster::zustandGeaendert, this, [this] {
        Statusfeld(1)->setText(Dateiname());
        zeigeTitel();
    });
    uebernimmEingaben();
    verbindeEingaben();
    setzeBibliothek(nullptr);
    resize(1000, 720);
}

Tfrm_belastungstabelle::~Tfrm_belastungstabelle()
{
    // the grid's model goes before the table it reads
    delete m_grid;
}

QWidget* Tfrm_belastungstabelle::baueEingaben()
{
    auto* feld = new QWidget(this);
    auto* raster = new QGridLayout(feld);
    raster->setContentsMargins(0, 0, 0, 0);
    const BelastungsEingaben& e = m_tabelle.eingaben;
    auto beschriftung = [this](const char* text, int id, QWidget* eltern) {
        QLabel* l = new QLabel(QString::fromUtf8(text), eltern);
        m_beschriftungen.emplace_back(l, id);
        return l;
    };

    auto* kopf = new QGridLayout;
    edtHersteller = neuesFeld("edtHersteller", feld);
    edtName = neuesFeld("edtName", feld);
    edtName->setText(QStringLiteral("neue Traverse"));
    edtBearbeiter = neuesFeld("edtBearbeiter", feld);
    for (QLineEdit* e : {edtHersteller, edtName, edtBearbeiter})
        e->setMinimumWidth(200);
    kopf->addWidget(beschriftung("Hersteller:", 1501, feld), 0, 0);
    kopf->addWidget(edtHersteller, 0, 1);
    kopf->addWidget(beschriftung("Name:", 1502, feld), 1, 0);
    kopf->addWidget(edtName, 1, 1);
    kopf->addWidget(beschriftung("Bearbeiter:", 1504, feld), 2, 0);
    kopf->addWidget(edtBearbeiter, 2, 1);

    grp_eigenlast = new QGroupBox(QStringLiteral(" Eigenlast: "), feld);
    grp_eigenlast->setObjectName(QStringLiteral("grp_eigenlast"));
    auto* eigen = new QGridLayout(grp_eigenlast);
    edtGewicht = neuesFeld("edtGewicht", grp_eigenlast, 64);
    edtGewicht->installEventFilter(this);
    cmbGewicht = neueAuswahl("cmbGewicht", e.cmbGewicht, grp_eigenlast);
    edtLaenge = neuesFeld("edtLaenge", grp_eigenlast, 64);
    cmbLaenge1 = neueAuswahl("cmbLaenge1", e.cmbLaenge1, grp_eigenlast);
    lblEigenlast = new QLabel(QStringLiteral("0 N/m"), grp_eigenlast);
    lblEigenlast->setObjectName(QStringLiteral("lblEigenlast"));
    QFont fett = lblEigenlast->font();
    fett.setBold(true);
    lblEigenlast->setFont(fett);
    eigen->addWidget(beschriftung("Gewicht:", 1506, grp_eigenlast), 0, 0);
    eigen->addWidget(edtGewicht, 0, 1);
    eigen->addWidget(cmbGewicht, 0, 2);
    eigen->addWidget(new QLabel(QStringLiteral("/"), grp_eigenlast), 0, 3);
    eigen->addWidget(beschriftung("Länge:", 1507, grp_eigenlast), 0, 4);
    eigen->addWidget(edtLaenge, 0, 5);
    eigen->addWidget(cmbLaenge1, 0, 6);
    eigen->addWidget(lblEigenlast, 1, 1, 1, 6);

    auto* mass = new QGridLayout;
    udGurte = new QSpinBox(feld);
    udGurte->setObjectName(QStringLiteral("udGurte"));
    udGurte->setRange(1, 4);
    udGurte->setWrapping(false);
    udGurte->setValue(e.gurte);
    cbHoriDiga = new QCheckBox(QStringLiteral("horizontale Diagonalen"), feld);
    cbHoriDiga->setObjectName(QStringLiteral("cbHoriDiga"));
    cbHoriDiga->setChecked(e.horizontaleDiagonalen);
    edtHoehe = neuesFeld("edtHoehe", feld, 80);
    edtBreite = neuesFeld("edtBreite", feld, 80);
    cmbHoehe = neueAuswahl("cmbHoehe", e.cmbHoehe, feld);
    mass->addWidget(beschriftung("Anzahl der Gurte:", 1508, feld), 0, 0);
    mass->addWidget(udGurte, 0, 1);
    mass->addWidget(cbHoriDiga, 0, 2, 1, 2);
    mass->addWidget(beschriftung("Höhe:", 1510, feld), 1, 0);
    mass->addWidget(edtHoehe, 1, 1);
    mass->addWidget(beschriftung("Breite:", 1511, feld), 1, 2);
    mass->addWidget(edtBreite, 1, 3);
    mass->addWidget(cmbHoehe, 1, 4);

    grp_statik = new QGroupBox(QStringLiteral(" statische Größen: "), feld);
    grp_statik->setObjectName(QStringLiteral("grp_statik"));
    auto* statik = new QGridLayout(grp_statik);
    lbl_wrt_normalkraft = new QLabel(QStringLiteral("0 N"), grp_statik);
    lbl_wrt_normalkraft->setObjectName(QStringLiteral("lbl_wrt_normalkraft"));
    edtQuerkraft = neuesFeld("edtQuerkraft", grp_statik, 80);
    lbl_wrt_querkraft = new QLabel(QStringLiteral("0 N"), grp_statik);
    lbl_wrt_querkraft->setObjectName(QStringLiteral("lbl_wrt_querkraft"));
    edtBiegemoment = neuesFeld("edtBiegemoment", grp_statik, 80);
    lbl_wrt_biegemoment = new QLabel(QStringLiteral("0 Nm"), grp_statik);
    lbl_wrt_biegemoment->setObjectName(QStringLiteral("lbl_wrt_biegemoment"));
    for (QLabel* ergebnis : {lbl_wrt_normalkraft, lbl_wrt_querkraft, lbl_wrt_biegemoment}) {
        ergebnis->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ergebnis->setMinimumWidth(100);
        ergebnis->installEventFilter(this);
    }
    // the long chord-force label reaches over the input columns of the rows below
    statik->addWidget(beschriftung("zulässige Normalkraft in den Gurten:", 1513, grp_statik), 0, 0, 1, 3);
    statik->addWidget(lbl_wrt_normalkraft, 0, 3);
    statik->addWidget(beschriftung("zulässige Querkraft:", 1514, grp_statik), 1, 0);
    statik->addWidget(edtQuerkraft, 1, 1);
    statik->addWidget(new QLabel(QStringLiteral("N"), grp_statik), 1, 2);
    statik->addWidget(lbl_wrt_querkraft, 1, 3);
    statik->addWidget(beschriftung("zulässiges Biegemoment:", 1515, grp_statik), 2, 0);
    statik->addWidget(edtBiegemoment, 2, 1);
    statik->addWidget(new QLabel(QStringLiteral("Nm"), grp_statik), 2, 2);
    statik->addWidget(lbl_wrt_biegemoment, 2, 3);

    btnInsert = new QPushButton(QStringLiteral("in die Bibliothek"), feld);
    btnInsert->setObjectName(QStringLiteral("btnInsert"));
    connect(btnInsert, &QPushButton::clicked, this, &Tfrm_belastungstabelle::btnInsertClick);

    auto* links = new QVBoxLayout;
    links->addLayout(kopf);
    links->addWidget(grp_eigenlast);
    links->addLayout(mass);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(grp_statik);
    rechts->addWidget(btnInsert, 0, Qt::AlignLeft);
    rechts->addStretch();
    raster->addLayout(links, 0, 0);
    raster->addLayout(rechts, 0, 1);
    return feld;
}

QWidget* Tfrm_belastungstabelle::baueEinzelwerte()
{
    m_einzelwerte = new QWidget(this);
    auto* spalte = new QVBoxLayout(m_einzelwerte);
    const BelastungsEingaben& e = m_tabelle.eingaben;

    m_ueberschriften = new QWidget(m_einzelwerte);
    m_ueberschriften->setObjectName(QStringLiteral("Panel1"));
    m_ueberschriften->setFixedHeight(28);
    cmbLaenge2 = neueAuswahl("cmbLaenge2", e.cmbLaenge2, m_ueberschriften);
    cmbEinzellast = neueAuswahl("cmbEinzellast", e.cmbEinzellast, m_ueberschriften);
    cmbStreckenlast = neueAuswahl("cmbStreckenlast", e.cmbStreckenlast, m_ueberschriften);
    m_ausEinzellast = new QLabel(QStringLiteral("aus Einzellast:"), m_ueberschriften);
    m_ausStreckenlast = new QLabel(QStringLiteral("aus Streckenlast:"), m_ueberschriften);
    m_ausEinzellast->setAlignment(Qt::AlignCenter);
    m_ausStreckenlast->setAlignment(Qt::AlignCenter);
    m_ueberschriften->installEventFilter(this);
    spalte->addWidget(m_ueberschriften);

    m_grid = new QTableView(m_einzelwerte);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_modell = new Belastungsmodell(m_tabelle.cds_traverse, m_grid);
    m_grid->setModel(m_modell);
    BindeAuswahl(m_grid, *m_modell);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->verticalHeader()->hide();
    // long titles break into two lines rather than widen the nine columns beyond the window
    QHeaderView* kopf = m_grid->horizontalHeader();
    kopf->setDefaultSectionSize(Spaltenbreite);
    kopf->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    kopf->setFixedHeight(2 * kopf->fontMetrics().height() + 8);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->installEventFilter(this);
    TastenWieTabellenkalkulation(m_grid, false); // the model has its empty row after the last
    spalte->addWidget(m_grid, 1);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, &Tfrm_belastungstabelle::ordneUeberschriftenAn);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &Tfrm_belastungstabelle::ordneUeberschriftenAn);
    return m_einzelwerte;
}

void Tfrm_belastungstabelle::ordneUeberschriftenAn()
{
    QHeaderView* kopf = m_grid->horizontalHeader();
    const int links = m_grid->viewport()->mapTo(m_einzelwerte, QPoint()).x() - m_ueberschriften->x();
    auto setze = [&](QWidget* w, int erste, int letzte) {
        const int x = links + kopf->sectionViewportPosition(erste);
        const int breite = kopf->sectionViewportPosition(letzte) + kopf->sectionSize(letzte) - kopf->sectionViewportPosition(erste);
        w->setGeometry(x, 2, std::max(breite, 20), m_ueberschriften->height() - 4);
    };
    setze(cmbLaenge2, 0, 0);
    setze(cmbEinzellast, 1, 2);
    setze(cmbStreckenlast, 3, 4);
    setze(m_ausEinzellast, 5, 6);
    setze(m_ausStreckenlast, 7, 8);
}

void Tfrm_belastungstabelle::verbindeEingaben()
{
    auto eingabe = [this](auto reaktion) {
        return [this, reaktion] {
            uebernimmEingaben();
            reaktion();
            zeigeErgebnisse();
            setzeGeaendert(true);
        };
    };
    const auto eigenlast = eingabe([this] { ZeigeMeldungen(m_tabelle.EigenlastBerechnen()); });
    const auto durchgang = eingabe([this] { ZeigeMeldungen(m_tabelle.Neuberechnen()); });
    const auto markieren = [this] {
        uebernimmEingaben();
        setzeGeaendert(true);
    };
    // typing into one field is one step
    for (QLineEdit* feld : findChildren<QLineEdit*>())
        connect(feld, &QLineEdit::textEdited, this,
                [this, feld] { BenenneSchritt(Uebersetzt(3003, QStringLiteral("Eingabe")), feld); });
    for (QLineEdit* e : {edtGewicht, edtLaenge})
        connect(e, &QLineEdit::textChanged, this, eigenlast);
    for (QComboBox* c : {cmbGewicht, cmbLaenge1})
        connect(c, &QComboBox::currentIndexChanged, this, eigenlast);
    for (QLineEdit* e : {edtHoehe, edtBreite})
        connect(e, &QLineEdit::textChanged, this, durchgang);
    for (QComboBox* c : {cmbHoehe, cmbLaenge2, cmbEinzellast, cmbStreckenlast})
        connect(c, &QComboBox::currentIndexChanged, this, durchgang);
    for (QLineEdit* e : {edtHersteller, edtName, edtBearbeiter, edtQuerkraft, edtBiegemoment})
        connect(e, &QLineEdit::textChanged, this, markieren);
    connect(udGurte, &QSpinBox::valueChanged, this, markieren);
    connect(cbHoriDiga, &QCheckBox::toggled, this, markieren);
}

void Tfrm_belastungstabelle::uebernimmEingaben()
{
    BelastungsEingaben& e = m_tabelle.eingaben;
    e.hersteller = edtHersteller->text();
    e.name = edtName->text();
    e.bearbeiter = edtBearbeiter->text();
    e.gewicht = edtGewicht->text();
    e.laenge = edtLaenge->text();
    e.hoehe = edtHoehe->text();
    e.breite = edtBreite->text();
    e.querkraft = edtQuerkraft->text();
    e.biegemoment = edtBiegemoment->text();
    e.horizontaleDiagonalen = cbHoriDiga->isChecked();
    e.gurte = udGurte->value();
    e.cmbGewicht.waehle(cmbGewicht->currentIndex());
    e.cmbLaenge1.waehle(cmbLaenge1->currentIndex());
    e.cmbHoehe.waehle(cmbHoehe->currentIndex());
    e.cmbLaenge2.waehle(cmbLaenge2->currentIndex());
    e.cmbEinzellast.waehle(cmbEinzellast->currentIndex());
    e.cmbStreckenlast.waehle(cmbStreckenlast->currentIndex());
}

void Tfrm_belastungstabelle::zeigeEingaben()
{
    const BelastungsEingaben& e = m_tabelle.eingaben;
    const std::pair<QLineEdit*, const QString*> texte[] = {
        {edtHersteller, &e.hersteller}, {edtName, &e.name},       {edtBearbeiter, &e.bearbeiter},
        {edtGewicht, &e.gewicht},       {edtLaenge, &e.laenge},   {edtHoehe, &e.hoehe},
        {edtBreite, &e.breite},         {edtQuerkraft, &e.querkraft}, {edtBiegemoment, &e.biegemoment}};
    for (const auto& [feld, text] : texte) {
        const QSignalBlocker still(feld);
        feld->setText(*text);
    }
    const std::pair<QComboBox*, const Auswahlliste*> auswahlen[] = {
        {cmbGewicht, &e.cmbGewicht}, {cmbLaenge1, &e.cmbLaenge1},       {cmbHoehe, &e.cmbHoehe},
        {cmbLaenge2, &e.cmbLaenge2}, {cmbEinzellast, &e.cmbEinzellast}, {cmbStreckenlast, &e.cmbStreckenlast}};
    for (const auto& [auswahl, liste] : auswahlen) {
        const QSignalBlocker still(auswahl);
        auswahl->setCurrentIndex(liste->gewaehlt());
    }
    const QSignalBlocker still1(udGurte), still2(cbHoriDiga);
    udGurte->setValue(e.gurte);
    cbHoriDiga->setChecked(e.horizontaleDiagonalen);
}

void Tfrm_belastungstabelle::zeigeErgebnisse()
{
    lblEigenlast->setText(m_tabelle.EigenlastText());
    lbl_wrt_querkraft->setText(m_tabelle.QuerkraftText());
    lbl_wrt_biegemoment->setText(m_tabelle.BiegemomentText());
    lbl_wrt_normalkraft->setText(m_tabelle.NormalkraftText());
    pbDia->update();
}

QWidget* Tfrm_belastungstabelle::Diagramm() const { return pbDia; }

bool Tfrm_belastungstabelle::eventFilter(QObject* ziel, QEvent* ereignis)
{
    if (ziel == edtGewicht && ereignis->type() == QEvent::KeyPress) {
        // only digits, the comma and backspace are typed; keys without a character pass
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const QString text = taste->text();
        if (text.isEmpty() || taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab)
            return false;
        const QChar z = text.at(0);
        return !(text.size() == 1 && ((z >= u'0' && z <= u'9') || z == u',' || z == u'\b'));
    }
    if (ereignis->type() == QEvent::MouseButtonDblClick) {
        if (ziel == lbl_wrt_querkraft)
            edtQuerkraft->setText(FormatFloat(QStringLiteral("0.00"), m_tabelle.ergebnisse.querkraft));
        else if (ziel == lbl_wrt_biegemoment)
            edtBiegemoment->setText(FormatFloat(QStringLiteral("0.00"), m_tabelle.ergebnisse.biegemoment));
    }
    if (ziel == m_ueberschriften && (ereignis->type() == QEvent::Resize || ereignis->type() == QEvent::Show))
        ordneUeberschriftenAn();
    return Dokumentfenster::eventFilter(ziel, ereignis);
}

void Tfrm_belastungstabelle::TexteSetzen()
{
    UebersetzeMenuItem(m_menue, 1500);
    zeigeTitel();
    for (const auto& [label, id] : m_beschriftungen)
        UebersetzeControl(label, id);
    if (m_nameUebersetzen) {
        m_nameUebersetzen = false;
        UebersetzeControl(edtName, 1503);
    }
    UebersetzeControl(grp_eigenlast, 1505);
    UebersetzeControl(cbHoriDiga, 1509);
    UebersetzeControl(grp_statik, 1512);
    UebersetzeControl(m_einzelwerte, 1516);
    UebersetzeControl(m_ausEinzellast, 1517);
    UebersetzeControl(m_ueberschriften, 1518);
    UebersetzeControl(pbDia, 1519);
    for (int spalte = 0; spalte < Spaltenzahl; ++spalte)
        UebersetzeSpalte(*m_modell, spalte, 1520 + spalte);
    UebersetzeControl(btnInsert, 1529);
    UebersetzeControl(m_ausStreckenlast, 1530);
    zeigeAenderungsmarke();
    pbDia->update();
}

bool Tfrm_belastungstabelle::Laden(const QString& pfad)
{
    uebernimmEingaben();
    Meldungen meldungen;
    const bool geladen = BelastungstabelleLaden(m_tabelle, pfad, meldungen); // or a Fehler with the window as it was
    ZeigeMeldungen(meldungen);
    if (!geladen)
        return false;
    m_nameUebersetzen = false;
    zeigeEingaben();
    zeigeErgebnisse();
    setzeDateiname(m_tabelle.dateiname);
    Geladen();
    return true;
}

// The inputs as the file's settings text and the rows; restoring computes like loading.
QByteArray Tfrm_belastungstabelle::Stand()
{
    QByteArray stand;
    QDataStream s(&stand, QIODevice::WriteOnly);
    s << Einstellungstext(m_tabelle.eingaben);
    if (m_tabelle.cds_traverse.Active())
        s << m_tabelle.cds_traverse.Paket();
    return stand;
}

void Tfrm_belastungstabelle::StandHerstellen(const QByteArray& stand)
{
    QDataStream s(stand);
    QString einstellungen;
    QByteArray zeilen;
    s >> einstellungen >> zeilen;
    LeseEinstellungstext(einstellungen, m_tabelle.eingaben);
    if (!zeilen.isEmpty()) {
        TBClientDataSet gelesen;
        gelesen.AusPaket(zeilen);
        m_tabelle.UebernimmZeilen(gelesen);
    }
    ZeigeMeldungen(m_tabelle.EigenlastBerechnen());
    zeigeEingaben();
    zeigeErgebnisse();
}

bool Tfrm_belastungstabelle::DateiSchreiben(const QString& pfad)
{
    // A window whose file was no load table holds no table; writing it would put a file without
    // rows where the old one was.
    if (!m_tabelle.cds_traverse.Active()) {
        dialoge().Meldung(Uebersetzt(1554, QStringLiteral("Keine gültige Belastungstabelle")));
        return false;
    }
    if (!DarfUeberschreiben(pfad, Ueberschreibfrage(pfad)))
        return false;
    BelastungstabelleSpeichern(m_tabelle, pfad);
    zeigeErgebnisse();
    setzeDateiname(m_tabelle.dateiname);
    setzeGeaendert(false);
    return true;
}

QString Tfrm_belastungstabelle::Artname() const { return m_menue->title().remove(QLatin1Char('&')); }

void Tfrm_belastungstabelle::zeigeTitel() { setWindowTitle(Dokumentname(Artname())); }

QString Tfrm_belastungstabelle::Schliessfrage() const
{
    // one table is asked about, so the question names it in the singular, unlike the menu
    return Aenderungsfrage(Uebersetzt(2802, QStringLiteral("Belastungstabelle")), Uebersetzt(1556, QStringLiteral("Belastungstabelle vor dem Schließen speichern?")));
}

void Tfrm_belastungstabelle::Drucken() { Tfrm_print_belastungstabelle::Drucken(m_tabelle, pbDia->size(), this); }

void Tfrm_belastungstabelle::setzeBibliothek(Traversenbibliothek* bibliothek)
{
    m_bibliothek = bibliothek;
    btnInsert->setEnabled(bibliothek != nullptr);
}

void Tfrm_belastungstabelle::btnInsertClick()
{
    if (!m_bibliothek)
        return;
    uebernimmEingaben();
    try {
        m_tabelle.InDieBibliothek(*m_bibliothek, FrageBejaht);
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
    }
}
