#pragma once
// The results of a truss design as kelvara-cli prints them: every result label with its text,
// the column table and the messages the runs raised.
#include "truss/u_traversenentwurf.h"
#include <QJsonObject>
#include <QStringList>

// One member per result label (control name → shown text), "sgStuetze" as 17 rows of 5 cell
// texts (header row included) and "meldungen" as an array of texts.
QJsonObject TraverseAlsJson(const Traversenentwurf& entwurf, const QStringList& meldungen);
// Lines "name: text", then the column table, then the messages.
QString TraverseAlsText(const Traversenentwurf& entwurf, const QStringList& meldungen);
