#pragma once
// The truss window: the inputs of one truss design on five tabs, every result shown live, the
// truss file ".prt" and the insert into the truss library. The calculations and the file live in
// Traversenentwurf; the window copies each changed control into it and shows what it returns.
#include "platform/fo_dokumentfenster.h"
#include "truss/u_traversenentwurf.h"
#include <optional>
#include <vector>

class Bildfeld;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTabWidget;
class QTableWidget;

class Traversenbibliothek;

class Tfrm_traverse : public Dokumentfenster {
    Q_OBJECT
public:
    explicit Tfrm_traverse(QWidget* eltern = nullptr); // a new truss with the defaults
    ~Tfrm_traverse() override;

    Dokumentart Art() const override { return Dokumentart::Traverse; }
    void TexteSetzen() override;
    bool Laden(const QString& pfad) override;
    bool DateiSchreiben(const QString& pfad) override;
    void Drucken() override;

    // The design as the window shows it (the report reads it together with the captions).
    const Traversenentwurf& Entwurf() const { return m_entwurf; }
    QTabWidget* Reiter() const { return m_reiter; }
    QMenu* Traversenmenue() const { return m_menue; }
    // The resource of the chord picture for the chord count, and of the chosen connector type
    // (empty with none chosen).
    static QString Gurtbild(int gurte);
    static QString Verbinderbild(int typ);

    // Where "in die Bibliothek" writes, handed over by whoever creates the window (the shell: the
    // truss library window that lives for the whole run); without one the button does nothing.
    void setzeBibliothek(Traversenbibliothek* bibliothek) { m_bibliothek = bibliothek; }
    void btnInsertClick();

protected:
    QByteArray Stand() override;
    void StandHerstellen(const QByteArray& stand) override;
    QString Schliessfrage() const override;
    void showEvent(QShowEvent* ereignis) override;
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    Traversenbibliothek* m_bibliothek = nullptr;
    void zeigeTitel(); // the kind and the file's name
    // What a change of an input starts.
    enum class Lauf { Keiner, Traverse, TraverseImmer, Diagonale, Verbinder };
    struct Wirkung {
        Lauf lauf = Lauf::Keiner;
        bool gespeichert = true; // the truss file stores it, so a change marks the window changed
        std::optional<Verbinderfeld> verbinder;
    };
    struct Textfeld {
        QLineEdit* feld;
        QString Traverseneingaben::*wert;
    };
    struct Wahlfeld {
        QComboBox* feld;
        Auswahlliste Traverseneingaben::*wert;
    };
    struct Schalter {
        QCheckBox* feld;
        bool Traverseneingaben::*wert;
    };

    // The tabs (fo_traverse_reiter.cpp).
    void baueReiterTraverse();
    void baueReiterDiagonale();
    void baueReiterVerbinder();
    void baueReiterStuetze();
    void baueReiterTraeger();
    QWidget* neueSeite(const char* name, const QString& titel);
    QGroupBox* gruppe(QWidget* eltern, const char* name, const QString& titel);
    QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text);
    QLabel* ergebnis(QWidget* eltern, const char* name);
    QLineEdit* textfeld(QWidget* eltern, const char* name, QString Traverseneingaben::*wert, Wirkung wirkung);
    QComboBox* wahlfeld(QWidget* eltern, const char* name, Auswahlliste Traverseneingaben::*wert, Wirkung wirkung);
    QCheckBox* schalter(QWidget* eltern, const char* name, const QString& text, bool Traverseneingaben::*wert,
                        Wirkung wirkung);
    // Caption rows with their result label below the last row of r; no result: an underlined
    // heading.
    struct Ergebniszeile {
        const char* name;
        const char* text;
        const char* wert = nullptr;
        bool fett = false;
    };
    void ergebniszeilen(QWidget* eltern, QGridLayout* r, std::initializer_list<Ergebniszeile> reihen);
    // Caption, input and optionally a result in one row of a grid.
    void zeile(QGridLayout* raster, int reihe, QWidget* links, QWidget* mitte, QWidget* rechts = nullptr);

    void eingabeGeaendert(const Wirkung& wirkung, const QString& text);
    void gurteGeaendert(int gurte);
    void vorschlagUebernehmen(QLabel* vorschlag, QLineEdit* ziel, bool rechnen);
    void uebernehmeBeschriftungen();
    void zeigeEntwurf(); // every input, result, picture and panel as the design holds it
    void zeigeSichtbarkeit();

    Traversenentwurf m_entwurf;
    bool m_erstmalsGezeigt = false;
    std::vector<Textfeld> m_textfelder;
    std::vector<Wahlfeld> m_wahlfelder;
    std::vector<Schalter> m_schalter;

    QTabWidget* m_reiter = nullptr;
    QMenu* m_menue = nullptr;
    QSpinBox* udGurte = nullptr;
    Bildfeld* pbGurte = nullptr;
    Bildfeld* pbVerbinder = nullptr;
    QTableWidget* sgStuetze = nullptr;
};
