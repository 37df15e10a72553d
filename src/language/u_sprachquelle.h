#pragma once
// Language sources: reviewable text files with one "id=text" line per text id (UTF-8; blank
// lines and lines starting with '#' are skipped). The build turns them into a language file.
#include <QString>
#include <QStringList>
#include <map>

// Reads every line of the given files into id -> text. A malformed line, an id given twice or a
// text longer than 50 characters is a Fehler naming file and line.
std::map<int, QString> LeseSprachquellen(const QStringList& dateien);
void SchreibeSprachdatei(const std::map<int, QString>& texte, const QString& pfad);
