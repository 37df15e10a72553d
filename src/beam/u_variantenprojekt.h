#pragma once
// What the beam editor needs from the project that holds its variant: reading the variant into
// the editor's model, writing it back, the lists of the truss-force panel and the support force of
// another variant. The project window implements it; the editor knows nothing else of projects.
#include "beam/u_lagerkraft.h"
#include "platform/u_meldungen.h"
#include <QString>
#include <optional>
#include <vector>

class Balkenmodell;

// An item of a choice list that carries the number of a truss, variant or support.
struct Verweiseintrag {
    QString text;
    int nummer = 0;
    bool operator==(const Verweiseintrag&) const = default;
};
using Verweisliste = std::vector<Verweiseintrag>;

class Variantenprojekt : public Lagerkraftquelle {
public:
    // Truss name, variant name, editor, settings text and both tables into the model (the row
    // copy by field position). False, with "Traverse nicht gefunden." or "Variante nicht
    // gefunden." in meldungen, when the variant's truss or row is gone; nothing is copied then.
    virtual bool VarianteLaden(Balkenmodell& modell, Meldungen& meldungen) = 0;
    // The model into the variant row and its nested tables; auslastung only when the results
    // belong to the data, else the field is cleared. Same messages and refusal as above.
    virtual bool VarianteZurueckschreiben(Balkenmodell& modell, std::optional<double> auslastung,
                                          Meldungen& meldungen) = 0;
    // The truss-force lists: trusses with a variant except the editor's own truss, the
    // calculated variants of a truss, the supports of a variant.
    virtual Verweisliste TraversenAuflisten() = 0;
    virtual Verweisliste VariantenAuflisten(int traverse) = 0;
    virtual Verweisliste LagerAuflisten(int traverse, int variante) = 0;
    // Before the editor deletes supports: when truss-force loads of other variants refer to
    // them, names those loads and asks frage whether to delete anyway. True when none refers or
    // the answer is yes.
    virtual bool LagerLoeschenErlaubt(const std::vector<int>& lager, const Rueckfrage& frage) = 0;
    // How the editor's caption names the project: its file's name, or its kind while unsaved.
    virtual QString Projektname() const = 0;
};
