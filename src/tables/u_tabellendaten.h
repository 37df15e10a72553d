#pragma once
// The rows of a table and the structure they follow, shared by a master table and its details.
//
// A value is a small variant of 16 bytes: null, integer, float, boolean, text, or (in a
// nested-table field) the nested rows of the row. Numbers live inside the value, texts and
// nested rows behind one shared pointer.
//
// Nested rows filled by code whose fields are all numbers or flags stay packed at 8 bytes a
// value (a beam's 780 load cases of 982 sections take 18 MB instead of 55) until a table
// shows, changes or writes them: the first look at the rows unpacks them.
#include "tables/u_tabelle.h"
#include <QExplicitlySharedDataPointer>
#include <QSharedData>
#include <QAtomicInt>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <memory>
#include <new>
#include <utility>
#include <variant>
#include <vector>

struct Zeile;
using Zeilen = std::vector<Zeile>;

// A piece of memory shared by many value lists and texts: the rows read from one packet or filled
// by code take their values and texts from such blocks instead of one allocation each. A block
// goes with the last value list or text carved from it.
struct Sammelblock {
    QAtomicInt ref{1};
    static void freigeben(Sammelblock* block)
    {
        if (!block->ref.deref()) {
            block->~Sammelblock();
            ::operator delete(block);
        }
    }
};

// Carves pieces from blocks of 64 KiB (a larger piece gets a block of its own); it holds the
// block it carves from until it is destroyed.
class Sammelspeicher {
public:
    Sammelspeicher() = default;
    Sammelspeicher(const Sammelspeicher&) = delete;
    Sammelspeicher& operator=(const Sammelspeicher&) = delete;
    ~Sammelspeicher()
    {
        if (m_block)
            Sammelblock::freigeben(m_block);
    }
    // bytes of memory aligned for a Wert; block names the block that holds it.
    void* nimm(std::size_t bytes, Sammelblock*& block);

private:
    Sammelblock* m_block = nullptr;
    char* m_frei = nullptr;
    char* m_ende = nullptr;
};

// bytes of memory for a value list or a text: carved from speicher when one is given (block names
// its block), else an allocation of its own (block null).
inline void* nimmStueck(std::size_t bytes, Sammelspeicher* speicher, Sammelblock*& block)
{
    block = nullptr;
    return speicher ? speicher->nimm(bytes, block) : ::operator new(bytes);
}

// Gives back a piece taken by nimmStueck.
inline void gibStueck(void* stueck, Sammelblock* block)
{
    if (block)
        Sammelblock::freigeben(block);
    else
        ::operator delete(stueck);
}

// A text value: an unchanging text shared by every copy of the value. Its characters follow
// the count and length in one allocation (a text read from a packet costs one, not two); the
// empty text takes none.
class Text {
public:
    Text(QStringView text)
        : Text(gefuellt(text.size(), [&](char16_t* ziel) { std::copy_n(text.utf16(), text.size(), ziel); }))
    {
    }
    Text(const QString& text) : Text(QStringView(text)) {} // a QString is stored as a Text
    // A text of laenge characters written by fuelle(char16_t*) before anyone shares it, in memory
    // of its own or, given speicher, carved from it.
    template <typename Fueller>
    static Text gefuellt(qsizetype laenge, Fueller fuelle, Sammelspeicher* speicher = nullptr)
    {
        Text t;
        if (laenge > 0) {
            Sammelblock* block;
            t.k = new (nimmStueck(sizeof(Kopf) + sizeof(char16_t) * std::size_t(laenge), speicher, block)) Kopf;
            t.k->block = block;
            t.k->laenge = laenge;
            fuelle(t.k->zeichen());
        }
        return t;
    }
    Text(const Text& andere) noexcept : k(andere.k)
    {
        if (k)
            k->ref.ref();
    }
    Text(Text&& andere) noexcept : k(std::exchange(andere.k, nullptr)) {}
    Text& operator=(Text andere) noexcept
    {
        std::swap(k, andere.k);
        return *this;
    }
    ~Text()
    {
        if (k && !k->ref.deref()) {
            Sammelblock* block = k->block;
            k->~Kopf();
            gibStueck(k, block);
        }
    }

    QStringView ansicht() const { return k ? QStringView(k->zeichen(), k->laenge) : QStringView(); }
    QString operator*() const { return ansicht().toString(); }
    bool leer() const { return !k; }

private:
    Text() = default;
    struct Kopf {
        QAtomicInt ref{1};
        Sammelblock* block = nullptr; // holds the text; null when it is an allocation of its own
        qsizetype laenge = 0;
        char16_t* zeichen() { return reinterpret_cast<char16_t*>(this + 1); }
    };
    Kopf* k = nullptr;
};

// The rows of a nested-table value, shared by the value and the detail tables showing them.
class Verschachtelt {
public:
    Verschachtelt() = default; // no row list
    static Verschachtelt neu(); // an empty row list
    static Verschachtelt neu(Zeilen zeilen);
    Verschachtelt(const Verschachtelt&) = default;
    Verschachtelt(Verschachtelt&&) noexcept = default;
    Verschachtelt& operator=(const Verschachtelt&) = default;
    Verschachtelt& operator=(Verschachtelt&&) noexcept = default;
    ~Verschachtelt();

    Zeilen& operator*() const; // unpacks packed rows
    Zeilen* operator->() const { return &**this; }
    // The packed rows to append to, for a level of these field types: an empty row list becomes
    // packed; nullptr when the list already holds unpacked rows.
    struct Gepackt;
    Gepackt* packen(const std::vector<TFieldType>& typen) const;
    explicit operator bool() const { return bool(d); }
    bool operator==(const Verschachtelt& andere) const { return d == andere.d; }

private:
    void entpacken() const; // kept out of line, so that every look at the rows stays cheap
    struct Block;
    QExplicitlySharedDataPointer<Block> d;
};

using Wert = std::variant<std::monostate, qint32, double, bool, Text, Verschachtelt>;

// The values of one row, their count fixed when the row is made. Up to three live inside the row
// (the section forces of a load case cost no allocation); more live behind a pointer, in an
// allocation of their own or in a Sammelblock.
class Werte {
public:
    Werte() noexcept {}
    Werte(const Werte& andere) { kopiereVon(andere); }
    Werte(Werte&& andere) noexcept { nimmVon(andere); }
    Werte& operator=(const Werte& andere)
    {
        if (this == &andere)
            return *this;
        if (andere.m_anzahl == m_anzahl) { // a posted edit: no new memory
            std::copy_n(andere.data(), m_anzahl, data());
            return *this;
        }
        leeren();
        kopiereVon(andere);
        return *this;
    }
    Werte& operator=(Werte&& andere) noexcept
    {
        if (this != &andere) {
            leeren();
            nimmVon(andere);
        }
        return *this;
    }
    ~Werte() { leeren(); }

    // anzahl values: the first ones kept, new ones null.
    void resize(qsizetype anzahl);
    // anzahl null values in memory carved from speicher; the list must be empty.
    void anlegen(qsizetype anzahl, Sammelspeicher& speicher);

    qsizetype size() const { return m_anzahl; }
    Wert* data() { return m_anzahl <= Innen ? m_innen : m_aussen; }
    const Wert* data() const { return m_anzahl <= Innen ? m_innen : m_aussen; }
    Wert& operator[](qsizetype i) { return data()[i]; }
    const Wert& operator[](qsizetype i) const { return data()[i]; }
    Wert* begin() { return data(); }
    Wert* end() { return data() + m_anzahl; }
    const Wert* begin() const { return data(); }
    const Wert* end() const { return data() + m_anzahl; }

private:
    static constexpr qsizetype Innen = 3;
    void leeren() noexcept;
    void kopiereVon(const Werte& andere);
    void nimmVon(Werte& andere) noexcept;
    // Room for anzahl values (null), inside or from a piece (see nimmStueck); the list must be empty.
    Wert* platz(qsizetype anzahl, Sammelspeicher* speicher = nullptr);

    qsizetype m_anzahl = 0;
    Sammelblock* m_block = nullptr; // holds m_aussen; null when m_aussen is an allocation of its own
    union {
        Wert m_innen[Innen];
        Wert* m_aussen;
    };
};

struct Zeile {
    Werte werte; // one per stored field of the level
};

// Rows whose stored fields are all integers, floats or flags: one double per value (an integer
// or a flag is exact in it), row after row, and per row one bit per value marking a null.
struct Verschachtelt::Gepackt {
    std::vector<TFieldType> typen; // per stored field
    std::vector<double> zahlen;
    std::vector<quint8> nullen;    // (typen.size() + 7) / 8 bytes a row

    static bool moeglich(const std::vector<TFieldType>& typen);
    std::size_t anzahl() const { return zahlen.size() / typen.size(); }
    std::size_t nullbytes() const { return (typen.size() + 7) / 8; }
    void neueZeile() // every value null
    {
        for (std::size_t i = 0; i < typen.size(); ++i)
            zahlen.push_back(0);
        for (std::size_t i = 0; i < nullbytes(); ++i)
            nullen.push_back(0xFF);
    }
    void reserviere(std::size_t zeilen);
    Zeilen entpackt() const;
};

struct Verschachtelt::Block : QSharedData {
    Zeilen zeilen;
    std::unique_ptr<Gepackt> gepackt; // set while the rows are packed; zeilen is then empty
};

inline Verschachtelt Verschachtelt::neu(Zeilen zeilen)
{
    Verschachtelt v;
    v.d = new Block;
    v.d->zeilen = std::move(zeilen);
    return v;
}

inline Verschachtelt Verschachtelt::neu() { return neu(Zeilen()); }

inline Verschachtelt::~Verschachtelt() = default;

inline Zeilen& Verschachtelt::operator*() const
{
    if (d->gepackt) [[unlikely]]
        entpacken();
    return d->zeilen;
}

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
    Verschachtelt zeilen = Verschachtelt::neu();
};
