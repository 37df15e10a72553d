// kelvara-cli belastung: the calculated values of a load table file.
#include "cli/u_befehle.h"
#include "cli/u_berichtsausgabe.h"
#include "language/u_uebersetzung.h"
#include "loadtable/g_bericht_belastung.h"
#include "loadtable/u_belastungsdatei.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The titles of the window's grid columns (ids 1520 to 1528).
const char* const Titel[] = {"Länge",         "Einzellast",     "Einzellast [N]",
                             "Streckenlast",  "Streckenlast [N/m]", "Querkraft [N]",
                             "Biegemoment [Nm]", "Querkraft [N]", "Biegemoment [Nm]"};

QJsonValue jsonWert(const QVariant& wert)
{
    return wert.isValid() && !wert.isNull() ? QJsonValue(wert.toDouble()) : QJsonValue();
}

QString alsJson(Belastungstabelle& b, const QStringList& meldungen)
{
    QJsonArray zeilen;
    auto& t = b.cds_traverse;
    if (t.Active())
        for (t.First(); !t.Eof(); t.Next()) {
            QJsonObject zeile;
            for (const Feldname feld : Belastungsfeld::Spalten)
                zeile.insert(feld.text(), jsonWert(t.FieldByName(feld).Value()));
            zeilen.append(zeile);
        }
    QJsonObject o{{QStringLiteral("eigenlast"), b.ergebnisse.eigenlast},
                  {QStringLiteral("querkraft"), b.ergebnisse.querkraft},
                  {QStringLiteral("biegemoment"), b.ergebnisse.biegemoment},
                  {QStringLiteral("normalkraft"), b.ergebnisse.normalkraft},
                  {QStringLiteral("zeilen"), zeilen},
                  {QStringLiteral("meldungen"), QJsonArray::fromStringList(meldungen)}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

QString alsText(Belastungstabelle& b, const QStringList& meldungen)
{
    const BelastungsEingaben& e = b.eingaben;
    QString text;
    auto zeile = [&text](const QString& titel, const QString& wert) { text += titel + u' ' + wert + u'\n'; };
    auto beschriftung = [](int id, const char* deutsch) { return Uebersetzt(id, QString::fromUtf8(deutsch)); };
    zeile(beschriftung(1501, "Hersteller:"), e.hersteller);
    zeile(beschriftung(1502, "Name:"), e.name);
    zeile(beschriftung(1504, "Bearbeiter:"), e.bearbeiter);
    zeile(beschriftung(1506, "Gewicht:"), e.gewicht + u' ' + e.cmbGewicht.angezeigterText());
    zeile(beschriftung(1507, "Länge:"), e.laenge + u' ' + e.cmbLaenge1.angezeigterText());
    zeile(beschriftung(1508, "Anzahl der Gurte:"), QString::number(e.gurte));
    zeile(beschriftung(1509, "horizontale Diagonalen") + u':', e.horizontaleDiagonalen ? QStringLiteral("ja") : QStringLiteral("nein"));
    zeile(beschriftung(1510, "Höhe:"), e.hoehe + u' ' + e.cmbHoehe.angezeigterText());
    zeile(beschriftung(1511, "Breite:"), e.breite + u' ' + e.cmbHoehe.angezeigterText());
    zeile(beschriftung(1514, "zulässige Querkraft:"), e.querkraft + QStringLiteral(" N"));
    zeile(beschriftung(1515, "zulässiges Biegemoment:"), e.biegemoment + QStringLiteral(" Nm"));
    zeile(QStringLiteral("Einheiten der Tabelle:"), e.cmbLaenge2.angezeigterText() + QStringLiteral(", ")
                                                        + e.cmbEinzellast.angezeigterText() + QStringLiteral(", ")
                                                        + e.cmbStreckenlast.angezeigterText());
    text += u'\n';
    auto& t = b.cds_traverse;
    if (t.Active()) {
        QStringList kopf;
        for (int i = 0; i < 9; ++i)
            kopf.append(Uebersetzt(1520 + i, QString::fromUtf8(Titel[i])).rightJustified(20));
        text += kopf.join(QString()) + u'\n';
        for (t.First(); !t.Eof(); t.Next()) {
            QStringList werte;
            for (const Feldname feld : Belastungsfeld::Spalten)
                werte.append(t.FieldByName(feld).DisplayText().rightJustified(20));
            text += werte.join(QString()) + u'\n';
        }
        text += u'\n';
    }
    zeile(beschriftung(1505, " Eigenlast: ").trimmed(), b.EigenlastText().trimmed());
    zeile(beschriftung(1514, "zulässige Querkraft:"), b.QuerkraftText().trimmed());
    zeile(beschriftung(1515, "zulässiges Biegemoment:"), b.BiegemomentText().trimmed());
    zeile(beschriftung(1513, "zulässige Normalkraft in den Gurten:"), b.NormalkraftText().trimmed());
    for (const QString& m : meldungen)
        zeile(QStringLiteral("Meldung:"), m);
    return text;
}

int belastung(const QStringList& argumente)
{
    const auto aufruf = LeseAufruf(argumente, {QStringLiteral("--json")}, {QStringLiteral("--pdf")},
                                   QStringLiteral("belastung DATEI.prb [--json] [--pdf AUSGABE.pdf]"));
    if (!aufruf)
        return 2;
    const QString& datei = aufruf->datei;
    const bool json = aufruf->hat(QStringLiteral("--json"));
    Meldungen meldungen;
    Belastungstabelle tabelle;
    bool gueltig = false;
    try {
        gueltig = BelastungstabelleLaden(tabelle, datei, meldungen);
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
    if (aufruf->optionen.contains(QStringLiteral("--pdf"))) {
        if (!gueltig) {
            fehlerausgabe(meldungen.join(u'\n') + u'\n');
            return 1;
        }
        return SchreibeBerichtPdf(BerichtBelastungstabelle(tabelle, BerichtsdiagrammGroesse, QDateTime::currentDateTime()),
                                  aufruf->option(QStringLiteral("--pdf")));
    }
    ausgabe(json ? alsJson(tabelle, meldungen) : alsText(tabelle, meldungen));
    return gueltig ? 0 : 1;
}

const Befehlseintrag eintrag{Befehl{
    QStringLiteral("belastung"),
    QStringLiteral("belastung DATEI.prb [--json] [--pdf AUSGABE.pdf]\n"
                   "      Eigenlast, zulässige Kräfte und alle Zeilen einer Belastungstabelle; mit --pdf ihr Ausdruck"),
    belastung}};

} // namespace
