// Texts go into a packet as code-page bytes written in place; they must be the bytes of the
// whole text converted first and then cut to what the length prefix counts.
#include "platform/u_codepage.h"
#include "tables/u_paket.h"
#include <gtest/gtest.h>

namespace {
QByteArray inPlace(const QString& text, int laengenbytes)
{
    PaketSchreiber s(1);
    s.Zeile(Status::Unveraendert, 1, true);
    s.TextInCodepage(text, laengenbytes);
    return s.Fertig();
}

QByteArray vorherGewandelt(const QString& text, int laengenbytes)
{
    PaketSchreiber s(1);
    s.Zeile(Status::Unveraendert, 1, true);
    s.Text(ZuCodepage(text), laengenbytes);
    return s.Fertig();
}
} // namespace

TEST(PaketTexte, GleichenDenVorherGewandeltenBytesBisZurGrenzeDesLaengenfelds)
{
    const QString smiley = QStringLiteral("😀");
    const QList<QString> texte = {
        QString(), QStringLiteral("PAR"), QStringLiteral("Bühne €5 Größe"), QStringLiteral("ő") + smiley + u'x',
        QString(300, u'a'), QString(254, u'a') + smiley + QStringLiteral("bc"), QString(70000, u'ß'),
        QString(65534, u'a') + smiley + smiley};
    for (const QString& text : texte)
        for (int laengenbytes : {1, 2})
            EXPECT_EQ(inPlace(text, laengenbytes), vorherGewandelt(text, laengenbytes))
                << text.size() << " characters, " << laengenbytes << " length bytes";
}

TEST(PaketTexte, SchneidenVonHandGezaehltAb)
{
    // After the 24-byte header, the status and the one bitmap byte: length, then the bytes.
    const QByteArray kurz = inPlace(QStringLiteral("PAR"), 1);
    EXPECT_EQ(kurz.mid(26), QByteArray("\x03PAR"));
    EXPECT_EQ(inPlace(QString(), 1).mid(26), QByteArray("\x01\x00", 2));
    EXPECT_EQ(inPlace(QString(), 2).mid(26), QByteArray("\x01\x00\x00", 3));
    // 254 letters and a character outside the code page fill the 255 bytes a 1-byte length
    // counts; the last two letters are cut.
    const QByteArray voll = inPlace(QString(254, u'a') + QStringLiteral("😀bc"), 1);
    EXPECT_EQ(voll.size(), 26 + 1 + 255);
    EXPECT_EQ(quint8(voll[26]), 255);
    EXPECT_EQ(voll.right(2), QByteArray("a?"));
}

TEST(Codepage, SchreibtHoechstensDieVerlangtenBytesAnOrtUndStelle)
{
    char ziel[8] = "-------";
    EXPECT_EQ(ZuCodepage(QStringLiteral("Größe"), ziel, 3), 3);
    EXPECT_EQ(QByteArray(ziel, 7), QByteArray("Gr\xF6----"));
    // A surrogate pair is one character, so one byte.
    EXPECT_EQ(ZuCodepage(QStringLiteral("😀€x"), ziel, 8), 3);
    EXPECT_EQ(QByteArray(ziel, 3), QByteArray("?\x80x"));
    EXPECT_EQ(ZuCodepage(QString(), ziel, 8), 0);
    EXPECT_EQ(ZuCodepage(QStringLiteral("abc"), ziel, 0), 0);
}
