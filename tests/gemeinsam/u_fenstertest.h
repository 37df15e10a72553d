#pragma once
// Window tests run the program in a temporary program folder ("Sprachen", "Traversen",
// "Projekte" beside it) with scripted dialogs; everything is reset when the test ends.
#include "language/u_meldungstexte.h"
#include "language/u_sprachquelle.h"
#include "language/u_sprachtabelle.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge_skript.h"
#include "platform/u_programm.h"
#include "u_testhilfen.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>

class Programmordner {
public:
    Programmordner()
    {
        setzeProgrammverzeichnis(m_ordner.path());
        for (const char* unter : {"Sprachen", "Traversen", "Projekte"})
            QDir(m_ordner.path()).mkpath(QString::fromLatin1(unter));
        setzeBefehlszeile({});
    }
    ~Programmordner()
    {
        setzeProgrammverzeichnis({});
        setzeBefehlszeile({});
        setzeUebersetzer({});
        MeldungstexteZuruecksetzen();
    }
    QString pfad(const QString& relativ) const { return Programmverzeichnis() + relativ; }

private:
    QTemporaryDir m_ordner;
};

// A language file holding the given rows.
inline void schreibeSprachdatei(const QString& pfad, const std::map<int, QString>& zeilen)
{
    SchreibeSprachdatei(zeilen, pfad);
}

// Saves what the widget shows under the build folder's "bilder" for a look by eye.
inline QImage bildVon(QWidget* fenster, const QString& name)
{
    const QImage bild = fenster->grab().toImage();
    QDir().mkpath(QStringLiteral(KELVARA_BINAER "/bilder"));
    bild.save(QStringLiteral(KELVARA_BINAER "/bilder/") + name + QStringLiteral(".png"));
    return bild;
}

// The child widget of that object name; a missing one fails the test.
template <typename W>
W* kind(QWidget* fenster, const char* name)
{
    W* w = fenster->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Types into the grid's current cell as a user does, then presses the key that leaves it.
inline void tippeUndWeiter(QTableView* grid, const QString& text, Qt::Key taste)
{
    grid->edit(grid->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, taste);
}

// Every prompt was one the test expected.
inline void ohneUnerwartetes(const SkriptDialoge& skript)
{
    EXPECT_TRUE(skript.unerwartet.isEmpty()) << skript.unerwartet.join(u'|').toStdString();
}
