#include "beam/u_einzelprojekt.h"
#include "beam/u_balkenmodell.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "tables/u_stream.h"

const QString EinzelprojektKopf = QStringLiteral("Kelvara VLX Einzelprojekt 1.0");

void SchreibeEinzelprojekt(Balkenmodell& m, const QString& datei)
{
    m.cds_lager.CheckBrowseMode();
    m.cds_lasten.CheckBrowseMode();
    DokumentSchreiber s(datei);
    s.Text(EinzelprojektKopf);
    s.Text(m.variantenname);
    s.Text(m.bearbeiter);
    s.Text(m.traversenname);
    s.Text(m.Einstellungen());
    s.Tabelle(m.cds_lager);
    s.Tabelle(m.cds_lasten);
    s.Abschliessen();
}

namespace {
// The rows of a packet as read, field by field by name, into a table of the model's layout.
void uebernimmNachNamen(TBClientDataSet& gelesen, TBClientDataSet& ziel)
{
    std::vector<std::pair<int, int>> paare; // field in gelesen, field in ziel
    for (int i = 0; i < gelesen.FieldCount(); ++i)
        if (TField* f = ziel.FindField(Feldname::Aus(gelesen.Fields(i).FieldName())); f && !f->Calculated())
            paare.emplace_back(i, f->Index());
    for (gelesen.First(); !gelesen.Eof(); gelesen.Next()) {
        ziel.Append();
        for (auto [von, nach] : paare) {
            ziel.Fields(nach).SetValue(gelesen.Fields(von).Value());
        }
        ziel.Post();
    }
}
} // namespace

bool LeseEinzelprojekt(Balkenmodell& m, const QString& datei, Meldungen& meldungen)
{
    DokumentLeser l(datei);
    if (l.Text() != EinzelprojektKopf) {
        meldungen << Uebersetzt(2025, QStringLiteral("keine gültiges Einzelprojekt"));
        return false;
    }
    const QString variantenname = l.Text();
    const QString bearbeiter = l.Text();
    const QString traversenname = l.Text();
    const QString einstellungen = l.Text();
    TBClientDataSet lagerGelesen, lastenGelesen, lager, lasten;
    l.Tabelle(lagerGelesen);
    l.Tabelle(lastenGelesen);
    RichteLagertabelleEin(lager);
    RichteLastentabelleEin(lasten);
    uebernimmNachNamen(lagerGelesen, lager);
    uebernimmNachNamen(lastenGelesen, lasten);

    m.LeseEinstellungen(einstellungen); // the first step that may refuse the file
    m.variantenname = variantenname;
    m.bearbeiter = bearbeiter;
    m.traversenname = traversenname;
    m.cds_lager.CheckBrowseMode();
    m.cds_lasten.CheckBrowseMode();
    KopiereZeilen(lager, m.cds_lager);
    KopiereZeilen(lasten, m.cds_lasten);
    m.cds_lager.First();
    m.cds_lasten.First();
    return true;
}
