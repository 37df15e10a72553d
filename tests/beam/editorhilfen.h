#pragma once
// The beam editor's controls as a test reaches them: by object name, as the user knows them.
#include "beam/fo_variante.h"
#include "u_fenstertest.h"
#include <QButtonGroup>
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
