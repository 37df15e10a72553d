#pragma once
// Rows for the load table tests, typed as the grid posts them.
#include "loadtable/u_belastungsfelder.h"
#include "loadtable/u_belastungstabelle.h"

inline void zeile(Belastungstabelle& b, QVariant laenge, double einzellast, double streckenlast)
{
    auto& t = b.cds_traverse;
    t.Append();
    t.FieldByName(Belastungsfeld::laenge).SetValue(laenge);
    t.FieldByName(Belastungsfeld::einzellast).SetAsFloat(einzellast);
    t.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(streckenlast);
    t.Post();
}
