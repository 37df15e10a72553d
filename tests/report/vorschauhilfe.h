#pragma once
// Runs a print command whose preview is modal: records what the preview shows, then closes it.
#include "report/fo_vorschau.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <functional>

struct GezeigteVorschau {
    bool modal = false;
    int seiten = 0;
    QString titel;
};

inline GezeigteVorschau zeigeUndSchliesse(const std::function<void()>& drucken)
{
    GezeigteVorschau gezeigt;
    QTimer schliesser;
    schliesser.setInterval(20);
    QObject::connect(&schliesser, &QTimer::timeout, [&] {
        auto* v = qobject_cast<Tfrm_vorschau*>(QApplication::activeModalWidget());
        if (!v)
            return;
        gezeigt = {v->isModal() && v->isVisible(), v->seitenzahl(), v->windowTitle()};
        v->findChild<QPushButton*>(QStringLiteral("btnSchliessen"))->click();
    });
    schliesser.start();
    drucken();
    return gezeigt;
}
