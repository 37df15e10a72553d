#pragma once
// Document stream values: the header string and text values at the start of every document file,
// buffered in 1024 bytes. The stream is opened, positioned and closed by the caller.
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>

class SichereDatei;
class QFile;
class TBClientDataSet;

class TWriter {
public:
    explicit TWriter(QIODevice& stream, int puffergroesse = 1024);
    ~TWriter(); // finishes when not finished yet (call Finish to see its errors)
    TWriter(const TWriter&) = delete;
    TWriter& operator=(const TWriter&) = delete;

    // Kind 20 (UTF-8) when the text holds a non-ASCII character, else 6 up to 255 bytes, else 12.
    void WriteString(const QString& text);
    // Kind 2, 3 or 4, the smallest that holds the value. Documents of this program write only
    // texts; the integers of older load tables are written again when such a file is rewritten.
    void WriteInteger(qint32 wert);
    // Writes the buffered bytes to the stream ("Stream-Schreibfehler" when not all are written).
    void Finish();

private:
    void schreibeBytes(const char* daten, qsizetype laenge);
    void leere();
    QIODevice& m_stream;
    QByteArray m_puffer;
    qsizetype m_fuellung = 0;
    bool m_fertig = false;
};

class TReader {
public:
    explicit TReader(QIODevice& stream, int puffergroesse = 1024);
    ~TReader(); // finishes when not finished yet (errors swallowed)
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;

    QString ReadString();  // kinds 6, 12, 18, 20; else "Ungültiger Eigenschaftswert"
    qint32 ReadInteger();  // kinds 2, 3, 4; else "Ungültiger Eigenschaftswert"
    // Seeks the stream back over the bytes read ahead, so it stands after the last value.
    void Finish();

private:
    quint8 naechstesByte(); // consumes one byte
    quint8 schaueByte();    // looks at the next byte
    QByteArray leseBytes(qint64 anzahl);
    qint32 leseInt32();
    void fuelle();
    QIODevice& m_stream;
    QByteArray m_puffer;
    qsizetype m_laenge = 0;
    qsizetype m_position = 0;
    bool m_fertig = false;
};

// Saving a document: header string and text values through a TWriter, then the sized packets,
// written to a temporary file that replaces the target only after the last byte.
class DokumentSchreiber {
public:
    explicit DokumentSchreiber(const QString& datei); // "Datei %s kann nicht erstellt werden"
    ~DokumentSchreiber();
    void Text(const QString& text);
    void Integer(qint32 wert);
    void Tabelle(TBClientDataSet& tabelle); // finishes the values first
    void Abschliessen();                    // replaces the target; without it the target is untouched

private:
    void werteBeenden();
    std::unique_ptr<SichereDatei> m_datei_geraet;
    std::unique_ptr<TWriter> m_writer;
};

// Loading a document: values in order, then the sized packets.
class DokumentLeser {
public:
    explicit DokumentLeser(const QString& datei); // "Datei %s kann nicht geöffnet werden"
    ~DokumentLeser();
    QString Text();
    qint32 Integer();
    // Finishes the values first; a number that is not finite is "Ungültiger Eigenschaftswert".
    void Tabelle(TBClientDataSet& tabelle);
    QIODevice& geraet();

private:
    void werteBeenden();
    std::unique_ptr<QFile> m_datei;
    std::unique_ptr<TReader> m_reader;
};
