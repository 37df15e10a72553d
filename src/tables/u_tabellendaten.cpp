#include "tables/u_tabellendaten.h"

int Ebene::anzahlTabellen() const
{
    int anzahl = 1;
    for (const auto& kind : kinder)
        anzahl += kind->anzahlTabellen();
    return anzahl;
}

Zeile Ebene::neueZeile() const
{
    Zeile zeile;
    zeile.werte.resize(felder.size());
    for (size_t i = 0; i < felder.size(); ++i)
        if (kindIndex[i] >= 0)
            zeile.werte[i] = Verschachtelt::neu();
    return zeile;
}

std::unique_ptr<Ebene> baueEbene(const std::vector<TFieldDef>& defs)
{
    auto ebene = std::make_unique<Ebene>();
    for (const TFieldDef& def : defs) {
        if (def.calculated)
            continue;
        const int index = int(ebene->felder.size());
        ebene->felder.push_back(def);
        if (def.type == TFieldType::DataSet) {
            ebene->kindIndex.push_back(int(ebene->kinder.size()));
            ebene->kinder.push_back(baueEbene(def.children));
        } else {
            ebene->kindIndex.push_back(-1);
        }
        if (def.type == TFieldType::AutoInc && ebene->autoincFeld < 0)
            ebene->autoincFeld = index;
    }
    return ebene;
}

Zeilen kopiereZeilen(const Zeilen& zeilen)
{
    Zeilen kopie = zeilen;
    for (Zeile& zeile : kopie)
        for (Wert& wert : zeile.werte)
            if (auto* kinder = std::get_if<Verschachtelt>(&wert))
                *kinder = Verschachtelt::neu(kopiereZeilen(**kinder));
    return kopie;
}
