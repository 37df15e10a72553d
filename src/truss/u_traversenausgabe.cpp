#include "truss/u_traversenausgabe.h"
#include <QJsonArray>

namespace {
constexpr int Spaltenbreite = 18; // the widest cell, "### ### ##0.00 kg", fits with a blank

// The column table as the window shows it: the header row, then per length its number and cells.
std::vector<QStringList> Stuetzentabelle(const Traversenergebnisse& r)
{
    std::vector<QStringList> tabelle(1);
    for (int spalte = 0; spalte < StuetzenSpalten; ++spalte)
        tabelle[0].append(Stuetzenueberschrift(spalte));
    for (int meter = 1; meter <= Stuetzenlaengen; ++meter) {
        QStringList zeile{QString::number(meter)};
        for (const Ergebnis& kg : r.stuetzeKg[meter - 1])
            zeile.append(Stuetzentext(kg));
        tabelle.push_back(zeile);
    }
    return tabelle;
}
} // namespace

QJsonObject TraverseAlsJson(const Traversenentwurf& entwurf, const QStringList& meldungen)
{
    QJsonObject objekt;
    for (const Ergebnisfeld& feld : Ergebnisfelder())
        objekt.insert(QLatin1String(feld.name), feld.text(entwurf.ergebnisse));
    QJsonArray tabelle;
    for (const QStringList& zeile : Stuetzentabelle(entwurf.ergebnisse))
        tabelle.append(QJsonArray::fromStringList(zeile));
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
        text += QStringLiteral("%1  %2\n").arg(QLatin1String(feld.name) + u':', -(breite + 1)).arg(feld.text(entwurf.ergebnisse));
    text += QStringLiteral("\nsgStuetze:\n");
    for (const QStringList& zeile : Stuetzentabelle(entwurf.ergebnisse)) {
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
