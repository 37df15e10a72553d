// kelvara-cli abgleichen: brings a program folder up to newly built or installed copies without
// replacing a file its user has changed (the build uses it for the languages and example data).
#include "cli/u_befehle.h"
#include "platform/u_datenordner.h"
#include "platform/u_fehler.h"

namespace {
int abgleichen(const QStringList& argumente)
{
    const bool frueher = argumente.size() == 3 && argumente[0] == QStringLiteral("--frueher-gebaut");
    if (argumente.size() != 2 + int(frueher)) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli abgleichen [--frueher-gebaut] QUELLORDNER PROGRAMMORDNER\n"));
        return 2;
    }
    const QStringList ordner = argumente.mid(int(frueher));
    try {
        for (const QString& datei : Abgleichen(ordner[0], ordner[1], {}, frueher))
            ausgabe(QStringLiteral("%1 behalten: vom Benutzer geändert\n").arg(datei));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + QLatin1Char('\n'));
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("abgleichen"),
                              QStringLiteral("abgleichen [--frueher-gebaut] QUELLORDNER PROGRAMMORDNER\n"
                                             "      kopiert neue und geänderte Dateien nach PROGRAMMORDNER; vom Benutzer geänderte bleiben\n"
                                             "      (mit --frueher-gebaut auch solche, die noch kein Abgleich dort hingelegt hat)"),
                              abgleichen});
} // namespace
