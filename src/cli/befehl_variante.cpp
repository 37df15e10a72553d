// kelvara-cli variante DATEI.pre [--json] [--positionen]: reads a single project, runs Berechnen
// and prints the load cases, the support forces, the envelope, the utilisation and the total load.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_einzelprojekt.h"
#include "cli/u_befehle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using namespace Tragfallfeld;
const Feldname Tragfallfelder[] = {Nummer,       Lager_1,           Lager_2,  Lagerpos_1,
                                   Lagerpos_2,   Lagerkraft_1,      Lagerkraft_2, MaximaleQuerkraft,
                                   MaximalesBiegemoment, MaxQProz,  MaxMProz};
const char* const Tragfallspalten[] = {"Nr.", "Lg 1", "Lg 2", "Pos 1", "Pos 2", "Kraft Lg 1", "Kraft Lg 2",
                                       "max Q [N]", "max M [Nm]", "Max Q [%]", "Max M [%]"};
const char* const Tragfallschluessel[] = {"Nummer", "Lager_1", "Lager_2", "Lagerpos_1", "Lagerpos_2", "Lagerkraft_1",
                                          "Lagerkraft_2", "maxQ", "maxM", "MaxQProz", "MaxMProz"};
const Feldname Maximafelder[] = {Maximafeld::X, Maximafeld::Q_min, Maximafeld::Q_max, Maximafeld::M_min,
                                 Maximafeld::M_max};
const Feldname Positionsfelder[] = {Positionsfeld::X, Positionsfeld::Q, Positionsfeld::M};
const Feldname Lagerfelder[] = {Lagerfeld::Nummer, Lagerfeld::Berechnet};

QJsonValue zahl(const TField& f)
{
    if (f.IsNull())
        return QJsonValue(QJsonValue::Null);
    if (f.DataType() == TFieldType::Float)
        return f.AsFloat();
    return f.AsInteger();
}

template <std::size_t N>
QString zeile(TBClientDataSet& t, const Feldname (&felder)[N])
{
    QStringList werte;
    for (const Feldname name : felder)
        werte.append(t.FieldByName(name).DisplayText().trimmed());
    return werte.join(u'\t') + u'\n';
}

QJsonArray positionen(TBClientDataSet& p)
{
    QJsonArray liste;
    for (p.First(); !p.Eof(); p.Next()) {
        QJsonObject o;
        for (const Feldname name : Positionsfelder)
            o.insert(name.text(), zahl(p.FieldByName(name)));
        liste.append(o);
    }
    return liste;
}

// Forces in N, moments in N·m, the deflection in m downwards; a support that would pull has 0.
// Values the beam cannot give (unstable) are null.
QJsonObject durchlaufJson(const Durchlaufergebnis& e)
{
    const QJsonValue nichts(QJsonValue::Null);
    QJsonArray lager;
    for (const Durchlauflager& l : e.lager)
        lager.append(QJsonObject{{"Nummer", l.nummer}, {"Kraft", e.stabil ? QJsonValue(l.kraft) : nichts}});
    QJsonValue durchbiegung = nichts;
    if (e.durchbiegung)
        durchbiegung = QJsonObject{{"max", e.durchbiegung->max},
                                   {"x", e.durchbiegung->x},
                                   {"verhaeltnis", e.durchbiegung->verhaeltnis ? QJsonValue(*e.durchbiegung->verhaeltnis) : nichts}};
    return QJsonObject{{"lager", lager},
                       {"maxM", e.stabil ? QJsonValue(e.maxM) : nichts},
                       {"maxQ", e.stabil ? QJsonValue(e.maxQ) : nichts},
                       {"durchbiegung", durchbiegung},
                       {"meldungen", QJsonArray::fromStringList(Meldungstexte(e))}};
}

QString alsJson(Balkenmodell& m, Balkenrechnung& r, bool mitPositionen)
{
    QJsonArray tragfaelle;
    for (r.cds_tragfaelle.First(); !r.cds_tragfaelle.Eof(); r.cds_tragfaelle.Next()) {
        QJsonObject o;
        for (std::size_t i = 0; i < std::size(Tragfallfelder); ++i)
            o.insert(QString::fromUtf8(Tragfallschluessel[i]),
                     zahl(r.cds_tragfaelle.FieldByName(Tragfallfelder[i])));
        if (mitPositionen)
            o.insert(QStringLiteral("Positionen"), positionen(r.cds_positionen));
        tragfaelle.append(o);
    }
    QJsonArray lager;
    for (m.cds_lager.First(); !m.cds_lager.Eof(); m.cds_lager.Next())
        lager.append(QJsonObject{{"Nummer", zahl(m.cds_lager.FieldByName(Lagerfeld::Nummer))},
                                 {"Berechnet", zahl(m.cds_lager.FieldByName(Lagerfeld::Berechnet))}});
    QJsonArray maxima;
    for (r.cds_maxima.First(); !r.cds_maxima.Eof(); r.cds_maxima.Next()) {
        QJsonObject o;
        for (const Feldname name : Maximafelder)
            o.insert(name.text(), zahl(r.cds_maxima.FieldByName(name)));
        maxima.append(o);
    }
    const QJsonObject gesamt{{"tragfaelle", tragfaelle},
                             {"lager", lager},
                             {"maxima", maxima},
                             {"auslastung", r.auslastung ? QJsonValue(*r.auslastung) : QJsonValue(QJsonValue::Null)},
                             {"gesamtlast", r.gesamtlast},
                             {"meldungen", QJsonArray::fromStringList(r.meldungen)},
                             {"durchlauftraeger", durchlaufJson(*r.durchlauf)}};
    return QString::fromUtf8(QJsonDocument(gesamt).toJson(QJsonDocument::Indented));
}

QString alsText(Balkenmodell& m, Balkenrechnung& r, bool mitPositionen)
{
    QString text = Uebersetzt(2628, QStringLiteral("Tragfälle")) + u'\n';
    QStringList titel;
    for (std::size_t i = 0; i < std::size(Tragfallspalten); ++i)
        titel.append(Uebersetzt(2629 + int(i), QString::fromUtf8(Tragfallspalten[i])));
    text += titel.join(u'\t') + u'\n';
    for (r.cds_tragfaelle.First(); !r.cds_tragfaelle.Eof(); r.cds_tragfaelle.Next()) {
        text += zeile(r.cds_tragfaelle, Tragfallfelder);
        if (!mitPositionen)
            continue;
        for (r.cds_positionen.First(); !r.cds_positionen.Eof(); r.cds_positionen.Next())
            text += u'\t' + zeile(r.cds_positionen, Positionsfelder);
    }
    text += u'\n' + Uebersetzt(2601, QStringLiteral("Lager")) + u'\n';
    text += Uebersetzt(2602, QStringLiteral("Nr.")) + u'\t' + Uebersetzt(2611, QStringLiteral("berechnet [N]")) + u'\n';
    for (m.cds_lager.First(); !m.cds_lager.Eof(); m.cds_lager.Next())
        text += zeile(m.cds_lager, Lagerfelder);
    text += u'\n' + Uebersetzt(2640, QStringLiteral("Maxima")) + u'\n';
    text += QStringLiteral("X\tQ_min\tQ_max\tM_min\tM_max\n");
    for (r.cds_maxima.First(); !r.cds_maxima.Eof(); r.cds_maxima.Next())
        text += zeile(r.cds_maxima, Maximafelder);
    text += u'\n' + Uebersetzt(2081, QStringLiteral("Auslastung")) + QStringLiteral(": ") + r.statusAuslastung + u'\n';
    text += r.statusGesamtlast + u'\n';
    return text;
}

int variante(const QStringList& argumente)
{
    const auto aufruf = LeseAufruf(argumente, {QStringLiteral("--json"), QStringLiteral("--positionen")}, {},
                                   QStringLiteral("variante DATEI.pre [--json] [--positionen]"));
    if (!aufruf)
        return 2;
    const QString& datei = aufruf->datei;
    const bool json = aufruf->hat(QStringLiteral("--json"));
    const bool mitPositionen = aufruf->hat(QStringLiteral("--positionen"));
    try {
        Balkenmodell modell;
        Meldungen meldungen;
        const bool gelesen = LeseEinzelprojekt(modell, datei, meldungen);
        meldungenAusgeben(meldungen);
        if (!gelesen)
            return 1;
        modell.ZaehlerSetzen();
        Balkenrechnung rechnung(modell);
        meldungenAusgeben(rechnung.Berechnen());
        ausgabe(json ? alsJson(modell, rechnung, mitPositionen) : alsText(modell, rechnung, mitPositionen));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("variante"),
                              QStringLiteral("variante DATEI.pre [--json] [--positionen]   rechnet ein Einzelprojekt und zeigt Tragfälle, Lagerkräfte, Maxima und Auslastung"),
                              variante});

} // namespace
