#pragma once
// TBClientDataSet: the in-memory record table that holds all document data.
//
// A table has stored fields (its structure, written to the packet) and calculated fields; both
// stand in one field list in the order they were defined, because rows are copied between tables
// of one layout by field position. Values may be null. A nested-table field holds, per row, rows
// of its child structure; a detail table bound to it shows those of the master's current row.
//
// Errors are thrown as Fehler with the German texts the user sees; the table keeps the state it
// had before the failing operation.
//
// Calculated fields survive a new structure: when a packet replaces the structure, or a detail
// takes its structure from the master, each calculated field of FieldDefs goes after the stored
// field it followed before. A TField object stays valid (with its DisplayFormat) as long as a
// field of its name is in the field list.
//
// Editing, appending or deleting in a detail puts the master row into edit; posting or moving the
// master first posts the pending rows of its details. Cancelling a master edit does not take back
// the detail rows already posted. Auto-increment fields are read-only; a nested table's counter
// is shared by the nested rows under all master rows.
#include "tables/u_feldname.h"
#include <QIODevice>
#include <QObject>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

enum class TFieldType { AutoInc, Integer, String, Float, Boolean, Memo, DataSet };

struct TFieldDef {
    QString name;
    TFieldType type = TFieldType::Integer;
    int size = 0;            // string: characters; memo: display width
    bool required = false;
    bool calculated = false; // part of the field list, never stored
    std::vector<TFieldDef> children; // of a nested-table field
};

// The definition of a layout's named field; required and children are set on the result.
TFieldDef Felddef(Feldname name, TFieldType typ, int groesse = 0, bool berechnet = false);

class TBClientDataSet;
struct TTabellenDaten; // rows, counters and change state; shared by a master and its details

class TField {
public:
    const QString& FieldName() const;
    TFieldType DataType() const;
    int Size() const;
    bool Required() const;
    bool Calculated() const;
    int Index() const { return m_index; }

    bool IsNull() const;
    qint32 AsInteger() const;   // null reads 0
    double AsFloat() const;     // null reads 0
    QString AsString() const;   // null reads empty; numbers as their general text
    bool AsBoolean() const;     // null reads false
    QVariant Value() const;     // null: an invalid QVariant
    QString DisplayText() const; // with DisplayFormat / DisplayValues; null gives the empty text

    void SetAsInteger(qint32 wert);
    void SetAsFloat(double wert);
    // On a number field the text is read as a number: "'%s' ist kein gültiger Fließkommawert für
    // Feld '%s'" or "'%s' ist kein gültiger Integerwert für Feld '%s'" when it does not convert;
    // the empty text sets null.
    void SetAsString(const QString& wert);
    void SetAsBoolean(bool wert);
    void SetValue(const QVariant& wert); // invalid QVariant sets null
    void Clear();

    // Float fields: a FormatFloat mask. Boolean fields: "ja;nein".
    QString DisplayFormat;
    QString DisplayValues;

private:
    friend class TBClientDataSet;
    TField(TBClientDataSet* tabelle, int index, QString name)
        : m_tabelle(tabelle), m_index(index), m_name(std::move(name))
    {
    }
    TBClientDataSet* m_tabelle;
    int m_index; // -1 once the field left the table's field list (the object stays valid)
    QString m_name;
};

enum class TDataSetState { Inactive, Browse, Edit, Insert, CalcFields };

struct TIndexDef {
    QString name;
    QString fields; // "Sortierung;Nummer"
    bool unique = false;
};

class TBClientDataSet : public QObject {
    Q_OBJECT
public:
    explicit TBClientDataSet(QObject* parent = nullptr);
    ~TBClientDataSet() override;

    // Structure and life
    std::vector<TFieldDef> FieldDefs; // stored and calculated fields in field-list order
    void CreateDataSet();             // empty table of FieldDefs, opened
    void Open();                      // the rows kept since Close, or an empty table of FieldDefs
    void Close();                     // keeps the rows; a detail closes with its master
    bool Active() const;
    // The next auto-increment number of the level this table shows (1 when it has no such field).
    qint32 AutoIncValue() const;
    TDataSetState State() const;
    // Binds this table as detail of master's nested field; its structure comes from the master,
    // its calculated fields from its own FieldDefs (set them before binding). One detail per
    // nested field. The detail opens and closes with the master.
    void SetDataSetField(TBClientDataSet& master, Feldname feldname);

    QString IndexFieldNames() const; // "Sortierung;Nummer"
    void SetIndexFieldNames(std::initializer_list<Feldname> felder); // none: the order of adding
    void AddIndex(const TIndexDef& index);
    void SetIndexName(const QString& name); // makes a named index current
    const std::vector<TIndexDef>& IndexDefs() const;

    // Navigation
    void First();
    void Next();
    void Prior();
    void Last();
    bool Bof() const;
    bool Eof() const;
    int RecordCount() const; // rows shown (a detail: those of the master's current row)
    int RecNo() const;       // 1-based position of the cursor in the ordering, 0 when empty
    void SetRecNo(int nummer);

    // Search
    bool Locate(std::initializer_list<Feldname> felder, const QVariantList& werte);
    bool FindKey(const QVariantList& werte);

    // Changing
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    void CheckBrowseMode();

    // Fields of the current row
    int FieldCount() const;
    TField& Fields(int index);
    TField& FieldByName(Feldname name); // "Das Feld '%s' wurde nicht gefunden"
    TField* FindField(Feldname name);

    // One calculator per table; what follows opening, posting and deleting are the signals below.
    std::function<void(TBClientDataSet&)> OnCalcFields; // sets the calculated fields of the row

    // While disabled (counted), no change signal is sent; enabling again sends DatenGeaendert.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const;

    // Reading a row by its position (1-based, in the ordering) without moving the cursor, for
    // grids; calculated fields are computed for that row.
    QVariant WertBei(int nummer, int feld);
    QString AnzeigeTextBei(int nummer, int feld);

    // Sized packets: 4-byte length, then the packet.
    // Posts a pending edit; "Stream-Schreibfehler" when not every byte is written. The packet
    // holds the current rows with status 0 and no change log.
    void SchreibeInStream(QIODevice& stream);
    // Closes the table and reads a sized packet; a stream ending inside the length gives
    // "Stream-Lesefehler", a length of 0 or below is an error too. On any error the table stays
    // closed. Change-logged packets are read, showing only their current rows.
    void LeseAusStream(QIODevice& stream);
    QByteArray Paket();                    // the packet bytes alone
    void AusPaket(const QByteArray& paket); // replaces structure and content

Q_SIGNALS:
    void DatenGeaendert();    // rows added, removed, reordered or the table reopened
    void ZeileGeaendert();    // a value of the current row changed
    void PositionGeaendert(); // the cursor moved
    // After the change signals of the step, and even while controls are disabled.
    void NachOeffnen();  // opened or reopened
    void NachPost();     // a row was posted
    void NachLoeschen(); // a row was deleted

private:
    friend class TField;
    friend class Tabellenfuellung;
    friend void KopiereZeilen(TBClientDataSet& quelle, TBClientDataSet& ziel);
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Silences a table while code rewrites or walks it: no listener hears of a single step; at the
// end the grids are told once that the rows changed.
class StilleTabelle {
public:
    explicit StilleTabelle(TBClientDataSet& tabelle) : m_tabelle(tabelle), m_still(&tabelle)
    {
        m_tabelle.DisableControls();
    }
    ~StilleTabelle()
    {
        m_still.unblock();
        m_tabelle.EnableControls();
    }
    StilleTabelle(const StilleTabelle&) = delete;
    StilleTabelle& operator=(const StilleTabelle&) = delete;

private:
    TBClientDataSet& m_tabelle;
    QSignalBlocker m_still;
};

// Fills a table by code, much faster than Append, the field setters and Post: each row goes
// behind the last one of the ordering without comparing keys and without a change signal; the
// table tells its change once, when Fertig ends the fill, and then stands on its first row, its
// details showing that row's nested rows. Rows should come in the order of the current index
// (Fertig sorts them in when they do not). Values are converted as by the field setters, the
// auto-increment field is numbered, calculated fields are computed when read. Nested rows whose
// fields are all numbers or flags are kept packed until a table shows them. NachPost is not
// sent. A table with a unique index or a required field is filled with Append and Post.
// A fill ended by an exception keeps the rows appended so far and sends the change.
class Tabellenfuellung {
public:
    explicit Tabellenfuellung(TBClientDataSet& tabelle); // posts a pending edit first
    // The nested rows of the rows master appends, for the detail table bound to that field.
    Tabellenfuellung(Tabellenfuellung& master, TBClientDataSet& detail);
    Tabellenfuellung(const Tabellenfuellung&) = delete;
    Tabellenfuellung& operator=(const Tabellenfuellung&) = delete;
    ~Tabellenfuellung();

    void NeueZeile(); // every value null; a nested fill goes under the master's newest row
    void Reserviere(int zeilen); // room for that many more rows where NeueZeile appends
    // Fields by their index in the table's field list, into the newest row.
    void Setze(int feld, double wert);
    void Setze(int feld, qint32 wert);
    void Setze(int feld, const QVariant& wert); // an invalid QVariant: null
    void Fertig();

private:
    struct Ziel;
    std::unique_ptr<Ziel> z;
};

// Deletes the target's rows, then appends every source row, setting field i of the target to the
// value of field i of the source for every position of the source's field list.
void KopiereZeilen(TBClientDataSet& quelle, TBClientDataSet& ziel);
