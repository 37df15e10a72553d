// Fields of the current row: reading and writing with conversion, display text.
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "tables/u_tabelle_impl.h"
#include <cmath>

namespace {
const QString wahr = QStringLiteral("True");
const QString falsch = QStringLiteral("False");

[[noreturn]] void keinFloat(const QString& text, const TFieldDef& def)
{
    throw Fehler(QStringLiteral("'%1' ist kein gültiger Fließkommawert für Feld '%2'")
                     .arg(text, def.name));
}

[[noreturn]] void keinInteger(const QString& text, const TFieldDef& def)
{
    throw Fehler(
        QStringLiteral("'%1' ist kein gültiger Integerwert für Feld '%2'").arg(text, def.name));
}

// "ja;nein": the texts of true and false.
std::pair<QString, QString> wahrheitstexte(const QString& wahrheitswerte)
{
    const qsizetype trenner = wahrheitswerte.indexOf(QLatin1Char(';'));
    if (wahrheitswerte.isEmpty() || trenner < 0)
        return {wahr, falsch};
    return {wahrheitswerte.left(trenner), wahrheitswerte.mid(trenner + 1)};
}

qint32 gerundet(double wert, const TFieldDef& def)
{
    const double r = std::round(wert);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        keinInteger(FloatZuText(wert), def);
    return qint32(r);
}

QString gekuerzt(const QString& text, const TFieldDef& def)
{
    return def.type == TFieldType::String && def.size > 0 && text.size() > def.size
        ? text.left(def.size)
        : text;
}

Wert ausGanzzahl(const TFieldDef& def, qint32 wert)
{
    switch (def.type) {
    case TFieldType::Float: return double(wert);
    case TFieldType::Boolean: return wert != 0;
    case TFieldType::String:
    case TFieldType::Memo: return gekuerzt(QString::number(wert), def);
    default: return wert;
    }
}

Wert ausFloat(const TFieldDef& def, double wert)
{
    switch (def.type) {
    case TFieldType::AutoInc:
    case TFieldType::Integer: return gerundet(wert, def);
    case TFieldType::Boolean: return wert != 0;
    case TFieldType::String:
    case TFieldType::Memo: return gekuerzt(FloatZuText(wert), def);
    default: return wert;
    }
}

Wert ausBoolean(const TFieldDef& def, bool wert, const QString& wahrheitswerte)
{
    switch (def.type) {
    case TFieldType::AutoInc:
    case TFieldType::Integer: return qint32(wert ? 1 : 0);
    case TFieldType::Float: return wert ? 1.0 : 0.0;
    case TFieldType::String:
    case TFieldType::Memo: {
        const auto [ja, nein] = wahrheitstexte(wahrheitswerte);
        return gekuerzt(wert ? ja : nein, def);
    }
    default: return wert;
    }
}

Wert ausText(const TFieldDef& def, const QString& text, const QString& wahrheitswerte)
{
    switch (def.type) {
    case TFieldType::AutoInc:
    case TFieldType::Integer: {
        if (text.isEmpty())
            return {};
        if (const auto zahl = TextZuInteger(text))
            return *zahl;
        keinInteger(text, def);
    }
    case TFieldType::Float: {
        if (text.isEmpty())
            return {};
        if (const auto zahl = TextZuFloat(text))
            return *zahl;
        keinFloat(text, def);
    }
    case TFieldType::Boolean: {
        if (text.isEmpty())
            return {};
        const auto [ja, nein] = wahrheitstexte(wahrheitswerte);
        if (text.compare(ja, Qt::CaseInsensitive) == 0 || text.compare(wahr, Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(nein, Qt::CaseInsensitive) == 0
            || text.compare(falsch, Qt::CaseInsensitive) == 0)
            return false;
        throw Fehler(QStringLiteral("'%1' ist kein gültiger Boolescher Wert für Feld '%2'")
                         .arg(text, def.name));
    }
    case TFieldType::DataSet:
        throw Fehler(QStringLiteral("Feld '%1' kann nicht geändert werden").arg(def.name));
    default: return gekuerzt(text, def);
    }
}
} // namespace

Wert feldwert(const TFieldDef& def, const QVariant& wert, const QString& wahrheitswerte)
{
    if (!wert.isValid() || wert.isNull())
        return {};
    switch (wert.typeId()) {
    case QMetaType::Bool: return ausBoolean(def, wert.toBool(), wahrheitswerte);
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: return ausGanzzahl(def, wert.toInt());
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qint64 zahl = wert.toLongLong();
        if (zahl >= INT32_MIN && zahl <= INT32_MAX && wert.typeId() != QMetaType::ULongLong)
            return ausGanzzahl(def, qint32(zahl));
        return ausFloat(def, wert.toDouble());
    }
    case QMetaType::Double:
    case QMetaType::Float: return ausFloat(def, wert.toDouble());
    default: return ausText(def, wert.toString(), wahrheitswerte);
    }
}

// ---------------------------------------------------------------------------------------------

namespace {
const TFieldDef& definition(const std::vector<TFieldDef>& liste, int index, const QString& name)
{
    if (index < 0 || index >= int(liste.size()))
        throw Fehler(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(name));
    return liste[index];
}
} // namespace

const QString& TField::FieldName() const { return m_name; }

TFieldType TField::DataType() const { return definition(m_tabelle->d->liste, m_index, m_name).type; }

int TField::Size() const { return definition(m_tabelle->d->liste, m_index, m_name).size; }

bool TField::Required() const { return definition(m_tabelle->d->liste, m_index, m_name).required; }

bool TField::Calculated() const { return definition(m_tabelle->d->liste, m_index, m_name).calculated; }

bool TField::IsNull() const
{
    definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (auto* kinder = std::get_if<Verschachtelt>(&wert))
        return !*kinder || (*kinder)->empty();
    return istNull(wert);
}

qint32 TField::AsInteger() const
{
    const TFieldDef& def = definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (auto* zahl = std::get_if<qint32>(&wert))
        return *zahl;
    if (auto* zahl = std::get_if<double>(&wert))
        return gerundet(*zahl, def);
    if (auto* b = std::get_if<bool>(&wert))
        return *b ? 1 : 0;
    if (auto* text = std::get_if<Text>(&wert)) {
        if (const auto zahl = TextZuInteger(**text))
            return *zahl;
        keinInteger(**text, def);
    }
    return 0;
}

double TField::AsFloat() const
{
    const TFieldDef& def = definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (auto* zahl = std::get_if<double>(&wert))
        return *zahl;
    if (auto* zahl = std::get_if<qint32>(&wert))
        return *zahl;
    if (auto* b = std::get_if<bool>(&wert))
        return *b ? 1 : 0;
    if (auto* text = std::get_if<Text>(&wert)) {
        if (const auto zahl = TextZuFloat(**text))
            return *zahl;
        keinFloat(**text, def);
    }
    return 0;
}

QString TField::AsString() const
{
    definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (auto* text = std::get_if<Text>(&wert))
        return **text;
    if (auto* zahl = std::get_if<qint32>(&wert))
        return QString::number(*zahl);
    if (auto* zahl = std::get_if<double>(&wert))
        return FloatZuText(*zahl);
    if (auto* b = std::get_if<bool>(&wert)) {
        const auto [ja, nein] = wahrheitstexte(DisplayValues);
        return *b ? ja : nein;
    }
    return {};
}

bool TField::AsBoolean() const
{
    const TFieldDef& def = definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (auto* b = std::get_if<bool>(&wert))
        return *b;
    if (auto* zahl = std::get_if<qint32>(&wert))
        return *zahl != 0;
    if (auto* zahl = std::get_if<double>(&wert))
        return *zahl != 0;
    if (auto* text = std::get_if<Text>(&wert)) {
        TFieldDef boolesch = def;
        boolesch.type = TFieldType::Boolean;
        const Wert gelesen = ausText(boolesch, **text, DisplayValues);
        return std::holds_alternative<bool>(gelesen) && std::get<bool>(gelesen);
    }
    return false;
}

QVariant TField::Value() const
{
    definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (auto* zahl = std::get_if<qint32>(&wert))
        return *zahl;
    if (auto* zahl = std::get_if<double>(&wert))
        return *zahl;
    if (auto* b = std::get_if<bool>(&wert))
        return *b;
    if (auto* text = std::get_if<Text>(&wert))
        return **text;
    return {};
}

QString TField::DisplayText() const
{
    const TFieldDef& def = definition(m_tabelle->d->liste, m_index, m_name);
    const Wert& wert = (*m_tabelle->d).wert(m_index);
    if (def.type == TFieldType::DataSet)
        return QStringLiteral("(DataSet)");
    if (auto* zahl = std::get_if<double>(&wert))
        return DisplayFormat.isEmpty() ? FloatZuText(*zahl) : FormatFloat(DisplayFormat, *zahl);
    if (auto* zahl = std::get_if<qint32>(&wert))
        return DisplayFormat.isEmpty() ? QString::number(*zahl) : FormatFloat(DisplayFormat, *zahl);
    return AsString();
}

void TField::SetAsInteger(qint32 wert)
{
    (*m_tabelle->d).setze(m_index, ausGanzzahl(definition(m_tabelle->d->liste, m_index, m_name), wert));
}

void TField::SetAsFloat(double wert)
{
    (*m_tabelle->d).setze(m_index, ausFloat(definition(m_tabelle->d->liste, m_index, m_name), wert));
}

void TField::SetAsString(const QString& wert)
{
    (*m_tabelle->d).setze(m_index, ausText(definition(m_tabelle->d->liste, m_index, m_name), wert, DisplayValues));
}

void TField::SetAsBoolean(bool wert)
{
    (*m_tabelle->d).setze(m_index, ausBoolean(definition(m_tabelle->d->liste, m_index, m_name), wert, DisplayValues));
}

void TField::SetValue(const QVariant& wert)
{
    (*m_tabelle->d).setze(m_index, feldwert(definition(m_tabelle->d->liste, m_index, m_name), wert, DisplayValues));
}

void TField::Clear()
{
    const TFieldDef& def = definition(m_tabelle->d->liste, m_index, m_name);
    if (def.type == TFieldType::DataSet)
        (*m_tabelle->d).setze(m_index, Verschachtelt::neu());
    else
        (*m_tabelle->d).setze(m_index, Wert{});
}
