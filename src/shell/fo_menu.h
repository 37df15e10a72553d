#pragma once
// The command module: the main menu with its group numbers, every document command as a shared
// action, the language entries and the language switch. Document windows put these actions into
// their own menus; each action works on the active window of its kind.
#include "platform/fo_dokumentfenster.h"
#include <QObject>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class Anwendung;
class Hilfeanzeige;

class Tfrm_menu : public QObject {
    Q_OBJECT
public:
    explicit Tfrm_menu(Anwendung& anwendung);
    ~Tfrm_menu() override;

    // The shared action of that name; without a command module a stand-in owned by the
    // application (one per name), so windows can be built alone in tests.
    static QAction* Aktion(const QString& name);

    // A kind of document window plugs in by how it is created.
    using Fabrik = std::function<Dokumentfenster*()>;
    void registriereArt(Dokumentart art, Fabrik fabrik);

    struct Menue {
        int gruppe;
        QMenu* menue;
    };
    const std::vector<Menue>& Hauptmenue() const { return m_hauptmenue; }
    QMenu* Fenstermenue() const { return m_fenster; }
    QMenu* Sprachmenue() const { return m_sprache; }

    // Appends the radio entry of the built-in German (number 0), then one per language file
    // (numbered from 1 in listing order).
    void FuegeSpracheintraegeHinzu(QMenu* menue);
    void UebersetzeDeutscheintrag(QMenu* menue); // id 1230
    void SpracheWechseln(int nummer); // 0: back to the built-in German
    void PruefeSpracheintrag(QMenu* menue) const; // checks the entry of the current language
    void TexteSetzen();                           // ids 1200 to 1230

    // The commands, also for tests and the windows.
    Dokumentfenster* Neu(Dokumentart art);
    Dokumentfenster* Oeffnen(Dokumentart art);
    Dokumentfenster* OeffneDatei(Dokumentart art, const QString& pfad);
    void Speichern(Dokumentart art);
    void SpeichernUnter(Dokumentart art);
    void Drucken(Dokumentart art);
    void Registrieren();
    void Hilfe();
    void Info();
    void AktualisiereFensterbefehle();
    Hilfeanzeige* hilfe() const { return m_hilfeanzeige.get(); }

private:
    QAction* neueAktion(const QString& name, const QString& text, const QKeySequence& taste = {});
    void baueMenue();
    void baueFenstermenue();
    void zeigeFensterliste();
    Dokumentfenster* aktives(Dokumentart art) const;
    template <typename F>
    void sicher(F befehl);

    Anwendung& m_anwendung;
    std::unique_ptr<Hilfeanzeige> m_hilfeanzeige;
    std::map<Dokumentart, Fabrik> m_fabriken;
    std::map<QString, QAction*> m_aktionen;
    std::vector<Menue> m_hauptmenue;
    std::vector<QAction*> m_fensterbefehle;
    QMenu* m_fenster = nullptr;
    QMenu* m_sprache = nullptr;
    QAction* m_beenden = nullptr;
    QAction* m_hilfe = nullptr;
    QAction* m_info = nullptr;
    QAction* m_fensterlisteTrenner = nullptr;
};
