#include "platform/u_sicheresspeichern.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <unistd.h>

qint64 SichereDatei::Waechter::writeData(const char* daten, qint64 laenge)
{
    const qint64 geschrieben = m_ziel.write(daten, laenge);
    if (geschrieben != laenge)
        m_kurz = true;
    return geschrieben;
}

SichereDatei::SichereDatei(const QString& ziel) : m_datei(ziel)
{
    EntferneReste(ziel);
    if (!m_datei.open(QIODevice::WriteOnly))
        throw DateiNichtErstellbar(ziel);
}

void SichereDatei::Abschliessen()
{
    const bool geschrieben = !m_waechter.kurz() && m_datei.flush() && m_datei.error() == QFileDevice::NoError
                             && ::fdatasync(m_datei.handle()) == 0;
    if (!geschrieben)
        m_datei.cancelWriting();
    if (!m_datei.commit() || !geschrieben)
        throw StreamSchreibfehler();
}

void SchreibeDateiSicher(const QString& ziel, const QByteArray& inhalt)
{
    SichereDatei datei(ziel);
    datei.geraet().write(inhalt);
    datei.Abschliessen();
}

void EntferneReste(const QString& ziel)
{
    const QFileInfo info(ziel);
    if (info.suffix().isEmpty())
        return; // without a kind to match, a stranger's file could look like a leftover
    const QString endung = QLatin1Char('.') + info.suffix();
    const QRegularExpression muster(QStringLiteral("^.+%1\\.[A-Za-z0-9]{6}$")
                                        .arg(QRegularExpression::escape(endung)));
    QDir ordner = info.absoluteDir();
    for (const QString& name : ordner.entryList({QStringLiteral("*") + endung + QStringLiteral(".??????")},
                                                QDir::Files | QDir::Hidden))
        if (muster.match(name).hasMatch())
            ordner.remove(name);
}
