#include "u_testhilfen.h"
#include "platform/u_fehler.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <csignal>
#include <sys/resource.h>
#include <gtest/gtest.h>

CliLauf kelvaraCli(const QStringList& argumente)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral(KELVARA_BINAER "/bin/kelvara-cli"), argumente);
    EXPECT_TRUE(prozess.waitForFinished(60000)) << "kelvara-cli is built with the tests";
    CliLauf lauf;
    lauf.code = prozess.exitCode();
    lauf.ausgabe = prozess.readAllStandardOutput();
    lauf.aus = QString::fromUtf8(lauf.ausgabe);
    lauf.fehler = QString::fromUtf8(prozess.readAllStandardError());
    return lauf;
}

QString ImSystemformat(QString zahl)
{
    const QString trenner = QLocale::system().decimalPoint();
    for (QChar& c : zahl)
        if (c == u',')
            c = trenner.isEmpty() ? QChar(u'.') : trenner.front();
    return zahl;
}

QString fehlerVon(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Fehler& e) {
        return e.meldung();
    }
    return QString();
}

bool keineFrage(const QString& frage)
{
    ADD_FAILURE() << "unexpected question: " << frage.toStdString();
    return false;
}

std::function<bool(const QString&)> antwortet(bool antwort, QStringList& gefragt)
{
    return [antwort, &gefragt](const QString& frage) {
        gefragt << frage;
        return antwort;
    };
}

VollePlatte::VollePlatte(long long bytes)
{
    rlimit grenze{};
    getrlimit(RLIMIT_FSIZE, &grenze);
    m_grenze = grenze.rlim_cur;
    m_signal = std::signal(SIGXFSZ, SIG_IGN);
    grenze.rlim_cur = rlim_t(bytes);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &grenze), 0);
}

VollePlatte::~VollePlatte()
{
    rlimit grenze{};
    getrlimit(RLIMIT_FSIZE, &grenze);
    grenze.rlim_cur = rlim_t(m_grenze);
    setrlimit(RLIMIT_FSIZE, &grenze);
    std::signal(SIGXFSZ, m_signal);
}

QByteArray dateiInhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibeDatei(const QString& pfad, const QByteArray& inhalt)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(inhalt);
}
