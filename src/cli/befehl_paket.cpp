// kelvara-cli paket: shows any document file of the program (header, values, tables) and can
// write it again with the program's own writers.
#include "cli/u_befehle.h"
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include "tables/u_tabelle.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <memory>
#include <variant>

namespace {

// What follows the header string in each kind of document.
struct Dokumentart {
    QString kopf;
    int texte;
    int ganzzahlen;
    int tabellen;
};

const std::vector<Dokumentart>& dokumentarten()
{
    static const std::vector<Dokumentart> arten = {
        {QStringLiteral("Kelvara VLX 1.0"), 0, 0, 1},
        {QStringLiteral("Kelvara VLX Traversendatei 2"), 1, 0, 0},
        {QStringLiteral("Kelvara VLX Traversenbibliothek 1.0"), 0, 0, 1},
        {QStringLiteral("Kelvara VLX Belastungstabelle 2"), 1, 0, 1},
        {QStringLiteral("Kelvara VLX Belastungstabelle"), 9, 6, 1},
        {QStringLiteral("Kelvara VLX Einzelprojekt 1.0"), 4, 0, 2},
        {QStringLiteral("Kelvara VLX Lastenbibliothek 1.0"), 0, 0, 1},
        {QStringLiteral("Kelvara VLX Projektdatei 1.0"), 3, 0, 2},
    };
    return arten;
}

using Wert = std::variant<QString, qint32>;

struct Dokument {
    QString kopf;
    std::vector<Wert> werte;
    std::vector<std::unique_ptr<TBClientDataSet>> tabellen;
};

const Dokumentart* artVon(const QString& kopf)
{
    for (const auto& art : dokumentarten())
        if (art.kopf == kopf)
            return &art;
    return nullptr;
}

QString typName(TFieldType typ)
{
    switch (typ) {
    case TFieldType::AutoInc: return QStringLiteral("autoinc");
    case TFieldType::Integer: return QStringLiteral("integer");
    case TFieldType::String: return QStringLiteral("string");
    case TFieldType::Float: return QStringLiteral("float");
    case TFieldType::Boolean: return QStringLiteral("boolean");
    case TFieldType::Memo: return QStringLiteral("memo");
    case TFieldType::DataSet: return QStringLiteral("tabelle");
    }
    return QString();
}

QJsonArray felderAlsJson(const std::vector<TFieldDef>& defs)
{
    QJsonArray felder;
    for (const TFieldDef& def : defs) {
        if (def.calculated)
            continue;
        QJsonObject feld{{QStringLiteral("name"), def.name},
                         {QStringLiteral("typ"), typName(def.type)},
                         {QStringLiteral("groesse"), def.size},
                         {QStringLiteral("pflicht"), def.required}};
        if (def.type == TFieldType::DataSet)
            feld.insert(QStringLiteral("felder"), felderAlsJson(def.children));
        felder.append(feld);
    }
    return felder;
}

QJsonValue wertAlsJson(TField& feld)
{
    if (feld.IsNull())
        return QJsonValue::Null;
    switch (feld.DataType()) {
    case TFieldType::AutoInc:
    case TFieldType::Integer: return feld.AsInteger();
    case TFieldType::Float: {
        const double zahl = feld.AsFloat();
        return std::isfinite(zahl) ? QJsonValue(zahl) : QJsonValue(QJsonValue::Null);
    }
    case TFieldType::Boolean: return feld.AsBoolean();
    default: return feld.AsString();
    }
}

// The rows of a table, each nested field as the list of its rows (walked through a detail table).
QJsonArray zeilenAlsJson(TBClientDataSet& tabelle)
{
    std::vector<std::pair<int, std::unique_ptr<TBClientDataSet>>> details;
    for (int i = 0; i < tabelle.FieldCount(); ++i)
        if (tabelle.Fields(i).DataType() == TFieldType::DataSet) {
            auto detail = std::make_unique<TBClientDataSet>();
            detail->SetDataSetField(tabelle, Feldname::Aus(tabelle.Fields(i).FieldName()));
            details.emplace_back(i, std::move(detail));
        }
    QJsonArray zeilen;
    for (tabelle.First(); !tabelle.Eof(); tabelle.Next()) {
        QJsonObject zeile;
        size_t naechstesDetail = 0;
        for (int i = 0; i < tabelle.FieldCount(); ++i) {
            TField& feld = tabelle.Fields(i);
            if (feld.Calculated())
                continue;
            if (naechstesDetail < details.size() && details[naechstesDetail].first == i)
                zeile.insert(feld.FieldName(), zeilenAlsJson(*details[naechstesDetail++].second));
            else
                zeile.insert(feld.FieldName(), wertAlsJson(feld));
        }
        zeilen.append(zeile);
    }
    return zeilen;
}

QJsonObject alsJson(Dokument& dok)
{
    QJsonArray werte;
    for (const Wert& w : dok.werte)
        werte.append(std::holds_alternative<QString>(w) ? QJsonValue(std::get<QString>(w)) : QJsonValue(std::get<qint32>(w)));
    QJsonArray tabellen;
    for (auto& t : dok.tabellen)
        tabellen.append(QJsonObject{{QStringLiteral("felder"), felderAlsJson(t->FieldDefs)},
                                    {QStringLiteral("autoinc"), t->AutoIncValue()},
                                    {QStringLiteral("zeilen"), zeilenAlsJson(*t)}});
    return QJsonObject{{QStringLiteral("kopf"), dok.kopf}, {QStringLiteral("werte"), werte}, {QStringLiteral("tabellen"), tabellen}};
}

QString einruecken(int tiefe) { return QString(2 * tiefe, u' '); }

QString wertAlsText(const QJsonValue& wert)
{
    if (wert.isNull())
        return QStringLiteral("(leer)");
    if (wert.isString())
        return QStringLiteral("\"%1\"").arg(wert.toString());
    return QString::fromUtf8(QJsonDocument(QJsonArray{wert}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

void zeilenAlsText(const QJsonArray& zeilen, int tiefe, QString& text)
{
    int nummer = 0;
    for (const QJsonValue& z : zeilen) {
        const QJsonObject zeile = z.toObject();
        text += einruecken(tiefe) + QStringLiteral("Zeile %1:").arg(++nummer);
        QStringList verschachtelt;
        for (auto it = zeile.begin(); it != zeile.end(); ++it) {
            if (it.value().isArray())
                verschachtelt << it.key();
            else
                text += QStringLiteral(" %1=%2").arg(it.key(), wertAlsText(it.value()));
        }
        text += u'\n';
        for (const QString& feld : verschachtelt) {
            text += einruecken(tiefe + 1) + feld + QStringLiteral(":\n");
            zeilenAlsText(zeile.value(feld).toArray(), tiefe + 2, text);
        }
    }
}

void felderAlsText(const QJsonArray& felder, int tiefe, QString& text)
{
    for (const QJsonValue& f : felder) {
        const QJsonObject feld = f.toObject();
        text += einruecken(tiefe) + QStringLiteral("%1 %2").arg(feld.value(QStringLiteral("name")).toString(),
                                                                feld.value(QStringLiteral("typ")).toString());
        if (feld.value(QStringLiteral("groesse")).toInt())
            text += QStringLiteral("(%1)").arg(feld.value(QStringLiteral("groesse")).toInt());
        if (feld.value(QStringLiteral("pflicht")).toBool())
            text += QStringLiteral(" Pflicht");
        text += u'\n';
        felderAlsText(feld.value(QStringLiteral("felder")).toArray(), tiefe + 1, text);
    }
}

QString alsText(const QJsonObject& json)
{
    QString text = QStringLiteral("Kopf: %1\n").arg(json.value(QStringLiteral("kopf")).toString());
    int nummer = 0;
    for (const QJsonValue& w : json.value(QStringLiteral("werte")).toArray())
        text += QStringLiteral("Wert %1: %2\n").arg(++nummer).arg(wertAlsText(w));
    nummer = 0;
    for (const QJsonValue& t : json.value(QStringLiteral("tabellen")).toArray()) {
        const QJsonObject tabelle = t.toObject();
        const QJsonArray zeilen = tabelle.value(QStringLiteral("zeilen")).toArray();
        text += QStringLiteral("Tabelle %1: %2 Zeilen, nächster Zähler %3\n")
                    .arg(++nummer)
                    .arg(zeilen.size())
                    .arg(tabelle.value(QStringLiteral("autoinc")).toInt());
        text += QStringLiteral("  Felder:\n");
        felderAlsText(tabelle.value(QStringLiteral("felder")).toArray(), 2, text);
        zeilenAlsText(zeilen, 1, text);
    }
    return text;
}

Dokument lies(const QString& datei, const Dokumentart*& art)
{
    DokumentLeser leser(datei);
    Dokument dok;
    dok.kopf = leser.Text();
    art = artVon(dok.kopf);
    if (!art)
        return dok;
    for (int i = 0; i < art->texte; ++i)
        dok.werte.emplace_back(leser.Text());
    for (int i = 0; i < art->ganzzahlen; ++i)
        dok.werte.emplace_back(leser.Integer());
    for (int i = 0; i < art->tabellen; ++i) {
        dok.tabellen.push_back(std::make_unique<TBClientDataSet>());
        leser.Tabelle(*dok.tabellen.back());
    }
    return dok;
}

void schreibe(Dokument& dok, const QString& datei)
{
    DokumentSchreiber schreiber(datei);
    schreiber.Text(dok.kopf);
    for (const Wert& w : dok.werte) {
        if (std::holds_alternative<QString>(w))
            schreiber.Text(std::get<QString>(w));
        else
            schreiber.Integer(std::get<qint32>(w));
    }
    for (auto& t : dok.tabellen)
        schreiber.Tabelle(*t);
    schreiber.Abschliessen();
}

int paket(const QStringList& argumente)
{
    const auto aufruf = LeseAufruf(argumente, {QStringLiteral("--json")}, {QStringLiteral("--umschreiben")},
                                   QStringLiteral("paket DATEI [--json] [--umschreiben AUSGABE]"));
    if (!aufruf)
        return 2;
    const QString& datei = aufruf->datei;
    const bool json = aufruf->hat(QStringLiteral("--json"));
    const QString ausgabeDatei = aufruf->option(QStringLiteral("--umschreiben"));
    try {
        const Dokumentart* art = nullptr;
        Dokument dok = lies(datei, art);
        if (!art) {
            fehlerausgabe(QStringLiteral("Unbekannter Dateikopf \"%1\": keine Datei von Kelvara VLX\n").arg(dok.kopf));
            return 2;
        }
        if (!ausgabeDatei.isEmpty()) {
            schreibe(dok, ausgabeDatei);
            return 0;
        }
        const QJsonObject inhalt = alsJson(dok);
        ausgabe(json ? QString::fromUtf8(QJsonDocument(inhalt).toJson(QJsonDocument::Indented)) : alsText(inhalt));
        return 0;
    } catch (const Fehler& f) {
        fehlerausgabe(f.meldung() + u'\n');
        return 1;
    }
}

const Befehlseintrag eintrag({QStringLiteral("paket"),
                              QStringLiteral("paket DATEI [--json] [--umschreiben AUSGABE]   zeigt eine Dokumentdatei "
                                             "(Kopf, Werte, Tabellen) oder schreibt sie neu"),
                              paket});
} // namespace
