#include "platform/u_dialoge_skript.h"

namespace {
const char* artName(SkriptDialoge::Art art)
{
    switch (art) {
    case SkriptDialoge::Art::Meldung: return "Meldung";
    case SkriptDialoge::Art::FrageJaNein: return "Frage Ja/Nein";
    case SkriptDialoge::Art::FrageJaNeinAbbrechen: return "Frage Ja/Nein/Abbrechen";
    case SkriptDialoge::Art::DateiOeffnen: return "Öffnen-Dialog";
    case SkriptDialoge::Art::DateiSpeichern: return "Speichern-Dialog";
    case SkriptDialoge::Art::Eingabe: return "Eingabe";
    }
    return "";
}
} // namespace

SkriptDialoge::SkriptDialoge() { setzeDialoge(this); }
SkriptDialoge::~SkriptDialoge()
{
    setzeDialoge(nullptr);
    if (!unerwartet.isEmpty() && beiUnerwartetem)
        beiUnerwartetem(unerwartet);
}

SkriptDialoge& SkriptDialoge::erwarteMeldung(const QString& text)
{
    m_schritte.push_back({Art::Meldung, text.isEmpty() ? std::nullopt : std::optional(text), Antwort::Ja, std::nullopt});
    return *this;
}

SkriptDialoge& SkriptDialoge::erwarteFrage(Antwort antwort, const QString& text)
{
    m_schritte.push_back({Art::FrageJaNein, text.isEmpty() ? std::nullopt : std::optional(text), antwort, std::nullopt});
    return *this;
}

SkriptDialoge& SkriptDialoge::erwarteFrage3(Antwort antwort, const QString& text)
{
    m_schritte.push_back(
        {Art::FrageJaNeinAbbrechen, text.isEmpty() ? std::nullopt : std::optional(text), antwort, std::nullopt});
    return *this;
}

SkriptDialoge& SkriptDialoge::erwarteOeffnen(std::optional<QString> datei)
{
    m_schritte.push_back({Art::DateiOeffnen, std::nullopt, Antwort::Ja, std::move(datei)});
    return *this;
}

SkriptDialoge& SkriptDialoge::erwarteSpeichern(std::optional<QString> datei)
{
    m_schritte.push_back({Art::DateiSpeichern, std::nullopt, Antwort::Ja, std::move(datei)});
    return *this;
}

SkriptDialoge& SkriptDialoge::erwarteEingabe(std::optional<QString> text)
{
    m_schritte.push_back({Art::Eingabe, std::nullopt, Antwort::Ja, std::move(text)});
    return *this;
}

std::optional<SkriptDialoge::Schritt> SkriptDialoge::naechster(Art art, const QString& text)
{
    gezeigt.append(text);
    if (m_schritte.empty()) {
        unerwartet.append(QStringLiteral("%1 ohne Skript: %2").arg(QString::fromUtf8(artName(art)), text));
        return std::nullopt;
    }
    Schritt schritt = m_schritte.front();
    m_schritte.pop_front();
    if (schritt.art != art || (schritt.erwarteterText && *schritt.erwarteterText != text)) {
        unerwartet.append(QStringLiteral("%1 statt %2: %3")
                              .arg(QString::fromUtf8(artName(art)), QString::fromUtf8(artName(schritt.art)), text));
        return std::nullopt;
    }
    return schritt;
}

void SkriptDialoge::Meldung(const QString& text) { naechster(Art::Meldung, text); }

Antwort SkriptDialoge::FrageJaNein(const QString& text)
{
    const auto s = naechster(Art::FrageJaNein, text);
    return s ? s->antwort : Antwort::Nein;
}

Antwort SkriptDialoge::FrageJaNeinAbbrechen(const QString& text)
{
    const auto s = naechster(Art::FrageJaNeinAbbrechen, text);
    return s ? s->antwort : Antwort::Abbrechen;
}

std::optional<QString> SkriptDialoge::DateiOeffnen(const DateiDialog& dialog)
{
    dateiDialoge.append(dialog);
    const auto s = naechster(Art::DateiOeffnen, dialog.titel);
    return s ? s->wert : std::nullopt;
}

std::optional<QString> SkriptDialoge::DateiSpeichern(const DateiDialog& dialog)
{
    dateiDialoge.append(dialog);
    const auto s = naechster(Art::DateiSpeichern, dialog.titel);
    return s ? s->wert : std::nullopt;
}

std::optional<QString> SkriptDialoge::Eingabe(const QString&, const QString& frage, const QString&)
{
    const auto s = naechster(Art::Eingabe, frage);
    return s ? s->wert : std::nullopt;
}
