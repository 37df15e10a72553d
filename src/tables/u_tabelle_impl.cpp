// Inside of the table: opening, binding details, ordering, the current row and notifications.
#include "platform/u_fehler.h"
#include "tables/u_tabelle_impl.h"
#include <algorithm>

void nichtImEditiermodus()
{
    throw Fehler(QStringLiteral("Datenmenge weder im Editier- noch im Einfügemodus"));
}

int vergleicheWerte(const Wert& a, const Wert& b)
{
    if (istNull(a) || istNull(b))
        return int(!istNull(a)) - int(!istNull(b));
    const auto zahl = [](const Wert& w) {
        if (auto* i = std::get_if<qint32>(&w))
            return double(*i);
        if (auto* f = std::get_if<double>(&w))
            return *f;
        if (auto* b = std::get_if<bool>(&w))
            return *b ? 1.0 : 0.0;
        return 0.0;
    };
    if (auto* ta = std::get_if<Text>(&a)) {
        if (auto* tb = std::get_if<Text>(&b))
            return ta->ansicht().compare(tb->ansicht());
        return 1;
    }
    if (std::holds_alternative<Text>(b))
        return -1;
    const double x = zahl(a);
    const double y = zahl(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

std::vector<TFieldDef> mischeBerechnete(const std::vector<TFieldDef>& neu,
                                        const std::vector<TFieldDef>& alt)
{
    // Each calculated field goes after the stored field it followed before.
    std::vector<std::pair<QString, TFieldDef>> berechnete;
    // Without stored fields in alt, the calculated ones follow the stored fields of neu.
    QString vorgaenger = QStringLiteral("\n");
    for (const TFieldDef& def : alt) {
        if (def.calculated)
            berechnete.emplace_back(vorgaenger, def);
        else
            vorgaenger = def.name;
    }
    std::vector<TFieldDef> ergebnis;
    std::vector<bool> gesetzt(berechnete.size());
    const auto nach = [&](const QString& name) {
        for (size_t i = 0; i < berechnete.size(); ++i)
            if (!gesetzt[i] && berechnete[i].first.compare(name, Qt::CaseInsensitive) == 0) {
                ergebnis.push_back(berechnete[i].second);
                gesetzt[i] = true;
            }
    };
    if (std::any_of(alt.begin(), alt.end(), [](const TFieldDef& def) { return !def.calculated; }))
        nach(QStringLiteral("\n"));
    for (TFieldDef def : neu) {
        if (def.type == TFieldType::DataSet)
            for (const TFieldDef& vorher : alt)
                if (vorher.name.compare(def.name, Qt::CaseInsensitive) == 0)
                    def.children = mischeBerechnete(def.children, vorher.children);
        const QString name = def.name;
        ergebnis.push_back(std::move(def));
        nach(name);
    }
    for (size_t i = 0; i < berechnete.size(); ++i)
        if (!gesetzt[i])
            ergebnis.push_back(berechnete[i].second);
    return ergebnis;
}

// ---------------------------------------------------------------------------------------------
// Life

void TBClientDataSet::Impl::pruefeAktiv() const
{
    if (zustand == TDataSetState::Inactive)
        throw Fehler(QStringLiteral("Operation bei geschlossener Datenmenge nicht ausführbar"));
}

size_t FeldnamenHash::operator()(QStringView name) const noexcept
{
    // Surrogates are left out: a pair is folded as one character by the comparison.
    size_t h = 0;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            h = h * 31 + (u >= 'A' && u <= 'Z' ? u + 32 : u);
        else if (!c.isSurrogate())
            h = h * 31 + QChar::toCaseFolded(char32_t(u));
    }
    return h;
}

int TBClientDataSet::Impl::feldIndex(QStringView name) const
{
    const auto gefunden = feldnummern.find(name);
    return gefunden != feldnummern.end() ? gefunden->second : -1;
}

void TBClientDataSet::Impl::felderSetzen(std::vector<TFieldDef> neueListe)
{
    liste = std::move(neueListe);
    for (TField* feld : felder)
        feld->m_index = -1;
    QHash<QString, TField*> frei; // field objects without a field yet, by case-folded name
    for (auto& vorhanden : alleFelder)
        frei.insert(vorhanden->m_name.toCaseFolded(), vorhanden.get());
    felder.clear();
    feldnummern.clear();
    gespeichert.clear();
    berechnet.clear();
    anzahlBerechnet = 0;
    int naechsterGespeichert = 0;
    for (size_t i = 0; i < liste.size(); ++i) {
        const TFieldDef& def = liste[i];
        const QString schluessel = def.name.toCaseFolded();
        TField* feld = frei.take(schluessel);
        if (!feld) {
            alleFelder.push_back(std::unique_ptr<TField>(new TField(&q, -1, def.name)));
            feld = alleFelder.back().get();
        }
        feld->m_index = int(i);
        feld->m_name = def.name;
        felder.push_back(feld);
        feldnummern.insert_or_assign(def.name, int(i));
        gespeichert.push_back(def.calculated ? -1 : naechsterGespeichert++);
        berechnet.push_back(def.calculated ? anzahlBerechnet++ : -1);
    }
    std::erase_if(alleFelder, [](const auto& f) { return f->m_index < 0; });
}

void TBClientDataSet::Impl::aufbauen(std::shared_ptr<TTabellenDaten> neueDaten, Ebene* neueEbene,
                                     Verschachtelt neueZeilen, std::vector<TFieldDef> neueListe)
{
    // The ordering must fit the new fields before anything is taken over.
    const auto alteListe = liste;
    felderSetzen(std::move(neueListe));
    std::vector<int> neueSortierung;
    try {
        neueSortierung = sortFelderFuer(indexName.isEmpty() ? indexFeldnamen : [&] {
            for (const TIndexDef& index : indexDefs)
                if (index.name.compare(indexName, Qt::CaseInsensitive) == 0)
                    return index.fields;
            return QString();
        }());
    } catch (...) {
        felderSetzen(alteListe);
        throw;
    }
    daten = std::move(neueDaten);
    ebene = neueEbene;
    zeilen = std::move(neueZeilen);
    q.FieldDefs = liste;
    geoeffneteDefs = liste;
    sortFelder = std::move(neueSortierung);
    zustand = TDataSetState::Browse;
    puffer = {};
    sortieren();
    bewege(reihenfolge.empty() ? -1 : 0, true, reihenfolge.empty());
    for (TBClientDataSet* detail : details)
        detail->d->oeffneDetail();
    daten_geaendert();
    Q_EMIT q.NachOeffnen();
}

void TBClientDataSet::Impl::datenFreigeben()
{
    for (TBClientDataSet* detail : details)
        detail->d->datenFreigeben();
    daten.reset();
    ebene = nullptr;
    zeilen = {};
}

void TBClientDataSet::Impl::schliessen()
{
    if (zustand == TDataSetState::Inactive)
        return;
    for (TBClientDataSet* detail : details)
        detail->d->schliessen();
    zustand = TDataSetState::Inactive;
    puffer = {};
    reihenfolge.clear();
    cursor = -1;
    bof = eof = true;
    calc.clear();
    daten_geaendert();
}

Verschachtelt TBClientDataSet::Impl::masterZeilen() const
{
    const auto* werte = master->d->aktuelleWerte();
    if (!werte)
        return leer;
    const auto* kinder = std::get_if<Verschachtelt>(&(*werte)[master->d->gespeichert[masterFeld]]);
    return (kinder && *kinder) ? *kinder : leer;
}

void TBClientDataSet::Impl::oeffneDetail()
{
    Impl& m = *master->d;
    if (m.zustand == TDataSetState::Inactive)
        return;
    const int feld = m.feldIndex(masterFeldname);
    if (feld < 0 || m.liste[feld].type != TFieldType::DataSet) {
        schliessen();
        return;
    }
    schliessen();
    masterFeld = feld;
    const int stelle = m.gespeichert[feld];
    Ebene* kind = m.ebene->kinder[m.ebene->kindIndex[stelle]].get();
    std::vector<TFieldDef> eigene = q.FieldDefs.empty() ? m.liste[feld].children : q.FieldDefs;
    aufbauen(m.daten, kind, masterZeilen(), mischeBerechnete(kind->felder, eigene));
}

void TBClientDataSet::Impl::uebernimmZeilen(Verschachtelt neueZeilen)
{
    zeilen = std::move(neueZeilen);
    zustand = TDataSetState::Browse;
    puffer = {};
    sortieren();
    bewege(reihenfolge.empty() ? -1 : 0, true, reihenfolge.empty());
    daten_geaendert();
}

void TBClientDataSet::Impl::detailsAbgleichen()
{
    for (TBClientDataSet* detail : details) {
        Impl& dd = *detail->d;
        if (dd.zustand == TDataSetState::Inactive)
            continue;
        Verschachtelt neu = dd.masterZeilen();
        if (neu != dd.zeilen)
            dd.uebernimmZeilen(std::move(neu));
    }
}

// ---------------------------------------------------------------------------------------------
// Ordering

std::vector<int> TBClientDataSet::Impl::sortFelderFuer(const QString& namen) const
{
    std::vector<int> ergebnis;
    for (const QString& name : namen.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const int feld = feldIndex(name.trimmed());
        if (feld < 0)
            throw Fehler(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(name.trimmed()));
        if (gespeichert[feld] < 0 || liste[feld].type == TFieldType::DataSet)
            throw Fehler(QStringLiteral("Nach dem Feld '%1' kann nicht sortiert werden")
                             .arg(liste[feld].name));
        ergebnis.push_back(gespeichert[feld]);
    }
    return ergebnis;
}

int TBClientDataSet::Impl::vergleiche(const Zeile& a, const Zeile& b) const
{
    for (int feld : sortFelder)
        if (const int v = vergleicheWerte(a.werte[feld], b.werte[feld]))
            return v;
    return 0;
}

void TBClientDataSet::Impl::sortieren()
{
    const int vorher = (cursor >= 0 && cursor < int(reihenfolge.size())) ? reihenfolge[cursor] : -1;
    reihenfolge.resize(zeilen->size());
    for (size_t i = 0; i < reihenfolge.size(); ++i)
        reihenfolge[i] = int(i);
    const Zeilen& z = *zeilen; // looked at once: the comparisons below run many times
    if (!sortFelder.empty())
        std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](int a, int b) {
            return vergleiche(z[a], z[b]) < 0;
        });
    cursor = -1;
    for (size_t i = 0; vorher >= 0 && i < reihenfolge.size(); ++i)
        if (reihenfolge[i] == vorher)
            cursor = int(i);
}

int TBClientDataSet::Impl::einfuegePosition(int zeile) const
{
    if (sortFelder.empty())
        return int(reihenfolge.size());
    const Zeilen& z = *zeilen;
    const auto stelle = std::upper_bound(reihenfolge.begin(), reihenfolge.end(), zeile,
                                         [&](int a, int b) { return vergleiche(z[a], z[b]) < 0; });
    return int(stelle - reihenfolge.begin());
}

void TBClientDataSet::Impl::pruefeEindeutig(const Zeile& zeile, int ausser) const
{
    if (!eindeutig || sortFelder.empty())
        return;
    // the ordering is sorted by the index: only the rows with an equal key are looked at
    const Zeilen& z = *zeilen;
    auto stelle = std::partition_point(reihenfolge.begin(), reihenfolge.end(),
                                       [&](int i) { return vergleiche(z[i], zeile) < 0; });
    for (; stelle != reihenfolge.end() && vergleiche(z[*stelle], zeile) == 0; ++stelle)
        if (*stelle != ausser)
            throw Fehler(QStringLiteral("Schlüsselverletzung: Im Index '%1' gibt es bereits einen "
                                        "Datensatz mit diesem Schlüssel")
                             .arg(indexName));
}

// ---------------------------------------------------------------------------------------------
// Current row

const Werte* TBClientDataSet::Impl::aktuelleWerte() const
{
    if (kontextWerte)
        return kontextWerte;
    if (zustand == TDataSetState::Edit || zustand == TDataSetState::Insert)
        return &puffer.werte;
    if (zustand == TDataSetState::Inactive || cursor < 0)
        return nullptr;
    return &(*zeilen)[reihenfolge[cursor]].werte;
}

const Wert& TBClientDataSet::Impl::wert(int feld) const
{
    static const Wert nichts;
    const int stelle = gespeichert[feld];
    if (stelle >= 0) {
        const auto* werte = aktuelleWerte();
        return werte ? (*werte)[stelle] : nichts;
    }
    const auto& werte = kontextCalc ? *kontextCalc : calc;
    return berechnet[feld] < int(werte.size()) ? werte[berechnet[feld]] : nichts;
}

void TBClientDataSet::Impl::setze(int feld, Wert neu)
{
    pruefeAktiv();
    const int stelle = gespeichert[feld];
    if (stelle < 0) {
        if (zustand == TDataSetState::Browse)
            nichtImEditiermodus();
        auto& werte = kontextCalc ? *kontextCalc : calc;
        werte.resize(size_t(anzahlBerechnet));
        werte[berechnet[feld]] = std::move(neu);
        if (zustand != TDataSetState::CalcFields)
            zeile_geaendert();
        return;
    }
    if (zustand != TDataSetState::Edit && zustand != TDataSetState::Insert)
        nichtImEditiermodus();
    if (liste[feld].type == TFieldType::AutoInc)
        throw Fehler(QStringLiteral("Feld '%1' kann nicht geändert werden").arg(liste[feld].name));
    puffer.werte[stelle] = std::move(neu);
    berechne();
    if (liste[feld].type == TFieldType::DataSet)
        detailsAbgleichen();
    zeile_geaendert();
}

void TBClientDataSet::Impl::berechneFuer(const Werte& werte, std::vector<Wert>& ziel)
{
    ziel.assign(size_t(anzahlBerechnet), Wert{});
    if (!q.OnCalcFields || anzahlBerechnet == 0)
        return;
    const auto* alteWerte = kontextWerte;
    auto* alteCalc = kontextCalc;
    const TDataSetState alterZustand = zustand;
    kontextWerte = &werte;
    kontextCalc = &ziel;
    zustand = TDataSetState::CalcFields;
    const auto zurueck = [&] {
        kontextWerte = alteWerte;
        kontextCalc = alteCalc;
        zustand = alterZustand;
    };
    try {
        q.OnCalcFields(q);
    } catch (...) {
        zurueck();
        throw;
    }
    zurueck();
}

void TBClientDataSet::Impl::berechne()
{
    if (const auto* werte = aktuelleWerte())
        berechneFuer(*werte, calc);
    else
        calc.assign(size_t(anzahlBerechnet), Wert{});
}

void TBClientDataSet::Impl::bewege(int position, bool amAnfang, bool amEnde)
{
    cursor = position;
    bof = amAnfang || position < 0;
    eof = amEnde || position < 0;
    berechne();
    detailsAbgleichen();
    position_geaendert();
}

void TBClientDataSet::Impl::masterBearbeiten()
{
    if (master && master->d->zustand == TDataSetState::Browse)
        master->Edit();
}

void TBClientDataSet::Impl::daten_geaendert()
{
    if (gesperrt == 0)
        Q_EMIT q.DatenGeaendert();
}

void TBClientDataSet::Impl::zeile_geaendert()
{
    if (gesperrt == 0)
        Q_EMIT q.ZeileGeaendert();
}

void TBClientDataSet::Impl::position_geaendert()
{
    if (gesperrt == 0)
        Q_EMIT q.PositionGeaendert();
}

