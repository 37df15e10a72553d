#pragma once
// The program's 8-bit code page is Windows-1252; a character outside it is stored as '?'.
#include <QByteArray>
#include <QString>

QByteArray ZuCodepage(QStringView text);
// Writes the code-page bytes of text to ziel, at most hoechstens of them; returns how many.
qsizetype ZuCodepage(QStringView text, char* ziel, qsizetype hoechstens);
QString AusCodepage(const QByteArray& bytes);
QString AusCodepage(const char* bytes, qsizetype laenge);
// Writes the laenge characters of the code-page bytes to ziel.
void AusCodepage(const char* bytes, qsizetype laenge, char16_t* ziel);
