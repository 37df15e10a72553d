// The load table window as the user meets it: defaults, typing, the grid, results, diagram,
// saving and reopening, older files, the library insert and the close query.
#include "loadtable/fo_belastungstabelle.h"
#include "loadtable/u_belastungsdatei.h"
#include "loadtable/u_belastungsfelder.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "tables/u_stream.h"
#include "platform/u_zahlen.h"
#include "truss/u_travbibfelder.h"
#include "u_fenstertest.h"
#include "u_testhilfen.h"
#include <QCheckBox>
#include <QGroupBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Umgebung {
    Programmordner ordner;
    SkriptDialoge skript;
    Anwendung anwendung;
    Umgebung() { anwendung.Starten(); }
    Tfrm_belastungstabelle* neu()
    {
        return static_cast<Tfrm_belastungstabelle*>(anwendung.menu()->Neu(Dokumentart::Belastungstabelle));
    }
    Tfrm_belastungstabelle* oeffne(const QString& pfad)
    {
        return static_cast<Tfrm_belastungstabelle*>(anwendung.menu()->OeffneDatei(Dokumentart::Belastungstabelle, pfad));
    }
};

QString text(QWidget* f, const char* name) { return kind<QLineEdit>(f, name)->text(); }
QString label(QWidget* f, const char* name) { return kind<QLabel>(f, name)->text(); }
QString einheit(QWidget* f, const char* name) { return kind<QComboBox>(f, name)->currentText(); }

void tippe(QWidget* f, const char* name, const QString& eingabe)
{
    QLineEdit* e = kind<QLineEdit>(f, name);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    for (const QChar z : eingabe) {
        if (z.unicode() < 128) {
            QTest::keyClick(e, char(z.unicode()));
        } else { // the test keyboard knows ASCII only
            QKeyEvent taste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(z));
            QApplication::sendEvent(e, &taste);
        }
    }
}

void waehle(QWidget* f, const char* name, const QString& eintrag)
{
    QComboBox* c = kind<QComboBox>(f, name);
    c->setCurrentIndex(c->findText(eintrag));
}

// Types a cell of the grid as the user does: select, F2, the text, Enter.
void tippeZelle(Tfrm_belastungstabelle* f, int zeile, int spalte, const QString& eingabe)
{
    QTableView* grid = f->Grid();
    const QModelIndex index = grid->model()->index(zeile, spalte);
    grid->setCurrentIndex(index);
    grid->edit(index);
    auto* feld = qobject_cast<QLineEdit*>(grid->indexWidget(index));
    ASSERT_NE(feld, nullptr);
    feld->selectAll();
    QTest::keyClicks(feld, eingabe);
    QTest::keyClick(feld, Qt::Key_Return);
    // the editor commits after the key, the table takes the value after the editor has closed
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString zelle(Tfrm_belastungstabelle* f, int zeile, int spalte)
{
    return f->Grid()->model()->index(zeile, spalte).data().toString();
}

void zeile(Tfrm_belastungstabelle* f, int laenge, double einzellast, double streckenlast)
{
    auto& t = f->Tabelle().cds_traverse;
    t.Append();
    t.FieldByName(Belastungsfeld::laenge).SetAsInteger(laenge);
    t.FieldByName(Belastungsfeld::einzellast).SetAsFloat(einzellast);
    t.FieldByName(Belastungsfeld::streckenlast).SetAsFloat(streckenlast);
    t.Post();
}

// A 20 m maker's table: 50 kg per 3 m, point loads and distributed loads falling with the span.
void beispieltabelle(Tfrm_belastungstabelle* f)
{
    tippe(f, "edtGewicht", QStringLiteral("50"));
    tippe(f, "edtLaenge", QStringLiteral("3"));
    tippe(f, "edtHoehe", QStringLiteral("400"));
    for (int l = 2; l <= 20; l += 2)
        zeile(f, l, 2000.0 / l, 4000.0 / (l * l));
}

bool istSchwarz(const QImage& bild, int x, int y) { return qGray(bild.pixel(x, y)) < 60; }

} // namespace

TEST(Belastungsfenster, NeuesFensterZeigtDieVorgabenUndKeinenStatustext)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    EXPECT_EQ(text(f, "edtName"), QStringLiteral("neue Traverse"));
    EXPECT_EQ(text(f, "edtHersteller"), QString());
    EXPECT_EQ(einheit(f, "cmbGewicht"), QStringLiteral("kg"));
    EXPECT_EQ(einheit(f, "cmbLaenge1"), QStringLiteral("m"));
    EXPECT_EQ(einheit(f, "cmbHoehe"), QStringLiteral("mm"));
    EXPECT_EQ(einheit(f, "cmbLaenge2"), QStringLiteral("m"));
    EXPECT_EQ(einheit(f, "cmbEinzellast"), QStringLiteral("kg"));
    EXPECT_EQ(einheit(f, "cmbStreckenlast"), QStringLiteral("kg/m"));
    EXPECT_EQ(kind<QSpinBox>(f, "udGurte")->value(), 4);
    EXPECT_TRUE(kind<QCheckBox>(f, "cbHoriDiga")->isChecked());
    EXPECT_EQ(label(f, "lblEigenlast"), QStringLiteral("0 N/m"));
    EXPECT_EQ(label(f, "lbl_wrt_querkraft"), QStringLiteral("0 N"));
    EXPECT_EQ(label(f, "lbl_wrt_biegemoment"), QStringLiteral("0 Nm"));
    EXPECT_EQ(label(f, "lbl_wrt_normalkraft"), QStringLiteral("0 N"));
    EXPECT_EQ(f->Statusfeld(0)->text(), QString());
    EXPECT_EQ(f->Statusfeld(1)->text(), QString());
    EXPECT_FALSE(f->Geaendert());
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Belastungstabellen"));

    const QStringList titel = {"Länge", "Einzellast", "Einzellast [N]", "Streckenlast", "Streckenlast [N/m]",
                               "Querkraft [N]", "Biegemoment [Nm]", "Querkraft [N]", "Biegemoment [Nm]"};
    QAbstractItemModel* m = f->Grid()->model();
    ASSERT_EQ(m->columnCount(), 9);
    for (int s = 0; s < 9; ++s)
        EXPECT_EQ(m->headerData(s, Qt::Horizontal).toString(), titel[s]);
    // the calculated columns are grey and cannot be typed into
    EXPECT_FALSE(m->flags(m->index(0, 2)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m->flags(m->index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_EQ(m->index(0, 5).data(Qt::BackgroundRole).value<QColor>(), QColor(224, 224, 224));

    ASSERT_EQ(f->Menues().size(), 2u); // its own and the edit menu
    EXPECT_EQ(f->Menues()[1].menue, f->Bearbeiten1);
    EXPECT_EQ(f->Menues()[1].gruppe, 7);
    EXPECT_EQ(f->Menues()[0].gruppe, 7);
    QStringList aktionen;
    for (QAction* a : f->Menue()->actions())
        aktionen << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(aktionen, QStringList({"act_bel_new", "act_bel_open", "act_bel_save", "act_bel_saveas", "-", "act_bel_print"}));
    bildVon(f, QStringLiteral("belastungstabelle_neu"));
}

TEST(Belastungsfenster, InsGewichtLassenSichNurZiffernKommaUndRuecktasteTippen)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    QLineEdit* gewicht = kind<QLineEdit>(f, "edtGewicht");
    QTest::keyClicks(gewicht, QStringLiteral("a"));
    EXPECT_EQ(gewicht->text(), QString());
    EXPECT_FALSE(f->Geaendert());
    QTest::keyClicks(gewicht, QStringLiteral("1x2.5,7 -"));
    EXPECT_EQ(gewicht->text(), QStringLiteral("125,7"));
    QTest::keyClick(gewicht, Qt::Key_Backspace);
    EXPECT_EQ(gewicht->text(), QStringLiteral("125,"));
    // other fields take any text
    tippe(f, "edtLaenge", QStringLiteral("3.0 m"));
    EXPECT_EQ(text(f, "edtLaenge"), QStringLiteral("3.0 m"));
}

TEST(Belastungsfenster, EingabenUndZeilenRechnenUndSetzenDieMarke)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    tippe(f, "edtGewicht", QStringLiteral("50"));
    tippe(f, "edtLaenge", QStringLiteral("3"));
    EXPECT_EQ(label(f, "lblEigenlast"), FormatFloat(QStringLiteral("### ### ##0.00 N/m"), 163.5));
    EXPECT_EQ(f->Statusfeld(0)->text(), QStringLiteral("geändert"));

    // a new row is typed below the last one, its length first
    tippeZelle(f, 0, 0, QStringLiteral("6"));
    tippeZelle(f, 0, 1, QStringLiteral("200"));
    tippeZelle(f, 0, 3, QStringLiteral("100"));
    ASSERT_EQ(f->Tabelle().cds_traverse.RecordCount(), 1);
    EXPECT_EQ(zelle(f, 0, 2), FormatFloat(QStringLiteral("### ### ##0.00"), 1962));
    EXPECT_EQ(zelle(f, 0, 4), FormatFloat(QStringLiteral("### ### ##0.00"), 981));
    // g = 163.5: Q_s = 981 * 3 + 163.5 * 3 = 3433.5, M_s = 36 * (981 + 163.5) / 8 = 5150.25
    EXPECT_EQ(label(f, "lbl_wrt_querkraft"), FormatFloat(QStringLiteral("### ### ##0.00 N"), 3433.5));
    EXPECT_EQ(label(f, "lbl_wrt_biegemoment"), FormatFloat(QStringLiteral("### ### ##0.00 Nm"), 5150.25));
    tippe(f, "edtHoehe", QStringLiteral("16"));
    waehle(f, "cmbHoehe", QStringLiteral("in"));
    EXPECT_EQ(label(f, "lbl_wrt_normalkraft"), FormatFloat(QStringLiteral("### ### ##0.00 N"), 5150.25 / 0.4064));

    // a row without length is refused with the table's message and leaves nothing behind
    u.skript.erwarteMeldung();
    tippeZelle(f, 1, 1, QStringLiteral("300"));
    EXPECT_EQ(u.skript.gezeigt.size(), 1);
    EXPECT_EQ(f->Tabelle().cds_traverse.RecordCount(), 1);

    // double-clicks take the results over, with two decimals and no grouping
    QTest::mouseDClick(kind<QLabel>(f, "lbl_wrt_querkraft"), Qt::LeftButton);
    EXPECT_EQ(text(f, "edtQuerkraft"), QStringLiteral("3433,50"));
    QTest::mouseDClick(kind<QLabel>(f, "lbl_wrt_biegemoment"), Qt::LeftButton);
    EXPECT_EQ(text(f, "edtBiegemoment"), QStringLiteral("5150,25"));

    // Ctrl+Del deletes the current row once asked, and the results follow
    f->Grid()->setCurrentIndex(f->Grid()->model()->index(0, 0));
    u.skript.erwarteFrage(Antwort::Ja, QStringLiteral("Zeile 1 löschen?"));
    QTest::keyClick(f->Grid(), Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f->Tabelle().cds_traverse.RecordCount(), 0);
    EXPECT_EQ(label(f, "lbl_wrt_querkraft"), FormatFloat(QStringLiteral("### ### ##0.00 N"), 0));
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, GespeichertUndWiederGeoeffnetStehtJederTextWieGetippt)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    tippe(f, "edtHersteller", QStringLiteral("Größer & Söhne"));
    tippe(f, "edtName", QStringLiteral("F34 = \"quadratisch\""));
    tippe(f, "edtBearbeiter", QStringLiteral("M. Kühn"));
    tippe(f, "edtGewicht", QStringLiteral("12,50"));
    tippe(f, "edtLaenge", QStringLiteral("kein Wert"));
    tippe(f, "edtHoehe", QStringLiteral("290"));
    tippe(f, "edtBreite", QStringLiteral("290,0"));
    tippe(f, "edtQuerkraft", QStringLiteral("12 000"));
    tippe(f, "edtBiegemoment", QStringLiteral("1,5e4"));
    waehle(f, "cmbGewicht", QStringLiteral("N"));
    waehle(f, "cmbLaenge1", QStringLiteral("ft"));
    waehle(f, "cmbHoehe", QStringLiteral("in"));
    waehle(f, "cmbLaenge2", QStringLiteral("ft"));
    waehle(f, "cmbEinzellast", QStringLiteral("kN"));
    waehle(f, "cmbStreckenlast", QStringLiteral("kg/ft"));
    kind<QSpinBox>(f, "udGurte")->setValue(3);
    kind<QCheckBox>(f, "cbHoriDiga")->setChecked(false);
    zeile(f, 8, 1.5, 20);
    zeile(f, 4, 3, 80);

    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/F34.prb"));
    u.skript.erwarteSpeichern(pfad);
    ASSERT_TRUE(f->SpeichernMitRueckfall());
    EXPECT_EQ(f->Statusfeld(0)->text(), QString());
    EXPECT_EQ(f->Statusfeld(1)->text(), pfad);
    EXPECT_EQ(u.skript.dateiDialoge.at(0).filter, QStringLiteral("Kelvara Belastungstabelle *.prb|*.prb|Alle Dateien *.*|*.*"));
    const QByteArray gespeichert = dateiInhalt(pfad);
    f->close();

    Tfrm_belastungstabelle* g = u.oeffne(pfad);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(text(g, "edtHersteller"), QStringLiteral("Größer & Söhne"));
    EXPECT_EQ(text(g, "edtName"), QStringLiteral("F34 = \"quadratisch\""));
    EXPECT_EQ(text(g, "edtBearbeiter"), QStringLiteral("M. Kühn"));
    EXPECT_EQ(text(g, "edtGewicht"), QStringLiteral("12,50"));
    EXPECT_EQ(text(g, "edtLaenge"), QStringLiteral("kein Wert"));
    EXPECT_EQ(text(g, "edtHoehe"), QStringLiteral("290"));
    EXPECT_EQ(text(g, "edtBreite"), QStringLiteral("290,0"));
    EXPECT_EQ(text(g, "edtQuerkraft"), QStringLiteral("12 000"));
    EXPECT_EQ(text(g, "edtBiegemoment"), QStringLiteral("1,5e4"));
    EXPECT_EQ(einheit(g, "cmbGewicht"), QStringLiteral("N"));
    EXPECT_EQ(einheit(g, "cmbLaenge1"), QStringLiteral("ft"));
    EXPECT_EQ(einheit(g, "cmbHoehe"), QStringLiteral("in"));
    EXPECT_EQ(einheit(g, "cmbLaenge2"), QStringLiteral("ft"));
    EXPECT_EQ(einheit(g, "cmbEinzellast"), QStringLiteral("kN"));
    EXPECT_EQ(einheit(g, "cmbStreckenlast"), QStringLiteral("kg/ft"));
    EXPECT_EQ(kind<QSpinBox>(g, "udGurte")->value(), 3);
    EXPECT_FALSE(kind<QCheckBox>(g, "cbHoriDiga")->isChecked());
    EXPECT_EQ(zelle(g, 0, 0), QStringLiteral("4"));
    EXPECT_EQ(zelle(g, 1, 0), QStringLiteral("8"));
    EXPECT_FALSE(g->Geaendert());
    EXPECT_EQ(g->Statusfeld(1)->text(), pfad);
    // "kein Wert" counts as 0: no self-weight
    EXPECT_EQ(label(g, "lblEigenlast"), FormatFloat(QStringLiteral("### ### ##0.00 N/m"), 0));

    // saving the reopened window again writes the same bytes, without asking
    ASSERT_TRUE(g->SpeichernMitRueckfall());
    EXPECT_EQ(dateiInhalt(pfad), gespeichert);
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, AeltereDateiBehaeltBreiteDiagonalenUndGurteDesNeuenFensters)
{
    Umgebung u;
    const QString pfad = u.ordner.pfad(QStringLiteral("alt.prb"));
    {
        TBClientDataSet t;
        t.FieldDefs = {TFieldDef{QStringLiteral("laenge"), TFieldType::Integer, 0, true, false, {}},
                       TFieldDef{QStringLiteral("einzellast"), TFieldType::Float, 0, false, false, {}},
                       TFieldDef{QStringLiteral("streckenlast"), TFieldType::Float, 0, false, false, {}}};
        t.CreateDataSet();
        for (int l : {3, 6}) {
            t.Append();
            t.Fields(0).SetAsInteger(l);
            t.Fields(1).SetAsFloat(100);
            t.Fields(2).SetAsFloat(50);
            t.Post();
        }
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Belastungstabelle"));
        for (const char* wert : {"Alt GmbH", "A30", "Bär", "30", "3", "300", "unbenutzt", "5000", "8000"})
            s.Text(QString::fromUtf8(wert));
        for (int position : {1, 0, 0, 0, 7, 2}) // the point-load unit 7 does not exist
            s.Integer(position);
        s.Tabelle(t);
        s.Abschliessen();
    }
    // the pass meets the missing unit once per row, and the current row once more
    const QString meldung = QStringLiteral("Keine Einheit für die Einzelkraft gewählt!");
    for (int i = 0; i < 3; ++i)
        u.skript.erwarteMeldung(meldung);
    Tfrm_belastungstabelle* f = u.oeffne(pfad);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(text(f, "edtHersteller"), QStringLiteral("Alt GmbH"));
    EXPECT_EQ(text(f, "edtBearbeiter"), QStringLiteral("Bär"));
    EXPECT_EQ(text(f, "edtHoehe"), QStringLiteral("300"));
    EXPECT_EQ(text(f, "edtBreite"), QString());
    EXPECT_EQ(text(f, "edtQuerkraft"), QStringLiteral("5000"));
    EXPECT_EQ(text(f, "edtBiegemoment"), QStringLiteral("8000"));
    EXPECT_EQ(einheit(f, "cmbGewicht"), QStringLiteral("N"));
    EXPECT_EQ(kind<QComboBox>(f, "cmbEinzellast")->currentIndex(), -1);
    EXPECT_EQ(einheit(f, "cmbStreckenlast"), QStringLiteral("kN/m"));
    EXPECT_TRUE(kind<QCheckBox>(f, "cbHoriDiga")->isChecked());
    EXPECT_EQ(kind<QSpinBox>(f, "udGurte")->value(), 4);
    EXPECT_EQ(label(f, "lblEigenlast"), FormatFloat(QStringLiteral("### ### ##0.00 N/m"), 10));
    // showing the rows does not repeat the messages
    bildVon(f, QStringLiteral("belastungstabelle_alt"));
    EXPECT_EQ(zelle(f, 1, 4), FormatFloat(QStringLiteral("### ### ##0.00"), 50000));
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, FremdeDateiMeldetSichUndWirdNichtUeberschrieben)
{
    Umgebung u;
    const QString pfad = u.ordner.pfad(QStringLiteral("fremd.prb"));
    {
        DokumentSchreiber s(pfad);
        s.Text(QStringLiteral("Kelvara VLX Traverse 1.0"));
        s.Abschliessen();
    }
    const QByteArray vorher = dateiInhalt(pfad);
    u.skript.erwarteMeldung(QStringLiteral("Keine gültige Belastungstabelle"));
    EXPECT_EQ(u.oeffne(pfad), nullptr);
    EXPECT_TRUE(u.anwendung.Dokumente().empty());
    EXPECT_EQ(dateiInhalt(pfad), vorher);
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, SpeichernUnterFragtVorDemUeberschreibenUndNeinLaesstDieDatei)
{
    Umgebung u;
    const QString pfad = u.ordner.pfad(QStringLiteral("da.prb"));
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("alt");
    datei.close();
    Tfrm_belastungstabelle* f = u.neu();
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Datei %1 existiert bereits.\r\nÜberschreiben?").arg(pfad));
    EXPECT_FALSE(f->SpeichernUnter(pfad));
    EXPECT_EQ(dateiInhalt(pfad), QByteArray("alt"));
    u.skript.erwarteFrage(Antwort::Ja);
    EXPECT_TRUE(f->SpeichernUnter(pfad));
    EXPECT_TRUE(dateiInhalt(pfad).contains("Kelvara VLX Belastungstabelle 2"));
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, MisslungenesSpeichernBehaeltMarkeUndDateiname)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    tippe(f, "edtHersteller", QStringLiteral("X"));
    const QString fehlt = u.ordner.pfad(QStringLiteral("fehlt/x.prb"));
    EXPECT_FALSE(fehlerVon([&] { f->SpeichernUnter(fehlt); }).isEmpty());
    EXPECT_TRUE(f->Geaendert());
    EXPECT_EQ(f->Statusfeld(0)->text(), QStringLiteral("geändert"));
    EXPECT_EQ(f->Statusfeld(1)->text(), QString());
    EXPECT_FALSE(QFileInfo::exists(fehlt));
}

TEST(Belastungsfenster, DiagrammFuer20MeterAuf860PunktenHatDx40UndDickeStricheBeiVielfachenVon5)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    beispieltabelle(f);
    bildVon(f, QStringLiteral("belastungstabelle_einzelwerte"));
    auto* seiten = f->findChild<QTabWidget*>();
    seiten->setCurrentWidget(f->Diagramm());
    QWidget* dia = f->Diagramm();
    dia->setFixedSize(860, 400);
    const QImage bild = bildVon(dia, QStringLiteral("belastungstabelle_diagramm"));
    const int y0 = 400 - 30;
    // dx = (860 - 60) / 20 = 40: ticks at 40 i + 50, thick (3 pixels) at 5, 10, 15, 20
    for (int i = 1; i <= 20; ++i) {
        const int x = 40 * i + 50;
        EXPECT_TRUE(istSchwarz(bild, x, y0 - 4)) << i;
        EXPECT_EQ(istSchwarz(bild, x + 1, y0 - 4), i % 5 == 0) << i;
        EXPECT_EQ(istSchwarz(bild, x - 1, y0 - 4), i % 5 == 0) << i;
    }
    // the axis runs from 40 to W - 10; the numbers stand below the thick ticks only
    EXPECT_TRUE(istSchwarz(bild, 40, y0));
    EXPECT_TRUE(istSchwarz(bild, 850, y0));
    EXPECT_FALSE(istSchwarz(bild, 39, y0));
    EXPECT_FALSE(istSchwarz(bild, 852, y0));
    auto dunkelIn = [&](int links, int rechts) {
        int n = 0;
        for (int x = links; x <= rechts; ++x)
            for (int y = y0 + 10; y < y0 + 25; ++y)
                n += istSchwarz(bild, x, y);
        return n;
    };
    EXPECT_GT(dunkelIn(245, 255), 0);
    EXPECT_GT(dunkelIn(640, 660), 0);
    EXPECT_EQ(dunkelIn(405, 415), 0); // i = 9 at x = 410
    // the curves are drawn in their colours
    bool blau = false;
    for (int x = 0; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y)
            blau = blau || bild.pixelColor(x, y) == QColor(0, 0, 255);
    EXPECT_TRUE(blau);
}

TEST(Belastungsfenster, DiagrammBleibtWeissOhneTragfaehigkeit)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    zeile(f, 5, 0, 0); // no self-weight, no loads: Q_max below 1 N
    f->findChild<QTabWidget*>()->setCurrentWidget(f->Diagramm());
    f->Diagramm()->setFixedSize(400, 300);
    const QImage bild = f->Diagramm()->grab().toImage();
    for (int x = 0; x < bild.width(); x += 7)
        for (int y = 0; y < bild.height(); y += 7)
            ASSERT_EQ(bild.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST(Belastungsfenster, InDieBibliothekFuegtEinUndFragtBeiGleichemHerstellerUndNamen)
{
    Umgebung u;
    Traversenbibliothek bibliothek;
    bibliothek.BibliothekLaden(Programmverzeichnis());
    Tfrm_belastungstabelle* f = u.neu();
    auto* knopf = kind<QPushButton>(f, "btnInsert");
    EXPECT_TRUE(knopf->isEnabled()); // the shell hands it the library window's library
    f->setzeBibliothek(&bibliothek);
    ASSERT_TRUE(knopf->isEnabled());

    tippe(f, "edtHersteller", QStringLiteral("Alu AG"));
    tippe(f, "edtName", QStringLiteral("Q30"));
    tippe(f, "edtBearbeiter", QStringLiteral("K"));
    tippe(f, "edtGewicht", QStringLiteral("50"));
    tippe(f, "edtLaenge", QStringLiteral("3"));
    tippe(f, "edtHoehe", QStringLiteral("290"));
    tippe(f, "edtBreite", QStringLiteral("250"));
    tippe(f, "edtQuerkraft", QStringLiteral("6000"));
    tippe(f, "edtBiegemoment", QStringLiteral("12500,5"));
    kind<QSpinBox>(f, "udGurte")->setValue(3);
    QTest::mouseClick(knopf, Qt::LeftButton);

    TBClientDataSet& t = bibliothek.cds_travbib;
    ASSERT_EQ(t.RecordCount(), 1);
    auto wert = [&t](Feldname feld) { return t.FieldByName(feld).Value(); };
    EXPECT_EQ(wert(Travbibfeld::Hersteller).toString(), QStringLiteral("Alu AG"));
    EXPECT_EQ(wert(Travbibfeld::Name).toString(), QStringLiteral("Q30"));
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Eigenlast).toDouble(), 163.5);
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Querkraft).toDouble(), 6000);
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Biegemoment).toDouble(), 12500.5);
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Hoehe).toDouble(), 0.29);
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Breite).toDouble(), 0.25);
    EXPECT_EQ(wert(Travbibfeld::Gurtzahl).toInt(), 3);
    EXPECT_TRUE(QFileInfo::exists(bibliothek.datei()));

    // the same maker and name ask; No changes nothing
    const QByteArray datei = dateiInhalt(bibliothek.datei());
    kind<QCheckBox>(f, "cbHoriDiga")->setChecked(false);
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Traverse \"Alu AG Q30\" existiert bereits.\r\nÜberschreiben?"));
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Breite).toDouble(), 0.25);
    EXPECT_EQ(dateiInhalt(bibliothek.datei()), datei);
    // Yes overwrites the row; without horizontal diagonals the width is 0
    u.skript.erwarteFrage(Antwort::Ja);
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(wert(Travbibfeld::Breite).toDouble(), 0);

    // a shear force that is no number is refused and leaves no row behind
    tippe(f, "edtName", QStringLiteral("Q40"));
    tippe(f, "edtQuerkraft", QStringLiteral("viel"));
    u.skript.erwarteMeldung();
    QTest::mouseClick(knopf, Qt::LeftButton);
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, SchliessenFragtMitEigenemTextUndAbbrechenLaesstEsOffen)
{
    Umgebung u;
    QPointer<Tfrm_belastungstabelle> f = u.neu();
    tippe(f, "edtHersteller", QStringLiteral("X"));
    const QString frage =
        QStringLiteral("Belastungstabelle wurde geändert.\r\nBelastungstabelle vor dem Schließen speichern?");
    u.skript.erwarteFrage3(Antwort::Abbrechen, frage);
    EXPECT_FALSE(f->close());
    ASSERT_FALSE(f.isNull());
    // Yes without a file opens the save dialog; cancelling it keeps the window open
    u.skript.erwarteFrage3(Antwort::Ja, frage).erwarteSpeichern(std::nullopt);
    EXPECT_FALSE(f->close());
    ASSERT_FALSE(f.isNull());
    u.skript.erwarteFrage3(Antwort::Nein, frage);
    EXPECT_TRUE(f->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(f.isNull());
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, SpeichernNimmtDieNochOffeneZelleMit)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    QTableView* grid = f->Grid();
    const QModelIndex laenge = grid->model()->index(0, 0);
    grid->setCurrentIndex(laenge);
    grid->edit(laenge);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(laenge));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("6"));
    const QString pfad = u.ordner.pfad(QStringLiteral("Traversen/offen.prb"));
    u.skript.erwarteSpeichern(pfad);
    u.anwendung.menu()->Speichern(Dokumentart::Belastungstabelle);
    EXPECT_TRUE(u.skript.allesBeantwortet());
    EXPECT_FALSE(f->Geaendert());
    auto* wieder = static_cast<Tfrm_belastungstabelle*>(u.anwendung.menu()->OeffneDatei(Dokumentart::Belastungstabelle, pfad));
    ASSERT_EQ(wieder->Tabelle().cds_traverse.RecordCount(), 1);
    EXPECT_EQ(zelle(wieder, 0, 0), zelle(f, 0, 0));
    EXPECT_FALSE(zelle(wieder, 0, 0).isEmpty());
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, TitelUndSchliessfrageNennenDieDatei)
{
    Umgebung u;
    QPointer<Tfrm_belastungstabelle> f = u.neu();
    ASSERT_TRUE(f->SpeichernUnter(u.ordner.pfad(QStringLiteral("Traversen/Festival.prb"))));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Belastungstabellen Festival.prb"));
    tippe(f, "edtHersteller", QStringLiteral("X"));
    u.skript.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Belastungstabelle Festival.prb wurde geändert.\r\n"
                                                              "Belastungstabelle vor dem Schließen speichern?"));
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, GurtzahlUndHorizontaleDiagonalenMarkierenDasFensterGeaendert)
{
    Umgebung u;
    QPointer<Tfrm_belastungstabelle> f = u.neu();
    auto* gurte = f->findChild<QSpinBox*>(QStringLiteral("udGurte"));
    auto* diagonalen = f->findChild<QCheckBox*>(QStringLiteral("cbHoriDiga"));
    ASSERT_TRUE(gurte && diagonalen);
    QTest::keyClick(gurte, Qt::Key_Down);
    EXPECT_EQ(f->Statusfeld(0)->text(), QStringLiteral("geändert"));
    f->setzeGeaendert(false);
    QTest::mouseClick(diagonalen, Qt::LeftButton);
    EXPECT_EQ(f->Statusfeld(0)->text(), QStringLiteral("geändert"));
    u.skript.erwarteFrage3(Antwort::Abbrechen);
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}

TEST(Belastungsfenster, AufEnglischStehenAlleTexteUndDerNeueNameSetztDieMarke)
{
    Programmordner ordner;
    const QString quelle = QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en/belastung.txt");
    const std::map<int, QString> texte = LeseSprachquellen({quelle});
    for (int id = 1500; id <= 1561; ++id) {
        const bool benutzt = id <= 1530 ? id != 1518 : id >= 1551;
        EXPECT_TRUE(!benutzt || texte.count(id)) << id;
    }
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/English.prl")), texte);
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    anwendung.menu()->SpracheWechseln(1);
    auto* f = static_cast<Tfrm_belastungstabelle*>(anwendung.menu()->Neu(Dokumentart::Belastungstabelle));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Load tables"));
    EXPECT_EQ(f->Menue()->title(), QStringLiteral("&Load tables"));
    EXPECT_EQ(text(f, "edtName"), QStringLiteral("new truss"));
    EXPECT_TRUE(f->Geaendert()); // setting the name counts as a change
    EXPECT_EQ(kind<QPushButton>(f, "btnInsert")->text(), QStringLiteral("into the library"));
    EXPECT_EQ(kind<QGroupBox>(f, "grp_eigenlast")->title(), QStringLiteral(" Self-weight: "));
    EXPECT_EQ(f->Grid()->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Distributed load [N/m]"));
    EXPECT_EQ(f->findChild<QTabWidget*>()->tabText(1), QStringLiteral("Diagram"));
    QCoreApplication::processEvents(); // the layout follows the longer texts
    bildVon(f, QStringLiteral("belastungstabelle_englisch"));
    // everything fits the child window the frame opens
    EXPECT_LE(f->centralWidget()->minimumSizeHint().width(), f->centralWidget()->width());
}


TEST(Belastungsfenster, EineHerstellertabelleGehtMitTabUndReturnOhneMausInsGrid)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    QTableView* grid = f->Grid();
    QAbstractItemModel* m = grid->model();
    grid->setCurrentIndex(m->index(0, 0));
    // Tab goes to the next cell that takes a value (the calculated columns are skipped)
    tippeUndWeiter(grid, QStringLiteral("6"), Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), m->index(0, 1));
    tippeUndWeiter(grid, QStringLiteral("200"), Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), m->index(0, 3));
    // Return after the last column: the first column of the next row, the empty one below
    tippeUndWeiter(grid, QStringLiteral("100"), Qt::Key_Return);
    EXPECT_EQ(grid->currentIndex(), m->index(1, 0));
    tippeUndWeiter(grid, QStringLiteral("8"), Qt::Key_Return);
    EXPECT_EQ(grid->currentIndex(), m->index(1, 1));
    tippeUndWeiter(grid, QStringLiteral("150"), Qt::Key_Return);
    tippeUndWeiter(grid, QStringLiteral("80"), Qt::Key_Return);
    EXPECT_EQ(grid->currentIndex(), m->index(2, 0));
    ASSERT_EQ(f->Tabelle().cds_traverse.RecordCount(), 2);
    // Shift+Tab goes back
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentIndex(), m->index(1, 3));
    TBClientDataSet& t = f->Tabelle().cds_traverse;
    t.SetRecNo(2);
    EXPECT_DOUBLE_EQ(t.FieldByName(Belastungsfeld::laenge).AsFloat(), 8);
    EXPECT_DOUBLE_EQ(t.FieldByName(Belastungsfeld::einzellast).AsFloat(), 150);
    EXPECT_DOUBLE_EQ(t.FieldByName(Belastungsfeld::streckenlast).AsFloat(), 80);

    // Ctrl+Del asks first; No keeps the row, and the empty row has nothing to ask about
    grid->setCurrentIndex(m->index(0, 1));
    u.skript.erwarteFrage(Antwort::Nein, QStringLiteral("Zeile 1 löschen?"));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f->Tabelle().cds_traverse.RecordCount(), 2);
    grid->setCurrentIndex(m->index(2, 0));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f->Tabelle().cds_traverse.RecordCount(), 2);
    EXPECT_TRUE(u.skript.allesBeantwortet());
    ohneUnerwartetes(u.skript);
}

// Undoing the first input of a new window goes back to the window as it opened, with its name
// and units, not to a state from before it was set up.
TEST(Belastungsfenster, RueckgaengigDerErstenEingabeZeigtDasNeueFensterWieGeoeffnet)
{
    Umgebung u;
    Tfrm_belastungstabelle* f = u.neu();
    QApplication::processEvents();
    QTest::keyClicks(kind<QLineEdit>(f, "edtGewicht"), QStringLiteral("100"));
    f->SchrittAbschliessen();
    ASSERT_TRUE(f->Rueckgaengig1->isEnabled());
    f->Rueckgaengig();
    EXPECT_EQ(text(f, "edtGewicht"), QString());
    EXPECT_EQ(text(f, "edtName"), QStringLiteral("neue Traverse"));
    EXPECT_EQ(einheit(f, "cmbGewicht"), QStringLiteral("kg"));
    EXPECT_EQ(einheit(f, "cmbLaenge1"), QStringLiteral("m"));
    EXPECT_EQ(einheit(f, "cmbHoehe"), QStringLiteral("mm"));
    EXPECT_FALSE(f->Rueckgaengig1->isEnabled());
    EXPECT_FALSE(f->Geaendert());
}

// Only what the user does marks the table changed: recalculating it, reading its file again and
// switching the language leave the mark as it is; typing sets it.
TEST(Belastungsfenster, NurEineEingabeSetztDieMarke)
{
    Programmordner ordner;
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/English.prl")), {{1500, QStringLiteral("&Load tables")}});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    auto* f = static_cast<Tfrm_belastungstabelle*>(anwendung.menu()->Neu(Dokumentart::Belastungstabelle));
    tippe(f, "edtGewicht", QStringLiteral("50"));
    tippe(f, "edtLaenge", QStringLiteral("3"));
    tippeZelle(f, 0, 0, QStringLiteral("6"));
    tippeZelle(f, 0, 1, QStringLiteral("200"));
    const QString pfad = ordner.pfad(QStringLiteral("t.prb"));
    ASSERT_TRUE(f->SpeichernUnter(pfad));
    ASSERT_FALSE(f->Geaendert());

    f->Tabelle().Neuberechnen();
    f->Tabelle().EigenlastBerechnen();
    f->SchrittAbschliessen();
    EXPECT_FALSE(f->Geaendert());
    ASSERT_TRUE(f->Laden(pfad));
    EXPECT_FALSE(f->Geaendert());
    anwendung.menu()->SpracheWechseln(1);
    ASSERT_EQ(f->Menue()->title(), QStringLiteral("&Load tables"));
    EXPECT_FALSE(f->Geaendert());
    EXPECT_EQ(f->Statusfeld(0)->text(), QString());

    tippeZelle(f, 0, 1, QStringLiteral("300"));
    EXPECT_TRUE(f->Geaendert());
    ohneUnerwartetes(skript);
}
