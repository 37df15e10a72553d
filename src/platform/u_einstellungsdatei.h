#pragma once
// The settings file "Kelvara.ini": sections in brackets, then key=value lines. Names compare
// without regard to case. Reading drops blank lines, comments (';') and lines before the first
// section and trims every name and value, so writing back gives only sections and trimmed lines.
#include <QString>
#include <vector>

class Einstellungsdatei {
public:
    explicit Einstellungsdatei(QString pfad); // reads the file; a missing one reads as empty
    QString LeseString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const;
    int LeseInteger(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    void SchreibeString(const QString& abschnitt, const QString& schluessel, const QString& wert);
    void SchreibeInteger(const QString& abschnitt, const QString& schluessel, int wert);
    bool Speichern() const; // false when the file cannot be written

private:
    struct Eintrag { QString schluessel, wert; };
    struct Abschnitt { QString name; std::vector<Eintrag> eintraege; };
    const Eintrag* finde(const QString& abschnitt, const QString& schluessel) const;
    QString m_pfad;
    std::vector<Abschnitt> m_abschnitte;
};
