#pragma once
// The beam editor's controls as a test reaches them: by object name, as the user knows them.
#include "beam/fo_variante.h"
#include "u_fenstertest.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

// The tool button of a tool code (ArtLager, ArtMotorzug …), taken from the editor's tool group.
inline QToolButton* werkzeugknopf(Tfrm_variante* f, int code)
{
    auto* gruppe = f->findChild<QButtonGroup*>(QStringLiteral("werkzeuggruppe"));
    EXPECT_NE(gruppe, nullptr);
    auto* knopf = gruppe ? qobject_cast<QToolButton*>(gruppe->button(code)) : nullptr;
    EXPECT_NE(knopf, nullptr) << code;
    return knopf;
}

// Replaces the text of an input as the user does: marks all of it and types the new text (none
// deletes it), so only the handlers of typing see it.
inline void tippeNeu(QLineEdit* feld, const QString& text)
{
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, text);
}
inline void tippeNeu(QComboBox* liste, const QString& text) { tippeNeu(liste->lineEdit(), text); }

// The text a label of the editor shows.
inline QString beschriftungVon(Tfrm_variante* f, const char* name) { return kind<QLabel>(f, name)->text(); }
