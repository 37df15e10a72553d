// Packets without a change log are read row by row straight into the table; the rows, nested
// rows and counters must be those the change-log reader gives for the same rows.
#include "u_testhilfen.h"
#include "tables/u_paket.h"
#include "tabellen_muster.h"
#include <gtest/gtest.h>

namespace {
void autoincSpalte(PaketSchreiber& s, const char* name)
{
    s.Spalte(name, Typ::Int32, Attribut::NurLesen);
    s.ParameterText("SUBTYPE", "Autoinc");
    s.ParameterlisteEnde();
}

// Cases (auto-increment Nummer, Name, nested Punkte with an auto-increment Nr and X) in rows of
// every status, with a CHANGE_LOG naming only an insert when mitProtokoll: then the change-log
// reader takes the same rows.
QByteArray faelle(bool mitProtokoll, bool unveraendert = false)
{
    PaketSchreiber s(5);
    autoincSpalte(s, "Nummer");
    s.Spalte("Name", Typ::Text1, 0);
    s.ParameterUInt16("WIDTH", 10);
    s.ParameterlisteEnde();
    s.Spalte("Punkte", Typ::Verschachtelt + 2, 0);
    s.ParameterlisteEnde();
    autoincSpalte(s, "Nr");
    s.Spalte("X", Typ::Float, 0);
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    s.ParameterInt32("AUTOINCVALUE", 3); // lower than the numbers below: they win
    s.ParameterlisteEnde();
    s.Tabellenparameter();
    if (mitProtokoll)
        s.ParameterArrayUInt32("CHANGE_LOG", {1, 0, 4});
    s.ParameterInt32("AUTOINCVALUE", 2);
    s.ParameterlisteEnde();
    // 1: current, two points, one of them deleted (and numbered 40)
    s.Zeile(Status::Eingefuegt, 3, true);
    s.Int32(1);
    s.Text("eins", 1);
    s.Zeilenzahl(2);
    s.Zeile(Status::Unveraendert, 2, false);
    s.Int32(1);
    s.Float(0.5);
    s.Zeile(Status::Geloescht, 2, false);
    s.Int32(40);
    s.Float(9);
    // 2: deleted, numbered 7, with a point numbered 12
    s.Zeile(Status::Geloescht, 3, true);
    s.Int32(7);
    s.Text("weg", 1);
    s.Zeilenzahl(1);
    s.Zeile(Status::Unveraendert, 2, false);
    s.Int32(12);
    s.Float(1);
    // 3: a vacant slot and an old version, left out
    s.Zeile(Status::Leer, 3, true);
    s.Null(0);
    s.Null(1);
    s.Zeilenzahl(0);
    s.Zeile(Status::AlteVersion, 3, true);
    s.Int32(2);
    s.Text("alt", 1);
    s.Zeilenzahl(0);
    // 5: current, null name, the nested column null, or unchanged
    s.Zeile(Status::Unveraendert, 3, true);
    s.Int32(3);
    s.Null(1);
    if (unveraendert)
        s.Unveraendert(2);
    else
        s.Null(2);
    return s.Fertig();
}

QString inhalt(const QByteArray& paket)
{
    TBClientDataSet t, punkte;
    t.AusPaket(paket);
    punkte.SetDataSetField(t, Feld::Punkte);
    QStringList zeilen;
    for (t.First(); !t.Eof(); t.Next()) {
        QString zeile = t.Fields(0).AsString() + u'|' + (t.Fields(1).IsNull() ? "null" : t.Fields(1).AsString());
        for (punkte.First(); !punkte.Eof(); punkte.Next())
            zeile += u'|' + punkte.Fields(0).AsString() + u'/' + punkte.Fields(1).AsString();
        zeilen << zeile;
    }
    zeilen << QString::number(t.AutoIncValue()) << QString::number(punkte.AutoIncValue());
    // Rows appended after reading get the next numbers.
    t.Append();
    t.Post();
    punkte.Append();
    punkte.Post();
    zeilen << t.Fields(0).AsString() + u'/' + punkte.Fields(0).AsString();
    return zeilen.join(u'\n');
}
} // namespace

TEST(PaketDirekt, LiestDieselbenZeilenUndZaehlerWieMitAenderungsprotokoll)
{
    const QString direkt = inhalt(faelle(false));
    EXPECT_EQ(direkt, inhalt(faelle(true)));
    // By hand: only cases 1 and 3 are current; 1 keeps its first point. The counters continue
    // after the highest numbers anywhere in the packet, deleted rows included: 7 and 40.
    EXPECT_EQ(direkt, QStringLiteral("1|eins|1/0,5\n3|null\n8\n41\n8/41"));
}

TEST(PaketDirekt, UnveraendertOhneProtokollIstEinFehlerWieMitProtokoll)
{
    const QString erwartet = QStringLiteral("Ungültiges Tabellenpaket: Ein unveränderter Wert hat keine alte Version");
    TBClientDataSet t;
    EXPECT_EQ(fehlerVon([&] { t.AusPaket(faelle(false, true)); }), erwartet);
    EXPECT_FALSE(t.Active());
    EXPECT_EQ(fehlerVon([&] { t.AusPaket(faelle(true, true)); }), erwartet);
}

TEST(PaketDirekt, EineUeberhoeheZeilenzahlBleibtEinFehlerOhneSpeicherZuReservieren)
{
    for (const qint32 anzahl : {qint32(0x7FFFFFFF), qint32(-1), qint32(3)}) {
        PaketSchreiber s(3);
        s.Spalte("A", Typ::Int32, 0);
        s.ParameterlisteEnde();
        s.Spalte("Kind", Typ::Verschachtelt + 1, 0);
        s.ParameterlisteEnde();
        s.Spalte("B", Typ::Float, 0);
        s.ParameterlisteEnde();
        s.Tabellenparameter();
        s.ParameterlisteEnde();
        s.Tabellenparameter();
        s.ParameterlisteEnde();
        s.Zeile(Status::Unveraendert, 2, true);
        s.Int32(1);
        s.Zeilenzahl(anzahl); // and no nested row follows
        TBClientDataSet t;
        const QString fehler = fehlerVon([&] { t.AusPaket(s.Fertig()); });
        EXPECT_TRUE(fehler.startsWith(QStringLiteral("Ungültiges Tabellenpaket: "))) << fehler.toStdString();
        EXPECT_FALSE(t.Active());
    }
}
