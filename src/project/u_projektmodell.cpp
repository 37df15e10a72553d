#include "project/u_projektmodell.h"
#include <QDataStream>
#include "beam/u_balkenmodell.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "tables/u_stream.h"
#include "tables/u_werteliste.h"
#include <memory>

const QString ProjektKopf = QStringLiteral("Kelvara VLX Projektdatei 1.0");

namespace {
// Nested fields list stored fields only; the detail tables bring their calculated ones.
std::vector<TFieldDef> gespeicherte(std::vector<TFieldDef> felder)
{
    std::erase_if(felder, [](const TFieldDef& f) { return f.calculated; });
    return felder;
}

TFieldDef tabelle(Feldname name, std::vector<TFieldDef> kinder)
{
    TFieldDef f = Felddef(name, TFieldType::DataSet);
    f.children = std::move(kinder);
    return f;
}

// A packet of another layout would put values into the wrong fields when supports and loads
// are copied by position, so the stored fields must match ours in order, name and type.
bool gleicherAufbau(const std::vector<TFieldDef>& gelesen, const std::vector<TFieldDef>& erwartet)
{
    std::vector<const TFieldDef*> a, b;
    for (const TFieldDef& f : gelesen)
        if (!f.calculated)
            a.push_back(&f);
    for (const TFieldDef& f : erwartet)
        if (!f.calculated)
            b.push_back(&f);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i]->name.compare(b[i]->name, Qt::CaseInsensitive) != 0 || a[i]->type != b[i]->type
            || !gleicherAufbau(a[i]->children, b[i]->children))
            return false;
    return true;
}

void lesePaket(DokumentLeser& l, TBClientDataSet& ziel, const std::vector<TFieldDef>& felder)
{
    ziel.FieldDefs = felder;
    l.Tabelle(ziel);
    if (!gleicherAufbau(ziel.FieldDefs, felder))
        throw UngueltigerEigenschaftswert();
}
} // namespace

std::vector<TFieldDef> ProjektFelder()
{
    using T = TFieldType;
    namespace V = Variantenfeld;
    const std::vector<TFieldDef> varianten = {
        Felddef(V::Nummer, T::AutoInc), Felddef(V::Name, T::String, 30), Felddef(V::Bearbeiter, T::String, 30),
        Felddef(V::Traverse, T::String, 30), Felddef(V::Einstellungen, T::Memo, 250),
        Felddef(V::Status, T::String, 15), Felddef(V::Auslastung, T::Float), Felddef(V::Anmerkung, T::Memo, 250),
        tabelle(V::Lager, gespeicherte(LagerFelder())), tabelle(V::Lasten, gespeicherte(LastenFelder()))};
    using namespace Projektfeld;
    return {Felddef(Nummer, T::AutoInc),     Felddef(Sortierung, T::Integer),  Felddef(Name, T::String, 30),
            Felddef(Position_X1, T::Float),  Felddef(Position_Y1, T::Float),   Felddef(Position_X2, T::Float),
            Felddef(Position_Y2, T::Float),  Felddef(markiert, T::Boolean),    Felddef(Anmerkung, T::Memo, 250),
            Felddef(Variante, T::Integer),   tabelle(Varianten, varianten)};
}

std::vector<TFieldDef> MauerFelder()
{
    using T = TFieldType;
    using namespace Mauerfeld;
    return {Felddef(Nummer, T::AutoInc), Felddef(Symbol, T::Integer), Felddef(Breite, T::Float),
            Felddef(markiert, T::Boolean),
            tabelle(Punkte, {Felddef(Punktfeld::X, T::Float), Felddef(Punktfeld::Y, T::Float)})};
}

Projektmodell::Projektmodell()
{
    setzeHaken();
    LeeresProjekt();
}

void Projektmodell::setzeHaken()
{
    // Every listener ends with its table, which this model owns.
    const auto bei = [](TBClientDataSet& t, const auto& tun) {
        for (auto signal : {&TBClientDataSet::NachPost, &TBClientDataSet::NachLoeschen})
            QObject::connect(&t, signal, &t, tun);
    };
    const auto knoepfe = [this] { Q_EMIT TraversenGeaendert(); };
    bei(cds_projekt, [this, knoepfe] {
        SetzeGeaendert(true);
        knoepfe();
    });
    // A nested change put the truss row into edit; it is posted with the variant.
    bei(cds_varianten, [this] {
        cds_projekt.CheckBrowseMode();
        SetzeGeaendert(true);
    });
    for (TBClientDataSet* t : {&cds_lager, &cds_lasten, &cds_mauern, &cds_punkte})
        bei(*t, [this] { SetzeGeaendert(true); });
    QObject::connect(&cds_projekt, &TBClientDataSet::NachOeffnen, &cds_projekt, knoepfe);
}

void Projektmodell::bindeUndOrdne()
{
    cds_projekt.SetIndexFieldNames({Projektfeld::Sortierung, Projektfeld::Nummer});
    cds_varianten.SetDataSetField(cds_projekt, Projektfeld::Varianten);
    cds_varianten.SetIndexFieldNames({Variantenfeld::Nummer});
    cds_varianten.FieldByName(Variantenfeld::Auslastung).DisplayFormat = QStringLiteral("0.00");
    cds_mauern.SetIndexFieldNames({Mauerfeld::Nummer});
    cds_punkte.SetDataSetField(cds_mauern, Mauerfeld::Punkte);
    if (cds_lager.FieldDefs.empty())
        cds_lager.FieldDefs = LagerFelder();
    if (cds_lasten.FieldDefs.empty())
        cds_lasten.FieldDefs = LastenFelder();
    cds_lager.SetDataSetField(cds_varianten, Variantenfeld::Lager);
    FormatiereLagertabelle(cds_lager);
    cds_lasten.SetDataSetField(cds_varianten, Variantenfeld::Lasten);
    FormatiereLastentabelle(cds_lasten);
}

void Projektmodell::LeeresProjekt()
{
    name.clear();
    bearbeiter.clear();
    anmerkungen.clear();
    cds_projekt.Close();
    cds_projekt.FieldDefs = ProjektFelder();
    cds_projekt.CreateDataSet();
    cds_mauern.Close();
    cds_mauern.FieldDefs = MauerFelder();
    cds_mauern.CreateDataSet();
    bindeUndOrdne();
    SetzeGeaendert(false);
}

void Projektmodell::SetzeGeaendert(bool geaendert)
{
    if (geaendert)
        Q_EMIT Aenderung();
    UebernimmAenderungsstand(geaendert);
}

void Projektmodell::UebernimmAenderungsstand(bool geaendert)
{
    if (geaendert == m_geaendert)
        return;
    m_geaendert = geaendert;
    Q_EMIT ZustandGeaendert();
}

QString Projektmodell::Titel() const
{
    if (m_dateiname.isEmpty())
        return QStringLiteral("Projekt");
    return Format(Uebersetzt(1800, QStringLiteral("Projekt [%s]")), {m_dateiname});
}

void Projektmodell::Speichern(const QString& datei)
{
    cds_projekt.CheckBrowseMode();
    cds_mauern.CheckBrowseMode();
    QString notizen;
    for (const QString& zeile : anmerkungen)
        notizen += zeile + QStringLiteral("\r\n");
    DokumentSchreiber s(datei);
    s.Text(ProjektKopf);
    s.Text(name);
    s.Text(bearbeiter);
    s.Text(notizen);
    s.Tabelle(cds_projekt);
    s.Tabelle(cds_mauern);
    s.Abschliessen();
    m_dateiname = datei;
    m_geaendert = false;
    Q_EMIT ZustandGeaendert();
}

bool Projektmodell::Laden(const QString& datei, Meldungen& meldungen)
{
    DokumentLeser l(datei);
    try {
        if (l.Text() != ProjektKopf) {
            meldungen << Uebersetzt(1801, QStringLiteral("keine gültige Projektdatei"));
            return false;
        }
        const QString gelesenerName = l.Text();
        const QString gelesenerBearbeiter = l.Text();
        const QString notizen = l.Text();
        TBClientDataSet traversen, mauern;
        lesePaket(l, traversen, ProjektFelder());
        lesePaket(l, mauern, MauerFelder());

        cds_projekt.AusPaket(traversen.Paket());
        cds_mauern.AusPaket(mauern.Paket());
        bindeUndOrdne();
        cds_projekt.First();
        cds_mauern.First();
        name = gelesenerName;
        bearbeiter = gelesenerBearbeiter;
        anmerkungen = TWerteliste(notizen).zeilen();
    } catch (...) {
        LeeresProjekt();
        throw;
    }
    m_dateiname = datei;
    m_geaendert = false;
    Q_EMIT ZustandGeaendert();
    return true;
}

QByteArray Projektmodell::Stand()
{
    if (!cds_projekt.Active() || !cds_mauern.Active())
        return {}; // before the first project is set up
    QByteArray stand;
    QDataStream s(&stand, QIODevice::WriteOnly);
    s << name << bearbeiter << anmerkungen << cds_projekt.Paket() << cds_mauern.Paket();
    return stand;
}

QByteArray Projektmodell::OhneMarken(const QByteArray& stand)
{
    if (stand.isEmpty())
        return stand;
    QDataStream s(stand);
    QString n, b;
    QStringList a;
    QByteArray traversen, mauern;
    s >> n >> b >> a >> traversen >> mauern;
    const auto ohneMarken = [](const QByteArray& paket) {
        TBClientDataSet t;
        t.AusPaket(paket);
        TField& markiert = t.FieldByName(Projektfeld::markiert);
        for (t.First(); !t.Eof(); t.Next()) {
            t.Edit();
            markiert.SetAsBoolean(false);
            t.Post();
        }
        return t.Paket();
    };
    QByteArray ergebnis;
    QDataStream e(&ergebnis, QIODevice::WriteOnly);
    e << n << b << a << ohneMarken(traversen) << ohneMarken(mauern);
    return ergebnis;
}

void Projektmodell::StandHerstellen(const QByteArray& stand)
{
    QDataStream s(stand);
    QByteArray traversen, mauern;
    s >> name >> bearbeiter >> anmerkungen >> traversen >> mauern;
    const QVariant traverse = cds_projekt.RecordCount() > 0 ? cds_projekt.FieldByName(Projektfeld::Nummer).Value()
                                                            : QVariant();
    cds_projekt.AusPaket(traversen);
    cds_mauern.AusPaket(mauern);
    bindeUndOrdne();
    cds_projekt.First();
    cds_mauern.First();
    if (traverse.isValid())
        cds_projekt.Locate({Projektfeld::Nummer}, {traverse});
}

bool Projektmodell::HauptvarianteWaehlen()
{
    const TField& hauptvariante = cds_projekt.FieldByName(Projektfeld::Variante);
    if (cds_projekt.RecordCount() == 0 || hauptvariante.IsNull())
        return false;
    return cds_varianten.FindKey({hauptvariante.AsInteger()});
}

Variantenknoepfe Projektmodell::Knopfzustaende()
{
    Variantenknoepfe k;
    const bool traverse = cds_projekt.RecordCount() > 0;
    k.neu = k.anmerkung = traverse;
    k.loeschen = traverse && cds_varianten.RecordCount() > 0;
    return k;
}
