#include "beam/fo_lastbib.h"
#include "beam/fo_variante.h"
#include "calculator/fo_trav_calc.h"
#include "language/fo_sprache.h"
#include "loadtable/fo_belastungstabelle.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_projekt.h"
#include "project/u_projektvariante.h"
#include "shell/fo_menu.h"
#include "shell/fo_main.h"
#include "shell/u_anwendung_qt.h"
#include "truss/fo_traverse.h"
#include "truss/fo_travbib.h"

namespace {
Tfrm_travbib* traversenbibliothek(Anwendung& anwendung)
{
    return qobject_cast<Tfrm_travbib*>(anwendung.dauerfenster(Dauerfenster::Traversenbibliothek));
}

// A beam editor takes its truss library (in its selection mode) and its load library from the
// library windows that live for the whole run.
Tfrm_variante* mitBibliotheken(Anwendung& anwendung, Tfrm_variante* editor)
{
    editor->traverseWaehlen = [&anwendung]() -> TBClientDataSet* {
        Tfrm_travbib* fenster = traversenbibliothek(anwendung);
        return fenster && fenster->TraverseWaehlen() ? &fenster->Bibliothek().cds_travbib : nullptr;
    };
    editor->lastenbibliothek = [&anwendung]() -> Lastenbibliothek* {
        auto* fenster = qobject_cast<Tfrm_lastbib*>(anwendung.dauerfenster(Dauerfenster::Lastenbibliothek));
        return fenster ? &fenster->Bibliothek() : nullptr;
    };
    return editor;
}

// A project variant opens in a beam editor that owns its link to the project.
// A variant open already activates its editor, so two editors never write over each other.
void oeffneVariante(Anwendung& anwendung, Tfrm_projekt& projekt)
{
    if (Dokumentfenster* offen = projekt.EditorFuer(projekt.projekt().AktuellerVerweis())) {
        if (anwendung.hauptfenster())
            anwendung.hauptfenster()->Aktiviere(offen);
        return;
    }
    auto* verbindung = new Projektvariante(projekt.projekt(), &projekt);
    auto* editor = mitBibliotheken(anwendung, new Tfrm_variante(*verbindung));
    verbindung->setParent(editor);
    projekt.EditorMerken(editor, verbindung->Verweis());
    anwendung.zeigeDokument(editor);
}
} // namespace

void RegistriereFenster(Anwendung& anwendung)
{
    Tfrm_menu& menu = *anwendung.menu();
    menu.registriereArt(Dokumentart::Sprache, [&menu] { return new Tfrm_sprache(&menu); });
    menu.registriereArt(Dokumentart::Projekt, [&anwendung] {
        auto* projekt = new Tfrm_projekt;
        projekt->oeffneVariante = [&anwendung](Tfrm_projekt& p, int, int) { oeffneVariante(anwendung, p); };
        return projekt;
    });
    menu.registriereArt(Dokumentart::Einzelprojekt, [&anwendung] { return mitBibliotheken(anwendung, new Tfrm_variante); });
    menu.registriereArt(Dokumentart::Traverse, [&anwendung] {
        auto* fenster = new Tfrm_traverse;
        if (Tfrm_travbib* bibliothek = traversenbibliothek(anwendung))
            fenster->setzeBibliothek(&bibliothek->Bibliothek());
        return fenster;
    });
    menu.registriereArt(Dokumentart::Belastungstabelle, [&anwendung] {
        auto* fenster = new Tfrm_belastungstabelle;
        if (Tfrm_travbib* bibliothek = traversenbibliothek(anwendung))
            fenster->setzeBibliothek(&bibliothek->Bibliothek());
        return fenster;
    });

    // the long-lived windows, created at start-up in the order of their kinds
    anwendung.registriereDauerfenster(Dauerfenster::Traversenbibliothek, [&anwendung](QWidget* eltern) {
        auto* bibliothek = new Tfrm_travbib(eltern);
        bibliothek->setzeKalkulation([&anwendung, bibliothek] {
            if (auto* rechner = qobject_cast<Tfrm_trav_calc*>(anwendung.dauerfenster(Dauerfenster::Rechner)))
                rechner->ZeigeLaengen(bibliothek->Bibliothek().cds_travbib);
        });
        return bibliothek;
    });
    anwendung.registriereDauerfenster(Dauerfenster::Rechner, [](QWidget* eltern) { return new Tfrm_trav_calc(eltern); });
    anwendung.registriereDauerfenster(Dauerfenster::Grundrisstool, [&anwendung](QWidget* eltern) {
        auto* palette = new Tfrm_grundrisstool(eltern);
        // shown exactly while a project window is the active document (on its CAD tab)
        QObject::connect(&anwendung, &Anwendung::aktivesDokumentGeaendert, palette,
                         [palette](Dokumentfenster* aktiv) { palette->zeigeFuer(qobject_cast<Tfrm_projekt*>(aktiv)); });
        return palette;
    });
    anwendung.registriereDauerfenster(Dauerfenster::Lastenbibliothek,
                                      [](QWidget* eltern) { return new Tfrm_lastbib(eltern); });
}
