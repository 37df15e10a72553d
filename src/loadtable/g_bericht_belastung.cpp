#include "loadtable/g_bericht_belastung.h"
#include "language/u_uebersetzung.h"
#include "loadtable/g_belastungsdiagramm.h"
#include "loadtable/u_belastungstabelle.h"
#include "platform/u_zahlen.h"
#include "report/u_berichtsteile.h"

namespace {

const Schrift titelschrift{18, true, false};
const Schrift textschrift{10};
const Schrift spaltenschrift{8};

const double Spaltenpositionen[] = {1.1, 18.0, 40.2, 66.7, 90.0, 119.6, 141.8};

QString text(int id, const char* deutsch) { return Uebersetzt(id, QString::fromUtf8(deutsch)); }
QString einheit(const QString& titel, const Auswahl& auswahl) { return titel + QStringLiteral(" [") + auswahl.angezeigterText() + u']'; }

Band titelblock(Belastungstabelle& t)
{
    const BelastungsEingaben& e = t.eingaben;
    Band b;
    b.hoehe = 65.6;
    b.zentriert(0, 170, 0, text(1500, "&Belastungstabellen").remove(u'&'), titelschrift);
    const std::pair<QString, QString> zeilen[] = {
        {text(1501, "Hersteller:"), e.hersteller},
        {text(1502, "Name:"), e.name},
        {text(1504, "Bearbeiter:"), e.bearbeiter},
        {text(1505, " Eigenlast: "), e.gewicht + u' ' + e.cmbGewicht.angezeigterText() + QStringLiteral(" / ") + e.laenge
                                         + u' ' + e.cmbLaenge1.angezeigterText()},
        {text(1510, "Höhe:"), e.hoehe + u' ' + e.cmbHoehe.angezeigterText()},
        {text(1513, "zulässige Normalkraft in den Gurten:"), t.NormalkraftText().trimmed()},
        {text(1514, "zulässige Querkraft:"), e.querkraft + QStringLiteral(" N")},
        {text(1515, "zulässiges Biegemoment:"), e.biegemoment + QStringLiteral(" Nm")},
    };
    for (int i = 0; i < 8; ++i) {
        const double oben = 9.5 + 5.3 * i;
        b.bis(59.3, oben, zeilen[i].first, textschrift);
        b.kasten(61.4, 108.6, oben, zeilen[i].second, Ausrichtung::Links, textschrift);
    }
    b.linie(0, 53.6, 170, 53.6, 0.3);
    b.ab(66.7, 55.0, text(1517, "aus Einzellast:"), textschrift);
    b.ab(119.6, 55.0, text(1530, "aus Streckenlast:"), textschrift);
    const QString koepfe[] = {
        einheit(text(1520, "Länge"), e.cmbLaenge2),
        einheit(text(1521, "Einzellast"), e.cmbEinzellast),
        einheit(text(1523, "Streckenlast"), e.cmbStreckenlast),
        text(1525, "Querkraft [N]"),
        text(1526, "Biegemoment [Nm]"),
        text(1527, "Querkraft [N]"),
        text(1528, "Biegemoment [Nm]"),
    };
    for (int s = 0; s < 7; ++s)
        b.ab(Spaltenpositionen[s], 60.3, koepfe[s], spaltenschrift);
    return b;
}

Abschnitt zeilen(Belastungstabelle& t)
{
    Abschnitt a;
    a.detail.hoehe = 6.35;
    a.detail.kasten(1.1, 6.6, 1.1, Inhalt::Feld(0), Ausrichtung::Rechts, textschrift);
    a.detail.kasten(18.0, 21.2, 1.1, Inhalt::Feld(1), Ausrichtung::Links, textschrift);
    for (int s = 2; s < 7; ++s)
        a.detail.ab(Spaltenpositionen[s], 1.1, Inhalt::Feld(s), textschrift);
    using namespace Belastungsfeld;
    a.daten = Anzeigezeilen(t.cds_traverse, {laenge, einzellast, streckenlast, querkraft_e, biegemoment_e,
                                             querkraft_s, biegemoment_s});
    return a;
}

Band zusammenfassung(Belastungstabelle& t, QSize diagrammgroesse)
{
    Band b;
    const double hoehe = b.bild(0, 4.2, 169.6, Belastungsdiagramm(diagrammgroesse, t));
    b.hoehe = 4.2 + hoehe + 6.35;
    return b;
}


} // namespace

Bericht BerichtBelastungstabelle(Belastungstabelle& tabelle, QSize diagrammgroesse, const QDateTime& ausdruck)
{
    Bericht bericht;
    bericht.titel = tabelle.eingaben.name;
    bericht.titelband = titelblock(tabelle);
    bericht.abschnitte.push_back(zeilen(tabelle));
    bericht.zusammenfassung = zusammenfassung(tabelle, diagrammgroesse);
    bericht.seitenfuss = Seitenfuss(ausdruck);
    return bericht;
}
