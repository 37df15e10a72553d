// Test programs run on the offscreen platform and with a German locale, so the numbers of the
// examples read as written ("12,50"). A prompt no script expected fails the test. The core's
// tests get a QCoreApplication, so they load no GUI library; the window tests a QApplication.
#include "platform/u_dialoge_skript.h"
#include <QLocale>
#include <gtest/gtest.h>
#ifdef KELVARA_TEST_FENSTER
#include <QApplication>
using Testanwendung = QApplication;
#else
#include <QCoreApplication>
using Testanwendung = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Testanwendung app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    SkriptDialoge::beiUnerwartetem = [](const QStringList& prompts) {
        ADD_FAILURE() << "Dialoge ohne Skript: " << prompts.join(QStringLiteral(" | ")).toStdString();
    };
    return RUN_ALL_TESTS();
}
