#include "beam/fo_variante.h"
#include "beam/fo_cadflaeche.h"
#include "beam/fo_print_variante.h"
#include "beam/fo_zeilenpanel.h"
#include "beam/g_auslastungsbild.h"
#include "beam/g_cadansicht.h"
#include "beam/u_einzelprojekt.h"
#include "beam/u_variantenprojekt.h"
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge.h"
#include "platform/u_fehler.h"
#include "platform/u_programm.h"
#include "platform/u_zahlen.h"
#include "shell/fo_menu.h"
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include "platform/u_tabellenmodell_qt.h"
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QString ganzzahl(double wert) { return FormatFloat(QStringLiteral("### ### ##0"), wert).trimmed(); }
} // namespace

Tfrm_variante::Tfrm_variante(QWidget* eltern) : Dokumentfenster(eltern)
{
    aufbauen();
    einzelprojektmodus();
    werkzeuge.AllesAbwaehlen();
    Geladen();
    ZeigeTraverse();
}

Tfrm_variante::Tfrm_variante(Variantenprojekt& projekt, QWidget* eltern) : Dokumentfenster(eltern), m_projekt(&projekt)
{
    aufbauen();
    werkzeuge.projekt = m_projekt;
    werkzeuge.lagerLoeschenErlaubt = [this](const std::vector<int>& lager) { return m_projekt->LagerLoeschenErlaubt(lager, FrageBejaht); };
    rechnung.projekt = m_projekt;
    MitMeldungen([&](Meldungen& meldungen) { return m_projekt->VarianteLaden(modell, meldungen); });
    modell.ZaehlerSetzen();
    werkzeuge.AllesAbwaehlen();
    ZeigeTraverse();
    Geladen();
    setzeBerechnet(false);
}

Tfrm_variante::~Tfrm_variante() = default;

void Tfrm_variante::aufbauen()
{
    setObjectName(QStringLiteral("frm_variante"));
    const int breiten[] = {120, 80, 80, 50};
    for (int i = 0; i < 4; ++i)
        Statusfeld(i)->setMinimumWidth(breiten[i]);
    Statusfeld(3)->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred); // the load case and total load texts

    pcHaupt = new QTabWidget(this);
    pcHaupt->setObjectName(QStringLiteral("pcHaupt"));
    setCentralWidget(pcHaupt);
    actBerechnen = new QAction(this);
    actBerechnen->setObjectName(QStringLiteral("actBerechnen"));
    actMinimal = new QAction(this);
    actMinimal->setObjectName(QStringLiteral("actMinimal"));
    actMinimal->setCheckable(true);
    actNegativ = new QAction(this);
    actNegativ->setObjectName(QStringLiteral("actNegativ"));
    actNegativ->setCheckable(true);
    connect(actBerechnen, &QAction::triggered, this, &Tfrm_variante::Berechnen);
    connect(actMinimal, &QAction::toggled, this, [this](bool an) { modell.minimal = an; });
    connect(actNegativ, &QAction::toggled, this, [this](bool an) { modell.negativ = an; });

    baueCadTab();
    baueTabellenTab();
    baueAuslastungTab();
    baueDurchlaufTab();
    baueMenues();
    legeBeschriftungenAn();
    verbindeModell();
    verbindeSchritte();

    tbSize->setValue(10);
    ansicht.SetzeMassstab(Cadansicht::MassstabVonRegler(10));
    werkzeugGewaehlt(ArtSelektieren);
    pcHaupt->setCurrentWidget(tab_cad);
    connect(this, &Dokumentfenster::zustandGeaendert, this, &Tfrm_variante::zeigeStatus);
}

void Tfrm_variante::beschrifte(QObject* ziel, int id, const char* deutsch)
{
    // The built-in German text stands in the control, as the lookup expects it there.
    const QString text = QString::fromUtf8(deutsch);
    if (auto* menue = qobject_cast<QMenu*>(ziel))
        menue->setTitle(text);
    else if (auto* aktion = qobject_cast<QAction*>(ziel))
        aktion->setText(text);
    else if (auto* gruppe = qobject_cast<QGroupBox*>(ziel))
        gruppe->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(ziel))
        label->setText(text);
    else if (auto* seite = qobject_cast<QWidget*>(ziel); seite && seite->parentWidget()
             && qobject_cast<QTabWidget*>(seite->parentWidget()->parentWidget())) {
        auto* reiter = qobject_cast<QTabWidget*>(seite->parentWidget()->parentWidget());
        reiter->setTabText(reiter->indexOf(seite), text);
    } else if (seite) {
        seite->setWindowTitle(text);
    }
    m_beschriftungen.push_back({ziel, id});
}

void Tfrm_variante::legeBeschriftungenAn()
{
    beschrifte(this, 2040, "Variante");
    beschrifte(Einzelprojekt1, 2041, "&Einzelprojekt");
    beschrifte(Schlieen1, 2042, "&Schließen");
    beschrifte(Sschlieen1, 2042, "&Schließen");
    beschrifte(Variante1, 2043, "&Variante");
    beschrifte(Speichern1, 2044, "&Speichern");
    beschrifte(alteFassung1, 2045, "&alte Fassung");
    beschrifte(importieren1, 2046, "&importieren");
    beschrifte(exportieren1, 2047, "&exportieren");
    beschrifte(tab_cad, 2049, "CAD");
    beschrifte(gbInfo, 2050, " Info: ");
    beschrifte(gbAnsicht, 2051, " Ansicht: ");
    beschrifte(lblEinhKraft, 2052, "Einheit Kräfte");
    beschrifte(lblEinhStrelast, 2053, "Einheit Streckenlast");
    beschrifte(gbLastBib, 2054, " Lastenbibliothek: ");
    beschrifte(gbWerkzeug, 2055, "  Werkzeug: ");
    for (QLabel* l : {lblGroesse, lblTravKraftBreite, lbldbBreite, lblBreite2, lblravBreite})
        beschrifte(l, 2056, "Breite [m]");
    beschrifte(lblLast, 2057, "Last");
    for (QLabel* l : {lblName, lbldbName, lblName2})
        beschrifte(l, 2058, "Name");
    beschrifte(lblAequivalenzflaeche, 2059, "Äquivalenzfläche A*cw [m²]");
    beschrifte(lblTravKraftLast, 2060, "Last [N]");
    beschrifte(lblTravKraftTraverse, 2061, "Traverse");
    beschrifte(lblTravKraftVariante, 2062, "Variante");
    beschrifte(lblTravKraftLager, 2063, "Lager");
    beschrifte(lbldbNummer, 2064, "Nummer");
    beschrifte(lblNummer, 2064, "Nummer");
    beschrifte(lbldbPos, 2065, "Pos");
    beschrifte(lblEigenlast, 2066, "Eigenlast [N]");
    beschrifte(lbldbMaximallast, 2067, "Maximallast [N]");
    beschrifte(lbldbMinimalkraft, 2068, "Minimalkraft [N]");
    beschrifte(lblPos1, 2069, "Pos1");
    beschrifte(lblPos2, 2070, "Pos2");
    beschrifte(lblLast2, 2071, "Last [N]");
    beschrifte(gbTraverse, 2072, " Traverse: ");
    beschrifte(lblLaenge, 2073, "Länge [m]");
    beschrifte(lblHoehe, 2074, "Höhe [m]");
    beschrifte(lblEigenlast2, 2075, "Eigenlast [N/m]");
    beschrifte(lblQuerkraft, 2076, "zulässige Querkraft [N]");
    beschrifte(lblBiegemoment, 2077, "zulässiges Biegemoment [Nm]");
    beschrifte(gbVariante, 2078, " Variante: ");
    beschrifte(lbl_VName, 2079, "Name: ");
    beschrifte(lbl_VBearbeiter, 2080, "Bearbeiter");
    beschrifte(tab_Auslastung, 2081, "Auslastung");
    beschrifte(actBerechnen, 2082, "&Berechnen");
    beschrifte(actMinimal, 2083, "Minimalkräfte berücksichtigen");
    beschrifte(actNegativ, 2084, "auch Tragfälle mit negativen Lagerkräften berücksichtigen");
    beschrifte(tab_Tabellen, 2600, "Tabellen");
    beschrifte(tabLager, 2601, "Lager");
    beschrifte(tabLasten, 2615, "Lasten");
    beschrifte(tabTrag, 2628, "Tragfälle");
    beschrifte(tabMaxima, 2640, "Maxima");
    beschrifte(lblLagMax, 2641, "Maximallast");
    beschrifte(lblLagMin, 2642, "Minimalkraft");
    beschrifte(lblStaudruck, 2085, "Staudruck [kN/m²]");
    beschrifte(lblLagerVersetzen, 2086, "Lager versetzen");
    beschrifte(tab_Durchlauf, 2855, "Durchlaufträger");
    beschrifte(lblDurchbiegungsgrenze, 2856, "Durchbiegungsgrenze L /");
    beschrifte(lblTravEI, 2857, "EI [kNm²]");
    beschrifte(lblPosX1, 2830, "x1 [m]");
    beschrifte(lblPosX2, 2831, "x2 [m]");
    beschrifte(lblAnzahl, 2832, "Anzahl n");
    beschrifte(lblLastAlle, 2837, "Last aller gewählten Lasten");
}

void Tfrm_variante::verbindeModell()
{
    connect(&werkzeuge, &Cadwerkzeuge::neuZeichnen, this, &Tfrm_variante::neuZeichnen);
    connect(&werkzeuge, &Cadwerkzeuge::meldung, this, &ZeigeMeldung);
    connect(&werkzeuge, &Cadwerkzeuge::geaendert, this, [this] {
        setzeGeaendert(true);
        setzeBerechnet(false);
    });
    connect(&werkzeuge, &Cadwerkzeuge::zeigerSetzen, pbCAD, &Cadflaeche::ZeigerSetzen);
    connect(&werkzeuge, &Cadwerkzeuge::auswahlGeaendert, this, &Tfrm_variante::zeigeAuswahl);
}

void Tfrm_variante::baueMenues()
{
    const auto aktion = [this](const char* name) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    Schlieen1 = aktion("Schlieen1");
    Sschlieen1 = aktion("Sschlieen1");
    Speichern1 = aktion("Speichern1");
    alteFassung1 = aktion("alteFassung1");
    importieren1 = aktion("importieren1");
    exportieren1 = aktion("exportieren1");
    for (QAction* schliessen : {Schlieen1, Sschlieen1})
        connect(schliessen, &QAction::triggered, this, &QWidget::close);
    connect(Speichern1, &QAction::triggered, this, &Tfrm_variante::Zurueckschreiben);
    connect(alteFassung1, &QAction::triggered, this, &Tfrm_variante::AlteFassung);
    connect(importieren1, &QAction::triggered, this, &Tfrm_variante::Importieren);
    connect(exportieren1, &QAction::triggered, this, &Tfrm_variante::Exportieren);

    Einzelprojekt1 = new QMenu(this);
    Einzelprojekt1->setObjectName(QStringLiteral("Einzelprojekt1"));
    for (const char* name : {"act_e_new", "act_e_open", "act_e_save", "act_e_filesaveas"})
        Einzelprojekt1->addAction(Tfrm_menu::Aktion(QString::fromLatin1(name)));
    Einzelprojekt1->addSeparator();
    Einzelprojekt1->addAction(Tfrm_menu::Aktion(QStringLiteral("act_e_print")));
    Einzelprojekt1->addSeparator();
    Einzelprojekt1->addAction(Schlieen1);

    Variante1 = new QMenu(this);
    Variante1->setObjectName(QStringLiteral("Variante1"));
    Variante1->addAction(Speichern1);
    Variante1->addAction(alteFassung1);
    Variante1->addSeparator();
    Variante1->addAction(importieren1);
    Variante1->addAction(exportieren1);
    Variante1->addAction(Tfrm_menu::Aktion(QStringLiteral("act_e_print")));
    Variante1->addSeparator();
    Variante1->addAction(Sschlieen1);
    // Both menus take the place of the frame's "&Einzelprojekt"; only the one of the mode shows.
    fuegeMenueHinzu(2, Projektmodus() ? Variante1 : Einzelprojekt1);
}

void Tfrm_variante::einzelprojektmodus()
{
    werkzeugknoepfe[ArtTraversenkraft]->hide();
}

void Tfrm_variante::TexteSetzen()
{
    static const char* const namen[] = {
        " Elemente gewählt", "Selektieren", "Lager", "Kraft", "Streckenlast", "Motorzug", "Scheinwerfer", "PAR",
        "Scanner", "MH Spot", "MH Wash", "4er-Bar", "6er-Bar", "Box", "Line-Array", "Beamer",
        "gewählte Elemente löschen?", "Soll die zuletzt gespeicherte Fassung wiederhergestellt werden?",
        "Traverse nicht gefunden.", "Variante nicht gefunden.", "Projekt nicht gefunden!", "Berechnet",
        "Traversenlänge", "Neue Traversenlänge eingeben:", "keine gültiges Einzelprojekt",
        "kein gültiges Lager gewählt", "Fehler: Lager nicht gefunden! (%s)", "Soll Einzelprojekt importiert werden ?",
        " Gurte", "Gesamtlast (%s): %12.2f N    %12.2f kg", " Projektdaten: ", "Last nicht gefunden",
        "Tragfall %d von %d", "nur Gewichtslasten", "Gewichts- und Windlasten", "nur Windlasten",
        "keine Traverse gewählt"};
    // The message strings are looked up where they are used; recording them here makes every one
    // of them known to the language table in this order.
    for (int i = 0; i < int(std::size(namen)); ++i)
        Uebersetzt(2001 + i, QString::fromUtf8(namen[i]));
    modell.SetzeModustexte();

    for (const Beschriftung& b : m_beschriftungen) {
        if (auto* menue = qobject_cast<QMenu*>(b.ziel))
            UebersetzeMenuItem(menue, b.id);
        else if (auto* aktion = qobject_cast<QAction*>(b.ziel))
            UebersetzeAction(aktion, b.id);
        else
            UebersetzeControl(qobject_cast<QWidget*>(b.ziel), b.id);
    }
    if (!Projektmodus())
        gbVariante->setTitle(Uebersetzt(2031, QStringLiteral(" Projektdaten: ")));
    // The buttons and check boxes show the texts of their shared actions.
    for (QAbstractButton* knopf : {static_cast<QAbstractButton*>(btnBerechnen2), static_cast<QAbstractButton*>(btnBerechnen),
                                   static_cast<QAbstractButton*>(btnBerechnen3)})
        knopf->setText(actBerechnen->text());
    for (QCheckBox* kasten : {cbMinimal, cbMinimal2})
        kasten->setText(actMinimal->text());
    for (QCheckBox* kasten : {cbNegativ, cbNegativ2})
        kasten->setText(actNegativ->text());
    TexteSetzenPanele();
    TexteSetzenTabellen();
    TexteSetzenWerkzeuge();

    setzeTitel();
    zeigeStatus();
    ZeigeTraverse(); // also the mode list, now in the new language
    zeigeAuswahl();
    zeigeDurchlauf();
}

void Tfrm_variante::setzeTitel(bool nachDatei)
{
    // A file read or written names the caption in either mode.
    // a project variant names its project and itself, so two editors can be told apart
    if (Projektmodus() && !nachDatei)
        setWindowTitle(Uebersetzt(2040, QStringLiteral("Variante")) + u' ' + modell.variantenname + QStringLiteral(" – ")
                       + m_projekt->Projektname());
    else
        setWindowTitle(Format(QStringLiteral("Projekt [%s]"), {Dateiname()}));
}

void Tfrm_variante::zeigeStatus()
{
    Statusfeld(1)->setText(m_berechnet ? Uebersetzt(2022, QStringLiteral("Berechnet")) : QString());
    // the total load of the last calculation, in the language now active
    if (m_berechnet && rechnung.berechnet && Statusfeld(3)->text() == rechnung.statusGesamtlast) {
        rechnung.SetzeStatustexte();
        Statusfeld(3)->setText(rechnung.statusGesamtlast);
    }
}

void Tfrm_variante::setzeBerechnet(bool berechnet)
{
    m_berechnet = berechnet;
    zeigeStatus();
    if (modell.kraefteAktuell != berechnet) { // the drawing shows or drops the support forces
        modell.kraefteAktuell = berechnet;
        neuZeichnen();
    }
}

void Tfrm_variante::neuZeichnen()
{
    if (pbCAD)
        pbCAD->neuZeichnen();
    if (pbAuslastung)
        pbAuslastung->update();
}

void Tfrm_variante::Berechnen()
{
    SchrittAbschliessen(); // the calculation lets events through, the change before it is one step
    QApplication::setOverrideCursor(Qt::WaitCursor);
    rechnung.zeigeStatus = [this](const QString& text) { Statusfeld(3)->setText(text); };
    // Only paint and status events: a click during the calculation must not change the model.
    rechnung.ereignisseVerarbeiten = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    Meldungen meldungen;
    try {
        meldungen = rechnung.Berechnen();
        OhneSchritt();
    } catch (const Fehler& fehler) {
        OhneSchritt();
        QApplication::restoreOverrideCursor();
        legeErgebnisgitterAn();
        zeigeWarnungen();
        zeigeDurchlauf();
        ZeigeMeldungen(rechnung.meldungen); // those met before the fault
        dialoge().Meldung(fehler.meldung());
        return;
    }
    QApplication::restoreOverrideCursor();
    ZeigeMeldungen(meldungen);
    Statusfeld(2)->setText(rechnung.statusAuslastung);
    zeigeWarnungen();
    Statusfeld(3)->setText(rechnung.statusGesamtlast);
    setzeBerechnet(true);
    legeErgebnisgitterAn();
    zeigeDurchlauf();
    neuZeichnen();
}

void Tfrm_variante::setzeModifikatorstufe(int stufe)
{
    // The keyboard hook has already left text inputs and shortcuts out.
    if (pcHaupt->currentWidget() == tab_Auslastung)
        return;
    werkzeuge.Zoomen(stufe, pbCAD->Zeiger());
}

void Tfrm_variante::nachDemLesen()
{
    modell.ZaehlerSetzen();
    werkzeuge.AllesAbwaehlen();
    ZeigeTraverse();
    setzeTitel(true);
    Geladen();
    neuZeichnen();
}

bool Tfrm_variante::Laden(const QString& pfad)
{
    // a wrong header is shown and nothing is taken
    if (!MitMeldungen([&](Meldungen& meldungen) { return LeseEinzelprojekt(modell, pfad, meldungen); }))
        return false;
    setzeDateiname(pfad);
    nachDemLesen();
    return true;
}

bool Tfrm_variante::DateiSchreiben(const QString& pfad)
{
    if (!DarfUeberschreiben(pfad, Ueberschreibfrage(pfad)))
        return false;
    try {
        SchreibeEinzelprojekt(modell, pfad);
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
        return false;
    }
    setzeDateiname(pfad);
    setzeTitel(true);
    setzeGeaendert(false);
    return true;
}

void Tfrm_variante::Drucken()
{
    // The report works on fresh results.
    Berechnen();
    if (!m_berechnet)
        return;
    const CadAbbildung abbildung{ansicht.ansichtsmitte, ansicht.massstab, ansicht.zoomfaktor, pbCAD->size()};
    const QImage bild = Auslastungsbild(pbCAD->size(), abbildung, &rechnung.cds_maxima,
                                        [this](QPainter& maler, const QRect& rechteck, const QColor& hintergrund) {
                                            ZeichneBalken(maler, rechteck, hintergrund, ansicht, modell);
                                        });
    Tfrm_print_variante::Drucken(modell, rechnung, bild, this);
}

bool Tfrm_variante::Zurueckschreiben()
{
    if (!m_projekt)
        return false;
    modell.cds_lager.CheckBrowseMode();
    modell.cds_lasten.CheckBrowseMode();
    const std::optional<double> auslastung = m_berechnet ? rechnung.auslastung : std::nullopt;
    if (!MitMeldungen([&](Meldungen& meldungen) { return m_projekt->VarianteZurueckschreiben(modell, auslastung, meldungen); }))
        return false;
    setzeGeaendert(false);
    return true;
}

void Tfrm_variante::AlteFassung()
{
    if (!m_projekt)
        return;
    if (dialoge().FrageJaNein(Uebersetzt(2018, QStringLiteral("Soll die zuletzt gespeicherte Fassung wiederhergestellt werden?")))
        != Antwort::Ja)
        return;
    modell.cds_lager.CheckBrowseMode();
    modell.cds_lasten.CheckBrowseMode();
    if (!MitMeldungen([&](Meldungen& meldungen) { return m_projekt->VarianteLaden(modell, meldungen); }))
        return;
    ZeigeTraverse();
    Geladen();
    neuZeichnen();
}

void Tfrm_variante::Importieren()
{
    if (dialoge().FrageJaNein(Uebersetzt(2028, QStringLiteral("Soll Einzelprojekt importiert werden ?"))) != Antwort::Ja)
        return;
    const std::optional<QString> datei = dialoge().DateiOeffnen(DokumentDialog(Dokumentart::Einzelprojekt, false));
    if (!datei)
        return;
    try {
        Laden(*datei);
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
    }
}

void Tfrm_variante::Exportieren()
{
    if (const std::optional<QString> datei = dialoge().DateiSpeichern(SpeichernDialog()))
        SpeichernUnter(*datei);
}

QString Tfrm_variante::Schliessfrage() const
{
    const QString dokument = Projektmodus() ? Uebersetzt(2040, QStringLiteral("Variante"))
                                            : Uebersetzt(2091, QStringLiteral("Einzelprojekt"));
    return Aenderungsfrage(dokument, Meldungstext(5));
}

bool Tfrm_variante::SchliessenErlaubt()
{
    if (!Projektmodus())
        return Dokumentfenster::SchliessenErlaubt();
    if (!Geaendert())
        return true;
    switch (dialoge().FrageJaNeinAbbrechen(Schliessfrage())) {
    case Antwort::Nein: return true;
    case Antwort::Abbrechen: return false;
    case Antwort::Ja: break;
    }
    // A write-back that did not happen (the variant is gone) keeps the window open.
    return Zurueckschreiben();
}

void Tfrm_variante::ZeigeTraverse()
{
    const Traversenwerte& t = modell.traverse;
    const QString zwei = QStringLiteral("0.00");
    lblTravName->setText(modell.traversenname);
    lblTravName->setToolTip(modell.traversenname);
    lblGurte->setText(QString::number(t.gurtzahl) + Uebersetzt(2029, QStringLiteral(" Gurte")));
    lblTravL->setText(FormatFloat(zwei, t.laenge));
    lblTravH->setText(FormatFloat(zwei, t.hoehe));
    lblTravB->setText(FormatFloat(zwei, t.breite));
    lblTravE->setText(FormatFloat(zwei, t.eigenlast));
    lblTravQ->setText(ganzzahl(t.maxQuer));
    lblTravM->setText(ganzzahl(t.maxBiege));
    if (edt_VName->text() != modell.variantenname)
        edt_VName->setText(modell.variantenname);
    if (edt_VBearbeiter->text() != modell.bearbeiter)
        edt_VBearbeiter->setText(modell.bearbeiter);
    actMinimal->setChecked(modell.minimal);
    actNegativ->setChecked(modell.negativ);
    zeigeRechenart();
    zeigeSteifigkeit();
}

void Tfrm_variante::TraverseAusBibliothek()
{
    TBClientDataSet* bibliothek = traverseWaehlen ? traverseWaehlen() : nullptr;
    if (!bibliothek)
        return;
    UebernimmTraverse(modell, *bibliothek);
    StillerSchritt(Uebersetzt(3007, QStringLiteral("Traverse wählen")));
    ZeigeTraverse();
    setzeBerechnet(false);
    neuZeichnen();
}

void Tfrm_variante::LaengeEingeben()
{
    const std::optional<QString> text =
        dialoge().Eingabe(Uebersetzt(2023, QStringLiteral("Traversenlänge")),
                          Uebersetzt(2024, QStringLiteral("Neue Traversenlänge eingeben:")),
                          FormatFloat(QStringLiteral("0.00"), modell.traverse.laenge));
    if (text) {
        const std::optional<double> laenge = TextZuFloat(*text);
        if (laenge && !GueltigeTraversenlaenge(*laenge))
            dialoge().Meldung(Traversenlaengenfehler());
        else
            modell.traverse.laenge = laenge.value_or(24);
        StillerSchritt(Uebersetzt(2023, QStringLiteral("Traversenlänge")));
    }
    ZeigeTraverse();
    setzeBerechnet(false);
    neuZeichnen();
}
