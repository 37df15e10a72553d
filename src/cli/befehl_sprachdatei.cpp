// kelvara-cli sprachdatei: turns the reviewable language sources into a language file.
#include "cli/u_befehle.h"
#include "language/u_sprachquelle.h"
#include "platform/u_fehler.h"
#include <QDir>

namespace {
int sprachdatei(const QStringList& argumente)
{
    if (argumente.size() != 2) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli sprachdatei QUELLORDNER AUSGABE.prl\n"));
        return 2;
    }
    try {
        QStringList dateien;
        const QDir ordner(argumente[0]);
        for (const QString& name : ordner.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            dateien << ordner.filePath(name);
        const auto texte = LeseSprachquellen(dateien);
        SchreibeSprachdatei(texte, argumente[1]);
        ausgabe(QStringLiteral("%1 Texte nach %2 geschrieben\n").arg(texte.size()).arg(argumente[1]));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + QLatin1Char('\n'));
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("sprachdatei"),
                              QStringLiteral("sprachdatei QUELLORDNER AUSGABE.prl\n"
                                             "      schreibt die Zeilen id=Text aller *.txt des Ordners als Sprachdatei"),
                              sprachdatei});
} // namespace
