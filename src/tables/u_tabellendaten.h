#pragma once
// The rows of a table and the structure they follow, shared by a master table and its details.
//
// A value is a small variant: null, integer, float, boolean, text, or (in a nested-table field)
// the nested rows of the row. Numbers live inside the value, so a row costs one allocation for
// its value vector; each nested-table field of a row owns its own row list.
#include "tables/u_tabelle.h"
#include <QString>
#include <memory>
#include <variant>
#include <vector>

struct Zeile;
using Zeilen = std::vector<Zeile>;
using Verschachtelt = std::shared_ptr<Zeilen>;
using Wert = std::variant<std::monostate, qint32, double, bool, QString, Verschachtelt>;

struct Zeile {
    std::vector<Wert> werte; // one per stored field of the level
};

inline bool istNull(const Wert& wert) { return std::holds_alternative<std::monostate>(wert); }

// The structure of one table level: its stored fields, one child level per nested-table field
// and the auto-increment counter shared by all rows of the level (under every master row).
struct Ebene {
    std::vector<TFieldDef> felder;        // stored fields only (children may list calculated ones)
    std::vector<int> kindIndex;           // per field: index into kinder, -1 when not nested
    std::vector<std::unique_ptr<Ebene>> kinder;
    int autoincFeld = -1;                 // index of the auto-increment field, -1 when none
    qint32 naechsterAutoinc = 1;

    // Levels of this one and all below it.
    int anzahlTabellen() const;
    // A new row: every value null, every nested-table field an empty row list.
    Zeile neueZeile() const;
};

// Builds the level of the stored fields of defs (calculated fields left out), recursively.
std::unique_ptr<Ebene> baueEbene(const std::vector<TFieldDef>& defs);

// A full copy of rows, nested rows included.
Zeilen kopiereZeilen(const Zeilen& zeilen);

struct TTabellenDaten {
    std::unique_ptr<Ebene> ebene;
    Verschachtelt zeilen = std::make_shared<Zeilen>();
};
