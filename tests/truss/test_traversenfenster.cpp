// The truss window as a user drives it: defaults, live results, visibility by chord count and
// connector type, proposals, file, close query, library insert, texts.
#include "language/u_sprachquelle.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "tables/u_stream.h"
#include "truss/fo_travbib.h"
#include "truss/fo_traverse.h"
#include "truss/u_travbibfelder.h"
#include "u_fenstertest.h"
#include "u_testhilfen.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <numbers>

namespace {
struct Umgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    Umgebung() { anwendung.Starten(); }
    Tfrm_traverse* neu() { return static_cast<Tfrm_traverse*>(anwendung.menu()->Neu(Dokumentart::Traverse)); }
    Tfrm_travbib* bibliothek()
    {
        return qobject_cast<Tfrm_travbib*>(anwendung.dauerfenster(Dauerfenster::Traversenbibliothek));
    }
};

QString text(QWidget* fenster, const char* name) { return kind<QLabel>(fenster, name)->text(); }

// Types as a user does: select all, then the new text.
void tippe(QWidget* fenster, const char* name, const QString& eingabe)
{
    auto* feld = kind<QLineEdit>(fenster, name);
    feld->selectAll();
    QTest::keyClicks(feld, eingabe);
    if (eingabe.isEmpty())
        QTest::keyClick(feld, Qt::Key_Delete);
}

void waehle(QWidget* fenster, const char* name, int index) { kind<QComboBox>(fenster, name)->setCurrentIndex(index); }

void doppelklick(QWidget* fenster, const char* name)
{
    QTest::mouseDClick(kind<QWidget>(fenster, name), Qt::LeftButton);
}

QStringList zeilenDerDatei(const QString& pfad)
{
    DokumentLeser l(pfad);
    EXPECT_EQ(l.Text(), QStringLiteral("Kelvara VLX Traversendatei 2"));
    QStringList zeilen = l.Text().split(QStringLiteral("\r\n"));
    zeilen.removeLast();
    return zeilen;
}
} // namespace

TEST(Traversenfenster, NeuesFensterZeigtDieVorgabenUndNullKapazitaeten)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Traverse"));
    // the designed size, grown where the texts need more room: nothing is cut off
    EXPECT_EQ(f->size(), QSize(716, 566).expandedTo(f->minimumSizeHint()));
    EXPECT_EQ(f->Reiter()->currentIndex(), 0);
    EXPECT_EQ(f->Reiter()->count(), 5);
    EXPECT_EQ(f->Reiter()->tabText(4), QStringLiteral("Belastbarkeit als Träger"));
    EXPECT_EQ(kind<QSpinBox>(f, "udGurte")->value(), 4);
    EXPECT_EQ(kind<QComboBox>(f, "cmbMaterial")->currentIndex(), -1);
    EXPECT_EQ(kind<QComboBox>(f, "cmbMaterial")->count(), 5);
    EXPECT_EQ(kind<QComboBox>(f, "cmbMaterial")->itemText(2), QStringLiteral("AlMgSi0,5 F22"));
    EXPECT_EQ(kind<QComboBox>(f, "cmbVerbinder")->itemText(4), QStringLiteral("Rohrverbinder"));
    EXPECT_EQ(kind<QLineEdit>(f, "edtDurchmesser")->text(), QStringLiteral("50"));
    EXPECT_EQ(kind<QLineEdit>(f, "edt_Dia_Durchmesser")->text(), QStringLiteral("20"));
    EXPECT_EQ(kind<QLineEdit>(f, "edtName")->text(), QStringLiteral("neue Traverse"));
    EXPECT_EQ(kind<QLineEdit>(f, "edtSicherheitsfaktor")->text(), QStringLiteral("2,00"));
    EXPECT_TRUE(kind<QCheckBox>(f, "cbHoriDiga")->isChecked());
    EXPECT_TRUE(kind<QCheckBox>(f, "cbBGVC1")->isChecked());
    EXPECT_FALSE(kind<QCheckBox>(f, "cbVerbinder")->isChecked());
    for (const char* name : {"lblValueEinzel", "lblValueVerbinder2", "lblValueKnicken", "lblValueSchweissen",
                             "lblValueGurtMax", "lblValueBiegemoment", "lblValueQuerkraft", "lblValue_Dia_Min"})
        EXPECT_EQ(text(f, name), QStringLiteral("0,00")) << name;
    EXPECT_EQ(text(f, "lblValueAGurt"), QStringLiteral("301,59"));
    auto* grid = kind<QTableWidget>(f, "sgStuetze");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Länge [m]"));
    EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Euler-Fall 4"));
    EXPECT_EQ(grid->rowCount(), 16);
    EXPECT_EQ(grid->item(15, 0)->text(), QStringLiteral("16"));
    EXPECT_EQ(grid->item(9, 1)->text().trimmed(), QStringLiteral("0,00 kg"));
    EXPECT_TRUE(text(f, "lblWarn").startsWith(QStringLiteral("Dieses Modul berücksichtigt nur die Parameter, die ")));
    EXPECT_FALSE(f->Geaendert());
    EXPECT_EQ(f->Statusfeld(0)->text(), QString());
    EXPECT_EQ(f->Statusfeld(0)->width(), 200);
    EXPECT_FALSE(kind<QWidget>(f, "pnlBolzen")->isHidden());
    EXPECT_TRUE(kind<QWidget>(f, "pnlSchrauben")->isHidden());
    for (int reiter = 0; reiter < 5; ++reiter) {
        f->Reiter()->setCurrentIndex(reiter);
        bildVon(f, QStringLiteral("traverse_reiter_%1").arg(reiter + 1));
    }
}

TEST(Traversenfenster, LegierungNullErgibtDieKennwerteDesBeispiels)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    waehle(f, "cmbMaterial", 0);
    EXPECT_EQ(text(f, "lblValueAGurt"), QStringLiteral("301,59"));
    EXPECT_EQ(text(f, "lblValueIGurt"), QStringLiteral("87 009,55"));
    EXPECT_EQ(text(f, "lblValueATrav"), QStringLiteral("1 206,37"));
    EXPECT_EQ(text(f, "lblValueITravVerti"), QStringLiteral("27 491 398,73"));
    EXPECT_EQ(text(f, "lblValueITravHori"), QStringLiteral("27 491 398,73"));
    EXPECT_EQ(text(f, "lblValueKnicken"), QStringLiteral("39 755,43"));
    EXPECT_EQ(text(f, "lblValueSchweissen"), QStringLiteral("28 222,09"));
    EXPECT_EQ(text(f, "lblValueGurtMax"), QStringLiteral("0,00"));
    EXPECT_EQ(text(f, "lblValueEinzel"), QStringLiteral("1 114,45"));
    EXPECT_TRUE(f->Geaendert());
    EXPECT_EQ(f->Statusfeld(0)->text(), QStringLiteral("geändert"));

    // a connector force lifts the column table to the buckling of the whole truss (5 701,56 N)
    tippe(f, "edtVerbinder", QStringLiteral("50 000"));
    EXPECT_EQ(text(f, "lblValueVerbinder"), QStringLiteral("50 000,00"));
    EXPECT_EQ(text(f, "lblValueGurtMax"), QStringLiteral("28 222,09"));
    EXPECT_EQ(text(f, "lblValueBiegemoment"), QStringLiteral("16933,25"));
    auto* grid = kind<QTableWidget>(f, "sgStuetze");
    EXPECT_EQ(grid->item(9, 1)->text().trimmed(), QStringLiteral("581,20 kg"));

    // the safety factor counts at the next run only and is not stored
    f->setzeGeaendert(false);
    tippe(f, "edtSicherheitsfaktor", QStringLiteral("1"));
    EXPECT_EQ(text(f, "lblValueEinzel"), QStringLiteral("1 114,45"));
    EXPECT_FALSE(f->Geaendert());
    kind<QCheckBox>(f, "cbBGVC1")->click();
    EXPECT_EQ(kind<QLineEdit>(f, "edtSicherheitsfaktor")->text(), QStringLiteral("1,00"));
    EXPECT_NE(text(f, "lblValueEinzel"), QStringLiteral("1 114,45"));
    EXPECT_FALSE(f->Geaendert());
}

// Without horizontal diagonals the hint group warns that the chords' lateral buckling is not
// covered; a single tube has no chords to brace.
TEST(Traversenfenster, OhneHorizontaleDiagonalenWarntDerHinweis)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    auto* warnung = kind<QLabel>(f, "lblSeitenknicken");
    EXPECT_TRUE(warnung->isHidden());
    kind<QCheckBox>(f, "cbHoriDiga")->click();
    EXPECT_FALSE(warnung->isHidden());
    EXPECT_EQ(warnung->text(),
              QStringLiteral("Ohne horizontale Diagonalen ist das seitliche Knicken der Gurte nicht berücksichtigt."));
    kind<QSpinBox>(f, "udGurte")->setValue(1);
    EXPECT_TRUE(warnung->isHidden());
    kind<QSpinBox>(f, "udGurte")->setValue(3);
    EXPECT_FALSE(warnung->isHidden());
    kind<QCheckBox>(f, "cbHoriDiga")->click();
    EXPECT_TRUE(warnung->isHidden());
}

// a' = 1 200 mm governs the chord buckling: by hand λ = 1 200 / 16,99 = 70,6, ω = 2,16,
// F_K = 145 · A / 2,16 = 20 245,8 N with A = π/4 · (50² − 46²) of the default tube 50 × 2.
TEST(Traversenfenster, ZeigtDasGurtknickenUeberDenGroesserenAbstand)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    waehle(f, "cmbMaterial", 0);
    tippe(f, "edtHorizontal", QStringLiteral("1200"));
    const double a = std::numbers::pi / 4 * (50.0 * 50 - 46.0 * 46);
    EXPECT_NEAR(ZahlAusText(text(f, "lblValueKnicken"), 0), 145 * a / 2.16, 0.005);
}

TEST(Traversenfenster, GurtzahlEinsUndZweiBlendenAbmessungenAus)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    auto* gurte = kind<QSpinBox>(f, "udGurte");
    auto versteckt = [&](const char* name) { return kind<QWidget>(f, name)->isHidden(); };
    gurte->setValue(2);
    EXPECT_FALSE(versteckt("gbAbmessungen"));
    for (const char* name : {"lblB", "edtBreite", "lblHorizontal", "edtHorizontal"})
        EXPECT_TRUE(versteckt(name)) << name;
    EXPECT_FALSE(versteckt("edtVertikal"));
    EXPECT_FALSE(versteckt("edtDiagonale"));
    bildVon(f, QStringLiteral("traverse_zwei_gurte"));

    gurte->setValue(1);
    EXPECT_TRUE(versteckt("gbAbmessungen"));
    EXPECT_TRUE(versteckt("imgDiagonalen"));
    EXPECT_TRUE(versteckt("lblDiagonal"));
    EXPECT_TRUE(versteckt("edtDiagonale"));
    EXPECT_TRUE(versteckt("lblVorschlagDiagonale"));
    EXPECT_FALSE(versteckt("lblB"));
    EXPECT_EQ(kind<QLineEdit>(f, "edtHoehe")->text(), QStringLiteral("300"));
    // one chord: I_v = I_h = I and the shear force from the chord alone
    waehle(f, "cmbMaterial", 0);
    EXPECT_EQ(text(f, "lblValueITravVerti"), QStringLiteral("87 009,55"));
    EXPECT_NE(text(f, "lblValueQuerkraft"), QStringLiteral("0,00"));
    bildVon(f, QStringLiteral("traverse_ein_gurt"));

    gurte->setValue(4);
    EXPECT_FALSE(versteckt("gbAbmessungen"));
    EXPECT_FALSE(versteckt("edtBreite"));
}

TEST(Traversenfenster, DoppelklickAufVorschlaegeUebernimmtDerenText)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    waehle(f, "cmbMaterial", 0);
    tippe(f, "edtDiagonale", QStringLiteral("10000"));
    // Q = 2 · sin 45° · 10 000 N, shown without group blanks
    EXPECT_EQ(text(f, "lblValueQuerkraft"), QStringLiteral("14142,14"));
    f->setzeGeaendert(false);
    doppelklick(f, "lblValueQuerkraft");
    EXPECT_EQ(kind<QLineEdit>(f, "edtQuerkraft")->text(), QStringLiteral("14142,14"));
    EXPECT_TRUE(f->Geaendert()); // the confirmed library values are stored

    waehle(f, "cmb_Dia_Material", 0);
    const QString vorschlag = text(f, "lblVorschlagDiagonale");
    EXPECT_EQ(vorschlag, text(f, "lblValue_Dia_Min"));
    EXPECT_NE(vorschlag, QStringLiteral("0,00"));
    f->setzeGeaendert(false);
    doppelklick(f, "lblVorschlagDiagonale");
    EXPECT_EQ(kind<QLineEdit>(f, "edtDiagonale")->text(), vorschlag);
    EXPECT_TRUE(f->Geaendert());
    EXPECT_NE(text(f, "lblValueQuerkraft"), QStringLiteral("14142,14"));
}

TEST(Traversenfenster, VerbinderreiterRechnetUndZeigtDasPanelDerBauart)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    waehle(f, "cmbVerbinder", 0);
    tippe(f, "edtVerbA", QStringLiteral("10"));
    tippe(f, "edtVerbB", QStringLiteral("12"));
    tippe(f, "edtVerbLL", QStringLiteral("170"));
    tippe(f, "edtVerbDehngrenze", QStringLiteral("640"));
    tippe(f, "edtVerbD", QStringLiteral("12"));
    EXPECT_EQ(text(f, "lvlVerbBolzenDehn"), QStringLiteral("400,00"));
    EXPECT_EQ(text(f, "lblVerbMax"), QStringLiteral("9 346,12"));
    EXPECT_EQ(text(f, "lblVorschlagVerbinder"), QStringLiteral("9 346,12"));
    kind<QCheckBox>(f, "cbBolzenMin")->click();
    EXPECT_EQ(text(f, "lblVerbMax"), QStringLiteral("14 953,80"));
    f->Reiter()->setCurrentIndex(2);
    bildVon(f, QStringLiteral("traverse_verbinder_konus"));

    doppelklick(f, "lblVorschlagVerbinder");
    EXPECT_EQ(kind<QLineEdit>(f, "edtVerbinder")->text(), QStringLiteral("14 953,80"));
    EXPECT_EQ(text(f, "lblValueVerbinder"), QStringLiteral("14 953,80"));

    // choosing a material writes its bearing pressure; typing one clears the choice
    waehle(f, "cmbVerbMat", 3);
    EXPECT_EQ(kind<QLineEdit>(f, "edtVerbLL")->text(), QStringLiteral("48"));
    EXPECT_EQ(text(f, "lvlVerbLLKraft"), QStringLiteral("11 520,00"));
    tippe(f, "edtVerbLL", QStringLiteral("150"));
    EXPECT_EQ(kind<QComboBox>(f, "cmbVerbMat")->currentIndex(), -1);

    waehle(f, "cmbVerbinder", 3);
    EXPECT_TRUE(kind<QWidget>(f, "pnlBolzen")->isHidden());
    EXPECT_FALSE(kind<QWidget>(f, "pnlSchrauben")->isHidden());
    EXPECT_TRUE(kind<QWidget>(f, "edtVerbB")->isHidden());
    waehle(f, "cmbVerbinder", 4);
    EXPECT_FALSE(kind<QWidget>(f, "pnlRohr")->isHidden());
    EXPECT_TRUE(kind<QWidget>(f, "pnlSchrauben")->isHidden());
    bildVon(f, QStringLiteral("traverse_verbinder_rohr"));
}

TEST(Traversenfenster, SpeichernSchreibtDie31ZeilenUndFragtVorDemUeberschreiben)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    tippe(f, "edtEigenlast", QStringLiteral("71,5"));
    EXPECT_TRUE(f->Geaendert());
    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/neu.prt"));
    u.skript.erwarteSpeichern(pfad);
    u.anwendung.menu()->SpeichernUnter(Dokumentart::Traverse);
    ASSERT_TRUE(u.skript.unerwartet.isEmpty()) << u.skript.unerwartet.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(u.skript.dateiDialoge.first().startordner, u.ordner.pfad(QStringLiteral("Traversen")));
    EXPECT_FALSE(f->Geaendert());
    EXPECT_EQ(f->Statusfeld(1)->text(), pfad);
    const QStringList zeilen = zeilenDerDatei(pfad);
    ASSERT_EQ(zeilen.size(), 31);
    EXPECT_EQ(zeilen[0], QStringLiteral("Hersteller="));
    EXPECT_EQ(zeilen[1], QStringLiteral("Name=neue Traverse"));
    EXPECT_EQ(zeilen[3], QStringLiteral("Gurtzahl=4"));
    EXPECT_EQ(zeilen[4], QStringLiteral("Material="));
    EXPECT_EQ(zeilen[7], QStringLiteral("WEZ=nein"));
    EXPECT_EQ(zeilen[12], QStringLiteral("Horizontaldiagonalen=ja"));
    EXPECT_EQ(zeilen[15], QStringLiteral("Eigenlast=71,5"));
    EXPECT_EQ(zeilen[28], QStringLiteral("Bolzen Min=nein"));
    EXPECT_EQ(zeilen[29], QStringLiteral("Querkraft=0"));
    EXPECT_EQ(zeilen[30], QStringLiteral("Biegemoment=0"));
    const QByteArray vorher = dateiInhalt(pfad);

    // "&Speichern" writes its own file without asking
    tippe(f, "edtHersteller", QStringLiteral("ABC"));
    u.anwendung.menu()->Speichern(Dokumentart::Traverse);
    EXPECT_TRUE(u.skript.gezeigt.size() == 1) << u.skript.gezeigt.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(zeilenDerDatei(pfad)[0], QStringLiteral("Hersteller=ABC"));

    // another window saving under that name asks, and No leaves the file as it is
    const QByteArray mitHersteller = dateiInhalt(pfad);
    Tfrm_traverse* zweites = u.neu();
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Datei %1 existiert bereits.\r\nÜberschreiben?").arg(pfad));
    EXPECT_FALSE(zweites->SpeichernUnter(pfad));
    EXPECT_EQ(dateiInhalt(pfad), mitHersteller);
    EXPECT_NE(dateiInhalt(pfad), vorher);
    u.skript.erwarteFrage(Antwort::Ja);
    EXPECT_TRUE(zweites->SpeichernUnter(pfad));
    EXPECT_EQ(zeilenDerDatei(pfad)[0], QStringLiteral("Hersteller="));
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
}

TEST(Traversenfenster, OeffnenZeigtDieGespeichertenEingabenUndDasVerbinderpanel)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    kind<QSpinBox>(f, "udGurte")->setValue(2);
    waehle(f, "cmbMaterial", 1);
    waehle(f, "cmbVerbinder", 3);
    tippe(f, "edtVerbA", QStringLiteral("80"));
    tippe(f, "edtVerbD", QStringLiteral("12"));
    tippe(f, "edtVerbDehngrenze", QStringLiteral("300"));
    tippe(f, "edtQuerkraft", QStringLiteral("12345,5"));
    tippe(f, "edtBiegemoment", QStringLiteral("8000"));
    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/flansch.prt"));
    ASSERT_TRUE(f->SpeichernUnter(pfad));
    const QString moment = text(f, "lblVerbSchr_MSchr");
    EXPECT_NE(moment, QString());

    Tfrm_traverse* g = static_cast<Tfrm_traverse*>(u.anwendung.menu()->OeffneDatei(Dokumentart::Traverse, pfad));
    EXPECT_EQ(kind<QSpinBox>(g, "udGurte")->value(), 2);
    EXPECT_TRUE(kind<QWidget>(g, "edtBreite")->isHidden());
    EXPECT_EQ(kind<QComboBox>(g, "cmbMaterial")->currentText(), QStringLiteral("AlMgSi1 F28"));
    EXPECT_EQ(kind<QComboBox>(g, "cmbVerbinder")->currentIndex(), 3);
    EXPECT_FALSE(kind<QWidget>(g, "pnlSchrauben")->isHidden());
    EXPECT_TRUE(kind<QWidget>(g, "pnlBolzen")->isHidden());
    EXPECT_EQ(text(g, "lblVerbSchr_MSchr"), moment);
    EXPECT_EQ(kind<QLineEdit>(g, "edtQuerkraft")->text(), QStringLiteral("12345,5"));
    EXPECT_EQ(kind<QLineEdit>(g, "edtBiegemoment")->text(), QStringLiteral("8000"));
    EXPECT_EQ(g->Statusfeld(1)->text(), pfad);
    EXPECT_FALSE(g->Geaendert());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
}

TEST(Traversenfenster, FalscherKopfMeldetUndOeffnetKeinFenster)
{
    Umgebung u;
    const QString pfad = u.ordner.pfad(QStringLiteral("falsch.prt"));
    {
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Traversendatei 1"));
        s.Text(QStringLiteral("Gurtzahl=1"));
        s.Abschliessen();
    }
    u.skript.erwarteMeldung(QStringLiteral("Keine gültige Traversendatei"));
    EXPECT_EQ(u.anwendung.menu()->OeffneDatei(Dokumentart::Traverse, pfad), nullptr);
    EXPECT_TRUE(u.anwendung.Dokumente().empty());
    EXPECT_TRUE(u.skript.allesBeantwortet());

    // a file that cannot be read opens no window
    const auto vorher = u.anwendung.Dokumente().size();
    EXPECT_FALSE(fehlerVon([&] {
                     u.anwendung.menu()->OeffneDatei(Dokumentart::Traverse, u.ordner.pfad(QStringLiteral("fehlt.prt")));
                 }).isEmpty());
    EXPECT_EQ(u.anwendung.Dokumente().size(), vorher);
}

TEST(Traversenfenster, SchliessenFragtNurWennGeaendertUndAbbrechenBehaeltDasFenster)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    QPointer<Tfrm_traverse> fenster(f);
    tippe(f, "edtSicherheitsfaktor", QStringLiteral("3"));
    EXPECT_FALSE(f->Geaendert());
    tippe(f, "edtHoehe", QStringLiteral("400"));
    EXPECT_TRUE(f->Geaendert());
    u.skript.erwarteFrage3(Antwort::Abbrechen,
                           QStringLiteral("Traverse wurde geändert.\r\nTraverse vor dem Schließen speichern?"));
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(fenster.isNull());
    // Yes with a cancelled save-as dialog keeps it open too
    u.skript.erwarteFrage3(Antwort::Ja).erwarteSpeichern(std::nullopt);
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(fenster.isNull());
    u.skript.erwarteFrage3(Antwort::Nein);
    f->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
    EXPECT_TRUE(u.skript.allesBeantwortet());

    Tfrm_traverse* unveraendert = u.neu();
    QPointer<Tfrm_traverse> zweites(unveraendert);
    unveraendert->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(zweites.isNull());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
}

TEST(Traversenfenster, TitelFensterlisteUndSchliessfrageNennenDieDatei)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    Tfrm_traverse* g = u.neu();
    ASSERT_TRUE(f->SpeichernUnter(u.ordner.pfad(QStringLiteral("Traversen/vorne.prt"))));
    ASSERT_TRUE(g->SpeichernUnter(u.ordner.pfad(QStringLiteral("Traversen/hinten.prt"))));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Traverse vorne.prt"));
    EXPECT_EQ(g->windowTitle(), QStringLiteral("Traverse hinten.prt"));

    QMenu* fenster = u.anwendung.menu()->Fenstermenue();
    Q_EMIT fenster->aboutToShow();
    QStringList eintraege;
    for (QAction* a : fenster->actions())
        eintraege << a->text();
    EXPECT_TRUE(eintraege.contains(QStringLiteral("&1 Traverse vorne.prt"))) << eintraege.join(u'|').toStdString();
    EXPECT_TRUE(eintraege.contains(QStringLiteral("&2 Traverse hinten.prt"))) << eintraege.join(u'|').toStdString();

    tippe(g, "edtHoehe", QStringLiteral("400"));
    u.skript.erwarteFrage3(Antwort::Abbrechen,
                           QStringLiteral("Traverse hinten.prt wurde geändert.\r\nTraverse vor dem Schließen speichern?"));
    EXPECT_FALSE(g->close());
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
    g->setzeGeaendert(false);
}

TEST(Traversenfenster, MenueTraverseTraegtDieBefehleDerShell)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    QStringList namen;
    for (QAction* a : f->Traversenmenue()->actions())
        namen << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(namen, QStringList({"act_trav_new", "act_trav_open", "act_trav_save", "act_trav_saveas", "-",
                                  "act_trav_print"}));
    EXPECT_EQ(f->Traversenmenue()->title(), QStringLiteral("&Traverse"));
    ASSERT_EQ(f->Menues().size(), 2u); // its own and the edit menu
    EXPECT_EQ(f->Menues()[1].menue, f->Bearbeiten1);
    EXPECT_EQ(f->Menues()[1].gruppe, 6);
    EXPECT_EQ(f->Menues().front().gruppe, 6);
}

TEST(Traversenfenster, InDieBibliothekZweimalFragtUndNeinLaesstDieDateiUnveraendert)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    tippe(f, "edtHersteller", QStringLiteral("ABC"));
    tippe(f, "edtBearbeiter", QStringLiteral("J. Weiß"));
    tippe(f, "edtEigenlast", QStringLiteral("71,5"));
    kind<QSpinBox>(f, "udGurte")->setValue(2);
    const QString datei = u.ordner.pfad(QStringLiteral("Traversen/Bibliothek.cds"));
    kind<QPushButton>(f, "btnInsert")->click();
    ASSERT_TRUE(u.skript.unerwartet.isEmpty()) << u.skript.unerwartet.join(QLatin1Char('|')).toStdString();
    const QByteArray nachEinfuegen = dateiInhalt(datei);
    ASSERT_FALSE(nachEinfuegen.isEmpty());
    TBClientDataSet& t = u.bibliothek()->Bibliothek().cds_travbib;
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Name).AsString(), QStringLiteral("neue Traverse"));
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Hoehe).AsFloat(), 0.3);
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Breite).AsFloat(), 0); // two chords
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Eigenlast).AsFloat(), 71.5);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Gurtzahl).AsInteger(), 2);

    u.skript.erwarteFrage(Antwort::Nein,
                          QStringLiteral("Traverse \"ABC neue Traverse\" existiert bereits.\r\nÜberschreiben?"));
    kind<QSpinBox>(f, "udGurte")->setValue(4);
    kind<QPushButton>(f, "btnInsert")->click();
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_EQ(dateiInhalt(datei), nachEinfuegen);
    EXPECT_EQ(t.FieldByName(Travbibfeld::Gurtzahl).AsInteger(), 2);

    // Yes overwrites: four chords with horizontal diagonals keep the width
    u.skript.erwarteFrage(Antwort::Ja);
    kind<QPushButton>(f, "btnInsert")->click();
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Breite).AsFloat(), 0.3);
    EXPECT_NE(dateiInhalt(datei), nachEinfuegen);
    // without horizontal diagonals the width is 0; another maker is a row of its own
    kind<QCheckBox>(f, "cbHoriDiga")->click();
    tippe(f, "edtHersteller", QStringLiteral("abc"));
    kind<QPushButton>(f, "btnInsert")->click();
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_DOUBLE_EQ(t.FieldByName(Travbibfeld::Breite).AsFloat(), 0);

    // a missing required editor is refused with the table's message, nothing written
    const QByteArray zweiZeilen = dateiInhalt(datei);
    tippe(f, "edtBearbeiter", QString());
    tippe(f, "edtName", QStringLiteral("ohne Bearbeiter"));
    u.skript.erwarteMeldung();
    kind<QPushButton>(f, "btnInsert")->click();
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(dateiInhalt(datei), zweiZeilen);
    EXPECT_TRUE(u.skript.allesBeantwortet());
}

TEST(Traversenfenster, SprachwechselBautDieVerbinderartenMitGewaehltemIndexNeu)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    waehle(f, "cmbVerbinder", 3);
    f->setzeGeaendert(false);
    const QString englisch = QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en/traverse.txt");
    const auto texte = LeseSprachquellen({englisch});
    setzeUebersetzer([&texte](int id, QString& text) {
        if (const auto t = texte.find(id); t != texte.end())
            text = t->second;
    });
    f->TexteSetzen();
    auto* verbinder = kind<QComboBox>(f, "cmbVerbinder");
    EXPECT_EQ(verbinder->currentIndex(), 3);
    EXPECT_EQ(verbinder->itemText(3), QStringLiteral("Flange plate"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Truss"));
    EXPECT_EQ(f->Reiter()->tabText(3), QStringLiteral("Capacity as a column"));
    EXPECT_EQ(kind<QGroupBox>(f, "gbGurte")->title(), QStringLiteral(" Chords: "));
    EXPECT_EQ(text(f, "lblBolzen5"), QStringLiteral("Bolt:"));
    EXPECT_EQ(kind<QTableWidget>(f, "sgStuetze")->horizontalHeaderItem(1)->text(), QStringLiteral("Euler case 1"));
    EXPECT_EQ(text(f, "lblStatiker"), QStringLiteral("Therefore this module cannot completely replace the structural engineer."));
    EXPECT_FALSE(f->Geaendert()); // retranslating changes no stored value
    f->WaechstMitDenTexten();
    for (int reiter = 0; reiter < 5; ++reiter) {
        f->Reiter()->setCurrentIndex(reiter);
        QApplication::processEvents();
        // the longer English captions are not cut off
        for (QLabel* l : f->Reiter()->currentWidget()->findChildren<QLabel*>())
            if (l->isVisible() && !l->wordWrap() && !l->text().isEmpty())
                EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->text().toStdString();
        bildVon(f, QStringLiteral("traverse_englisch_%1").arg(reiter + 1));
    }
}

TEST(Traversenfenster, JedeTextidDerFensterHatEineEnglischeZeile)
{
    const auto texte = LeseSprachquellen({QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en/traverse.txt"),
                                          QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en/shell.txt")});
    std::vector<int> ids = {7, 8, 9, 1228, 1601, 1610, 1611, 1630};
    for (int id = 2100; id <= 2196; ++id)
        if (id != 2142)
            ids.push_back(id);
    for (int id = 2501; id <= 2516; ++id)
        ids.push_back(id);
    for (int id = 2550; id <= 2569; ++id)
        ids.push_back(id);
    for (int id = 1620; id <= 1629; ++id)
        ids.push_back(id);
    for (int id : ids)
        EXPECT_EQ(texte.count(id), 1u) << id;
    EXPECT_EQ(texte.at(2101), QStringLiteral("Truss \"%s %s\" already exists."));
}

// Only what the user does marks the truss changed: reading its file again and a language switch
// fill the controls without setting the mark; typing a stored value sets it.
TEST(Traversenfenster, NurEineEingabeSetztDieMarke)
{
    Umgebung u;
    Tfrm_traverse* f = u.neu();
    waehle(f, "cmbMaterial", 1);
    tippe(f, "edtQuerkraft", QStringLiteral("12345,5"));
    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/t.prt"));
    ASSERT_TRUE(f->SpeichernUnter(pfad));
    ASSERT_FALSE(f->Geaendert());

    tippe(f, "edtQuerkraft", QStringLiteral("1"));
    ASSERT_TRUE(f->Laden(pfad));
    EXPECT_EQ(kind<QLineEdit>(f, "edtQuerkraft")->text(), QStringLiteral("12345,5"));
    EXPECT_FALSE(f->Geaendert());
    setzeUebersetzer([](int id, QString& text) {
        if (id == 1000)
            text = QStringLiteral("Truss");
    });
    f->TexteSetzen();
    setzeUebersetzer({});
    EXPECT_FALSE(f->Geaendert());

    tippe(f, "edtBiegemoment", QStringLiteral("8000"));
    EXPECT_TRUE(f->Geaendert());
    f->setzeGeaendert(false);
    EXPECT_TRUE(u.skript.unerwartet.isEmpty());
}
