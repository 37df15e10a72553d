#pragma once
// Shared by the report tests: a report of numbered rows, and reading PDF files back with poppler.
#include "report/u_bericht.h"
#include "report/u_berichtslayout.h"
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

// Title band, one section with a heading and rows "Zeile 1" … "Zeile n", page footer with the page number.
inline Bericht zeilenbericht(int zeilen, double zeilenhoehe = 6.35)
{
    Bericht bericht;
    bericht.titel = QStringLiteral("Prüfbericht");
    Band titel;
    titel.hoehe = 20;
    titel.zentriert(0, 170, 0, "Prüfbericht", Schrift{18, true, false});
    bericht.titelband = titel;
    auto daten = std::make_shared<Zeilendaten>();
    for (int i = 1; i <= zeilen; ++i)
        daten->anhaengen({QStringLiteral("Zeile %1").arg(i), QString::number(i * 10)});
    Abschnitt abschnitt;
    Band kopf;
    kopf.hoehe = 8;
    kopf.ab(2, 1, "Bezeichnung", Schrift{8});
    kopf.bis(60, 1, "Wert", Schrift{8});
    abschnitt.kopf = kopf;
    abschnitt.detail.hoehe = zeilenhoehe;
    abschnitt.detail.ab(2, 1.1, Inhalt::Feld(0));
    abschnitt.detail.bis(60, 1.1, Inhalt::Feld(1));
    abschnitt.daten = daten;
    bericht.abschnitte.push_back(abschnitt);
    Band summe;
    summe.hoehe = 12;
    summe.ab(2, 2, "Ende der Liste", Schrift{10, true, true});
    bericht.zusammenfassung = summe;
    Band fuss;
    fuss.hoehe = 7.4;
    fuss.ab(3.2, 2.1, "Kelvara VLX", Schrift{8});
    fuss.bis(170, 2.1, Inhalt::Seitenangabe(QStringLiteral("Seite %d von %d")), Schrift{8});
    bericht.seitenfuss = fuss;
    return bericht;
}

inline QString poppler(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/") + programm, argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfSeiten(const QString& datei)
{
    const auto treffer = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(poppler(QStringLiteral("pdfinfo"), {datei}));
    return treffer.hasMatch() ? treffer.captured(1).toInt() : -1;
}

// The text of every page as pdftotext reads it, keeping the lines of the print-out.
inline QStringList pdfSeitentexte(const QString& datei)
{
    QStringList seiten = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")})
                             .split(QLatin1Char('\f'));
    if (!seiten.isEmpty() && seiten.last().trimmed().isEmpty())
        seiten.removeLast();
    return seiten;
}

// The laid-out bands of one kind on all pages, of one section when abschnitt is not -1.
inline std::vector<const GesetztesBand*> baender(const Berichtslayout& l, Bandart art, int abschnitt = -1)
{
    std::vector<const GesetztesBand*> liste;
    for (const auto& seite : l.seiten)
        for (const auto& b : seite.baender)
            if (b.art == art && (abschnitt < 0 || b.abschnitt == abschnitt))
                liste.push_back(&b);
    return liste;
}

// The non-empty texts of a band in their order.
inline QStringList texte(const GesetztesBand& b)
{
    QStringList t;
    for (const auto& text : b.texte)
        if (!text.text.isEmpty())
            t << text.text;
    return t;
}

// The text whose left edge stands at links mm from the band's left edge (± 0.05 mm).
inline QString textAb(const GesetztesBand& b, double links)
{
    for (const auto& t : b.texte)
        if (std::abs(t.rahmen.left() - b.rahmen.left() - links) < 0.05)
            return t.text;
    return QStringLiteral("<keiner>");
}

// The text whose right edge stands at rechts mm (± 0.05 mm).
inline QString textBis(const GesetztesBand& b, double rechts)
{
    for (const auto& t : b.texte)
        if (std::abs(t.rahmen.right() - b.rahmen.left() - rechts) < 0.05)
            return t.text;
    return QStringLiteral("<keiner>");
}
