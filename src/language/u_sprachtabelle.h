#pragma once
// The language table: text id -> text of one language, read from and written to a language file
// ("Kelvara VLX 1.0", then one sized packet). The table learns from use: a lookup under an id it
// lacks records the text shown at that moment.
#include "platform/u_meldungen.h"
#include "tables/u_tabelle.h"
#include <QStringList>

inline constexpr int SprachtextLaenge = 50; // Name keeps at most 50 characters

// Fields Nummer (required) and Name, the unique index "primary", opened and empty.
void ErzeugeSprachtabelle(TBClientDataSet& tabelle);
// Gives "keine gültige Sprachdatei" in meldungen and returns false when the header is missing; the
// table then keeps its previous content. File and packet errors travel up as Fehler.
bool LadeSprachdatei(TBClientDataSet& tabelle, const QString& pfad, Meldungen& meldungen);
// The rows of a packet of the table, as loading takes them (ordered by number).
void SprachtabelleAusPaket(TBClientDataSet& tabelle, const QByteArray& paket);
void SpeichereSprachdatei(TBClientDataSet& tabelle, const QString& pfad);
// Name of the row of id, recording text under id (cut to 50 characters) when there is none.
void SucheOderLerne(TBClientDataSet& tabelle, int id, QString& text);

// The file names (with extension, without folder) of Programmverzeichnis() + "Sprachen/*.prl",
// in the order the file system lists them.
QStringList Sprachdateien();
QString Sprachordner(); // Programmverzeichnis() + "Sprachen/"

// The program's current language. Until the first successful switch no language is active and
// every text keeps its built-in German wording.
struct Sprachzustand {
    TBClientDataSet Sprachtabelle;
    int Sprachnummer = 0;
    QString Sprachdatei;

    Sprachzustand();
    ~Sprachzustand(); // removes the lookup
    // Steps of a switch up to the loading of the file: number, path, load, shared messages.
    // False when the switch stops there (file gone, or not a language file: its message then in
    // meldungen).
    bool Wechseln(int nummer, const QString& dateiname, Meldungen& meldungen);
    void ZumDeutschen(); // no language active: number 0, the built-in messages
    void Speichern(); // the table back into Sprachdatei, keeping the ids met during the switch
};
