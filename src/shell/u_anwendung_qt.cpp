#include "shell/u_anwendung_qt.h"
#include "language/u_qtsprache_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_tastaturlupe_qt.h"
#include "platform/u_programm.h"
#include "platform/u_zahlen.h"
#include "shell/fo_main.h"
#include "report/u_bilder.h"
#include "shell/fo_menu.h"
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <utility>

namespace {
Anwendung* laufende = nullptr;
}

Anwendung::Anwendung()
{
    laufende = this;
    BilderBereitstellen();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bilder/kelvara.svg")));
    qApp->installEventFilter(this);
}

Anwendung::~Anwendung()
{
    qApp->removeEventFilter(this);
    // writes the settings file; the long-lived windows are its children
    delete std::exchange(m_hauptfenster, nullptr);
    m_dauerfenster.clear();
    m_menu.reset();
    if (laufende == this)
        laufende = nullptr;
}

Anwendung* Anwendung::instanz() { return laufende; }

void Anwendung::Starten()
{
    DebugPunkt(QStringLiteral("HP 01"));
    QApplication::setApplicationName(QStringLiteral("Kelvara VLX"));
    QtSpracheSetzen(QString());
    DebugPunkt(QStringLiteral("HP 02"));
    m_hauptfenster = new Tfrm_main(*this);
    DebugPunkt(QStringLiteral("HP 03"));
    m_menu = std::make_unique<Tfrm_menu>(*this);
    RegistriereFenster(*this);
    m_hauptfenster->AktualisiereMenue();
    const char* const punkte[] = {"HP 04", "HP 05", "HP 06", "HP 07"};
    const Dauerfenster arten[] = {Dauerfenster::Traversenbibliothek, Dauerfenster::Rechner,
                                  Dauerfenster::Grundrisstool, Dauerfenster::Lastenbibliothek};
    for (int i = 0; i < 4; ++i) {
        DebugPunkt(QString::fromLatin1(punkte[i]));
        const auto fabrik = m_dauerfabriken.find(arten[i]);
        if (fabrik == m_dauerfabriken.end())
            continue;
        try {
            QWidget* fenster = fabrik->second(m_hauptfenster);
            fenster->hide();
            m_dauerfenster[arten[i]] = fenster;
        } catch (const Fehler& fehler) {
            dialoge().Meldung(fehler.meldung());
        }
    }
    DebugPunkt(QStringLiteral("HP 08"));
    m_hauptfenster->show();
}

void Anwendung::registriereDauerfenster(Dauerfenster art, Dauerfabrik fabrik)
{
    m_dauerfabriken.try_emplace(art, std::move(fabrik)); // the first registration stands
}

QWidget* Anwendung::dauerfenster(Dauerfenster art) const
{
    const auto f = m_dauerfenster.find(art);
    return f == m_dauerfenster.end() ? nullptr : f->second;
}

void Anwendung::zeigeModal(Dauerfenster art)
{
    QWidget* fenster = dauerfenster(art);
    if (auto* dialog = qobject_cast<QDialog*>(fenster))
        dialog->exec();
    else if (fenster) {
        fenster->setWindowModality(Qt::ApplicationModal);
        fenster->show();
    }
}

std::vector<Dokumentfenster*> Anwendung::Dokumente() const
{
    std::vector<Dokumentfenster*> liste;
    if (!m_hauptfenster)
        return liste;
    for (QMdiSubWindow* w : m_hauptfenster->Bereich()->subWindowList(QMdiArea::CreationOrder))
        if (auto* d = qobject_cast<Dokumentfenster*>(w->widget()))
            liste.push_back(d);
    return liste;
}

Dokumentfenster* Anwendung::aktivesDokument() const
{
    if (!m_hauptfenster)
        return nullptr;
    QMdiSubWindow* aktiv = m_hauptfenster->Bereich()->activeSubWindow();
    if (!aktiv) // the frame itself may be inactive (a dialog in front); the current child counts
        aktiv = m_hauptfenster->Bereich()->currentSubWindow();
    return aktiv ? qobject_cast<Dokumentfenster*>(aktiv->widget()) : nullptr;
}

void Anwendung::zeigeDokument(Dokumentfenster* fenster)
{
    QMdiSubWindow* rahmen = m_hauptfenster->Bereich()->addSubWindow(fenster);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    connect(fenster, &QObject::destroyed, rahmen, [this, rahmen] {
        rahmen->deleteLater();
        if (!m_hauptfenster)
            return;
        m_hauptfenster->AktualisiereMenue();
        if (m_menu)
            m_menu->AktualisiereFensterbefehle();
        m_hauptfenster->AlleImBereichHalten();
    });
    connect(fenster, &QWidget::windowTitleChanged, rahmen, &QWidget::setWindowTitle);
    // restored or activated: whole in the area again (not while the frame itself goes, when its
    // pointer is already cleared)
    connect(rahmen, &QMdiSubWindow::windowStateChanged, m_hauptfenster, [this, rahmen] {
        if (m_hauptfenster)
            m_hauptfenster->ImBereichHalten(rahmen);
    });
    rahmen->setWindowIcon(fenster->windowIcon());
    rahmen->resize(900, 620);
    fenster->show();
    // the beam editor fills the frame; the other windows open at their size where there is room
    if (fenster->Art() == Dokumentart::Einzelprojekt) {
        rahmen->showMaximized();
    } else {
        rahmen->show();
        m_hauptfenster->ImBereichHalten(rahmen);
    }
    m_hauptfenster->Bereich()->setActiveSubWindow(rahmen);
    m_hauptfenster->AktualisiereMenue();
    m_menu->AktualisiereFensterbefehle();
}

void Anwendung::OeffneDateien(const QStringList& pfade)
{
    for (const QString& pfad : pfade) {
        const std::optional<Dokumentart> art = DokumentartVon(pfad);
        try {
            if (!art)
                throw Fehler(Format(Uebersetzt(2950, QStringLiteral("%s ist keine Datei von Kelvara VLX.")),
                                    {QFileInfo(pfad).fileName()}));
            m_menu->OeffneDatei(*art, pfad);
        } catch (const Fehler& fehler) {
            dialoge().Meldung(fehler.meldung());
        }
    }
}

void Anwendung::AlleFensterUebersetzen()
{
    for (Dokumentfenster* d : Dokumente()) {
        m_menu->PruefeSpracheintrag(m_menu->Sprachmenue());
        d->TexteSetzen();
        d->zeigeAenderungsmarke();
        d->WaechstMitDenTexten();
    }
    for (Dauerfenster art : {Dauerfenster::Lastenbibliothek, Dauerfenster::Grundrisstool,
                             Dauerfenster::Traversenbibliothek, Dauerfenster::Rechner})
        if (auto* u = dynamic_cast<Uebersetzbar*>(dauerfenster(art)))
            u->TexteSetzen();
    m_menu->TexteSetzen();
}

void Anwendung::setzeModifikatorstufe(int stufe)
{
    QWidget* palette = dauerfenster(Dauerfenster::Grundrisstool);
    if (palette && palette->isVisible())
        if (auto* e = dynamic_cast<Modifikatorempfaenger*>(palette))
            e->setzeModifikatorstufe(stufe);
    // the project window follows the magnifier through its palette
    Dokumentfenster* aktiv = aktivesDokument();
    if (aktiv && aktiv->Art() != Dokumentart::Projekt)
        if (auto* e = dynamic_cast<Modifikatorempfaenger*>(aktiv))
            e->setzeModifikatorstufe(stufe);
}

bool Anwendung::eventFilter(QObject* ziel, QEvent* ereignis)
{
    // inspected, never consumed
    const QEvent::Type art = ereignis->type();
    // a key that triggers a shortcut (Ctrl+Z) shows itself only as the shortcut override
    if (art == QEvent::KeyPress || art == QEvent::KeyRelease || art == QEvent::ShortcutOverride) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        setzeModifikatorstufe(m_lupe.Stufe(*taste, QApplication::focusWidget()));
        // F1 in a modal dialog never reaches the main menu's shortcut; it asks for help all the same
        QWidget* modal = QApplication::activeModalWidget();
        auto* widget = qobject_cast<QWidget*>(ziel);
        if (art == QEvent::KeyPress && taste->key() == Qt::Key_F1 && modal && widget && widget->window() == modal && m_menu) {
            m_menu->Hilfe();
            return true;
        }
    }
    return QObject::eventFilter(ziel, ereignis);
}
