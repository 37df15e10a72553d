// Filling a table by code: rows go straight into the row list the table shows (or, for a
// nested fill, into the nested rows of the master fill's newest row, packed when the level has
// only numbers and flags).
#include "platform/u_fehler.h"
#include "tables/u_tabelle_impl.h"
#include <algorithm>

struct Tabellenfuellung::Ziel {
    Ziel(TBClientDataSet& t) : tabelle(t), d(*t.d)
    {
        for (std::size_t i = 0; i < d.liste.size(); ++i) {
            const TFieldType typ = d.liste[i].type;
            const bool setzbar = typ != TFieldType::AutoInc && typ != TFieldType::DataSet;
            felder.push_back({setzbar ? d.gespeichert[i] : -1, typ});
        }
    }

    TBClientDataSet& tabelle;
    TBClientDataSet::Impl& d;
    struct Feld {
        int stelle; // value index in the row, -1 when the fill cannot set it
        TFieldType typ;
    };
    std::vector<Feld> felder; // per field of the field list
    Tabellenfuellung* master = nullptr;
    int masterStelle = -1;   // the nested field's value index in the master's rows
    Zeilen* liste = nullptr; // where NeueZeile appends
    Verschachtelt::Gepackt* gepackt = nullptr; // instead, when the nested rows are packed
    double* packZahlen = nullptr; // the newest packed row's values
    quint8* packNullen = nullptr; // and its null bits
    std::vector<TFieldType> typen; // of the stored fields of a nested fill
    std::size_t vorher = 0;  // rows in the ordering before the fill
    quint64 neueZeilen = 0;  // rows appended by this fill
    quint64 beiMasterzeile = 0; // the master's neueZeilen when liste or gepackt was taken
    bool hatZeile = false;
    bool fertig = false;
    Sammelspeicher speicher; // the values of wide rows

    void pruefeFuellbar() const
    {
        d.pruefeAktiv();
        const auto pflicht = std::find_if(d.ebene->felder.begin(), d.ebene->felder.end(), [](const TFieldDef& f) {
            return f.required && f.type != TFieldType::AutoInc && f.type != TFieldType::DataSet;
        });
        if (d.eindeutig || pflicht != d.ebene->felder.end())
            throw Fehler(QStringLiteral("Eine Tabelle mit eindeutigem Index oder Pflichtfeld wird mit "
                                        "Append und Post gefüllt"));
    }

    // A nested fill appends under the master's newest row.
    void listeDesMasters()
    {
        if (!master)
            return;
        const Ziel& m = *master->z;
        if (!m.hatZeile)
            nichtImEditiermodus();
        if (m.neueZeilen == beiMasterzeile && (liste || gepackt))
            return;
        const Verschachtelt& kinder = std::get<Verschachtelt>(m.liste->back().werte[masterStelle]);
        gepackt = kinder.packen(typen);
        liste = gepackt ? nullptr : &*kinder;
        beiMasterzeile = m.neueZeilen;
    }

    void neueZeile()
    {
        if (gepackt) {
            gepackt->neueZeile();
            packZahlen = gepackt->zahlen.data() + gepackt->zahlen.size() - gepackt->typen.size();
            packNullen = gepackt->nullen.data() + gepackt->nullen.size() - gepackt->nullbytes();
        } else if (d.ebene->kinder.empty()) {
            liste->emplace_back().werte.anlegen(qsizetype(d.ebene->felder.size()), speicher); // built in place
        } else {
            liste->push_back(d.ebene->neueZeile());
        }
    }

    // The field feld of the newest row, which must exist and be open.
    const Feld& feldZumSetzen(int feld) const
    {
        if (feld < 0 || feld >= int(felder.size()) || felder[std::size_t(feld)].stelle < 0 || !hatZeile
            || fertig) [[unlikely]]
            nichtZuSetzen(feld);
        return felder[std::size_t(feld)];
    }

    [[noreturn]] Q_NEVER_INLINE void nichtZuSetzen(int feld) const
    {
        if (feld < 0 || feld >= int(felder.size()))
            throw Fehler(QStringLiteral("Der Feldindex %1 liegt außerhalb der Feldliste").arg(feld));
        if (felder[std::size_t(feld)].stelle < 0)
            throw Fehler(QStringLiteral("Feld '%1' kann nicht geändert werden").arg(d.liste[feld].name));
        nichtImEditiermodus();
    }

    void setzeZahl(unsigned stelle, double wert)
    {
        packZahlen[stelle] = wert;
        packNullen[stelle / 8] &= quint8(~(1u << (stelle % 8)));
    }

    void setze(int stelle, Wert wert)
    {
        if (!gepackt) {
            liste->back().werte[stelle] = std::move(wert);
        } else if (istNull(wert)) {
            packNullen[unsigned(stelle) / 8] |= quint8(1u << (unsigned(stelle) % 8));
        } else {
            const auto* n = std::get_if<qint32>(&wert);
            const auto* b = std::get_if<bool>(&wert);
            setzeZahl(unsigned(stelle), n ? *n : b ? (*b ? 1 : 0) : std::get<double>(wert));
        }
    }

    // A number goes in as it is into a field of its own type, else converted as SetValue does.
    template <typename Zahl>
    void setzeZahl(int feld, Zahl wert, TFieldType eigenerTyp)
    {
        const Feld& f = feldZumSetzen(feld);
        if (f.typ != eigenerTyp)
            setze(f.stelle, feldwert(d.liste[feld], wert));
        else if (gepackt)
            setzeZahl(unsigned(f.stelle), double(wert));
        else
            liste->back().werte[f.stelle] = wert;
    }
};

Tabellenfuellung::Tabellenfuellung(TBClientDataSet& tabelle) : z(std::make_unique<Ziel>(tabelle))
{
    z->d.pruefeAktiv();
    tabelle.CheckBrowseMode();
    z->pruefeFuellbar();
    z->d.masterBearbeiten();
    z->liste = &*z->d.zeilen;
    z->vorher = z->d.reihenfolge.size();
}

Tabellenfuellung::Tabellenfuellung(Tabellenfuellung& master, TBClientDataSet& detail)
    : z(std::make_unique<Ziel>(detail))
{
    if (z->d.master != &master.z->tabelle)
        throw Fehler(QStringLiteral("Die Tabelle ist keine Detailtabelle der gefüllten Tabelle"));
    z->pruefeFuellbar();
    z->master = &master;
    z->masterStelle = master.z->d.gespeichert[z->d.masterFeld];
    if (z->d.ebene->kinder.empty())
        for (const TFieldDef& def : z->d.ebene->felder)
            z->typen.push_back(def.type);
}

Tabellenfuellung::~Tabellenfuellung()
{
    try {
        Fertig();
    } catch (...) {
        // a calculation hook failing on the first row; the rows are in the table all the same
    }
}

void Tabellenfuellung::NeueZeile()
{
    if (z->fertig)
        nichtImEditiermodus();
    z->listeDesMasters();
    Ebene& ebene = *z->d.ebene;
    z->neueZeile();
    if (ebene.autoincFeld >= 0) {
        z->setze(ebene.autoincFeld, ebene.naechsterAutoinc);
        if (ebene.naechsterAutoinc < 0x7FFFFFFF)
            ++ebene.naechsterAutoinc;
    }
    if (!z->master)
        z->d.reihenfolge.push_back(int(z->liste->size()) - 1);
    ++z->neueZeilen;
    z->hatZeile = true;
}

void Tabellenfuellung::Reserviere(int zeilen)
{
    z->listeDesMasters();
    if (z->gepackt)
        z->gepackt->reserviere(std::size_t(std::max(zeilen, 0)));
    else
        z->liste->reserve(z->liste->size() + std::size_t(std::max(zeilen, 0)));
    if (!z->master)
        z->d.reihenfolge.reserve(z->d.reihenfolge.size() + std::size_t(std::max(zeilen, 0)));
}

void Tabellenfuellung::Setze(int feld, double wert) { z->setzeZahl(feld, wert, TFieldType::Float); }

void Tabellenfuellung::Setze(int feld, qint32 wert) { z->setzeZahl(feld, wert, TFieldType::Integer); }

void Tabellenfuellung::Setze(int feld, const QVariant& wert)
{
    const int stelle = z->feldZumSetzen(feld).stelle;
    z->setze(stelle, feldwert(z->d.liste[feld], wert, z->d.felder[feld]->DisplayValues));
}

void Tabellenfuellung::Fertig()
{
    if (z->fertig)
        return;
    z->fertig = true;
    if (z->master)
        return; // the master's end shows the nested rows
    TBClientDataSet::Impl& d = z->d;
    // The new rows already stand in index order when they came in it; otherwise they are sorted
    // and merged behind the rows of equal key, as Post would have placed them one by one.
    if (!d.sortFelder.empty()) {
        const auto kleiner = [&](int a, int b) { return d.vergleiche((*d.zeilen)[a], (*d.zeilen)[b]) < 0; };
        const auto mitte = d.reihenfolge.begin() + std::ptrdiff_t(z->vorher);
        if (!std::is_sorted(mitte, d.reihenfolge.end(), kleiner))
            std::stable_sort(mitte, d.reihenfolge.end(), kleiner);
        if (mitte != d.reihenfolge.begin() && mitte != d.reihenfolge.end() && kleiner(*mitte, *(mitte - 1)))
            std::inplace_merge(d.reihenfolge.begin(), mitte, d.reihenfolge.end(), kleiner);
    }
    const bool leer = d.reihenfolge.empty();
    d.bewege(leer ? -1 : 0, true, leer);
    d.daten_geaendert();
}
