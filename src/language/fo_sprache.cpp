#include "language/fo_sprache.h"
#include "language/u_sprachfelder.h"
#include "language/u_sprachtabelle.h"
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_tabellenmodell_qt.h"
#include "platform/u_zahlen.h"
#include "shell/fo_menu.h"
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace {
// Capitals of a to z only, so umlauts must match in their own case.
QString grossAz(const QString& text)
{
    QString ergebnis = text;
    for (QChar& c : ergebnis)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return ergebnis;
}

bool passt(const QString& name, const QString& begriff)
{
    if (begriff.endsWith(QLatin1Char('*'))) {
        const QString anfang = begriff.left(begriff.size() - 1);
        return name.left(anfang.size()) == anfang;
    }
    return name == begriff;
}
} // namespace

Tfrm_sprache::Tfrm_sprache(Tfrm_menu* befehle, QWidget* eltern)
    : Dokumentfenster(eltern), m_befehle(befehle), m_grid(new QTableView(this))
{
    setObjectName(QStringLiteral("frm_sprache"));
    setCentralWidget(m_grid);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    TastenWieTabellenkalkulation(m_grid, true);
    Statusfeld(1)->setMinimumWidth(200);

    m_menue = new QMenu(QStringLiteral("&Sprache"), this);
    m_menue->setObjectName(QStringLiteral("Sprache1"));
    for (const char* name : {"New1", "FileOpen1", "FileSave1", "FileSaveAs1", "Register1"})
        m_menue->addAction(Tfrm_menu::Aktion(QString::fromLatin1(name)));
    QAction* suchen = m_menue->addAction(QStringLiteral("S&uchen"));
    suchen->setObjectName(QStringLiteral("Suchen1"));
    suchen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    suchen->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(suchen);
    connect(suchen, &QAction::triggered, this, &Tfrm_sprache::Suchen);
    m_menue->addSeparator();
    if (m_befehle)
        m_befehle->FuegeSpracheintraegeHinzu(m_menue);
    fuegeMenueHinzu(8, m_menue);

    ErzeugeSprachtabelle(cds_sprache);
    binde();
    for (auto signal : {&TBClientDataSet::NachPost, &TBClientDataSet::NachLoeschen})
        connect(&cds_sprache, signal, this, [this] { setzeGeaendert(true); });
    connect(this, &Dokumentfenster::zustandGeaendert, this, [this] { Statusfeld(1)->setText(Dateiname()); });
}

Tfrm_sprache::~Tfrm_sprache() = default;

void Tfrm_sprache::binde()
{
    delete m_modell;
    m_modell = new Tabellenmodell(cds_sprache, {}, this);
    m_grid->setModel(m_modell);
    BindeAuswahl(m_grid, *m_modell);
}

QString Tfrm_sprache::Aenderungsmarke() const { return Meldungstext(1005); }

void Tfrm_sprache::TexteSetzen()
{
    setWindowTitle(Format(Meldungstext(1003), {Dateiname()}));
    UebersetzeMenuItem(m_menue, 1209);
    if (m_befehle) {
        m_befehle->UebersetzeDeutscheintrag(m_menue);
        m_befehle->PruefeSpracheintrag(m_menue);
    }
    zeigeAenderungsmarke();
}

bool Tfrm_sprache::Laden(const QString& pfad)
{
    Meldungen meldungen;
    const bool geladen = LadeSprachdatei(cds_sprache, pfad, meldungen);
    ZeigeMeldungen(meldungen);
    if (!geladen) // not a language file: the table stays as it was
        return false;
    setzeDateiname(pfad);
    binde();
    Geladen();
    TexteSetzen();
    return true;
}

void Tfrm_sprache::StandHerstellen(const QByteArray& stand)
{
    const int zeile = m_grid->currentIndex().row();
    SprachtabelleAusPaket(cds_sprache, stand);
    binde();
    m_grid->setCurrentIndex(m_modell->index(std::min(zeile, m_modell->rowCount() - 1), 0));
}

bool Tfrm_sprache::DateiSchreiben(const QString& pfad)
{
    if (!DarfUeberschreiben(pfad, Format(Meldungstext(1001), {pfad}) + QStringLiteral("\r\n") + Meldungstext(1002)))
        return false;
    SpeichereSprachdatei(cds_sprache, pfad);
    setzeDateiname(pfad);
    setzeGeaendert(false);
    TexteSetzen();
    return true;
}

QString Tfrm_sprache::Schliessfrage() const
{
    const QString art = Uebersetzt(1209, QStringLiteral("&Sprache")).remove(QLatin1Char('&'));
    // the first line names the file already; "Datei wurde geändert." would say it twice
    return Aenderungsfrage(art, Meldungstext(5));
}

void Tfrm_sprache::Suchen()
{
    const std::optional<QString> eingabe = dialoge().Eingabe(Meldungstext(1007), Meldungstext(1008), m_suchbegriff);
    if (!eingabe)
        return;
    m_suchbegriff = *eingabe;
    if (m_suchbegriff.isEmpty() || !cds_sprache.Active())
        return;
    const QString begriff = grossAz(m_suchbegriff);
    while (!cds_sprache.Eof()) {
        cds_sprache.Next();
        if (passt(grossAz(cds_sprache.FieldByName(Sprachfeld::Name).AsString()), begriff))
            return;
    }
}
