#pragma once
// The language editor: one language file as a grid of text ids and texts. Its own "&Sprache"
// menu carries the shared language commands, the search and the language entries.
#include "platform/fo_dokumentfenster.h"
#include "tables/u_tabelle.h"

class QTableView;
class QMenu;
class Tabellenmodell;
class Tfrm_menu;

class Tfrm_sprache : public Dokumentfenster {
    Q_OBJECT
public:
    // A new, empty language table; its menu takes the language entries of the command module
    // (none without one, as in a window built alone).
    explicit Tfrm_sprache(Tfrm_menu* befehle = nullptr, QWidget* eltern = nullptr);
    ~Tfrm_sprache() override;

    Dokumentart Art() const override { return Dokumentart::Sprache; }
    void TexteSetzen() override;
    bool Laden(const QString& pfad) override;
    bool DateiSchreiben(const QString& pfad) override;

    void Suchen();
    TBClientDataSet& Tabelle() { return cds_sprache; }
    QTableView* Grid() const { return m_grid; }
    QMenu* Sprachmenue() const { return m_menue; }

protected:
    QByteArray Stand() override { return cds_sprache.Active() ? cds_sprache.Paket() : QByteArray(); }
    void StandHerstellen(const QByteArray& stand) override;
    QString Aenderungsmarke() const override;
    QString Schliessfrage() const override;

private:
    void binde();
    Tfrm_menu* m_befehle;
    TBClientDataSet cds_sprache;
    Tabellenmodell* m_modell = nullptr;
    QTableView* m_grid;
    QMenu* m_menue;
    QString m_suchbegriff;
};
