// The tables tab of the beam editor: supports, loads, load cases with their positions, envelope.
#include "beam/fo_variante.h"
#include "language/u_uebersetze_qt.h"
#include "platform/u_tabellenmodell_qt.h"
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Result columns are read-only on a light grey background.
class Ergebnismodell : public Tabellenmodell {
public:
    Ergebnismodell(TBClientDataSet& tabelle, const std::vector<Feldname>& felder, QList<int> grau)
        : Tabellenmodell(tabelle, felder), m_grau(std::move(grau))
    {
        for (int spalte : m_grau)
            setzeNurLesen(spalte, true);
    }
    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (rolle == Qt::BackgroundRole && m_grau.contains(index.column()))
            return QColor(230, 230, 230);
        return Tabellenmodell::data(index, rolle);
    }

private:
    QList<int> m_grau;
};

QStringList namen(std::initializer_list<const char*> liste)
{
    QStringList l;
    for (const char* s : liste)
        l.append(QString::fromUtf8(s));
    return l;
}

const std::vector<Feldname> Lagerspalten = {
    Lagerfeld::Nummer, Lagerfeld::Name, Lagerfeld::Type, Lagerfeld::Position, Lagerfeld::oben,
    Lagerfeld::Groesse, Lagerfeld::Eigenlast, Lagerfeld::Maximallast, Lagerfeld::Minimalkraft,
    Lagerfeld::Berechnet, Lagerfeld::Berechnetkg, Lagerfeld::BerechnetProzent,
    Lagerfeld::markiert};
const QStringList Lagertitel = namen({"Nr.", "Name", "Type", "Position", "Oben", "Größe", "Eigenlast [N]",
                                       "Maximallast [N]", "Minimalkraft [N]", "berechnet [N]", "berechnet [kg]",
                                       "berechnet [%]", "markiert"});
const std::vector<Feldname> Lastenspalten = {
    Lastfeld::Nummer, Lastfeld::Name, Lastfeld::Type, Lastfeld::Pos1, Lastfeld::Pos2,
    Lastfeld::oben, Lastfeld::Groesse, Lastfeld::Last, Lastfeld::Lastkg,
    Lastfeld::Aequivalenzflaeche, Lastfeld::markiert};
const QStringList Lastentitel = namen({"Nr.", "Name", "Type", "Pos1", "Pos2", "oben", "Breite [m]", "Last [N]",
                                        "Last [kg]", "Äquivalenzfläche [m²]", "markiert"});
const std::vector<Feldname> Tragfallspalten = {
    Tragfallfeld::Nummer, Tragfallfeld::Lager_1, Tragfallfeld::Lager_2,
    Tragfallfeld::Lagerpos_1, Tragfallfeld::Lagerpos_2, Tragfallfeld::Lagerkraft_1,
    Tragfallfeld::Lagerkraft_2, Tragfallfeld::MaximaleQuerkraft,
    Tragfallfeld::MaximalesBiegemoment, Tragfallfeld::MaxQProz, Tragfallfeld::MaxMProz};
const QStringList Tragfalltitel = namen({"Nr.", "Lg 1", "Lg 2", "Pos 1", "Pos 2", "Kraft Lg 1", "Kraft Lg 2",
                                          "max Q [N]", "max M [Nm]", "Max Q [%]", "Max M [%]"});

QTableView* gitter(const char* name)
{
    auto* g = new QTableView;
    g->setObjectName(QString::fromLatin1(name));
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->verticalHeader()->setDefaultSectionSize(20);
    return g;
}

QWidget* seite(const char* name, QWidget* inhalt)
{
    auto* s = new QWidget;
    s->setObjectName(QString::fromLatin1(name));
    auto* l = new QVBoxLayout(s);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(inhalt);
    return s;
}

void titelSetzen(Tabellenmodell* modell, const QStringList& titel, int ersteId)
{
    if (!modell)
        return;
    for (int i = 0; i < titel.size(); ++i)
        UebersetzeSpalte(*modell, i, ersteId + i);
}

// An option check box that shows and sets the state of its shared action.

} // namespace

void Tfrm_variante::baueTabellenTab()
{
    pcTabellen = new QTabWidget;
    pcTabellen->setObjectName(QStringLiteral("pcTabellen"));
    tab_Tabellen = seite("tab_Tabellen", pcTabellen);

    sgLager = gitter("sgLager");
    m_lagerModell = std::make_unique<Ergebnismodell>(modell.cds_lager, Lagerspalten, QList<int>{9, 10, 11});
    m_lagerModell->setzeNurLesen(0, true);
    m_lagerModell->setzeNurLesen(2, true);
    sgLager->setModel(m_lagerModell.get());
    BindeAuswahl(sgLager, *m_lagerModell);
    tabLager = seite("tabLager", sgLager);

    sgLasten = gitter("sgLasten");
    m_lastenModell = std::make_unique<Ergebnismodell>(modell.cds_lasten, Lastenspalten, QList<int>{8});
    m_lastenModell->setzeNurLesen(0, true);
    sgLasten->setModel(m_lastenModell.get());
    BindeAuswahl(sgLasten, *m_lastenModell);
    tabLasten = seite("tabLasten", sgLasten);

    tabTrag = new QWidget;
    tabTrag->setObjectName(QStringLiteral("tabTrag"));
    auto* trag = new QVBoxLayout(tabTrag);
    auto* optionen = new QHBoxLayout;
    cbMinimal = new QCheckBox;
    cbMinimal->setObjectName(QStringLiteral("cbMinimal"));
    cbNegativ = new QCheckBox;
    cbNegativ->setObjectName(QStringLiteral("cbNegativ"));
    btnBerechnen2 = new QPushButton;
    btnBerechnen2->setObjectName(QStringLiteral("btnBerechnen2"));
    BindeKasten(cbMinimal, actMinimal);
    BindeKasten(cbNegativ, actNegativ);
    connect(btnBerechnen2, &QPushButton::clicked, actBerechnen, &QAction::trigger);
    optionen->addWidget(cbMinimal);
    optionen->addWidget(cbNegativ);
    optionen->addStretch();
    optionen->addWidget(btnBerechnen2);
    trag->addLayout(optionen);
    auto* gitterReihe = new QHBoxLayout;
    sgTragfaelle = gitter("sgTragfaelle");
    sgPositionen = gitter("sgPositionen");
    sgPositionen->setMaximumWidth(400);
    gitterReihe->addWidget(sgTragfaelle, 1);
    gitterReihe->addWidget(sgPositionen);
    trag->addLayout(gitterReihe);

    sgMaxima = gitter("sgMaxima");
    tabMaxima = seite("tabMaxima", sgMaxima);

    pcTabellen->addTab(tabLager, QString());
    pcTabellen->addTab(tabLasten, QString());
    pcTabellen->addTab(tabTrag, QString());
    pcTabellen->addTab(tabMaxima, QString());
    pcHaupt->addTab(tab_Tabellen, QString());
}

void Tfrm_variante::legeErgebnisgitterAn()
{
    // The result tables are built anew by every calculation; so are the models over them.
    if (!rechnung.cds_tragfaelle.Active())
        return;
    sgTragfaelle->setModel(nullptr);
    sgPositionen->setModel(nullptr);
    sgMaxima->setModel(nullptr);
    m_tragModell = std::make_unique<Ergebnismodell>(rechnung.cds_tragfaelle, Tragfallspalten, QList<int>{});
    m_positionsModell = std::make_unique<Ergebnismodell>(
        rechnung.cds_positionen, std::vector<Feldname>{Positionsfeld::X, Positionsfeld::Q, Positionsfeld::M},
        QList<int>{});
    m_maximaModell = std::make_unique<Ergebnismodell>(rechnung.cds_maxima, std::vector<Feldname>{}, QList<int>{});
    for (Tabellenmodell* m : {m_tragModell.get(), m_positionsModell.get(), m_maximaModell.get()})
        for (int i = 0; i < m->columnCount(); ++i)
            m->setzeNurLesen(i, true);
    sgTragfaelle->setModel(m_tragModell.get());
    sgPositionen->setModel(m_positionsModell.get());
    sgMaxima->setModel(m_maximaModell.get());
    BindeAuswahl(sgTragfaelle, *m_tragModell);
    BindeAuswahl(sgPositionen, *m_positionsModell);
    BindeAuswahl(sgMaxima, *m_maximaModell);
    TexteSetzenTabellen();
}

void Tfrm_variante::TexteSetzenTabellen()
{
    // The built-in titles first, so that a language without these ids shows them.
    for (int i = 0; i < Lagertitel.size(); ++i)
        m_lagerModell->setzeSpaltentitel(i, Lagertitel[i]);
    for (int i = 0; i < Lastentitel.size(); ++i)
        m_lastenModell->setzeSpaltentitel(i, Lastentitel[i]);
    titelSetzen(m_lagerModell.get(), Lagertitel, 2602);
    titelSetzen(m_lastenModell.get(), Lastentitel, 2616);
    if (m_tragModell) {
        for (int i = 0; i < Tragfalltitel.size(); ++i)
            m_tragModell->setzeSpaltentitel(i, Tragfalltitel[i]);
        titelSetzen(m_tragModell.get(), Tragfalltitel, 2629);
    }
}
