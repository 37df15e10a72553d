#pragma once
// Table structures of the program's documents, for the table and packet tests.
#include "tables/u_tabelle.h"
#include <QByteArray>
#include <QString>

// The field names of these structures and of the tests' own tables.
namespace Feld {
inline constexpr Feldname A{u"A"};
inline constexpr Feldname Berechnet{u"Berechnet"};
inline constexpr Feldname Berechnetkg{u"Berechnetkg"};
inline constexpr Feldname BerechnetProzent{u"berechnet [%]"};
inline constexpr Feldname Breite{u"Breite"};
inline constexpr Feldname Doppelt{u"Doppelt"};
inline constexpr Feldname Einheit{u"Einheit"};
inline constexpr Feldname F0{u"F0"};
inline constexpr Feldname f59999{u"f59999"};
inline constexpr Feldname F60000{u"F60000"};
inline constexpr Feldname Flaeche{u"Flaeche"};
inline constexpr Feldname Gewicht{u"Gewicht"};
inline constexpr Feldname Kind{u"Kind"};
inline constexpr Feldname Kraft{u"Kraft"};
inline constexpr Feldname Lager{u"Lager"};
inline constexpr Feldname Last{u"Last"};
inline constexpr Feldname Lasten{u"Lasten"};
inline constexpr Feldname M{u"M"};
inline constexpr Feldname markiert{u"markiert"};
inline constexpr Feldname Maximallast{u"Maximallast"};
inline constexpr Feldname Name{u"Name"};
inline constexpr Feldname negativ{u"negativ"};
inline constexpr Feldname Notiz{u"Notiz"};
inline constexpr Feldname Notizen{u"Notizen"};
inline constexpr Feldname Nummer{u"Nummer"};
inline constexpr Feldname oben{u"oben"};
inline constexpr Feldname Position{u"Position"};
inline constexpr Feldname Positionen{u"Positionen"};
inline constexpr Feldname Punkte{u"Punkte"};
inline constexpr Feldname Sortierung{u"Sortierung"};
inline constexpr Feldname Symbol{u"Symbol"};
inline constexpr Feldname Teile{u"Teile"};
inline constexpr Feldname Variante{u"Variante"};
inline constexpr Feldname Varianten{u"Varianten"};
inline constexpr Feldname Werkzeug{u"Werkzeug"};
inline constexpr Feldname Wert{u"Wert"};
inline constexpr Feldname X{u"X"};
} // namespace Feld

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
