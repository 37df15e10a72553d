#pragma once
// A workbook of one sheet in the Excel 97 format: BIFF8 records (text cells through the shared
// string table, numeric cells, column widths, cell alignment) in the "Workbook" stream of an OLE2 compound file.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class XlsArbeitsmappe {
public:
    enum class Ausrichtung { Standard, Rechts, Zentriert };

    static constexpr int MaxZeilen = 65536;
    static constexpr int MaxSpalten = 256;
    static constexpr int MaxTextlaenge = 32767; // longer cell texts are cut

    void Leeren();
    void SetzeBlattname(const QString& name); // at most 31 characters are kept
    // Width in 1/256 of the standard character width.
    void SetzeSpaltenbreite(int ersteSpalte, int letzteSpalte, int breite);
    // A cell format besides the default (index 0); returns its index.
    int FormatHinzufuegen(Ausrichtung ausrichtung);
    void SetzeText(int spalte, int zeile, const QString& text, int format = 0);
    // A numeric cell (the spreadsheet can sum and sort it); a value that is not finite is refused.
    void SetzeZahl(int spalte, int zeile, double zahl, int format = 0);

    // The bytes of the Workbook stream.
    QByteArray Biff8() const;
    // Writes the compound file, replacing the target only when everything was written;
    // "Datei %s kann nicht erstellt werden" otherwise.
    void Speichern(const QString& pfad) const;

private:
    struct Spaltenbreite {
        int erste;
        int letzte;
        int breite;
    };
    struct Zelle {
        QString text;
        int format;
        std::optional<double> zahl; // a numeric cell; text is then unused
    };
    void pruefeZelle(int spalte, int zeile, int format) const;
    QString m_blattname = QStringLiteral("Tabelle1");
    std::vector<Spaltenbreite> m_breiten;
    std::vector<Ausrichtung> m_formate;
    std::map<std::pair<int, int>, Zelle> m_zellen; // (row, column)
};
