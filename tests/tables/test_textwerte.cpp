// A text value keeps its characters in one allocation, and a packet's texts are decoded straight
// into it. The texts must be those the QString path gives: set through a field, converted to
// the code page and back, read from wide-text columns, compared when ordering, edited after
// reading; and a damaged length stays an error.
#include "u_testhilfen.h"
#include "platform/u_codepage.h"
#include "tables/u_paket.h"
#include "tables/u_tabellendaten.h"
#include "tabellen_muster.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <QtEndian>

namespace {
QList<QString> beispieltexte()
{
    return {QString(), QStringLiteral("PAR"), QStringLiteral("Größe €5 – „Bühne“"),
            QStringLiteral("日本語 ✓ ő"), QStringLiteral("a😀b"), QString(100000, u'ß'),
            QStringLiteral("Ende\r\nZeile")};
}

// Name (String 30), Notiz (Memo) and nested Teile with a Bezeichnung (String 200).
std::vector<TFieldDef> notizFelder()
{
    return {feld("Nummer", TFieldType::Integer), feld("Name", TFieldType::String, 30),
            feld("Notiz", TFieldType::Memo),
            tabellenFeld("Teile", {feld("Bezeichnung", TFieldType::String, 200),
                                   feld("Laenge", TFieldType::Float)})};
}

// A table of those fields with its nested Teile, empty or read from a packet.
struct Notizen {
    TBClientDataSet t, teile;
    explicit Notizen(const QByteArray& paket = {})
    {
        if (paket.isEmpty()) {
            t.FieldDefs = notizFelder();
            t.CreateDataSet();
        } else {
            t.AusPaket(paket);
        }
        teile.SetDataSetField(t, Feld::Teile);
    }
};

// One row per text from von on, each with two nested rows; row i's name is null when i is odd.
void fuelle(Notizen& n, const QList<QString>& texte, int von = 0)
{
    TBClientDataSet& t = n.t;
    TBClientDataSet& teile = n.teile;
    for (int i = von; i < texte.size(); ++i) {
        t.Append();
        t.Fields(0).SetAsInteger(i);
        if (i % 2 == 0)
            t.Fields(1).SetAsString(texte[i]);
        t.Fields(2).SetAsString(texte[i]);
        for (int k = 0; k < 2; ++k) {
            teile.Append();
            teile.Fields(0).SetAsString(texte[(i + k) % texte.size()].left(200));
            teile.Fields(1).SetAsFloat(i + 0.25 * k);
            teile.Post();
        }
        t.Post();
    }
}

// What a text becomes on its way through the code page, as the QString functions give it.
QString ueberCodepage(const QString& text) { return AusCodepage(ZuCodepage(text)); }
} // namespace

TEST(Textwert, HaeltJedenTextUndTeiltIhnMitSeinenKopien)
{
    for (const QString& text : beispieltexte()) {
        auto original = std::make_unique<Text>(text);
        EXPECT_EQ(**original, text);
        EXPECT_EQ(original->ansicht(), QStringView(text));
        EXPECT_EQ(original->leer(), text.isEmpty());
        const Text kopie = *original;
        Text verschoben = std::move(*original);
        original.reset();
        EXPECT_EQ(*kopie, text);
        EXPECT_EQ(*verschoben, text);
        verschoben = Text(QStringLiteral("anders"));
        EXPECT_EQ(*kopie, text) << "a copy does not change with another copy";
    }
}

TEST(Textwert, GelesenWieGesetztUndUeberDieCodepageGewandelt)
{
    const QList<QString> texte = beispieltexte();
    Notizen geschrieben;
    fuelle(geschrieben, texte);
    Notizen n(geschrieben.t.Paket());
    TBClientDataSet& gelesen = n.t;
    TBClientDataSet& gelesenTeile = n.teile;
    ASSERT_EQ(gelesen.RecordCount(), texte.size());
    gelesen.First();
    for (int i = 0; i < texte.size(); ++i, gelesen.Next()) {
        EXPECT_EQ(gelesen.Fields(1).IsNull(), i % 2 == 1);
        if (i % 2 == 0)
            EXPECT_EQ(gelesen.Fields(1).AsString(), ueberCodepage(texte[i].left(30)));
        // An empty memo is written as null.
        EXPECT_EQ(gelesen.Fields(2).IsNull(), texte[i].isEmpty());
        EXPECT_EQ(gelesen.Fields(2).AsString(), ueberCodepage(texte[i]));
        EXPECT_EQ(gelesen.Fields(2).Value(), QVariant(texte[i].isEmpty() ? QVariant()
                                                                         : QVariant(ueberCodepage(texte[i]))));
        ASSERT_EQ(gelesenTeile.RecordCount(), 2);
        gelesenTeile.First();
        for (int k = 0; k < 2; ++k, gelesenTeile.Next())
            EXPECT_EQ(gelesenTeile.Fields(0).AsString(),
                      ueberCodepage(texte[(i + k) % texte.size()].left(200)));
    }    // By hand: the code page holds every character of the German text; the others become '?',
    // a surrogate pair a single one.
    const QList<QString> vonHand = {QStringLiteral("Größe €5 – „Bühne“"), QStringLiteral("??? ? ?"),
                                    QStringLiteral("a?b")};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(gelesen.Locate({Feld::Nummer}, {2 + i}));
        EXPECT_EQ(gelesen.Fields(2).AsString(), vonHand[i]);
    }
}

namespace {
// Edits row 2's texts and its last nested row's text.
void bearbeite(Notizen& n)
{
    TBClientDataSet& t = n.t;
    TBClientDataSet& teile = n.teile;
    t.First();
    t.Next();
    t.Next();
    t.Edit();
    t.Fields(1).SetAsString(QStringLiteral("Trägerrost ✓"));
    t.Fields(2).SetAsString(QStringLiteral("neu"));
    teile.Last();
    teile.Edit();
    teile.Fields(0).SetAsString(QStringLiteral("Kette €"));
    teile.Post();
    t.Post();
}

QList<QString> ueberCodepage(QList<QString> texte)
{
    for (QString& text : texte)
        text = ueberCodepage(text);
    return texte;
}
} // namespace

TEST(Textwert, NachDemLesenGeaendertGibtDasPaketDerDirektGefuelltenTabelle)
{
    const QList<QString> anfang = beispieltexte();
    const QList<QString> alle = anfang + QList<QString>{QString(3000, u'x')};
    Notizen geschrieben;
    fuelle(geschrieben, anfang);
    Notizen gelesen(geschrieben.t.Paket());
    bearbeite(gelesen);
    fuelle(gelesen, alle, int(anfang.size()));

    // The same rows filled directly, with the texts as the code page leaves them.
    Notizen direkt;
    fuelle(direkt, ueberCodepage(anfang));
    bearbeite(direkt);
    fuelle(direkt, ueberCodepage(alle), int(anfang.size()));
    EXPECT_EQ(gelesen.t.Paket(), direkt.t.Paket());
}

TEST(Textwert, GelesenOrdnetWieQString)
{
    const QList<QString> texte = {QStringLiteral("Zug"), QStringLiteral("Öse"), QStringLiteral("Öl"),
                                  QStringLiteral("€uro"), QString(), QStringLiteral("aber"),
                                  QStringLiteral("Abend"), QStringLiteral("日本"), QStringLiteral("Ab")};
    TBClientDataSet t;
    t.FieldDefs = {feld("Name", TFieldType::String, 30)};
    t.CreateDataSet();
    for (const QString& text : texte) {
        t.Append();
        t.Fields(0).SetAsString(text);
        t.Post();
    }
    TBClientDataSet gelesen;
    gelesen.AusPaket(t.Paket());
    gelesen.SetIndexFieldNames({Feld::Name});
    QList<QString> erwartet;
    for (const QString& text : texte)
        erwartet.append(ueberCodepage(text));
    std::sort(erwartet.begin(), erwartet.end(),
              [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    QList<QString> reihe;
    for (gelesen.First(); !gelesen.Eof(); gelesen.Next())
        reihe.append(gelesen.Fields(0).AsString());
    EXPECT_EQ(reihe, erwartet);
}

TEST(Textwert, BreiteTexteBisZumNullzeichen)
{
    const QList<QString> texte = {QStringLiteral("日本語 ✓ a😀b"), QString(20000, u'ő'),
                                  QStringLiteral("vor") + QChar(0) + QStringLiteral("nach"), QString()};
    PaketSchreiber s(1);
    s.Spalte("Breit", 0x004A0004, 0); // UTF-16 text, 4-byte length
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterlisteEnde();
    for (const QString& text : texte) {
        s.Zeile(Status::Unveraendert, 1, true);
        QByteArray bytes;
        for (QChar c : text) {
            char paar[2];
            qToLittleEndian<quint16>(c.unicode(), paar);
            bytes.append(paar, 2);
        }
        s.Memo(bytes);
    }
    TBClientDataSet t;
    t.AusPaket(s.Fertig());
    ASSERT_EQ(t.RecordCount(), texte.size());
    t.First();
    for (const QString& text : texte) {
        const qsizetype null = text.indexOf(QChar(0));
        EXPECT_EQ(t.Fields(0).AsString(), null >= 0 ? text.left(null) : text);
        EXPECT_FALSE(t.Fields(0).IsNull());
        t.Next();
    }
}

TEST(Textwert, EineUeberlangeTextlaengeBleibtEinFehler)
{
    for (const quint32 laenge : {0xFFFFFFFFu, 0x7FFFFFFFu, 6u}) {
        PaketSchreiber s(2);
        s.Spalte("Notiz", Typ::Memo, 0);
        s.ParameterlisteEnde();
        s.Spalte("Breit", 0x004A0004, 0);
        s.ParameterlisteEnde();
        s.Tabellenparameter();
        s.ParameterlisteEnde();
        s.Zeile(Status::Unveraendert, 2, true);
        s.UInt32(laenge); // and only five bytes follow
        s.UInt32(0);
        s.Text("x", 1);
        TBClientDataSet t;
        const QString fehler = fehlerVon([&] { t.AusPaket(s.Fertig()); });
        EXPECT_TRUE(fehler.startsWith(QStringLiteral("Ungültiges Tabellenpaket: "))) << fehler.toStdString();
        EXPECT_FALSE(t.Active());
    }
}
