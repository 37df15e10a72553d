#pragma once
// Rows for the load table tests, typed as the grid posts them.
#include "loadtable/u_belastungstabelle.h"

inline void zeile(Belastungstabelle& b, QVariant laenge, double einzellast, double streckenlast)
{
    auto& t = b.cds_traverse;
    t.Append();
    t.FieldByName(QStringLiteral("laenge")).SetValue(laenge);
    t.FieldByName(QStringLiteral("einzellast")).SetAsFloat(einzellast);
    t.FieldByName(QStringLiteral("streckenlast")).SetAsFloat(streckenlast);
    t.Post();
}
