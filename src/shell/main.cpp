// kelvara: the program with its main window.
#include "platform/u_dialoge_qt.h"
#include "shell/fo_main.h"
#include "shell/u_anwendung_qt.h"
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QtDialoge dialogeDesProgramms;
    setzeDialoge(&dialogeDesProgramms);
    int ergebnis = 0;
    {
        Anwendung anwendung;
        anwendung.Starten();
        dialogeDesProgramms.setzeBesitzer(anwendung.hauptfenster());
        ergebnis = app.exec();
    }
    setzeDialoge(nullptr);
    return ergebnis;
}
