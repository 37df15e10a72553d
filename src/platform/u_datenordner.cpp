#include "platform/u_datenordner.h"
#include "platform/u_dateifehler.h"
#include "platform/u_sicheresspeichern.h"
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <map>

namespace {
const QString Verzeichnisname = QStringLiteral(".ausgeliefert");

QByteArray pruefsumme(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash summe(QCryptographicHash::Sha256);
    summe.addData(&f);
    return summe.result().toHex();
}

// "<checksum> <relative path>" per line: what the last reconciliation put into the folder.
std::map<QString, QByteArray> leseVerzeichnis(const QString& datei)
{
    std::map<QString, QByteArray> eintraege;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return eintraege;
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        const qsizetype trenner = zeile.indexOf(' ');
        if (trenner > 0)
            eintraege[QString::fromUtf8(zeile.mid(trenner + 1))] = zeile.left(trenner);
    }
    return eintraege;
}

QByteArray verzeichnistext(const std::map<QString, QByteArray>& eintraege)
{
    QByteArray text;
    for (const auto& [pfad, summe] : eintraege)
        text += summe + ' ' + pfad.toUtf8() + '\n';
    return text;
}

QByteArray inhalt(const QString& datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        throw DateiNichtOeffenbar(datei);
    return f.readAll();
}

// What a program folder holds besides the programs.
const QStringList Programmdaten = {QStringLiteral("Traversen"), QStringLiteral("Projekte"),
                                   QStringLiteral("Sprachen"), QStringLiteral("kelvara_vlx.chm")};

QString mitTrenner(QString ordner)
{
    ordner = QDir::cleanPath(QDir::fromNativeSeparators(ordner));
    return ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
}
} // namespace

QStringList Abgleichen(const QString& quelle, const QString& ziel, const QStringList& nur,
                       bool ohneEintragErsetzen)
{
    const QString von = mitTrenner(quelle), nach = mitTrenner(ziel);
    const std::map<QString, QByteArray> bisher = leseVerzeichnis(nach + Verzeichnisname);
    std::map<QString, QByteArray> neu = bisher;
    QStringList behalten;
    QDirIterator it(von, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString datei = it.next();
        const QString relativ = datei.mid(von.size());
        if (relativ == Verzeichnisname || (!nur.isEmpty() && !nur.contains(relativ.section(QLatin1Char('/'), 0, 0))))
            continue;
        const QByteArray original = pruefsumme(datei);
        const QString kopie = nach + relativ;
        const bool da = QFileInfo::exists(kopie);
        const QByteArray vorhanden = da ? pruefsumme(kopie) : QByteArray();
        const auto letzte = bisher.find(relativ);
        const bool unveraendert = letzte == bisher.end() ? ohneEintragErsetzen : letzte->second == vorhanden;
        if (!da || (unveraendert && vorhanden != original)) {
            QDir().mkpath(QFileInfo(kopie).path());
            SchreibeDateiSicher(kopie, inhalt(datei));
        } else if (vorhanden != original && !unveraendert) {
            behalten << relativ; // its record stays as it was: still the user's on the next run
            continue;
        }
        neu[relativ] = original;
    }
    if (neu != bisher)
        SchreibeDateiSicher(nach + Verzeichnisname, verzeichnistext(neu));
    behalten.sort();
    return behalten;
}

QString InstallierteKopien(const QString& programmordner)
{
    const QString kopien = mitTrenner(programmordner) + QStringLiteral("../share/kelvara-vlx");
    return QFileInfo(kopien).isDir() ? mitTrenner(kopien) : QString();
}

QString WaehleProgrammverzeichnis(const QString& programmordner, const QString& datenordner)
{
    const QString kopien = InstallierteKopien(programmordner);
    if (kopien.isEmpty() && QFileInfo(programmordner).isWritable())
        return mitTrenner(programmordner);
    if (!QDir().mkpath(datenordner))
        throw DateiNichtErstellbar(datenordner);
    Abgleichen(kopien.isEmpty() ? programmordner : kopien, datenordner, Programmdaten);
    return mitTrenner(datenordner);
}
