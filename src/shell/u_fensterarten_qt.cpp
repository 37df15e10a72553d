#include "language/fo_sprache.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"

void RegistriereFenster(Anwendung& anwendung)
{
    Tfrm_menu& menu = *anwendung.menu();
    menu.registriereArt(Dokumentart::Sprache, [] { return new Tfrm_sprache; });
}
