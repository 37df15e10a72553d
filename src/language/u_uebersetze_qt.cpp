#include "language/u_uebersetze_qt.h"
#include "platform/u_tabellenmodell_qt.h"
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

namespace {
QTabWidget* reiterVon(QWidget* seite, int& nummer)
{
    auto* stapel = qobject_cast<QStackedWidget*>(seite->parentWidget());
    auto* reiter = stapel ? qobject_cast<QTabWidget*>(stapel->parentWidget()) : nullptr;
    nummer = reiter ? reiter->indexOf(seite) : -1;
    return nummer >= 0 ? reiter : nullptr;
}

template <typename Ziel, typename Lesen, typename Setzen>
void uebersetzeMit(Ziel* ziel, int id, Lesen lesen, Setzen setzen)
{
    QString text = lesen(ziel);
    Uebersetze(id, text);
    if (text != lesen(ziel))
        setzen(ziel, text);
}
} // namespace

void UebersetzeControl(QWidget* control, int id)
{
    int seite = -1;
    if (QTabWidget* reiter = reiterVon(control, seite)) {
        QString text = reiter->tabText(seite);
        Uebersetze(id, text);
        reiter->setTabText(seite, text);
    } else if (auto* gruppe = qobject_cast<QGroupBox*>(control)) {
        // the blank follows a looked-up text; without a language the title stays as built
        if (!SpracheAktiv())
            return;
        QString text = gruppe->title();
        Uebersetze(id, text);
        text += QLatin1Char(' ');
        if (text != gruppe->title())
            gruppe->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        uebersetzeMit(label, id, [](QLabel* l) { return l->text(); }, [](QLabel* l, const QString& t) { l->setText(t); });
    } else if (auto* knopf = qobject_cast<QAbstractButton*>(control)) {
        uebersetzeMit(knopf, id, [](QAbstractButton* k) { return k->text(); },
                      [](QAbstractButton* k, const QString& t) { k->setText(t); });
    } else if (auto* feld = qobject_cast<QLineEdit*>(control)) {
        uebersetzeMit(feld, id, [](QLineEdit* f) { return f->text(); }, [](QLineEdit* f, const QString& t) { f->setText(t); });
    } else if (control) {
        uebersetzeMit(control, id, [](QWidget* w) { return w->windowTitle(); },
                      [](QWidget* w, const QString& t) { w->setWindowTitle(t); });
    }
}

void UebersetzeMenuItem(QMenu* menue, int id)
{
    uebersetzeMit(menue, id, [](QMenu* m) { return m->title(); }, [](QMenu* m, const QString& t) { m->setTitle(t); });
}

void UebersetzeMenuItem(QAction* item, int id) { UebersetzeAction(item, id); }

void UebersetzeAction(QAction* aktion, int id)
{
    uebersetzeMit(aktion, id, [](QAction* a) { return a->text(); }, [](QAction* a, const QString& t) { a->setText(t); });
}

void UebersetzeSpalte(Tabellenmodell& modell, int spalte, int id)
{
    QString titel = modell.Spaltentitel(spalte);
    Uebersetze(id, titel);
    modell.setzeSpaltentitel(spalte, titel);
}

void UebersetzeSpalte(QTableWidget* sg, int spalte, int id)
{
    QTableWidgetItem* kopf = sg->horizontalHeaderItem(spalte);
    if (!kopf) {
        kopf = new QTableWidgetItem;
        sg->setHorizontalHeaderItem(spalte, kopf);
    }
    uebersetzeMit(kopf, id, [](QTableWidgetItem* k) { return k->text(); },
                  [](QTableWidgetItem* k, const QString& t) { k->setText(t); });
}

void UebersetzeString(QString& variable, int id) { Uebersetze(id, variable); }
