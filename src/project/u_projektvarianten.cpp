// The variants of a project truss: new, delete, notes, duplicate, the truss-force lists and the
// exchange with a beam editor.
#include "beam/u_balkenmodell.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenrechnung.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include "project/u_projektfelder.h"
#include "project/u_projektmodell.h"
#include <cmath>

namespace {
int spalte(TBClientDataSet& t, Feldname name) { return t.FieldByName(name).Index(); }

QString eintragstext(const QVariant& nummer, const QVariant& name)
{
    return nummer.toString() + QStringLiteral("  ") + name.toString();
}

void leere(TBClientDataSet& t)
{
    while (t.RecordCount() > 0) {
        t.First();
        t.Delete();
    }
}
// Keeps the current rows of the truss, variant, support and load tables (pending edits posted)
// and puts them back when it ends, so that a search leaves the grids where they were.
class Zeilenstand {
public:
    explicit Zeilenstand(Projektmodell& p) : m_tabellen{&p.cds_projekt, &p.cds_varianten, &p.cds_lager, &p.cds_lasten}
    {
        for (int i = 0; i < 4; ++i) {
            m_tabellen[i]->CheckBrowseMode();
            m_zeilen[i] = m_tabellen[i]->RecNo();
        }
    }
    ~Zeilenstand()
    {
        for (int i = 0; i < 4; ++i)
            if (m_zeilen[i] > 0)
                m_tabellen[i]->SetRecNo(m_zeilen[i]);
    }
    Zeilenstand(const Zeilenstand&) = delete;
    Zeilenstand& operator=(const Zeilenstand&) = delete;

private:
    TBClientDataSet* m_tabellen[4];
    int m_zeilen[4] = {0, 0, 0, 0};
};
} // namespace

QString Verweistext(const Lastverweise& verweise)
{
    QStringList zeilen;
    for (const Lastverweis& v : verweise)
        zeilen << Format(Uebersetzt(2810, QStringLiteral("Traverse %d (%s), Variante %d: Last %d")),
                         {v.traverse, v.traversenname, v.variante, v.last});
    return zeilen.join(QStringLiteral("\r\n"));
}

Lastverweise Projektmodell::Kraftverweise(int traverse, std::optional<int> variante, std::optional<int> lager)
{
    Lastverweise gefunden;
    {
        Zeilenstand stand(*this);
        const auto betroffen = [&](int t, int v) { return t == traverse && (!variante || v == *variante); };
        for (cds_projekt.First(); !cds_projekt.Eof(); cds_projekt.Next()) {
            const int t = cds_projekt.FieldByName(Projektfeld::Nummer).AsInteger();
            for (cds_varianten.First(); !cds_varianten.Eof(); cds_varianten.Next()) {
                const int v = cds_varianten.FieldByName(Variantenfeld::Nummer).AsInteger();
                if (betroffen(t, v))
                    continue;
                for (cds_lasten.First(); !cds_lasten.Eof(); cds_lasten.Next()) {
                    if (cds_lasten.FieldByName(Lastfeld::Type).AsInteger() != ArtTraversenkraft)
                        continue;
                    const auto ziel = LeseLagerverweis(cds_lasten.FieldByName(Lastfeld::Name).AsString());
                    if (ziel && betroffen(ziel->traverse, ziel->variante) && (!lager || ziel->lager == *lager))
                        gefunden.push_back({t, cds_projekt.FieldByName(Projektfeld::Name).AsString(), v,
                                            cds_lasten.FieldByName(Lastfeld::Nummer).AsInteger(), ziel->traverse,
                                            ziel->variante, ziel->lager, 0});
                }
            }
        }
    }
    Zeilenstand stand(*this);
    for (Lastverweis& g : gefunden)
        g.kraft = Lagerkraft(g.zielTraverse, g.zielVariante, g.zielLager);
    return gefunden;
}

bool Projektmodell::VeraltetMarkieren(const Lastverweise& verweise)
{
    Zeilenstand stand(*this);
    bool markiert = false;
    for (const Lastverweis& v : verweise) {
        if (Lagerkraft(v.zielTraverse, v.zielVariante, v.zielLager) == v.kraft || !findeVariante(v.traverse, v.variante)
            || cds_varianten.FieldByName(Variantenfeld::Auslastung).IsNull())
            continue;
        cds_varianten.Edit();
        cds_varianten.FieldByName(Variantenfeld::Auslastung).Clear();
        cds_varianten.Post();
        markiert = true;
    }
    return markiert;
}

bool Projektmodell::NeueVariante(const QString& variantenname, const QString& variantenbearbeiter)
{
    if (cds_projekt.RecordCount() == 0)
        return false;
    const double dx = cds_projekt.FieldByName(Projektfeld::Position_X2).AsFloat()
        - cds_projekt.FieldByName(Projektfeld::Position_X1).AsFloat();
    const double dy = cds_projekt.FieldByName(Projektfeld::Position_Y2).AsFloat()
        - cds_projekt.FieldByName(Projektfeld::Position_Y1).AsFloat();
    cds_varianten.Append();
    cds_varianten.FieldByName(Variantenfeld::Name).SetAsString(variantenname);
    cds_varianten.FieldByName(Variantenfeld::Bearbeiter).SetAsString(variantenbearbeiter);
    cds_varianten.FieldByName(Variantenfeld::Status).SetAsString(QStringLiteral("neu angelegt"));
    cds_varianten.FieldByName(Variantenfeld::Einstellungen)
        .SetAsString(QStringLiteral("TravLaenge=") + FormatFloat(QStringLiteral("0.00"), std::sqrt(dx * dx + dy * dy)));
    cds_varianten.Post();
    if (cds_projekt.FieldByName(Projektfeld::Variante).IsNull()) {
        const int nummer = cds_varianten.FieldByName(Variantenfeld::Nummer).AsInteger();
        cds_projekt.Edit();
        cds_projekt.FieldByName(Projektfeld::Variante).SetAsInteger(nummer);
        cds_projekt.Post();
    }
    return true;
}

bool Projektmodell::VarianteLoeschen(const Rueckfrage& bejaht)
{
    if (cds_varianten.RecordCount() == 0)
        return false;
    const QString frage = Format(Uebersetzt(1809, QStringLiteral("Soll die Variante %d (%s) gelöscht werden?")),
                                 {cds_varianten.FieldByName(Variantenfeld::Nummer).AsInteger(),
                                  cds_varianten.FieldByName(Variantenfeld::Name).AsString()});
    if (!bejaht(frage))
        return false;
    leere(cds_lasten);
    leere(cds_lager);
    cds_varianten.Delete();
    return true;
}

void Projektmodell::TraverseLoeschen()
{
    if (cds_projekt.RecordCount() == 0)
        return;
    leere(cds_varianten);
    cds_projekt.Delete();
}

bool Projektmodell::VariantenanmerkungSetzen(const QString& text)
{
    if (cds_projekt.RecordCount() == 0)
        return false;
    cds_varianten.Edit(); // on a truss without variants this starts a variant holding the note
    cds_varianten.FieldByName(Variantenfeld::Anmerkung).SetAsString(text);
    cds_varianten.Post();
    return true;
}

// Without a variant there is nothing to duplicate; appending would even make up a truss row in
// an empty project.
bool Projektmodell::VarianteDuplizieren(const QString& variantenname, const QString& variantenbearbeiter)
{
    if (cds_varianten.RecordCount() == 0)
        return false;
    RichteLagertabelleEin(cds_dupli_lager);
    RichteLastentabelleEin(cds_dupli_lasten);
    KopiereZeilen(cds_lager, cds_dupli_lager);
    KopiereZeilen(cds_lasten, cds_dupli_lasten);
    const QVariant traverse = cds_varianten.FieldByName(Variantenfeld::Traverse).Value();
    const QVariant einstellungen = cds_varianten.FieldByName(Variantenfeld::Einstellungen).Value();
    cds_varianten.Append();
    cds_varianten.FieldByName(Variantenfeld::Name).SetAsString(variantenname);
    cds_varianten.FieldByName(Variantenfeld::Bearbeiter).SetAsString(variantenbearbeiter);
    cds_varianten.FieldByName(Variantenfeld::Status).SetAsString(QStringLiteral("dupliziert"));
    cds_varianten.FieldByName(Variantenfeld::Traverse).SetValue(traverse);
    cds_varianten.FieldByName(Variantenfeld::Einstellungen).SetValue(einstellungen);
    cds_varianten.Post();
    KopiereZeilen(cds_dupli_lager, cds_lager);
    KopiereZeilen(cds_dupli_lasten, cds_lasten);
    cds_varianten.CheckBrowseMode();
    return true;
}

Verweisliste Projektmodell::TraversenAuflisten(int eigeneTraverse)
{
    Verweisliste liste;
    const int nummer = spalte(cds_projekt, Projektfeld::Nummer), name = spalte(cds_projekt, Projektfeld::Name);
    const int variante = spalte(cds_projekt, Projektfeld::Variante);
    for (int i = 1; i <= cds_projekt.RecordCount(); ++i) {
        const QVariant n = cds_projekt.WertBei(i, nummer);
        if (n.toInt() == eigeneTraverse || !cds_projekt.WertBei(i, variante).isValid())
            continue;
        liste.push_back({eintragstext(n, cds_projekt.WertBei(i, name)), n.toInt()});
    }
    return liste;
}

Verweisliste Projektmodell::VariantenAuflisten(int traverse)
{
    Verweisliste liste;
    if (!cds_projekt.Locate({Projektfeld::Nummer}, {traverse}))
        return liste;
    const int nummer = spalte(cds_varianten, Variantenfeld::Nummer), name = spalte(cds_varianten, Variantenfeld::Name);
    const int auslastung = spalte(cds_varianten, Variantenfeld::Auslastung);
    for (int i = 1; i <= cds_varianten.RecordCount(); ++i) {
        if (!cds_varianten.WertBei(i, auslastung).isValid())
            continue;
        const QVariant n = cds_varianten.WertBei(i, nummer);
        liste.push_back({eintragstext(n, cds_varianten.WertBei(i, name)), n.toInt()});
    }
    return liste;
}

bool Projektmodell::findeVariante(int traverse, int variante)
{
    return cds_projekt.Locate({Projektfeld::Nummer}, {traverse})
        && cds_varianten.Locate({Variantenfeld::Nummer}, {variante});
}

Verweisliste Projektmodell::LagerAuflisten(int traverse, int variante)
{
    Verweisliste liste;
    if (!findeVariante(traverse, variante))
        return liste;
    const int nummer = spalte(cds_lager, Lagerfeld::Nummer), name = spalte(cds_lager, Lagerfeld::Name);
    const int kg = spalte(cds_lager, Lagerfeld::Berechnetkg);
    for (int i = 1; i <= cds_lager.RecordCount(); ++i) {
        const QVariant n = cds_lager.WertBei(i, nummer);
        liste.push_back({eintragstext(n, cds_lager.WertBei(i, name)) + u' '
                             + cds_lager.AnzeigeTextBei(i, kg).trimmed() + QStringLiteral(" kg"),
                         n.toInt()});
    }
    return liste;
}

double Projektmodell::Lagerkraft(int traverse, int variante, int lager)
{
    if (!findeVariante(traverse, variante) || !cds_lager.Locate({Lagerfeld::Nummer}, {lager}))
        return 0;
    return cds_lager.FieldByName(Lagerfeld::Berechnet).AsFloat() + cds_lager.FieldByName(Lagerfeld::Eigenlast).AsFloat();
}

Variantenverweis Projektmodell::AktuellerVerweis()
{
    return {cds_projekt.FieldByName(Projektfeld::Sortierung).Value(),
            cds_projekt.FieldByName(Projektfeld::Nummer).AsInteger(),
            cds_varianten.FieldByName(Variantenfeld::Nummer).AsInteger()};
}

bool Projektmodell::findeVerweis(const Variantenverweis& verweis, Meldungen& meldungen)
{
    if (!cds_projekt.FindKey({verweis.sortierung, verweis.traverse})) {
        meldungen << Uebersetzt(2019, QStringLiteral("Traverse nicht gefunden."));
        return false;
    }
    if (!cds_varianten.FindKey({verweis.variante})) {
        meldungen << Uebersetzt(2020, QStringLiteral("Variante nicht gefunden."));
        return false;
    }
    return true;
}

bool Projektmodell::VarianteInEditor(const Variantenverweis& verweis, Balkenmodell& editor, Meldungen& meldungen)
{
    if (!findeVerweis(verweis, meldungen))
        return false;
    editor.LeseEinstellungen(
        cds_varianten.FieldByName(Variantenfeld::Einstellungen).AsString()); // may refuse the variant
    editor.traversenname = cds_varianten.FieldByName(Variantenfeld::Traverse).AsString();
    editor.variantenname = cds_varianten.FieldByName(Variantenfeld::Name).AsString();
    editor.bearbeiter = cds_varianten.FieldByName(Variantenfeld::Bearbeiter).AsString();
    KopiereZeilen(cds_lager, editor.cds_lager);
    KopiereZeilen(cds_lasten, editor.cds_lasten);
    return true;
}

bool Projektmodell::EditorInVariante(const Variantenverweis& verweis, Balkenmodell& editor,
                                     std::optional<double> auslastung, Meldungen& meldungen)
{
    editor.cds_lager.CheckBrowseMode();
    editor.cds_lasten.CheckBrowseMode();
    if (!findeVerweis(verweis, meldungen))
        return false;
    cds_varianten.Edit();
    cds_varianten.FieldByName(Variantenfeld::Traverse).SetAsString(editor.traversenname);
    cds_varianten.FieldByName(Variantenfeld::Name).SetAsString(editor.variantenname);
    cds_varianten.FieldByName(Variantenfeld::Bearbeiter).SetAsString(editor.bearbeiter);
    cds_varianten.FieldByName(Variantenfeld::Einstellungen).SetAsString(editor.Einstellungen());
    cds_varianten.Post();
    KopiereZeilen(editor.cds_lager, cds_lager);
    KopiereZeilen(editor.cds_lasten, cds_lasten);
    cds_varianten.Edit();
    if (auslastung)
        cds_varianten.FieldByName(Variantenfeld::Auslastung).SetAsFloat(*auslastung);
    else
        cds_varianten.FieldByName(Variantenfeld::Auslastung).Clear();
    cds_varianten.Post();
    return true;
}
