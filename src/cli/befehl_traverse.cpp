// kelvara-cli traverse: loads a truss file as the truss window does and prints its results.
#include "cli/u_befehle.h"
#include "cli/u_berichtsausgabe.h"
#include "platform/u_zahlen.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "truss/g_bericht_traverse.h"
#include "truss/u_traversenausgabe.h"
#include "truss/u_traversendatei.h"
#include <QJsonDocument>

namespace {
int traverse(const QStringList& argumente)
{
    const auto aufruf = LeseAufruf(argumente, {QStringLiteral("--json"), QStringLiteral("--ohne-bgvc1")},
                                   {QStringLiteral("--sicherheitsfaktor"), QStringLiteral("--pdf")},
                                   QStringLiteral("traverse DATEI.prt [--json] [--sicherheitsfaktor TEXT] [--ohne-bgvc1] [--pdf AUSGABE.pdf]"));
    if (!aufruf)
        return 2;
    const QString& datei = aufruf->datei;
    const bool json = aufruf->hat(QStringLiteral("--json"));
    const bool bgvc1 = !aufruf->hat(QStringLiteral("--ohne-bgvc1"));

    Traversenentwurf entwurf;
    Meldungen meldungen;
    entwurf.melden = [&meldungen](const QString& text) { meldungen << text; };
    // The file does not store these two; the window starts with 2,0 and BGV C1 checked. The
    // factor may be typed with either decimal separator.
    if (aufruf->optionen.contains(QStringLiteral("--sicherheitsfaktor")))
        entwurf.eingaben.edtSicherheitsfaktor = EingabetextAusDatei(aufruf->option(QStringLiteral("--sicherheitsfaktor"), QString()));
    entwurf.eingaben.cbBGVC1 = bgvc1;
    try {
        if (!TraverseLaden(entwurf, datei)) {
            fehlerausgabe(meldungen.join(u'\n') + u'\n');
            return 2;
        }
    } catch (const Fehler& fehler) {
        fehlerausgabe(fehler.meldung() + u'\n');
        return 1;
    }
    if (aufruf->optionen.contains(QStringLiteral("--pdf"))) {
        meldungenAusgeben(meldungen);
        return SchreibeBerichtPdf(BerichtTraverse(entwurf, QDateTime::currentDateTime()), aufruf->option(QStringLiteral("--pdf")));
    }
    if (json)
        ausgabe(QString::fromUtf8(QJsonDocument(TraverseAlsJson(entwurf, meldungen)).toJson()));
    else
        ausgabe(TraverseAlsText(entwurf, meldungen));
    return 0;
}

const Befehlseintrag eintrag({QStringLiteral("traverse"),
                              QStringLiteral("traverse DATEI.prt [--json] [--sicherheitsfaktor TEXT] [--ohne-bgvc1] [--pdf AUSGABE.pdf]\n"
                                             "      berechnet eine Traversendatei wie das Traversenfenster und zeigt alle Ergebnisse; mit --pdf ihr Ausdruck"),
                              traverse});
} // namespace
