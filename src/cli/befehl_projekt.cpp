// kelvara-cli projekt DATEI.prp [--json] [--berechnen]: reads a project and prints its data, its
// trusses and their variants; with --berechnen every variant is computed as the beam editor would,
// truss-force loads taking the support forces stored in the project. --riggingpunkte AUSGABE.xls
// writes the rigging points of the trusses' main variants as a spreadsheet.
#include "cli/u_befehle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "project/u_projektberechnung.h"
#include "project/u_riggingplan.h"
#include "spreadsheet/u_xls.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue zahl(const QVariant& wert)
{
    return wert.isValid() ? QJsonValue::fromVariant(wert) : QJsonValue(QJsonValue::Null);
}

QJsonObject alsJson(const Variantenzeile& w)
{
    QJsonObject o{{"Nummer", w.verweis.variante},
                  {"Name", w.name},
                  {"Status", w.status},
                  {"Auslastung", zahl(w.auslastung)}};
    if (!w.gerechnet)
        return o;
    QJsonObject b;
    if (!w.fehler.isEmpty()) {
        b.insert(QStringLiteral("fehler"), w.fehler);
    } else {
        QJsonArray lager;
        for (const Lagerergebnis& l : w.lager)
            lager.append(QJsonObject{{"Nummer", l.nummer}, {"Berechnet", l.berechnet}});
        b.insert(QStringLiteral("auslastung"),
                 w.neueAuslastung ? QJsonValue(*w.neueAuslastung) : QJsonValue(QJsonValue::Null));
        b.insert(QStringLiteral("lager"), lager);
        b.insert(QStringLiteral("meldungen"), QJsonArray::fromStringList(w.meldungen));
    }
    o.insert(QStringLiteral("berechnet"), b);
    return o;
}

QString alsJson(const Projektmodell& p, const std::vector<Traversenzeile>& traversen)
{
    QJsonArray liste;
    for (const Traversenzeile& t : traversen) {
        QJsonArray varianten;
        for (const Variantenzeile& w : t.varianten)
            varianten.append(alsJson(w));
        liste.append(QJsonObject{{"Nummer", t.nummer},
                                 {"Name", t.name},
                                 {"Variante", zahl(t.variante)},
                                 {"varianten", varianten}});
    }
    const QJsonObject gesamt{{"name", p.name}, {"bearbeiter", p.bearbeiter}, {"traversen", liste}};
    return QString::fromUtf8(QJsonDocument(gesamt).toJson(QJsonDocument::Indented));
}

QString alsText(const Projektmodell& p, const std::vector<Traversenzeile>& traversen)
{
    QString text = Uebersetzt(1834, QStringLiteral("Name: ")) + p.name + u'\n'
        + Uebersetzt(1835, QStringLiteral("verantwortlicher Bearbeiter:")) + u' ' + p.bearbeiter + u'\n';
    const QString prozent = QStringLiteral("0.00 %");
    for (const Traversenzeile& t : traversen) {
        text += u'\n' + Uebersetzt(1850, QStringLiteral("Traverse:")) + u' ' + QString::number(t.nummer)
            + QStringLiteral("  ") + t.name + u'\n';
        for (const Variantenzeile& w : t.varianten) {
            text += u'\t' + Uebersetzt(1851, QStringLiteral("Variante")) + u' '
                + QString::number(w.verweis.variante) + QStringLiteral("  ") + w.name + u'\t' + w.status + u'\t'
                + (w.auslastung.isValid() ? FormatFloat(prozent, w.auslastung.toDouble()) : QString()) + u'\n';
            if (!w.gerechnet)
                continue;
            if (!w.fehler.isEmpty()) {
                text += QStringLiteral("\t\t") + w.fehler + u'\n';
                continue;
            }
            text += QStringLiteral("\t\t") + Uebersetzt(1854, QStringLiteral("Auslastung")) + QStringLiteral(": ")
                + (w.neueAuslastung ? FormatFloat(prozent, *w.neueAuslastung) : QStringLiteral("—")) + u'\n';
            for (const Lagerergebnis& l : w.lager)
                text += QStringLiteral("\t\t%1\t").arg(l.nummer)
                    + FormatFloat(QStringLiteral("### ##0.00"), l.berechnet).trimmed() + QStringLiteral(" N\n");
            for (const QString& meldung : w.meldungen)
                text += QStringLiteral("\t\t") + meldung + u'\n';
        }
    }
    return text;
}

int projekt(const QStringList& argumente)
{
    const auto aufruf = LeseAufruf(argumente, {QStringLiteral("--json"), QStringLiteral("--berechnen")},
                                   {QStringLiteral("--riggingpunkte")},
                                   QStringLiteral("projekt DATEI.prp [--json] [--berechnen] [--riggingpunkte AUSGABE.xls]"));
    if (!aufruf)
        return 2;
    const QString& datei = aufruf->datei;
    const bool json = aufruf->hat(QStringLiteral("--json"));
    const bool berechnen = aufruf->hat(QStringLiteral("--berechnen"));
    try {
        Projektmodell p;
        Meldungen meldungen;
        const bool geladen = p.Laden(datei, meldungen);
        meldungenAusgeben(meldungen);
        if (!geladen)
            return 1;
        if (aufruf->optionen.contains(QStringLiteral("--riggingpunkte"))) {
            if (berechnen)
                for (const QString& meldung : AlleVariantenBerechnen(p))
                    fehlerausgabe(meldung + u'\n');
            XlsArbeitsmappe mappe;
            FuelleRiggingpunkte(ErstelleRiggingplan(p), mappe);
            mappe.Speichern(aufruf->option(QStringLiteral("--riggingpunkte")));
            return 0;
        }
        std::vector<Traversenzeile> traversen = LiesTraversen(p);
        if (berechnen)
            for (Traversenzeile& t : traversen)
                for (Variantenzeile& w : t.varianten)
                    meldungenAusgeben(Rechne(p, w));
        ausgabe(json ? alsJson(p, traversen) : alsText(p, traversen));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("projekt"),
                              QStringLiteral("projekt DATEI.prp [--json] [--berechnen] [--riggingpunkte AUSGABE.xls]\n"
                                             "      zeigt Projektdaten, Traversen und Varianten; rechnet mit --berechnen jede Variante;\n"
                                             "      schreibt mit --riggingpunkte die Riggingpunkte als Excel-Tabelle"),
                              projekt});

} // namespace
