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

bool zurueckZumDeutschen = false;

// Every target keeps the text it was built with (the built-in German) from its first translation
// on, so that going back to the built-in German restores it.
struct Merkplatz {
    QObject* traeger;
    QByteArray name;
};

QString eingebauterText(const Merkplatz& platz, const QString& jetzt)
{
    const QVariant gemerkt = platz.traeger->property(platz.name.constData());
    if (gemerkt.isValid())
        return gemerkt.toString();
    platz.traeger->setProperty(platz.name.constData(), jetzt);
    return jetzt;
}

Merkplatz merkplatz(QObject* traeger, int nummer = -1)
{
    return {traeger, nummer < 0 ? QByteArray("kelvaraDeutsch") : "kelvaraDeutsch" + QByteArray::number(nummer)};
}

template <typename Lesen, typename Setzen>
void uebersetzeMit(const Merkplatz& platz, int id, Lesen lesen, Setzen setzen)
{
    const QString jetzt = lesen();
    const QString deutsch = eingebauterText(platz, jetzt);
    QString text = zurueckZumDeutschen ? deutsch : jetzt;
    Uebersetze(id, text);
    if (text != jetzt)
        setzen(text);
}
} // namespace

ZurueckZumDeutschen::ZurueckZumDeutschen() { zurueckZumDeutschen = true; }
ZurueckZumDeutschen::~ZurueckZumDeutschen() { zurueckZumDeutschen = false; }

void UebersetzeControl(QWidget* control, int id)
{
    if (!control)
        return;
    int seite = -1;
    if (QTabWidget* reiter = reiterVon(control, seite)) {
        uebersetzeMit(merkplatz(control), id, [&] { return reiter->tabText(seite); },
                      [&](const QString& t) { reiter->setTabText(seite, t); });
    } else if (auto* gruppe = qobject_cast<QGroupBox*>(control)) {
        // the blank follows a looked-up text; the built-in title has none
        const QString deutsch = eingebauterText(merkplatz(gruppe), gruppe->title());
        QString text = zurueckZumDeutschen ? deutsch : gruppe->title();
        if (SpracheAktiv()) {
            text = gruppe->title();
            Uebersetze(id, text);
            text += QLatin1Char(' ');
        }
        if (text != gruppe->title())
            gruppe->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        uebersetzeMit(merkplatz(label), id, [=] { return label->text(); }, [=](const QString& t) { label->setText(t); });
    } else if (auto* knopf = qobject_cast<QAbstractButton*>(control)) {
        uebersetzeMit(merkplatz(knopf), id, [=] { return knopf->text(); }, [=](const QString& t) { knopf->setText(t); });
    } else if (auto* feld = qobject_cast<QLineEdit*>(control)) {
        uebersetzeMit(merkplatz(feld), id, [=] { return feld->text(); }, [=](const QString& t) { feld->setText(t); });
    } else {
        uebersetzeMit(merkplatz(control), id, [=] { return control->windowTitle(); },
                      [=](const QString& t) { control->setWindowTitle(t); });
    }
}

void UebersetzeMenuItem(QMenu* menue, int id)
{
    uebersetzeMit(merkplatz(menue), id, [=] { return menue->title(); }, [=](const QString& t) { menue->setTitle(t); });
}

void UebersetzeMenuItem(QAction* item, int id) { UebersetzeAction(item, id); }

void UebersetzeAction(QAction* aktion, int id)
{
    uebersetzeMit(merkplatz(aktion), id, [=] { return aktion->text(); }, [=](const QString& t) { aktion->setText(t); });
}

void UebersetzeSpalte(Tabellenmodell& modell, int spalte, int id)
{
    uebersetzeMit(merkplatz(&modell, spalte), id, [&] { return modell.Spaltentitel(spalte); },
                  [&](const QString& t) { modell.setzeSpaltentitel(spalte, t); });
}

void UebersetzeSpalte(QTableWidget* sg, int spalte, int id)
{
    QTableWidgetItem* kopf = sg->horizontalHeaderItem(spalte);
    if (!kopf) {
        kopf = new QTableWidgetItem;
        sg->setHorizontalHeaderItem(spalte, kopf);
    }
    uebersetzeMit(merkplatz(sg, spalte), id, [=] { return kopf->text(); }, [=](const QString& t) { kopf->setText(t); });
}

void UebersetzeString(QString& variable, int id) { Uebersetze(id, variable); }
