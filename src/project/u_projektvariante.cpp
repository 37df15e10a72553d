#include "project/u_projektvariante.h"
#include "language/u_uebersetzung.h"
#include "project/u_grundrisswerkzeuge.h"
#include <QFileInfo>

Projektvariante::Projektvariante(Projektmodell& projekt, QObject* fenster, QObject* eltern)
    : QObject(eltern), m_projekt(projekt), m_fenster(fenster), m_verweis(projekt.AktuellerVerweis())
{
}

Projektmodell* Projektvariante::projekt() const { return m_fenster ? &m_projekt : nullptr; }

namespace {
QString projektFehlt() { return Uebersetzt(2021, QStringLiteral("Projekt nicht gefunden!")); }
} // namespace

bool Projektvariante::VarianteLaden(Balkenmodell& modell, Meldungen& meldungen)
{
    if (Projektmodell* p = projekt())
        return p->VarianteInEditor(m_verweis, modell, meldungen);
    meldungen << projektFehlt();
    return false;
}

bool Projektvariante::VarianteZurueckschreiben(Balkenmodell& modell, std::optional<double> auslastung,
                                               Meldungen& meldungen)
{
    Projektmodell* p = projekt();
    if (!p) {
        meldungen << projektFehlt();
        return false;
    }
    // The variants that take a support force from here are out of date once that force changes.
    const Lastverweise abhaengige = p->Kraftverweise(m_verweis.traverse, m_verweis.variante);
    if (!p->EditorInVariante(m_verweis, modell, auslastung, meldungen))
        return false;
    p->VeraltetMarkieren(abhaengige);
    return true;
}

Verweisliste Projektvariante::TraversenAuflisten()
{
    Projektmodell* p = projekt();
    return p ? p->TraversenAuflisten(m_verweis.traverse) : Verweisliste{};
}

Verweisliste Projektvariante::VariantenAuflisten(int traverse)
{
    Projektmodell* p = projekt();
    return p ? p->VariantenAuflisten(traverse) : Verweisliste{};
}

Verweisliste Projektvariante::LagerAuflisten(int traverse, int variante)
{
    Projektmodell* p = projekt();
    return p ? p->LagerAuflisten(traverse, variante) : Verweisliste{};
}

double Projektvariante::Lagerkraft(int traverse, int variante, int lager) const
{
    Projektmodell* p = projekt();
    return p ? p->Lagerkraft(traverse, variante, lager) : 0;
}

bool Projektvariante::LagerLoeschenErlaubt(const std::vector<int>& lager, const Rueckfrage& frage)
{
    Projektmodell* p = projekt();
    if (!p)
        return true;
    Lastverweise verweise;
    for (const int nummer : lager) {
        const Lastverweise auf = p->Kraftverweise(m_verweis.traverse, m_verweis.variante, nummer);
        verweise.insert(verweise.end(), auf.begin(), auf.end());
    }
    return TrotzVerweisenLoeschen(verweise, frage);
}

QString Projektvariante::Projektname() const
{
    const Projektmodell* p = projekt();
    const QString datei = p ? QFileInfo(p->Dateiname()).fileName() : QString();
    return datei.isEmpty() ? Uebersetzt(1831, QStringLiteral("&Projekt")).remove(u'&') : datei;
}
