#include "shell/fo_menu.h"
#include "language/u_qtsprache_qt.h"
#include "language/u_uebersetze_qt.h"
#include "platform/fo_hilfe.h"
#include "platform/u_fehler.h"
#include "platform/u_programm.h"
#include "platform/u_sicheresspeichern.h"
#include "platform/u_tabellenmodell_qt.h"
#include "shell/fo_main.h"
#include "shell/u_anwendung_qt.h"
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTextStream>

namespace {
Tfrm_menu* aktuellesMenu = nullptr;

const char* const hinweisOeffnen = "Öffnen|Vorhandene Datei öffnen";
const char* const hinweisSpeichernUnter = "Speichern unter|Aktive Datei unter einem neuen Namen speichern";

// Short hint as tool tip, long hint as status tip ("short|long").
void setzeHinweis(QAction* aktion, const QString& hinweis)
{
    const QStringList teile = hinweis.split(QLatin1Char('|'));
    aktion->setToolTip(teile.first());
    aktion->setStatusTip(teile.last());
}

struct Artbefehle {
    Dokumentart art;
    const char* neu;
    const char* oeffnen;
    const char* speichern;
    const char* speichernUnter;
    const char* drucken;
};

// In the order in which a shared text id is met first: project, single project, truss, load table.
const Artbefehle artbefehle[] = {
    {Dokumentart::Projekt, "act_proj_new", "act_proj_open", "act_proj_save", "act_proj_saveas", nullptr},
    {Dokumentart::Einzelprojekt, "act_e_new", "act_e_open", "act_e_save", "act_e_filesaveas", "act_e_print"},
    {Dokumentart::Traverse, "act_trav_new", "act_trav_open", "act_trav_save", "act_trav_saveas", "act_trav_print"},
    {Dokumentart::Belastungstabelle, "act_bel_new", "act_bel_open", "act_bel_save", "act_bel_saveas", "act_bel_print"},
    {Dokumentart::Sprache, "New1", "FileOpen1", "FileSave1", "FileSaveAs1", nullptr},
};
} // namespace

Tfrm_menu::Tfrm_menu(Anwendung& anwendung) : m_anwendung(anwendung)
{
    aktuellesMenu = this;
    m_hilfeanzeige = std::make_unique<Hilfeanzeige>();
    if (!m_hilfeanzeige->Verfuegbar())
        dialoge().Meldung(QStringLiteral("Please install HTML-Help!"));
    baueMenue();
    AktualisiereFensterbefehle();
}

Tfrm_menu::~Tfrm_menu()
{
    if (aktuellesMenu == this)
        aktuellesMenu = nullptr;
    for (const Menue& m : m_hauptmenue)
        delete m.menue;
}

QAction* Tfrm_menu::Aktion(const QString& name)
{
    if (aktuellesMenu) {
        const auto a = aktuellesMenu->m_aktionen.find(name);
        if (a != aktuellesMenu->m_aktionen.end())
            return a->second;
    }
    // one stand-in per name, however many windows a test builds
    if (auto* ersatz = qApp->findChild<QAction*>(name, Qt::FindDirectChildrenOnly))
        return ersatz;
    auto* ersatz = new QAction(name, qApp);
    ersatz->setObjectName(name);
    return ersatz;
}

void Tfrm_menu::registriereArt(Dokumentart art, Fabrik fabrik)
{
    m_fabriken[art] = std::move(fabrik);
    for (const Artbefehle& b : artbefehle)
        if (b.art == art)
            for (const char* name : {b.neu, b.oeffnen})
                m_aktionen[QString::fromLatin1(name)]->setEnabled(true);
}

QAction* Tfrm_menu::neueAktion(const QString& name, const QString& text, const QKeySequence& taste)
{
    auto* aktion = new QAction(text, this);
    aktion->setObjectName(name);
    aktion->setShortcut(taste);
    m_aktionen[name] = aktion;
    return aktion;
}

template <typename F>
void Tfrm_menu::sicher(F befehl)
{
    try {
        befehl();
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
    }
}

void Tfrm_menu::baueMenue()
{
    auto menue = [this](int gruppe, const QString& titel, const QString& name) {
        auto* m = new QMenu(titel);
        m->setObjectName(name);
        m_hauptmenue.push_back({gruppe, m});
        return m;
    };

    QMenu* programm = menue(0, QStringLiteral("&Programm"), QStringLiteral("Programm1"));
    programm->addAction(neueAktion(QStringLiteral("act_bibliothek"), QStringLiteral("&Traversenbibliothek"), Qt::Key_F5));
    programm->addAction(neueAktion(QStringLiteral("act_lastbib"), QStringLiteral("&Lastenbibliothek"), Qt::Key_F6));
    programm->addSeparator();
    m_beenden = programm->addAction(QStringLiteral("&Beenden"));
    m_beenden->setObjectName(QStringLiteral("Beenden1"));
    m_beenden->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(m_aktionen[QStringLiteral("act_bibliothek")], &QAction::triggered, this,
            [this] { m_anwendung.zeigeModal(Dauerfenster::Traversenbibliothek); });
    connect(m_aktionen[QStringLiteral("act_lastbib")], &QAction::triggered, this,
            [this] { m_anwendung.zeigeModal(Dauerfenster::Lastenbibliothek); });
    connect(m_beenden, &QAction::triggered, this, [this] {
        if (m_anwendung.hauptfenster())
            m_anwendung.hauptfenster()->close();
    });

    // Document commands. A key several commands carry runs the first in the menu bar; the later
    // ones show it only while their menu is open.
    const QKeySequence strgN(Qt::CTRL | Qt::Key_N), strgO(Qt::CTRL | Qt::Key_O);
    struct Menueart {
        Dokumentart art;
        int gruppe;
        const char* titel;
        const char* name;
        QKeySequence neu, oeffnen;
    };
    const Menueart menuearten[] = {
        {Dokumentart::Projekt, 1, "&Projekt", "Projekt1", strgN, strgO},
        {Dokumentart::Einzelprojekt, 2, "&Einzelprojekt", "Einzelprojekt1", {}, strgO},
        {Dokumentart::Traverse, 6, "&Traverse", "Traverse1", {}, {}},
        {Dokumentart::Belastungstabelle, 7, "&Belastungstabellen", "Belastungstabellen1", {}, {}},
        {Dokumentart::Sprache, 8, "&Sprache", "Sprache1", strgN, strgO},
    };
    for (const Menueart& ma : menuearten) {
        const Artbefehle& b = *std::find_if(std::begin(artbefehle), std::end(artbefehle),
                                            [&](const Artbefehle& x) { return x.art == ma.art; });
        QMenu* m = menue(ma.gruppe, QString::fromUtf8(ma.titel), QString::fromLatin1(ma.name));
        const Dokumentart art = ma.art;
        QAction* neu = neueAktion(QString::fromLatin1(b.neu), QStringLiteral("&Neu"), ma.neu);
        QAction* oeffnen = neueAktion(QString::fromLatin1(b.oeffnen), QStringLiteral("Ö&ffnen..."), ma.oeffnen);
        QAction* speichern = neueAktion(QString::fromLatin1(b.speichern), QStringLiteral("&Speichern"));
        QAction* unter = neueAktion(QString::fromLatin1(b.speichernUnter), QStringLiteral("Speichern &unter..."));
        setzeHinweis(oeffnen, QString::fromUtf8(hinweisOeffnen));
        setzeHinweis(unter, QString::fromUtf8(hinweisSpeichernUnter));
        neu->setEnabled(false);
        oeffnen->setEnabled(false);
        if (art == Dokumentart::Sprache || art == Dokumentart::Einzelprojekt) {
            neu->setShortcutContext(Qt::WidgetShortcut);
            oeffnen->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(neu, &QAction::triggered, this, [this, art] { sicher([&] { Neu(art); }); });
        connect(oeffnen, &QAction::triggered, this, [this, art] { sicher([&] { Oeffnen(art); }); });
        connect(speichern, &QAction::triggered, this, [this, art] { sicher([&] { Speichern(art); }); });
        connect(unter, &QAction::triggered, this, [this, art] { sicher([&] { SpeichernUnter(art); }); });
        if (b.drucken) {
            QAction* drucken = neueAktion(QString::fromLatin1(b.drucken), QStringLiteral("&Drucken"),
                                          art == Dokumentart::Einzelprojekt ? QKeySequence(Qt::CTRL | Qt::Key_D) : QKeySequence());
            connect(drucken, &QAction::triggered, this, [this, art] { sicher([&] { Drucken(art); }); });
        }
        m->addAction(neu);
        m->addAction(oeffnen);
        if (art == Dokumentart::Sprache) {
            speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
            unter->setShortcut(Qt::Key_F3);
            QAction* registrieren = neueAktion(QStringLiteral("Register1"), QStringLiteral("&Registrieren"),
                                               QKeySequence(Qt::CTRL | Qt::Key_R));
            connect(registrieren, &QAction::triggered, this, [this] { sicher([&] { Registrieren(); }); });
            m->addSeparator();
            m_sprache = m;
            FuegeSpracheintraegeHinzu(m);
        }
    }
    baueFenstermenue();

    QMenu* hilfe = menue(9, QStringLiteral("&Hilfe"), QStringLiteral("Hilfe1"));
    m_hilfe = hilfe->addAction(QStringLiteral("&Hilfe"));
    m_hilfe->setObjectName(QStringLiteral("Hilfe2"));
    m_hilfe->setShortcut(Qt::Key_F1);
    m_info = hilfe->addAction(QStringLiteral("&Info"));
    m_info->setObjectName(QStringLiteral("Info1"));
    connect(m_hilfe, &QAction::triggered, this, &Tfrm_menu::Hilfe);
    connect(m_info, &QAction::triggered, this, &Tfrm_menu::Info);
}

void Tfrm_menu::baueFenstermenue()
{
    m_fenster = new QMenu(QStringLiteral("&Fenster"));
    m_fenster->setObjectName(QStringLiteral("Fenster1"));
    m_hauptmenue.insert(m_hauptmenue.end(), {9, m_fenster});
    auto befehl = [this](const char* name, const char* text, const char* hinweis, auto ausfuehren) {
        QAction* a = neueAktion(QString::fromLatin1(name), QString::fromUtf8(text));
        a->setToolTip(QString::fromUtf8(hinweis));
        a->setStatusTip(QString::fromUtf8(hinweis));
        connect(a, &QAction::triggered, this, [this, ausfuehren] {
            if (m_anwendung.hauptfenster())
                ausfuehren(m_anwendung.hauptfenster()->Bereich());
        });
        m_fensterbefehle.push_back(a);
        return a;
    };
    QAction* kaskade = befehl("WindowCascade1", "Ü&berlappend", "Überlappend", [](QMdiArea* b) { b->cascadeSubWindows(); });
    QAction* horizontal = befehl("WindowTileHorizontal1", "Hori&zontal anordnen", "Horizontal anordnen",
                                 [](QMdiArea* b) { Tfrm_main::UntereinanderAnordnen(b); });
    QAction* vertikal = befehl("WindowTileVertical1", "&Vertikal anordnen", "Vertikal anordnen",
                               [](QMdiArea* b) { Tfrm_main::NebeneinanderAnordnen(b); });
    befehl("WindowMinimizeAll1", "&Alle verkleinern", "Alle verkleinern", [](QMdiArea* b) {
        for (QMdiSubWindow* w : b->subWindowList())
            w->showMinimized();
    });
    QAction* anordnen = befehl("WindowArrange1", "An&ordnen", "", [](QMdiArea* b) { Tfrm_main::SymboleAnordnen(b); });
    QAction* schliessen = befehl("WindowClose1", "Alle s&chließen", "Schließen", [](QMdiArea* b) {
        if (b->activeSubWindow())
            b->activeSubWindow()->close();
    });
    m_fenster->addActions({kaskade, horizontal, vertikal, anordnen});
    m_fenster->addSeparator();
    m_fenster->addAction(schliessen);
    // a menu holds an action once; the second "An&ordnen" is an item of its own that follows it
    QAction* nochmals = m_fenster->addAction(anordnen->text());
    nochmals->setObjectName(QStringLiteral("WindowArrange2"));
    connect(nochmals, &QAction::triggered, anordnen, &QAction::trigger);
    connect(anordnen, &QAction::changed, nochmals, [anordnen, nochmals] {
        nochmals->setText(anordnen->text());
        nochmals->setEnabled(anordnen->isEnabled());
    });
    m_fensterlisteTrenner = m_fenster->addSeparator();
    connect(m_fenster, &QMenu::aboutToShow, this, &Tfrm_menu::zeigeFensterliste);
}

void Tfrm_menu::zeigeFensterliste()
{
    const QList<QAction*> alle = m_fenster->actions();
    for (qsizetype i = alle.indexOf(m_fensterlisteTrenner) + 1; i < alle.size(); ++i)
        delete alle[i];
    Dokumentfenster* aktiv = m_anwendung.aktivesDokument();
    int nummer = 1;
    for (Dokumentfenster* d : m_anwendung.Dokumente()) {
        QAction* eintrag = m_fenster->addAction(QStringLiteral("&%1 %2").arg(nummer++).arg(d->windowTitle()));
        eintrag->setCheckable(true);
        eintrag->setChecked(d == aktiv);
        connect(eintrag, &QAction::triggered, this, [this, d] {
            if (m_anwendung.hauptfenster())
                m_anwendung.hauptfenster()->Aktiviere(d);
        });
    }
}

void Tfrm_menu::AktualisiereFensterbefehle()
{
    const bool offen = !m_anwendung.Dokumente().empty();
    for (QAction* a : m_fensterbefehle)
        a->setEnabled(offen);
}

void Tfrm_menu::FuegeSpracheintraegeHinzu(QMenu* menue)
{
    auto* gruppe = new QActionGroup(menue);
    gruppe->setExclusive(true);
    // the built-in German comes first, so there is always a way back to it
    QAction* deutsch = menue->addAction(QStringLiteral("Deutsch"));
    deutsch->setObjectName(QStringLiteral("Deutsch1"));
    deutsch->setCheckable(true);
    deutsch->setData(0);
    gruppe->addAction(deutsch);
    connect(deutsch, &QAction::triggered, this, [this] { SpracheWechseln(0); });
    int nummer = 0;
    for (const QString& datei : Sprachdateien()) {
        QAction* eintrag = menue->addAction(datei);
        eintrag->setCheckable(true);
        eintrag->setData(++nummer);
        eintrag->setProperty("Sprachdatei", datei);
        gruppe->addAction(eintrag);
        connect(eintrag, &QAction::triggered, this, [this, nummer] { SpracheWechseln(nummer); });
    }
}

void Tfrm_menu::PruefeSpracheintrag(QMenu* menue) const
{
    for (QAction* a : menue->actions())
        if (a->isCheckable() && a->data().toInt() == m_anwendung.m_sprache.Sprachnummer)
            a->setChecked(true);
}

void Tfrm_menu::SpracheWechseln(int nummer)
{
    QString datei;
    for (QAction* a : m_sprache->actions())
        if (a->isCheckable() && a->data().toInt() == nummer) {
            a->setChecked(true);
            datei = a->property("Sprachdatei").toString();
        }
    if (nummer == 0) {
        m_anwendung.m_sprache.ZumDeutschen();
        QtSpracheSetzen(QString());
        const ZurueckZumDeutschen zurueck;
        m_anwendung.AlleFensterUebersetzen();
        return;
    }
    if (datei.isEmpty())
        return;
    sicher([&] {
        Meldungen meldungen;
        const bool gewechselt = m_anwendung.m_sprache.Wechseln(nummer, datei, meldungen);
        ZeigeMeldungen(meldungen);
        if (!gewechselt)
            return;
        QtSpracheSetzen(datei);
        m_anwendung.AlleFensterUebersetzen();
        m_anwendung.m_sprache.Speichern();
    });
}

void Tfrm_menu::UebersetzeDeutscheintrag(QMenu* menue)
{
    if (auto* deutsch = menue->findChild<QAction*>(QStringLiteral("Deutsch1"), Qt::FindDirectChildrenOnly))
        UebersetzeAction(deutsch, 1230);
}

void Tfrm_menu::TexteSetzen()
{
    auto menueMit = [this](const char* name) {
        for (const Menue& m : m_hauptmenue)
            if (m.menue->objectName() == QLatin1String(name))
                return m.menue;
        return static_cast<QMenu*>(nullptr);
    };
    auto aktion = [this](const char* name) { return m_aktionen.at(QString::fromLatin1(name)); };
    UebersetzeMenuItem(menueMit("Programm1"), 1200);
    UebersetzeMenuItem(m_beenden, 1201);
    UebersetzeAction(aktion("WindowCascade1"), 1202);
    UebersetzeAction(aktion("WindowTileHorizontal1"), 1203);
    UebersetzeAction(aktion("WindowTileVertical1"), 1204);
    UebersetzeAction(aktion("WindowMinimizeAll1"), 1205);
    UebersetzeAction(aktion("WindowArrange1"), 1206);
    UebersetzeAction(aktion("WindowClose1"), 1207);
    UebersetzeMenuItem(m_fenster, 1208);
    UebersetzeMenuItem(m_sprache, 1209);
    UebersetzeDeutscheintrag(m_sprache);
    UebersetzeAction(aktion("FileSaveAs1"), 1210);
    UebersetzeAction(aktion("FileSave1"), 1211);
    UebersetzeAction(aktion("New1"), 1212);
    UebersetzeAction(aktion("FileOpen1"), 1213);
    UebersetzeAction(aktion("Register1"), 1214);
    UebersetzeMenuItem(menueMit("Hilfe1"), 1215);
    UebersetzeMenuItem(m_hilfe, 1216);
    UebersetzeMenuItem(m_info, 1217);
    UebersetzeAction(aktion("act_bibliothek"), 1219);
    UebersetzeAction(aktion("act_lastbib"), 1220);
    UebersetzeMenuItem(menueMit("Projekt1"), 1221);
    for (const Artbefehle& b : artbefehle) {
        if (b.art == Dokumentart::Sprache)
            continue;
        UebersetzeAction(aktion(b.neu), 1222);
        UebersetzeAction(aktion(b.speichernUnter), 1223);
        UebersetzeAction(aktion(b.speichern), 1224);
        UebersetzeAction(aktion(b.oeffnen), 1225);
    }
    UebersetzeMenuItem(menueMit("Einzelprojekt1"), 1226);
    for (const char* drucken : {"act_e_print", "act_trav_print", "act_bel_print"})
        UebersetzeAction(aktion(drucken), 1227);
    UebersetzeMenuItem(menueMit("Traverse1"), 1228);
    UebersetzeMenuItem(menueMit("Belastungstabellen1"), 1229);
}

Dokumentfenster* Tfrm_menu::aktives(Dokumentart art) const
{
    Dokumentfenster* d = m_anwendung.aktivesDokument();
    if (!d || d->Art() != art)
        return nullptr;
    OffeneZellenUebernehmen(d); // every command sees what was typed into a grid
    return d;
}

Dokumentfenster* Tfrm_menu::Neu(Dokumentart art)
{
    const auto fabrik = m_fabriken.find(art);
    if (fabrik == m_fabriken.end())
        return nullptr;
    Dokumentfenster* fenster = fabrik->second();
    m_anwendung.zeigeDokument(fenster);
    return fenster;
}

Dokumentfenster* Tfrm_menu::Oeffnen(Dokumentart art)
{
    const std::optional<QString> pfad = dialoge().DateiOeffnen(DokumentDialog(art, false));
    return pfad ? OeffneDatei(art, *pfad) : nullptr;
}

Dokumentfenster* Tfrm_menu::OeffneDatei(Dokumentart art, const QString& pfad)
{
    const auto fabrik = m_fabriken.find(art);
    if (fabrik == m_fabriken.end())
        return nullptr;
    // a file that is open already: its window, so two windows never write over each other
    for (Dokumentfenster* offen : m_anwendung.Dokumente())
        if (offen->ZeigtDatei(pfad)) {
            if (m_anwendung.hauptfenster())
                m_anwendung.hauptfenster()->Aktiviere(offen);
            return offen;
        }
    std::unique_ptr<Dokumentfenster> fenster(fabrik->second());
    if (!fenster->Laden(pfad)) // a file that cannot be read leaves no window behind
        return nullptr;
    Dokumentfenster* offen = fenster.release();
    m_anwendung.zeigeDokument(offen);
    return offen;
}

void Tfrm_menu::Speichern(Dokumentart art)
{
    if (Dokumentfenster* d = aktives(art))
        d->SpeichernMitRueckfall();
}

void Tfrm_menu::SpeichernUnter(Dokumentart art)
{
    Dokumentfenster* d = aktives(art);
    if (!d)
        return;
    if (const std::optional<QString> pfad = dialoge().DateiSpeichern(d->SpeichernDialog()))
        d->SpeichernUnter(*pfad);
}

void Tfrm_menu::Drucken(Dokumentart art)
{
    if (Dokumentfenster* d = aktives(art))
        d->Drucken();
}

void Tfrm_menu::Registrieren()
{
    DateiDialog dialog = DokumentDialog(Dokumentart::Sprache, false);
    dialog.startordner.clear();
    const std::optional<QString> gewaehlt = dialoge().DateiOeffnen(dialog);
    if (!gewaehlt)
        return;
    const QString liste = Sprachordner() + QStringLiteral("Sprachen.txt");
    QStringList zeilen;
    QFile lesen(liste);
    if (lesen.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream s(&lesen);
        while (!s.atEnd())
            zeilen << s.readLine();
    }
    const bool bekannt = std::any_of(zeilen.begin(), zeilen.end(), [&](const QString& z) {
        return z.compare(*gewaehlt, Qt::CaseInsensitive) == 0;
    });
    if (!bekannt)
        zeilen << *gewaehlt;
    SchreibeDateiSicher(liste, (zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void Tfrm_menu::Hilfe()
{
    m_hilfeanzeige->Zeige(m_anwendung.hauptfenster(), Programmverzeichnis() + QStringLiteral("kelvara_vlx.chm"));
}

void Tfrm_menu::Info()
{
    dialoge().Meldung(QStringLiteral("Kelvara VLX 1.0\r\n\r\n")
                      + Uebersetzt(1239, QStringLiteral("Traversen bemessen, Belastungstabellen auswerten,")) + u' '
                      + Uebersetzt(1240, QStringLiteral("Spannweiten mit Lagern, Motoren und Wind")) + u' '
                      + Uebersetzt(1241, QStringLiteral("berechnen, Projekte mit Grundriss und Varianten.")));
}
