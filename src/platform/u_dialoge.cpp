#include "platform/u_dialoge.h"
#include "platform/u_programm.h"
#include <cstdio>

namespace {
KonsolenDialoge konsole;
Dialoge* aktuell = &konsole;

void aufFehlerkanal(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}
} // namespace

Dialoge& dialoge() { return *aktuell; }
void setzeDialoge(Dialoge* d) { aktuell = d ? d : &konsole; }

void ZeigeMeldung(const QString& text) { dialoge().Meldung(text); }

void ZeigeMeldungen(const Meldungen& meldungen)
{
    for (const QString& text : meldungen)
        ZeigeMeldung(text);
}

bool FrageBejaht(const QString& frage) { return dialoge().FrageJaNein(frage) == Antwort::Ja; }

bool MitMeldungen(const std::function<bool(Meldungen&)>& operation)
{
    Meldungen meldungen;
    const bool ergebnis = operation(meldungen);
    ZeigeMeldungen(meldungen);
    return ergebnis;
}

void DebugPunkt(const QString& label)
{
    if (Debuglauf())
        dialoge().Meldung(label);
}

void KonsolenDialoge::Meldung(const QString& text) { aufFehlerkanal(text); }

Antwort KonsolenDialoge::FrageJaNein(const QString& text)
{
    aufFehlerkanal(text);
    return Antwort::Nein;
}

Antwort KonsolenDialoge::FrageJaNeinAbbrechen(const QString& text)
{
    aufFehlerkanal(text);
    return Antwort::Nein;
}

std::optional<QString> KonsolenDialoge::DateiOeffnen(const DateiDialog&) { return std::nullopt; }
std::optional<QString> KonsolenDialoge::DateiSpeichern(const DateiDialog&) { return std::nullopt; }

std::optional<QString> KonsolenDialoge::Eingabe(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}
