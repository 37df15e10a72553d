#include "cli/u_berichtsausgabe.h"
#include "cli/u_befehle.h"
#include "platform/u_fehler.h"
#include "report/u_berichtsmaler.h"

int SchreibeBerichtPdf(const Bericht& bericht, const QString& datei)
{
    try {
        const Berichtslayout layout = Umbrechen(bericht);
        BerichtAlsPdf(layout, datei);
        ausgabe(QStringLiteral("%1: %2 Seiten\n").arg(datei).arg(layout.seiten.size()));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
}
