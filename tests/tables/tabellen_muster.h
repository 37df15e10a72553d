#pragma once
// Table structures of the program's documents, for the table and packet tests.
#include "tables/u_tabelle.h"
#include <QByteArray>
#include <QString>

inline TFieldDef feld(const QString& name, TFieldType typ, int groesse = 0, bool pflicht = false)
{
    TFieldDef def;
    def.name = name;
    def.type = typ;
    def.size = groesse;
    def.required = pflicht;
    return def;
}

inline TFieldDef berechnetesFeld(const QString& name, TFieldType typ = TFieldType::Float)
{
    TFieldDef def = feld(name, typ);
    def.calculated = true;
    return def;
}

inline TFieldDef tabellenFeld(const QString& name, std::vector<TFieldDef> kinder)
{
    TFieldDef def = feld(name, TFieldType::DataSet);
    def.children = std::move(kinder);
    return def;
}

// The project's walls: Nummer, Symbol, Breite, markiert and the nested points.
inline std::vector<TFieldDef> wandFelder()
{
    return {feld("Nummer", TFieldType::AutoInc), feld("Symbol", TFieldType::Integer),
            feld("Breite", TFieldType::Float), feld("markiert", TFieldType::Boolean),
            tabellenFeld("Punkte", {feld("X", TFieldType::Float), feld("Y", TFieldType::Float)})};
}

// The load library.
inline std::vector<TFieldDef> lastbibFelder()
{
    return {feld("Nummer", TFieldType::AutoInc), feld("Werkzeug", TFieldType::Integer),
            feld("Name", TFieldType::String, 30, true), feld("Breite", TFieldType::Float),
            feld("Flaeche", TFieldType::Float), feld("Last", TFieldType::Float),
            feld("Einheit", TFieldType::String, 10)};
}

inline std::vector<TFieldDef> lagerFelder()
{
    return {feld("Nummer", TFieldType::Integer), feld("Name", TFieldType::String, 30),
            feld("Type", TFieldType::Integer), feld("Position", TFieldType::Float),
            feld("oben", TFieldType::Boolean), feld("Groesse", TFieldType::Float),
            feld("Eigenlast", TFieldType::Float), feld("Maximallast", TFieldType::Float),
            feld("Minimalkraft", TFieldType::Float), feld("Berechnet", TFieldType::Float),
            feld("markiert", TFieldType::Boolean)};
}

inline std::vector<TFieldDef> lastFelder()
{
    return {feld("Nummer", TFieldType::Integer), feld("Name", TFieldType::String, 30),
            feld("Type", TFieldType::Integer), feld("Pos1", TFieldType::Float),
            feld("Pos2", TFieldType::Float), feld("oben", TFieldType::Boolean),
            feld("Groesse", TFieldType::Float), feld("Last", TFieldType::Float),
            feld("Aequivalenzflaeche", TFieldType::Float), feld("markiert", TFieldType::Boolean)};
}

// Trusses with their variants, each variant with supports and loads.
inline std::vector<TFieldDef> projektFelder()
{
    return {feld("Nummer", TFieldType::AutoInc), feld("Sortierung", TFieldType::Integer),
            feld("Name", TFieldType::String, 30), feld("Notizen", TFieldType::Memo, 250),
            tabellenFeld("Variante",
                         {feld("Nummer", TFieldType::AutoInc), feld("Name", TFieldType::String, 30),
                          tabellenFeld("Lager", lagerFelder()),
                          tabellenFeld("Lasten", lastFelder())})};
}

inline QByteArray hex(const char* text) { return QByteArray::fromHex(text); }
