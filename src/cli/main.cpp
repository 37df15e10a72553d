// kelvara-cli: computes, converts and prints the program's documents without a window.
#include "cli/u_befehle.h"
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>

namespace {
std::vector<Befehl>& liste()
{
    static std::vector<Befehl> befehle;
    return befehle;
}

void hilfe()
{
    ausgabe(QStringLiteral("Kelvara VLX – Befehlszeile\n\nAufruf: kelvara-cli BEFEHL [ARGUMENTE]\n\nBefehle:\n"));
    for (const auto& b : befehle())
        ausgabe(QStringLiteral("  %1\n").arg(b.hilfe));
    ausgabe(QStringLiteral("\n  --help   zeigt diese Hilfe\n"));
}
} // namespace

void registriereBefehl(Befehl befehl) { liste().push_back(std::move(befehl)); }
const std::vector<Befehl>& befehle() { return liste(); }

void ausgabe(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

void fehlerausgabe(const QString& text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
}

void meldungAusgeben(const QString& text) { fehlerausgabe(text + u'\n'); }

void meldungenAusgeben(const QStringList& meldungen)
{
    for (const QString& text : meldungen)
        meldungAusgeben(text);
}

std::optional<Aufruf> LeseAufruf(const QStringList& argumente, const QStringList& schalter,
                                 const QStringList& optionen, const QString& aufrufzeile, bool dateiNoetig)
{
    Aufruf aufruf;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (schalter.contains(a)) {
            aufruf.schalter.insert(a);
        } else if (optionen.contains(a) && i + 1 < argumente.size()) {
            aufruf.optionen.insert(a, argumente[++i]);
        } else if (aufruf.datei.isEmpty() && !a.startsWith(QStringLiteral("--"))) {
            aufruf.datei = a;
        } else {
            fehlerausgabe(QStringLiteral("Unbekanntes Argument: %1\nAufruf: kelvara-cli %2\n").arg(a, aufrufzeile));
            return std::nullopt;
        }
    }
    if (dateiNoetig && aufruf.datei.isEmpty()) {
        fehlerausgabe(QStringLiteral("Aufruf: kelvara-cli %1\n").arg(aufrufzeile));
        return std::nullopt;
    }
    return aufruf;
}

int main(int argc, char** argv)
{
    // Reports are painted to PDF without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    if (argumente.isEmpty() || argumente.first() == QStringLiteral("--help") || argumente.first() == QStringLiteral("-h")) {
        hilfe();
        return argumente.isEmpty() ? 2 : 0;
    }
    const QString name = argumente.takeFirst();
    for (const auto& b : befehle())
        if (b.name == name)
            return b.ausfuehren(argumente);
    fehlerausgabe(QStringLiteral("Unbekannter Befehl: %1 (kelvara-cli --help zeigt alle)\n").arg(name));
    return 2;
}
