#pragma once
// The project side of a beam editor that shows a project variant: which truss and variant it
// is, and the operations the editor asks the project for. The project window hands one to each
// editor it opens; when the project window is gone, every operation finds nothing.
#include "beam/u_variantenprojekt.h"
#include "project/u_projektmodell.h"
#include <QObject>
#include <QPointer>

class Projektvariante : public QObject, public Variantenprojekt {
public:
    // Takes the project's current truss and variant. fenster: the project window that owns the
    // project; the link ends when it is destroyed. eltern: the editor, which owns the link.
    Projektvariante(Projektmodell& projekt, QObject* fenster, QObject* eltern = nullptr);

    const Variantenverweis& Verweis() const { return m_verweis; }

    bool VarianteLaden(Balkenmodell& modell, Meldungen& meldungen) override;
    bool VarianteZurueckschreiben(Balkenmodell& modell, std::optional<double> auslastung,
                                  Meldungen& meldungen) override;
    Verweisliste TraversenAuflisten() override;
    Verweisliste VariantenAuflisten(int traverse) override;
    Verweisliste LagerAuflisten(int traverse, int variante) override;
    double Lagerkraft(int traverse, int variante, int lager) const override;
    bool LagerLoeschenErlaubt(const std::vector<int>& lager, const Rueckfrage& frage) override;
    QString Projektname() const override;

private:
    Projektmodell* projekt() const; // nullptr once the project window is gone

    Projektmodell& m_projekt;
    QPointer<QObject> m_fenster;
    Variantenverweis m_verweis;
};
