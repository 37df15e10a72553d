#include "platform/u_tabellenmodell_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableView>

Tabellenmodell::Tabellenmodell(TBClientDataSet& tabelle, const std::vector<Feldname>& felder, QObject* eltern)
    : QAbstractTableModel(eltern), m_tabelle(tabelle)
{
    for (const Feldname feld : felder)
        m_feldnamen << feld.toString();
    neuAufbauen();
    auto zuruecksetzen = [this] {
        beginResetModel();
        neuAufbauen();
        endResetModel();
    };
    connect(&m_tabelle, &TBClientDataSet::DatenGeaendert, this, zuruecksetzen);
    connect(&m_tabelle, &TBClientDataSet::ZeileGeaendert, this, [this, zuruecksetzen] {
        if (m_tabelle.RecordCount() != m_zeilen)
            return zuruecksetzen();
        const int zeile = m_tabelle.RecNo() - 1;
        if (zeile >= 0 && !m_felder.empty())
            Q_EMIT dataChanged(index(zeile, 0), index(zeile, columnCount() - 1));
    });
}

void Tabellenmodell::neuAufbauen()
{
    m_felder.clear();
    m_zeilen = m_tabelle.Active() ? m_tabelle.RecordCount() : 0;
    if (!m_tabelle.Active())
        return;
    if (m_feldnamen.isEmpty()) {
        for (int i = 0; i < m_tabelle.FieldCount(); ++i)
            if (m_tabelle.Fields(i).DataType() != TFieldType::DataSet)
                m_felder.push_back(i);
    } else {
        for (const QString& name : m_feldnamen)
            if (TField* feld = m_tabelle.FindField(Feldname::Aus(name)))
                m_felder.push_back(feld->Index());
    }
    while (m_titel.size() < qsizetype(m_felder.size()))
        m_titel << m_tabelle.Fields(m_felder[m_titel.size()]).FieldName();
}

int Tabellenmodell::feldIndex(int spalte) const
{
    return spalte >= 0 && spalte < int(m_felder.size()) ? m_felder[spalte] : -1;
}

void Tabellenmodell::setzeSpaltentitel(int spalte, const QString& titel)
{
    if (spalte < 0 || spalte >= m_titel.size() || m_titel[spalte] == titel)
        return;
    m_titel[spalte] = titel;
    Q_EMIT headerDataChanged(Qt::Horizontal, spalte, spalte);
}

QString Tabellenmodell::Spaltentitel(int spalte) const
{
    return spalte >= 0 && spalte < m_titel.size() ? m_titel[spalte] : QString();
}

void Tabellenmodell::setzeNurLesen(int spalte, bool nurLesen) { m_nurLesen[spalte] = nurLesen; }

int Tabellenmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : m_zeilen + (m_neu ? 1 : 0);
}

void Tabellenmodell::NeueZeileBeginnen()
{
    if (m_neu || !m_tabelle.Active())
        return;
    beginInsertRows({}, m_zeilen, m_zeilen);
    m_neu.emplace();
    endInsertRows();
}

void Tabellenmodell::NeueZeileVerwerfen()
{
    if (!m_neu)
        return;
    beginRemoveRows({}, m_zeilen, m_zeilen);
    m_neu.reset();
    endRemoveRows();
}

bool Tabellenmodell::NeueZeileUebernehmen()
{
    if (!m_neu)
        return true;
    const std::map<int, QString> werte = *m_neu;
    try {
        m_tabelle.CheckBrowseMode();
        m_tabelle.Append();
        for (const auto& [feld, text] : werte)
            m_tabelle.Fields(feld).SetAsString(text);
        m_tabelle.Post();
    } catch (const Fehler& fehler) {
        m_tabelle.Cancel();
        dialoge().Meldung(fehler.meldung());
        return false;
    }
    // the table's change signal has rebuilt the rows; the pending row is now one of them
    beginResetModel();
    m_neu.reset();
    neuAufbauen();
    endResetModel();
    return true;
}

void Tabellenmodell::LoescheZeile(int zeile)
{
    if (m_neu && zeile == m_zeilen)
        return NeueZeileVerwerfen();
    if (zeile < 0 || zeile >= m_zeilen)
        return;
    try {
        m_tabelle.CheckBrowseMode();
        m_tabelle.SetRecNo(zeile + 1);
        m_tabelle.Delete();
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
    }
}

int Tabellenmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : int(m_felder.size());
}

QVariant Tabellenmodell::data(const QModelIndex& index, int rolle) const
{
    const int feld = feldIndex(index.column());
    if (feld < 0 || m_tabelle.ControlsDisabled())
        return {};
    if (m_neu && index.row() == m_zeilen) {
        const auto wert = m_neu->find(feld);
        return (rolle == Qt::DisplayRole || rolle == Qt::EditRole) && wert != m_neu->end() ? wert->second : QVariant();
    }
    if (index.row() >= m_zeilen)
        return {};
    const int nummer = index.row() + 1;
    if (rolle == Qt::DisplayRole)
        return m_tabelle.AnzeigeTextBei(nummer, feld);
    if (rolle == Qt::EditRole) {
        const QVariant wert = m_tabelle.WertBei(nummer, feld);
        return wert.isValid() ? wert.toString() : QString();
    }
    if (rolle == Qt::TextAlignmentRole) {
        const TFieldType typ = m_tabelle.Fields(feld).DataType();
        if (typ == TFieldType::Float || typ == TFieldType::Integer || typ == TFieldType::AutoInc)
            return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

bool Tabellenmodell::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    const int feld = feldIndex(index.column());
    if (rolle != Qt::EditRole || feld < 0)
        return false;
    if (m_neu && index.row() == m_zeilen) {
        (*m_neu)[feld] = wert.toString();
        Q_EMIT dataChanged(index, index);
        return true;
    }
    if (index.row() >= m_zeilen)
        return false;
    try {
        m_tabelle.CheckBrowseMode();
        m_tabelle.SetRecNo(index.row() + 1);
        m_tabelle.Edit();
        m_tabelle.Fields(feld).SetAsString(wert.toString());
        m_tabelle.Post();
    } catch (const Fehler& fehler) {
        m_tabelle.Cancel();
        dialoge().Meldung(fehler.meldung());
        return false;
    }
    return true;
}

QVariant Tabellenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole)
        return {};
    if (richtung == Qt::Vertical)
        return abschnitt + 1;
    return Spaltentitel(abschnitt);
}

Qt::ItemFlags Tabellenmodell::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const int feld = feldIndex(index.column());
    if (feld < 0)
        return f;
    const auto nurLesen = m_nurLesen.find(index.column());
    const bool gesperrt = nurLesen != m_nurLesen.end() && nurLesen->second;
    const TField& tf = m_tabelle.Fields(feld);
    if (!gesperrt && !tf.Calculated() && tf.DataType() != TFieldType::AutoInc)
        f |= Qt::ItemIsEditable;
    return f;
}

int Tabellenmodell::Textlaenge(int spalte) const
{
    const int feld = feldIndex(spalte);
    if (feld < 0 || m_tabelle.Fields(feld).DataType() != TFieldType::String)
        return 0;
    return m_tabelle.Fields(feld).Size();
}

namespace {
class Feldeditor : public QStyledItemDelegate {
public:
    Feldeditor(Tabellenmodell& modell, QObject* eltern) : QStyledItemDelegate(eltern), m_modell(modell) {}
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(eltern, option, index);
        if (auto* zeile = qobject_cast<QLineEdit*>(editor); zeile && m_modell.Textlaenge(index.column()) > 0)
            zeile->setMaxLength(m_modell.Textlaenge(index.column()));
        m_offen = editor;
        return editor;
    }
    // In a spreadsheet grid the keys that move go to the grid once the cell is taken.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        auto* editor = qobject_cast<QWidget*>(objekt);
        if (ereignis->type() == QEvent::KeyPress && editor && editor == m_offen && bewegt(ereignis)) {
            auto* grid = qobject_cast<QTableView*>(editor->parentWidget() ? editor->parentWidget()->parentWidget() : nullptr);
            if (grid && grid->property(tabellenkalkulation).toBool()) {
                const auto* taste = static_cast<QKeyEvent*>(ereignis);
                QKeyEvent weiter(QEvent::KeyPress, taste->key(), taste->modifiers());
                const QModelIndex vorher = grid->currentIndex();
                Uebernehmen();
                QCoreApplication::sendPostedEvents(grid->model(), QEvent::MetaCall);
                // A write that rebuilt the rows has put the grid on the written row (which the
                // table's order may have moved), in its first column: back to the cell left.
                const QModelIndex jetzt = grid->currentIndex();
                grid->setCurrentIndex(grid->model()->index(jetzt.isValid() ? jetzt.row() : vorher.row(), vorher.column()));
                grid->setFocus();
                QCoreApplication::sendEvent(grid, &weiter);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(objekt, ereignis);
    }
    static bool bewegt(QEvent* ereignis)
    {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        return taste == Qt::Key_Tab || taste == Qt::Key_Backtab || taste == Qt::Key_Return || taste == Qt::Key_Enter;
    }
    static constexpr const char* tabellenkalkulation = "Tabellenkalkulation";
    // The open editor's text goes into the table as Return would put it, and the editor closes.
    bool Uebernehmen()
    {
        QWidget* editor = m_offen;
        if (!editor)
            return false;
        Q_EMIT commitData(editor);
        if (!editor->isHidden()) // a write that rebuilt the rows has closed it already
            Q_EMIT closeEditor(editor);
        return true;
    }

private:
    Tabellenmodell& m_modell;
    mutable QPointer<QWidget> m_offen;
};
} // namespace

namespace {
// The grid's keys of TastenWieTabellenkalkulation.
class Tabellentasten : public QObject {
public:
    Tabellentasten(QTableView* grid, bool neueZeilen) : QObject(grid), m_grid(grid), m_neueZeilen(neueZeilen) {}
    bool eventFilter(QObject*, QEvent* ereignis) override
    {
        // the grid's model of the moment: a window may bind a new one after loading
        m_modell = qobject_cast<Tabellenmodell*>(m_grid->model());
        if (ereignis->type() != QEvent::KeyPress || !m_modell)
            return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Delete && taste->modifiers() == Qt::ControlModifier) {
            loeschen();
            return true;
        }
        if (!m_grid->currentIndex().isValid() && !taste->text().isEmpty() && !(taste->modifiers() & Qt::ControlModifier)) {
            vorwaerts(); // typing into a grid without a current cell begins in its first one
            return false;
        }
        if (!Feldeditor::bewegt(ereignis))
            return false;
        const bool zurueck = taste->key() == Qt::Key_Backtab || (taste->modifiers() & Qt::ShiftModifier);
        zurueck ? rueckwaerts() : vorwaerts();
        return true;
    }

private:
    bool editierbar(int zeile, int spalte) const
    {
        return m_modell->flags(m_modell->index(zeile, spalte)) & Qt::ItemIsEditable;
    }
    void vorwaerts()
    {
        const QModelIndex jetzt = m_grid->currentIndex();
        int zeile = std::max(0, jetzt.row()), spalte = jetzt.isValid() ? jetzt.column() + 1 : 0;
        for (;; ++zeile, spalte = 0) {
            if (zeile >= m_modell->rowCount()) {
                // an empty new row stays where it is; a typed one is taken before the next begins
                if (!m_neueZeilen || !m_modell->Tabelle().Active() || (m_modell->HatNeueZeile() && !m_modell->NeueZeileGetippt()))
                    return;
                if (!m_modell->NeueZeileUebernehmen())
                    return;
                m_modell->NeueZeileBeginnen();
                zeile = m_modell->rowCount() - 1;
            }
            for (; spalte < m_modell->columnCount(); ++spalte)
                if (editierbar(zeile, spalte))
                    return m_grid->setCurrentIndex(m_modell->index(zeile, spalte));
        }
    }
    void rueckwaerts()
    {
        const QModelIndex jetzt = m_grid->currentIndex();
        const int letzte = m_modell->columnCount() - 1;
        for (int zeile = jetzt.row(), spalte = jetzt.column() - 1; zeile >= 0; --zeile, spalte = letzte)
            for (; spalte >= 0; --spalte)
                if (editierbar(zeile, spalte))
                    return m_grid->setCurrentIndex(m_modell->index(zeile, spalte));
    }
    void loeschen()
    {
        const int zeile = m_grid->currentIndex().row();
        if (zeile < 0)
            return;
        const bool neu = m_modell->HatNeueZeile() && zeile == m_modell->rowCount() - 1;
        if (!neu && zeile >= m_modell->Tabelle().RecordCount())
            return; // the empty row after the last holds nothing to delete
        const QString frage = Format(Uebersetzt(2801, QStringLiteral("Zeile %d löschen?")), {zeile + 1});
        if (neu || dialoge().FrageJaNein(frage) == Antwort::Ja)
            m_modell->LoescheZeile(zeile);
    }
    QTableView* m_grid;
    bool m_neueZeilen;
    Tabellenmodell* m_modell = nullptr;
};
} // namespace

void TastenWieTabellenkalkulation(QTableView* grid, bool neueZeilen)
{
    grid->setProperty(Feldeditor::tabellenkalkulation, true);
    grid->setTabKeyNavigation(false); // Tab is ours, and stays in the grid
    grid->setEditTriggers(grid->editTriggers() | QAbstractItemView::AnyKeyPressed);
    grid->installEventFilter(new Tabellentasten(grid, neueZeilen));
}

void OffeneZellenUebernehmen(QWidget* fenster)
{
    for (QTableView* grid : fenster->findChildren<QTableView*>()) {
        // a model that writes only once the editor has closed gets its queued write now
        if (auto* editor = dynamic_cast<Feldeditor*>(grid->itemDelegate()); editor && editor->Uebernehmen())
            QCoreApplication::sendPostedEvents(grid->model(), QEvent::MetaCall);
        if (auto* modell = qobject_cast<Tabellenmodell*>(grid->model()); modell && modell->NeueZeileGetippt())
            modell->NeueZeileUebernehmen();
    }
}

void BindeAuswahl(QTableView* grid, Tabellenmodell& modell)
{
    grid->setItemDelegate(new Feldeditor(modell, grid));
    TBClientDataSet& tabelle = modell.Tabelle();
    // The connections live as long as the model; a grid may get a new model (and be deleted)
    // before a queued call arrives.
    const QPointer<QTableView> sicht(grid);
    auto zumCursor = [sicht, &modell, &tabelle] {
        QTableView* grid = sicht.data();
        if (!grid || grid->model() != &modell || !tabelle.Active() || tabelle.ControlsDisabled() || !grid->selectionModel())
            return;
        const int zeile = tabelle.RecNo() - 1;
        const QModelIndex aktuell = grid->currentIndex();
        // the line after the last row is where a new row is typed: the table has no row to follow
        if (zeile < 0 || aktuell.row() == zeile || aktuell.row() >= tabelle.RecordCount())
            return;
        grid->setCurrentIndex(modell.index(zeile, std::max(0, aktuell.column())));
    };
    QObject::connect(&tabelle, &TBClientDataSet::PositionGeaendert, &modell, zumCursor);
    QObject::connect(&modell, &QAbstractItemModel::modelReset, &modell, zumCursor, Qt::QueuedConnection);
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, &modell,
                     [grid, &modell, &tabelle](const QModelIndex& index, const QModelIndex& vorher) {
                         const int neueZeile = modell.rowCount() - 1;
                         if (modell.HatNeueZeile() && vorher.row() == neueZeile && index.row() != neueZeile) {
                             // an empty new row that is left goes away; a typed one is taken
                             if (!modell.NeueZeileGetippt()) {
                                 modell.NeueZeileVerwerfen();
                                 return;
                             }
                             if (!modell.NeueZeileUebernehmen())
                                 QMetaObject::invokeMethod(grid, [grid, vorher] { grid->setCurrentIndex(vorher); },
                                                           Qt::QueuedConnection);
                             return;
                         }
                         if (!index.isValid() || !tabelle.Active() || index.row() >= tabelle.RecordCount() ||
                             tabelle.RecNo() == index.row() + 1)
                             return;
                         try {
                             tabelle.CheckBrowseMode();
                             tabelle.SetRecNo(index.row() + 1);
                         } catch (const Fehler& fehler) {
                             tabelle.Cancel();
                             dialoge().Meldung(fehler.meldung());
                         }
                     });
}
