#include "shell/fo_main.h"
#include "platform/fo_dokumentfenster.h"
#include "platform/u_einstellungsdatei.h"
#include "platform/u_programm.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include <QCloseEvent>
#include <algorithm>
#include <climits>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace {
QString einstellungspfad() { return Programmverzeichnis() + QStringLiteral("Kelvara.ini"); }

std::vector<QMdiSubWindow*> sichtbare(QMdiArea* bereich, bool minimiert)
{
    std::vector<QMdiSubWindow*> fenster;
    for (QMdiSubWindow* w : bereich->subWindowList(QMdiArea::CreationOrder))
        if (w->isVisible() && w->isMinimized() == minimiert)
            fenster.push_back(w);
    return fenster;
}

void teileAuf(QMdiArea* bereich, bool untereinander)
{
    const std::vector<QMdiSubWindow*> fenster = sichtbare(bereich, false);
    if (fenster.empty())
        return;
    const QRect flaeche = bereich->viewport()->rect();
    const int n = int(fenster.size());
    for (int i = 0; i < n; ++i) {
        fenster[i]->showNormal();
        if (untereinander) {
            const int h = flaeche.height() / n;
            fenster[i]->setGeometry(0, i * h, flaeche.width(), h);
        } else {
            const int b = flaeche.width() / n;
            fenster[i]->setGeometry(i * b, 0, b, flaeche.height());
        }
    }
}
} // namespace

Tfrm_main::Tfrm_main(Anwendung& anwendung) : m_anwendung(anwendung), m_bereich(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frm_main"));
    setWindowTitle(QStringLiteral("Kelvara VLX"));
    setCentralWidget(m_bereich);
    m_bereich->setBackground(QColor(0x80, 0x80, 0x80));
    resize(1200, 800);
    m_bereich->viewport()->installEventFilter(this);
    connect(m_bereich, &QMdiArea::subWindowActivated, this, [this] {
        AktualisiereMenue();
        if (m_anwendung.menu())
            m_anwendung.menu()->AktualisiereFensterbefehle();
        Q_EMIT m_anwendung.aktivesDokumentGeaendert(m_anwendung.aktivesDokument());
    });
}

Tfrm_main::~Tfrm_main()
{
    disconnect(m_bereich, nullptr, this, nullptr);
    if (!m_angezeigt)
        return;
    Einstellungsdatei ini(einstellungspfad());
    ini.SchreibeInteger(QStringLiteral("Sprache"), QStringLiteral("Nummer"), m_anwendung.sprache().Sprachnummer);
    // the palette's place only once it was shown, its side only once it was docked, so that an
    // untouched file stays as it was
    if (const auto* palette = grundrisspalette()) {
        if (palette->OrtBekannt()) {
            ini.SchreibeInteger(QStringLiteral("Grundrisstool"), QStringLiteral("Links"), palette->Ort().x());
            ini.SchreibeInteger(QStringLiteral("Grundrisstool"), QStringLiteral("Oben"), palette->Ort().y());
        }
        if (palette->SeiteGewaehlt())
            ini.SchreibeInteger(QStringLiteral("Grundrisstool"), QStringLiteral("Angedockt"), palette->Andockseite());
    }
    ini.Speichern(); // the program ends either way
}

Tfrm_grundrisstool* Tfrm_main::grundrisspalette() const
{
    return qobject_cast<Tfrm_grundrisstool*>(m_anwendung.dauerfenster(Dauerfenster::Grundrisstool));
}

void Tfrm_main::Aktiviere(Dokumentfenster* fenster)
{
    for (QMdiSubWindow* w : m_bereich->subWindowList())
        if (w->widget() == fenster) {
            if (w->isMinimized())
                w->showNormal();
            m_bereich->setActiveSubWindow(w);
        }
}

void Tfrm_main::AktualisiereMenue()
{
    Tfrm_menu* menu = m_anwendung.menu();
    if (!menu)
        return;
    menuBar()->clear();
    std::vector<Dokumentfenster::Menue> eigene;
    if (Dokumentfenster* aktiv = m_anwendung.aktivesDokument())
        eigene = aktiv->Menues();
    // Menus of one group come together: the window's replace the frame's of that number, a group
    // the frame lacks stands in its place by number.
    std::vector<std::pair<int, QMenu*>> leiste;
    for (const Tfrm_menu::Menue& m : menu->Hauptmenue()) {
        const bool ersetzt = std::any_of(eigene.begin(), eigene.end(),
                                         [&](const Dokumentfenster::Menue& e) { return e.gruppe == m.gruppe; });
        if (!ersetzt)
            leiste.emplace_back(m.gruppe, m.menue);
    }
    for (const Dokumentfenster::Menue& e : eigene) {
        auto stelle = std::find_if(leiste.begin(), leiste.end(), [&](const auto& l) { return l.first > e.gruppe; });
        leiste.insert(stelle, {e.gruppe, e.menue});
    }
    for (const auto& [gruppe, m] : leiste)
        menuBar()->addMenu(m);
}

void Tfrm_main::ImBereichHalten(QMdiSubWindow* fenster) const
{
    if (!fenster->isVisible() || fenster->isMaximized() || fenster->isMinimized())
        return;
    const QSize flaeche = m_bereich->viewport()->size();
    if (flaeche.isEmpty())
        return; // not laid out yet
    QRect lage = fenster->geometry();
    // never smaller than its contents need (the child window's own hint lags behind new texts);
    // a window larger than the area keeps its caption in view
    QSize kleinste = fenster->minimumSizeHint();
    if (const QWidget* inhalt = fenster->widget())
        kleinste = kleinste.expandedTo(inhalt->minimumSizeHint() + fenster->size() - inhalt->size());
    lage.setSize(lage.size().boundedTo(flaeche).expandedTo(kleinste));
    lage.moveLeft(std::clamp(lage.left(), 0, std::max(0, flaeche.width() - lage.width())));
    lage.moveTop(std::clamp(lage.top(), 0, std::max(0, flaeche.height() - lage.height())));
    if (lage != fenster->geometry())
        fenster->setGeometry(lage);
}

void Tfrm_main::AlleImBereichHalten() const
{
    for (QMdiSubWindow* w : m_bereich->subWindowList())
        ImBereichHalten(w);
}

bool Tfrm_main::eventFilter(QObject* ziel, QEvent* ereignis)
{
    if (ziel == m_bereich->viewport() && ereignis->type() == QEvent::Resize)
        AlleImBereichHalten();
    return QMainWindow::eventFilter(ziel, ereignis);
}

void Tfrm_main::UntereinanderAnordnen(QMdiArea* bereich) { teileAuf(bereich, true); }
void Tfrm_main::NebeneinanderAnordnen(QMdiArea* bereich) { teileAuf(bereich, false); }

void Tfrm_main::SymboleAnordnen(QMdiArea* bereich)
{
    int x = 0;
    const int unten = bereich->viewport()->height();
    for (QMdiSubWindow* w : sichtbare(bereich, true)) {
        const QSize groesse = w->size();
        w->move(x, unten - groesse.height());
        x += groesse.width();
    }
}

void Tfrm_main::showEvent(QShowEvent* ereignis)
{
    QMainWindow::showEvent(ereignis);
    if (!m_angezeigt) {
        m_angezeigt = true;
        ersteAnzeige();
    }
}

void Tfrm_main::ersteAnzeige()
{
    DebugPunkt(QStringLiteral("frm_main 01"));
    const Einstellungsdatei ini(einstellungspfad());
    const int nummer = ini.LeseInteger(QStringLiteral("Sprache"), QStringLiteral("Nummer"), 0);
    if (nummer > 0 && m_anwendung.menu())
        m_anwendung.menu()->SpracheWechseln(nummer);
    else if (m_anwendung.menu())
        m_anwendung.menu()->PruefeSpracheintrag(m_anwendung.menu()->Sprachmenue());
    if (auto* palette = grundrisspalette()) {
        const int links = ini.LeseInteger(QStringLiteral("Grundrisstool"), QStringLiteral("Links"), INT_MIN);
        const int oben = ini.LeseInteger(QStringLiteral("Grundrisstool"), QStringLiteral("Oben"), INT_MIN);
        if (links != INT_MIN && oben != INT_MIN)
            palette->Platzieren(QPoint(links, oben));
        if (const int seite = ini.LeseInteger(QStringLiteral("Grundrisstool"), QStringLiteral("Angedockt"), -1); seite >= 0)
            palette->Andocken(seite);
    }
    DebugPunkt(QStringLiteral("frm_main 02"));
    DebugPunkt(QStringLiteral("frm_main 03"));
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Tfrm_main::closeEvent(QCloseEvent* ereignis)
{
    // a window that depends on another is asked and closed by that one
    std::vector<Dokumentfenster*> dokumente = m_anwendung.Dokumente();
    std::vector<Dokumentfenster*> abhaengige;
    for (Dokumentfenster* d : dokumente)
        for (Dokumentfenster* a : d->Abhaengige())
            abhaengige.push_back(a);
    std::erase_if(dokumente, [&](Dokumentfenster* d) { return std::ranges::count(abhaengige, d) > 0; });
    for (Dokumentfenster* d : dokumente)
        if (!d->FrageSchliessen()) {
            ereignis->ignore();
            return;
        }
    for (Dokumentfenster* d : dokumente)
        d->SchliesseOhneFrage();
    ereignis->accept();
}
