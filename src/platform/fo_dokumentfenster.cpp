#include "platform/fo_dokumentfenster.h"
#include "language/u_meldungstexte.h"
#include "language/u_uebersetzung.h"
#include "platform/u_fehler.h"
#include "platform/u_programm.h"
#include "platform/u_tabellenmodell_qt.h"
#include "platform/u_zahlen.h"
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopeGuard>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QUndoStack>

namespace {
// A window keeps this many steps; each holds two states of its document, shared with the steps
// beside it.
constexpr int Schrittgrenze = 100;
} // namespace

// One step: the document before and after it. Pushing it does not apply it again, the change
// has already happened.
class Dokumentfenster::Schritt : public QUndoCommand {
public:
    Schritt(Dokumentfenster& fenster, const QString& name, const QObject* getipptIn, bool still, QByteArray vorher,
            QByteArray nachher)
        : QUndoCommand(name), m_fenster(fenster), m_vorher(std::move(vorher)), m_nachher(std::move(nachher)),
          m_getipptIn(getipptIn), m_still(still) {}
    bool still() const { return m_still; }
    int id() const override { return m_getipptIn ? 1 : -1; }
    bool mergeWith(const QUndoCommand* folgender) override
    {
        const auto* schritt = static_cast<const Schritt*>(folgender);
        if (schritt->m_getipptIn != m_getipptIn || schritt->text() != text() || schritt->m_still != m_still)
            return false;
        m_nachher = schritt->m_nachher;
        return true;
    }
    void undo() override { m_fenster.stelleHer(m_vorher); }
    void redo() override
    {
        if (m_neu)
            m_neu = false;
        else
            m_fenster.stelleHer(m_nachher);
    }

private:
    Dokumentfenster& m_fenster;
    QByteArray m_vorher, m_nachher;
    const QObject* m_getipptIn;
    bool m_still;
    bool m_neu = true;
};

std::optional<Dokumentart> DokumentartVon(const QString& pfad)
{
    static const std::pair<const char*, Dokumentart> endungen[] = {
        {"prp", Dokumentart::Projekt},   {"pre", Dokumentart::Einzelprojekt},
        {"prt", Dokumentart::Traverse},  {"prb", Dokumentart::Belastungstabelle},
        {"prl", Dokumentart::Sprache}};
    const QString endung = QFileInfo(pfad).suffix().toLower();
    for (const auto& [e, art] : endungen)
        if (endung == QLatin1String(e))
            return art;
    return std::nullopt;
}

DateiDialog DokumentDialog(Dokumentart art, bool speichern)
{
    const QString alle = u'|' + Uebersetzt(1233, QStringLiteral("Alle Dateien")) + QStringLiteral(" *.*|*.*");
    const QString projekte = Programmverzeichnis() + QStringLiteral("Projekte/");
    DateiDialog d;
    d.titel = speichern ? Uebersetzt(1232, QStringLiteral("Speichern unter")) : Uebersetzt(1231, QStringLiteral("Öffnen"));
    switch (art) {
    case Dokumentart::Projekt:
        d.filter = Uebersetzt(1234, QStringLiteral("Kelvara VLX Projekt")) + QStringLiteral(" *.prp|*.prp") + alle;
        d.standardEndung = speichern ? QStringLiteral("prp") : QString();
        d.startordner = projekte;
        break;
    case Dokumentart::Einzelprojekt:
        d.filter = Uebersetzt(1235, QStringLiteral("Kelvara VLX Einzelprojekt")) + QStringLiteral(" *.pre|*.pre") + alle;
        d.standardEndung = QStringLiteral("pre");
        d.startordner = projekte;
        break;
    case Dokumentart::Traverse:
        d.filter = Uebersetzt(1236, QStringLiteral("Kelvara Traverse")) + QStringLiteral(" *.prt|*.prt") + alle;
        d.standardEndung = speichern ? QStringLiteral("prt") : QString();
        d.startordner = speichern ? Programmverzeichnis() + QStringLiteral("Traversen") : QString();
        break;
    case Dokumentart::Belastungstabelle:
        d.filter = Uebersetzt(1237, QStringLiteral("Kelvara Belastungstabelle")) + QStringLiteral(" *.prb|*.prb") + alle;
        d.standardEndung = speichern ? QStringLiteral("prb") : QString();
        d.startordner = speichern ? Programmverzeichnis() + QStringLiteral("Traversen") : QString();
        break;
    case Dokumentart::Sprache:
        d.filter = Uebersetzt(1238, QStringLiteral("Kelvara Sprach-Datei")) + QStringLiteral(" (*.prl)|*.prl") + alle;
        d.standardEndung = speichern ? QStringLiteral("prl") : QString();
        d.startordner = speichern ? Programmverzeichnis() + QStringLiteral("Sprachen") : QString();
        break;
    }
    return d;
}

Dokumentfenster::Dokumentfenster(QWidget* eltern) : QMainWindow(eltern)
{
    setAttribute(Qt::WA_DeleteOnClose);
    Statusfeld(0)->setMinimumWidth(80);
    baueSchritte();
}

Dokumentfenster::~Dokumentfenster()
{
    // the stack dies with the window's children and must not report to what is gone by then
    m_schritte->disconnect(this);
}

void Dokumentfenster::baueSchritte()
{
    m_schritte = new QUndoStack(this);
    m_schritte->setUndoLimit(Schrittgrenze);
    Bearbeiten1 = new QMenu(this);
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    Rueckgaengig1 = Bearbeiten1->addAction(QString());
    Rueckgaengig1->setObjectName(QStringLiteral("Rueckgaengig1"));
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederholen1 = Bearbeiten1->addAction(QString());
    Wiederholen1->setObjectName(QStringLiteral("Wiederholen1"));
    Wiederholen1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(Rueckgaengig1, &QAction::triggered, this, &Dokumentfenster::Rueckgaengig);
    connect(Wiederholen1, &QAction::triggered, this, &Dokumentfenster::Wiederholen);
    connect(m_schritte, &QUndoStack::indexChanged, this, [this] {
        zeigeSchrittTexte();
        if (!m_schiebt) // a new step: setzeGeaendert has set the mark
            zeigeMarkeDerSchritte();
    });
    zeigeSchrittTexte();
}

void Dokumentfenster::zeigeSchrittTexte()
{
    const auto text = [](int id, const char* deutsch, const QString& schritt) {
        const QString befehl = Uebersetzt(id, QString::fromUtf8(deutsch));
        return schritt.isEmpty() ? befehl : befehl + QStringLiteral(": ") + schritt;
    };
    Bearbeiten1->setTitle(Uebersetzt(3000, QStringLiteral("&Bearbeiten")));
    Rueckgaengig1->setText(text(3001, "&Rückgängig", m_schritte->undoText()));
    Wiederholen1->setText(text(3002, "&Wiederholen", m_schritte->redoText()));
    Rueckgaengig1->setEnabled(m_schritte->canUndo());
    Wiederholen1->setEnabled(m_schritte->canRedo());
}

void Dokumentfenster::BenenneSchritt(const QString& name, const QObject* getipptIn)
{
    if (m_stelltHer)
        return;
    if (m_schrittname.isEmpty() && !name.isEmpty()) {
        m_schrittname = name;
        m_getipptIn = getipptIn;
    }
    if (!m_abschlussGeplant) {
        m_abschlussGeplant = true;
        planeAbschluss(QThread::currentThread()->loopLevel(), 0);
    }
}

// A dialog the action opens runs an event loop of its own; the step waits until the action's
// loop is back.
void Dokumentfenster::planeAbschluss(int schleife, int ms)
{
    QTimer::singleShot(ms, this, [this, schleife] {
        if (QThread::currentThread()->loopLevel() > schleife)
            return planeAbschluss(schleife, 50);
        m_abschlussGeplant = false;
        if (!m_gehalten)
            SchrittAbschliessen();
    });
}

void Dokumentfenster::StillerSchritt(const QString& name, const QObject* getipptIn)
{
    if (m_stelltHer)
        return;
    if (!m_schrittOffen)
        m_still = true;
    m_schrittOffen = true;
    BenenneSchritt(name, getipptIn);
}

void Dokumentfenster::SchrittAbschliessen()
{
    const QString name = std::exchange(m_schrittname, QString());
    const QObject* getipptIn = std::exchange(m_getipptIn, nullptr);
    const bool still = std::exchange(m_still, false);
    if (!std::exchange(m_schrittOffen, false))
        return;
    QByteArray stand = Stand();
    if (gleich(stand, m_stand))
        return;
    m_schiebt = true;
    const auto zurueck = qScopeGuard([this] { m_schiebt = false; });
    m_schritte->push(new Schritt(*this, name.isEmpty() ? Uebersetzt(3003, QStringLiteral("Eingabe")) : name, getipptIn,
                                 still, std::exchange(m_stand, stand), stand));
    if (still)
        zeigeMarkeDerSchritte();
}

void Dokumentfenster::OhneSchritt()
{
    m_schrittOffen = false;
    m_still = false;
    m_getipptIn = nullptr;
    m_schrittname.clear();
    m_stand = Stand();
}

void Dokumentfenster::LasseSchritt()
{
    QTimer::singleShot(0, this, [this] {
        m_gehalten = false;
        SchrittAbschliessen();
    });
}

bool Dokumentfenster::gleich(const QByteArray& a, const QByteArray& b)
{
    return a == b || Vergleichsstand(a) == Vergleichsstand(b);
}

void Dokumentfenster::stelleHer(const QByteArray& stand)
{
    m_stelltHer = true;
    const auto zurueck = qScopeGuard([this] { m_stelltHer = false; });
    try {
        StandHerstellen(stand);
    } catch (const Fehler& fehler) { // a state no step should hold; never out of the event loop
        dialoge().Meldung(fehler.meldung());
        return;
    }
    m_stand = stand;
    m_schrittOffen = false;
    m_schrittname.clear();
    m_getipptIn = nullptr;
    m_still = false;
}

void Dokumentfenster::Rueckgaengig()
{
    OffeneZellenUebernehmen(this);
    SchrittAbschliessen();
    m_schritte->undo();
}

void Dokumentfenster::Wiederholen()
{
    OffeneZellenUebernehmen(this);
    SchrittAbschliessen();
    m_schritte->redo();
}

QLabel* Dokumentfenster::Statusfeld(int nummer)
{
    while (int(m_statusfelder.size()) <= nummer) {
        auto* feld = new QLabel(this);
        feld->setFrameShape(QFrame::Panel);
        feld->setFrameShadow(QFrame::Sunken);
        feld->setObjectName(QStringLiteral("Statusfeld%1").arg(m_statusfelder.size()));
        statusBar()->addWidget(feld);
        m_statusfelder.push_back(feld);
    }
    return m_statusfelder[nummer];
}

void Dokumentfenster::setzeDateiname(const QString& pfad)
{
    if (m_dateiname == pfad)
        return;
    m_dateiname = pfad;
    m_dateistand = StandVon(pfad);
    Q_EMIT zustandGeaendert();
}

bool Dokumentfenster::ZeigtDatei(const QString& pfad) const
{
    const QString eigene = QFileInfo(m_dateiname).canonicalFilePath();
    return !m_dateiname.isEmpty() && !eigene.isEmpty() && eigene == QFileInfo(pfad).canonicalFilePath();
}

Dokumentfenster::Dateistand Dokumentfenster::StandVon(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.isFile())
        return {};
    return {info.lastModified(), info.size()};
}

bool Dokumentfenster::SpeichernUnter(const QString& pfad)
{
    if (!DateiSchreiben(pfad))
        return false;
    if (ZeigtDatei(pfad))
        m_dateistand = StandVon(m_dateiname);
    return true;
}

bool Dokumentfenster::DarfEigeneDateiUeberschreiben()
{
    if (StandVon(m_dateiname) == m_dateistand)
        return true;
    const QString frage = Format(Uebersetzt(2800, QStringLiteral("Die Datei %s wurde außerhalb dieses Fensters geändert.")),
                                 {QFileInfo(m_dateiname).fileName()})
                          + QStringLiteral("\r\n") + Meldungstext(3);
    return dialoge().FrageJaNein(frage) == Antwort::Ja;
}

void Dokumentfenster::setzeGeaendert(bool geaendert)
{
    if (m_stelltHer)
        return;
    if (geaendert) {
        m_schrittOffen = true;
        m_still = false;
        BenenneSchritt(QString());
    } else {
        // saved or loaded: a state that no step leads to starts the history anew
        SchrittAbschliessen();
        QByteArray stand = Stand();
        if (!gleich(stand, m_stand))
            m_schritte->clear();
        m_stand = std::move(stand);
        m_schritte->setClean();
    }
    zeigeMarke(geaendert);
}

void Dokumentfenster::Geladen()
{
    OhneSchritt();
    m_schritte->clear();
    setzeGeaendert(false);
}

void Dokumentfenster::zeigeMarkeDerSchritte()
{
    // changed when a step that is not still lies between the saved state and the current one
    const int sauber = m_schritte->cleanIndex(), jetzt = m_schritte->index();
    bool geaendert = sauber < 0;
    for (int i = std::min(sauber, jetzt); !geaendert && i >= 0 && i < std::max(sauber, jetzt); ++i)
        geaendert = !static_cast<const Schritt*>(m_schritte->command(i))->still();
    zeigeMarke(geaendert);
    AenderungsstandGesetzt(geaendert);
}

void Dokumentfenster::zeigeMarke(bool geaendert)
{
    if (m_geaendert == geaendert)
        return;
    m_geaendert = geaendert;
    zeigeAenderungsmarke();
    Q_EMIT zustandGeaendert();
}

QString Dokumentfenster::Aenderungsmarke() const { return Meldungstext(1); }

QString Dokumentfenster::Schliessfrage() const
{
    const QString name = m_dateiname.isEmpty() ? windowTitle() : m_dateiname;
    return Format(Meldungstext(4), {name}) + QStringLiteral("\r\n") + Meldungstext(5);
}

QString Dokumentfenster::Dokumentname(const QString& art) const
{
    if (m_dateiname.isEmpty())
        return art;
    return art + u' ' + QFileInfo(m_dateiname).fileName();
}

QString Dokumentfenster::Aenderungsfrage(const QString& art, const QString& frage) const
{
    return Format(Meldungstext(4), {Dokumentname(art)}) + QStringLiteral("\r\n") + frage;
}

void Dokumentfenster::zeigeAenderungsmarke()
{
    Statusfeld(0)->setText(m_geaendert ? Aenderungsmarke() : QString());
    zeigeSchrittTexte();
}

void Dokumentfenster::fuegeMenueHinzu(int gruppe, QMenu* menue)
{
    m_menues.push_back({gruppe, menue});
    if (m_menues.size() == 1)
        m_menues.push_back({gruppe, Bearbeiten1});
}

bool Dokumentfenster::SpeichernMitRueckfall()
{
    OffeneZellenUebernehmen(this);
    if (!m_dateiname.isEmpty() && QFileInfo(m_dateiname).isFile()) {
        if (!DarfEigeneDateiUeberschreiben())
            return false;
        m_speichertEigeneDatei = true;
        const auto zurueck = qScopeGuard([this] { m_speichertEigeneDatei = false; });
        return SpeichernUnter(m_dateiname);
    }
    const std::optional<QString> pfad = dialoge().DateiSpeichern(SpeichernDialog());
    return pfad && SpeichernUnter(*pfad);
}

bool Dokumentfenster::DarfUeberschreiben(const QString& pfad, const QString& frage)
{
    if (m_speichertEigeneDatei || !QFileInfo::exists(pfad))
        return true;
    return dialoge().FrageJaNein(frage) == Antwort::Ja;
}

bool Dokumentfenster::SchliessenErlaubt()
{
    if (!m_geaendert)
        return true;
    switch (dialoge().FrageJaNeinAbbrechen(Schliessfrage())) {
    case Antwort::Nein: return true;
    case Antwort::Abbrechen: return false;
    case Antwort::Ja: break;
    }
    try {
        return SpeichernMitRueckfall();
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
        return false;
    }
}

bool Dokumentfenster::FrageSchliessen()
{
    // the dependants first: what they save goes into this document before it is asked
    for (Dokumentfenster* abhaengig : Abhaengige())
        if (!abhaengig->FrageSchliessen())
            return false;
    OffeneZellenUebernehmen(this);
    return SchliessenErlaubt();
}

void Dokumentfenster::SchliesseOhneFrage()
{
    for (Dokumentfenster* abhaengig : Abhaengige())
        abhaengig->SchliesseOhneFrage();
    m_schliessenBestaetigt = true;
    close();
}

void Dokumentfenster::closeEvent(QCloseEvent* ereignis)
{
    if (!m_schliessenBestaetigt && !FrageSchliessen()) {
        ereignis->ignore();
        return;
    }
    for (Dokumentfenster* abhaengig : Abhaengige())
        abhaengig->SchliesseOhneFrage();
    m_geschlossen = true;
    ereignis->accept();
}

void Dokumentfenster::showEvent(QShowEvent* ereignis)
{
    if (!m_texteGesetzt) {
        m_texteGesetzt = true;
        TexteSetzen();
        WaechstMitDenTexten();
        // what the user first sees is where undoing stops; setting the window up is no step
        if (m_schritte->count() == 0)
            OhneSchritt();
    }
    QMainWindow::showEvent(ereignis);
}

void Dokumentfenster::WaechstMitDenTexten()
{
    const QSize noetig = size().expandedTo(minimumSizeHint());
    if (noetig == size())
        return;
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()))
        rahmen->resize(rahmen->size() - size() + noetig);
    else
        resize(noetig);
}
