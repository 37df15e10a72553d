#pragma once
// Subcommands of kelvara-cli. Each file of this folder registers its own with a static
// Befehlseintrag, so a new subcommand needs no change elsewhere.
#include <QHash>
#include <QSet>
#include <QStringList>
#include <optional>
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
// The messages the core returned, one line each on standard error.
void meldungAusgeben(const QString& text);
void meldungenAusgeben(const QStringList& meldungen);

// The arguments of a subcommand: at most one file, switches ("--json") and options with a value
// ("--umschreiben AUSGABE").
struct Aufruf {
    QString datei;
    QSet<QString> schalter;
    QHash<QString, QString> optionen;
    bool hat(const QString& name) const { return schalter.contains(name); }
    QString option(const QString& name, const QString& vorgabe = {}) const { return optionen.value(name, vorgabe); }
};

// Reads the arguments; an unknown one or a missing file prints the usage line and gives nullopt
// (the command then ends with exit code 2).
std::optional<Aufruf> LeseAufruf(const QStringList& argumente, const QStringList& schalter,
                                 const QStringList& optionen, const QString& aufrufzeile,
                                 bool dateiNoetig = true);
