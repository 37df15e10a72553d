// The beam editor window driven as a user does: mouse events on the CAD area, tool buttons,
// typing, Berechnen, saving and reopening, the close query, the project mode through a stand-in
// project, and screenshots of the CAD and tables tabs.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "balkenhilfen.h"
#include "beam/fo_zeilenpanel.h"
#include "beam/u_balkenfelder.h"
#include "beam/u_einzelprojekt.h"
#include "beam/u_lastenbibliothek.h"
#include "beam/u_variantenprojekt.h"
#include "platform/u_dialoge_skript.h"
#include "editorhilfen.h"
#include "../report/vorschauhilfe.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPainter>
#include <QPointer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <gtest/gtest.h>

namespace {

void maus(QWidget* w, QEvent::Type typ, QPoint p, Qt::MouseButton taste, Qt::MouseButtons gedrueckt)
{
    QMouseEvent e(typ, QPointF(p), w->mapToGlobal(QPointF(p)), taste, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct Editor {
    Programmordner programm;
    QTemporaryDir ordner;
    Tfrm_variante* f;
    explicit Editor(Variantenprojekt* projekt = nullptr)
    {
        f = projekt ? new Tfrm_variante(*projekt) : new Tfrm_variante;
        f->resize(1500, 900);
        f->show();
        QApplication::processEvents();
    }
    ~Editor()
    {
        if (f) {
            f->setzeGeaendert(false);
            delete f;
        }
    }
    Cadansicht& a() { return f->ansicht; }
    QPoint punkt(double x, double y) { return {a().Spalte(x), a().Zeile(y)}; }
    void bewege(double x, double y, Qt::MouseButtons gedrueckt = Qt::NoButton)
    {
        maus(kind<Cadflaeche>(f, "pbCAD"), QEvent::MouseMove, punkt(x, y), Qt::NoButton, gedrueckt);
    }
    void klick(double x, double y = 1, Qt::MouseButton taste = Qt::LeftButton)
    {
        bewege(x, y);
        maus(kind<Cadflaeche>(f, "pbCAD"), QEvent::MouseButtonPress, punkt(x, y), taste, taste);
        maus(kind<Cadflaeche>(f, "pbCAD"), QEvent::MouseButtonRelease, punkt(x, y), taste, Qt::NoButton);
    }
    void ziehe(double x1, double y1, double x2, double y2)
    {
        bewege(x1, y1);
        maus(kind<Cadflaeche>(f, "pbCAD"), QEvent::MouseButtonPress, punkt(x1, y1), Qt::LeftButton, Qt::LeftButton);
        bewege(x2, y2, Qt::LeftButton);
        maus(kind<Cadflaeche>(f, "pbCAD"), QEvent::MouseButtonRelease, punkt(x2, y2), Qt::LeftButton, Qt::NoButton);
    }
    void werkzeug(int code) { werkzeugknopf(f, code)->click(); }
    QString status(int feld) { return f->Statusfeld(feld)->text(); }
    void bild(const QString& name, QWidget* w)
    {
        QDir().mkpath(QStringLiteral(KELVARA_BINAER "/bilder"));
        w->grab().save(QStringLiteral(KELVARA_BINAER "/bilder/") + name);
    }
};

double wert(TBClientDataSet& t, Feldname feld) { return t.FieldByName(feld).AsFloat(); }

// Two supports, a hoist and equipment on the 24 m truss of a new single project.
void baueSpannweite(Editor& e)
{
    e.werkzeug(ArtLager);
    e.klick(-10, 1);
    e.klick(10, 1);
    e.werkzeug(ArtMotorzug);
    e.klick(0, 1);
    e.werkzeug(ArtScheinwerfer);
    tippeNeu(kind<QLineEdit>(e.f, "edtLast"), QStringLiteral("20"));
    e.klick(-5, 1);
    e.klick(5, 1);
}

// The project side as the project window offers it, on one in-memory variant.
struct Projektattrappe : Variantenprojekt {
    QString einstellungen = QStringLiteral("TravLaenge=12");
    int geladen = 0, geschrieben = 0;
    bool vorhanden = true;
    std::optional<double> auslastung;
    QByteArray lager, lasten; // packets of the stored rows

    bool VarianteLaden(Balkenmodell& m, Meldungen& meldungen) override
    {
        ++geladen;
        if (!vorhanden) {
            meldungen << QStringLiteral("Variante nicht gefunden.");
            return false;
        }
        m.traversenname = QStringLiteral("F34(Prolyte)");
        m.variantenname = QStringLiteral("Bühne links");
        m.LeseEinstellungen(einstellungen);
        if (!lager.isEmpty()) {
            TBClientDataSet l, s;
            l.AusPaket(lager);
            s.AusPaket(lasten);
            KopiereZeilen(l, m.cds_lager);
            KopiereZeilen(s, m.cds_lasten);
        }
        return true;
    }
    QString Projektname() const override { return QStringLiteral("Festival.prp"); }
    bool VarianteZurueckschreiben(Balkenmodell& m, std::optional<double> a, Meldungen& meldungen) override
    {
        if (!vorhanden) {
            meldungen << QStringLiteral("Variante nicht gefunden.");
            return false;
        }
        ++geschrieben;
        einstellungen = m.Einstellungen();
        auslastung = a;
        lager = m.cds_lager.Paket();
        lasten = m.cds_lasten.Paket();
        return true;
    }
    Verweisliste TraversenAuflisten() override { return {{QStringLiteral("3  Vorne"), 3}}; }
    Verweisliste VariantenAuflisten(int t) override
    {
        return t == 3 ? Verweisliste{{QStringLiteral("1  Standard"), 1}} : Verweisliste{};
    }
    Verweisliste LagerAuflisten(int t, int v) override
    {
        return t == 3 && v == 1 ? Verweisliste{{QStringLiteral("2  Lager B 101,94 kg"), 2}} : Verweisliste{};
    }
    double Lagerkraft(int t, int v, int l) const override { return t == 3 && v == 1 && l == 2 ? 1050 : 0; }
    std::vector<int> loeschenGefragt; // the supports of the last delete
    bool loeschenErlaubt = true;
    bool LagerLoeschenErlaubt(const std::vector<int>& l, const Rueckfrage&) override
    {
        loeschenGefragt = l;
        return loeschenErlaubt;
    }
};

} // namespace

TEST(Variantenfenster, NeuesEinzelprojektZeigtDieAnfangswerte)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("24,00"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravH"), QStringLiteral("0,30"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravB"), QStringLiteral("0,00"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravE"), QStringLiteral("0,00"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravQ"), QStringLiteral("0"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravM"), QStringLiteral("0"));
    EXPECT_EQ(beschriftungVon(&f, "lblGurte"), QStringLiteral("0 Gurte"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravName"), QStringLiteral("keine Traverse gewählt"));
    EXPECT_EQ(f.modell.berechnung.angezeigterText(), QStringLiteral("nur Gewichtslasten"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Projekt []"));
    EXPECT_EQ(kind<QGroupBox>(&f, "gbVariante")->title(), QStringLiteral(" Projektdaten: "));
    EXPECT_TRUE(werkzeugknopf(&f, ArtTraversenkraft)->isHidden());
    EXPECT_TRUE(werkzeugknopf(&f, ArtSelektieren)->isChecked());
    EXPECT_DOUBLE_EQ(f.ansicht.massstab, 0.1);
    EXPECT_EQ(kind<QSlider>(&f, "tbSize")->value(), 10);
    EXPECT_EQ(kind<QTabWidget>(&f, "pcHaupt")->currentWidget(), kind<QWidget>(&f, "tab_cad"));
    EXPECT_EQ(kind<QComboBox>(&f, "cmbEinheitKraft")->currentText(), QStringLiteral("kg"));
    EXPECT_EQ(kind<QComboBox>(&f, "cmbEinheitStreckenlast")->currentText(), QStringLiteral("kg/m"));
    EXPECT_TRUE(kind<QToolButton>(&f, "sbDelete")->isHidden());
    EXPECT_TRUE(kind<QWidget>(&f, "pnlEigenschaften")->isHidden());
    EXPECT_EQ(e.status(0), QString());
    EXPECT_EQ(e.status(1), QString());
    ASSERT_EQ(f.Menues().size(), 2u);
    EXPECT_EQ(f.Menues().front().menue, kind<QMenu>(&f, "Einzelprojekt1"));
    EXPECT_EQ(f.Menues().back().menue, f.Bearbeiten1);
    EXPECT_EQ(kind<QMenu>(&f, "Einzelprojekt1")->title(), QStringLiteral("&Einzelprojekt"));
    EXPECT_EQ(kind<QTabWidget>(&f, "pcHaupt")->tabText(1), QStringLiteral("Tabellen"));
    EXPECT_EQ(kind<QTabWidget>(&f, "pcHaupt")->tabText(2), QStringLiteral("Auslastung"));
}

TEST(Variantenfenster, JedeArtPerMausklickAufDerCadFlaeche)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    for (int art = ArtLager; art <= ArtBeamer; ++art) {
        e.werkzeug(art);
        EXPECT_EQ(f.ansicht.werkzeug, art);
        e.klick(art - 9, art % 2 ? 1.0 : -1.0);
        if (art == ArtStreckenlast || art >= Art4erBar) {
            e.bewege(art - 8, 1);
            EXPECT_TRUE(kind<QLabel>(&f, "lblX1")->isVisibleTo(&f)) << art;
            e.klick(art - 8.5 + 0.5, art % 2 ? 1.0 : -1.0);
        }
    }
    EXPECT_EQ(f.modell.cds_lager.RecordCount(), 2);
    EXPECT_EQ(f.modell.cds_lasten.RecordCount(), 12);
    EXPECT_EQ(e.status(0), QStringLiteral("geändert"));
    TBClientDataSet& s = f.modell.cds_lasten;
    ASSERT_TRUE(s.Locate({Balkenfeld::Type}, {ArtStreckenlast}));
    EXPECT_DOUBLE_EQ(wert(s, Lastfeld::Pos1), -5);
    EXPECT_DOUBLE_EQ(wert(s, Lastfeld::Pos2), -4);
    EXPECT_TRUE(s.FieldByName(Balkenfeld::oben).AsBoolean());
}

TEST(Variantenfenster, StreckenlastZweiKlicksUndMausanzeige)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtStreckenlast);
    EXPECT_FALSE(kind<QWidget>(&f, "pnlPropLasten")->isHidden());
    EXPECT_TRUE(kind<QWidget>(&f, "pnlPropLager")->isHidden());
    e.klick(2);
    e.bewege(-1, 1);
    EXPECT_EQ(beschriftungVon(&f, "lblX"), QStringLiteral("X: -1"));
    EXPECT_EQ(beschriftungVon(&f, "lblX1"), QStringLiteral("X1: 2    d: -3"));
    e.klick(-1);
    ASSERT_EQ(f.modell.cds_lasten.RecordCount(), 1);
    f.modell.cds_lasten.First();
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lasten, Lastfeld::Pos1), -1);
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lasten, Lastfeld::Pos2), 2);
}

TEST(Variantenfenster, MarkierenZeigtDasPanelDerZeileUndEnterPostet)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtScheinwerfer);
    e.klick(3);
    e.klick(-3);
    e.werkzeug(ArtSelektieren);
    EXPECT_TRUE(kind<Zeilenpanel>(&f, "pnlLast")->isHidden());
    e.klick(3.2, 0.5);
    EXPECT_EQ(beschriftungVon(&f, "lblInfo1"), QStringLiteral("1 Elemente gewählt"));
    ASSERT_FALSE(kind<Zeilenpanel>(&f, "pnlLast")->isHidden());
    EXPECT_TRUE(kind<Zeilenpanel>(&f, "pnlLager")->isHidden());
    EXPECT_FALSE(kind<QToolButton>(&f, "sbDelete")->isHidden());
    EXPECT_FALSE(werkzeugknopf(&f, ArtVerschieben)->isHidden());
    EXPECT_EQ(kind<Zeilenpanel>(&f, "pnlLast")->lblArt->text(), QStringLiteral("Scheinwerfer"));
    auto* nummer = kind<Zeilenpanel>(&f, "pnlLast")->findChild<QLineEdit*>(QStringLiteral("edtNummer"));
    auto* pos1 = kind<Zeilenpanel>(&f, "pnlLast")->findChild<QLineEdit*>(QStringLiteral("edtPos1"));
    ASSERT_TRUE(nummer && pos1);
    EXPECT_EQ(nummer->text(), QStringLiteral("1"));
    EXPECT_EQ(pos1->text(), QStringLiteral("3,00"));
    const QColor ruhig = pos1->palette().color(QPalette::Base);

    f.setzeGeaendert(false);
    pos1->setFocus();
    pos1->selectAll();
    QKeyEvent taste(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"));
    QApplication::sendEvent(pos1, &taste);
    EXPECT_EQ(f.modell.cds_lasten.State(), TDataSetState::Edit);
    EXPECT_EQ(pos1->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_NE(ruhig, QColor(Qt::white));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(pos1, &enter);
    EXPECT_EQ(f.modell.cds_lasten.State(), TDataSetState::Browse);
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lasten, Lastfeld::Pos1), 4);
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lasten, Lastfeld::Pos2), 3); // untouched fields keep their value
    EXPECT_EQ(e.status(0), QStringLiteral("geändert"));

    e.klick(0, 0); // on the axis: nothing
    EXPECT_EQ(beschriftungVon(&f, "lblInfo1"), QStringLiteral("0 Elemente gewählt"));
    EXPECT_TRUE(kind<Zeilenpanel>(&f, "pnlLast")->isHidden());
    EXPECT_TRUE(kind<QToolButton>(&f, "sbDelete")->isHidden());
}

TEST(Variantenfenster, UmschaltenUndLoeschenUeberDieKnoepfe)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtLager);
    e.klick(2, 1);
    e.klick(-2, 1);
    e.werkzeug(ArtSelektieren);
    e.klick(2, 0.5);
    ASSERT_FALSE(kind<Zeilenpanel>(&f, "pnlLager")->isHidden());
    kind<QToolButton>(&f, "sbSwitchDown")->click(); // a support below goes above
    ASSERT_TRUE(f.modell.cds_lager.Locate({Lagerfeld::Nummer}, {1}));
    EXPECT_TRUE(f.modell.cds_lager.FieldByName(Lagerfeld::oben).AsBoolean());

    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("gewählte Elemente löschen?"));
    kind<QToolButton>(&f, "sbDelete")->click();
    ASSERT_EQ(f.modell.cds_lager.RecordCount(), 1);
    f.modell.cds_lager.First();
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lager, Lagerfeld::Position), -2);
    EXPECT_TRUE(kind<QToolButton>(&f, "sbDelete")->isHidden());
    EXPECT_TRUE(d.unerwartet.isEmpty());
}

TEST(Variantenfenster, ReglerUndEinpassenSetzenDenMassstab)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    kind<QSlider>(&f, "tbSize")->setValue(20);
    EXPECT_NEAR(f.ansicht.massstab, 0.01, 1e-15);
    EXPECT_DOUBLE_EQ(f.ansicht.raster, 0.01);
    EXPECT_EQ(f.ansicht.zahlenformat, QStringLiteral("0.0"));
    f.ansicht.ansichtsmitte = 4;
    kind<QToolButton>(&f, "sbAll")->click();
    EXPECT_DOUBLE_EQ(f.ansicht.ansichtsmitte, 0);
    EXPECT_DOUBLE_EQ(f.ansicht.massstab, 24.0 / (kind<Cadflaeche>(&f, "pbCAD")->width() - 50));
    EXPECT_EQ(f.ansicht.Spalte(-12), 25);
}

TEST(Variantenfenster, TastaturlupeNichtAufDemReiterAuslastung)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.bewege(-6, 1);
    f.setzeModifikatorstufe(5);
    EXPECT_EQ(f.ansicht.zoomfaktor, 5);
    EXPECT_DOUBLE_EQ(f.ansicht.ansichtsmitte, -6);
    f.setzeModifikatorstufe(1);
    EXPECT_EQ(f.ansicht.zoomfaktor, 1);
    EXPECT_DOUBLE_EQ(f.ansicht.ansichtsmitte, 0);

    kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, "tab_Auslastung"));
    f.setzeModifikatorstufe(2);
    EXPECT_EQ(f.ansicht.zoomfaktor, 1);
}

TEST(Variantenfenster, MerkwerteJeWerkzeugUeberDieEingaben)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtPAR);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbGroesse")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtAequivalenzflaeche")->text(), QStringLiteral("3,6000"));
    tippeNeu(kind<QComboBox>(&f, "cmbGroesse"), QStringLiteral("0,5"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtAequivalenzflaeche")->text(), QStringLiteral("0,9000"));
    tippeNeu(kind<QLineEdit>(&f, "edtName"), QStringLiteral("PAR 64"));
    tippeNeu(kind<QLineEdit>(&f, "edtLast"), QStringLiteral("3,5"));

    e.werkzeug(ArtLager);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbGroesse")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtName")->text(), QString());
    EXPECT_EQ(kind<QLineEdit>(&f, "edtLast")->text(), QStringLiteral("0"));
    EXPECT_FALSE(kind<QWidget>(&f, "pnlPropLager")->isHidden());
    EXPECT_TRUE(kind<QWidget>(&f, "pnlPropLasten")->isHidden());

    e.werkzeug(ArtPAR);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbGroesse")->currentText(), QStringLiteral("0,5"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtAequivalenzflaeche")->text(), QStringLiteral("0,9000"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtName")->text(), QStringLiteral("PAR 64"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtLast")->text(), QStringLiteral("3,5"));
    e.klick(1);
    TBClientDataSet& s = f.modell.cds_lasten;
    EXPECT_EQ(s.FieldByName(Balkenfeld::Name).AsString(), QStringLiteral("PAR 64"));
    EXPECT_NEAR(wert(s, Lastfeld::Last), 3.5 * 9.81, 1e-9);
    EXPECT_DOUBLE_EQ(wert(s, Balkenfeld::Groesse), 0.5);
    EXPECT_DOUBLE_EQ(wert(s, Lastfeld::Aequivalenzflaeche), 0.9);
}

TEST(Variantenfenster, EineBreiteDieKeineZahlIstLegtNichtsAb)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtBox);
    tippeNeu(kind<QComboBox>(&f, "cmbGroesse"), QStringLiteral("x"));
    SkriptDialoge d;
    d.erwarteMeldung();
    e.klick(0);
    e.klick(2);
    EXPECT_EQ(f.modell.cds_lasten.RecordCount(), 0);
    EXPECT_EQ(e.status(0), QString());
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST(Variantenfenster, NachBerechnenGeaendertUndBerechnetMitTabellen)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    baueSpannweite(e);
    f.modell.traverse.maxQuer = f.modell.traverse.maxBiege = 1e9; // far above any section force
    kind<QToolButton>(&f, "sbAll")->click();
    e.bild(QStringLiteral("variante_cad_spannweite.png"), &f);
    f.setzeGeaendert(false);
    kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, "tab_Tabellen"));
    kind<QTabWidget>(&f, "pcTabellen")->setCurrentWidget(kind<QWidget>(&f, "tabTrag"));
    kind<QPushButton>(&f, "btnBerechnen2")->click();
    EXPECT_EQ(e.status(0), QStringLiteral("geändert"));
    EXPECT_EQ(e.status(1), QStringLiteral("Berechnet"));
    EXPECT_EQ(e.status(2), QStringLiteral("0,00 %"));
    EXPECT_TRUE(e.status(3).startsWith(QStringLiteral("Gesamtlast (nur Gewichtslasten):")));
    ASSERT_NE(kind<QTableView>(&f, "sgTragfaelle")->model(), nullptr);
    EXPECT_EQ(kind<QTableView>(&f, "sgTragfaelle")->model()->rowCount(), 3);
    EXPECT_EQ(kind<QTableView>(&f, "sgTragfaelle")->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Kraft Lg 1"));
    EXPECT_GT(kind<QTableView>(&f, "sgPositionen")->model()->rowCount(), 200);
    EXPECT_EQ(kind<QTableView>(&f, "sgLager")->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("berechnet [N]"));
    e.bild(QStringLiteral("variante_tragfaelle.png"), &f);
    kind<QTabWidget>(&f, "pcTabellen")->setCurrentWidget(kind<QWidget>(&f, "tabLager"));
    e.bild(QStringLiteral("variante_lager.png"), &f);

    // A later change clears the calculated mark.
    kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, "tab_cad"));
    e.werkzeug(ArtKraft);
    e.klick(1);
    EXPECT_EQ(e.status(1), QString());

    // The options travel through the shared actions.
    kind<QCheckBox>(&f, "cbMinimal")->click();
    EXPECT_TRUE(f.modell.minimal);
    EXPECT_TRUE(kind<QAction>(&f, "actMinimal")->isChecked());
}

TEST(Variantenfenster, SpeichernUndWiederOeffnen)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    baueSpannweite(e);
    tippeNeu(kind<QLineEdit>(&f, "edt_VName"), QStringLiteral("Halle 2"));
    tippeNeu(kind<QLineEdit>(&f, "edt_VBearbeiter"), QStringLiteral("Jens"));
    const QString datei = e.ordner.filePath(QStringLiteral("halle.pre"));
    ASSERT_TRUE(f.SpeichernUnter(datei));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Projekt [%1]").arg(datei));
    EXPECT_EQ(e.status(0), QString());
    EXPECT_EQ(f.Dateiname(), datei);

    Tfrm_variante zweites;
    zweites.Laden(datei);
    EXPECT_EQ(kind<QLineEdit>(&zweites, "edt_VName")->text(), QStringLiteral("Halle 2"));
    EXPECT_EQ(kind<QLineEdit>(&zweites, "edt_VBearbeiter")->text(), QStringLiteral("Jens"));
    EXPECT_EQ(beschriftungVon(&zweites, "lblTravL"), QStringLiteral("24,00"));
    EXPECT_EQ(zweites.modell.cds_lager.RecordCount(), 3);
    EXPECT_EQ(zweites.modell.cds_lasten.RecordCount(), 2);
    EXPECT_EQ(zweites.modell.lagerzaehler, 3);
    EXPECT_FALSE(zweites.Geaendert());
    EXPECT_EQ(zweites.windowTitle(), QStringLiteral("Projekt [%1]").arg(datei));
    QFile a(datei);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    const QByteArray erstes = a.readAll();
    const QString kopie = e.ordner.filePath(QStringLiteral("kopie.pre"));
    ASSERT_TRUE(zweites.SpeichernUnter(kopie));
    QFile b(kopie);
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), erstes);

    // Another existing file is overwritten only after the question.
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Nein, QStringLiteral("Datei %1 existiert bereits.\r\nÜberschreiben?").arg(datei));
    EXPECT_FALSE(zweites.SpeichernUnter(datei));
    EXPECT_EQ(zweites.Dateiname(), kopie);
    EXPECT_TRUE(d.allesBeantwortet());
}

// Filling the controls from the document is no edit: reading the file again and a language
// switch leave the variant unchanged and make no step; typing its name marks it.
TEST(Variantenfenster, NurEineEingabeSetztDieMarke)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    baueSpannweite(e);
    f.modell.berechnung.waehle(2); // mode, pressure and option differ from a new window's
    f.modell.staudruck.setzeText(QStringLiteral("0,8"));
    f.modell.minimal = true;
    const QString datei = e.ordner.filePath(QStringLiteral("halle.pre"));
    ASSERT_TRUE(f.SpeichernUnter(datei));

    Tfrm_variante zweites;
    ASSERT_TRUE(zweites.Laden(datei));
    zweites.SchrittAbschliessen();
    EXPECT_EQ(kind<QComboBox>(&zweites, "cmbBerechnung")->currentIndex(), 2);
    EXPECT_EQ(kind<QComboBox>(&zweites, "cmbStaudruck")->currentText(), QStringLiteral("0,8"));
    EXPECT_TRUE(kind<QCheckBox>(&zweites, "cbMinimal2")->isChecked());
    EXPECT_FALSE(zweites.Geaendert());
    EXPECT_EQ(zweites.Schritte()->count(), 0);

    setzeUebersetzer([](int id, QString& text) {
        if (id == 2036)
            text = QStringLiteral("wind loads only");
    });
    zweites.TexteSetzen();
    setzeUebersetzer({});
    zweites.SchrittAbschliessen();
    EXPECT_EQ(kind<QComboBox>(&zweites, "cmbBerechnung")->currentText(), QStringLiteral("wind loads only"));
    EXPECT_FALSE(zweites.Geaendert());
    EXPECT_EQ(zweites.Schritte()->count(), 0);

    QTest::keyClicks(kind<QLineEdit>(&zweites, "edt_VName"), QStringLiteral("x"));
    EXPECT_TRUE(zweites.Geaendert());
    zweites.setzeGeaendert(false);
}

TEST(Variantenfenster, FalscherKopfNimmtNichtsAuchNichtDenDateinamen)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    const QString datei = e.ordner.filePath(QStringLiteral("fremd.pre"));
    QFile fremd(datei);
    ASSERT_TRUE(fremd.open(QIODevice::WriteOnly));
    fremd.write(QByteArray("\x06\x05Hallo", 7));
    fremd.close();
    SkriptDialoge d;
    d.erwarteMeldung(QStringLiteral("keine gültiges Einzelprojekt"));
    EXPECT_FALSE(f.Laden(datei));
    EXPECT_TRUE(f.Dateiname().isEmpty());
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("24,00"));
    // "Speichern" asks for a name instead of writing over the file that was not read
    d.erwarteSpeichern(std::nullopt);
    EXPECT_FALSE(f.SpeichernMitRueckfall());
    EXPECT_EQ(dateiInhalt(datei), QByteArray("\x06\x05Hallo", 7));
    // a length not above 0 is refused and the truss keeps its length
    d.erwarteEingabe(QStringLiteral("-5"));
    d.erwarteMeldung(QStringLiteral("Die Länge der Traverse muss größer als 0 sein"));
    maus(kind<QLabel>(&f, "lblTravL"), QEvent::MouseButtonDblClick, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(f.modell.traverse.laenge, 24);
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("24,00"));
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST(Variantenfenster, SchliessenMitJaUndAbgebrochenemDialogBleibtOffen)
{
    Editor e;
    QPointer<Tfrm_variante> f = e.f;
    baueSpannweite(e);
    {
        SkriptDialoge d;
        d.erwarteFrage3(Antwort::Ja, QStringLiteral("Einzelprojekt wurde geändert.\r\nSpeichern?"));
        d.erwarteSpeichern(std::nullopt);
        EXPECT_FALSE(f->close());
        QApplication::processEvents();
        ASSERT_TRUE(f);
        EXPECT_TRUE(f->Geaendert());
        EXPECT_TRUE(d.allesBeantwortet());
        ASSERT_EQ(d.dateiDialoge.size(), 1);
        EXPECT_EQ(d.dateiDialoge.front().standardEndung, QStringLiteral("pre"));
    }
    const QString datei = e.ordner.filePath(QStringLiteral("zu.pre"));
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Ja);
    d.erwarteSpeichern(datei);
    EXPECT_TRUE(f->close());
    EXPECT_TRUE(QFile::exists(datei));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(f);
    e.f = nullptr;
}

TEST(Variantenfenster, GetippterVariantennameUndBearbeiterMarkierenUndSchliessenFragt)
{
    Editor e;
    QPointer<Tfrm_variante> f = e.f;
    for (QLineEdit* feld : {kind<QLineEdit>(f, "edt_VName"), kind<QLineEdit>(f, "edt_VBearbeiter")}) {
        f->setzeGeaendert(false);
        QTest::keyClicks(feld, QStringLiteral("Jo"));
        EXPECT_EQ(e.status(0), QStringLiteral("geändert")) << feld->objectName().toStdString();
    }
    EXPECT_EQ(f->modell.variantenname, QStringLiteral("Jo"));
    EXPECT_EQ(f->modell.bearbeiter, QStringLiteral("Jo"));
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Abbrechen);
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(d.allesBeantwortet());
    ASSERT_TRUE(f);
}

TEST(Variantenfenster, OffeneZelleImLagerrasterZaehltBeimSchliessen)
{
    Editor e;
    QPointer<Tfrm_variante> f = e.f;
    baueSpannweite(e);
    f->setzeGeaendert(false);
    QTableView* grid = kind<QTableView>(f, "sgLager");
    const QModelIndex name = grid->model()->index(0, 1);
    grid->setCurrentIndex(name);
    grid->edit(name);
    auto* feld = qobject_cast<QLineEdit*>(grid->indexWidget(name));
    ASSERT_NE(feld, nullptr);
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("Links"));
    EXPECT_FALSE(f->Geaendert());
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Einzelprojekt wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
    EXPECT_EQ(grid->model()->index(0, 1).data().toString(), QStringLiteral("Links"));
}

TEST(Variantenfenster, TraversenlaengePerDoppelklick)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    SkriptDialoge d;
    d.erwarteEingabe(QStringLiteral("12,5"));
    maus(kind<QLabel>(&f, "lblTravL"), QEvent::MouseButtonDblClick, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("12,50"));
    d.erwarteEingabe(QStringLiteral("lang"));
    maus(kind<QLabel>(&f, "lblLaenge"), QEvent::MouseButtonDblClick, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("24,00"));
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_FALSE(f.Geaendert());
}

TEST(Variantenfenster, TraverseAusDerBibliothek)
{
    TBClientDataSet bib;
    bib.FieldDefs = {{QStringLiteral("Hersteller"), TFieldType::String, 30},
                     {QStringLiteral("Name"), TFieldType::String, 30},
                     {QStringLiteral("Eigenlast"), TFieldType::Float},
                     {QStringLiteral("Querkraft"), TFieldType::Float},
                     {QStringLiteral("Biegemoment"), TFieldType::Float},
                     {QStringLiteral("Höhe"), TFieldType::Float},
                     {QStringLiteral("Breite"), TFieldType::Float},
                     {QStringLiteral("Gurtzahl"), TFieldType::Integer}};
    bib.CreateDataSet();
    bib.Append();
    bib.Fields(0).SetAsString(QStringLiteral("Prolyte"));
    bib.Fields(1).SetAsString(QStringLiteral("H30V"));
    bib.Fields(2).SetAsFloat(71.6);
    bib.Fields(3).SetAsFloat(12345.6);
    bib.Fields(4).SetAsFloat(1234567);
    bib.Fields(5).SetAsFloat(0.29);
    bib.Fields(6).SetAsFloat(0.29);
    bib.Fields(7).SetAsInteger(4);
    bib.Post();
    Editor e;
    Tfrm_variante& f = *e.f;
    f.traverseWaehlen = [&] { return &bib; };
    f.setzeBerechnet(true);
    maus(kind<QGroupBox>(&f, "gbTraverse"), QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(beschriftungVon(&f, "lblTravName"), QStringLiteral("H30V(Prolyte)"));
    EXPECT_EQ(beschriftungVon(&f, "lblGurte"), QStringLiteral("4 Gurte"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravE"), QStringLiteral("71,60"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravQ"), QStringLiteral("12 346"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravM"), QStringLiteral("1 234 567"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravH"), QStringLiteral("0,29"));
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("24,00"));
    EXPECT_FALSE(f.Berechnet());
    EXPECT_FALSE(f.Geaendert());
}

TEST(Variantenfenster, ProjektvarianteSchreibtZurueckMitAuslastungNurWennBerechnet)
{
    Projektattrappe p;
    Editor e(&p);
    Tfrm_variante& f = *e.f;
    EXPECT_EQ(p.geladen, 1);
    // the caption names the variant and its project's file
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Variante Bühne links – Festival.prp"));
    EXPECT_EQ(kind<QGroupBox>(&f, "gbVariante")->title(), QStringLiteral(" Variante: "));
    EXPECT_EQ(beschriftungVon(&f, "lblTravL"), QStringLiteral("12,00"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edt_VName")->text(), QStringLiteral("Bühne links"));
    ASSERT_EQ(f.Menues().size(), 2u);
    EXPECT_EQ(f.Menues().front().menue->title(), QStringLiteral("&Variante"));
    EXPECT_FALSE(werkzeugknopf(&f, ArtTraversenkraft)->isHidden());

    e.werkzeug(ArtLager);
    e.klick(-5);
    e.klick(5);
    f.modell.traverse.maxQuer = f.modell.traverse.maxBiege = 1e9;
    f.Berechnen();
    EXPECT_TRUE(f.Zurueckschreiben());
    ASSERT_TRUE(p.auslastung.has_value());
    EXPECT_FALSE(f.Geaendert());

    e.werkzeug(ArtKraft);
    e.klick(0);
    kind<QAction>(&f, "Speichern1")->trigger();
    EXPECT_EQ(p.geschrieben, 2);
    EXPECT_FALSE(p.auslastung.has_value());

    // "alte Fassung" takes the stored rows again.
    e.klick(2);
    EXPECT_EQ(f.modell.cds_lasten.RecordCount(), 2);
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("Soll die zuletzt gespeicherte Fassung wiederhergestellt werden?"));
    kind<QAction>(&f, "alteFassung1")->trigger();
    EXPECT_EQ(f.modell.cds_lasten.RecordCount(), 1);
    EXPECT_FALSE(f.Geaendert());

    // The close query writes back on Yes; a lost variant keeps the window open.
    e.klick(3);
    p.vorhanden = false;
    d.erwarteFrage3(Antwort::Ja, QStringLiteral("Variante wurde geändert.\r\nSpeichern?"));
    d.erwarteMeldung(QStringLiteral("Variante nicht gefunden."));
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST(Variantenfenster, LagerLoeschenFragtDasProjektUndNeinBehaeltAlles)
{
    Projektattrappe p;
    Editor e(&p);
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtLager);
    e.klick(-5);
    e.klick(5);
    e.werkzeug(ArtSelektieren);
    e.klick(5, 0.5);
    p.loeschenErlaubt = false;
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("gewählte Elemente löschen?"));
    kind<QToolButton>(&f, "sbDelete")->click();
    EXPECT_EQ(p.loeschenGefragt, std::vector<int>{2});
    EXPECT_EQ(f.modell.cds_lager.RecordCount(), 2);

    p.loeschenErlaubt = true;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("gewählte Elemente löschen?"));
    kind<QToolButton>(&f, "sbDelete")->click();
    EXPECT_EQ(f.modell.cds_lager.RecordCount(), 1);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty());
}

TEST(Variantenfenster, TraversenkraftUeberDasPanel)
{
    Projektattrappe p;
    Editor e(&p);
    Tfrm_variante& f = *e.f;
    e.werkzeug(ArtTraversenkraft);
    EXPECT_FALSE(kind<QWidget>(&f, "pnlTravKraft")->isHidden());
    EXPECT_TRUE(kind<QWidget>(&f, "pnlEigenschaften")->isHidden());
    ASSERT_EQ(kind<QComboBox>(&f, "cmbTravKraftTraverse")->count(), 1);
    EXPECT_EQ(kind<QLineEdit>(&f, "edtTravKraftLast")->text(), QStringLiteral("0"));
    {
        SkriptDialoge d;
        d.erwarteMeldung(QStringLiteral("kein gültiges Lager gewählt"));
        e.klick(1);
        EXPECT_TRUE(d.allesBeantwortet());
    }
    kind<QComboBox>(&f, "cmbTravKraftTraverse")->activated(0);
    ASSERT_EQ(kind<QComboBox>(&f, "cmbTravKraftVariante")->count(), 1);
    kind<QComboBox>(&f, "cmbTravKraftVariante")->activated(0);
    ASSERT_EQ(kind<QComboBox>(&f, "cmbTravKraftLager")->count(), 1);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbTravKraftLager")->itemText(0), QStringLiteral("2  Lager B 101,94 kg"));
    kind<QComboBox>(&f, "cmbTravKraftLager")->activated(0);
    EXPECT_EQ(kind<QLineEdit>(&f, "edtTravKraftLast")->text(), QStringLiteral("1050,00"));
    e.klick(1);
    ASSERT_EQ(f.modell.cds_lasten.RecordCount(), 1);
    EXPECT_EQ(f.modell.cds_lasten.FieldByName(Lastfeld::Name).AsString(), QStringLiteral("T3|V1|L2|"));
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lasten, Lastfeld::Last), 1050);
}

TEST(Variantenfenster, ImportInDieVarianteFragtUndMarkiertNichtsGeaendert)
{
    Editor quelle;
    baueSpannweite(quelle);
    const QString datei = quelle.ordner.filePath(QStringLiteral("import.pre"));
    ASSERT_TRUE(quelle.f->SpeichernUnter(datei));

    Projektattrappe p;
    Editor e(&p);
    Tfrm_variante& f = *e.f;
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("Soll Einzelprojekt importiert werden ?"));
    d.erwarteOeffnen(datei);
    kind<QAction>(&f, "importieren1")->trigger();
    EXPECT_EQ(f.modell.cds_lager.RecordCount(), 3);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Projekt [%1]").arg(datei));
    EXPECT_FALSE(f.Geaendert());
    EXPECT_TRUE(f.close()); // nothing asked, the import is discarded
    e.f = nullptr;
    EXPECT_EQ(p.geschrieben, 0);
    EXPECT_TRUE(d.allesBeantwortet());
}

// Screenshots for a look: every kind above and below the truss at slider 10 and 20.
TEST(Variantenfenster, BildDerCadAnsichtMitAllenArten)
{
    for (int regler : {10, 20}) {
        Editor e;
        Tfrm_variante& f = *e.f;
        kind<QSlider>(&f, "tbSize")->setValue(regler);
        const double abstand = regler == 10 ? 3 : 0.5;
        for (int art = ArtLager; art <= ArtBeamer; ++art) {
            e.werkzeug(art);
            if (regler == 20)
                tippeNeu(kind<QComboBox>(&f, "cmbGroesse"), art >= Art4erBar || art == ArtStreckenlast ? QStringLiteral("0,4")
                                                                                         : QStringLiteral("0,25"));
            const double x = (art - 9) * abstand;
            for (double y : {0.5, -0.5}) {
                e.klick(x, y * abstand);
                if (art == ArtStreckenlast || art >= Art4erBar)
                    e.klick(x + abstand * 0.6, y * abstand);
            }
        }
        e.werkzeug(ArtSelektieren);
        e.klick(-3 * abstand, 0.5 * abstand); // the marked pair shows in the marked colour
        e.bewege(abstand, abstand);
        QApplication::processEvents();
        e.bild(QStringLiteral("variante_cad_zoom%1.png").arg(regler), &f);
        EXPECT_EQ(f.modell.cds_lasten.RecordCount(), 24);
        EXPECT_EQ(f.modell.cds_lager.RecordCount(), 4);
    }
}

// Every tool and push button carries its drawn image; the sheet goes to the build folder.
TEST(Variantenfenster, JederWerkzeugknopfHatSeinBild)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    std::vector<QToolButton*> knoepfe;
    for (int code = ArtSelektieren; code <= ArtTraversenkraft; ++code)
        knoepfe.push_back(werkzeugknopf(&f, code));
    for (const char* name : {"sbDelete", "sbSwitchUp", "sbSwitchDown", "sbAll", "sbLastBibAdd"})
        knoepfe.push_back(kind<QToolButton>(&f, name));
    QImage bogen(int(knoepfe.size()) * 100, 100, QImage::Format_RGB32);
    bogen.fill(Qt::white);
    QPainter p(&bogen);
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        const QImage bild = knoepfe[i]->icon().pixmap(96, 96).toImage();
        ASSERT_FALSE(bild.isNull()) << knoepfe[i]->objectName().toStdString();
        int gezeichnet = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                gezeichnet += qAlpha(bild.pixel(x, y)) > 0;
        EXPECT_GT(gezeichnet, 300) << knoepfe[i]->objectName().toStdString();
        EXPECT_FALSE(knoepfe[i]->toolTip().isEmpty());
        p.drawImage(int(i) * 100 + 2, 2, bild);
    }
    p.end();
    bogen.save(QStringLiteral(KELVARA_BINAER "/bilder/werkzeugbilder.png"));
    EXPECT_EQ(werkzeugknopf(&f, ArtMotorzug)->toolTip(), QStringLiteral("Zug"));
}

TEST(Variantenfenster, FadenkreuzUndAuswahlrahmenVerschwindenSpurlos)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    e.bewege(2, 1);
    const int spalte = f.ansicht.Spalte(2);
    QImage mit = kind<Cadflaeche>(&f, "pbCAD")->grab().toImage();
    const QImage grund = kind<Cadflaeche>(&f, "pbCAD")->Bild();
    EXPECT_NE(mit.pixel(spalte, 47), grund.pixel(spalte, 47)); // the tick in the second ruler
    e.bewege(-3, 1);
    QImage ohne = kind<Cadflaeche>(&f, "pbCAD")->grab().toImage();
    for (int y = 16; y <= 25; ++y)
        EXPECT_EQ(ohne.pixel(spalte, y), grund.pixel(spalte, y)) << y;

    // The selection box follows the drag and leaves nothing behind.
    e.bewege(-5, -1);
    maus(kind<Cadflaeche>(&f, "pbCAD"), QEvent::MouseButtonPress, e.punkt(-5, -1), Qt::LeftButton, Qt::LeftButton);
    e.bewege(5, 2, Qt::LeftButton);
    const int links = f.ansicht.Spalte(-5), oben = f.ansicht.Zeile(-1);
    mit = kind<Cadflaeche>(&f, "pbCAD")->grab().toImage();
    EXPECT_NE(mit.pixel(links, oben + 5), kind<Cadflaeche>(&f, "pbCAD")->Bild().pixel(links, oben + 5));
    maus(kind<Cadflaeche>(&f, "pbCAD"), QEvent::MouseButtonRelease, e.punkt(5, 2), Qt::LeftButton, Qt::NoButton);
    ohne = kind<Cadflaeche>(&f, "pbCAD")->grab().toImage();
    EXPECT_EQ(ohne.pixel(links, oben + 5), kind<Cadflaeche>(&f, "pbCAD")->Bild().pixel(links, oben + 5));
}

TEST(Variantenfenster, LastenbibliothekDesWerkzeugs)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    Lastenbibliothek bib;
    bib.BibliothekLaden(Programmverzeichnis());
    f.lastenbibliothek = [&] { return &bib; };
    e.werkzeug(ArtMHSpot);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbLastBib")->count(), 0);
    tippeNeu(kind<QLineEdit>(&f, "edtName"), QStringLiteral("Spot 700"));
    tippeNeu(kind<QLineEdit>(&f, "edtLast"), QStringLiteral("36"));
    tippeNeu(kind<QComboBox>(&f, "cmbGroesse"), QStringLiteral("0,6"));
    kind<QToolButton>(&f, "sbLastBibAdd")->click();
    ASSERT_EQ(kind<QComboBox>(&f, "cmbLastBib")->count(), 1);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbLastBib")->itemText(0), QStringLiteral("Spot 700"));

    e.werkzeug(ArtMHWash);
    EXPECT_EQ(kind<QComboBox>(&f, "cmbLastBib")->count(), 0);
    e.werkzeug(ArtMHSpot);
    tippeNeu(kind<QLineEdit>(&f, "edtName"), QString());
    tippeNeu(kind<QLineEdit>(&f, "edtLast"), QStringLiteral("1"));
    ASSERT_EQ(kind<QComboBox>(&f, "cmbLastBib")->count(), 1);
    kind<QComboBox>(&f, "cmbLastBib")->activated(0);
    EXPECT_EQ(kind<QLineEdit>(&f, "edtName")->text(), QStringLiteral("Spot 700"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtLast")->text(), QStringLiteral("36,00"));
    EXPECT_EQ(kind<QComboBox>(&f, "cmbGroesse")->currentText(), QStringLiteral("0,6"));
    EXPECT_EQ(kind<QLineEdit>(&f, "edtAequivalenzflaeche")->text(), QStringLiteral("0,648"));
    // placed, the picked load keeps its weight: 36 kg = 353,16 N
    e.klick(1.0);
    TBClientDataSet& lasten = f.modell.cds_lasten;
    ASSERT_TRUE(lasten.Locate({Balkenfeld::Name}, {QStringLiteral("Spot 700")}));
    EXPECT_NEAR(lasten.FieldByName(Lastfeld::Last).AsFloat(), 36 * 9.81, 1e-9);
    EXPECT_NEAR(lasten.FieldByName(Lastfeld::Aequivalenzflaeche).AsFloat(), 0.6 * 0.6 * 1.5 * 1.2, 1e-9);

    SkriptDialoge d; // the same name for the same kind is refused
    d.erwarteMeldung(QStringLiteral("Eine Last dieses Namens existiert bereits."));
    kind<QToolButton>(&f, "sbLastBibAdd")->click();
    EXPECT_EQ(bib.cds_lastbib.RecordCount(), 1);
    tippeNeu(kind<QLineEdit>(&f, "edtLast"), QStringLiteral("schwer"));
    d.erwarteMeldung();
    kind<QToolButton>(&f, "sbLastBibAdd")->click();
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST(Variantenfenster, MenueDesEinzelprojektsHaeltDieBefehleDerShell)
{
    Editor e;
    QStringList namen;
    for (QAction* a : kind<QMenu>(e.f, "Einzelprojekt1")->actions())
        namen.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(namen, (QStringList{QStringLiteral("act_e_new"), QStringLiteral("act_e_open"), QStringLiteral("act_e_save"),
                                  QStringLiteral("act_e_filesaveas"), QStringLiteral("-"), QStringLiteral("act_e_print"),
                                  QStringLiteral("-"), QStringLiteral("Schlieen1")}));
    EXPECT_EQ(kind<QAction>(e.f, "Schlieen1")->text(), QStringLiteral("&Schließen"));
    namen.clear();
    for (QAction* a : kind<QMenu>(e.f, "Variante1")->actions())
        namen.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(namen, (QStringList{QStringLiteral("Speichern1"), QStringLiteral("alteFassung1"), QStringLiteral("-"),
                                  QStringLiteral("importieren1"), QStringLiteral("exportieren1"),
                                  QStringLiteral("act_e_print"), QStringLiteral("-"), QStringLiteral("Sschlieen1")}));
}

TEST(Variantenfenster, SprachwechselSetztAlleTexteUndDieModusliste)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    const std::map<int, QString> englisch = {{2040, QStringLiteral("Variant")}, {2049, QStringLiteral("CAD")},
                                             {2073, QStringLiteral("Length [m]")}, {2029, QStringLiteral(" chords")},
                                             {2034, QStringLiteral("weight loads only")},
                                             {2601, QStringLiteral("Supports")}, {2611, QStringLiteral("calculated [N]")},
                                             {2041, QStringLiteral("&Single project")}, {2644, QStringLiteral("Support")}};
    setzeUebersetzer([&](int id, QString& text) {
        if (const auto i = englisch.find(id); i != englisch.end())
            text = i->second;
    });
    f.TexteSetzen();
    EXPECT_EQ(beschriftungVon(&f, "lblLaenge"), QStringLiteral("Length [m]"));
    EXPECT_EQ(beschriftungVon(&f, "lblGurte"), QStringLiteral("0 chords"));
    EXPECT_EQ(f.modell.berechnung.angezeigterText(), QStringLiteral("weight loads only"));
    EXPECT_EQ(kind<QTabWidget>(&f, "pcTabellen")->tabText(0), QStringLiteral("Supports"));
    EXPECT_EQ(kind<QTableView>(&f, "sgLager")->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("calculated [N]"));
    EXPECT_EQ(kind<QMenu>(&f, "Einzelprojekt1")->title(), QStringLiteral("&Single project"));
    EXPECT_EQ(werkzeugknopf(&f, ArtLager)->toolTip(), QStringLiteral("Support"));
    EXPECT_EQ(beschriftungVon(&f, "lblHoehe"), QStringLiteral("Höhe [m]")); // no English text: the German stays
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Projekt []")); // the single-project caption is not translated
    setzeUebersetzer({});
}

TEST(Variantenfenster, GitterBearbeitenUndTragfallWaehlen)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    baueSpannweite(e);
    f.Berechnen();
    kind<QTabWidget>(&f, "pcHaupt")->setCurrentWidget(kind<QWidget>(&f, "tab_Tabellen"));
    kind<QTabWidget>(&f, "pcTabellen")->setCurrentWidget(kind<QWidget>(&f, "tabTrag"));
    QAbstractItemModel* positionen = kind<QTableView>(&f, "sgPositionen")->model();
    const QString ersterFall = positionen->data(positionen->index(25, 1)).toString();
    auto* faelle = kind<QTableView>(&f, "sgTragfaelle");
    faelle->setCurrentIndex(faelle->model()->index(1, 0));
    EXPECT_EQ(f.rechnung.cds_tragfaelle.RecNo(), 2);
    positionen = kind<QTableView>(&f, "sgPositionen")->model();
    EXPECT_NE(positionen->data(positionen->index(25, 1)).toString(), ersterFall);

    // A typed position in the support grid is a change like any other.
    f.setzeGeaendert(false);
    kind<QTabWidget>(&f, "pcTabellen")->setCurrentWidget(kind<QWidget>(&f, "tabLager"));
    QAbstractItemModel* lager = kind<QTableView>(&f, "sgLager")->model();
    EXPECT_FALSE(lager->flags(lager->index(0, 9)) & Qt::ItemIsEditable); // berechnet [N]
    ASSERT_TRUE(lager->setData(lager->index(0, 3), QStringLiteral("-11"), Qt::EditRole));
    EXPECT_EQ(e.status(0), QStringLiteral("geändert"));
    EXPECT_EQ(e.status(1), QString());
    ASSERT_TRUE(f.modell.cds_lager.Locate({Lagerfeld::Nummer}, {1}));
    EXPECT_DOUBLE_EQ(wert(f.modell.cds_lager, Lagerfeld::Position), -11);
}

TEST(Variantenfenster, DruckenRechnetUndZeigtDenBericht)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    baueSpannweite(e);
    const GezeigteVorschau gezeigt = zeigeUndSchliesse([&] { f.Drucken(); });
    EXPECT_TRUE(gezeigt.modal);
    EXPECT_GE(gezeigt.seiten, 1);
    EXPECT_TRUE(f.Berechnet());
    EXPECT_EQ(e.status(1), QStringLiteral("Berechnet"));
}

// Hoists at −5 and −4 m with 1 kN at +5 m on 24 m, no weight: by hand R₁ = −9 kN, R₂ = 10 kN,
// the only load case pulls a hoist up. "&Berechnen" says so, the status bar shows "—" in red
// and the utilisation tab names it in red; a carried set-up clears both marks.
TEST(Variantenfenster, NichtTragfaehigeAnordnungIstMarkiert)
{
    Editor e;
    Tfrm_variante& f = *e.f;
    fuegeLagerHinzu(f.modell, -5);
    fuegeLagerHinzu(f.modell, -4);
    fuegeLastHinzu(f.modell, ArtKraft, 5, 5, 1000);
    SkriptDialoge d;
    d.erwarteMeldung(QStringLiteral("Kein Tragfall hat alle Lager unter Druck"));
    kind<QAction>(&f, "actBerechnen")->trigger();
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty());
    EXPECT_EQ(f.Statusfeld(2)->text(), QStringLiteral("—"));
    EXPECT_TRUE(f.Statusfeld(2)->styleSheet().contains(QStringLiteral("#c00000")));
    auto* warnungen = f.findChild<QLabel*>(QStringLiteral("lblWarnungen"));
    ASSERT_NE(warnungen, nullptr);
    EXPECT_FALSE(warnungen->isHidden());
    EXPECT_EQ(warnungen->text(), QStringLiteral("Kein Tragfall hat alle Lager unter Druck"));

    f.modell.cds_lager.Last();
    f.modell.cds_lager.Edit();
    f.modell.cds_lager.FieldByName(Lagerfeld::Position).SetAsFloat(6);
    f.modell.cds_lager.Post();
    // Carried now, but no truss is chosen: without permissible values the truss cannot be judged,
    // so the utilisation is unknown and said so, not 0 %.
    const QString ohneZulaessige = QStringLiteral("Keine zulässige Querkraft: Auslastung unbekannt\n"
                                                  "Kein zulässiges Biegemoment: Auslastung unbekannt");
    d.erwarteMeldung(ohneZulaessige);
    kind<QAction>(&f, "actBerechnen")->trigger();
    EXPECT_TRUE(d.unerwartet.isEmpty());
    EXPECT_EQ(warnungen->text(), ohneZulaessige);
    EXPECT_EQ(f.Statusfeld(2)->text(), QStringLiteral("—"));

    // 1 kN at +5 m on hoists at −5 and +6 m: by hand R₁ = 1/11 kN, the largest moment
    // R₁ · 10 m = 909,09 N·m, 9,09 % of 10 000 N·m; the shear 909,09 N is 0,91 % of 100 000 N.
    f.modell.traverse.maxQuer = 100000;
    f.modell.traverse.maxBiege = 10000;
    kind<QAction>(&f, "actBerechnen")->trigger();
    EXPECT_TRUE(d.unerwartet.isEmpty());
    EXPECT_TRUE(warnungen->isHidden());
    EXPECT_TRUE(f.Statusfeld(2)->styleSheet().isEmpty());
    EXPECT_EQ(f.Statusfeld(2)->text(), QStringLiteral("9,09 %"));
}
