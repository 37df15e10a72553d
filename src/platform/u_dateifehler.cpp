#include "platform/u_dateifehler.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"

Fehler DateiNichtErstellbar(const QString& datei)
{
    return Fehler(Format(Uebersetzt(1243, QStringLiteral("Datei %s kann nicht erstellt werden")), {datei}));
}

Fehler DateiNichtOeffenbar(const QString& datei)
{
    return Fehler(Format(Uebersetzt(1244, QStringLiteral("Datei %s kann nicht geöffnet werden")), {datei}));
}

Fehler StreamSchreibfehler() { return Fehler(Uebersetzt(1245, QStringLiteral("Stream-Schreibfehler"))); }

Fehler StreamLesefehler() { return Fehler(Uebersetzt(1246, QStringLiteral("Stream-Lesefehler"))); }

Fehler UngueltigerEigenschaftswert() { return Fehler(Uebersetzt(1247, QStringLiteral("Ungültiger Eigenschaftswert"))); }
