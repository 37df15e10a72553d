// The "Übersicht" tab of the project window: project data, the current truss with its notes and
// variants, the truss grid.
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_tabellenmodell_qt.h"
#include "platform/u_zahlen.h"
#include "project/fo_projekt.h"
#include "project/u_projektfelder.h"
#include "tables/u_werteliste.h"
#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

QWidget* Tfrm_projekt::baueUebersicht()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("tabUebersicht"));

    gbProjekt = new QGroupBox(QStringLiteral(" Projekt: "), seite);
    gbProjekt->setObjectName(QStringLiteral("gbProjekt"));
    lblProjektName = new QLabel(QStringLiteral("Name: "), gbProjekt);
    lblProjektName->setObjectName(QStringLiteral("lblProjektName"));
    edtProjektName = new QLineEdit(gbProjekt);
    edtProjektName->setObjectName(QStringLiteral("edtProjektName"));
    lblProjektBearbeiter = new QLabel(QStringLiteral("verantwortlicher Bearbeiter:"), gbProjekt);
    lblProjektBearbeiter->setObjectName(QStringLiteral("lblProjektBearbeiter"));
    edtProjektBearbeiter = new QLineEdit(gbProjekt);
    edtProjektBearbeiter->setObjectName(QStringLiteral("edtProjektBearbeiter"));
    lblProjektAnmerkungen = new QLabel(QStringLiteral("Anmerkungen:"), gbProjekt);
    lblProjektAnmerkungen->setObjectName(QStringLiteral("lblProjektAnmerkungen"));
    memProjektAnmerkungen = new QPlainTextEdit(gbProjekt);
    memProjektAnmerkungen->setObjectName(QStringLiteral("memProjektAnmerkungen"));
    memProjektAnmerkungen->setMaximumHeight(70);
    auto* projekt = new QGridLayout(gbProjekt);
    projekt->addWidget(lblProjektName, 0, 0);
    projekt->addWidget(edtProjektName, 0, 1);
    projekt->addWidget(lblProjektBearbeiter, 1, 0);
    projekt->addWidget(edtProjektBearbeiter, 1, 1);
    projekt->addWidget(lblProjektAnmerkungen, 2, 0, Qt::AlignTop);
    projekt->addWidget(memProjektAnmerkungen, 2, 1);

    gbTraversen = new QGroupBox(QStringLiteral(" Traversen: "), seite);
    gbTraversen->setObjectName(QStringLiteral("gbTraversen"));
    lblTravNummer = new QLabel(gbTraversen);
    lblTravNummer->setObjectName(QStringLiteral("lblTravNummer"));
    lblTravNummer->setMinimumWidth(40);
    edtTravName = new QLineEdit(gbTraversen);
    edtTravName->setObjectName(QStringLiteral("edtTravName"));
    edtTravName->setReadOnly(true);
    lblTravAnmerkungen = new QLabel(QStringLiteral("Anmerkung:"), gbTraversen);
    lblTravAnmerkungen->setObjectName(QStringLiteral("lblTravAnmerkungen"));
    memTravAnmerkung = new QPlainTextEdit(gbTraversen);
    memTravAnmerkung->setObjectName(QStringLiteral("memTravAnmerkung"));
    memTravAnmerkung->setMaximumHeight(90);
    lblTravVarianten = new QLabel(QStringLiteral("Varianten:"), gbTraversen);
    lblTravVarianten->setObjectName(QStringLiteral("lblTravVarianten"));
    dbgTravVarianten = tabellenansicht("dbgTravVarianten", gbTraversen);
    dbgTravVarianten->setMaximumHeight(90);
    dbgTravVarianten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nbTravDelete = navigatorknopf("nbTravDelete", QStringLiteral("−"), gbTraversen);
    nbTravPost = navigatorknopf("nbTravPost", QStringLiteral("✓"), gbTraversen);
    nbTravCancel = navigatorknopf("nbTravCancel", QStringLiteral("✗"), gbTraversen);
    dbgTraversen = tabellenansicht("dbgTraversen", gbTraversen);
    // A double click opens the main variant, so editing starts by typing.
    dbgTraversen->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                                  | QAbstractItemView::SelectedClicked);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(lblTravNummer);
    kopf->addWidget(edtTravName, 1);
    kopf->addStretch();
    kopf->addWidget(nbTravDelete);
    kopf->addWidget(nbTravPost);
    kopf->addWidget(nbTravCancel);
    auto* details = new QGridLayout;
    details->addWidget(lblTravAnmerkungen, 0, 0);
    details->addWidget(lblTravVarianten, 0, 1);
    details->addWidget(memTravAnmerkung, 1, 0);
    details->addWidget(dbgTravVarianten, 1, 1);
    auto* traversen = new QVBoxLayout(gbTraversen);
    traversen->addLayout(kopf);
    traversen->addLayout(details);
    traversen->addWidget(dbgTraversen, 1);

    auto* l = new QVBoxLayout(seite);
    l->addWidget(gbProjekt);
    l->addWidget(gbTraversen, 1);

    TBClientDataSet& t = m_projekt.cds_projekt;
    m_traversenModell = std::make_unique<Tabellenmodell>(
        t, std::vector<Feldname>{Projektfeld::Nummer, Projektfeld::Sortierung, Projektfeld::Name,
                                 Projektfeld::Position_X1, Projektfeld::Position_Y1, Projektfeld::Position_X2,
                                 Projektfeld::Position_Y2, Projektfeld::Variante});
    setzeTitel(*m_traversenModell, {QStringLiteral("Nr."), QStringLiteral("Sort"), QStringLiteral("Name"),
                                    QStringLiteral("Position x1"), QStringLiteral("Position y1"),
                                    QStringLiteral("Position x2"), QStringLiteral("Position y2"),
                                    QStringLiteral("Variante")});
    m_traversenModell->setzeNurLesen(0, true);
    dbgTraversen->setModel(m_traversenModell.get());
    BindeAuswahl(dbgTraversen, *m_traversenModell);
    m_travVariantenModell = std::make_unique<Tabellenmodell>(
        m_projekt.cds_varianten, std::vector<Feldname>{Variantenfeld::Nummer, Variantenfeld::Name});
    setzeTitel(*m_travVariantenModell, {QStringLiteral("Nummer"), QStringLiteral("Name")}, true);
    dbgTravVarianten->setModel(m_travVariantenModell.get());
    BindeAuswahl(dbgTravVarianten, *m_travVariantenModell);

    connect(edtProjektName, &QLineEdit::textChanged, this, [this] { projektdatenUebernehmen(); });
    connect(edtProjektBearbeiter, &QLineEdit::textChanged, this, [this] { projektdatenUebernehmen(); });
    connect(memProjektAnmerkungen, &QPlainTextEdit::textChanged, this, [this] { projektdatenUebernehmen(); });
    // Typing a note puts the truss row into edit; the navigator or a move posts it.
    connect(memTravAnmerkung, &QPlainTextEdit::textChanged, this, [this] {
        TBClientDataSet& t = m_projekt.cds_projekt;
        if (t.RecordCount() == 0)
            return;
        const QString text = memTravAnmerkung->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
        if (text == t.FieldByName(Projektfeld::Anmerkung).AsString())
            return;
        // The row's change signals must not refill the memo, which would move its cursor.
        const QScopedValueRollback<bool> getippt(m_notizGetippt, true);
        ausfuehren([&] {
            t.Edit();
            t.FieldByName(Projektfeld::Anmerkung).SetAsString(text);
        });
    });
    connect(nbTravDelete, &QToolButton::clicked, this, [this] { ausfuehren([this] { nbTravDeleteClick(); }); });
    connect(nbTravPost, &QToolButton::clicked, this, [this] { ausfuehren([this] { m_projekt.cds_projekt.Post(); }); });
    connect(nbTravCancel, &QToolButton::clicked, this, [this] { ausfuehren([this] { m_projekt.cds_projekt.Cancel(); }); });
    connect(dbgTraversen, &QAbstractItemView::doubleClicked, this, [this] { dbgTraversenDblClick(); });
    for (auto signal : {&TBClientDataSet::PositionGeaendert, &TBClientDataSet::ZeileGeaendert,
                        &TBClientDataSet::DatenGeaendert}) {
        connect(&t, signal, this, [this] { zeigeTraverse(); });
        connect(&m_projekt.cds_varianten, signal, this, [this] { zeigeVariante(); });
    }
    return seite;
}

void Tfrm_projekt::texteUebersicht()
{
    UebersetzeControl(tabUebersicht, 1833);
    UebersetzeControl(gbProjekt, 1833);
    UebersetzeControl(lblProjektName, 1834);
    UebersetzeControl(lblProjektBearbeiter, 1835);
    UebersetzeControl(lblProjektAnmerkungen, 1836);
    UebersetzeControl(gbTraversen, 1837);
    UebersetzeControl(lblTravAnmerkungen, 1838);
    UebersetzeControl(lblTravVarianten, 1839);
    for (int i = 0; i < 8; ++i)
        UebersetzeSpalte(*m_traversenModell, i, 1840 + i);
    UebersetzeSpalte(*m_travVariantenModell, 0, 1870);
    UebersetzeSpalte(*m_travVariantenModell, 1, 1871);
}

void Tfrm_projekt::zeigeProjektdaten()
{
    // filled from the project, the controls tell no one: only the user's typing changes it
    const QSignalBlocker still1(edtProjektName), still2(edtProjektBearbeiter), still3(memProjektAnmerkungen);
    edtProjektName->setText(m_projekt.name);
    edtProjektBearbeiter->setText(m_projekt.bearbeiter);
    memProjektAnmerkungen->setPlainText(m_projekt.anmerkungen.join(u'\n'));
    zeigeTraverse();
}

void Tfrm_projekt::projektdatenUebernehmen()
{
    m_projekt.name = edtProjektName->text();
    m_projekt.bearbeiter = edtProjektBearbeiter->text();
    m_projekt.anmerkungen = TWerteliste(memProjektAnmerkungen->toPlainText()).zeilen();
    m_projekt.SetzeGeaendert(true);
}

void Tfrm_projekt::zeigeTraverse()
{
    TBClientDataSet& t = m_projekt.cds_projekt;
    const bool da = t.Active() && t.RecordCount() > 0;
    const QString nummer = da ? t.FieldByName(Projektfeld::Nummer).DisplayText() : QString();
    const QString name = da ? t.FieldByName(Projektfeld::Name).AsString() : QString();
    lblTravNummer->setText(nummer);
    edtTravName->setText(name);
    lblTraverseWert->setText(da ? nummer + QStringLiteral("  ") + name : QString());
    const QString notiz = da
        ? t.FieldByName(Projektfeld::Anmerkung).AsString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        : QString();
    if (!m_notizGetippt && memTravAnmerkung->toPlainText() != notiz) {
        const QSignalBlocker still(memTravAnmerkung);
        memTravAnmerkung->setPlainText(notiz);
    }
    memTravAnmerkung->setEnabled(da);
    const bool bearbeitet = t.Active() && t.State() != TDataSetState::Browse;
    nbTravDelete->setEnabled(da);
    nbTravPost->setEnabled(bearbeitet);
    nbTravCancel->setEnabled(bearbeitet);
    for (QToolButton* k : {nbFirst, nbPrior})
        k->setEnabled(da && t.RecNo() > 1);
    for (QToolButton* k : {nbNext, nbLast})
        k->setEnabled(da && t.RecNo() < t.RecordCount());
    zeigeVariante();
}

void Tfrm_projekt::nbTravDeleteClick()
{
    TBClientDataSet& t = m_projekt.cds_projekt;
    if (t.RecordCount() == 0)
        return;
    const QString frage
        = Format(Uebersetzt(1802, QStringLiteral("Soll Traverse %d (%s) gelöscht werden?")),
                 {t.FieldByName(Projektfeld::Nummer).AsInteger(), t.FieldByName(Projektfeld::Name).AsString()});
    if (dialoge().FrageJaNein(frage) != Antwort::Ja
        || !TrotzVerweisenLoeschen(m_projekt.Kraftverweise(t.FieldByName(Projektfeld::Nummer).AsInteger()),
                                   FrageBejaht))
        return;
    m_projekt.TraverseLoeschen();
    GrundrissNeuzeichnen();
}

void Tfrm_projekt::dbgTraversenDblClick()
{
    if (m_projekt.HauptvarianteWaehlen())
        varianteOeffnen();
}
