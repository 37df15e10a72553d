#pragma once
// Every question to the user goes through Dialoge. The program installs the Qt dialogs,
// kelvara-cli a non-interactive answerer, tests a scripted one (u_dialoge_skript.h).
#include "platform/u_meldungen.h"
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

// What windows and kelvara-cli do with what the core returns: each message in its own box, in
// order; the Rueckfrage they hand in asks through FrageJaNein.
void ZeigeMeldung(const QString& text);
void ZeigeMeldungen(const Meldungen& meldungen);
bool FrageBejaht(const QString& frage);
// Runs an operation of the core that gives its messages into a list, shows them, and returns
// what the operation returned.
bool MitMeldungen(const std::function<bool(Meldungen&)>& operation);
// The marks of the start-up run with "DEBUG" as first argument, each in a message box.
void DebugPunkt(const QString& label);

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
