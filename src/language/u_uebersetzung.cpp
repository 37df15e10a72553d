#include "language/u_uebersetzung.h"

namespace {
Uebersetzer& aktuellerUebersetzer()
{
    static Uebersetzer uebersetzer;
    return uebersetzer;
}
} // namespace

void Uebersetze(int id, QString& text)
{
    if (const auto& u = aktuellerUebersetzer())
        u(id, text);
}

QString Uebersetzt(int id, const QString& deutsch)
{
    QString text = deutsch;
    Uebersetze(id, text);
    return text;
}

void setzeUebersetzer(Uebersetzer uebersetzer) { aktuellerUebersetzer() = std::move(uebersetzer); }

bool SpracheAktiv() { return bool(aktuellerUebersetzer()); }
