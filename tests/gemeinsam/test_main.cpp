// Test programs run with a QApplication on the offscreen platform and a German locale, so the
// numbers of the examples read as written ("12,50"). A prompt no script expected fails the test.
#include "platform/u_dialoge_skript.h"
#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    SkriptDialoge::beiUnerwartetem = [](const QStringList& prompts) {
        ADD_FAILURE() << "Dialoge ohne Skript: " << prompts.join(QStringLiteral(" | ")).toStdString();
    };
    return RUN_ALL_TESTS();
}
