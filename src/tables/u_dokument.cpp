#include "language/u_meldungstexte.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include "platform/u_sicheresspeichern.h"
#include "platform/u_zahlen.h"
#include "tables/u_stream.h"
#include "tables/u_tabelle.h"
#include <QFile>
#include <cmath>

DokumentSchreiber::DokumentSchreiber(const QString& datei)
    : m_datei_geraet(std::make_unique<SichereDatei>(datei))
{
    m_writer = std::make_unique<TWriter>(m_datei_geraet->geraet());
}

DokumentSchreiber::~DokumentSchreiber() = default; // an unfinished save leaves the target alone

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
        throw StreamSchreibfehler();
    m_writer->WriteString(text);
}

void DokumentSchreiber::Integer(qint32 wert)
{
    if (!m_writer)
        throw StreamSchreibfehler();
    m_writer->WriteInteger(wert);
}

void DokumentSchreiber::Tabelle(TBClientDataSet& tabelle)
{
    werteBeenden();
    tabelle.SchreibeInStream(m_datei_geraet->geraet());
}

void DokumentSchreiber::Abschliessen()
{
    werteBeenden();
    m_datei_geraet->Abschliessen();
}

DokumentLeser::DokumentLeser(const QString& datei) : m_datei(std::make_unique<QFile>(datei))
{
    if (!m_datei->open(QIODevice::ReadOnly))
        throw DateiNichtOeffenbar(datei);
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
        throw StreamLesefehler();
    return m_reader->ReadString();
}

qint32 DokumentLeser::Integer()
{
    if (!m_reader)
        throw StreamLesefehler();
    return m_reader->ReadInteger();
}

namespace {
// A number that is not finite would reach every length, force, result and drawing.
void pruefeZahlen(TBClientDataSet& t)
{
    std::vector<std::unique_ptr<TBClientDataSet>> details;
    for (int i = 0; i < t.FieldCount(); ++i)
        if (t.Fields(i).DataType() == TFieldType::DataSet) {
            details.push_back(std::make_unique<TBClientDataSet>());
            details.back()->SetDataSetField(t, Feldname::Aus(t.Fields(i).FieldName()));
        }
    for (t.First(); !t.Eof(); t.Next()) {
        for (int i = 0; i < t.FieldCount(); ++i) {
            const TField& f = t.Fields(i);
            if (f.DataType() == TFieldType::Float && !f.IsNull() && !std::isfinite(f.AsFloat()))
                throw UngueltigerEigenschaftswert();
        }
        for (auto& detail : details)
            pruefeZahlen(*detail);
    }
    t.First();
}
} // namespace

void DokumentLeser::Tabelle(TBClientDataSet& tabelle)
{
    werteBeenden();
    try {
        tabelle.LeseAusStream(*m_datei);
    } catch (const std::bad_alloc&) {
        throw Fehler(SpeicherMeldung());
    }
    pruefeZahlen(tabelle);
}

QIODevice& DokumentLeser::geraet()
{
    werteBeenden();
    return *m_datei;
}
