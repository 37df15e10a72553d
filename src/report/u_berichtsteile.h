#pragma once
// Parts the program's reports share: the rows of a record table and the page footer.
#include "report/u_bericht.h"
#include "tables/u_feldname.h"
#include <QDateTime>
#include <vector>

class TBClientDataSet;

// Per row the display texts of the named fields, taken when the report is built, so the report
// no longer needs the table. Every row in the table's order; the table's cursor does not move.
// An inactive table gives no rows.
std::shared_ptr<Zeilendaten> Anzeigezeilen(TBClientDataSet& tabelle, const std::vector<Feldname>& felder);

// The footer of every page: "Kelvara VLX" and the date and time of printing (7.4 mm high).
Band Seitenfuss(const QDateTime& ausdruck);
