#include "beam/fo_lastbib.h"
#include "language/u_uebersetze_qt.h"
#include "platform/u_dialoge.h"
#include "platform/u_programm.h"
#include "platform/u_tabellenmodell_qt.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char* const spalten[] = {"Nr.", "Wzg", "Name", "Breite [m]", "Äquivalenzfläche [m²]", "Last", "Einheit"};
const int breiten[] = {40, 40, 200, 80, 150, 80, 70};
} // namespace

Tfrm_lastbib::Tfrm_lastbib(QWidget* eltern)
    : QDialog(eltern), m_grid(new QTableView(this)), m_einfuegen(new QToolButton(this)),
      m_loeschen(new QToolButton(this)), btnCancel(new QPushButton(QStringLiteral("&Schließen"), this))
{
    setObjectName(QStringLiteral("frm_lastbib"));
    setWindowTitle(QStringLiteral("Lasten-Bibliothek (F6)"));
    resize(760, 420);
    m_bibliothek.beiSchreibfehler = ZeigeMeldung;
    ZeigeMeldungen(m_bibliothek.BibliothekLaden(Programmverzeichnis()));

    m_modell = new Tabellenmodell(m_bibliothek.cds_lastbib,
                                  {Lastbibfeld::Nummer, Lastbibfeld::Werkzeug, Lastbibfeld::Name,
                                   Lastbibfeld::Breite, Lastbibfeld::Flaeche, Lastbibfeld::Last,
                                   Lastbibfeld::Einheit},
                                  this);
    for (int i = 0; i < 7; ++i)
        m_modell->setzeSpaltentitel(i, QString::fromUtf8(spalten[i]));
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_modell);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    for (int i = 0; i < 7; ++i)
        m_grid->setColumnWidth(i, breiten[i]);
    BindeAuswahl(m_grid, *m_modell);

    m_einfuegen->setObjectName(QStringLiteral("sbEinfuegen"));
    m_einfuegen->setText(QStringLiteral("Einfügen"));
    m_einfuegen->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_loeschen->setObjectName(QStringLiteral("sbLoeschen"));
    m_loeschen->setText(QStringLiteral("Löschen"));
    m_loeschen->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_einfuegen, &QToolButton::clicked, this, &Tfrm_lastbib::Einfuegen);
    connect(m_loeschen, &QToolButton::clicked, this, &Tfrm_lastbib::Loeschen);
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        m_modell->NeueZeileUebernehmen();
        reject();
    });

    auto* unten = new QHBoxLayout;
    unten->addWidget(m_einfuegen);
    unten->addWidget(m_loeschen);
    unten->addStretch();
    unten->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(unten);
}

void Tfrm_lastbib::TexteSetzen()
{
    UebersetzeControl(this, 2210);
    UebersetzeControl(btnCancel, 2211);
    for (int i = 0; i < 7; ++i)
        UebersetzeSpalte(*m_modell, i, 2220 + i);
    UebersetzeControl(m_einfuegen, 2227);
    UebersetzeControl(m_loeschen, 2228);
}

void Tfrm_lastbib::showEvent(QShowEvent* ereignis)
{
    TexteSetzen();
    QDialog::showEvent(ereignis);
}

void Tfrm_lastbib::Einfuegen()
{
    m_modell->NeueZeileBeginnen();
    const int zeile = m_modell->rowCount() - 1;
    m_grid->setCurrentIndex(m_modell->index(zeile, 2));
    m_grid->edit(m_grid->currentIndex());
}

void Tfrm_lastbib::Loeschen()
{
    if (m_grid->currentIndex().isValid())
        m_modell->LoescheZeile(m_grid->currentIndex().row());
}

void Tfrm_lastbib::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Insert)
        return Einfuegen();
    if (ereignis->key() == Qt::Key_Delete && ereignis->modifiers() & Qt::ControlModifier)
        return Loeschen();
    // Enter posts a new row instead of closing the dialog
    if ((ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter) && m_modell->HatNeueZeile()) {
        m_modell->NeueZeileUebernehmen();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void Tfrm_lastbib::done(int ergebnis)
{
    OffeneZellenUebernehmen(this);
    QDialog::done(ergebnis);
}
