#include "truss/u_traversenausgabe.h"
#include <QJsonArray>

namespace {
constexpr int Spaltenbreite = 18; // the widest cell, "### ### ##0.00 kg", fits with a blank
}

QJsonObject TraverseAlsJson(const Traversenentwurf& entwurf, const QStringList& meldungen)
{
    QJsonObject objekt;
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        objekt.insert(QLatin1String(feld.name), entwurf.ergebnisse.*feld.text);
    QJsonArray tabelle;
    for (const auto& zeile : entwurf.ergebnisse.sgStuetze) {
        QJsonArray zellen;
        for (const QString& zelle : zeile)
            zellen.append(zelle);
        tabelle.append(zellen);
    }
    objekt.insert(QStringLiteral("sgStuetze"), tabelle);
    objekt.insert(QStringLiteral("meldungen"), QJsonArray::fromStringList(meldungen));
    return objekt;
}

QString TraverseAlsText(const Traversenentwurf& entwurf, const QStringList& meldungen)
{
    QString text;
    int breite = 0;
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        breite = std::max(breite, int(qstrlen(feld.name)));
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        text += QStringLiteral("%1  %2\n").arg(QLatin1String(feld.name) + u':', -(breite + 1)).arg(entwurf.ergebnisse.*feld.text);
    text += QStringLiteral("\nsgStuetze:\n");
    for (const auto& zeile : entwurf.ergebnisse.sgStuetze) {
        QString z = zeile[0].leftJustified(Spaltenbreite / 2);
        for (int spalte = 1; spalte < StuetzenSpalten; ++spalte)
            z += zeile[spalte].rightJustified(Spaltenbreite);
        text += z + u'\n';
    }
    if (!meldungen.isEmpty()) {
        text += QStringLiteral("\nMeldungen:\n");
        for (const QString& meldung : meldungen)
            text += meldung + u'\n';
    }
    return text;
}
