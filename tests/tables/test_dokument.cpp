// Writing a document: the target is replaced only after the last byte.
#include "u_testhilfen.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

TEST(Stream, DokumentSchreiberErsetztDieDateiErstNachDemLetztenByte)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("a.prt"));
    {
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kopf"));
        s.Text(QStringLiteral("Wert"));
        s.Abschliessen();
    }
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vorher = f.readAll();
    f.close();
    {
        DokumentSchreiber abgebrochen(pfad);
        abgebrochen.Text(QStringLiteral("Neu"));
        // no Abschliessen: as if the save failed half way
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
    f.close();

    DokumentLeser l(pfad);
    EXPECT_EQ(l.Text(), QStringLiteral("Kopf"));
    EXPECT_EQ(l.Text(), QStringLiteral("Wert"));
    EXPECT_EQ(l.geraet().pos(), vorher.size());
}

TEST(Stream, MeldetNichtErstellbareUndNichtLesbareDateien)
{
    QTemporaryDir ordner;
    const QString fehltOrdner = ordner.filePath(QStringLiteral("fehlt/a.prt"));
    EXPECT_EQ(fehlerVon([&] { DokumentSchreiber s(fehltOrdner); }),
              QStringLiteral("Datei %1 kann nicht erstellt werden").arg(fehltOrdner));
    const QString fehlt = ordner.filePath(QStringLiteral("b.prt"));
    EXPECT_EQ(fehlerVon([&] { DokumentLeser l(fehlt); }),
              QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(fehlt));

    // in English mode the file errors are English too
    setzeUebersetzer([](int id, QString& text) {
        if (id == 1243)
            text = QStringLiteral("File %s cannot be created");
        if (id == 1244)
            text = QStringLiteral("File %s cannot be opened");
    });
    EXPECT_EQ(fehlerVon([&] { DokumentSchreiber s(fehltOrdner); }),
              QStringLiteral("File %1 cannot be created").arg(fehltOrdner));
    EXPECT_EQ(fehlerVon([&] { DokumentLeser l(fehlt); }), QStringLiteral("File %1 cannot be opened").arg(fehlt));
    setzeUebersetzer({});
}
