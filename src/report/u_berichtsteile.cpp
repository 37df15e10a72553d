#include "report/u_berichtsteile.h"
#include "platform/u_zahlen.h"
#include "tables/u_tabelle.h"

std::shared_ptr<Zeilendaten> Anzeigezeilen(TBClientDataSet& tabelle, const std::vector<Feldname>& felder)
{
    auto daten = std::make_shared<Zeilendaten>();
    if (!tabelle.Active())
        return daten;
    std::vector<int> spalten;
    for (const Feldname name : felder)
        spalten.push_back(tabelle.FieldByName(name).Index());
    for (int zeile = 1; zeile <= tabelle.RecordCount(); ++zeile) {
        QStringList werte;
        for (const int spalte : spalten)
            werte.append(tabelle.AnzeigeTextBei(zeile, spalte));
        daten->anhaengen(werte);
    }
    return daten;
}

Band Seitenfuss(const QDateTime& ausdruck)
{
    Band b;
    b.hoehe = 7.4;
    b.ab(3.2, 2.1, "Kelvara VLX", Schrift{10});
    b.ab(32.8, 2.1, DatumZeitZuText(ausdruck), Schrift{10});
    return b;
}
