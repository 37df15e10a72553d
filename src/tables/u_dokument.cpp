#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "tables/u_stream.h"
#include "tables/u_tabelle.h"
#include <QFile>
#include <QSaveFile>

DokumentSchreiber::DokumentSchreiber(const QString& datei)
    : m_datei(datei), m_datei_geraet(std::make_unique<QSaveFile>(datei))
{
    if (!m_datei_geraet->open(QIODevice::WriteOnly))
        throw Fehler(Format(QStringLiteral("Datei %s kann nicht erstellt werden"), {datei}));
    m_writer = std::make_unique<TWriter>(*m_datei_geraet);
}

DokumentSchreiber::~DokumentSchreiber() = default; // an uncommitted QSaveFile leaves the target alone

void DokumentSchreiber::werteBeenden()
{
    if (m_writer) {
        m_writer->Finish();
        m_writer.reset();
    }
}

void DokumentSchreiber::Text(const QString& text)
{
    if (!m_writer)
        throw Fehler(QStringLiteral("Stream-Schreibfehler"));
    m_writer->WriteString(text);
}

void DokumentSchreiber::Integer(qint32 wert)
{
    if (!m_writer)
        throw Fehler(QStringLiteral("Stream-Schreibfehler"));
    m_writer->WriteInteger(wert);
}

void DokumentSchreiber::Tabelle(TBClientDataSet& tabelle)
{
    werteBeenden();
    tabelle.SchreibeInStream(*m_datei_geraet);
}

void DokumentSchreiber::Abschliessen()
{
    werteBeenden();
    if (!m_datei_geraet->commit())
        throw Fehler(Format(QStringLiteral("Datei %s kann nicht erstellt werden"), {m_datei}));
}

DokumentLeser::DokumentLeser(const QString& datei) : m_datei(std::make_unique<QFile>(datei))
{
    if (!m_datei->open(QIODevice::ReadOnly))
        throw Fehler(Format(QStringLiteral("Datei %s kann nicht geöffnet werden"), {datei}));
    m_reader = std::make_unique<TReader>(*m_datei);
}

DokumentLeser::~DokumentLeser() = default;

void DokumentLeser::werteBeenden()
{
    if (m_reader) {
        m_reader->Finish();
        m_reader.reset();
    }
}

QString DokumentLeser::Text()
{
    if (!m_reader)
        throw Fehler(QStringLiteral("Stream-Lesefehler"));
    return m_reader->ReadString();
}

qint32 DokumentLeser::Integer()
{
    if (!m_reader)
        throw Fehler(QStringLiteral("Stream-Lesefehler"));
    return m_reader->ReadInteger();
}

void DokumentLeser::Tabelle(TBClientDataSet& tabelle)
{
    werteBeenden();
    tabelle.LeseAusStream(*m_datei);
}

QIODevice& DokumentLeser::geraet()
{
    werteBeenden();
    return *m_datei;
}
