// The project side of a beam editor's variant: loading and writing back through the editor's
// interface, the truss-force lists without the editor's own truss, and the link ending with
// the project window.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "project/u_projektfelder.h"
#include "u_testhilfen.h"
#include "project/u_projektmodell.h"
#include "project/u_projektvariante.h"
#include <gtest/gtest.h>

namespace {
TField& f(TBClientDataSet& t, Feldname name) { return t.FieldByName(name); }

void traverseMitVariante(Projektmodell& p, const QString& name)
{
    p.cds_projekt.Append();
    f(p.cds_projekt, Projektfeld::Sortierung).SetAsInteger(0);
    f(p.cds_projekt, Projektfeld::Name).SetAsString(name);
    f(p.cds_projekt, Projektfeld::Position_X1).SetAsFloat(0);
    f(p.cds_projekt, Projektfeld::Position_Y1).SetAsFloat(0);
    f(p.cds_projekt, Projektfeld::Position_X2).SetAsFloat(6);
    f(p.cds_projekt, Projektfeld::Position_Y2).SetAsFloat(0);
    p.cds_projekt.Post();
    p.NeueVariante(name + QStringLiteral(" V"), QStringLiteral("Petra"));
}
} // namespace

TEST(Projektvariante, LaedtSchreibtZurueckUndListetOhneDieEigeneTraverse)
{
    Projektmodell p;
    traverseMitVariante(p, QStringLiteral("Front"));
    p.cds_lager.Append();
    f(p.cds_lager, Lagerfeld::Nummer).SetAsInteger(1);
    f(p.cds_lager, Lagerfeld::Name).SetAsString(QStringLiteral("Lager A"));
    f(p.cds_lager, Lagerfeld::Type).SetAsInteger(ArtLager);
    f(p.cds_lager, Lagerfeld::Berechnet).SetAsFloat(1000);
    f(p.cds_lager, Lagerfeld::Eigenlast).SetAsFloat(50);
    p.cds_lager.Post();
    p.cds_varianten.Edit();
    f(p.cds_varianten, Variantenfeld::Auslastung).SetAsFloat(12.5);
    p.cds_varianten.Post();
    traverseMitVariante(p, QStringLiteral("Back"));

    QObject fenster;
    Projektvariante back(p, &fenster);
    EXPECT_EQ(back.Verweis().traverse, 2);
    Balkenmodell editor;
    Meldungen meldungen;
    ASSERT_TRUE(back.VarianteLaden(editor, meldungen));
    EXPECT_EQ(editor.variantenname, QStringLiteral("Back V"));
    const Verweisliste traversen = back.TraversenAuflisten();
    ASSERT_EQ(traversen.size(), 1u);
    EXPECT_EQ(traversen[0].text, QStringLiteral("1  Front"));
    ASSERT_EQ(back.VariantenAuflisten(1).size(), 1u);
    ASSERT_EQ(back.LagerAuflisten(1, 1).size(), 1u);
    EXPECT_DOUBLE_EQ(back.Lagerkraft(1, 1, 1), 1050);

    editor.variantenname = QStringLiteral("Back neu");
    p.SetzeGeaendert(false);
    ASSERT_TRUE(back.VarianteZurueckschreiben(editor, 40.0, meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_TRUE(p.Geaendert());
    p.cds_projekt.Locate({Projektfeld::Nummer}, {2});
    EXPECT_EQ(f(p.cds_varianten, Variantenfeld::Name).AsString(), QStringLiteral("Back neu"));
    EXPECT_DOUBLE_EQ(f(p.cds_varianten, Variantenfeld::Auslastung).AsFloat(), 40.0);
}

TEST(Projektvariante, OhneProjektfensterFindetSieNichtsMehr)
{
    Projektmodell p;
    traverseMitVariante(p, QStringLiteral("Front"));
    auto* fenster = new QObject;
    Projektvariante v(p, fenster);
    delete fenster;
    Balkenmodell editor;
    Meldungen meldungen;
    EXPECT_FALSE(v.VarianteZurueckschreiben(editor, std::nullopt, meldungen));
    EXPECT_FALSE(v.VarianteLaden(editor, meldungen));
    // the project is gone, not the truss
    EXPECT_EQ(meldungen, Meldungen(2, QStringLiteral("Projekt nicht gefunden!")));
    EXPECT_TRUE(v.TraversenAuflisten().empty());
    EXPECT_DOUBLE_EQ(v.Lagerkraft(1, 1, 1), 0);
}

TEST(Projektvariante, ZurueckschreibenMachtAuslastungenMitGeaenderterLagerkraftUngueltig)
{
    Projektmodell p;
    traverseMitVariante(p, QStringLiteral("Front"));
    p.cds_lager.Append();
    f(p.cds_lager, Lagerfeld::Nummer).SetAsInteger(1);
    f(p.cds_lager, Lagerfeld::Type).SetAsInteger(ArtLager);
    f(p.cds_lager, Lagerfeld::Berechnet).SetAsFloat(1000);
    p.cds_lager.Post();
    QObject fenster;
    Projektvariante front(p, &fenster);
    traverseMitVariante(p, QStringLiteral("Back"));
    p.cds_lasten.Append();
    f(p.cds_lasten, Lastfeld::Nummer).SetAsInteger(1);
    f(p.cds_lasten, Lastfeld::Name).SetAsString(QStringLiteral("T1|V1|L1|"));
    f(p.cds_lasten, Lastfeld::Type).SetAsInteger(ArtTraversenkraft);
    p.cds_lasten.Post();
    p.cds_varianten.Edit();
    f(p.cds_varianten, Variantenfeld::Auslastung).SetAsFloat(25);
    p.cds_varianten.Post();
    const auto auslastungBack = [&] {
        p.cds_projekt.Locate({Projektfeld::Nummer}, {2});
        return f(p.cds_varianten, Variantenfeld::Auslastung).Value();
    };

    Balkenmodell editor;
    Meldungen meldungen;
    ASSERT_TRUE(front.VarianteLaden(editor, meldungen));
    ASSERT_TRUE(front.VarianteZurueckschreiben(editor, 10.0, meldungen));
    EXPECT_DOUBLE_EQ(auslastungBack().toDouble(), 25); // the same force: still valid

    editor.cds_lager.First();
    editor.cds_lager.Edit();
    f(editor.cds_lager, Lagerfeld::Berechnet).SetAsFloat(1500);
    editor.cds_lager.Post();
    ASSERT_TRUE(front.VarianteZurueckschreiben(editor, 15.0, meldungen));
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_FALSE(auslastungBack().isValid());
}

TEST(Projektvariante, LagerLoeschenNenntDieLastenAndererVariantenDieDaraufZeigen)
{
    Projektmodell p;
    traverseMitVariante(p, QStringLiteral("Front"));
    QObject fenster;
    Projektvariante front(p, &fenster);
    traverseMitVariante(p, QStringLiteral("Back"));
    for (const int lager : {1, 2}) {
        p.cds_lasten.Append();
        f(p.cds_lasten, Lastfeld::Nummer).SetAsInteger(lager + 5);
        f(p.cds_lasten, Lastfeld::Name).SetAsString(QStringLiteral("T1|V1|L%1|").arg(lager));
        f(p.cds_lasten, Lastfeld::Type).SetAsInteger(ArtTraversenkraft);
        p.cds_lasten.Post();
    }

    EXPECT_TRUE(front.LagerLoeschenErlaubt({3}, keineFrage)); // nothing refers to support 3: no question
    QStringList gefragt;
    EXPECT_FALSE(front.LagerLoeschenErlaubt({1, 2}, antwortet(false, gefragt)));
    EXPECT_EQ(gefragt, QStringList{QStringLiteral("Diese Traversenkräfte anderer Varianten verweisen darauf:\r\n"
                                                  "Traverse 2 (Back), Variante 2: Last 6\r\n"
                                                  "Traverse 2 (Back), Variante 2: Last 7\r\n"
                                                  "Sie werden danach mit 0 gerechnet. Trotzdem löschen?")});
    EXPECT_TRUE(front.LagerLoeschenErlaubt({1}, antwortet(true, gefragt)));
    EXPECT_EQ(gefragt.size(), 2);
}
