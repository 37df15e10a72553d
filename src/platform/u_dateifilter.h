#pragma once
// File dialog filters are written "description|pattern|description|pattern"; the Qt dialogs want
// "description (pattern);;…". A typed name without extension receives the default extension.
#include <QString>
#include <QStringList>

QStringList QtFilter(const QString& filter);
QString MitStandardEndung(const QString& pfad, const QString& endung);
