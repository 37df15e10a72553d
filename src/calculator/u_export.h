#pragma once
// The export of the span load table into the sheet "Traversendaten" of an Excel 97 workbook.
#include "calculator/u_travlaenge.h"
#include "platform/u_dialoge.h"
#include "spreadsheet/u_xls.h"

// Fills the workbook with the library values and the table as the calculator shows it now.
void FuelleArbeitsmappe(const Traversenkalkulator& kalkulator, XlsArbeitsmappe& mappe);

// Asks bejaht before replacing an existing file (No ends the command), fills the workbook and
// writes it. A write error throws Fehler. True when the file was written.
bool Exportieren(const Traversenkalkulator& kalkulator, const QString& pfad, const Rueckfrage& bejaht);

// The save dialog of the button "&Export".
DateiDialog ExportDialog();
