#include "language/u_sprachtabelle.h"
#include "language/u_meldungstexte.h"
#include "language/u_sprachfelder.h"
#include "language/u_uebersetzung.h"
#include "platform/u_programm.h"
#include "tables/u_stream.h"
#include <QDir>
#include <QFileInfo>

namespace {
const QString kopf = QStringLiteral("Kelvara VLX 1.0");

void sorgeFuerIndex(TBClientDataSet& tabelle)
{
    if (!tabelle.IndexDefs().empty() || !tabelle.IndexFieldNames().isEmpty())
        return;
    tabelle.AddIndex({QStringLiteral("primary"), Sprachfeld::Nummer.toString(), true});
    tabelle.SetIndexName(QStringLiteral("primary"));
}
} // namespace

void ErzeugeSprachtabelle(TBClientDataSet& tabelle)
{
    tabelle.Close();
    TFieldDef nummer = Felddef(Sprachfeld::Nummer, TFieldType::Integer);
    nummer.required = true;
    tabelle.FieldDefs = {nummer, Felddef(Sprachfeld::Name, TFieldType::String, SprachtextLaenge)};
    tabelle.CreateDataSet();
    tabelle.AddIndex({QStringLiteral("primary"), Sprachfeld::Nummer.toString(), true});
    tabelle.SetIndexName(QStringLiteral("primary"));
}

bool LadeSprachdatei(TBClientDataSet& tabelle, const QString& pfad, Meldungen& meldungen)
{
    DokumentLeser leser(pfad);
    if (leser.Text() != kopf) {
        meldungen << Meldungstext(1004);
        return false;
    }
    // read into a scratch table first, so a damaged packet leaves the table as it was
    TBClientDataSet neu;
    leser.Tabelle(neu);
    SprachtabelleAusPaket(tabelle, neu.Paket());
    return true;
}

void SprachtabelleAusPaket(TBClientDataSet& tabelle, const QByteArray& paket)
{
    tabelle.AusPaket(paket);
    sorgeFuerIndex(tabelle);
}

void SpeichereSprachdatei(TBClientDataSet& tabelle, const QString& pfad)
{
    DokumentSchreiber schreiber(pfad);
    schreiber.Text(kopf);
    schreiber.Tabelle(tabelle);
    schreiber.Abschliessen();
}

void SucheOderLerne(TBClientDataSet& tabelle, int id, QString& text)
{
    if (tabelle.Locate({Sprachfeld::Nummer}, {id})) {
        text = tabelle.FieldByName(Sprachfeld::Name).AsString();
        return;
    }
    tabelle.Append();
    tabelle.FieldByName(Sprachfeld::Nummer).SetAsInteger(id);
    tabelle.FieldByName(Sprachfeld::Name).SetAsString(text.left(SprachtextLaenge));
    tabelle.Post();
}

QString Sprachordner() { return Programmverzeichnis() + QStringLiteral("Sprachen/"); }

QStringList Sprachdateien()
{
    return QDir(Sprachordner()).entryList({QStringLiteral("*.prl")}, QDir::Files, QDir::Unsorted);
}

Sprachzustand::Sprachzustand() = default;

Sprachzustand::~Sprachzustand() { setzeUebersetzer({}); }

bool Sprachzustand::Wechseln(int nummer, const QString& dateiname, Meldungen& meldungen)
{
    Sprachnummer = nummer;
    const QString pfad = Sprachordner() + dateiname;
    if (!QFileInfo::exists(pfad))
        return false;
    Sprachdatei = pfad;
    if (!LadeSprachdatei(Sprachtabelle, pfad, meldungen))
        return false;
    setzeUebersetzer([this](int id, QString& text) {
        if (Sprachtabelle.Active())
            SucheOderLerne(Sprachtabelle, id, text);
    });
    MeldungstexteUebersetzen();
    return true;
}

void Sprachzustand::ZumDeutschen()
{
    Sprachnummer = 0;
    Sprachdatei.clear();
    Sprachtabelle.Close();
    setzeUebersetzer({});
    MeldungstexteZuruecksetzen();
}

void Sprachzustand::Speichern() { SpeichereSprachdatei(Sprachtabelle, Sprachdatei); }
