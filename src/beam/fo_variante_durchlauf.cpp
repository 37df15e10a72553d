// The continuous-beam tab of the beam editor: the deflection limit, the reactions of every
// support beside its pairwise maximum, the largest values with their utilisation and the lines
// drawn to scale. Also the truss's bending stiffness in the truss group.
#include "beam/fo_variante.h"
#include "beam/fo_malflaeche.h"
#include "beam/g_durchlaufbild.h"
#include "beam/u_balkenfelder.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {
// A positive number typed with the locale's separator; anything else is none.
std::optional<double> positiveZahl(const QString& text)
{
    const auto zahl = TextZuFloat(text);
    if (zahl && *zahl > 0 && std::isfinite(*zahl))
        return zahl;
    return std::nullopt;
}

QString zahl(double wert, const char* maske = "### ### ##0.00")
{
    return FormatFloat(QString::fromLatin1(maske), wert).trimmed();
}
} // namespace

void Tfrm_variante::baueDurchlaufTab()
{
    tab_Durchlauf = new QWidget;
    tab_Durchlauf->setObjectName(QStringLiteral("tab_Durchlauf"));
    pcHaupt->addTab(tab_Durchlauf, QString());

    lblDurchbiegungsgrenze = new QLabel;
    lblDurchbiegungsgrenze->setObjectName(QStringLiteral("lblDurchbiegungsgrenze"));
    edtDurchbiegungsgrenze = new QLineEdit;
    edtDurchbiegungsgrenze->setObjectName(QStringLiteral("edtDurchbiegungsgrenze"));
    edtDurchbiegungsgrenze->setFixedWidth(80);
    connect(edtDurchbiegungsgrenze, &QLineEdit::textEdited, this, [this](const QString& text) {
        modell.durchbiegungsgrenze = positiveZahl(text);
        setzeGeaendert(true);
        setzeBerechnet(false);
    });
    sgDurchlauf = new QTableWidget;
    sgDurchlauf->setObjectName(QStringLiteral("sgDurchlauf"));
    sgDurchlauf->setColumnCount(5);
    sgDurchlauf->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgDurchlauf->verticalHeader()->setVisible(false);
    sgDurchlauf->setMinimumWidth(520);
    lblDurchlaufErgebnis = new QLabel;
    lblDurchlaufErgebnis->setObjectName(QStringLiteral("lblDurchlaufErgebnis"));
    lblDurchlaufErgebnis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDurchlaufMeldungen = new QLabel;
    lblDurchlaufMeldungen->setObjectName(QStringLiteral("lblDurchlaufMeldungen"));
    lblDurchlaufMeldungen->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    lblDurchlaufGrenzen = new QLabel;
    lblDurchlaufGrenzen->setObjectName(QStringLiteral("lblDurchlaufGrenzen"));
    lblDurchlaufGrenzen->setWordWrap(true);
    pbDurchlauf = new Malflaeche("pbDurchlauf", 300, [this](QPainter& maler, const QWidget& flaeche) {
        const QColor grund = flaeche.palette().color(QPalette::Button);
        if (const auto& e = rechnung.durchlauf)
            DurchlaufMalen(maler, flaeche.rect(), grund, *e);
        else
            maler.fillRect(flaeche.rect(), grund);
    });

    btnBerechnen3 = new QPushButton;
    btnBerechnen3->setObjectName(QStringLiteral("btnBerechnen3"));
    connect(btnBerechnen3, &QPushButton::clicked, actBerechnen, &QAction::trigger);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(lblDurchbiegungsgrenze);
    kopf->addWidget(edtDurchbiegungsgrenze);
    kopf->addStretch();
    kopf->addWidget(btnBerechnen3);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(lblDurchlaufErgebnis);
    rechts->addWidget(lblDurchlaufMeldungen);
    rechts->addWidget(lblDurchlaufGrenzen);
    rechts->addStretch();
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(sgDurchlauf);
    mitte->addLayout(rechts, 1);
    auto* layout = new QVBoxLayout(tab_Durchlauf);
    layout->addLayout(kopf);
    layout->addLayout(mitte, 1);
    layout->addWidget(pbDurchlauf, 2);
}

void Tfrm_variante::baueSteifigkeit(QGridLayout* gruppe, int zeile)
{
    lblTravEI = new QLabel;
    lblTravEI->setObjectName(QStringLiteral("lblTravEI"));
    edtTravEI = new QLineEdit;
    edtTravEI->setObjectName(QStringLiteral("edtTravEI"));
    edtTravEI->setAlignment(Qt::AlignRight);
    edtTravEI->setFixedWidth(90);
    gruppe->addWidget(lblTravEI, zeile, 0);
    gruppe->addWidget(edtTravEI, zeile, 1);
    // typed, it is stored with the variant; an empty text is an unknown stiffness
    connect(edtTravEI, &QLineEdit::textEdited, this, [this](const QString& text) {
        modell.travEI = positiveZahl(text);
        setzeGeaendert(true);
        setzeBerechnet(false);
    });
}

void Tfrm_variante::zeigeSteifigkeit()
{
    const QString ei = modell.travEI ? FormatFloat(QStringLiteral("0.0"), *modell.travEI) : QString();
    if (positiveZahl(edtTravEI->text()) != modell.travEI)
        edtTravEI->setText(ei);
    if (positiveZahl(edtDurchbiegungsgrenze->text()) != modell.durchbiegungsgrenze || edtDurchbiegungsgrenze->text().isEmpty())
        edtDurchbiegungsgrenze->setText(FormatFloat(QStringLiteral("0"), modell.Durchbiegungsgrenze()));
}

void Tfrm_variante::zeigeDurchlauf()
{
    sgDurchlauf->setHorizontalHeaderLabels({Uebersetzt(2602, QStringLiteral("Nr.")),
                                            Uebersetzt(2859, QStringLiteral("Position [m]")),
                                            Uebersetzt(2860, QStringLiteral("Kraft [N]")),
                                            Uebersetzt(2861, QStringLiteral("Kraft [kg]")),
                                            Uebersetzt(2862, QStringLiteral("paarweise max. [N]"))});
    sgDurchlauf->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lblDurchlaufGrenzen->setText(Durchlaufgrenzen());
    const auto& e = rechnung.durchlauf;
    sgDurchlauf->setRowCount(e ? int(e->lager.size()) : 0);
    if (!e) {
        lblDurchlaufErgebnis->clear();
        lblDurchlaufMeldungen->clear();
        pbDurchlauf->update();
        return;
    }
    // the pairwise maximum of each support, in the same order
    std::vector<double> paarweise;
    TBClientDataSet& l = modell.cds_lager;
    l.CheckBrowseMode();
    for (l.First(); !l.Eof(); l.Next())
        paarweise.push_back(l.FieldByName(Lagerfeld::Berechnet).AsFloat());
    l.First();
    for (int i = 0; i < int(e->lager.size()); ++i) {
        const Durchlauflager& s = e->lager[std::size_t(i)];
        auto zelle = [&](int spalte, const QString& text) {
            auto* z = new QTableWidgetItem(text);
            z->setTextAlignment(spalte == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            sgDurchlauf->setItem(i, spalte, z);
        };
        zelle(0, QString::number(s.nummer));
        zelle(1, zahl(s.position));
        zelle(2, e->stabil ? zahl(s.kraft) : QStringLiteral("—"));
        zelle(3, e->stabil ? zahl(s.kraft / NproKg) : QStringLiteral("—"));
        zelle(4, std::size_t(i) < paarweise.size() ? zahl(paarweise[std::size_t(i)]) : QString());
    }
    lblDurchlaufErgebnis->setText(Durchlaufzusammenfassung(*e, modell.traverse).join(u'\n'));
    lblDurchlaufMeldungen->setText(Meldungstexte(*e).join(u'\n'));
    pbDurchlauf->update();
}
