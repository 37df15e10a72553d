#include "language/u_meldungstexte.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include <map>

namespace {
const std::map<int, const char*>& deutsch()
{
    static const std::map<int, const char*> texte = {
        {1, "geändert"},
        {2, "Datei %s existiert bereits."},
        {3, "Überschreiben?"},
        {4, "%s wurde geändert."},
        {5, "Speichern?"},
        {6, "Ja"},
        {7, "Ok"},
        {8, "Abbrechen"},
        {1001, "Datei %s existiert bereit"},
        {1002, "Überschreiben?"},
        {1003, "Sprache [%s]"},
        {1004, "keine gültige Sprachdatei"},
        {1005, "geändert"},
        {1006, "Datei wurde geändert. Speichern?"},
        {1007, "Begriff suchen"},
        {1008, "Suchbegriff:"},
    };
    return texte;
}

std::map<int, QString>& aktuell()
{
    static std::map<int, QString> texte = [] {
        std::map<int, QString> t;
        for (const auto& [id, text] : deutsch())
            t[id] = QString::fromUtf8(text);
        return t;
    }();
    return texte;
}
} // namespace

QString Meldungstext(int id)
{
    const auto text = aktuell().find(id);
    return text == aktuell().end() ? QString() : text->second;
}

QString Ueberschreibfrage(const QString& pfad)
{
    return Format(Meldungstext(2), {pfad}) + QStringLiteral("\r\n") + Meldungstext(3);
}

void MeldungstexteUebersetzen()
{
    for (auto& [id, text] : aktuell())
        Uebersetze(id, text);
}

void MeldungstexteZuruecksetzen()
{
    for (const auto& [id, text] : deutsch())
        aktuell()[id] = QString::fromUtf8(text);
}

QString SpeicherMeldung()
{
    return Uebersetzt(1090, QStringLiteral("Nicht genügend Arbeitsspeicher"));
}
