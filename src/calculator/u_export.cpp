#include "calculator/u_export.h"
#include "language/u_meldungstexte.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include <QFileInfo>

void FuelleArbeitsmappe(const Traversenkalkulator& k, XlsArbeitsmappe& mappe)
{
    using A = XlsArbeitsmappe::Ausrichtung;
    mappe.Leeren();
    mappe.SetzeBlattname(QStringLiteral("Traversendaten"));
    mappe.SetzeSpaltenbreite(0, 6, 4500);
    const int R = mappe.FormatHinzufuegen(A::Rechts);
    const int C = mappe.FormatHinzufuegen(A::Zentriert);
    const QString blanks = QStringLiteral("  ");

    mappe.SetzeText(1, 0, Uebersetzt(1720, QStringLiteral("Kelvara VLX Traversendaten")) + blanks, R);
    static const char* const titel[] = {"Hersteller", "Name", "Bearbeiter", "Eigenlast [N/m]",
                                        "maximale Querkraft [N]", "maximales Biegemoment [Nm]"};
    const QString werte[] = {k.traverse.hersteller,    k.traverse.name,
                             k.traverse.bearbeiter,    k.traverse.eigenlastText,
                             k.traverse.querkraftText, k.traverse.biegemomentText};
    for (int i = 0; i < 6; ++i) {
        mappe.SetzeText(1, 2 + i, Uebersetzt(1721 + i, QString::fromUtf8(titel[i])) + blanks, R);
        mappe.SetzeText(2, 2 + i, werte[i]);
    }
    for (int spalte = 0; spalte < Traversenkalkulator::Spalten; ++spalte)
        mappe.SetzeText(spalte, 9, k.Kopftext(spalte));
    mappe.SetzeText(4, 10, Format(QStringLiteral("%d / 3"), {k.einstellungen.cmbDrittel.gewaehlt() + 1}), C);
    mappe.SetzeText(5, 10, Format(QStringLiteral("%d / 4"), {k.einstellungen.cmbViertel.gewaehlt() + 1}), C);
    mappe.SetzeText(6, 10, QStringLiteral("2m"), C);
    int zeile = 11;
    for (const TTravLaenge& l : k.laengen) {
        for (int spalte = 0; spalte < Traversenkalkulator::Spalten; ++spalte)
            mappe.SetzeText(spalte, zeile, k.Zelltext(l, spalte), R);
        ++zeile;
    }
}

bool Exportieren(const Traversenkalkulator& kalkulator, const QString& pfad, const Rueckfrage& bejaht)
{
    if (QFileInfo::exists(pfad) && !bejaht(Ueberschreibfrage(pfad)))
        return false;
    XlsArbeitsmappe mappe;
    FuelleArbeitsmappe(kalkulator, mappe);
    mappe.Speichern(pfad);
    return true;
}

DateiDialog ExportDialog()
{
    DateiDialog d;
    d.titel = Uebersetzt(1232, QStringLiteral("Speichern unter"));
    d.filter = QStringLiteral("Excel-Sheet *.xls|*.xls|") + Uebersetzt(1233, QStringLiteral("Alle Dateien"))
               + QStringLiteral(" *.*|*.*");
    d.standardEndung = QStringLiteral("xls");
    return d;
}
