// Undo and redo of the project window: the project's state as a step, and the names of the steps
// the floor plan's tools and the variant buttons make.
#include "language/u_uebersetzung.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_projekt.h"
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
// A button's caption as the name of its step.
QString schrittname(const QPushButton* knopf) { return knopf->text().remove(u'&'); }

// The step a click of the floor plan's tool makes; none for the selection.
QString planschritt(int werkzeug)
{
    switch (werkzeug) {
    case WerkzeugLinie: return Uebersetzt(3010, QStringLiteral("Linie zeichnen"));
    case WerkzeugRechteck: return Uebersetzt(3011, QStringLiteral("Rechteck zeichnen"));
    case WerkzeugPodestHoriz:
    case WerkzeugPodestVertic: return Uebersetzt(3012, QStringLiteral("Podest setzen"));
    case WerkzeugVerschieben: return Uebersetzt(3006, QStringLiteral("Verschieben"));
    case WerkzeugTraverse: return Uebersetzt(3013, QStringLiteral("Traverse setzen"));
    default: return {};
    }
}
} // namespace

void Tfrm_projekt::verbindeSchritte()
{
    connect(&m_projekt, &Projektmodell::Aenderung, this, [this] { setzeGeaendert(true); });
    pbGrundriss->installEventFilter(this);
    for (QPushButton* knopf : {btnNew, btnDelete, btnAnmerkung, btnDuplicate})
        connect(knopf, &QPushButton::clicked, this, [this, knopf] { BenenneSchritt(schrittname(knopf)); });
    // typing into one field is one step
    for (QLineEdit* feld : {edtProjektName, edtProjektBearbeiter, edtTravName})
        connect(feld, &QLineEdit::textEdited, this,
                [this, feld] { BenenneSchritt(Uebersetzt(3003, QStringLiteral("Eingabe")), feld); });
    connect(memProjektAnmerkungen, &QPlainTextEdit::textChanged, this, [this] {
        if (memProjektAnmerkungen->hasFocus())
            BenenneSchritt(Uebersetzt(3003, QStringLiteral("Eingabe")), memProjektAnmerkungen);
    });
}

void Tfrm_projekt::StandHerstellen(const QByteArray& stand)
{
    m_grundriss.ErstenPunktVergessen();
    m_projekt.StandHerstellen(stand);
    zeigeProjektdaten();
    zeigeTraverse();
    KnoepfeAktualisieren();
    GrundrissNeuzeichnen();
}

QByteArray Tfrm_projekt::Vergleichsstand(const QByteArray& stand) { return Projektmodell::OhneMarken(stand); }

void Tfrm_projekt::AenderungsstandGesetzt(bool geaendert)
{
    m_projekt.UebernimmAenderungsstand(geaendert); // the flag follows the steps
}

bool Tfrm_projekt::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == pbGrundriss && (ereignis->type() == QEvent::MouseButtonPress || ereignis->type() == QEvent::MouseButtonRelease)
        && static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        const int werkzeug = m_grundriss.Werkzeug();
        if (ereignis->type() == QEvent::MouseButtonPress) {
            HalteSchritt();
            BenenneSchritt(planschritt(werkzeug));
            m_verschiebt = werkzeug == WerkzeugVerschieben && m_grundriss.ErsterPunktGesetzt();
        } else if (std::exchange(m_verschiebt, false)) {
            // One move per choice of the tool: a stray click afterwards moves nothing. The
            // selection tool takes over once this release has been handled.
            LasseSchritt();
            QTimer::singleShot(0, this, [this] {
                WerkzeugWaehlen(WerkzeugSelektieren);
                Q_EMIT werkzeugGewechselt();
            });
        } else if (!(m_grundriss.ErsterPunktGesetzt() && werkzeug != WerkzeugVerschieben)) {
            // a line, rectangle or truss waiting for its second click stays one step with it
            LasseSchritt();
        }
    }
    return Dokumentfenster::eventFilter(objekt, ereignis);
}
