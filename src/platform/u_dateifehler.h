#pragma once
// The errors of files and document streams, in the language of the program's texts.
#include "platform/u_fehler.h"

Fehler DateiNichtErstellbar(const QString& datei); // "Datei %s kann nicht erstellt werden"
Fehler DateiNichtOeffenbar(const QString& datei);  // "Datei %s kann nicht geöffnet werden"
Fehler StreamSchreibfehler();                      // a write did not write every byte
Fehler StreamLesefehler();                         // the end of the file inside a value
Fehler UngueltigerEigenschaftswert();              // a value of a kind not accepted there
