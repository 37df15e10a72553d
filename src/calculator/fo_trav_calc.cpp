#include "calculator/fo_trav_calc.h"
#include "calculator/g_lastbild.h"
#include "calculator/u_export.h"
#include "language/u_uebersetze_qt.h"
#include "platform/u_fehler.h"
#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QStylePainter>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int Spaltenbreiten[Traversenkalkulator::Spalten] = {90, 90, 102, 90, 90, 90, 90};
constexpr int Zeilenhoehe = 18;
constexpr int Bildhoehe = 24;

using Faktoren = std::vector<double> (*)(int);

// A choice whose items show their load pattern instead of their text, open and closed.
class Lastbildauswahl : public QComboBox {
public:
    Lastbildauswahl(Faktoren faktoren, QWidget* eltern) : QComboBox(eltern), m_faktoren(faktoren)
    {
        setItemDelegate(new Bilddelegat(faktoren, this));
        setFixedHeight(Bildhoehe + 4);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter maler(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        maler.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect feld = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        if (currentIndex() >= 0)
            LastbildMalen(maler, feld, m_faktoren(currentIndex()));
    }

private:
    class Bilddelegat : public QStyledItemDelegate {
    public:
        Bilddelegat(Faktoren faktoren, QObject* eltern) : QStyledItemDelegate(eltern), m_faktoren(faktoren) {}
        void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
        {
            const QRect r = option.rect;
            LastbildMalen(*maler, r, m_faktoren(index.row()));
            if (option.state & QStyle::State_Selected) {
                maler->setPen(QPen(option.palette.highlight().color(), 2));
                maler->drawRect(r.adjusted(1, 1, -1, -1));
            }
        }
        QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
        {
            return {option.rect.width(), Bildhoehe};
        }

    private:
        Faktoren m_faktoren;
    };
    Faktoren m_faktoren;
};

class Aussenlastbild : public QWidget {
public:
    explicit Aussenlastbild(QWidget* eltern) : QWidget(eltern)
    {
        setObjectName(QStringLiteral("pbAussen"));
        setFixedSize(85, 29);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        AussenlastbildMalen(maler, rect());
    }
};

// Data cells: the text ends 4 pixels left of the right edge, 2 below the top, clipped to the
// cell; the first column is fixed and drawn like the header.
class Zellendelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        maler->save();
        maler->setClipRect(r);
        const bool fest = index.column() == 0;
        maler->fillRect(r, fest ? option.palette.button() : option.palette.base());
        if (!fest && (option.state & QStyle::State_Selected))
            maler->fillRect(r, option.palette.highlight().color().lighter(170));
        maler->setPen(index.data(Qt::ForegroundRole).value<QColor>());
        const QString text = index.data().toString();
        const QFontMetrics metrik(option.font);
        maler->setFont(option.font);
        maler->drawText(r.right() + 1 - 4 - metrik.horizontalAdvance(text), r.top() + 2 + metrik.ascent(), text);
        maler->setPen(option.palette.mid().color());
        maler->drawLine(r.bottomLeft(), r.bottomRight());
        maler->drawLine(r.topRight(), r.bottomRight());
        maler->restore();
    }
};

} // namespace

class Spannweitenmodell : public QAbstractTableModel {
public:
    Spannweitenmodell(const Traversenkalkulator& k, QObject* eltern) : QAbstractTableModel(eltern), m_k(k) {}

    void neu()
    {
        beginResetModel();
        endResetModel();
    }
    void neuZeichnen()
    {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }

    int rowCount(const QModelIndex& eltern = {}) const override
    {
        return eltern.isValid() ? 0 : int(m_k.laengen.size());
    }
    int columnCount(const QModelIndex& eltern = {}) const override
    {
        return eltern.isValid() ? 0 : Traversenkalkulator::Spalten;
    }
    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (!index.isValid() || index.row() >= rowCount())
            return {};
        const TTravLaenge& l = m_k.laengen[index.row()];
        if (rolle == Qt::DisplayRole)
            return m_k.Zelltext(l, index.column());
        if (rolle == Qt::ForegroundRole) {
            if (l.DurchbiegungMassgebend(index.column()))
                return QColor(Qt::blue);
            return index.column() > 0 && l.Farbe() == Zeilenfarbe::Grau ? QColor(128, 128, 128) : QColor(Qt::black);
        }
        if (rolle == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignTop);
        return {};
    }
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override
    {
        if (richtung != Qt::Horizontal)
            return {};
        if (rolle == Qt::DisplayRole)
            return m_k.Kopftext(abschnitt);
        if (rolle == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignTop);
        return {};
    }

private:
    const Traversenkalkulator& m_k;
};

Tfrm_trav_calc::Tfrm_trav_calc(QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frm_trav_calc"));
    setWindowTitle(QStringLiteral("Traversen-Kalkulator"));
    setModal(true);
    const KalkulatorEinstellungen& e = m_kalkulator.einstellungen;

    lblName = new QLabel(this);
    lblName->setObjectName(QStringLiteral("lblName"));
    QFont gross = lblName->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    lblName->setFont(gross);

    cb_bgvc1 = new QCheckBox(QStringLiteral("BGV C1"), this);
    cb_bgvc1->setObjectName(QStringLiteral("cb_bgvc1"));
    cb_bgvc1->setChecked(e.bgvc1);
    auto auswahl = [this](const char* name, const Auswahlliste& liste, QComboBox* c) {
        c->setObjectName(QString::fromLatin1(name));
        c->addItems(liste.eintraege());
        c->setCurrentIndex(liste.gewaehlt());
        return c;
    };
    cmbEigenlast = auswahl("cmbEigenlast", e.cmbEigenlast, new QComboBox(this));
    cmbGleichlast = auswahl("cmbGleichlast", e.cmbGleichlast, new QComboBox(this));
    cmbDrittel = auswahl("cmbDrittel", e.cmbDrittel, new Lastbildauswahl(&Drittelpunkte, this));
    cmbViertel = auswahl("cmbViertel", e.cmbViertel, new Lastbildauswahl(&Viertelpunkte, this));
    pbAussen = new Aussenlastbild(this);

    // The choices stand above the columns they govern.
    auto* auswahlzeile = new QHBoxLayout;
    auswahlzeile->setSpacing(0);
    QWidget* ueberSpalten[] = {cb_bgvc1, cmbEigenlast, cmbGleichlast, nullptr, cmbDrittel, cmbViertel, pbAussen};
    for (int spalte = 0; spalte < Traversenkalkulator::Spalten; ++spalte) {
        QWidget* w = ueberSpalten[spalte] ? ueberSpalten[spalte] : new QWidget(this);
        w->setFixedWidth(Spaltenbreiten[spalte] - (w == pbAussen ? 5 : 0));
        auswahlzeile->addWidget(w, 0, Qt::AlignLeft | Qt::AlignBottom);
        if (w == pbAussen)
            auswahlzeile->addSpacing(5);
    }
    auswahlzeile->addStretch();

    DrawGrid1 = new QTableView(this);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    m_modell = new Spannweitenmodell(m_kalkulator, DrawGrid1);
    DrawGrid1->setModel(m_modell);
    DrawGrid1->setItemDelegate(new Zellendelegat(DrawGrid1));
    DrawGrid1->verticalHeader()->hide();
    DrawGrid1->verticalHeader()->setMinimumSectionSize(Zeilenhoehe);
    DrawGrid1->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    DrawGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    DrawGrid1->horizontalHeader()->setHighlightSections(false);
    DrawGrid1->setShowGrid(false);
    DrawGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    DrawGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DrawGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (int spalte = 0; spalte < Traversenkalkulator::Spalten; ++spalte)
        DrawGrid1->setColumnWidth(spalte, Spaltenbreiten[spalte]);

    cbDurchbiegung = new QCheckBox(QStringLiteral("Durchbiegung L/200"), this);
    cbDurchbiegung->setObjectName(QStringLiteral("cbDurchbiegung"));
    cbDurchbiegung->setChecked(e.durchbiegung);
    lblDurchbiegung = new QLabel(this);
    lblDurchbiegung->setObjectName(QStringLiteral("lblDurchbiegung"));
    lblDurchbiegung->setStyleSheet(QStringLiteral("color: blue;"));
    btnExport = new QPushButton(QStringLiteral("&Export"), this);
    btnExport->setObjectName(QStringLiteral("btnExport"));
    btnClose = new QPushButton(QStringLiteral("&Schließen"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cbDurchbiegung);
    knoepfe->addWidget(lblDurchbiegung);
    knoepfe->addStretch();
    knoepfe->addWidget(btnExport);
    knoepfe->addWidget(btnClose);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblName);
    spalte->addLayout(auswahlzeile);
    spalte->addWidget(DrawGrid1, 1);
    spalte->addLayout(knoepfe);

    connect(cb_bgvc1, &QCheckBox::toggled, this, &Tfrm_trav_calc::uebernimmAuswahl);
    connect(cbDurchbiegung, &QCheckBox::toggled, this, &Tfrm_trav_calc::uebernimmAuswahl);
    for (QComboBox* c : {cmbEigenlast, cmbGleichlast, cmbDrittel, cmbViertel})
        connect(c, &QComboBox::currentIndexChanged, this, &Tfrm_trav_calc::uebernimmAuswahl);
    connect(btnExport, &QPushButton::clicked, this, &Tfrm_trav_calc::btnExportClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(690, 560);
}

// The grid's model reads m_kalkulator, which dies before the dialog hides and repaints its
// header: the model goes first.
Tfrm_trav_calc::~Tfrm_trav_calc() { delete m_modell; }

void Tfrm_trav_calc::uebernimmAuswahl()
{
    KalkulatorEinstellungen& e = m_kalkulator.einstellungen;
    e.bgvc1 = cb_bgvc1->isChecked();
    e.cmbEigenlast.waehle(cmbEigenlast->currentIndex());
    e.cmbGleichlast.waehle(cmbGleichlast->currentIndex());
    e.cmbDrittel.waehle(cmbDrittel->currentIndex());
    e.cmbViertel.waehle(cmbViertel->currentIndex());
    e.durchbiegung = cbDurchbiegung->isChecked();
    lblDurchbiegung->setText(m_kalkulator.Durchbiegungstext());
    m_modell->neuZeichnen();
}

void Tfrm_trav_calc::TexteSetzen()
{
    UebersetzeControl(this, 1750);
    UebersetzeControl(cb_bgvc1, 1751);
    UebersetzeControl(btnExport, 1752);
    UebersetzeControl(btnClose, 1753);
    UebersetzeControl(cbDurchbiegung, 2876);
    lblDurchbiegung->setText(m_kalkulator.Durchbiegungstext());
    m_modell->neuZeichnen(); // the header formats 1701 to 1707
}

bool Tfrm_trav_calc::BaueTabelle(TBClientDataSet& cds_travbib)
{
    if (!cds_travbib.Active() || cds_travbib.RecordCount() == 0)
        return false;
    m_kalkulator.ZeigeLaengen(cds_travbib);
    if (m_kalkulator.ungueltig()) {
        dialoge().Meldung(Traversenkalkulator::Ungueltigtext());
        return false;
    }
    lblName->setText(m_kalkulator.Name());
    cbDurchbiegung->setVisible(m_kalkulator.traverse.ei.has_value());
    m_modell->neu();
    if (m_kalkulator.begrenzt())
        dialoge().Meldung(Traversenkalkulator::Begrenzungstext());
    return true;
}

void Tfrm_trav_calc::ZeigeLaengen(TBClientDataSet& cds_travbib)
{
    if (!BaueTabelle(cds_travbib))
        return;
    TexteSetzen();
    exec();
    m_kalkulator.laengen.clear();
    m_modell->neu();
}

void Tfrm_trav_calc::btnExportClick()
{
    if (const std::optional<QString> pfad = dialoge().DateiSpeichern(ExportDialog())) {
        try {
            Exportieren(m_kalkulator, *pfad, FrageBejaht);
        } catch (const Fehler& fehler) {
            dialoge().Meldung(fehler.meldung());
        }
    }
}
