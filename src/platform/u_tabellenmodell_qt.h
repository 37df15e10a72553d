#pragma once
// A grid's view of a TBClientDataSet: one row per table row in the table's ordering, one column
// per chosen field. Editing a cell posts the value at once; a refused value is shown and the row
// cancelled, so the table never keeps half an edit.
#include "tables/u_tabelle.h"
#include <QAbstractTableModel>
#include <QPointer>
#include <map>
#include <optional>

class QTableView;

class Tabellenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    // An empty list of field names shows every field of the table.
    explicit Tabellenmodell(TBClientDataSet& tabelle, const std::vector<Feldname>& felder = {},
                            QObject* eltern = nullptr);

    TBClientDataSet& Tabelle() const { return m_tabelle; }
    void setzeSpaltentitel(int spalte, const QString& titel);
    QString Spaltentitel(int spalte) const;
    void setzeNurLesen(int spalte, bool nurLesen);

    // A new row as the grid's insert gives it: shown below the table's rows, its cells held by
    // the model until Uebernehmen appends and posts them in one go. A refused row stays pending
    // (the message is shown), so nothing typed is lost and no half row reaches the table.
    void NeueZeileBeginnen();
    bool NeueZeileUebernehmen();
    void NeueZeileVerwerfen();
    bool HatNeueZeile() const { return m_neu.has_value(); }
    bool NeueZeileGetippt() const { return m_neu && !m_neu->empty(); }
    // Deletes the row of the grid's line zeile (0-based); a pending new row is discarded instead.
    void LoescheZeile(int zeile);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    int Textlaenge(int spalte) const; // characters a text field takes; 0 for other fields

private:
    void neuAufbauen();
    int feldIndex(int spalte) const;
    TBClientDataSet& m_tabelle;
    QStringList m_feldnamen;
    QStringList m_titel;
    std::vector<int> m_felder;
    std::map<int, bool> m_nurLesen;
    int m_zeilen = 0;
    std::optional<std::map<int, QString>> m_neu; // field index -> typed text
};

// Keeps the grid's current row and the table's cursor together, both ways; the grid's editors
// take no more characters than a text field holds.
void BindeAuswahl(QTableView* grid, Tabellenmodell& modell);
// Keys as in a spreadsheet for a grid over a Tabellenmodell: Tab and Return go to the next editable cell, from the last column to
// the first of the next row, and past the last row into a new row when neueZeilen (Shift+Tab goes
// back); Ctrl+Del deletes the current row once the user said Yes to "Zeile %d löschen?".
void TastenWieTabellenkalkulation(QTableView* grid, bool neueZeilen);
// Takes every cell edit still open in a bound grid under fenster into its table, as Return would,
// and a new row with typed cells as leaving it would.
void OffeneZellenUebernehmen(QWidget* fenster);
