// Project model: the file ".prp", the changed flag, the variant operations, the truss-force lists
// and the exchange with a beam editor.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "u_testhilfen.h"
#include "platform/u_fehler.h"
#include "project/u_projektfelder.h"
#include "project/u_projektmodell.h"
#include "tables/u_stream.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TField& f(TBClientDataSet& t, Feldname name) { return t.FieldByName(name); }

void traverse(Projektmodell& p, const QString& name, double x1, double y1, double x2, double y2)
{
    p.cds_projekt.Append();
    f(p.cds_projekt, Projektfeld::Sortierung).SetAsInteger(0);
    f(p.cds_projekt, Projektfeld::Name).SetAsString(name);
    f(p.cds_projekt, Projektfeld::Position_X1).SetAsFloat(x1);
    f(p.cds_projekt, Projektfeld::Position_Y1).SetAsFloat(y1);
    f(p.cds_projekt, Projektfeld::Position_X2).SetAsFloat(x2);
    f(p.cds_projekt, Projektfeld::Position_Y2).SetAsFloat(y2);
    p.cds_projekt.Post();
}

void lager(Projektmodell& p, int nummer, const QString& name, double berechnet, double eigenlast)
{
    p.cds_lager.Append();
    f(p.cds_lager, Lagerfeld::Nummer).SetAsInteger(nummer);
    f(p.cds_lager, Lagerfeld::Name).SetAsString(name);
    f(p.cds_lager, Lagerfeld::Type).SetAsInteger(ArtLager);
    f(p.cds_lager, Lagerfeld::Position).SetAsFloat(0);
    f(p.cds_lager, Lagerfeld::Eigenlast).SetAsFloat(eigenlast);
    f(p.cds_lager, Lagerfeld::Maximallast).SetAsFloat(1000);
    f(p.cds_lager, Lagerfeld::Berechnet).SetAsFloat(berechnet);
    p.cds_lager.Post();
}

QByteArray lies(const QString& pfad)
{
    QFile d(pfad);
    EXPECT_TRUE(d.open(QIODevice::ReadOnly));
    return d.readAll();
}

class Projekt : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Projektmodell p;
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
};

} // namespace

TEST_F(Projekt, NeuesProjektGespeichertIstKopfDreiLeereTexteUndZweiLeerePakete)
{
    EXPECT_EQ(p.Titel(), QStringLiteral("Projekt"));
    EXPECT_FALSE(p.Geaendert());
    p.Speichern(pfad("neu.prp"));
    const QByteArray b = lies(pfad("neu.prp"));
    const QByteArray kopf = QByteArray("\x06\x1c") + "Kelvara VLX Projektdatei 1.0" + QByteArray("\x06\x00\x06\x00\x06\x00", 6);
    ASSERT_GT(b.size(), kopf.size());
    EXPECT_EQ(b.left(kopf.size()), kopf);

    TBClientDataSet leerT, leerM;
    leerT.FieldDefs = ProjektFelder();
    leerT.CreateDataSet();
    leerM.FieldDefs = MauerFelder();
    leerM.CreateDataSet();
    const QByteArray pt = leerT.Paket(), pm = leerM.Paket();
    EXPECT_EQ(pm.size(), 168);
    EXPECT_EQ(b.size(), kopf.size() + 4 + pt.size() + 4 + pm.size());
    EXPECT_EQ(b.mid(kopf.size() + 4, pt.size()), pt);
    EXPECT_EQ(b.right(pm.size()), pm);
    EXPECT_EQ(p.Titel(), QStringLiteral("Projekt [%1]").arg(pfad("neu.prp")));
}

TEST_F(Projekt, RundreiseBehaeltTexteZweizeiligeNotizenVariantenLagerUndMauern)
{
    p.name = QStringLiteral("Halle Süd");
    p.bearbeiter = QStringLiteral("Jörg");
    p.anmerkungen = {QStringLiteral("erste Zeile"), QStringLiteral("zweite Zeile")};
    traverse(p, QStringLiteral("Front"), 0, 0, 3, 4);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("A"), QStringLiteral("B")));
    lager(p, 2, QStringLiteral("Lager B"), 1000, 50);
    p.cds_mauern.Append();
    f(p.cds_mauern, Mauerfeld::Symbol).SetAsInteger(1);
    p.cds_mauern.Post();
    p.cds_punkte.Append();
    f(p.cds_punkte, Punktfeld::X).SetAsFloat(1.5);
    p.cds_punkte.Post();
    EXPECT_TRUE(p.Geaendert());
    p.Speichern(pfad("r.prp"));
    EXPECT_FALSE(p.Geaendert());
    EXPECT_TRUE(lies(pfad("r.prp")).contains("erste Zeile\r\nzweite Zeile\r\n"));

    Projektmodell q;
    Meldungen meldungen;
    ASSERT_TRUE(q.Laden(pfad("r.prp"), meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(q.name, p.name);
    EXPECT_EQ(q.bearbeiter, p.bearbeiter);
    EXPECT_EQ(q.anmerkungen, p.anmerkungen);
    EXPECT_FALSE(q.Geaendert());
    EXPECT_EQ(f(q.cds_projekt, Projektfeld::Name).AsString(), QStringLiteral("Front"));
    EXPECT_EQ(f(q.cds_varianten, Variantenfeld::Einstellungen).AsString(), QStringLiteral("TravLaenge=5,00"));
    EXPECT_EQ(q.Lagerkraft(1, 1, 2), 1050);
    EXPECT_DOUBLE_EQ(f(q.cds_punkte, Punktfeld::X).AsFloat(), 1.5);
    // numbering goes on after the stored rows
    ASSERT_TRUE(q.NeueVariante(QStringLiteral("C"), QString()));
    EXPECT_EQ(f(q.cds_varianten, Variantenfeld::Nummer).AsInteger(), 2);
}

TEST_F(Projekt, FalscherKopfMeldetUndNimmtDenDateinamenBeiLeeremProjekt)
{
    {
        DokumentSchreiber s(pfad("t.prt"));
        s.Text(QStringLiteral("Kelvara VLX Traversendatei 2"));
        s.Text(QStringLiteral("Hoehe=1"));
        s.Abschliessen();
    }
    p.name = QStringLiteral("alt");
    Meldungen meldungen;
    EXPECT_FALSE(p.Laden(pfad("t.prt"), meldungen));
    EXPECT_EQ(meldungen, Meldungen{QStringLiteral("keine gültige Projektdatei")});
    EXPECT_EQ(p.name, QStringLiteral("alt"));
    EXPECT_TRUE(p.Dateiname().isEmpty());
}

TEST_F(Projekt, LesefehlerImPaketHinterlaesstLeeresProjektUndAltenDateinamen)
{
    traverse(p, QStringLiteral("Front"), 0, 0, 3, 4);
    p.Speichern(pfad("gut.prp"));
    QByteArray b = lies(pfad("gut.prp"));
    b.chop(20); // the wall packet is cut short
    QFile kaputt(pfad("kaputt.prp"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write(b);
    kaputt.close();

    Meldungen meldungen;
    EXPECT_THROW(p.Laden(pfad("kaputt.prp"), meldungen), Fehler);
    EXPECT_EQ(p.cds_projekt.RecordCount(), 0);
    EXPECT_TRUE(p.name.isEmpty());
    EXPECT_EQ(p.Dateiname(), pfad("gut.prp"));
    // still a working project
    traverse(p, QStringLiteral("neu"), 0, 0, 1, 0);
    EXPECT_TRUE(p.NeueVariante(QStringLiteral("A"), QString()));
}

TEST_F(Projekt, NeueVarianteBekommtDieLaengeUndWirdAlsErsteHauptvariante)
{
    traverse(p, QStringLiteral("T1"), 0, 0, 3, 4);
    p.SetzeGeaendert(false);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("V1"), QStringLiteral("Ich")));
    EXPECT_TRUE(p.Geaendert());
    EXPECT_EQ(p.cds_projekt.State(), TDataSetState::Browse);
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Einstellungen).AsString(), QStringLiteral("TravLaenge=5,00"));
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Status).AsString(), QStringLiteral("neu angelegt"));
    const int erste = f(p.cds_varianten, Variantenfeld::Nummer).AsInteger();
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Variante).AsInteger(), erste);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("V2"), QString()));
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Variante).AsInteger(), erste);

    // numbers are unique across trusses
    traverse(p, QStringLiteral("T2"), 0, 0, 1, 0);
    ASSERT_TRUE(p.NeueVariante(QStringLiteral("W1"), QString()));
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Nummer).AsInteger(), erste + 2);
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Einstellungen).AsString(), QStringLiteral("TravLaenge=1,00"));
}

TEST_F(Projekt, LoeschenDerHauptvarianteFragtUndLaesstDieNummerStehen)
{
    traverse(p, QStringLiteral("T1"), 0, 0, 3, 4);
    p.NeueVariante(QStringLiteral("V1"), QString());
    lager(p, 1, QStringLiteral("L"), 0, 0);
    QStringList gefragt;
    p.SetzeGeaendert(false);
    EXPECT_FALSE(p.VarianteLoeschen(antwortet(false, gefragt)));
    EXPECT_EQ(p.cds_varianten.RecordCount(), 1);
    EXPECT_FALSE(p.Geaendert()); // No changes nothing
    EXPECT_TRUE(p.VarianteLoeschen(antwortet(true, gefragt)));
    EXPECT_EQ(gefragt, QStringList(2, QStringLiteral("Soll die Variante 1 (V1) gelöscht werden?")));
    EXPECT_TRUE(p.Geaendert());
    EXPECT_EQ(p.cds_varianten.RecordCount(), 0);
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Variante).AsInteger(), 1);
    EXPECT_FALSE(p.HauptvarianteWaehlen());
    EXPECT_FALSE(p.Knopfzustaende().loeschen);
}

TEST_F(Projekt, DuplikatBehaeltLagernummernOhneAuslastungUndAnmerkung)
{
    traverse(p, QStringLiteral("T1"), 0, 0, 3, 4);
    p.NeueVariante(QStringLiteral("V1"), QString());
    lager(p, 7, QStringLiteral("L7"), 10, 1);
    lager(p, 9, QStringLiteral("L9"), 20, 2);
    p.VariantenanmerkungSetzen(QStringLiteral("Notiz\r\n"));
    p.cds_varianten.Edit();
    f(p.cds_varianten, Variantenfeld::Auslastung).SetAsFloat(12);
    p.cds_varianten.Post();

    ASSERT_TRUE(p.VarianteDuplizieren(QStringLiteral("Kopie"), QStringLiteral("Ich")));
    EXPECT_EQ(p.cds_projekt.State(), TDataSetState::Browse);
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Nummer).AsInteger(), 2);
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Status).AsString(), QStringLiteral("dupliziert"));
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Einstellungen).AsString(), QStringLiteral("TravLaenge=5,00"));
    EXPECT_TRUE(f(p.cds_varianten, Variantenfeld::Auslastung).IsNull());
    EXPECT_TRUE(f(p.cds_varianten, Variantenfeld::Anmerkung).IsNull());
    ASSERT_EQ(p.cds_lager.RecordCount(), 2);
    p.cds_lager.First();
    EXPECT_EQ(f(p.cds_lager, Lagerfeld::Nummer).AsInteger(), 7);
    p.cds_lager.Last();
    EXPECT_EQ(f(p.cds_lager, Lagerfeld::Nummer).AsInteger(), 9);
    EXPECT_EQ(p.Lagerkraft(1, 2, 9), 22);
    EXPECT_EQ(p.VariantenAuflisten(1), (Verweisliste{{QStringLiteral("1  V1"), 1}}));
}

TEST(ProjektOhneVariante, DuplizierenTutNichtsUndLegtKeineTraverseAn)
{
    Projektmodell p;
    EXPECT_FALSE(p.VarianteDuplizieren(QStringLiteral("x"), QString()));
    EXPECT_EQ(p.cds_projekt.RecordCount(), 0);
    EXPECT_FALSE(p.Knopfzustaende().neu);
    EXPECT_TRUE(p.Knopfzustaende().duplizieren);
}

TEST_F(Projekt, ListenFuerTraversenkraefte)
{
    traverse(p, QStringLiteral("Front"), 0, 0, 3, 4);
    p.NeueVariante(QStringLiteral("V1"), QString());
    lager(p, 2, QStringLiteral("Lager B"), 1000, 50);
    traverse(p, QStringLiteral("ohne"), 0, 0, 1, 0);
    traverse(p, QStringLiteral("eigene"), 0, 0, 1, 0);
    p.NeueVariante(QStringLiteral("E"), QString());

    EXPECT_EQ(p.TraversenAuflisten(3), (Verweisliste{{QStringLiteral("1  Front"), 1}}));
    EXPECT_TRUE(p.VariantenAuflisten(1).empty()); // not calculated yet
    EXPECT_TRUE(p.VariantenAuflisten(99).empty());
    EXPECT_EQ(p.LagerAuflisten(1, 1), (Verweisliste{{QStringLiteral("2  Lager B 101,94 kg"), 2}}));
    EXPECT_TRUE(p.LagerAuflisten(1, 2).empty()); // variant 2 belongs to truss 3
    EXPECT_EQ(p.Lagerkraft(1, 1, 2), 1050);
    EXPECT_EQ(p.Lagerkraft(1, 1, 3), 0);
    EXPECT_EQ(p.Lagerkraft(2, 1, 2), 0);
    EXPECT_EQ(p.Kraftquelle().Lagerkraft(1, 1, 2), 1050);
}

TEST_F(Projekt, ZurueckschreibenSpeichertAuslastungNurWennBerechnet)
{
    traverse(p, QStringLiteral("Front"), 0, 0, 3, 4);
    p.NeueVariante(QStringLiteral("V1"), QString());
    const Variantenverweis v = p.AktuellerVerweis();

    Balkenmodell editor;
    Meldungen meldungen;
    ASSERT_TRUE(p.VarianteInEditor(v, editor, meldungen));
    EXPECT_DOUBLE_EQ(editor.traverse.laenge, 5);
    editor.cds_lager.Append();
    f(editor.cds_lager, Lagerfeld::Nummer).SetAsInteger(1);
    f(editor.cds_lager, Lagerfeld::Berechnet).SetAsFloat(300);
    editor.cds_lager.Post();
    editor.variantenname = QStringLiteral("neu benannt");
    p.SetzeGeaendert(false);
    ASSERT_TRUE(p.EditorInVariante(v, editor, 42.5, meldungen));
    EXPECT_TRUE(p.Geaendert());
    EXPECT_EQ(p.cds_projekt.State(), TDataSetState::Browse);
    EXPECT_DOUBLE_EQ(f(p.cds_varianten, Variantenfeld::Auslastung).AsFloat(), 42.5);
    EXPECT_EQ(p.VariantenAuflisten(1), (Verweisliste{{QStringLiteral("1  neu benannt"), 1}}));
    EXPECT_EQ(p.Lagerkraft(1, 1, 1), 300);

    ASSERT_TRUE(p.EditorInVariante(v, editor, std::nullopt, meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_TRUE(f(p.cds_varianten, Variantenfeld::Auslastung).IsNull());
    EXPECT_TRUE(p.VariantenAuflisten(1).empty());

    EXPECT_FALSE(p.EditorInVariante({v.sortierung, v.traverse, 99}, editor, 1.0, meldungen));
    EXPECT_FALSE(p.VarianteInEditor({5, v.traverse, v.variante}, editor, meldungen));
    EXPECT_EQ(meldungen, (Meldungen{QStringLiteral("Variante nicht gefunden."), QStringLiteral("Traverse nicht gefunden.")}));
    EXPECT_TRUE(f(p.cds_varianten, Variantenfeld::Auslastung).IsNull());
}

namespace {
void last(Projektmodell& p, int nummer, const char* name, int art)
{
    p.cds_lasten.Append();
    f(p.cds_lasten, Lastfeld::Nummer).SetAsInteger(nummer);
    f(p.cds_lasten, Lastfeld::Name).SetAsString(QString::fromUtf8(name));
    f(p.cds_lasten, Lastfeld::Type).SetAsInteger(art);
    p.cds_lasten.Post();
}

void auslastung(Projektmodell& p, double prozent)
{
    p.cds_varianten.Edit();
    f(p.cds_varianten, Variantenfeld::Auslastung).SetAsFloat(prozent);
    p.cds_varianten.Post();
}

// (truss, variant, load) of each found load, in the order found.
std::vector<std::tuple<int, int, int>> orte(const Lastverweise& verweise)
{
    std::vector<std::tuple<int, int, int>> o;
    for (const Lastverweis& v : verweise)
        o.emplace_back(v.traverse, v.variante, v.last);
    return o;
}

// Truss 1 "Front": variant 1 with supports 1 and 2 and a load on its own support 1, variant 3
// with a load on support 1 of variant 1. Truss 2 "Mitte": variant 2 with loads on supports 2
// and 1 of variant 1 and a point load whose name only looks like a reference.
class Verweise : public Projekt {
protected:
    void SetUp() override
    {
        traverse(p, QStringLiteral("Front"), 0, 0, 4, 0);
        p.NeueVariante(QStringLiteral("V1"), QString());
        lager(p, 1, QStringLiteral("A"), 400, 20);
        lager(p, 2, QStringLiteral("B"), 1000, 50);
        last(p, 1, "T1|V1|L1|", ArtTraversenkraft);
        traverse(p, QStringLiteral("Mitte"), 0, 2, 4, 2);
        p.NeueVariante(QStringLiteral("M"), QString());
        last(p, 3, "T1|V1|L2|", ArtTraversenkraft);
        last(p, 4, "T1|V1|L1|", ArtTraversenkraft);
        last(p, 5, "T1|V1|L2|", ArtKraft);
        auslastung(p, 40);
        p.cds_projekt.First();
        p.NeueVariante(QStringLiteral("V3"), QString());
        last(p, 7, "T1|V1|L1|", ArtTraversenkraft);
        auslastung(p, 30);
    }
};
} // namespace

TEST_F(Verweise, FindetNurLastenAndererVariantenDieAufDasGeloeschteZeigen)
{
    using O = std::vector<std::tuple<int, int, int>>;
    EXPECT_EQ(orte(p.Kraftverweise(1)), (O{{2, 2, 3}, {2, 2, 4}})); // variant 3 goes with its truss
    EXPECT_EQ(orte(p.Kraftverweise(1, 1)), (O{{1, 3, 7}, {2, 2, 3}, {2, 2, 4}}));
    EXPECT_EQ(orte(p.Kraftverweise(1, 1, 2)), (O{{2, 2, 3}}));
    EXPECT_TRUE(p.Kraftverweise(1, 3).empty());
    EXPECT_TRUE(p.Kraftverweise(2).empty());

    const Lastverweise auf2 = p.Kraftverweise(1, 1, 2);
    EXPECT_EQ(auf2[0].traversenname, QStringLiteral("Mitte"));
    EXPECT_DOUBLE_EQ(auf2[0].kraft, 1000 + 50);
    EXPECT_EQ(Verweistext(p.Kraftverweise(1)).toStdString(),
              "Traverse 2 (Mitte), Variante 2: Last 3\r\nTraverse 2 (Mitte), Variante 2: Last 4");
}

TEST_F(Verweise, SucheLaesstDieAktuellenZeilenStehen)
{
    p.cds_projekt.Last();
    p.cds_lasten.SetRecNo(2);
    p.Kraftverweise(1, 1);
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Nummer).AsInteger(), 2);
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Nummer).AsInteger(), 2);
    EXPECT_EQ(f(p.cds_lasten, Lastfeld::Nummer).AsInteger(), 4);

    p.cds_projekt.First();
    p.cds_varianten.SetRecNo(2);
    p.VeraltetMarkieren(p.Kraftverweise(1, 1));
    EXPECT_EQ(f(p.cds_projekt, Projektfeld::Nummer).AsInteger(), 1);
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Nummer).AsInteger(), 3);
}

TEST_F(Verweise, GeaenderteLagerkraftMachtNurDieDaraufBauendenAuslastungenUngueltig)
{
    const Lastverweise verweise = p.Kraftverweise(1, 1);
    EXPECT_FALSE(p.VeraltetMarkieren(verweise)); // nothing changed yet
    p.cds_projekt.First();
    ASSERT_TRUE(p.cds_varianten.Locate({Variantenfeld::Nummer}, {1}));
    ASSERT_TRUE(p.cds_lager.Locate({Lagerfeld::Nummer}, {2}));
    p.cds_lager.Edit();
    f(p.cds_lager, Lagerfeld::Berechnet).SetAsFloat(1200);
    p.cds_lager.Post();

    EXPECT_TRUE(p.VeraltetMarkieren(verweise));
    ASSERT_TRUE(p.cds_projekt.Locate({Projektfeld::Nummer}, {2}));
    EXPECT_TRUE(f(p.cds_varianten, Variantenfeld::Auslastung).IsNull()); // takes support 2
    ASSERT_TRUE(p.cds_projekt.Locate({Projektfeld::Nummer}, {1}));
    ASSERT_TRUE(p.cds_varianten.Locate({Variantenfeld::Nummer}, {3}));
    EXPECT_DOUBLE_EQ(f(p.cds_varianten, Variantenfeld::Auslastung).AsFloat(), 30); // takes support 1 only
}

// The model tells its window in three signals: every change (also while the flag is set), the
// flag changing, and the truss table changing; the flag taken from the history is no change.
TEST(Projektmodellsignale, AenderungZustandUndTraversenKommenJeEinmal)
{
    Projektmodell p;
    int aenderungen = 0, zustaende = 0, traversen = 0;
    QObject::connect(&p, &Projektmodell::Aenderung, [&] { ++aenderungen; });
    QObject::connect(&p, &Projektmodell::ZustandGeaendert, [&] { ++zustaende; });
    QObject::connect(&p, &Projektmodell::TraversenGeaendert, [&] { ++traversen; });
    traverse(p, QStringLiteral("Front"), 0, 0, 8, 0);
    EXPECT_EQ(aenderungen, 1);
    EXPECT_EQ(zustaende, 1);
    EXPECT_EQ(traversen, 1);
    p.SetzeGeaendert(true);
    EXPECT_EQ(aenderungen, 2);
    EXPECT_EQ(zustaende, 1); // the flag was set already

    p.UebernimmAenderungsstand(false);
    p.UebernimmAenderungsstand(true);
    EXPECT_TRUE(p.Geaendert());
    EXPECT_EQ(aenderungen, 2);
    EXPECT_EQ(zustaende, 3);
    p.LeeresProjekt();
    EXPECT_FALSE(p.Geaendert());
    EXPECT_EQ(traversen, 2); // the empty truss table is opened
}
