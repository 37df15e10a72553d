#include "truss/fo_travbib.h"
#include "language/u_uebersetze_qt.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "platform/u_programm.h"
#include "platform/u_tabellenmodell_qt.h"
#include "truss/u_travbibfelder.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
struct Spalte {
    const char* titel;
    int breite;
    int id;
};
// In field order.
const Spalte spalten[] = {
    {"Nr.", 28, 1620},         {"Hersteller", 111, 1621}, {"Name", 125, 1622},     {"Bearbeiter", 109, 1623},
    {"Eigenlast [N/m]", 95, 1624}, {"Querkraft [N]", 95, 1625}, {"Biegemoment [Nm]", 117, 1626},
    {"Höhe [m]", 56, 1627}, {"Breite [m]", 62, 1628}, {"Gurtzahl", 54, 1629}, {"EI [kNm²]", 80, 2872},
};

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}
} // namespace

Tfrm_travbib::Tfrm_travbib(QWidget* eltern)
    : QDialog(eltern), DBGrid1(new QTableView(this)), btnKalk(knopf(this, "btnKalk", QStringLiteral("&Kalkulation"))),
      btnOk(knopf(this, "btnOk", QStringLiteral("Ok"))), btnAbort(knopf(this, "btnAbort", QStringLiteral("Abbrechen"))),
      btnClose(knopf(this, "btnClose", QStringLiteral("&Schließen")))
{
    setObjectName(QStringLiteral("frm_travbib"));
    setWindowTitle(QStringLiteral("Traversen-Bibliothek"));
    m_bibliothek.beiSchreibfehler = ZeigeMeldung;
    ZeigeMeldungen(m_bibliothek.BibliothekLaden(Programmverzeichnis()));

    m_modell = new Tabellenmodell(m_bibliothek.cds_travbib, {}, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_modell);
    BindeAuswahl(DBGrid1, *m_modell);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1->verticalHeader()->hide();
    // the given column widths hold the titles in the normal header font
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    QFont kopfschrift = DBGrid1->horizontalHeader()->font();
    kopfschrift.setPointSizeF(kopfschrift.pointSizeF() - 1);
    DBGrid1->horizontalHeader()->setFont(kopfschrift);
    DBGrid1->installEventFilter(this);
    int breite = 0;
    for (int i = 0; i < int(std::size(spalten)); ++i) {
        m_modell->setzeSpaltentitel(i, QString::fromUtf8(spalten[i].titel));
        DBGrid1->horizontalHeader()->resizeSection(i, spalten[i].breite);
        breite += spalten[i].breite;
    }

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btnKalk);
    knoepfe->addStretch(1);
    knoepfe->addWidget(btnOk);
    knoepfe->addWidget(btnAbort);
    knoepfe->addWidget(btnClose);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(DBGrid1, 1);
    spalte->addLayout(knoepfe);
    resize(breite + 40, 420);

    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbort, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnKalk, &QPushButton::clicked, this, [this] {
        if (m_kalkulation)
            m_kalkulation();
    });
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
        if (btnOk->isVisibleTo(this))
            accept();
    });
    setzeAuswahlmodus(false);
}

Tfrm_travbib::~Tfrm_travbib() = default;

void Tfrm_travbib::TexteSetzen()
{
    UebersetzeControl(this, 1610);
    UebersetzeControl(btnKalk, 1611);
    UebersetzeControl(btnOk, 7);
    UebersetzeControl(btnAbort, 8);
    UebersetzeControl(btnClose, 9);
    for (int i = 0; i < int(std::size(spalten)); ++i)
        UebersetzeSpalte(*m_modell, i, spalten[i].id);
}

void Tfrm_travbib::showEvent(QShowEvent* ereignis)
{
    TexteSetzen();
    QDialog::showEvent(ereignis);
}

void Tfrm_travbib::setzeAuswahlmodus(bool waehlen)
{
    btnClose->setVisible(!waehlen);
    btnOk->setVisible(waehlen);
    btnAbort->setVisible(waehlen);
}

bool Tfrm_travbib::TraverseWaehlen()
{
    setzeAuswahlmodus(true);
    const bool ok = exec() == QDialog::Accepted;
    setzeAuswahlmodus(false);
    return ok;
}

std::optional<BibliotheksEintrag> Tfrm_travbib::WaehleTraverse()
{
    if (!TraverseWaehlen() || m_bibliothek.cds_travbib.RecordCount() == 0)
        return std::nullopt;
    return AktuelleZeile();
}

BibliotheksEintrag Tfrm_travbib::AktuelleZeile()
{
    TBClientDataSet& t = m_bibliothek.cds_travbib;
    auto feld = [&t](Feldname name) -> TField& { return t.FieldByName(name); };
    BibliotheksEintrag e;
    e.hersteller = feld(Travbibfeld::Hersteller).AsString();
    e.name = feld(Travbibfeld::Name).AsString();
    e.bearbeiter = feld(Travbibfeld::Bearbeiter).AsString();
    e.eigenlast = feld(Travbibfeld::Eigenlast).AsFloat();
    e.querkraft = feld(Travbibfeld::Querkraft).AsFloat();
    e.biegemoment = feld(Travbibfeld::Biegemoment).AsFloat();
    e.hoehe = feld(Travbibfeld::Hoehe).AsFloat();
    e.breite = feld(Travbibfeld::Breite).AsFloat();
    e.gurtzahl = feld(Travbibfeld::Gurtzahl).AsInteger();
    return e;
}

void Tfrm_travbib::ZeileLoeschen()
{
    TBClientDataSet& t = m_bibliothek.cds_travbib;
    if (t.RecordCount() == 0)
        return;
    if (dialoge().FrageJaNein(Uebersetzt(1630, QStringLiteral("Datensatz löschen?"))) == Antwort::Ja)
        try {
            t.Delete(); // writes the file
        } catch (const Fehler& fehler) {
            dialoge().Meldung(fehler.meldung());
        }
}

bool Tfrm_travbib::eventFilter(QObject* ziel, QEvent* ereignis)
{
    if (ziel == DBGrid1 && ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Delete && taste->modifiers() == Qt::ControlModifier) {
            ZeileLoeschen();
            return true;
        }
    }
    return QDialog::eventFilter(ziel, ereignis);
}

void Tfrm_travbib::done(int ergebnis)
{
    OffeneZellenUebernehmen(this);
    QDialog::done(ergebnis);
}
