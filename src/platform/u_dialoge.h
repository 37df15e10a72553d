#pragma once
// Every question to the user goes through Dialoge. The program installs the Qt dialogs,
// kelvara-cli a non-interactive answerer, tests a scripted one (u_dialoge_skript.h).
#include <QString>
#include <optional>

enum class Antwort { Ja, Nein, Abbrechen };

struct DateiDialog {
    QString titel;
    QString filter;           // "Beschreibung|*.prt|Alle Dateien|*.*"
    QString standardEndung;   // "prt", appended to a typed name without extension
    QString startordner;
    QString dateiname;        // proposed name
};

class Dialoge {
public:
    virtual ~Dialoge() = default;
    virtual void Meldung(const QString& text) = 0;
    virtual Antwort FrageJaNein(const QString& text) = 0;
    virtual Antwort FrageJaNeinAbbrechen(const QString& text) = 0;
    virtual std::optional<QString> DateiOeffnen(const DateiDialog& dialog) = 0;
    virtual std::optional<QString> DateiSpeichern(const DateiDialog& dialog) = 0;
    virtual std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                           const QString& vorgabe) = 0;
};

// The dialogs in force. Never null: without an installed one, the non-interactive answerer serves.
Dialoge& dialoge();
// Installs d (not owned); nullptr restores the non-interactive answerer.
void setzeDialoge(Dialoge* d);

// Messages to standard error, every question answered No, every file dialog cancelled.
class KonsolenDialoge : public Dialoge {
public:
    void Meldung(const QString& text) override;
    Antwort FrageJaNein(const QString& text) override;
    Antwort FrageJaNeinAbbrechen(const QString& text) override;
    std::optional<QString> DateiOeffnen(const DateiDialog& dialog) override;
    std::optional<QString> DateiSpeichern(const DateiDialog& dialog) override;
    std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                   const QString& vorgabe) override;
};
