// The truss window and the truss report print the same caption for every control.
#include "truss/fo_traverse.h"
#include "truss/u_traversentexte.h"
#include "u_fenstertest.h"
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {
QString beschriftung(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* k = qobject_cast<QAbstractButton*>(w))
        return k->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* reiter = w->parentWidget() ? qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()) : nullptr)
        return reiter->tabText(reiter->indexOf(w));
    return w->windowTitle();
}
} // namespace

TEST(Traversenbeschriftungen, FensterUndBerichtZeigenDenselbenDeutschenText)
{
    Programmordner ordner;
    SkriptDialoge skript;
    Tfrm_traverse fenster;
    fenster.show();
    QStringList abweichend;
    for (const Traversenbeschriftung& b : Traversenbeschriftungen()) {
        auto* w = QString::fromLatin1(b.name) == QLatin1String("Tfrm_traverse") ? &fenster
                                                                               : fenster.findChild<QWidget*>(QString::fromLatin1(b.name));
        if (!w)
            continue;
        if (beschriftung(w).trimmed() != QString::fromUtf8(b.deutsch).trimmed())
            abweichend << QStringLiteral("%1: Fenster \"%2\", Bericht \"%3\"").arg(QString::fromLatin1(b.name), beschriftung(w), QString::fromUtf8(b.deutsch));
    }
    EXPECT_TRUE(abweichend.isEmpty()) << abweichend.join(QLatin1Char('\n')).toStdString();
}
