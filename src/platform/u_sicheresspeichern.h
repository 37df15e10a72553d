#pragma once
// Saving without risk to the previous file. The bytes go to a temporary file beside the target,
// which replaces the target only after every byte has been written and synced to disk; a failed
// save keeps the old file, removes the temporary one and fails with "Stream-Schreibfehler".
// Qt 6.4 reports neither a short write (a full disk met by a large block) nor an error of the
// bytes that QSaveFile::commit() still has to write, nor a failing sync: all three are checked
// here before the commit.
//
// A save killed between writing and renaming leaves the new file under the target's name plus
// "." and six letters or digits. Opening a file for saving removes such leftovers of the same
// file kind (same suffix) from the folder; a target without a suffix has none removed.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

class SichereDatei {
public:
    explicit SichereDatei(const QString& ziel); // "Datei %s kann nicht erstellt werden"
    QIODevice& geraet() { return m_waechter; }
    void Abschliessen(); // "Stream-Schreibfehler" when a byte or the sync failed

private:
    // Passes every write to the file and remembers one that wrote fewer bytes than it was given.
    class Waechter : public QIODevice {
    public:
        explicit Waechter(QIODevice& ziel) : m_ziel(ziel) { open(QIODevice::WriteOnly); }
        bool kurz() const { return m_kurz; }

    protected:
        qint64 readData(char*, qint64) override { return -1; }
        qint64 writeData(const char* daten, qint64 laenge) override;

    private:
        QIODevice& m_ziel;
        bool m_kurz = false;
    };

    QSaveFile m_datei;
    Waechter m_waechter{m_datei};
};

// The whole file in one step.
void SchreibeDateiSicher(const QString& ziel, const QByteArray& inhalt);

// Removes the leftovers described above from the folder of ziel.
void EntferneReste(const QString& ziel);
