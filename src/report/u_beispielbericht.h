#pragma once
// A sample load table of an invented truss over several pages, to look at the report engine's
// print-out (kelvara-cli beispielbericht) and to exercise every kind of band and item in tests.
#include "report/u_bericht.h"
#include <QDateTime>

Bericht Beispielbericht(const QDateTime& ausdruck, int zeilen = 111);
