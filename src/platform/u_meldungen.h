#pragma once
// What the core has to tell or ask the user. The core opens no dialog: an operation returns its
// messages (or throws Fehler for the one that ends it), and a question reaches the user through a
// Rueckfrage the window hands in. Windows show messages in message boxes, kelvara-cli prints them.
#include <QStringList>
#include <functional>

// Messages in the user's language, in the order they arose; each is one message box.
using Meldungen = QStringList;

// Asks the user a yes/no question; true is "Ja".
using Rueckfrage = std::function<bool(const QString& frage)>;
