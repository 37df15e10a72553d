#pragma once
// A document window of the main frame: its file name and changed mark (both in the status bar),
// its own menus that replace the frame's menus of the same group while it is active, and the
// close query. The shell creates it, puts it into a child window and runs the commands on it.
#include "language/u_meldungstexte.h" // Ueberschreibfrage for the windows that ask
#include "platform/u_dialoge.h"
#include "platform/u_fensterrollen_qt.h"
#include <QDateTime>
#include <QMainWindow>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QUndoStack;

enum class Dokumentart { Projekt, Einzelprojekt, Traverse, Belastungstabelle, Sprache };

// The kind of a document file by its extension (".prp", ".pre", ".prt", ".prb", ".prl", in any
// case); none for any other file.
std::optional<Dokumentart> DokumentartVon(const QString& pfad);

// The open and save dialogs of a kind: filter, default extension and starting folder.
DateiDialog DokumentDialog(Dokumentart art, bool speichern);

class Dokumentfenster : public QMainWindow, public Uebersetzbar {
    Q_OBJECT
public:
    explicit Dokumentfenster(QWidget* eltern = nullptr);
    ~Dokumentfenster() override;

    virtual Dokumentart Art() const = 0;
    // Sets every caption by text id; runs on first show and after each language switch.
    void TexteSetzen() override = 0;
    // Loads a file into the window and binds the window to it. A file of another kind has shown
    // its message and gives false; like a Fehler, it leaves the window as it was and unbound, so
    // "Speichern" never writes over a file that was not read.
    virtual bool Laden(const QString& pfad) = 0;
    // Writes the document under pfad (asking before overwriting where the kind does, through
    // DarfUeberschreiben) and remembers the file's state on disk; false when nothing was written.
    bool SpeichernUnter(const QString& pfad);
    virtual void Drucken() {}
    // The kind's save-as dialog: filter, default extension, starting folder.
    virtual DateiDialog SpeichernDialog() const { return DokumentDialog(Art(), true); }

    // Saves to the remembered file when it exists, else through the save-as dialog; false when
    // the dialog was cancelled or nothing was written.
    bool SpeichernMitRueckfall();

    QString Dateiname() const { return m_dateiname; }
    // A new file name also remembers the state of that file on disk.
    void setzeDateiname(const QString& pfad);
    // Whether the window's file is pfad, however the two paths are spelled.
    bool ZeigtDatei(const QString& pfad) const;
    bool Geaendert() const { return m_geaendert; }
    bool Geschlossen() const { return m_geschlossen; } // closed, waiting to be freed
    void setzeGeaendert(bool geaendert);
    // The document was read (a file, a project's variant, the last saved version): what reading
    // changed is no step, the history starts anew and the changed mark is cleared.
    void Geladen();
    // The shell asks every window before it shuts down, and closes them only when all agreed.
    // The windows that depend on this one are asked first, and close with it.
    bool FrageSchliessen();
    void SchliesseOhneFrage();
    // Windows that show a part of this document and cannot live without it (a project's beam
    // editors).
    virtual std::vector<Dokumentfenster*> Abhaengige() const { return {}; }

    // Undo and redo, one stack per window. A step holds the document's state before and after it
    // (see Stand); the stack's clean index is the state last saved or loaded, so undoing back
    // to it clears the changed mark. setzeGeaendert(true) opens a step, which is recorded once
    // the event that changed the document has been handled, so one action is one step.
    QUndoStack* Schritte() const { return m_schritte; }
    // Names the open or the next step; the first name since the last step counts. Steps typed into
    // a field follow each key; one joins the step before when that was typed into the same field,
    // so a typed word is undone at once.
    void BenenneSchritt(const QString& name, const QObject* getipptIn = nullptr);
    // A change the changed mark does not show (the truss of a variant, calculation settings) is
    // a step all the same; undoing or redoing only such steps leaves the mark as it was.
    void StillerSchritt(const QString& name, const QObject* getipptIn = nullptr);
    // Records the changes since the last step, if any, under their name. Undo, redo and saving
    // run it first; tests call it where the program would return to the event loop.
    void SchrittAbschliessen();
    // The changes since the last step are none of their own (a calculation's results): the next
    // step starts from them.
    void OhneSchritt();
    // While a mouse button is down, what press, drag and release change is one step, recorded
    // once the release has been handled.
    void HalteSchritt() { m_gehalten = true; }
    void LasseSchritt();
    void Rueckgaengig();
    void Wiederholen();
    QMenu* Bearbeiten1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;

    // The status panels, created on demand; panel 0 holds the changed mark.
    QLabel* Statusfeld(int nummer);

    struct Menue {
        int gruppe;
        QMenu* menue;
    };
    const std::vector<Menue>& Menues() const { return m_menues; }

    void zeigeAenderungsmarke(); // also after a language switch
    // Texts of another language may need more room than the window's size gives them.
    void WaechstMitDenTexten();

Q_SIGNALS:
    void zustandGeaendert();

protected:
    // The kind's writing of its file, called by SpeichernUnter.
    virtual bool DateiSchreiben(const QString& pfad) = 0;
    // The window's first menu brings "&Bearbeiten" along, in the same group right after it.
    void fuegeMenueHinzu(int gruppe, QMenu* menue);
    // The document as bytes that restore it exactly, calculation results left out; a kind
    // without undo keeps the empty default. StandHerstellen takes such bytes back and shows
    // them as after loading; changes it makes are no step.
    virtual QByteArray Stand() { return {}; }
    virtual void StandHerstellen(const QByteArray& stand) { Q_UNUSED(stand); }
    // Two states as the history compares them: a kind whose selection is stored (and changes
    // with every click) leaves it out, so choosing is no step.
    virtual QByteArray Vergleichsstand(const QByteArray& stand) { return stand; }
    // After undo or redo: whether the document now differs from its file.
    virtual void AenderungsstandGesetzt(bool geaendert) { Q_UNUSED(geaendert); }
    // The overwrite query of the kinds that ask: true at once when pfad does not exist or when
    // "&Speichern" writes to the window's own file; otherwise frage with Yes and No.
    bool DarfUeberschreiben(const QString& pfad, const QString& frage);
    // Asked when the window closes while changed: "%s wurde geändert." / "Speichern?" with
    // Yes, No and Abort. Yes saves; a cancelled save keeps the window open.
    virtual bool SchliessenErlaubt();
    // The document as captions and close queries name it: its kind, followed by the name of its
    // file once it has one ("Projekt Festival.prp"), so two documents of a kind differ.
    QString Dokumentname(const QString& art) const;
    // Format("%s wurde geändert.", Dokumentname(art)), a line break, and the question.
    QString Aenderungsfrage(const QString& art, const QString& frage) const;
    // The text of the changed mark in panel 0, and the close query; windows with their own
    // texts override them.
    virtual QString Aenderungsmarke() const;
    virtual QString Schliessfrage() const;
    void closeEvent(QCloseEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    // Modification time and size of the file as this window last read or wrote it.
    struct Dateistand {
        QDateTime zeit;
        qint64 groesse = -1;
        bool operator==(const Dateistand&) const = default;
    };
    static Dateistand StandVon(const QString& pfad);
    // Before "Speichern" writes over the window's own file: true when the file is as the window
    // left it, or when the user agrees to overwrite what changed on disk meanwhile.
    bool DarfEigeneDateiUeberschreiben();
    class Schritt;
    void baueSchritte();
    void stelleHer(const QByteArray& stand);
    void zeigeMarke(bool geaendert);
    void zeigeMarkeDerSchritte();
    void planeAbschluss(int schleife, int ms);
    bool gleich(const QByteArray& a, const QByteArray& b);
    void zeigeSchrittTexte();

    QString m_dateiname;
    Dateistand m_dateistand;
    bool m_geaendert = false;
    bool m_texteGesetzt = false;
    bool m_schliessenBestaetigt = false;
    bool m_geschlossen = false;
    bool m_speichertEigeneDatei = false;
    std::vector<QLabel*> m_statusfelder;
    std::vector<Menue> m_menues;
    QUndoStack* m_schritte = nullptr;
    QByteArray m_stand;        // the document after the last step, save or load
    QString m_schrittname;     // of the open or next step
    const QObject* m_getipptIn = nullptr;
    bool m_still = false;      // the open step changes nothing the mark shows
    bool m_gehalten = false;
    bool m_schrittOffen = false;
    bool m_abschlussGeplant = false;
    bool m_stelltHer = false;  // undo or redo is restoring a state
    bool m_schiebt = false;    // a new step goes onto the stack
};
