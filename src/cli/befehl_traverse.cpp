// kelvara-cli traverse: loads a truss file as the truss window does and prints its results.
#include "cli/u_befehle.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "truss/u_traversenausgabe.h"
#include "truss/u_traversendatei.h"
#include <QJsonDocument>

namespace {
// Keeps the messages of the runs for the output instead of showing them.
class GesammelteMeldungen : public KonsolenDialoge {
public:
    GesammelteMeldungen() { setzeDialoge(this); }
    ~GesammelteMeldungen() override { setzeDialoge(nullptr); }
    void Meldung(const QString& text) override { meldungen.append(text); }
    QStringList meldungen;
};

int traverse(const QStringList& argumente)
{
    QString datei;
    bool json = false;
    bool bgvc1 = true;
    QString sicherheitsfaktor = QStringLiteral("2,0");
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente.at(i);
        if (a == QStringLiteral("--json"))
            json = true;
        else if (a == QStringLiteral("--ohne-bgvc1"))
            bgvc1 = false;
        else if (a == QStringLiteral("--sicherheitsfaktor") && i + 1 < argumente.size())
            sicherheitsfaktor = argumente.at(++i);
        else if (datei.isEmpty() && !a.startsWith(QStringLiteral("--")))
            datei = a;
        else {
            fehlerausgabe(QStringLiteral("Unbekanntes Argument: %1\n").arg(a));
            return 2;
        }
    }
    if (datei.isEmpty()) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli traverse DATEI.prt [--json] [--sicherheitsfaktor TEXT] [--ohne-bgvc1]\n"));
        return 2;
    }

    GesammelteMeldungen dialog;
    Traversenentwurf entwurf;
    // The file does not store these two; the window starts with "2,0" and BGV C1 checked.
    entwurf.eingaben.edtSicherheitsfaktor = sicherheitsfaktor;
    entwurf.eingaben.cbBGVC1 = bgvc1;
    try {
        if (!TraverseLaden(entwurf, datei)) {
            fehlerausgabe(dialog.meldungen.join(u'\n') + u'\n');
            return 2;
        }
    } catch (const Fehler& fehler) {
        fehlerausgabe(fehler.meldung() + u'\n');
        return 1;
    }
    if (json)
        ausgabe(QString::fromUtf8(QJsonDocument(TraverseAlsJson(entwurf, dialog.meldungen)).toJson()));
    else
        ausgabe(TraverseAlsText(entwurf, dialog.meldungen));
    return 0;
}

const Befehlseintrag eintrag({QStringLiteral("traverse"),
                              QStringLiteral("traverse DATEI.prt [--json] [--sicherheitsfaktor TEXT] [--ohne-bgvc1]\n"
                                             "      berechnet eine Traversendatei wie das Traversenfenster und zeigt alle Ergebnisse"),
                              traverse});
} // namespace
