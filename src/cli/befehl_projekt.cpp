// kelvara-cli projekt DATEI.prp [--json] [--berechnen]: reads a project and prints its data, its
// trusses and their variants; with --berechnen every variant is computed as the beam editor would,
// truss-force loads taking the support forces stored in the project.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "cli/u_befehle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "project/u_projektmodell.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Lagerergebnis {
    int nummer = 0;
    double berechnet = 0;
};

struct Variantenzeile {
    Variantenverweis verweis;
    QString name, status;
    QVariant auslastung;
    bool gerechnet = false;
    QString fehler;
    std::optional<double> neueAuslastung;
    std::vector<Lagerergebnis> lager;
    QStringList meldungen;
};

struct Traversenzeile {
    int nummer = 0;
    QString name;
    QVariant variante;
    std::vector<Variantenzeile> varianten;
};

QJsonValue zahl(const QVariant& wert)
{
    return wert.isValid() ? QJsonValue::fromVariant(wert) : QJsonValue(QJsonValue::Null);
}

// Read first, computed afterwards: the project's support forces move its cursors.
std::vector<Traversenzeile> liesTraversen(Projektmodell& p)
{
    std::vector<Traversenzeile> traversen;
    TBClientDataSet& t = p.cds_projekt;
    TBClientDataSet& v = p.cds_varianten;
    for (t.First(); !t.Eof(); t.Next()) {
        Traversenzeile z{t.FieldByName(QStringLiteral("Nummer")).AsInteger(),
                         t.FieldByName(QStringLiteral("Name")).AsString(),
                         t.FieldByName(QStringLiteral("Variante")).Value(),
                         {}};
        for (v.First(); !v.Eof(); v.Next()) {
            Variantenzeile w;
            w.verweis = p.AktuellerVerweis();
            w.name = v.FieldByName(QStringLiteral("Name")).AsString();
            w.status = v.FieldByName(QStringLiteral("Status")).AsString();
            w.auslastung = v.FieldByName(QStringLiteral("Auslastung")).Value();
            z.varianten.push_back(std::move(w));
        }
        traversen.push_back(std::move(z));
    }
    return traversen;
}

void rechne(Projektmodell& p, Variantenzeile& w)
{
    w.gerechnet = true;
    try {
        Balkenmodell m;
        if (!p.VarianteInEditor(w.verweis, m))
            return;
        m.ZaehlerSetzen();
        Balkenrechnung r(m);
        r.projekt = &p.Kraftquelle();
        r.Berechnen();
        w.neueAuslastung = r.auslastung;
        w.meldungen = r.meldungen;
        TBClientDataSet& l = m.cds_lager;
        for (l.First(); !l.Eof(); l.Next())
            w.lager.push_back({l.FieldByName(QStringLiteral("Nummer")).AsInteger(),
                               l.FieldByName(QStringLiteral("Berechnet")).AsFloat()});
    } catch (const Fehler& f) {
        w.fehler = f.meldung();
    }
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
    const auto aufruf = LeseAufruf(argumente, {QStringLiteral("--json"), QStringLiteral("--berechnen")}, {},
                                   QStringLiteral("projekt DATEI.prp [--json] [--berechnen]"));
    if (!aufruf)
        return 2;
    const QString& datei = aufruf->datei;
    const bool json = aufruf->hat(QStringLiteral("--json"));
    const bool berechnen = aufruf->hat(QStringLiteral("--berechnen"));
    try {
        Projektmodell p;
        if (!p.Laden(datei))
            return 1;
        std::vector<Traversenzeile> traversen = liesTraversen(p);
        if (berechnen)
            for (Traversenzeile& t : traversen)
                for (Variantenzeile& w : t.varianten)
                    rechne(p, w);
        ausgabe(json ? alsJson(p, traversen) : alsText(p, traversen));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("projekt"),
                              QStringLiteral("projekt DATEI.prp [--json] [--berechnen]   zeigt Projektdaten, Traversen und Varianten; rechnet mit --berechnen jede Variante"),
                              projekt});

} // namespace
