#pragma once
// Dialogs of a command: messages are collected for the output, questions answered No, file
// dialogs cancelled. Installs itself for its lifetime; `stumm` drops messages instead.
#include "platform/u_dialoge.h"
#include <QStringList>

class GesammelteMeldungen : public KonsolenDialoge {
public:
    GesammelteMeldungen() { setzeDialoge(this); }
    ~GesammelteMeldungen() override { setzeDialoge(nullptr); }
    GesammelteMeldungen(const GesammelteMeldungen&) = delete;
    GesammelteMeldungen& operator=(const GesammelteMeldungen&) = delete;

    void Meldung(const QString& text) override
    {
        if (!stumm)
            meldungen.append(text);
    }

    QStringList meldungen;
    bool stumm = false;
};
