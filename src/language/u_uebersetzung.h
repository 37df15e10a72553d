#pragma once
// Lookup of a user-visible text by its text id in the current language. Without an active
// language the built-in German text stands. The language module installs the lookup at the first
// successful language switch; the core only ever asks through these two routines.
#include <QString>
#include <functional>

// Replaces text by the current language's text of id (recording text under id when the language
// lacks it).
void Uebersetze(int id, QString& text);
QString Uebersetzt(int id, const QString& deutsch);

using Uebersetzer = std::function<void(int id, QString& text)>;
void setzeUebersetzer(Uebersetzer uebersetzer); // empty: no language active
bool SpracheAktiv();
