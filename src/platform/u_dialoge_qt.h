#pragma once
// The dialogs of the running program: Qt message boxes, file dialogs and the input box, all owned
// by the main window so they stay in front of it.
#include "platform/u_dialoge.h"
#include <QPointer>
#include <QWidget>

class QtDialoge : public Dialoge {
public:
    void setzeBesitzer(QWidget* besitzer) { m_besitzer = besitzer; }
    void Meldung(const QString& text) override;
    Antwort FrageJaNein(const QString& text) override;
    Antwort FrageJaNeinAbbrechen(const QString& text) override;
    std::optional<QString> DateiOeffnen(const DateiDialog& dialog) override;
    std::optional<QString> DateiSpeichern(const DateiDialog& dialog) override;
    std::optional<QString> Eingabe(const QString& titel, const QString& frage,
                                   const QString& vorgabe) override;

private:
    std::optional<QString> dateiWaehlen(const DateiDialog& dialog, bool speichern);
    QPointer<QWidget> m_besitzer;
};
