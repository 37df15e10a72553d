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
}

void Dokumentfenster::fuegeMenueHinzu(int gruppe, QMenu* menue) { m_menues.push_back({gruppe, menue}); }

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
