#include "tables/u_tabelle.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include "tables/u_paket.h"
#include "tables/u_tabelle_impl.h"
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <utility>

namespace {
bool gleicheDefs(const std::vector<TFieldDef>& a, const std::vector<TFieldDef>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].type != b[i].type || a[i].size != b[i].size
            || a[i].required != b[i].required || a[i].calculated != b[i].calculated
            || !gleicheDefs(a[i].children, b[i].children))
            return false;
    return true;
}

void pruefeDefs(const std::vector<TFieldDef>& defs)
{
    QSet<QString> namen;
    for (size_t i = 0; i < defs.size(); ++i) {
        if (defs[i].name.isEmpty())
            throw Fehler(QStringLiteral("Ein Feld hat keinen Namen"));
        const qsizetype vorher = namen.size();
        namen.insert(defs[i].name.toCaseFolded());
        if (namen.size() == vorher)
            throw Fehler(QStringLiteral("Doppelter Feldname '%1'").arg(defs[i].name));
        if (defs[i].calculated && defs[i].type == TFieldType::DataSet)
            throw Fehler(QStringLiteral("Das berechnete Feld '%1' kann keine Tabelle sein")
                             .arg(defs[i].name));
        pruefeDefs(defs[i].children);
    }
}
} // namespace

TFieldDef Felddef(Feldname name, TFieldType typ, int groesse, bool berechnet)
{
    TFieldDef def;
    def.name = name.toString();
    def.type = typ;
    def.size = groesse;
    def.calculated = berechnet;
    return def;
}

// ---------------------------------------------------------------------------------------------
// TBClientDataSet

TBClientDataSet::TBClientDataSet(QObject* parent) : QObject(parent), d(std::make_unique<Impl>(*this))
{
}

TBClientDataSet::~TBClientDataSet()
{
    if (d->master) {
        auto& liste = d->master->d->details;
        liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
    }
    for (TBClientDataSet* detail : d->details) {
        detail->d->master = nullptr;
        detail->d->zustand = TDataSetState::Inactive;
        detail->d->reihenfolge.clear();
        detail->d->cursor = -1;
    }
}

void TBClientDataSet::CreateDataSet()
{
    if (d->master) {
        Close();
        Open();
        return;
    }
    pruefeDefs(FieldDefs);
    if (std::none_of(FieldDefs.begin(), FieldDefs.end(),
                     [](const TFieldDef& def) { return !def.calculated; }))
        throw Fehler(QStringLiteral("Die Tabelle hat keine Felder"));
    auto daten = std::make_shared<TTabellenDaten>();
    daten->ebene = baueEbene(FieldDefs);
    Ebene* ebene = daten->ebene.get();
    Verschachtelt zeilen = daten->zeilen;
    d->schliessen();
    d->aufbauen(std::move(daten), ebene, std::move(zeilen), FieldDefs);
}

void TBClientDataSet::Open()
{
    if (Active())
        return;
    if (d->master) {
        if (d->master->d->zustand == TDataSetState::Inactive)
            throw Fehler(QStringLiteral("Die Haupttabelle ist geschlossen"));
        d->oeffneDetail();
        return;
    }
    if (d->daten && gleicheDefs(FieldDefs, d->geoeffneteDefs))
        d->aufbauen(d->daten, d->ebene, d->zeilen, FieldDefs);
    else
        CreateDataSet();
}

void TBClientDataSet::Close() { d->schliessen(); }

bool TBClientDataSet::Active() const { return d->zustand != TDataSetState::Inactive; }

qint32 TBClientDataSet::AutoIncValue() const { return d->ebene ? d->ebene->naechsterAutoinc : 1; }

TDataSetState TBClientDataSet::State() const { return d->zustand; }

void TBClientDataSet::SetDataSetField(TBClientDataSet& master, Feldname feldname)
{
    for (TBClientDataSet* m = &master; m; m = m->d->master)
        if (m == this)
            throw Fehler(QStringLiteral("Eine Tabelle kann nicht ihre eigene Detailtabelle sein"));
    for (TBClientDataSet* andere : master.d->details)
        if (andere != this && andere->d->masterFeldname.compare(feldname.text(), Qt::CaseInsensitive) == 0)
            throw Fehler(QStringLiteral("Das Feld '%1' hat schon eine Detailtabelle").arg(feldname.text()));
    Close();
    if (d->master) {
        auto& liste = d->master->d->details;
        liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
    }
    d->master = &master;
    d->masterFeldname = feldname.toString();
    master.d->details.push_back(this);
    d->oeffneDetail();
}

QString TBClientDataSet::IndexFieldNames() const { return d->indexFeldnamen; }

void TBClientDataSet::SetIndexFieldNames(std::initializer_list<Feldname> felder)
{
    QStringList teile;
    for (const Feldname feld : felder)
        teile << feld.toString();
    const QString namen = teile.join(u';');
    if (Active()) {
        CheckBrowseMode();
        d->sortFelder = d->sortFelderFuer(namen);
    }
    d->indexFeldnamen = namen;
    d->indexName.clear();
    d->eindeutig = false;
    if (Active()) {
        d->sortieren();
        d->daten_geaendert();
    }
}

void TBClientDataSet::AddIndex(const TIndexDef& index)
{
    for (TIndexDef& vorhanden : d->indexDefs)
        if (vorhanden.name.compare(index.name, Qt::CaseInsensitive) == 0)
            throw Fehler(QStringLiteral("Der Index '%1' ist schon vorhanden").arg(index.name));
    d->indexDefs.push_back(index);
}

void TBClientDataSet::SetIndexName(const QString& name)
{
    if (name.isEmpty()) {
        SetIndexFieldNames({});
        return;
    }
    const auto index = std::find_if(d->indexDefs.begin(), d->indexDefs.end(), [&](auto& i) {
        return i.name.compare(name, Qt::CaseInsensitive) == 0;
    });
    if (index == d->indexDefs.end())
        throw Fehler(QStringLiteral("Der Index '%1' wurde nicht gefunden").arg(name));
    if (Active()) {
        CheckBrowseMode();
        std::vector<int> felder = d->sortFelderFuer(index->fields);
        const auto alteFelder = d->sortFelder;
        d->sortFelder = felder;
        if (index->unique) {
            d->sortieren();
            for (size_t i = 1; i < d->reihenfolge.size(); ++i)
                if (d->vergleiche((*d->zeilen)[d->reihenfolge[i - 1]],
                                  (*d->zeilen)[d->reihenfolge[i]])
                    == 0) {
                    d->sortFelder = alteFelder;
                    d->sortieren();
                    throw Fehler(QStringLiteral("Schlüsselverletzung: Der Index '%1' ist "
                                                "eindeutig, doch mehrere Datensätze haben "
                                                "denselben Schlüssel")
                                     .arg(index->name));
                }
        }
    }
    d->indexName = index->name;
    d->indexFeldnamen.clear();
    d->eindeutig = index->unique;
    if (Active()) {
        d->sortieren();
        d->daten_geaendert();
    }
}

const std::vector<TIndexDef>& TBClientDataSet::IndexDefs() const { return d->indexDefs; }

// Navigation

void TBClientDataSet::First()
{
    d->pruefeAktiv();
    CheckBrowseMode();
    d->bewege(d->reihenfolge.empty() ? -1 : 0, true, d->reihenfolge.empty());
}

void TBClientDataSet::Next()
{
    d->pruefeAktiv();
    CheckBrowseMode();
    if (d->cursor + 1 < int(d->reihenfolge.size()))
        d->bewege(d->cursor + 1, false, false);
    else
        d->eof = true;
}

void TBClientDataSet::Prior()
{
    d->pruefeAktiv();
    CheckBrowseMode();
    if (d->cursor > 0)
        d->bewege(d->cursor - 1, false, false);
    else
        d->bof = true;
}

void TBClientDataSet::Last()
{
    d->pruefeAktiv();
    CheckBrowseMode();
    d->bewege(int(d->reihenfolge.size()) - 1, d->reihenfolge.empty(), true);
}

bool TBClientDataSet::Bof() const { return d->bof; }

bool TBClientDataSet::Eof() const { return d->eof; }

int TBClientDataSet::RecordCount() const { return Active() ? int(d->reihenfolge.size()) : 0; }

int TBClientDataSet::RecNo() const
{
    if (d->zustand == TDataSetState::Insert)
        return RecordCount() + 1;
    return d->cursor + 1;
}

void TBClientDataSet::SetRecNo(int nummer)
{
    d->pruefeAktiv();
    CheckBrowseMode();
    if (d->reihenfolge.empty())
        return;
    const int position = std::clamp(nummer, 1, RecordCount()) - 1;
    d->bewege(position, false, false);
}

// Search

bool TBClientDataSet::Locate(std::initializer_list<Feldname> feldnamen, const QVariantList& werte)
{
    d->pruefeAktiv();
    CheckBrowseMode();
    std::vector<int> felder;
    for (const Feldname name : feldnamen)
        felder.push_back(FieldByName(name).Index());
    if (felder.size() != size_t(werte.size()))
        throw Fehler(QStringLiteral("Locate erwartet %1 Werte").arg(felder.size()));
    std::vector<Wert> gesucht;
    try {
        for (size_t i = 0; i < felder.size(); ++i)
            gesucht.push_back(feldwert(d->liste[felder[i]], werte[qsizetype(i)]));
    } catch (const Fehler&) {
        return false; // a value the field cannot hold equals no row
    }
    const bool mitBerechneten =
        std::any_of(felder.begin(), felder.end(), [&](int f) { return d->gespeichert[f] < 0; });
    std::vector<Wert> calc;
    for (size_t position = 0; position < d->reihenfolge.size(); ++position) {
        const Zeile& zeile = (*d->zeilen)[d->reihenfolge[position]];
        if (mitBerechneten)
            d->berechneFuer(zeile.werte, calc);
        bool gleich = true;
        for (size_t i = 0; i < felder.size() && gleich; ++i) {
            const int stelle = d->gespeichert[felder[i]];
            const Wert& w = stelle >= 0 ? zeile.werte[stelle] : calc[d->berechnet[felder[i]]];
            gleich = istNull(w) == istNull(gesucht[i]) && vergleicheWerte(w, gesucht[i]) == 0;
        }
        if (gleich) {
            d->bewege(int(position), false, false);
            return true;
        }
    }
    return false;
}

bool TBClientDataSet::FindKey(const QVariantList& werte)
{
    d->pruefeAktiv();
    CheckBrowseMode();
    if (d->sortFelder.empty())
        throw Fehler(QStringLiteral("Für die Suche nach einem Schlüssel ist kein Index gesetzt"));
    if (werte.size() > qsizetype(d->sortFelder.size()))
        throw Fehler(QStringLiteral("Zu viele Schlüsselwerte"));
    std::vector<Wert> gesucht;
    std::vector<int> stellen;
    try {
        for (qsizetype i = 0; i < werte.size(); ++i) {
            const int stelle = d->sortFelder[i];
            int feld = 0;
            while (d->gespeichert[feld] != stelle)
                ++feld;
            gesucht.push_back(feldwert(d->liste[feld], werte[i]));
            stellen.push_back(stelle);
        }
    } catch (const Fehler&) {
        return false;
    }
    for (size_t position = 0; position < d->reihenfolge.size(); ++position) {
        const Zeile& zeile = (*d->zeilen)[d->reihenfolge[position]];
        bool gleich = true;
        for (size_t i = 0; i < stellen.size() && gleich; ++i)
            gleich = istNull(zeile.werte[stellen[i]]) == istNull(gesucht[i])
                && vergleicheWerte(zeile.werte[stellen[i]], gesucht[i]) == 0;
        if (gleich) {
            d->bewege(int(position), false, false);
            return true;
        }
    }
    return false;
}

// Changing

void TBClientDataSet::Append()
{
    d->pruefeAktiv();
    CheckBrowseMode();
    d->masterBearbeiten();
    d->puffer = d->ebene->neueZeile();
    d->zustand = TDataSetState::Insert;
    d->berechne();
    d->detailsAbgleichen();
    d->zeile_geaendert();
    d->position_geaendert();
}

void TBClientDataSet::Edit()
{
    d->pruefeAktiv();
    if (d->zustand == TDataSetState::Edit || d->zustand == TDataSetState::Insert)
        return;
    if (d->reihenfolge.empty()) {
        Append();
        return;
    }
    d->masterBearbeiten();
    d->puffer = (*d->zeilen)[d->reihenfolge[d->cursor]];
    d->zustand = TDataSetState::Edit;
    d->zeile_geaendert();
}

void TBClientDataSet::Post()
{
    d->pruefeAktiv();
    if (d->zustand != TDataSetState::Edit && d->zustand != TDataSetState::Insert)
        nichtImEditiermodus();
    for (TBClientDataSet* detail : d->details)
        detail->CheckBrowseMode();
    const Ebene& ebene = *d->ebene;
    const bool neu = d->zustand == TDataSetState::Insert;
    for (size_t f = 0; f < d->liste.size(); ++f) {
        const int stelle = d->gespeichert[f];
        if (stelle >= 0 && d->liste[f].required && d->liste[f].type != TFieldType::AutoInc
            && d->liste[f].type != TFieldType::DataSet && istNull(d->puffer.werte[stelle]))
            throw Fehler(QStringLiteral("Feld '%1' muß einen Wert haben").arg(d->liste[f].name));
    }
    // The buffer is checked in place and then moved; a failed check leaves it as it was.
    const int alt = neu ? -1 : d->reihenfolge[d->cursor];
    const int autoinc = neu ? ebene.autoincFeld : -1;
    Wert vorher;
    if (autoinc >= 0)
        vorher = std::exchange(d->puffer.werte[autoinc], ebene.naechsterAutoinc);
    try {
        d->pruefeEindeutig(d->puffer, alt);
    } catch (...) {
        if (autoinc >= 0)
            d->puffer.werte[autoinc] = std::move(vorher);
        throw;
    }
    Zeile zeile = std::move(d->puffer);

    int index = alt;
    if (neu) {
        if (ebene.autoincFeld >= 0 && d->ebene->naechsterAutoinc < 0x7FFFFFFF)
            ++d->ebene->naechsterAutoinc;
        d->zeilen->push_back(std::move(zeile));
        index = int(d->zeilen->size()) - 1;
    } else {
        (*d->zeilen)[index] = std::move(zeile);
        d->reihenfolge.erase(d->reihenfolge.begin() + d->cursor);
    }
    int position = neu || !d->sortFelder.empty() ? d->einfuegePosition(index) : d->cursor;
    d->reihenfolge.insert(d->reihenfolge.begin() + position, index);
    d->puffer = {};
    d->zustand = TDataSetState::Browse;
    d->bewege(position, false, false);
    d->daten_geaendert();
    Q_EMIT NachPost();
}

void TBClientDataSet::Cancel()
{
    if (d->zustand != TDataSetState::Edit && d->zustand != TDataSetState::Insert)
        return;
    for (TBClientDataSet* detail : d->details)
        detail->Cancel();
    const bool neu = d->zustand == TDataSetState::Insert;
    d->puffer = {};
    d->zustand = TDataSetState::Browse;
    d->bewege(d->reihenfolge.empty() ? -1 : std::max(d->cursor, 0), d->bof, d->eof);
    if (neu)
        d->daten_geaendert(); // the row being added is gone
    else
        d->zeile_geaendert();
}

void TBClientDataSet::Delete()
{
    d->pruefeAktiv();
    if (d->zustand == TDataSetState::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (d->reihenfolge.empty())
        throw Fehler(QStringLiteral("Operation bei leerer Datenmenge nicht ausführbar"));
    d->masterBearbeiten();
    const int index = d->reihenfolge[d->cursor];
    d->zeilen->erase(d->zeilen->begin() + index);
    d->reihenfolge.erase(d->reihenfolge.begin() + d->cursor);
    for (int& r : d->reihenfolge)
        if (r > index)
            --r;
    const int anzahl = int(d->reihenfolge.size());
    const bool letzte = d->cursor >= anzahl;
    d->bewege(std::min(d->cursor, anzahl - 1), anzahl == 0, letzte);
    d->daten_geaendert();
    Q_EMIT NachLoeschen();
}

void TBClientDataSet::CheckBrowseMode()
{
    if (!Active())
        return;
    for (TBClientDataSet* detail : d->details)
        detail->CheckBrowseMode();
    if (d->zustand == TDataSetState::Edit || d->zustand == TDataSetState::Insert)
        Post();
}

// Fields

int TBClientDataSet::FieldCount() const { return int(d->felder.size()); }

TField& TBClientDataSet::Fields(int index)
{
    if (index < 0 || index >= FieldCount())
        throw Fehler(QStringLiteral("Der Feldindex %1 liegt außerhalb der Feldliste").arg(index));
    return *d->felder[index];
}

TField& TBClientDataSet::FieldByName(Feldname name)
{
    if (TField* feld = FindField(name))
        return *feld;
    throw Fehler(QStringLiteral("Das Feld '%1' wurde nicht gefunden").arg(name.text()));
}

TField* TBClientDataSet::FindField(Feldname name)
{
    const int index = d->feldIndex(name.text());
    return index >= 0 ? d->felder[index] : nullptr;
}

void TBClientDataSet::DisableControls() { ++d->gesperrt; }

void TBClientDataSet::EnableControls()
{
    if (d->gesperrt > 0 && --d->gesperrt == 0)
        d->daten_geaendert();
}

bool TBClientDataSet::ControlsDisabled() const { return d->gesperrt > 0; }

QVariant TBClientDataSet::WertBei(int nummer, int feld)
{
    TField& f = Fields(feld);
    return d->beiZeile(nummer, [&] { return f.Value(); });
}

QString TBClientDataSet::AnzeigeTextBei(int nummer, int feld)
{
    TField& f = Fields(feld);
    return d->beiZeile(nummer, [&] { return f.DisplayText(); });
}

// Packets

QByteArray TBClientDataSet::Paket()
{
    d->pruefeAktiv();
    CheckBrowseMode();
    return SchreibePaket(*d->ebene, *d->zeilen);
}

void TBClientDataSet::AusPaket(const QByteArray& paket)
{
    if (d->master)
        throw Fehler(QStringLiteral("Eine Detailtabelle kann nicht aus einem Paket geladen werden"));
    Close();
    // The old rows go before the new ones are read, so the reader gets their memory back at once;
    // a packet that cannot be read leaves the table closed and empty.
    d->datenFreigeben();
    auto daten = std::make_shared<TTabellenDaten>(LesePaket(paket));
    Ebene* ebene = daten->ebene.get();
    Verschachtelt zeilen = daten->zeilen;
    std::vector<TFieldDef> liste = mischeBerechnete(ebene->felder, FieldDefs);
    d->aufbauen(std::move(daten), ebene, std::move(zeilen), std::move(liste));
}

void TBClientDataSet::SchreibeInStream(QIODevice& stream)
{
    const QByteArray paket = Paket();
    const qint32 laenge = qToLittleEndian(qint32(paket.size()));
    if (stream.write(reinterpret_cast<const char*>(&laenge), 4) != 4
        || stream.write(paket) != paket.size())
        throw StreamSchreibfehler();
}

// A stored length of 0 or below holds no packet: reading fails with a clear error and the table
// stays closed, as it does for any other damaged packet.
void TBClientDataSet::LeseAusStream(QIODevice& stream)
{
    Close();
    char laengenbytes[4];
    if (stream.read(laengenbytes, 4) != 4)
        throw StreamLesefehler();
    const qint32 laenge = qFromLittleEndian<qint32>(laengenbytes);
    if (laenge <= 0)
        throw Fehler(QStringLiteral("Ungültige Länge %1 eines Tabellenpakets").arg(laenge));
    if (!stream.isSequential() && laenge > stream.size() - stream.pos())
        throw StreamLesefehler();
    // Read in pieces, so memory grows only with the bytes really there.
    QByteArray paket;
    while (paket.size() < laenge) {
        const QByteArray stueck = stream.read(std::min<qint64>(laenge - paket.size(), 1 << 20));
        if (stueck.isEmpty())
            throw StreamLesefehler();
        paket.append(stueck);
    }
    AusPaket(paket);
}

void KopiereZeilen(TBClientDataSet& quelle, TBClientDataSet& ziel)
{
    ziel.CheckBrowseMode();
    while (ziel.RecordCount() > 0) {
        ziel.First();
        ziel.Delete();
    }
    quelle.First();
    while (!quelle.Eof()) {
        ziel.Append();
        for (int i = 0; i < quelle.FieldCount(); ++i) {
            TField& von = quelle.Fields(i);
            TField& nach = ziel.Fields(i);
            if (nach.DataType() == TFieldType::AutoInc)
                continue; // the target numbers its rows itself
            if (von.DataType() == TFieldType::DataSet && nach.DataType() == TFieldType::DataSet) {
                const auto* kinder = std::get_if<Verschachtelt>(&quelle.d->wert(i));
                ziel.d->setze(i, Verschachtelt::neu(kinder && *kinder ? kopiereZeilen(**kinder)
                                                                     : Zeilen()));
            } else {
                nach.SetValue(von.Value());
            }
        }
        ziel.Post();
        quelle.Next();
    }
}
