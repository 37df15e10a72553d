#pragma once
// Subcommands of kelvara-cli. Each file of this folder registers its own with a static
// Befehlseintrag, so a new subcommand needs no change elsewhere.
#include <QStringList>
#include <functional>

struct Befehl {
    QString name;
    QString hilfe; // one usage line, then a short explanation
    std::function<int(const QStringList& argumente)> ausfuehren; // exit code
};

void registriereBefehl(Befehl befehl);
const std::vector<Befehl>& befehle();

struct Befehlseintrag {
    explicit Befehlseintrag(Befehl befehl) { registriereBefehl(std::move(befehl)); }
};

// Writes UTF-8 to standard output / standard error.
void ausgabe(const QString& text);
void fehlerausgabe(const QString& text);
