#include "calculator/fo_trav_calc.h"
#include "language/fo_sprache.h"
#include "loadtable/fo_belastungstabelle.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"

void RegistriereFenster(Anwendung& anwendung)
{
    Tfrm_menu& menu = *anwendung.menu();
    menu.registriereArt(Dokumentart::Sprache, [] { return new Tfrm_sprache; });
    menu.registriereArt(Dokumentart::Belastungstabelle, [] { return new Tfrm_belastungstabelle; });
    anwendung.registriereDauerfenster(Dauerfenster::Rechner, [](QWidget* eltern) { return new Tfrm_trav_calc(eltern); });
}
