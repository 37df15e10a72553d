#include "beam/fo_lastbib.h"
#include "language/fo_sprache.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "truss/fo_traverse.h"
#include "truss/fo_travbib.h"

void RegistriereFenster(Anwendung& anwendung)
{
    Tfrm_menu& menu = *anwendung.menu();
    menu.registriereArt(Dokumentart::Sprache, [] { return new Tfrm_sprache; });
    menu.registriereArt(Dokumentart::Projekt, [] { return new Tfrm_projekt; });
    anwendung.registriereDauerfenster(Dauerfenster::Grundrisstool,
                                      [](QWidget* eltern) { return new Tfrm_grundrisstool(eltern); });
    anwendung.registriereDauerfenster(Dauerfenster::Lastenbibliothek,
                                      [](QWidget* eltern) { return new Tfrm_lastbib(eltern); });
    menu.registriereArt(Dokumentart::Traverse, [] { return new Tfrm_traverse; });
    anwendung.registriereDauerfenster(Dauerfenster::Traversenbibliothek,
                                      [](QWidget* eltern) { return new Tfrm_travbib(eltern); });
}
