#pragma once
// Application-wide values of the running program: the folder every data path starts from, the
// command line that switches the trace points on.
#include <QString>
#include <QStringList>

// Folder of the executable, ending with '/'. Data paths are built from it: "Traversen/…",
// "Sprachen/…", "Projekte/".
QString Programmverzeichnis();
// Tests point the program at a temporary folder; an empty text returns to the executable's folder.
void setzeProgrammverzeichnis(const QString& ordner);
// At start-up: the executable's folder when it may write there, otherwise the user's data folder
// (QStandardPaths::AppDataLocation), filled from the installed copies (u_datenordner.h).
void ProgrammverzeichnisEinrichten();

// Whether the first command-line argument is exactly "DEBUG": the start-up then shows its trace
// points (DebugPunkt in u_dialoge.h).
bool Debuglauf();
// The arguments after the program name; defaults to the application's own.
void setzeBefehlszeile(const QStringList& argumente);
// The files named on the command line (every argument but a leading "DEBUG"), as absolute paths.
QStringList Befehlszeilendateien();
