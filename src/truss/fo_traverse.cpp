#include "truss/fo_traverse.h"
#include "truss/fo_print_traverse.h"
#include "language/u_uebersetze_qt.h"
#include "shell/fo_menu.h"
#include "platform/u_fehler.h"
#include "platform/u_dialoge.h"
#include "truss/fo_bildfeld.h"
#include "truss/u_traversenbibliothek.h"
#include "truss/u_traversendatei.h"
#include "truss/u_traversentexte.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

namespace {
// Control text ids by control name; the captions the window was built with are the German texts.
struct Textid {
    const char* name;
    int id;
};
const Textid controltexte[] = {
    {"tab_Traverse", 2110}, {"gbGurte", 2111}, {"lblAnzahl", 2112}, {"lblMaterial", 2113},
    {"lblDurchmesser", 2114}, {"lblWandstaerke", 2115}, {"cbVerbinder", 2116}, {"gbAbmessungen", 2117},
    {"lblH", 2118}, {"lblB", 2119}, {"lblDia", 2120}, {"lblVertikal", 2121}, {"lblHorizontal", 2122},
    {"cbHoriDiga", 2123}, {"gbKraefte", 2124}, {"lblVerbinder", 2125}, {"lblDiagonal", 2126},
    {"gbErgebnisse", 2127}, {"lblGurt", 2128}, {"lblAGurt", 2129}, {"lblIGurt", 2130}, {"lblTraverse", 2131},
    {"lblATrav", 2132}, {"lblITrav", 2133}, {"lblTravVerti", 2134}, {"lblTravHori", 2135},
    {"tab_Diagonalen", 2136}, {"gbDiagonale", 2137}, {"lblDiaMat", 2138}, {"lblDiaDurch", 2139},
    {"lblDiaW", 2140}, {"lblDiaSN", 2141}, {"gbDiaErgebnisse", 2143}, {"lbl_de_dia", 2144},
    {"lbl_de_l", 2145}, {"lbl_de_A", 2146}, {"lbl_de_I", 2147}, {"lbl_de_SN", 2148}, {"lbl_de_SN_l", 2149},
    {"lbl_de_SN_A", 2150}, {"lbl_de_du", 2151}, {"lbl_de_du_l", 2152}, {"lbl_de_du_A", 2153},
    {"gb_dia_zul", 2154}, {"lbl_dia_zul_kni", 2155}, {"lbl_dia_zul_wez", 2156}, {"lbl_dia_zul_scher", 2157},
    {"lbl_dia_zul_stanz", 2158}, {"lbl_dia_zul_gesamt", 2159}, {"tab_Verbinder", 2160}, {"gb_verb", 2161},
    {"lbl_verb_mat", 2162}, {"lbl_verb_lld", 2163}, {"gbBolzen", 2164}, {"lbl_bolz_fk", 2165},
    {"lbl_bolz_dg", 2166}, {"cbBolzenMin", 2167}, {"lblBolzenMin", 2168}, {"gb_verb_erg", 2169},
    {"lblSchrauben1", 2170}, {"lblSchrauben2", 2171}, {"lblSchrauben3", 2172}, {"lblSchrauben4", 2173},
    {"lblSchrauben5", 2174}, {"lblSchrauben6", 2175}, {"tab_Stuetze", 2176}, {"cbBGVC1", 2177},
    {"lblSicherheitsfaktor", 2178}, {"lblEinzel", 2179}, {"lblVerbinder3", 2180}, {"tab_traeger", 2181},
    {"gbNormalkraft", 2182}, {"lblKnickenObergurt1", 2183}, {"lblSchweissen", 2184}, {"lblVerbinder2", 2185},
    {"lblGurtMax", 2186}, {"gbStatik", 2187}, {"lblQuerkraft", 2188}, {"lblBiegemoment", 2189},
    {"lblEigenlast", 2190}, {"gbBibliothek", 2191}, {"lblHersteller", 2192}, {"lblName", 2193},
    {"lblBearbeiter", 2194}, {"btnInsert", 2195}, {"gbHinweise", 2196},
};

QString verbunden(std::initializer_list<std::pair<int, const char*>> teile)
{
    QString text;
    for (const auto& [id, deutsch] : teile)
        text += Uebersetzt(id, QString::fromUtf8(deutsch));
    return text;
}

void setzeText(QLineEdit* feld, const QString& text)
{
    if (feld->text() != text)
        feld->setText(text);
}

void setzeText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}
} // namespace

Tfrm_traverse::Tfrm_traverse(QWidget* eltern) : Dokumentfenster(eltern), m_reiter(new QTabWidget(this))
{
    setObjectName(QStringLiteral("frm_traverse"));
    setWindowTitle(QStringLiteral("Traverse"));
    m_entwurf.melden = ZeigeMeldung;
    m_reiter->setObjectName(QStringLiteral("PageControl1"));
    // five long tab titles share the 716 pixels of the window
    m_reiter->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 4px; }"));
    QFont reiterschrift = m_reiter->tabBar()->font();
    reiterschrift.setPointSizeF(reiterschrift.pointSizeF() - 1.5);
    m_reiter->tabBar()->setFont(reiterschrift);
    setCentralWidget(m_reiter);
    baueReiterTraverse();
    baueReiterDiagonale();
    baueReiterVerbinder();
    baueReiterStuetze();
    baueReiterTraeger();
    uebernehmeBeschriftungen();

    Statusfeld(0)->setFixedWidth(200);
    QLabel* datei = Statusfeld(1);
    datei->setMinimumWidth(50);
    statusBar()->removeWidget(datei);
    statusBar()->addWidget(datei, 1);
    datei->show();
    connect(this, &Dokumentfenster::zustandGeaendert, this, [this] {
        Statusfeld(1)->setText(Dateiname());
        zeigeTitel();
    });

    m_menue = new QMenu(QStringLiteral("&Traverse"), this);
    m_menue->setObjectName(QStringLiteral("Traverse1"));
    for (const char* name : {"act_trav_new", "act_trav_open", "act_trav_save", "act_trav_saveas"})
        m_menue->addAction(Tfrm_menu::Aktion(QString::fromLatin1(name)));
    m_menue->addSeparator();
    m_menue->addAction(Tfrm_menu::Aktion(QStringLiteral("act_trav_print")));
    fuegeMenueHinzu(6, m_menue);

    // the design has run on the defaults already; the labels and lists show it from the start
    m_entwurf.TexteSetzen();
    zeigeEntwurf();
    zeigeSichtbarkeit();
}

Tfrm_traverse::~Tfrm_traverse() = default;

// The German captions come from the table the truss report prints from, so window and report
// never disagree.
void Tfrm_traverse::uebernehmeBeschriftungen()
{
    for (const Traversenbeschriftung& b : Traversenbeschriftungen()) {
        auto* w = findChild<QWidget*>(QString::fromLatin1(b.name));
        const QString text = QString::fromUtf8(b.deutsch);
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(text);
        else if (auto* knopf = qobject_cast<QAbstractButton*>(w))
            knopf->setText(text);
        else if (auto* gruppe = qobject_cast<QGroupBox*>(w))
            gruppe->setTitle(text);
        else if (w && m_reiter->indexOf(w) >= 0)
            m_reiter->setTabText(m_reiter->indexOf(w), text);
    }
}

QString Tfrm_traverse::Gurtbild(int gurte) { return QStringLiteral(":/bilder/gurte_%1.svg").arg(gurte); }

QString Tfrm_traverse::Verbinderbild(int typ)
{
    return typ >= 0 && typ <= 4 ? QStringLiteral(":/bilder/verbinder_%1.svg").arg(typ) : QString();
}

QString Tfrm_traverse::Schliessfrage() const
{
    return Aenderungsfrage(Uebersetzt(2109, QStringLiteral("Traverse")),
                           Uebersetzt(2102, QStringLiteral("Traverse vor dem Schließen speichern?")));
}

void Tfrm_traverse::zeigeTitel() { setWindowTitle(Dokumentname(Uebersetzt(2109, QStringLiteral("Traverse")))); }

void Tfrm_traverse::TexteSetzen()
{
    zeigeTitel();
    for (const Textid& t : controltexte)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(t.name)))
            UebersetzeControl(w, t.id);
    for (int i = 1; i <= 10; ++i) {
        UebersetzeControl(findChild<QWidget*>(QStringLiteral("lblBolzen%1").arg(i)), 2549 + i);
        UebersetzeControl(findChild<QWidget*>(QStringLiteral("lblRohr%1").arg(i)), 2559 + i);
    }
    UebersetzeMenuItem(m_menue, 1228);
    setzeText(findChild<QLabel*>(QStringLiteral("lblWarn")),
              verbunden({{2501, "Dieses Modul berücksichtigt nur die Parameter,"},
                         {2502, " die für gewöhnlich für eine Traverse maßgebend"},
                         {2503, " sind. Unberücksichtigte Parameter können bei"},
                         {2504, " manchen Konstruktionen zu geringeren"},
                         {2505, " zulässigen Werten führen."}}));
    setzeText(findChild<QLabel*>(QStringLiteral("lblStatiker")),
              verbunden({{2506, "Deshalb kann dieses Modul den Statiker"}, {2507, " nicht völlig ersetzen."}}));
    setzeText(findChild<QLabel*>(QStringLiteral("lblkonservativ")),
              verbunden({{2508, "Die Berechnungsverfahren in diesem Modul sind"}, {2509, " recht konservativ."}}));
    // the two parts stand on one wrapped label; a blank keeps the words apart
    setzeText(findChild<QLabel*>(QStringLiteral("lblDiaHin")),
              Uebersetzt(2510, QStringLiteral("Werden Vertikale mit abweichenden Werten verwendet,")).trimmed()
                  + QLatin1Char(' ')
                  + Uebersetzt(2511, QStringLiteral("so ist der kleinere Wert anzugeben.")).trimmed());
    m_entwurf.TexteSetzen(); // connector type items and grid headers
    zeigeEntwurf();
    zeigeAenderungsmarke();
}

void Tfrm_traverse::showEvent(QShowEvent* ereignis)
{
    if (!m_erstmalsGezeigt) {
        m_erstmalsGezeigt = true;
        const QSize groesse(716, 566);
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()))
            rahmen->resize(rahmen->size() - size() + groesse);
        else
            resize(groesse);
        m_reiter->setCurrentIndex(0);
    }
    Dokumentfenster::showEvent(ereignis); // applies the texts the first time
    m_entwurf.BerechneDiagonale();
    zeigeEntwurf();
}

void Tfrm_traverse::eingabeGeaendert(const Wirkung& wirkung, const QString& text)
{
    const bool gefuellt = !text.trimmed().isEmpty();
    switch (wirkung.lauf) {
    case Lauf::Keiner: break;
    case Lauf::Traverse:
        if (gefuellt)
            m_entwurf.BerechneTraverse();
        m_entwurf.cmbVerbinderChange(std::nullopt);
        break;
    case Lauf::TraverseImmer: m_entwurf.BerechneTraverse(); break;
    case Lauf::Diagonale:
        if (gefuellt)
            m_entwurf.BerechneDiagonale();
        break;
    case Lauf::Verbinder: m_entwurf.cmbVerbinderChange(wirkung.verbinder); break;
    }
    if (wirkung.gespeichert)
        setzeGeaendert(true);
    zeigeEntwurf();
}

void Tfrm_traverse::gurteGeaendert(int gurte)
{
    m_entwurf.eingaben.udGurte = gurte;
    zeigeSichtbarkeit();
    m_entwurf.BerechneTraverse();
    setzeGeaendert(true);
    zeigeEntwurf();
}

void Tfrm_traverse::zeigeSichtbarkeit()
{
    const int n = m_entwurf.eingaben.udGurte;
    auto zeige = [this](const char* name, bool sichtbar) {
        findChild<QWidget*>(QString::fromLatin1(name))->setVisible(sichtbar);
    };
    zeige("gbAbmessungen", n != 1);
    zeige("imgDiagonalen", n != 1);
    for (const char* name : {"lblB", "edtBreite", "lblHorizontal", "edtHorizontal"})
        zeige(name, n != 2);
    // the diagonal proposal goes with its input
    for (const char* name : {"lblDiagonal", "edtDiagonale", "lblVorschlagDiagonale"})
        zeige(name, n != 1);
    pbGurte->setzeBild(Gurtbild(n));
}

void Tfrm_traverse::zeigeEntwurf()
{
    // The window writes its own controls: their change handlers, which take the user's input,
    // hear nothing of it.
    const Traverseneingaben& e = m_entwurf.eingaben;
    for (const Textfeld& t : m_textfelder) {
        const QSignalBlocker still(t.feld);
        setzeText(t.feld, e.*t.wert);
    }
    for (const Wahlfeld& w : m_wahlfelder) {
        const QSignalBlocker still(w.feld);
        const Auswahlliste& liste = e.*w.wert;
        for (int i = 0; i < liste.anzahl() && i < w.feld->count(); ++i)
            if (w.feld->itemText(i) != liste.eintraege().at(i))
                w.feld->setItemText(i, liste.eintraege().at(i));
        if (w.feld->currentIndex() != liste.gewaehlt())
            w.feld->setCurrentIndex(liste.gewaehlt());
    }
    for (const Schalter& s : m_schalter) {
        const QSignalBlocker still(s.feld);
        s.feld->setChecked(e.*s.wert);
    }
    {
        const QSignalBlocker still(udGurte);
        udGurte->setValue(e.udGurte);
    }

    auto* seitenknicken = findChild<QLabel*>(QStringLiteral("lblSeitenknicken"));
    setzeText(seitenknicken, Seitenknickwarnung(e.udGurte, e.cbHoriDiga));
    seitenknicken->setVisible(!seitenknicken->text().isEmpty());

    const Traversenergebnisse& r = m_entwurf.ergebnisse;
    for (const Ergebnisfeld& f : Ergebnisfelder())
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(f.name)))
            setzeText(label, f.text(r));
    for (int spalte = 0; spalte < StuetzenSpalten; ++spalte) {
        sgStuetze->horizontalHeaderItem(spalte)->setText(Stuetzenueberschrift(spalte));
        for (int meter = 1; meter <= Stuetzenlaengen; ++meter)
            sgStuetze->item(meter - 1, spalte)->setText(spalte == 0 ? QString::number(meter)
                                                                   : Stuetzentext(r.stuetzeKg[meter - 1][spalte - 1]));
    }

    const Verbinderansicht& v = m_entwurf.verbinderansicht;
    for (const char* name : {"lblVerbB", "edtVerbB"})
        findChild<QWidget*>(QString::fromLatin1(name))->setVisible(v.edtVerbB);
    findChild<QWidget*>(QStringLiteral("pnlBolzen"))->setVisible(v.pnlBolzen);
    findChild<QWidget*>(QStringLiteral("pnlSchrauben"))->setVisible(v.pnlSchrauben);
    findChild<QWidget*>(QStringLiteral("pnlRohr"))->setVisible(v.pnlRohr);
    pbVerbinder->setzeBild(Verbinderbild(e.cmbVerbinder.gewaehlt()));
}

bool Tfrm_traverse::eventFilter(QObject* ziel, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonDblClick) {
        const QString name = ziel->objectName();
        auto feld = [this](const char* n) { return findChild<QLineEdit*>(QString::fromLatin1(n)); };
        auto* label = static_cast<QLabel*>(ziel);
        if (name == QLatin1String("lblVorschlagVerbinder"))
            vorschlagUebernehmen(label, feld("edtVerbinder"), true);
        else if (name == QLatin1String("lblVorschlagDiagonale"))
            vorschlagUebernehmen(label, feld("edtDiagonale"), true);
        else if (name == QLatin1String("lblValueQuerkraft"))
            vorschlagUebernehmen(label, feld("edtQuerkraft"), false);
        else if (name == QLatin1String("lblValueBiegemoment"))
            vorschlagUebernehmen(label, feld("edtBiegemoment"), false);
        else
            return Dokumentfenster::eventFilter(ziel, ereignis);
        return true;
    }
    return Dokumentfenster::eventFilter(ziel, ereignis);
}

void Tfrm_traverse::vorschlagUebernehmen(QLabel* vorschlag, QLineEdit* ziel, bool rechnen)
{
    ziel->setText(vorschlag->text()); // its change handler takes it into the design
    if (!rechnen)
        return;
    QApplication::processEvents();
    m_entwurf.BerechneTraverse();
    zeigeEntwurf();
}

bool Tfrm_traverse::Laden(const QString& pfad)
{
    if (!TraverseLaden(m_entwurf, pfad)) // a file that cannot be read changes nothing
        return false;
    zeigeEntwurf();
    zeigeSichtbarkeit();
    setzeDateiname(pfad);
    Geladen();
    return true;
}

// The stored inputs as the file holds them; restoring computes like loading.
QByteArray Tfrm_traverse::Stand() { return TraverseAlsWerteliste(m_entwurf.eingaben).text().toUtf8(); }

void Tfrm_traverse::StandHerstellen(const QByteArray& stand)
{
    WertelisteAnwenden(TWerteliste(QString::fromUtf8(stand)), m_entwurf);
    m_entwurf.BerechneVerbinder();
    m_entwurf.BerechneDiagonale();
    m_entwurf.BerechneTraverse();
    zeigeEntwurf();
    zeigeSichtbarkeit();
}

bool Tfrm_traverse::DateiSchreiben(const QString& pfad)
{
    if (!DarfUeberschreiben(pfad, Ueberschreibfrage(pfad)))
        return false;
    TraverseSchreiben(m_entwurf, pfad);
    setzeDateiname(pfad);
    setzeGeaendert(false);
    return true;
}

void Tfrm_traverse::Drucken() { Tfrm_print_traverse::Drucken(Entwurf(), this); }

void Tfrm_traverse::btnInsertClick()
{
    if (!m_bibliothek)
        return;
    const Traverseneingaben& e = m_entwurf.eingaben;
    try {
        m_bibliothek->InBibliothek(
            TraversenfensterEintrag(e.edtHersteller, e.edtName, e.edtBearbeiter, e.edtEigenlast, e.edtQuerkraft,
                                    e.edtBiegemoment, e.edtHoehe, e.edtBreite, e.udGurte, e.cbHoriDiga,
                                    m_entwurf.kennwerte().I_v),
            Traversenbibliothek::ExistiertMuster(), FrageBejaht);
    } catch (const Fehler& fehler) {
        dialoge().Meldung(fehler.meldung());
    }
}
