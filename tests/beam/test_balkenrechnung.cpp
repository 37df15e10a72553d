// Berechnen on the model's tables: result tables with their calculated fields, support results,
// status texts, truss-force loads through the project interface, messages, support shifting.
#include "balkenhilfen.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenrechnung.h"
#include "beam/u_lagerkraft.h"
#include "platform/u_fehler.h"
#include <gtest/gtest.h>

namespace {

QString fehlerVonBerechnen(Balkenrechnung& r)
{
    try {
        r.Berechnen();
    } catch (const Fehler& f) {
        return f.meldung();
    }
    return QString();
}

// Calculates, expecting this one message box and no other.
void rechneMitMeldung(Balkenrechnung& r, const QString& meldung)
{
    EXPECT_EQ(r.Berechnen(), Meldungen{meldung});
}

void beispieltraeger(Balkenmodell& m)
{
    m.traverse.laenge = 10;
    m.traverse.eigenlast = 100;
    m.traverse.maxQuer = m.traverse.maxBiege = 1e9; // far above any section force here
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, 5);
}

struct Projektattrappe : Lagerkraftquelle {
    double Lagerkraft(int traverse, int variante, int lager) const override
    {
        gefragt.append(QStringLiteral("%1/%2/%3").arg(traverse).arg(variante).arg(lager));
        return traverse == 3 && variante == 1 && lager == 2 ? 1050 : 0;
    }
    mutable QStringList gefragt;
};

QList<double> positionen(TBClientDataSet& p, Feldname feldname)
{
    QList<double> werte;
    for (p.First(); !p.Eof(); p.Next())
        werte.append(feld(p, feldname));
    return werte;
}

} // namespace

TEST(Balkenrechnung, FuelltTragfaellePositionenUndMaximaDesBeispiels)
{
    Balkenmodell m;
    beispieltraeger(m);
    m.traverse.maxQuer = 1000;
    m.traverse.maxBiege = 5000;
    Balkenrechnung r(m);
    QStringList status;
    int zwischendurch = 0;
    r.zeigeStatus = [&](const QString& t) { status.append(t); };
    r.ereignisseVerarbeiten = [&] { ++zwischendurch; };
    r.Berechnen();

    EXPECT_EQ(status, QStringList{QStringLiteral("Tragfall 1 von 1")});
    EXPECT_EQ(zwischendurch, 1);
    TBClientDataSet& t = r.cds_tragfaelle;
    ASSERT_EQ(t.RecordCount(), 1);
    t.First();
    EXPECT_EQ(t.FieldByName(Balkenfeld::Nummer).AsInteger(), 1);
    EXPECT_DOUBLE_EQ(feld(t, Tragfallfeld::Lagerkraft_1), 500);
    EXPECT_DOUBLE_EQ(feld(t, Tragfallfeld::Lagerpos_2), 5);
    EXPECT_DOUBLE_EQ(feld(t, Tragfallfeld::MaximaleQuerkraft), 500);
    EXPECT_DOUBLE_EQ(feld(t, Tragfallfeld::MaxQProz), 50);
    EXPECT_NEAR(feld(t, Tragfallfeld::MaxMProz), 25, 1e-9);
    EXPECT_EQ(r.cds_positionen.RecordCount(), 101);
    const QList<double> q = positionen(r.cds_positionen, Positionsfeld::Q);
    EXPECT_DOUBLE_EQ(q.first(), 500);
    EXPECT_NEAR(q.last(), -500, 1e-9);
    ASSERT_EQ(r.cds_maxima.RecordCount(), 101);
    r.cds_maxima.First();
    EXPECT_DOUBLE_EQ(feld(r.cds_maxima, Maximafeld::Q_maxProz), 50);
    r.cds_maxima.Last();
    EXPECT_NEAR(feld(r.cds_maxima, Maximafeld::Q_minProz), -50, 1e-9);

    m.cds_lager.First();
    EXPECT_DOUBLE_EQ(feld(m.cds_lager, Lagerfeld::Berechnet), 500);
    EXPECT_DOUBLE_EQ(r.auslastung.value_or(-1), 50);
    EXPECT_EQ(r.statusAuslastung, QStringLiteral("50,00 %"));
    EXPECT_EQ(r.statusGesamtlast, QStringLiteral("Gesamtlast (nur Gewichtslasten): ") + QStringLiteral("     1000,00") + QStringLiteral(" N    ") + QStringLiteral("      101,94") + QStringLiteral(" kg"));
    EXPECT_TRUE(r.berechnet);
    EXPECT_TRUE(m.berechnetAm.isValid());
}

TEST(Balkenrechnung, NegativerTragfallLaesstMaximaUndProzenteLeer)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    m.traverse.maxQuer = 1000;
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, -4);
    fuegeLastHinzu(m, ArtKraft, 5, 5, 100);
    Balkenrechnung r(m);
    r.Berechnen();
    r.cds_tragfaelle.First();
    EXPECT_NEAR(feld(r.cds_tragfaelle, Tragfallfeld::Lagerkraft_1), -900, 1e-9);
    EXPECT_TRUE(r.cds_tragfaelle.FieldByName(Tragfallfeld::MaximaleQuerkraft).IsNull());
    EXPECT_TRUE(r.cds_tragfaelle.FieldByName(Tragfallfeld::MaxQProz).IsNull());
    EXPECT_EQ(r.cds_positionen.RecordCount(), 0);
    EXPECT_EQ(r.cds_maxima.RecordCount(), 0);
    for (m.cds_lager.First(); !m.cds_lager.Eof(); m.cds_lager.Next())
        EXPECT_EQ(feld(m.cds_lager, Lagerfeld::Berechnet), 0);

    m.negativ = true;
    r.Berechnen();
    EXPECT_EQ(r.cds_positionen.RecordCount(), 101);
    m.cds_lager.First();
    EXPECT_NEAR(feld(m.cds_lager, Lagerfeld::Berechnet), -900, 1e-9);
}

TEST(Balkenrechnung, GleicheLagerpositionMeldetSichUndRechnetDieAnderenTragfaelle)
{
    Balkenmodell m;
    beispieltraeger(m);
    fuegeLagerHinzu(m, 5);
    Balkenrechnung r(m);
    rechneMitMeldung(r, QStringLiteral("Tragfall 3: Lager 2 und 3 stehen an derselben Position, kein Ergebnis"));
    EXPECT_EQ(r.meldungen.size(), 1);
    ASSERT_EQ(r.cds_tragfaelle.RecordCount(), 3);
    r.cds_tragfaelle.Last();
    EXPECT_TRUE(r.cds_tragfaelle.FieldByName(Tragfallfeld::Lagerkraft_1).IsNull());
    EXPECT_EQ(r.cds_positionen.RecordCount(), 0);
    r.cds_tragfaelle.First();
    EXPECT_EQ(r.cds_positionen.RecordCount(), 101);
    EXPECT_DOUBLE_EQ(feld(r.cds_tragfaelle, Tragfallfeld::Lagerkraft_2), 500);
}

TEST(Balkenrechnung, UngueltigeEingabeBrichtAbUndLaesstDieErgebnisseStehen)
{
    Balkenmodell m;
    beispieltraeger(m);
    Balkenrechnung r(m);
    r.Berechnen();
    m.traverse.eigenlast = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(r.Berechnen(), Fehler);
    EXPECT_EQ(r.cds_tragfaelle.RecordCount(), 1);
    m.cds_lager.First();
    EXPECT_DOUBLE_EQ(feld(m.cds_lager, Lagerfeld::Berechnet), 500);
}

TEST(Balkenrechnung, StaudruckOhneZahlWirdNurMitWindGenannt)
{
    Balkenmodell m;
    beispieltraeger(m);
    m.staudruck.setzeText(QStringLiteral("viel"));
    Balkenrechnung r(m);
    r.Berechnen(); // gravity alone does not need it
    EXPECT_TRUE(r.berechnet);
    m.berechnung.waehle(1);
    EXPECT_EQ(fehlerVonBerechnen(r), QStringLiteral("Berechnung nicht möglich: ungültiger Zahlenwert bei Staudruck"));
}

TEST(Balkenrechnung, TraversenkraefteKommenAusDemProjektOderSindNull)
{
    Balkenmodell m;
    beispieltraeger(m);
    fuegeLastHinzu(m, ArtTraversenkraft, 0, 0, 77, 0, QStringLiteral("T3|V1|L2|"));
    fuegeLastHinzu(m, ArtTraversenkraft, 1, 1, 88, 0, QStringLiteral("T3|X1|L2|"));
    fuegeLastHinzu(m, ArtTraversenkraft, 2, 2, 99, 0, QStringLiteral("T4|V1|L2|"));
    Projektattrappe projekt;
    Balkenrechnung r(m);
    r.projekt = &projekt;
    rechneMitMeldung(r, QStringLiteral("Fehler: Lager nicht gefunden! (T3|X1|L2|)"));
    EXPECT_EQ(projekt.gefragt, (QStringList{QStringLiteral("3/1/2"), QStringLiteral("4/1/2")}));
    const QList<double> lasten = positionen(m.cds_lasten, Lastfeld::Last);
    EXPECT_EQ(lasten, (QList<double>{1050, 88, 0}));
    EXPECT_DOUBLE_EQ(r.gesamtlast, 1000 + 1050 + 88);

    r.projekt = nullptr;
    EXPECT_EQ(r.Berechnen().size(), 1); // the same reference, told again
    EXPECT_EQ(positionen(m.cds_lasten, Lastfeld::Last), (QList<double>{0, 88, 0}));
}

TEST(Balkenrechnung, LiestLagerverweise)
{
    const auto v = LeseLagerverweis(QStringLiteral("T3|V1|L2|"));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->traverse, 3);
    EXPECT_EQ(v->variante, 1);
    EXPECT_EQ(v->lager, 2);
    for (const char* falsch : {"T3|V1|L2", "T3|V1|", "t3|V1|L2|", "T|V1|L2|", "T-1|V1|L2|", "T3V1|L2|", ""})
        EXPECT_FALSE(LeseLagerverweis(QString::fromUtf8(falsch))) << falsch;
}

TEST(Balkenrechnung, LagerVersetzenSchiebtNachAussenBisZumEndeUndRechnet)
{
    EXPECT_DOUBLE_EQ(Versetzschritt(true, false, false), 0.1);
    EXPECT_DOUBLE_EQ(Versetzschritt(true, true, false), 0.3);
    EXPECT_DOUBLE_EQ(Versetzschritt(false, false, true), -1.0);
    EXPECT_DOUBLE_EQ(Versetzschritt(false, true, true), -3.0);

    Balkenmodell m;
    m.traverse.laenge = 10;
    fuegeLagerHinzu(m, -3);
    fuegeLagerHinzu(m, 0);
    fuegeLagerHinzu(m, 3);
    Balkenrechnung r(m);
    r.LagerVersetzen(Versetzschritt(true, true, false));
    QList<double> x = positionen(m.cds_lager, Lagerfeld::Position);
    EXPECT_NEAR(x[0], -3.3, 1e-12);
    EXPECT_EQ(x[1], 0);
    EXPECT_NEAR(x[2], 3.3, 1e-12);
    EXPECT_EQ(r.cds_tragfaelle.RecordCount(), 3);

    Balkenmodell n;
    n.traverse.laenge = 10;
    fuegeLagerHinzu(n, -4);
    fuegeLagerHinzu(n, 4);
    fuegeLagerHinzu(n, 0.05);
    Balkenrechnung s(n);
    s.LagerVersetzen(Versetzschritt(true, true, true));
    x = positionen(n.cds_lager, Lagerfeld::Position);
    EXPECT_EQ(x[0], -5);
    EXPECT_EQ(x[1], 5);
    EXPECT_EQ(x[2], 3.05);
    s.LagerVersetzen(Versetzschritt(false, false, false));
    EXPECT_NEAR(positionen(n.cds_lager, Lagerfeld::Position)[2], 2.95, 1e-12);

    Balkenmodell o;
    o.traverse.laenge = 10;
    fuegeLagerHinzu(o, 0.05);
    Balkenrechnung u(o);
    u.LagerVersetzen(Versetzschritt(false, false, false));
    EXPECT_NEAR(positionen(o.cds_lager, Lagerfeld::Position)[0], 0.05, 1e-12);
}

TEST(Balkenrechnung, WenigerAlsZweiLagerGebenKeineTragfaelleAberDieGesamtlast)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    m.traverse.eigenlast = 10;
    fuegeLagerHinzu(m, 0, 0, 1000);
    fuegeLastHinzu(m, ArtStreckenlast, -1, 1, 200);
    Balkenrechnung r(m);
    r.Berechnen();
    EXPECT_EQ(r.cds_tragfaelle.RecordCount(), 0);
    EXPECT_EQ(r.cds_maxima.RecordCount(), 0);
    EXPECT_FALSE(r.auslastung.has_value()); // nothing carries the truss: no utilisation at all
    EXPECT_DOUBLE_EQ(r.gesamtlast, 300);
    EXPECT_EQ(r.statusAuslastung, QStringLiteral("—"));
    EXPECT_EQ(r.warnungen, QStringList{QStringLiteral("Kein Tragfall hat alle Lager unter Druck")});
}

// Hoists at −5 and −4 m with 1 kN at +5 m on 10 m: by hand R₂ = 10 kN, R₁ = −9 kN, so the only
// load case pulls one hoist upwards: no utilisation, a message, and a load beyond the end.
TEST(Balkenrechnung, NichtTragfaehigeAnordnungMeldetSichUndZeigtKeineAuslastung)
{
    Balkenmodell m;
    m.traverse.laenge = 10;
    m.traverse.maxQuer = 1000;
    m.traverse.maxBiege = 1000;
    fuegeLagerHinzu(m, -5);
    fuegeLagerHinzu(m, -4);
    fuegeLastHinzu(m, ArtKraft, 5, 5, 1000);
    fuegeLastHinzu(m, ArtKraft, 5.2, 5.2, 10);
    Balkenrechnung r(m);
    rechneMitMeldung(r, QStringLiteral("Kein Tragfall hat alle Lager unter Druck\nLast 2 liegt außerhalb der Traverse"));
    EXPECT_FALSE(r.auslastung.has_value());
    EXPECT_EQ(r.statusAuslastung, QStringLiteral("—"));
    EXPECT_EQ(r.warnungen.size(), 2);
    EXPECT_EQ(r.meldungen, r.warnungen);
}

// Supports at ±5 m under 1 000 N in the middle and no weight: by hand 500 N each, Q = ±500 N
// and M = −2 500 N·m; with Qzul = 400 N the shear is used to 125 %, and support 2 carries more
// than its Maximallast of 450 N (support 1 may carry 600 N).
namespace {
void ueberlasteterTraeger(Balkenmodell& m)
{
    m.traverse.laenge = 10;
    m.traverse.maxQuer = 400;
    m.traverse.maxBiege = 5000;
    fuegeLagerHinzu(m, -5, 0, 600);
    fuegeLagerHinzu(m, 5, 0, 450);
    fuegeLastHinzu(m, ArtKraft, 0, 0, 1000);
}
} // namespace

TEST(Balkenrechnung, UeberlastMeldetAuslastungUndLager)
{
    Balkenmodell m;
    ueberlasteterTraeger(m);
    Balkenrechnung r(m);
    rechneMitMeldung(r, QStringLiteral("Auslastung über 100 %\nLager 2: Kraft über der Maximallast"));
    EXPECT_NEAR(r.auslastung.value_or(-1), 125, 1e-9);
    EXPECT_EQ(r.statusAuslastung, QStringLiteral("125,00 %"));
    EXPECT_EQ(r.warnungen.size(), 2);
}

// The editor shows a support reference it cannot read in a box of its own, before the one box
// of the calculation's warnings; the calculation keeps them apart in its list.
TEST(Balkenrechnung, UnlesbarerLagerverweisKommtVorDenWarnungenInEigenerMeldung)
{
    Balkenmodell m;
    ueberlasteterTraeger(m); // as above: both warnings
    fuegeLastHinzu(m, ArtTraversenkraft, 1, 1, 0, 0, QStringLiteral("kein Verweis"));
    Balkenrechnung r(m);
    const QString verweis = QStringLiteral("Fehler: Lager nicht gefunden! (kein Verweis)");
    EXPECT_EQ(r.Berechnen(),
              (Meldungen{verweis, QStringLiteral("Auslastung über 100 %\nLager 2: Kraft über der Maximallast")}));
    EXPECT_EQ(r.meldungen, (QStringList{verweis, QStringLiteral("Auslastung über 100 %"),
                                        QStringLiteral("Lager 2: Kraft über der Maximallast")}));
}

// A distributed load typed from +3 to −1 is stored from −1 to +3; an ordered one stays.
TEST(Balkenrechnung, StreckenlastWirdVonDerKleinerenZurGroesserenPositionGespeichert)
{
    Balkenmodell m;
    fuegeLastHinzu(m, ArtStreckenlast, 3, -1, 1000);
    EXPECT_TRUE(OrdneStreckenlast(m.cds_lasten));
    EXPECT_DOUBLE_EQ(feld(m.cds_lasten, Lastfeld::Pos1), -1);
    EXPECT_DOUBLE_EQ(feld(m.cds_lasten, Lastfeld::Pos2), 3);
    EXPECT_FALSE(OrdneStreckenlast(m.cds_lasten));
    fuegeLastHinzu(m, ArtKraft, 2, 1, 1000); // a two-point load keeps its order
    EXPECT_FALSE(OrdneStreckenlast(m.cds_lasten));
    EXPECT_DOUBLE_EQ(feld(m.cds_lasten, Lastfeld::Pos1), 2);
}
