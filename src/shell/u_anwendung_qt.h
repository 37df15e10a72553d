#pragma once
// The running program: the main window, the command module, the language, the help viewer and
// the windows that live for the whole run. Built once by main(); tests build it fresh.
#include "language/u_sprachtabelle.h"
#include "platform/fo_dokumentfenster.h"
#include "platform/u_tastaturlupe_qt.h"
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class QWidget;
class Tfrm_main;
class Tfrm_menu;

// The long-lived windows, in the order of their creation at start-up.
enum class Dauerfenster { Traversenbibliothek, Rechner, Grundrisstool, Lastenbibliothek };

class Anwendung : public QObject {
    Q_OBJECT
public:
    Anwendung();
    ~Anwendung() override; // the main window first (it writes the settings file), then the rest
    static Anwendung* instanz();

    // Start-up steps 1 to 8 with their trace points; ends by showing the main window.
    void Starten();

    Tfrm_main* hauptfenster() const { return m_hauptfenster; }
    Tfrm_menu* menu() const { return m_menu.get(); }
    Sprachzustand& sprache() { return m_sprache; }

    using Dauerfabrik = std::function<QWidget*(QWidget* eltern)>;
    void registriereDauerfenster(Dauerfenster art, Dauerfabrik fabrik);
    QWidget* dauerfenster(Dauerfenster art) const;
    void zeigeModal(Dauerfenster art); // the library windows (F5, F6)

    std::vector<Dokumentfenster*> Dokumente() const; // in the frame's order of child windows
    Dokumentfenster* aktivesDokument() const;
    void zeigeDokument(Dokumentfenster* fenster);    // puts a new window into the frame
    // Opens each file in the window of its kind (by its extension); a file that cannot be opened
    // is reported and the next one follows.
    void OeffneDateien(const QStringList& pfade);
    void AlleFensterUebersetzen();
    void setzeModifikatorstufe(int stufe);           // from the keyboard hook

Q_SIGNALS:
    // The frame's active document window changed (nullptr: none is open).
    void aktivesDokumentGeaendert(Dokumentfenster* fenster);

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override; // the keyboard hook

private:
    friend class Tfrm_menu;
    Sprachzustand m_sprache;
    std::unique_ptr<Tfrm_menu> m_menu;
    Tfrm_main* m_hauptfenster = nullptr;
    std::map<Dauerfenster, Dauerfabrik> m_dauerfabriken;
    std::map<Dauerfenster, QPointer<QWidget>> m_dauerfenster; // a window closed for good reads as none
    Tastaturlupe m_lupe;
};

// Registers every window kind the program has (document kinds and long-lived windows).
void RegistriereFenster(Anwendung& anwendung);
