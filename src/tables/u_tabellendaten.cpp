#include "tables/u_tabellendaten.h"
#include <algorithm>
#include <cstddef>
#include <memory>

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

bool Verschachtelt::Gepackt::moeglich(const std::vector<TFieldType>& typen)
{
    return !typen.empty() && std::all_of(typen.begin(), typen.end(), [](TFieldType t) {
        return t == TFieldType::AutoInc || t == TFieldType::Integer || t == TFieldType::Float
            || t == TFieldType::Boolean;
    });
}

void Verschachtelt::Gepackt::reserviere(std::size_t zeilen)
{
    zahlen.reserve(zahlen.size() + zeilen * typen.size());
    nullen.reserve(nullen.size() + zeilen * nullbytes());
}

Zeilen Verschachtelt::Gepackt::entpackt() const
{
    Zeilen zeilen(anzahl());
    const double* zahl = zahlen.data();
    const quint8* null = nullen.data();
    for (Zeile& zeile : zeilen) {
        zeile.werte.resize(qsizetype(typen.size()));
        for (std::size_t f = 0; f < typen.size(); ++f, ++zahl) {
            if (null[f / 8] & (1u << (f % 8)))
                continue;
            if (typen[f] == TFieldType::Float)
                zeile.werte[f] = *zahl;
            else if (typen[f] == TFieldType::Boolean)
                zeile.werte[f] = *zahl != 0;
            else
                zeile.werte[f] = qint32(*zahl);
        }
        null += nullbytes();
    }
    return zeilen;
}

void Verschachtelt::entpacken() const
{
    d->zeilen = d->gepackt->entpackt();
    d->gepackt.reset();
}

Verschachtelt::Gepackt* Verschachtelt::packen(const std::vector<TFieldType>& typen) const
{
    if (!d->gepackt) {
        if (!d->zeilen.empty() || !Gepackt::moeglich(typen))
            return nullptr;
        d->gepackt = std::make_unique<Gepackt>();
        d->gepackt->typen = typen;
    }
    return d->gepackt.get();
}

void* Sammelspeicher::nimm(std::size_t bytes, Sammelblock*& block)
{
    static_assert(alignof(Wert) <= alignof(std::max_align_t) && sizeof(Sammelblock) <= alignof(std::max_align_t));
    constexpr std::size_t kopf = alignof(std::max_align_t);
    constexpr std::size_t blockgroesse = 64 * 1024;
    bytes = (bytes + alignof(Wert) - 1) / alignof(Wert) * alignof(Wert);
    if (std::size_t(m_ende - m_frei) < bytes) {
        const std::size_t groesse = std::max(blockgroesse, kopf + bytes);
        char* neu = static_cast<char*>(::operator new(groesse));
        if (m_block)
            Sammelblock::freigeben(m_block);
        m_block = new (neu) Sammelblock;
        m_frei = neu + kopf;
        m_ende = neu + groesse;
    }
    void* stueck = m_frei;
    m_frei += bytes;
    m_block->ref.ref();
    block = m_block;
    return stueck;
}

void Werte::leeren() noexcept
{
    std::destroy_n(data(), m_anzahl);
    if (m_anzahl > Innen)
        gibStueck(m_aussen, m_block);
    m_anzahl = 0;
    m_block = nullptr;
}

Wert* Werte::platz(qsizetype anzahl, Sammelspeicher* speicher)
{
    Wert* ziel = m_innen;
    if (anzahl > Innen)
        ziel = m_aussen = static_cast<Wert*>(nimmStueck(sizeof(Wert) * std::size_t(anzahl), speicher, m_block));
    std::uninitialized_value_construct_n(ziel, anzahl);
    m_anzahl = anzahl;
    return ziel;
}

void Werte::kopiereVon(const Werte& andere)
{
    Wert* ziel = platz(andere.m_anzahl);
    std::copy_n(andere.data(), andere.m_anzahl, ziel);
}

void Werte::nimmVon(Werte& andere) noexcept
{
    if (andere.m_anzahl > Innen) {
        m_aussen = andere.m_aussen;
        m_block = andere.m_block;
        m_anzahl = andere.m_anzahl;
        andere.m_anzahl = 0;
        andere.m_block = nullptr;
        return;
    }
    std::uninitialized_move_n(andere.m_innen, andere.m_anzahl, m_innen);
    m_anzahl = andere.m_anzahl;
    andere.leeren();
}

void Werte::resize(qsizetype anzahl)
{
    if (anzahl == m_anzahl)
        return;
    Werte alt(std::move(*this));
    Wert* ziel = platz(anzahl);
    std::move(alt.data(), alt.data() + std::min(anzahl, alt.m_anzahl), ziel);
}

void Werte::anlegen(qsizetype anzahl, Sammelspeicher& speicher) { platz(anzahl, &speicher); }
