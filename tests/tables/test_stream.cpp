// Document stream values: the text kinds, the buffered reader's hand-over to the packets that
// follow, and the errors of short or foreign values.
#include "u_testhilfen.h"
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QByteArray geschrieben(const QStringList& texte)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    TWriter w(puffer);
    for (const QString& t : texte)
        w.WriteString(t);
    w.Finish();
    return puffer.data();
}

} // namespace

TEST(Stream, SchreibtKurzeLangeUndUtf8Texte)
{
    EXPECT_EQ(geschrieben({QString()}), QByteArray("\x06\x00", 2));
    const QByteArray kopf = geschrieben({QStringLiteral("Kelvara VLX Projektdatei 1.0")});
    EXPECT_EQ(kopf, QByteArray("\x06\x1C") + "Kelvara VLX Projektdatei 1.0");
    EXPECT_EQ(geschrieben({QStringLiteral("Bühne")}), QByteArray("\x14\x06\x00\x00\x00" "B\xC3\xBChne", 11));

    const QByteArray s255 = geschrieben({QString(255, u'x')});
    EXPECT_EQ(s255.size(), 257);
    EXPECT_EQ(s255.left(2), QByteArray("\x06\xFF"));
    const QByteArray s256 = geschrieben({QString(256, u'x')});
    EXPECT_EQ(s256.left(5), QByteArray("\x0C\x00\x01\x00\x00", 5));
    EXPECT_EQ(s256.size(), 261);
}

TEST(Stream, ZeilenumbruecheSindTeilDesTextesUndWerteUeberspannenDenPuffer)
{
    QStringList texte;
    for (int i = 0; i < 300; ++i)
        texte << QStringLiteral("Zeile %1\r\nmit Ümlaut äöü €").arg(i);
    QBuffer puffer;
    puffer.setData(geschrieben(texte));
    puffer.open(QIODevice::ReadOnly);
    TReader r(puffer);
    for (const QString& t : texte)
        ASSERT_EQ(r.ReadString(), t);
}

TEST(Stream, LeserStehtNachDemFinishDirektHinterDemLetztenWert)
{
    QByteArray datei = geschrieben({QStringLiteral("0123456789")});
    datei.append(QByteArray(5000 - datei.size(), '\x55'));
    QBuffer puffer(&datei);
    puffer.open(QIODevice::ReadOnly);
    TReader r(puffer);
    EXPECT_EQ(r.ReadString(), QStringLiteral("0123456789"));
    EXPECT_EQ(puffer.pos(), 1024);
    r.Finish();
    EXPECT_EQ(puffer.pos(), 12);
}

TEST(Stream, LiestWideTextUndGanzzahlenUndWeistAndereArtenAb)
{
    QByteArray daten("\x12\x02\x00\x00\x00" "A\x00\xFC\x00", 9);
    daten.append("\x02\xFE\x03\x00\x80\x04\x01\x00\x00\x00", 10);
    daten.append("\x04\x01\x00\x00\x00", 5);
    QBuffer puffer(&daten);
    puffer.open(QIODevice::ReadOnly);
    TReader r(puffer);
    EXPECT_EQ(r.ReadString(), QStringLiteral("Aü"));
    EXPECT_EQ(r.ReadInteger(), -2);
    EXPECT_EQ(r.ReadInteger(), -32768);
    EXPECT_EQ(r.ReadInteger(), 1);
    EXPECT_EQ(fehlerVon([&] { r.ReadString(); }), QStringLiteral("Ungültiger Eigenschaftswert"));
}

TEST(Stream, GanzzahlAnDerStelleEinesTextesIstUngueltig)
{
    for (const QByteArray& art : {QByteArray("\x02\x01", 2), QByteArray("\x03\x01\x00", 3), QByteArray("\x04\x01\x00\x00\x00", 5)}) {
        QByteArray daten = art;
        QBuffer puffer(&daten);
        puffer.open(QIODevice::ReadOnly);
        TReader r(puffer);
        EXPECT_EQ(fehlerVon([&] { r.ReadString(); }), QStringLiteral("Ungültiger Eigenschaftswert"));
    }
    QByteArray text("\x06\x01x", 3);
    QBuffer puffer(&text);
    puffer.open(QIODevice::ReadOnly);
    TReader r(puffer);
    EXPECT_EQ(fehlerVon([&] { r.ReadInteger(); }), QStringLiteral("Ungültiger Eigenschaftswert"));
}

TEST(Stream, FehlerhaftesUtf8IstLeerUndDerLeserBleibtDahinter)
{
    const QList<QByteArray> kaputt = {QByteArray("\xC3", 1), QByteArray("\xC3\x41", 2), QByteArray("\x80", 1),
                                      QByteArray("a\xE2\x82", 3), QByteArray("\xF8\x88\x80\x80\x80", 5)};
    for (const QByteArray& bytes : kaputt) {
        QByteArray daten("\x14", 1);
        const qint32 n = qint32(bytes.size());
        daten.append(reinterpret_cast<const char*>(&n), 4);
        daten.append(bytes);
        daten.append(QByteArray("\x06\x02ok", 4));
        QBuffer puffer(&daten);
        puffer.open(QIODevice::ReadOnly);
        TReader r(puffer);
        EXPECT_EQ(r.ReadString(), QString()) << bytes.toHex().constData();
        EXPECT_EQ(r.ReadString(), QStringLiteral("ok"));
    }
    QByteArray vierByte("\x14\x04\x00\x00\x00\xF0\x9F\x98\x80", 9);
    QBuffer puffer(&vierByte);
    puffer.open(QIODevice::ReadOnly);
    TReader r(puffer);
    EXPECT_EQ(r.ReadString(), QString::fromUtf8("\xF0\x9F\x98\x80"));
}

TEST(Stream, DateiendeImWertIstEinLesefehler)
{
    for (const QByteArray& kurz : {QByteArray(), QByteArray("\x06", 1), QByteArray("\x06\x05" "abc", 5),
                                   QByteArray("\x0C\x00\x00\x00\x80", 5), QByteArray("\x14\xFF\xFF\xFF\x7F", 5),
                                   QByteArray("\x0C\xFF\xFF\xFF\xFF", 5)}) {
        QByteArray daten = kurz;
        QBuffer puffer(&daten);
        puffer.open(QIODevice::ReadOnly);
        TReader r(puffer);
        EXPECT_EQ(fehlerVon([&] { r.ReadString(); }), QStringLiteral("Stream-Lesefehler")) << kurz.toHex().constData();
    }
}

TEST(Stream, GanzzahlenNehmenDieKleinsteArtUndLesenSichZurueck)
{
    QBuffer puffer;
    puffer.open(QIODevice::ReadWrite);
    TWriter w(puffer);
    const QList<qint32> werte = {0, -128, 127, 128, -32768, 32767, 32768, std::numeric_limits<qint32>::min()};
    for (qint32 v : werte)
        w.WriteInteger(v);
    w.Finish();
    EXPECT_EQ(puffer.data().left(6), QByteArray("\x02\x00\x02\x80\x02\x7F", 6));
    EXPECT_EQ(puffer.data().mid(6, 3), QByteArray("\x03\x80\x00", 3));
    puffer.seek(0);
    TReader r(puffer);
    for (qint32 v : werte)
        EXPECT_EQ(r.ReadInteger(), v);
}
