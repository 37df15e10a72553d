// The "Varianten" tab of the project window: the current truss with a navigator, the current
// variant's fields, notes and settings, the four variant buttons and the variant grid.
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_tabellenmodell_qt.h"
#include "project/fo_memoDialog.h"
#include "project/fo_projekt.h"
#include "project/fo_zweiDialog.h"
#include "project/u_projektfelder.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel* beschriftung(const char* name, const QString& text, QWidget* eltern)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A read-only value shown in a sunken frame.
QLabel* wert(const char* name, QWidget* eltern)
{
    QLabel* l = beschriftung(name, {}, eltern);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(120);
    l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return l;
}

QPlainTextEdit* nurLesen(const char* name, QWidget* eltern)
{
    auto* m = new QPlainTextEdit(eltern);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    return m;
}

QPushButton* knopf(const char* name, const QString& text, QWidget* eltern)
{
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}
} // namespace

QWidget* Tfrm_projekt::baueVarianten()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("tabVarianten"));
    lblTraverse = beschriftung("lblTraverse", QStringLiteral("Traverse:"), seite);
    lblTraverseWert = wert("lblTraverseWert", seite);
    nbFirst = navigatorknopf("nbFirst", QStringLiteral("|◀"), seite);
    nbPrior = navigatorknopf("nbPrior", QStringLiteral("◀"), seite);
    nbNext = navigatorknopf("nbNext", QStringLiteral("▶"), seite);
    nbLast = navigatorknopf("nbLast", QStringLiteral("▶|"), seite);
    lblVariante = beschriftung("lblVariante", QStringLiteral("Variante"), seite);
    lblVarianteWert = wert("lblVarianteWert", seite);
    lblName = beschriftung("lblName", QStringLiteral("Name"), seite);
    lblNameWert = wert("lblNameWert", seite);
    lblBearbeiter = beschriftung("lblBearbeiter", QStringLiteral("Bearbeiter"), seite);
    lblBearbeiterWert = wert("lblBearbeiterWert", seite);
    lblAuslastung = beschriftung("lblAuslastung", QStringLiteral("Auslastung"), seite);
    lblAuslastungWert = wert("lblAuslastungWert", seite);
    lblStatus = beschriftung("lblStatus", QStringLiteral("Status"), seite);
    lblStatusWert = wert("lblStatusWert", seite);
    gbBemerkung = new QGroupBox(QStringLiteral(" Anmerkung: "), seite);
    gbBemerkung->setObjectName(QStringLiteral("gbBemerkung"));
    memBemerkung = nurLesen("memBemerkung", gbBemerkung);
    gbEinstellungen = new QGroupBox(QStringLiteral(" Einstellungen: "), seite);
    gbEinstellungen->setObjectName(QStringLiteral("gbEinstellungen"));
    memEinstellungen = nurLesen("memEinstellungen", gbEinstellungen);
    btnNew = knopf("btnNew", QStringLiteral("&Neue Variante"), seite);
    btnDelete = knopf("btnDelete", QStringLiteral("Variante &löschen"), seite);
    btnAnmerkung = knopf("btnAnmerkung", QStringLiteral("&Anmerkung"), seite);
    btnDuplicate = knopf("btnDuplicate", QStringLiteral("Variante &duplizieren"), seite);
    dbgVarianten = tabellenansicht("dbgVarianten", seite);
    dbgVarianten->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* traverse = new QHBoxLayout;
    traverse->addWidget(lblTraverse);
    traverse->addWidget(lblTraverseWert, 1);
    for (QToolButton* k : {nbFirst, nbPrior, nbNext, nbLast})
        traverse->addWidget(k);
    traverse->addStretch();
    auto* felder = new QGridLayout;
    const std::pair<QLabel*, QLabel*> paare[] = {{lblVariante, lblVarianteWert}, {lblName, lblNameWert},
                                                 {lblBearbeiter, lblBearbeiterWert}, {lblAuslastung, lblAuslastungWert},
                                                 {lblStatus, lblStatusWert}};
    int zeile = 0;
    for (const auto& [titel, inhalt] : paare) {
        felder->addWidget(titel, zeile, 0);
        felder->addWidget(inhalt, zeile++, 1);
    }
    felder->setRowStretch(zeile, 1);
    (new QVBoxLayout(gbBemerkung))->addWidget(memBemerkung);
    (new QVBoxLayout(gbEinstellungen))->addWidget(memEinstellungen);
    auto* knoepfe = new QVBoxLayout;
    for (QPushButton* k : {btnNew, btnDelete, btnAnmerkung, btnDuplicate})
        knoepfe->addWidget(k);
    knoepfe->addStretch();
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(felder);
    mitte->addWidget(gbBemerkung, 1);
    mitte->addWidget(gbEinstellungen, 1);
    mitte->addLayout(knoepfe);
    auto* l = new QVBoxLayout(seite);
    l->addLayout(traverse);
    l->addLayout(mitte);
    l->addWidget(dbgVarianten, 1);

    m_variantenModell = std::make_unique<Tabellenmodell>(
        m_projekt.cds_varianten,
        std::vector<Feldname>{Variantenfeld::Nummer, Variantenfeld::Name, Variantenfeld::Status,
                              Variantenfeld::Auslastung, Variantenfeld::Bearbeiter, Variantenfeld::Traverse});
    setzeTitel(*m_variantenModell,
               {QStringLiteral("Nummer"), QStringLiteral("Name"), QStringLiteral("Status"),
                QStringLiteral("Auslastung [%]"), QStringLiteral("Bearbeiter"), QStringLiteral("Traverse")},
               true);
    dbgVarianten->setModel(m_variantenModell.get());
    BindeAuswahl(dbgVarianten, *m_variantenModell);

    TBClientDataSet& t = m_projekt.cds_projekt;
    connect(nbFirst, &QToolButton::clicked, this, [&t] { ausfuehren([&t] { t.First(); }); });
    connect(nbPrior, &QToolButton::clicked, this, [&t] { ausfuehren([&t] { t.Prior(); }); });
    connect(nbNext, &QToolButton::clicked, this, [&t] { ausfuehren([&t] { t.Next(); }); });
    connect(nbLast, &QToolButton::clicked, this, [&t] { ausfuehren([&t] { t.Last(); }); });
    connect(btnNew, &QPushButton::clicked, this, [this] { ausfuehren([this] { btnNewClick(); }); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { ausfuehren([this] { btnDeleteClick(); }); });
    connect(btnAnmerkung, &QPushButton::clicked, this, [this] { ausfuehren([this] { btnAnmerkungClick(); }); });
    connect(btnDuplicate, &QPushButton::clicked, this, [this] { ausfuehren([this] { btnDuplicateClick(); }); });
    connect(dbgVarianten, &QAbstractItemView::doubleClicked, this, [this] { dbgVariantenDblClick(); });
    return seite;
}

void Tfrm_projekt::texteVarianten()
{
    UebersetzeControl(tabVarianten, 1849);
    UebersetzeControl(lblTraverse, 1850);
    UebersetzeControl(lblVariante, 1851);
    UebersetzeControl(lblName, 1852);
    UebersetzeControl(lblBearbeiter, 1853);
    UebersetzeControl(lblAuslastung, 1854);
    UebersetzeControl(lblStatus, 1855);
    UebersetzeControl(gbBemerkung, 1856);
    UebersetzeControl(gbEinstellungen, 1857);
    UebersetzeControl(btnNew, 1858);
    UebersetzeControl(btnDelete, 1859);
    UebersetzeControl(btnAnmerkung, 1860);
    UebersetzeControl(btnDuplicate, 1861);
    for (int i = 0; i < 6; ++i)
        UebersetzeSpalte(*m_variantenModell, i, 1870 + i);
}

void Tfrm_projekt::zeigeVariante()
{
    TBClientDataSet& v = m_projekt.cds_varianten;
    const bool da = v.Active() && v.RecordCount() > 0;
    using namespace Variantenfeld;
    const auto text = [&](Feldname feld) { return da ? v.FieldByName(feld).DisplayText() : QString(); };
    lblVarianteWert->setText(text(Nummer));
    lblNameWert->setText(text(Name));
    lblBearbeiterWert->setText(text(Bearbeiter));
    lblAuslastungWert->setText(text(Auslastung));
    lblStatusWert->setText(text(Status));
    memBemerkung->setPlainText(text(Anmerkung).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    memEinstellungen->setPlainText(text(Einstellungen).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    KnoepfeAktualisieren();
}

void Tfrm_projekt::KnoepfeAktualisieren()
{
    const Variantenknoepfe k = m_projekt.Knopfzustaende();
    btnNew->setEnabled(k.neu);
    btnDelete->setEnabled(k.loeschen);
    btnAnmerkung->setEnabled(k.anmerkung);
    btnDuplicate->setEnabled(k.duplizieren);
}

void Tfrm_projekt::btnNewClick()
{
    QString name, bearbeiter;
    if (ZweiWerteAbfragen(Uebersetzt(1803, QStringLiteral("Neue Variante")), Uebersetzt(1804, QStringLiteral("Name")),
                          Uebersetzt(1805, QStringLiteral("Bearbeiter")), name, bearbeiter))
        m_projekt.NeueVariante(name, bearbeiter);
}

void Tfrm_projekt::btnDeleteClick()
{
    TBClientDataSet& v = m_projekt.cds_varianten;
    if (v.RecordCount() > 0
        && !TrotzVerweisenLoeschen(
            m_projekt.Kraftverweise(m_projekt.cds_projekt.FieldByName(Projektfeld::Nummer).AsInteger(),
                                    v.FieldByName(Variantenfeld::Nummer).AsInteger()),
            FrageBejaht))
        return;
    m_projekt.VarianteLoeschen(FrageBejaht);
}

void Tfrm_projekt::btnAnmerkungClick()
{
    QString text = m_projekt.cds_varianten.FieldByName(Variantenfeld::Anmerkung).AsString();
    if (TextAbfragen(Uebersetzt(1808, QStringLiteral("Anmerkung")), text))
        m_projekt.VariantenanmerkungSetzen(text);
}

void Tfrm_projekt::btnDuplicateClick()
{
    QString name, bearbeiter;
    if (ZweiWerteAbfragen(Uebersetzt(1810, QStringLiteral("Variante duplizieren")),
                          Uebersetzt(1804, QStringLiteral("Name")), Uebersetzt(1805, QStringLiteral("Bearbeiter")), name,
                          bearbeiter))
        m_projekt.VarianteDuplizieren(name, bearbeiter);
}

void Tfrm_projekt::dbgVariantenDblClick()
{
    if (m_projekt.cds_varianten.RecordCount() > 0)
        varianteOeffnen();
}

void Tfrm_projekt::varianteOeffnen()
{
    if (oeffneVariante)
        oeffneVariante(*this, m_projekt.cds_projekt.FieldByName(Projektfeld::Nummer).AsInteger(),
                       m_projekt.cds_varianten.FieldByName(Variantenfeld::Nummer).AsInteger());
}
