#pragma once
// Where the user's files live. A program folder the program may write to (a build tree, a
// portable copy) holds them itself; an installed program keeps them in the user's data folder,
// which is filled from the installed copies (libraries, example project, languages, help). A file
// the user has changed is never replaced by a newer installed copy.
#include <QString>
#include <QStringList>

// Brings every file of `quelle` into `ziel` (both folders, sub-folders included): a missing file is
// copied; a file still holding the copy made last time is replaced by a changed original; any
// other file is the user's and stays. What was copied is recorded in `ziel`/".ausgeliefert".
// `nur` limits this to the named top-level files and folders of `quelle` (empty: all of them).
// A file without a record counts as the user's, unless `ohneEintragErsetzen` (a build tree from
// before the record, whose build replaced that file every time).
// Returns the relative paths of the files kept because the user changed them. Throws Fehler when
// a file cannot be written.
QStringList Abgleichen(const QString& quelle, const QString& ziel, const QStringList& nur = {},
                       bool ohneEintragErsetzen = false);

// The folder an installed program at `programmordner` takes its copies from: "../share/kelvara-vlx"
// beside its "bin", or empty when there is none.
QString InstallierteKopien(const QString& programmordner);

// The folder the program keeps its files in, ending with '/': `programmordner` itself when it is
// writable and not an installed copy, otherwise `datenordner`, brought up to the installed copies
// first (the installed share folder, or the read-only program folder itself).
QString WaehleProgrammverzeichnis(const QString& programmordner, const QString& datenordner);
