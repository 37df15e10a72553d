// kelvara-cli bericht DATEI AUSGABE.pdf: the printed report of a single project (calculated
// first), a truss file, a load table file or the rigging plan of a project (every variant
// calculated first with --berechnen, on A3 with --a3), chosen by the file's extension.
#include "beam/g_balkenskizze.h"
#include "beam/g_bericht_variante.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_einzelprojekt.h"
#include "cli/u_befehle.h"
#include "cli/u_berichtsausgabe.h"
#include "platform/u_fehler.h"
#include "project/g_riggingplan.h"
#include "project/u_projektberechnung.h"
#include <QFileInfo>

namespace {

int variantenbericht(const QString& datei, const QString& pdf)
{
    Balkenmodell modell;
    Meldungen meldungen;
    if (!LeseEinzelprojekt(modell, datei, meldungen)) {
        meldungenAusgeben(meldungen);
        return 1;
    }
    modell.ZaehlerSetzen();
    Balkenrechnung rechnung(modell);
    meldungenAusgeben(rechnung.Berechnen());
    const QImage bild = Skizzenbild(modell, rechnung);
    return SchreibeBerichtPdf(BerichtVariante(modell, rechnung, bild, QDateTime::currentDateTime()), pdf);
}

int riggingplan(const QString& datei, const QString& pdf, bool berechnen, bool a3)
{
    Projektmodell projekt;
    Meldungen meldungen;
    if (!projekt.Laden(datei, meldungen)) {
        meldungenAusgeben(meldungen);
        return 1;
    }
    if (berechnen)
        for (const QString& meldung : AlleVariantenBerechnen(projekt))
            fehlerausgabe(meldung + u'\n');
    const Grundrisswerkzeuge grundriss(projekt);
    return SchreibeBerichtPdf(RiggingplanBericht(ErstelleRiggingplan(projekt), grundriss.Mauern(), grundriss.Traversen(),
                                                 a3 ? Riggingpapier::A3Quer : Riggingpapier::A4Quer,
                                                 QDateTime::currentDateTime()),
                              pdf);
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
    const QString aufrufzeile =
        QStringLiteral("bericht DATEI.pre|DATEI.prt|DATEI.prb AUSGABE.pdf | bericht DATEI.prp AUSGABE.pdf [--berechnen] [--a3]");
    QStringList dateien = argumente;
    const bool berechnen = dateien.removeAll(QStringLiteral("--berechnen")) > 0;
    const bool a3 = dateien.removeAll(QStringLiteral("--a3")) > 0;
    const bool projekt = !dateien.isEmpty() && QFileInfo(dateien[0]).suffix().toLower() == QStringLiteral("prp");
    if (dateien.size() != 2 || dateien[0].startsWith(QStringLiteral("--")) || ((berechnen || a3) && !projekt)) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli %1\n").arg(aufrufzeile));
        return 2;
    }
    const QString endung = QFileInfo(dateien[0]).suffix().toLower();
    try {
        if (projekt)
            return riggingplan(dateien[0], dateien[1], berechnen, a3);
        if (endung == QStringLiteral("pre"))
            return variantenbericht(dateien[0], dateien[1]);
        if (endung == QStringLiteral("prt"))
            return berichtDurch(QStringLiteral("traverse"), dateien[0], dateien[1]);
        if (endung == QStringLiteral("prb"))
            return berichtDurch(QStringLiteral("belastung"), dateien[0], dateien[1]);
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
    fehlerausgabe(QStringLiteral("Unbekannte Dateiart: %1\nAufruf: kelvara-cli %2\n").arg(dateien[0], aufrufzeile));
    return 2;
}

const Befehlseintrag eintrag({QStringLiteral("bericht"),
                              QStringLiteral("bericht DATEI.pre|DATEI.prt|DATEI.prb AUSGABE.pdf\n"
                                             "bericht DATEI.prp AUSGABE.pdf [--berechnen] [--a3]\n"
                                             "      schreibt den Ausdruck eines Einzelprojekts (nach dem Berechnen), einer Traverse, einer Belastungstabelle\n"
                                             "      oder den Riggingplan eines Projekts (mit --berechnen nach dem Berechnen aller Varianten) als PDF"),
                              bericht});

} // namespace
