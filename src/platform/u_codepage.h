#pragma once
// The program's 8-bit code page is Windows-1252; a character outside it is stored as '?'.
#include <QByteArray>
#include <QString>

QByteArray ZuCodepage(const QString& text);
// Writes the code-page bytes of text to ziel, at most hoechstens of them; returns how many.
qsizetype ZuCodepage(QStringView text, char* ziel, qsizetype hoechstens);
QString AusCodepage(const QByteArray& bytes);
QString AusCodepage(const char* bytes, qsizetype laenge);
