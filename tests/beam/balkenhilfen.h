#pragma once
// Rows for the beam tests, typed as the editor stores them.
#include "beam/u_balkenmodell.h"

inline void fuegeLagerHinzu(Balkenmodell& m, double position, double minimalkraft = 0, double maximallast = 0,
                            double eigenlast = 0)
{
    TBClientDataSet& t = m.cds_lager;
    t.Append();
    t.FieldByName(QStringLiteral("Nummer")).SetAsInteger(m.NeueLagernummer());
    t.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("L%1").arg(m.lagerzaehler));
    t.FieldByName(QStringLiteral("Type")).SetAsInteger(ArtLager);
    t.FieldByName(QStringLiteral("Position")).SetAsFloat(position);
    t.FieldByName(QStringLiteral("oben")).SetAsBoolean(false);
    t.FieldByName(QStringLiteral("Groesse")).SetAsFloat(1);
    t.FieldByName(QStringLiteral("Eigenlast")).SetAsFloat(eigenlast);
    t.FieldByName(QStringLiteral("Maximallast")).SetAsFloat(maximallast);
    t.FieldByName(QStringLiteral("Minimalkraft")).SetAsFloat(minimalkraft);
    t.FieldByName(QStringLiteral("markiert")).SetAsBoolean(false);
    t.Post();
}

inline void fuegeLastHinzu(Balkenmodell& m, int art, double pos1, double pos2, double last, double flaeche = 0,
                           const QString& name = {})
{
    TBClientDataSet& t = m.cds_lasten;
    t.Append();
    t.FieldByName(QStringLiteral("Nummer")).SetAsInteger(m.NeueLastnummer());
    t.FieldByName(QStringLiteral("Name")).SetAsString(name);
    t.FieldByName(QStringLiteral("Type")).SetAsInteger(art);
    t.FieldByName(QStringLiteral("Pos1")).SetAsFloat(pos1);
    t.FieldByName(QStringLiteral("Pos2")).SetAsFloat(pos2);
    t.FieldByName(QStringLiteral("oben")).SetAsBoolean(true);
    t.FieldByName(QStringLiteral("Groesse")).SetAsFloat(1);
    t.FieldByName(QStringLiteral("Last")).SetAsFloat(last);
    t.FieldByName(QStringLiteral("Aequivalenzflaeche")).SetAsFloat(flaeche);
    t.FieldByName(QStringLiteral("markiert")).SetAsBoolean(false);
    t.Post();
}

inline double feld(TBClientDataSet& t, const char* name) { return t.FieldByName(QString::fromUtf8(name)).AsFloat(); }
