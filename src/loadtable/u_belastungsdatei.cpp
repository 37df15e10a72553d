#include "loadtable/u_belastungsdatei.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include "tables/u_stream.h"
#include "tables/u_werteliste.h"

QString BelastungstabelleKopf() { return QStringLiteral("Kelvara VLX Belastungstabelle 2"); }
QString BelastungstabelleKopfAlt() { return QStringLiteral("Kelvara VLX Belastungstabelle"); }

QString Einstellungstext(const BelastungsEingaben& e)
{
    TWerteliste w;
    w.SchreibeString(QStringLiteral("Hersteller"), e.hersteller);
    w.SchreibeString(QStringLiteral("Name"), e.name);
    w.SchreibeString(QStringLiteral("Bearbeiter"), e.bearbeiter);
    w.SchreibeString(QStringLiteral("Gewicht"), e.gewicht);
    w.SchreibeAuswahl(QStringLiteral("Einheit Gewicht"), e.cmbGewicht);
    w.SchreibeString(QStringLiteral("Laenge"), e.laenge);
    w.SchreibeAuswahl(QStringLiteral("Einheit Laenge"), e.cmbLaenge1);
    w.SchreibeBoolean(QStringLiteral("horizontale Diagonalen"), e.horizontaleDiagonalen);
    w.SchreibeInteger(QStringLiteral("Anzahl der Gurte"), e.gurte);
    w.SchreibeString(QStringLiteral("Hoehe"), e.hoehe);
    w.SchreibeString(QStringLiteral("Breite"), e.breite);
    w.SchreibeAuswahl(QStringLiteral("Einheit Hoehe"), e.cmbHoehe);
    w.SchreibeString(QStringLiteral("Querkraft"), e.querkraft);
    w.SchreibeString(QStringLiteral("Biegemoment"), e.biegemoment);
    w.SchreibeAuswahl(QStringLiteral("Tabelle Laenge"), e.cmbLaenge2);
    w.SchreibeAuswahl(QStringLiteral("Tabelle Einzellast"), e.cmbEinzellast);
    w.SchreibeAuswahl(QStringLiteral("Tabelle Streckenlast"), e.cmbStreckenlast);
    return w.text();
}

void LeseEinstellungstext(const QString& text, BelastungsEingaben& e)
{
    const TWerteliste w(text);
    e.hersteller = w.LeseString(QStringLiteral("Hersteller"), QString());
    e.name = w.LeseString(QStringLiteral("Name"), QString());
    e.bearbeiter = w.LeseString(QStringLiteral("Bearbeiter"), QString());
    e.gewicht = w.LeseZahltext(QStringLiteral("Gewicht"));
    w.LeseAuswahl(QStringLiteral("Einheit Gewicht"), e.cmbGewicht);
    e.laenge = w.LeseZahltext(QStringLiteral("Laenge"));
    w.LeseAuswahl(QStringLiteral("Einheit Laenge"), e.cmbLaenge1);
    e.horizontaleDiagonalen = w.LeseBoolean(QStringLiteral("horizontale Diagonalen"), false);
    e.gurte = w.LeseInteger(QStringLiteral("Anzahl der Gurte"), 4);
    e.hoehe = w.LeseZahltext(QStringLiteral("Hoehe"));
    e.breite = w.LeseZahltext(QStringLiteral("Breite"));
    w.LeseAuswahl(QStringLiteral("Einheit Hoehe"), e.cmbHoehe);
    e.querkraft = w.LeseZahltext(QStringLiteral("Querkraft"));
    e.biegemoment = w.LeseZahltext(QStringLiteral("Biegemoment"));
    w.LeseAuswahl(QStringLiteral("Tabelle Laenge"), e.cmbLaenge2);
    w.LeseAuswahl(QStringLiteral("Tabelle Einzellast"), e.cmbEinzellast);
    w.LeseAuswahl(QStringLiteral("Tabelle Streckenlast"), e.cmbStreckenlast);
}

namespace {

void leseAltesFormat(DokumentLeser& leser, BelastungsEingaben& e)
{
    e.hersteller = leser.Text();
    e.name = leser.Text();
    e.bearbeiter = leser.Text();
    e.gewicht = EingabetextAusDatei(leser.Text());
    e.laenge = EingabetextAusDatei(leser.Text());
    e.hoehe = EingabetextAusDatei(leser.Text());
    leser.Text(); // stored, never used
    e.querkraft = EingabetextAusDatei(leser.Text());
    e.biegemoment = EingabetextAusDatei(leser.Text());
    // An out-of-range position leaves the choice without selection.
    for (Auswahl* a : {static_cast<Auswahl*>(&e.cmbGewicht), static_cast<Auswahl*>(&e.cmbLaenge1),
                       static_cast<Auswahl*>(&e.cmbHoehe), static_cast<Auswahl*>(&e.cmbLaenge2),
                       static_cast<Auswahl*>(&e.cmbEinzellast), static_cast<Auswahl*>(&e.cmbStreckenlast)})
        a->waehle(leser.Integer());
}

} // namespace

void BelastungstabelleSpeichern(Belastungstabelle& tabelle, const QString& pfad)
{
    auto& t = tabelle.cds_traverse;
    if (t.Active())
        t.CheckBrowseMode();
    DokumentSchreiber schreiber(pfad);
    schreiber.Text(BelastungstabelleKopf());
    schreiber.Text(Einstellungstext(tabelle.eingaben));
    if (t.Active())
        schreiber.Tabelle(t);
    schreiber.Abschliessen();
    tabelle.dateiname = pfad;
}

bool BelastungstabelleLaden(Belastungstabelle& tabelle, const QString& pfad, Meldungen& meldungen)
{
    DokumentLeser leser(pfad);
    const QString kopf = leser.Text();
    if (kopf != BelastungstabelleKopf() && kopf != BelastungstabelleKopfAlt()) {
        meldungen << Uebersetzt(1554, QStringLiteral("Keine gültige Belastungstabelle"));
        return false;
    }
    // Everything is read before the window takes it, so a damaged file changes nothing.
    BelastungsEingaben eingaben = tabelle.eingaben;
    if (kopf == BelastungstabelleKopf())
        LeseEinstellungstext(leser.Text(), eingaben);
    else
        leseAltesFormat(leser, eingaben);
    TBClientDataSet gelesen;
    leser.Tabelle(gelesen);

    tabelle.UebernimmZeilen(gelesen);
    tabelle.eingaben = eingaben;
    meldungen << tabelle.EigenlastBerechnen();
    tabelle.dateiname = pfad;
    return true;
}
