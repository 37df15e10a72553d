#pragma once
// Qt's own texts (message-box buttons, file, print and input dialogs) in the language of the
// program's texts: German while the built-in German is active, otherwise the language a language
// file's name names ("English.prl", "Francais.prl"), English where Qt has no translation for it.
#include <QString>

// Empty: the built-in German.
void QtSpracheSetzen(const QString& sprachdatei);
