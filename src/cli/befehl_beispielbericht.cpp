// kelvara-cli beispielbericht AUSGABE.pdf: the sample report of the report engine as a PDF file.
#include "cli/u_befehle.h"
#include "platform/u_fehler.h"
#include "report/u_beispielbericht.h"
#include "report/u_berichtsmaler.h"

namespace {
int beispielbericht(const QStringList& argumente)
{
    if (argumente.size() != 1) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli beispielbericht AUSGABE.pdf\n"));
        return 2;
    }
    try {
        const Berichtslayout layout = Umbrechen(Beispielbericht(QDateTime::currentDateTime()));
        BerichtAlsPdf(layout, argumente.first());
        ausgabe(QStringLiteral("%1: %2 Seiten\n").arg(argumente.first()).arg(layout.seiten.size()));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + QLatin1Char('\n'));
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("beispielbericht"),
                              QStringLiteral("beispielbericht AUSGABE.pdf   schreibt den Beispielbericht der Berichtsausgabe als PDF"),
                              beispielbericht});
} // namespace
