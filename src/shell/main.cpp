// kelvara: the program with its main window.
#include "platform/u_dialoge_qt.h"
#include "platform/u_fehler.h"
#include "platform/u_programm.h"
#include "shell/fo_main.h"
#include "shell/u_anwendung_qt.h"
#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvara VLX"));
    QtDialoge dialogeDesProgramms;
    setzeDialoge(&dialogeDesProgramms);
    try {
        ProgrammverzeichnisEinrichten();
    } catch (const Fehler& fehler) { // the program runs on from its own folder
        dialoge().Meldung(fehler.meldung());
    }
    int ergebnis = 0;
    {
        Anwendung anwendung;
        anwendung.Starten();
        dialogeDesProgramms.setzeBesitzer(anwendung.hauptfenster());
        // the files of the command line open once the main window is up (the desktop's "%F")
        QTimer::singleShot(0, &anwendung, [&anwendung] { anwendung.OeffneDateien(Befehlszeilendateien()); });
        ergebnis = app.exec();
    }
    setzeDialoge(nullptr);
    return ergebnis;
}
