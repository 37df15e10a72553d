// kelvara-cli bericht DATEI AUSGABE.pdf: the printed report of a single project (calculated
// first), a truss file or a load table file, chosen by the file's extension.
#include "beam/g_balkenskizze.h"
#include "beam/g_bericht_variante.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_einzelprojekt.h"
#include "cli/u_befehle.h"
#include "cli/u_berichtsausgabe.h"
#include "cli/u_meldungen.h"
#include "platform/u_fehler.h"
#include <QFileInfo>

namespace {

int variantenbericht(const QString& datei, const QString& pdf)
{
    GesammelteMeldungen dialog;
    Balkenmodell modell;
    if (!LeseEinzelprojekt(modell, datei)) {
        fehlerausgabe(dialog.meldungen.join(u'\n') + u'\n');
        return 1;
    }
    modell.ZaehlerSetzen();
    Balkenrechnung rechnung(modell);
    rechnung.Berechnen();
    for (const QString& meldung : dialog.meldungen)
        fehlerausgabe(meldung + u'\n');
    const QImage bild = Skizzenbild(modell, rechnung);
    return SchreibeBerichtPdf(BerichtVariante(modell, rechnung, bild, QDateTime::currentDateTime()), pdf);
}

// A truss or load table report is the --pdf output of its own subcommand.
int berichtDurch(const QString& befehl, const QString& datei, const QString& pdf)
{
    for (const Befehl& b : befehle())
        if (b.name == befehl)
            return b.ausfuehren({datei, QStringLiteral("--pdf"), pdf});
    return 2;
}

int bericht(const QStringList& argumente)
{
    const QString aufrufzeile = QStringLiteral("bericht DATEI.pre|DATEI.prt|DATEI.prb AUSGABE.pdf");
    if (argumente.size() != 2 || argumente[0].startsWith(QStringLiteral("--"))) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli %1\n").arg(aufrufzeile));
        return 2;
    }
    const QString endung = QFileInfo(argumente[0]).suffix().toLower();
    try {
        if (endung == QStringLiteral("pre"))
            return variantenbericht(argumente[0], argumente[1]);
        if (endung == QStringLiteral("prt"))
            return berichtDurch(QStringLiteral("traverse"), argumente[0], argumente[1]);
        if (endung == QStringLiteral("prb"))
            return berichtDurch(QStringLiteral("belastung"), argumente[0], argumente[1]);
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
    fehlerausgabe(QStringLiteral("Unbekannte Dateiart: %1\nAufruf: kelvara-cli %2\n").arg(argumente[0], aufrufzeile));
    return 2;
}

const Befehlseintrag eintrag({QStringLiteral("bericht"),
                              QStringLiteral("bericht DATEI.pre|DATEI.prt|DATEI.prb AUSGABE.pdf\n"
                                             "      schreibt den Ausdruck eines Einzelprojekts (nach dem Berechnen), einer Traverse oder einer Belastungstabelle als PDF"),
                              bericht});

} // namespace
