#pragma once
// Translation of widgets by text id: each routine looks up the target's current text and sets the
// result. Setting the text a target already holds changes nothing and notifies nobody.
#include "language/u_meldungstexte.h"
#include "language/u_uebersetzung.h"

class QAction;
class QMenu;
class QTableWidget;
class QWidget;
class Tabellenmodell;

// While one lives (the switch back to the built-in German), every target translated shows the
// text it was built with again.
struct ZurueckZumDeutschen {
    ZurueckZumDeutschen();
    ~ZurueckZumDeutschen();
    ZurueckZumDeutschen(const ZurueckZumDeutschen&) = delete;
    ZurueckZumDeutschen& operator=(const ZurueckZumDeutschen&) = delete;
};

// Labels, buttons, check boxes, edit fields, group boxes (text and one blank), pages of a tab
// widget (their tab text), windows and dialogs (their title).
void UebersetzeControl(QWidget* control, int id);
void UebersetzeMenuItem(QMenu* menue, int id);
void UebersetzeMenuItem(QAction* item, int id);
void UebersetzeAction(QAction* aktion, int id);
void UebersetzeSpalte(Tabellenmodell& modell, int spalte, int id);
void UebersetzeSpalte(QTableWidget* sg, int spalte, int id);
void UebersetzeString(QString& variable, int id);
