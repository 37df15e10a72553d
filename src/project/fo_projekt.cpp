#include "project/fo_projekt.h"
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_tabellenmodell_qt.h"
#include "platform/u_zahlen.h"
#include "project/fo_grundrissbox.h"
#include "shell/fo_menu.h"
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

Tfrm_projekt::Tfrm_projekt(QWidget* eltern) : Dokumentfenster(eltern)
{
    setObjectName(QStringLiteral("frm_projekt"));
    pcProjekt = new QTabWidget(this);
    pcProjekt->setObjectName(QStringLiteral("pcProjekt"));
    tabUebersicht = baueUebersicht();
    tabGrundriss = baueGrundriss();
    tabVarianten = baueVarianten();
    pcProjekt->addTab(tabUebersicht, QStringLiteral("Übersicht"));
    pcProjekt->addTab(tabGrundriss, QStringLiteral("CAD"));
    pcProjekt->addTab(tabVarianten, QStringLiteral("Varianten"));
    setCentralWidget(pcProjekt);
    resize(900, 640);

    Projekt1 = new QMenu(QStringLiteral("&Projekt"), this);
    Projekt1->setObjectName(QStringLiteral("Projekt1"));
    for (const char* name : {"act_proj_new", "act_proj_open", "act_proj_save", "act_proj_saveas"})
        Projekt1->addAction(Tfrm_menu::Aktion(QString::fromLatin1(name)));
    baueRiggingbefehle();
    Projekt1->addSeparator();
    Schlieen1 = Projekt1->addAction(QStringLiteral("S&chließen"));
    Schlieen1->setObjectName(QStringLiteral("Schlieen1"));
    connect(Schlieen1, &QAction::triggered, this, &QWidget::close);
    fuegeMenueHinzu(1, Projekt1);

    connect(pcProjekt, &QTabWidget::currentChanged, this, [this] {
        if (ZeigtGrundriss())
            GrundrissNeuzeichnen();
        Q_EMIT ansichtGewechselt();
    });

    connect(&m_projekt, &Projektmodell::ZustandGeaendert, this, &Tfrm_projekt::zeigeZustand);
    // the editors' captions name the project's file
    connect(this, &Dokumentfenster::zustandGeaendert, this, [this] {
        for (Dokumentfenster* editor : Abhaengige())
            editor->TexteSetzen();
    });
    connect(&m_projekt, &Projektmodell::TraversenGeaendert, this, &Tfrm_projekt::KnoepfeAktualisieren);
    verbindeSchritte();
    zeigeZustand();
    zeigeProjektdaten();
    zeigeTraverse();
    KnoepfeAktualisieren();
}

Tfrm_projekt::~Tfrm_projekt() = default;

QTableView* Tfrm_projekt::tabellenansicht(const char* name, QWidget* eltern)
{
    auto* sicht = new QTableView(eltern);
    sicht->setObjectName(QString::fromLatin1(name));
    sicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    sicht->setSelectionMode(QAbstractItemView::SingleSelection);
    sicht->verticalHeader()->setDefaultSectionSize(20);
    sicht->verticalHeader()->hide();
    return sicht;
}

QToolButton* Tfrm_projekt::navigatorknopf(const char* name, const QString& zeichen, QWidget* eltern)
{
    auto* knopf = new QToolButton(eltern);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setText(zeichen);
    knopf->setAutoRaise(true);
    return knopf;
}

void Tfrm_projekt::setzeTitel(Tabellenmodell& modell, const QStringList& titel, bool nurLesen)
{
    for (int i = 0; i < titel.size(); ++i) {
        modell.setzeSpaltentitel(i, titel[i]);
        if (nurLesen)
            modell.setzeNurLesen(i, true);
    }
}

void Tfrm_projekt::ausfuehren(const std::function<void()>& aktion)
{
    try {
        aktion();
    } catch (const Fehler& f) {
        dialoge().Meldung(f.meldung());
    }
}

void Tfrm_projekt::TexteSetzen()
{
    UebersetzeMenuItem(Projekt1, 1831);
    UebersetzeMenuItem(Schlieen1, 1832);
    texteRiggingbefehle();
    texteUebersicht();
    UebersetzeControl(tabGrundriss, 1848);
    texteVarianten();
    zeigeZustand();
}

void Tfrm_projekt::showEvent(QShowEvent* e)
{
    Dokumentfenster::showEvent(e);
    TexteSetzen();
}

void Tfrm_projekt::zeigeZustand()
{
    setWindowTitle(m_projekt.Titel());
    setzeDateiname(m_projekt.Dateiname());
    setzeGeaendert(m_projekt.Geaendert());
}

bool Tfrm_projekt::Laden(const QString& pfad)
{
    bool gelesen = false;
    try {
        gelesen = MitMeldungen([&](Meldungen& meldungen) { return m_projekt.Laden(pfad, meldungen); });
    } catch (...) {
        zeigeProjektdaten();
        throw;
    }
    if (!gelesen)
        return false;
    zeigeProjektdaten();
    m_grundriss.ErstenPunktVergessen();
    GrundrissNeuzeichnen();
    return true;
}

bool Tfrm_projekt::DateiSchreiben(const QString& pfad)
{
    if (!DarfUeberschreiben(pfad, Ueberschreibfrage(pfad)))
        return false;
    // A failed write leaves the flag set and the former file in place.
    try {
        m_projekt.Speichern(pfad);
    } catch (const Fehler& f) {
        dialoge().Meldung(f.meldung());
        return false;
    }
    return true;
}

QString Tfrm_projekt::Schliessfrage() const
{
    return Aenderungsfrage(QStringLiteral("Projekt"), Meldungstext(5));
}

void Tfrm_projekt::closeEvent(QCloseEvent* e)
{
    Dokumentfenster::closeEvent(e);
    if (e->isAccepted()) {
        m_schliesst = true;
        Q_EMIT ansichtGewechselt();
    }
}

void Tfrm_projekt::EditorMerken(Dokumentfenster* editor, const Variantenverweis& verweis)
{
    m_editoren.push_back({editor, verweis});
}

Dokumentfenster* Tfrm_projekt::EditorFuer(const Variantenverweis& verweis) const
{
    for (const Editor& e : m_editoren)
        if (e.fenster && !e.fenster->Geschlossen() && e.verweis.sortierung == verweis.sortierung
            && e.verweis.traverse == verweis.traverse && e.verweis.variante == verweis.variante)
            return e.fenster;
    return nullptr;
}

std::vector<Dokumentfenster*> Tfrm_projekt::Abhaengige() const
{
    std::vector<Dokumentfenster*> offen;
    for (const Editor& e : m_editoren)
        if (e.fenster && !e.fenster->Geschlossen())
            offen.push_back(e.fenster);
    return offen;
}

bool Tfrm_projekt::ZeigtGrundriss() const { return !m_schliesst && pcProjekt->currentWidget() == tabGrundriss; }

QWidget* Tfrm_projekt::baueGrundriss()
{
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("tabGrundriss"));
    pbGrundriss = new TGrundrissbox(m_grundriss, seite);
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(pbGrundriss);
    return seite;
}

void Tfrm_projekt::GrundrissNeuzeichnen() { pbGrundriss->Neuzeichnen(); }

void Tfrm_projekt::WerkzeugWaehlen(int werkzeug)
{
    m_grundriss.WerkzeugSetzen(werkzeug);
    GrundrissNeuzeichnen();
}

void Tfrm_projekt::MassstabSetzen(double massstab)
{
    m_grundriss.massstab = massstab;
    GrundrissNeuzeichnen();
}

void Tfrm_projekt::PlanZentrieren()
{
    m_grundriss.planmitte = QPointF(0, 0);
    GrundrissNeuzeichnen();
}

void Tfrm_projekt::PlanEinpassen() { pbGrundriss->Einpassen(false); }

void Tfrm_projekt::ElementeLoeschen()
{
    BenenneSchritt(Uebersetzt(2660, QStringLiteral("Löschen")));
    m_grundriss.Loeschen(FrageBejaht);
    GrundrissNeuzeichnen();
}

void Tfrm_projekt::setzeModifikatorstufe(int stufe) { pbGrundriss->StufeSetzen(stufe); }
