#pragma once
// Helpers shared by the test programs.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// A run of the built kelvara-cli on the offscreen platform, in the environment's locale.
struct CliLauf {
    int code = -1;
    QByteArray ausgabe; // standard output as written
    QString aus;        // the same as text
    QString fehler;     // standard error
};
CliLauf kelvaraCli(const QStringList& argumente);
// A number written here with a decimal comma as kelvara-cli prints it: with the separator of the
// environment's locale.
QString ImSystemformat(QString zahl);

// The message of the Fehler that f throws, or the empty text when it throws none.
QString fehlerVon(const std::function<void()>& f);

// The answer to the question of a step that must not ask: the question fails the test, and is
// answered No.
bool keineFrage(const QString& frage);
// Answers every question with antwort and keeps it in gefragt, as a window would ask the user.
std::function<bool(const QString&)> antwortet(bool antwort, QStringList& gefragt);

// While it lives, no file this process writes grows beyond `bytes`: every write past that fails
// as on a full disk (RLIMIT_FSIZE, its signal ignored).
class VollePlatte {
public:
    explicit VollePlatte(long long bytes);
    ~VollePlatte();
    VollePlatte(const VollePlatte&) = delete;
    VollePlatte& operator=(const VollePlatte&) = delete;

private:
    unsigned long long m_grenze = 0;
    void (*m_signal)(int) = nullptr;
};

// The bytes of a file, empty when it cannot be read.
QByteArray dateiInhalt(const QString& pfad);
// Writes the file with its folders; a file that cannot be written fails the test.
void schreibeDatei(const QString& pfad, const QByteArray& inhalt);
