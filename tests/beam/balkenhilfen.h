#pragma once
// Rows for the beam tests, typed as the editor stores them.
#include "beam/u_balkenfelder.h"
#include "beam/u_balkenmodell.h"

inline void fuegeLagerHinzu(Balkenmodell& m, double position, double minimalkraft = 0, double maximallast = 0,
                            double eigenlast = 0)
{
    TBClientDataSet& t = m.cds_lager;
    t.Append();
    t.FieldByName(Balkenfeld::Nummer).SetAsInteger(m.NeueLagernummer());
    t.FieldByName(Balkenfeld::Name).SetAsString(QStringLiteral("L%1").arg(m.lagerzaehler));
    t.FieldByName(Balkenfeld::Type).SetAsInteger(ArtLager);
    t.FieldByName(Lagerfeld::Position).SetAsFloat(position);
    t.FieldByName(Balkenfeld::oben).SetAsBoolean(false);
    t.FieldByName(Balkenfeld::Groesse).SetAsFloat(1);
    t.FieldByName(Lagerfeld::Eigenlast).SetAsFloat(eigenlast);
    t.FieldByName(Lagerfeld::Maximallast).SetAsFloat(maximallast);
    t.FieldByName(Lagerfeld::Minimalkraft).SetAsFloat(minimalkraft);
    t.FieldByName(Balkenfeld::markiert).SetAsBoolean(false);
    t.Post();
}

inline void fuegeLastHinzu(Balkenmodell& m, int art, double pos1, double pos2, double last, double flaeche = 0,
                           const QString& name = {})
{
    TBClientDataSet& t = m.cds_lasten;
    t.Append();
    t.FieldByName(Balkenfeld::Nummer).SetAsInteger(m.NeueLastnummer());
    t.FieldByName(Balkenfeld::Name).SetAsString(name);
    t.FieldByName(Balkenfeld::Type).SetAsInteger(art);
    t.FieldByName(Lastfeld::Pos1).SetAsFloat(pos1);
    t.FieldByName(Lastfeld::Pos2).SetAsFloat(pos2);
    t.FieldByName(Balkenfeld::oben).SetAsBoolean(true);
    t.FieldByName(Balkenfeld::Groesse).SetAsFloat(1);
    t.FieldByName(Lastfeld::Last).SetAsFloat(last);
    t.FieldByName(Lastfeld::Aequivalenzflaeche).SetAsFloat(flaeche);
    t.FieldByName(Balkenfeld::markiert).SetAsBoolean(false);
    t.Post();
}

inline double feld(TBClientDataSet& t, Feldname name) { return t.FieldByName(name).AsFloat(); }
