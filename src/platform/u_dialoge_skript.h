#pragma once
// Scripted dialogs for tests: answers are given in order, every prompt is recorded with its exact
// text, and a prompt nobody expected is recorded in `unerwartet` (and answered No / cancelled).
// Prompts still in `unerwartet` when the script ends go to beiUnerwartetem: the test programs
// fail the running test there, so a test that expects such a prompt checks and clears the list.
#include "platform/u_dialoge.h"
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

class SkriptDialoge : public Dialoge {
public:
    enum class Art { Meldung, FrageJaNein, FrageJaNeinAbbrechen, DateiOeffnen, DateiSpeichern, Eingabe };

    struct Schritt {
        Art art;
        std::optional<QString> erwarteterText; // checked when set
        Antwort antwort = Antwort::Ja;
        std::optional<QString> wert;           // file name or input text; nullopt = cancelled
    };

    SkriptDialoge();                 // installs itself
    ~SkriptDialoge() override;       // restores the non-interactive answerer

    SkriptDialoge& erwarteMeldung(const QString& text = {});
    SkriptDialoge& erwarteFrage(Antwort antwort, const QString& text = {});
    SkriptDialoge& erwarteFrage3(Antwort antwort, const QString& text = {});
    SkriptDialoge& erwarteOeffnen(std::optional<QString> datei);
    SkriptDialoge& erwarteSpeichern(std::optional<QString> datei);
    SkriptDialoge& erwarteEingabe(std::optional<QString> text);

    QStringList gezeigt;             // every prompt text in order (file dialogs: their title)
    QStringList unerwartet;          // prompts that did not match the script
    QList<DateiDialog> dateiDialoge; // the file dialogs as asked
    bool allesBeantwortet() const { return m_schritte.empty(); }
    static inline std::function<void(const QStringList&)> beiUnerwartetem;

    void Meldung(const QString& text) override;
    Antwort FrageJaNein(const QString& text) override;
    Antwort FrageJaNeinAbbrechen(const QString& text) override;
    std::optional<QString> DateiOeffnen(const DateiDialog& dialog) override;
    std::optional<QString> DateiSpeichern(const DateiDialog& dialog) override;
    std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                   const QString& vorgabe) override;

private:
    std::optional<Schritt> naechster(Art art, const QString& text);
    std::deque<Schritt> m_schritte;
};
