#include "beam/fo_zeilenpanel.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenmodell.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "tables/u_tabelle.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

Zeilenpanel::Zeilenpanel(TBClientDataSet& tabelle, QWidget* eltern)
    : QFrame(eltern), m_tabelle(tabelle), m_raster(new QGridLayout)
{
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(2, 2, 2, 2);
    lblArt = new QLabel(this);
    lblArt->setObjectName(QStringLiteral("lblArt"));
    QFont fett = lblArt->font();
    fett.setBold(true);
    lblArt->setFont(fett);
    haupt->addWidget(lblArt);
    haupt->addLayout(m_raster);
    auto* navigator = new QHBoxLayout;
    const auto knopf = [&](const char* name, const char* zeichen) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(QString::fromUtf8(zeichen));
        b->setAutoRaise(true);
        navigator->addWidget(b);
        return b;
    };
    btnLoeschen = knopf("btnLoeschen", "−");
    btnBearbeiten = knopf("btnBearbeiten", "▲");
    btnPosten = knopf("btnPosten", "✓");
    btnAbbrechen = knopf("btnAbbrechen", "✗");
    navigator->addStretch();
    haupt->addLayout(navigator);
    haupt->addStretch();

    connect(btnLoeschen, &QToolButton::clicked, this, &Zeilenpanel::Loeschen);
    connect(btnBearbeiten, &QToolButton::clicked, this, [this] {
        if (m_tabelle.RecordCount() > 0 && m_tabelle.State() == TDataSetState::Browse)
            m_tabelle.Edit();
        faerbe();
    });
    connect(btnPosten, &QToolButton::clicked, this, &Zeilenpanel::Posten);
    connect(btnAbbrechen, &QToolButton::clicked, this, &Zeilenpanel::Abbrechen);
    for (auto signal : {&TBClientDataSet::PositionGeaendert, &TBClientDataSet::ZeileGeaendert,
                        &TBClientDataSet::DatenGeaendert})
        connect(&m_tabelle, signal, this, &Zeilenpanel::Aktualisieren);
}

QLineEdit* Zeilenpanel::Feld(QLabel* beschriftung, Feldname feldname, bool nurLesen)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("edt") + feldname.toString());
    edit->setReadOnly(nurLesen);
    // Two columns of captioned fields, filled row by row.
    const int n = int(m_bindungen.size());
    m_raster->addWidget(beschriftung, n / 2, (n % 2) * 2);
    m_raster->addWidget(edit, n / 2, (n % 2) * 2 + 1);
    m_bindungen.push_back({edit, m_tabelle.FieldByName(feldname).Index(), nurLesen, {}});
    connect(edit, &QLineEdit::textEdited, this, &Zeilenpanel::getippt);
    connect(edit, &QLineEdit::returnPressed, this, &Zeilenpanel::Posten);
    return edit;
}

void Zeilenpanel::setzeNavigatortexte(const QString& loeschen, const QString& bearbeiten, const QString& posten,
                                      const QString& abbrechen)
{
    btnLoeschen->setToolTip(loeschen);
    btnBearbeiten->setToolTip(bearbeiten);
    btnPosten->setToolTip(posten);
    btnAbbrechen->setToolTip(abbrechen);
}

void Zeilenpanel::Aktualisieren()
{
    if (!m_tippt && m_tabelle.Active()) {
        const bool leer = m_tabelle.RecordCount() == 0 && m_tabelle.State() == TDataSetState::Browse;
        for (Bindung& b : m_bindungen) {
            b.gezeigt = leer ? QString() : m_tabelle.Fields(b.feld).DisplayText();
            b.edit->setText(b.gezeigt);
        }
        const int art = leer ? 0 : m_tabelle.FieldByName(Balkenfeld::Type).AsInteger();
        lblArt->setText(Artname(art));
    }
    faerbe();
}

void Zeilenpanel::getippt()
{
    if (m_tabelle.RecordCount() > 0 && m_tabelle.State() == TDataSetState::Browse) {
        m_tippt = true;
        m_tabelle.Edit();
    }
    m_tippt = true;
    faerbe();
}

bool Zeilenpanel::Posten()
{
    const bool bearbeitet = m_tabelle.State() == TDataSetState::Edit || m_tabelle.State() == TDataSetState::Insert;
    if (!bearbeitet) {
        m_tippt = false;
        return false;
    }
    try {
        for (const Bindung& b : m_bindungen)
            if (!b.nurLesen && b.edit->text() != b.gezeigt)
                m_tabelle.Fields(b.feld).SetAsString(b.edit->text());
        m_tippt = false;
        m_tabelle.Post();
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
        m_tabelle.Cancel();
        m_tippt = false;
        Aktualisieren();
        return false;
    }
    Aktualisieren();
    return true;
}

void Zeilenpanel::Abbrechen()
{
    m_tippt = false;
    if (m_tabelle.State() != TDataSetState::Browse)
        m_tabelle.Cancel();
    Aktualisieren();
}

void Zeilenpanel::Loeschen()
{
    if (m_tabelle.RecordCount() == 0)
        return;
    if (dialoge().FrageJaNein(Uebersetzt(2094, QStringLiteral("Datensatz löschen?"))) != Antwort::Ja)
        return;
    m_tippt = false;
    m_tabelle.Delete();
    Aktualisieren();
}

void Zeilenpanel::faerbe()
{
    const bool bearbeitet = m_tabelle.State() == TDataSetState::Edit || m_tabelle.State() == TDataSetState::Insert;
    for (const Bindung& b : m_bindungen) {
        QPalette farben = b.edit->palette();
        farben.setColor(QPalette::Base, bearbeitet ? QColor(Qt::white) : palette().color(QPalette::Window));
        b.edit->setPalette(farben);
    }
}
