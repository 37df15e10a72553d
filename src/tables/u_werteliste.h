#pragma once
// Settings as lines "name=value". The entry of a name is the first line whose part before the
// first '=' equals the name without regard to letter case; nothing is trimmed.
#include "tables/u_auswahl.h"
#include <QDateTime>
#include <QStringList>

class TWerteliste {
public:
    TWerteliste() = default;
    explicit TWerteliste(const QString& text) { setzeText(text); }

    // Every line followed by CR LF; split at CR LF, lone CR, lone LF; a NUL ends the text.
    QString text() const;
    void setzeText(const QString& text);
    const QStringList& zeilen() const { return m_zeilen; }

    bool Enthaelt(const QString& name) const { return eintrag(name) >= 0; }
    QString LeseString(const QString& name, const QString& vorgabe) const;
    qint32 LeseInteger(const QString& name, qint32 vorgabe) const;
    // Either "," or "." is the decimal separator, whatever the locale.
    double LeseFloat(const QString& name, double vorgabe) const;
    // A number stored as typed: the text with the locale's decimal separator, whichever the file has.
    QString LeseZahltext(const QString& name) const;
    bool LeseBoolean(const QString& name, bool vorgabe) const;
    void LeseAuswahl(const QString& name, Auswahl& auswahl) const;

    void SchreibeString(const QString& name, const QString& wert);
    void SchreibeInteger(const QString& name, qint32 wert);
    void SchreibeFloat(const QString& name, double wert);
    void SchreibeDatumZeit(const QString& name, const QDateTime& wert);
    void SchreibeBoolean(const QString& name, bool wert);
    void SchreibeAuswahl(const QString& name, const Auswahl& auswahl);

private:
    int eintrag(const QString& name) const; // line index or -1
    QStringList m_zeilen;
};
