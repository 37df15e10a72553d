#include "platform/u_programm.h"
#include "platform/u_datenordner.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace {
QString& festesVerzeichnis()
{
    static QString ordner;
    return ordner;
}

std::optional<QStringList>& festeBefehlszeile()
{
    static std::optional<QStringList> argumente;
    return argumente;
}

QStringList befehlszeile()
{
    if (festeBefehlszeile())
        return *festeBefehlszeile();
    QStringList argumente = QCoreApplication::arguments();
    if (!argumente.isEmpty())
        argumente.removeFirst();
    return argumente;
}

QString mitTrenner(QString ordner)
{
    ordner = QDir::fromNativeSeparators(ordner);
    if (!ordner.endsWith(QLatin1Char('/')))
        ordner += QLatin1Char('/');
    return ordner;
}
} // namespace

QString Programmverzeichnis()
{
    if (!festesVerzeichnis().isEmpty())
        return festesVerzeichnis();
    return mitTrenner(QCoreApplication::applicationDirPath());
}

void setzeProgrammverzeichnis(const QString& ordner)
{
    festesVerzeichnis() = ordner.isEmpty() ? QString() : mitTrenner(ordner);
}

void ProgrammverzeichnisEinrichten()
{
    const QString datenordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    setzeProgrammverzeichnis(WaehleProgrammverzeichnis(QCoreApplication::applicationDirPath(), datenordner));
}

bool Debuglauf()
{
    const QStringList argumente = befehlszeile();
    return !argumente.isEmpty() && argumente.first() == QLatin1String("DEBUG");
}

void setzeBefehlszeile(const QStringList& argumente) { festeBefehlszeile() = argumente; }

QStringList Befehlszeilendateien()
{
    QStringList dateien = befehlszeile();
    if (!dateien.isEmpty() && dateien.first() == QLatin1String("DEBUG"))
        dateien.removeFirst();
    for (QString& datei : dateien)
        datei = QFileInfo(datei).absoluteFilePath();
    return dateien;
}
