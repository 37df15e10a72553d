// kelvara-cli spannweiten: the span load table of a library truss, optionally exported as .xls.
#include "calculator/u_export.h"
#include "cli/u_befehle.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "truss/u_travbibfelder.h"
#include "truss/u_traversenbibliothek.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace {

const QString Aufruf = QStringLiteral(
    "spannweiten --bibliothek DATEI (--zeile NUMMER | --traverse \"Hersteller|Name\") "
    "[--eigenlast-einheit kg|N|kN] [--gleichlast-einheit kg/m|N/m|kN/m|kg|N|kN] "
    "[--drittel Einzel|Doppel] [--viertel Einzel|Doppel|Drei] [--ohne-bgvc1] [--xls AUSGABE.xls] [--json]");

struct Optionen {
    QString bibliothek;
    std::optional<qint32> zeile;
    std::optional<QString> traverse;
    QString xls;
    bool json = false;
};

bool waehleText(Auswahlliste& auswahl, const QString& text)
{
    const int i = int(auswahl.eintraege().indexOf(text));
    if (i < 0)
        return false;
    auswahl.waehle(i);
    return true;
}

// Reads the options into o and the calculator's choices; an error text when they do not fit.
QString leseOptionen(const QStringList& a, Optionen& o, KalkulatorEinstellungen& e)
{
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString& name = a[i];
        if (name == QStringLiteral("--json")) {
            o.json = true;
            continue;
        }
        if (name == QStringLiteral("--ohne-bgvc1")) {
            e.bgvc1 = false;
            continue;
        }
        if (i + 1 >= a.size())
            return QStringLiteral("Unbekanntes Argument oder fehlender Wert: %1").arg(name);
        const QString wert = a[++i];
        bool gut = true;
        if (name == QStringLiteral("--bibliothek"))
            o.bibliothek = wert;
        else if (name == QStringLiteral("--zeile")) {
            bool zahl = false;
            o.zeile = wert.toInt(&zahl);
            gut = zahl;
        } else if (name == QStringLiteral("--traverse"))
            o.traverse = wert;
        else if (name == QStringLiteral("--xls"))
            o.xls = wert;
        else if (name == QStringLiteral("--eigenlast-einheit"))
            gut = waehleText(e.cmbEigenlast, wert);
        else if (name == QStringLiteral("--gleichlast-einheit"))
            gut = waehleText(e.cmbGleichlast, wert);
        else if (name == QStringLiteral("--drittel"))
            gut = waehleText(e.cmbDrittel, wert);
        else if (name == QStringLiteral("--viertel"))
            gut = waehleText(e.cmbViertel, wert);
        else
            return QStringLiteral("Unbekanntes Argument: %1").arg(name);
        if (!gut)
            return QStringLiteral("Ungültiger Wert für %1: %2").arg(name, wert);
    }
    if (o.bibliothek.isEmpty() || o.zeile.has_value() == o.traverse.has_value())
        return QStringLiteral("Aufruf: kelvara-cli ") + Aufruf;
    return {};
}

bool findeZeile(Traversenbibliothek& bib, const Optionen& o)
{
    if (o.zeile)
        return bib.cds_travbib.Locate({Travbibfeld::Nummer}, {*o.zeile});
    const qsizetype strich = o.traverse->indexOf(u'|');
    if (strich < 0)
        return false;
    return bib.cds_travbib.Locate({Travbibfeld::Hersteller, Travbibfeld::Name}, 
                                  {o.traverse->left(strich), o.traverse->mid(strich + 1)});
}

QString farbe(Zeilenfarbe f) { return f == Zeilenfarbe::Schwarz ? QStringLiteral("schwarz") : QStringLiteral("grau"); }

QString alsJson(const Traversenkalkulator& k)
{
    QJsonArray zeilen;
    for (const TTravLaenge& l : k.laengen)
        zeilen.append(QJsonObject{{QStringLiteral("laenge"), l.Laenge},
                                  {QStringLiteral("eigenlast"), l.GesamtEigenlast()},
                                  {QStringLiteral("streckenlast"), l.Streckenlast()},
                                  {QStringLiteral("punktlast"), l.Punktlast()},
                                  {QStringLiteral("drittelpunkte"), l.Drittelpunktlast()},
                                  {QStringLiteral("viertelpunkte"), l.Viertelpunktlast()},
                                  {QStringLiteral("aussenlast"), l.Aussenlast()},
                                  {QStringLiteral("farbe"), farbe(l.Farbe())}});
    QJsonObject o{{QStringLiteral("name"), k.Name()},
                  {QStringLiteral("zeilen"), zeilen},
                  {QStringLiteral("begrenzt"), k.begrenzt()}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

QString alsText(const Traversenkalkulator& k)
{
    QString text = k.Name() + QStringLiteral("\n\n");
    const int breite = 22;
    for (int s = 0; s < Traversenkalkulator::Spalten; ++s)
        text += k.Kopftext(s).rightJustified(breite);
    text += u'\n';
    for (const TTravLaenge& l : k.laengen) {
        for (int s = 0; s < Traversenkalkulator::Spalten; ++s)
            text += k.Zelltext(l, s).rightJustified(breite);
        text += QStringLiteral("  ") + farbe(l.Farbe()) + u'\n';
    }
    if (k.begrenzt())
        text += u'\n' + Traversenkalkulator::Begrenzungstext() + u'\n';
    return text;
}

// The window's export, run without a user: the question about an existing file is printed and
// answered No, a write error is printed.
bool exportiert(const Traversenkalkulator& kalkulator, const QString& pfad)
{
    try {
        return Exportieren(kalkulator, pfad, FrageBejaht);
    } catch (const Fehler& f) {
        meldungAusgeben(f.meldung());
        return false;
    }
}

int spannweiten(const QStringList& argumente)
{
    Optionen o;
    Traversenkalkulator kalkulator;
    if (const QString fehler = leseOptionen(argumente, o, kalkulator.einstellungen); !fehler.isEmpty()) {
        fehlerausgabe(fehler + u'\n');
        return 2;
    }
    Traversenbibliothek bib;
    try {
        bib.BibliothekLesen(o.bibliothek);
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
    if (!findeZeile(bib, o)) {
        fehlerausgabe(QStringLiteral("Keine solche Traverse in der Bibliothek\n"));
        return 1;
    }
    kalkulator.ZeigeLaengen(bib.cds_travbib);
    if (kalkulator.ungueltig()) {
        fehlerausgabe(Traversenkalkulator::Ungueltigtext() + u'\n');
        return 1;
    }
    ausgabe(o.json ? alsJson(kalkulator) : alsText(kalkulator));
    if (!o.xls.isEmpty() && !exportiert(kalkulator, o.xls)) {
        fehlerausgabe(QStringLiteral("Die Datei %1 wurde nicht geschrieben.\n").arg(o.xls));
        return 1;
    }
    return 0;
}

const Befehlseintrag eintrag{Befehl{
    QStringLiteral("spannweiten"),
    Aufruf + QStringLiteral("   zulässige Lasten je Spannweite einer Traverse der Bibliothek"), spannweiten}};

} // namespace
