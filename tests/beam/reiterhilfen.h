#pragma once
// A beam editor shown on one of its tabs, for the tests of that tab, with hoists placed by code.
#include "beam/u_balkenfelder.h"
#include "editorhilfen.h"
#include <QApplication>
#include <QTabWidget>

struct Editorreiter {
    Programmordner programm;
    SkriptDialoge skript;
    Tfrm_variante f;
    explicit Editorreiter(const char* reiter) // the object name of the tab
    {
        f.resize(1400, 860);
        f.show();
        kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, reiter));
        QApplication::processEvents();
    }
    void lager(double x)
    {
        TBClientDataSet& l = f.modell.cds_lager;
        l.Append();
        l.FieldByName(Balkenfeld::Nummer).SetAsInteger(f.modell.NeueLagernummer());
        l.FieldByName(Balkenfeld::Type).SetAsInteger(ArtMotorzug);
        l.FieldByName(Lagerfeld::Position).SetAsFloat(x);
        l.FieldByName(Balkenfeld::oben).SetAsBoolean(true);
        l.Post();
    }
};
