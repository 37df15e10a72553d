#include "project/u_projektberechnung.h"
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenrechnung.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "project/u_projektfelder.h"
#include <functional>
#include <map>
#include <set>

namespace {

// Computes the variant; stores it back when speichern is set. Returns the messages the editor
// would show for it.
Meldungen rechneIn(Projektmodell& p, Variantenzeile& w, bool speichern)
{
    w.gerechnet = true;
    Meldungen meldungen;
    try {
        Balkenmodell m;
        if (!p.VarianteInEditor(w.verweis, m, meldungen))
            return meldungen;
        m.ZaehlerSetzen();
        Balkenrechnung r(m);
        r.projekt = &p.Kraftquelle();
        meldungen << r.Berechnen();
        w.neueAuslastung = r.auslastung;
        w.meldungen = r.meldungen;
        w.warnungen = r.warnungen;
        TBClientDataSet& l = m.cds_lager;
        for (l.First(); !l.Eof(); l.Next())
            w.lager.push_back({l.FieldByName(Lagerfeld::Nummer).AsInteger(),
                               l.FieldByName(Lagerfeld::Berechnet).AsFloat()});
        if (speichern)
            p.EditorInVariante(w.verweis, m, r.auslastung, meldungen);
    } catch (const Fehler& f) {
        w.fehler = f.meldung();
    }
    return meldungen;
}

// The variants a variant's truss-force loads refer to, by variant number.
std::set<int> bezuege(Projektmodell& p, const Variantenverweis& v)
{
    std::set<int> ziele;
    Balkenmodell m;
    Meldungen uebergangen; // a variant that is gone simply refers to nothing
    try {
        if (!p.VarianteInEditor(v, m, uebergangen))
            return ziele;
    } catch (const Fehler&) {
        return ziele;
    }
    TBClientDataSet& s = m.cds_lasten;
    for (s.First(); !s.Eof(); s.Next())
        if (s.FieldByName(Lastfeld::Type).AsInteger() == ArtTraversenkraft)
            if (const auto verweis = LeseLagerverweis(s.FieldByName(Lastfeld::Name).AsString()))
                ziele.insert(verweis->variante);
    return ziele;
}
} // namespace

std::vector<Traversenzeile> LiesTraversen(Projektmodell& p)
{
    std::vector<Traversenzeile> traversen;
    TBClientDataSet& t = p.cds_projekt;
    TBClientDataSet& v = p.cds_varianten;
    for (t.First(); !t.Eof(); t.Next()) {
        Traversenzeile z{t.FieldByName(Projektfeld::Nummer).AsInteger(),
                         t.FieldByName(Projektfeld::Name).AsString(),
                         t.FieldByName(Projektfeld::Variante).Value(),
                         {}};
        for (v.First(); !v.Eof(); v.Next()) {
            Variantenzeile w;
            w.verweis = p.AktuellerVerweis();
            w.name = v.FieldByName(Variantenfeld::Name).AsString();
            w.status = v.FieldByName(Variantenfeld::Status).AsString();
            w.auslastung = v.FieldByName(Variantenfeld::Auslastung).Value();
            z.varianten.push_back(std::move(w));
        }
        traversen.push_back(std::move(z));
    }
    return traversen;
}

Meldungen Rechne(Projektmodell& p, Variantenzeile& w) { return rechneIn(p, w, false); }

QStringList AlleVariantenBerechnen(Projektmodell& p)
{
    std::vector<Traversenzeile> traversen = LiesTraversen(p);
    std::map<int, std::pair<Variantenzeile*, const Traversenzeile*>> nachNummer;
    for (Traversenzeile& t : traversen)
        for (Variantenzeile& w : t.varianten)
            nachNummer[w.verweis.variante] = {&w, &t};

    QStringList meldungen;
    std::set<int> fertig, unterwegs;
    // Depth first along the references; a cycle is cut where it closes.
    std::function<void(int)> besuche = [&](int nummer) {
        const auto eintrag = nachNummer.find(nummer);
        if (eintrag == nachNummer.end() || fertig.contains(nummer) || unterwegs.contains(nummer))
            return;
        unterwegs.insert(nummer);
        auto [w, t] = eintrag->second;
        for (const int ziel : bezuege(p, w->verweis))
            besuche(ziel);
        rechneIn(p, *w, true); // its messages are kept in the row, named below
        const QString wer = Format(Uebersetzt(2900, QStringLiteral("Traverse %d (%s), Variante %d (%s): ")),
                                   {t->nummer, t->name, w->verweis.variante, w->name});
        if (!w->fehler.isEmpty())
            meldungen.append(wer + w->fehler);
        for (const QString& m : w->meldungen)
            meldungen.append(wer + m);
        unterwegs.erase(nummer);
        fertig.insert(nummer);
    };
    for (const Traversenzeile& t : traversen)
        for (const Variantenzeile& w : t.varianten)
            besuche(w.verweis.variante);
    return meldungen;
}
