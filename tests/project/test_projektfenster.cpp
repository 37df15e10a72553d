// The project window and the floor plan palette as a user drives them: captions and status,
// the variant buttons with their dialogs, double clicks, saving and closing, drawing in the
// plan with the palette's tools, and the palette following windows and tabs.
#include "fensterhilfen.h"
#include "beam/u_balkenfelder.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge_skript.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_grundrisstool.h"
#include "project/fo_memoDialog.h"
#include "project/fo_projekt.h"
#include "project/fo_zweiDialog.h"
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include "project/u_projektfelder.h"
#include "u_fenstertest.h"
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TField& f(TBClientDataSet& t, Feldname name) { return t.FieldByName(name); }

// Answers the two-value and the text dialog in place of the user for one test.
struct Eingaben {
    QStringList gefragt;
    std::optional<std::pair<QString, QString>> zweiWerte;
    std::optional<QString> text;
    Eingaben()
    {
        setzeZweiWerteAntwort([this](const QString& titel, const QString& t1, const QString& t2, QString& a, QString& b) {
            gefragt << titel + u'|' + t1 + u'|' + t2 + u'|' + a + u'|' + b;
            if (!zweiWerte)
                return false;
            std::tie(a, b) = *zweiWerte;
            return true;
        });
        setzeTextAntwort([this](const QString& titel, QString& t) {
            gefragt << titel + u'|' + t;
            if (!text)
                return false;
            t = *text;
            return true;
        });
    }
    ~Eingaben()
    {
        setzeZweiWerteAntwort({});
        setzeTextAntwort({});
    }
};

class Projektfenster : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    Tfrm_projekt* fenster = new Tfrm_projekt;

    void SetUp() override
    {
        fenster->resize(800, 600);
        fenster->show();
    }
    void TearDown() override
    {
        fenster->projekt().SetzeGeaendert(false);
        delete fenster;
    }
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
    Projektmodell& p() { return fenster->projekt(); }

    void traverse(const QString& name, double x1, double y1, double x2, double y2)
    {
        TBClientDataSet& t = p().cds_projekt;
        t.Append();
        f(t, Projektfeld::Sortierung).SetAsInteger(0);
        f(t, Projektfeld::Name).SetAsString(name);
        f(t, Projektfeld::Position_X1).SetAsFloat(x1);
        f(t, Projektfeld::Position_Y1).SetAsFloat(y1);
        f(t, Projektfeld::Position_X2).SetAsFloat(x2);
        f(t, Projektfeld::Position_Y2).SetAsFloat(y2);
        t.Post();
    }
    void doppelklick(QTableView* sicht, int zeile)
    {
        const QModelIndex index = sicht->model()->index(zeile, 1);
        sicht->setCurrentIndex(index);
        const QPoint pos = sicht->visualRect(index).center();
        maus(sicht->viewport(), QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
        maus(sicht->viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
        maus(sicht->viewport(), QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
        maus(sicht->viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    }
};

} // namespace

TEST_F(Projektfenster, NeuesProjektHatTitelDreiTabsUndKnopfzustaende)
{
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Projekt"));
    EXPECT_EQ(fenster->Art(), Dokumentart::Projekt);
    ASSERT_EQ(fenster->pcProjekt->count(), 3);
    EXPECT_EQ(fenster->pcProjekt->tabText(0), QStringLiteral("Übersicht"));
    EXPECT_EQ(fenster->pcProjekt->tabText(1), QStringLiteral("CAD"));
    EXPECT_EQ(fenster->pcProjekt->tabText(2), QStringLiteral("Varianten"));
    EXPECT_EQ(fenster->gbProjekt->title(), QStringLiteral(" Projekt: "));
    EXPECT_EQ(fenster->Statusfeld(0)->text(), QString());
    EXPECT_FALSE(fenster->btnNew->isEnabled());
    EXPECT_FALSE(fenster->btnDelete->isEnabled());
    EXPECT_FALSE(fenster->btnAnmerkung->isEnabled());
    EXPECT_TRUE(fenster->btnDuplicate->isEnabled());
    EXPECT_EQ(fenster->dbgTraversen->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Position x1"));
    EXPECT_EQ(fenster->dbgVarianten->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Auslastung [%]"));

    traverse(QStringLiteral("Front"), 0, 0, 3, 4);
    EXPECT_TRUE(fenster->btnNew->isEnabled());
    EXPECT_FALSE(fenster->btnDelete->isEnabled());
    EXPECT_EQ(fenster->Statusfeld(0)->text(), QStringLiteral("geändert"));
    EXPECT_EQ(fenster->lblTraverseWert->text(), QStringLiteral("1  Front"));
}

TEST_F(Projektfenster, NeueVarianteFragtUndZeigtLaengeStatusUndHauptvariante)
{
    traverse(QStringLiteral("Front"), 0, 0, 3, 4);
    fenster->pcProjekt->setCurrentWidget(fenster->tabVarianten);
    Eingaben e;
    e.zweiWerte = {{QStringLiteral("Aufbau"), QStringLiteral("Petra")}};
    fenster->btnNew->click();
    ASSERT_EQ(e.gefragt, QStringList{QStringLiteral("Neue Variante|Name|Bearbeiter||")});
    EXPECT_EQ(fenster->lblNameWert->text(), QStringLiteral("Aufbau"));
    EXPECT_EQ(fenster->lblBearbeiterWert->text(), QStringLiteral("Petra"));
    EXPECT_EQ(fenster->lblStatusWert->text(), QStringLiteral("neu angelegt"));
    EXPECT_EQ(fenster->memEinstellungen->toPlainText(), QStringLiteral("TravLaenge=5,00"));
    EXPECT_TRUE(fenster->btnDelete->isEnabled());
    EXPECT_EQ(f(p().cds_projekt, Projektfeld::Variante).AsInteger(), f(p().cds_varianten, Variantenfeld::Nummer).AsInteger());

    // A cancelled dialog adds nothing; a second variant keeps the main variant.
    e.zweiWerte.reset();
    fenster->btnNew->click();
    EXPECT_EQ(p().cds_varianten.RecordCount(), 1);
    const int haupt = f(p().cds_projekt, Projektfeld::Variante).AsInteger();
    e.zweiWerte = {{QStringLiteral("Abbau"), QString()}};
    fenster->btnNew->click();
    EXPECT_EQ(p().cds_varianten.RecordCount(), 2);
    EXPECT_EQ(f(p().cds_projekt, Projektfeld::Variante).AsInteger(), haupt);
    EXPECT_EQ(fenster->dbgVarianten->model()->rowCount(), 2);
}

TEST_F(Projektfenster, AnmerkungUndDuplikatUeberDieDialoge)
{
    traverse(QStringLiteral("Front"), 0, 0, 6, 0);
    Eingaben e;
    e.zweiWerte = {{QStringLiteral("A"), QStringLiteral("B")}};
    fenster->btnNew->click();
    e.text = QStringLiteral("Motor 1\r\nMotor 2\r\n");
    fenster->btnAnmerkung->click();
    EXPECT_EQ(e.gefragt.last(), QStringLiteral("Anmerkung|"));
    EXPECT_EQ(fenster->memBemerkung->toPlainText(), QStringLiteral("Motor 1\nMotor 2\n"));
    EXPECT_TRUE(fenster->memBemerkung->isReadOnly());

    e.zweiWerte = {{QStringLiteral("Kopie"), QStringLiteral("C")}};
    fenster->btnDuplicate->click();
    EXPECT_EQ(e.gefragt.last(), QStringLiteral("Variante duplizieren|Name|Bearbeiter||"));
    EXPECT_EQ(fenster->lblStatusWert->text(), QStringLiteral("dupliziert"));
    EXPECT_EQ(fenster->lblNameWert->text(), QStringLiteral("Kopie"));
    EXPECT_TRUE(fenster->memBemerkung->toPlainText().isEmpty());
    EXPECT_EQ(fenster->memEinstellungen->toPlainText(), QStringLiteral("TravLaenge=6,00"));
}

TEST_F(Projektfenster, LoeschenDerHauptvarianteUndDoppelklicksImTraversenRaster)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    traverse(QStringLiteral("Mitte"), 0, 2, 2, 2);
    Eingaben e;
    e.zweiWerte = {{QStringLiteral("V1"), QString()}};
    fenster->btnNew->click();
    const int haupt = f(p().cds_varianten, Variantenfeld::Nummer).AsInteger();
    std::vector<std::pair<int, int>> geoeffnet;
    fenster->oeffneVariante = [&](Tfrm_projekt& w, int t, int v) {
        EXPECT_EQ(&w, fenster);
        geoeffnet.emplace_back(t, v);
    };
    doppelklick(fenster->dbgTraversen, 1);
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_EQ(geoeffnet[0], std::make_pair(2, haupt));
    doppelklick(fenster->dbgTraversen, 0); // the first truss has no variant
    EXPECT_EQ(geoeffnet.size(), 1u);

    p().cds_projekt.Last();
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("Soll die Variante %1 (V1) gelöscht werden?").arg(haupt));
    fenster->btnDelete->click();
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(f(p().cds_projekt, Projektfeld::Variante).AsInteger(), haupt);
    EXPECT_FALSE(fenster->btnDelete->isEnabled());
    doppelklick(fenster->dbgTraversen, 1);
    EXPECT_EQ(geoeffnet.size(), 1u);
}

TEST_F(Projektfenster, DoppelklickImVariantenrasterOeffnetDieAktuelleVariante)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    Eingaben e;
    e.zweiWerte = {{QStringLiteral("V1"), QString()}};
    fenster->btnNew->click();
    e.zweiWerte = {{QStringLiteral("V2"), QString()}};
    fenster->btnNew->click();
    fenster->pcProjekt->setCurrentWidget(fenster->tabVarianten);
    std::vector<int> geoeffnet;
    fenster->oeffneVariante = [&](Tfrm_projekt&, int, int v) { geoeffnet.push_back(v); };
    doppelklick(fenster->dbgVarianten, 0);
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_EQ(f(p().cds_varianten, Variantenfeld::Name).AsString(), QStringLiteral("V1"));
    EXPECT_EQ(geoeffnet[0], f(p().cds_varianten, Variantenfeld::Nummer).AsInteger());
}

TEST_F(Projektfenster, SpeichernUndLadenZeigenTitelUndProjektdaten)
{
    tippe(fenster->edtProjektName, QStringLiteral("Open Air"));
    tippe(fenster->edtProjektBearbeiter, QStringLiteral("Jörg"));
    fenster->memProjektAnmerkungen->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
    EXPECT_TRUE(fenster->Geaendert());
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    fenster->memTravAnmerkung->setPlainText(QStringLiteral("Notiz"));
    ASSERT_TRUE(fenster->SpeichernUnter(pfad("a.prp")));
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Projekt [%1]").arg(pfad("a.prp")));
    EXPECT_EQ(fenster->Statusfeld(0)->text(), QString());

    auto* zweites = new Tfrm_projekt;
    zweites->Laden(pfad("a.prp"));
    EXPECT_EQ(zweites->edtProjektName->text(), QStringLiteral("Open Air"));
    EXPECT_EQ(zweites->edtProjektBearbeiter->text(), QStringLiteral("Jörg"));
    EXPECT_EQ(zweites->memProjektAnmerkungen->toPlainText(), QStringLiteral("Zeile 1\nZeile 2"));
    EXPECT_EQ(zweites->edtTravName->text(), QStringLiteral("Front"));
    EXPECT_EQ(zweites->memTravAnmerkung->toPlainText(), QStringLiteral("Notiz"));
    EXPECT_EQ(zweites->windowTitle(), QStringLiteral("Projekt [%1]").arg(pfad("a.prp")));
    delete zweites;

    // Save as onto an existing file asks first; No writes nothing.
    QFile::copy(pfad("a.prp"), pfad("b.prp"));
    QFile b(pfad("b.prp"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray vorher = b.readAll();
    b.close();
    traverse(QStringLiteral("Neu"), 0, 0, 1, 0);
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Nein, QStringLiteral("Datei %1 existiert bereits.\r\nÜberschreiben?").arg(pfad("b.prp")));
    EXPECT_FALSE(fenster->SpeichernUnter(pfad("b.prp")));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), vorher);
    EXPECT_TRUE(fenster->Geaendert());
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST_F(Projektfenster, GetippteProjektdatenMarkierenUndSchliessenFragt)
{
    for (QWidget* feld : std::initializer_list<QWidget*>{fenster->edtProjektName, fenster->edtProjektBearbeiter,
                                                          fenster->memProjektAnmerkungen}) {
        p().SetzeGeaendert(false);
        EXPECT_EQ(fenster->Statusfeld(0)->text(), QString());
        QTest::keyClicks(feld, QStringLiteral("Ab"));
        EXPECT_EQ(fenster->Statusfeld(0)->text(), QStringLiteral("geändert")) << feld->objectName().toStdString();
    }
    EXPECT_EQ(p().name, QStringLiteral("Ab"));
    EXPECT_EQ(p().bearbeiter, QStringLiteral("Ab"));
    EXPECT_EQ(p().anmerkungen, QStringList{QStringLiteral("Ab")});
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Abbrechen);
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST_F(Projektfenster, SchliessfrageNenntDieProjektdatei)
{
    ASSERT_TRUE(fenster->SpeichernUnter(pfad("Festival.prp")));
    tippe(fenster->edtProjektName, QStringLiteral("Open Air"));
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Projekt Festival.prp wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
}

TEST_F(Projektfenster, OffeneZelleImTraversenrasterZaehltBeimSchliessen)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    ASSERT_TRUE(fenster->SpeichernUnter(pfad("offen.prp")));
    QTableView* grid = fenster->dbgTraversen;
    const QModelIndex name = grid->model()->index(0, 2);
    grid->setCurrentIndex(name);
    grid->edit(name);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(name));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Rear"));
    EXPECT_FALSE(fenster->Geaendert()); // not yet confirmed with Return
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Abbrechen, QStringLiteral("Projekt offen.prp wurde geändert.\r\nSpeichern?"));
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(f(p().cds_projekt, Projektfeld::Name).AsString(), QStringLiteral("Rear"));
}

TEST_F(Projektfenster, GetippteTraversennotizBehaeltDieReihenfolgeDerZeichen)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    fenster->memTravAnmerkung->setFocus();
    QTest::keyClicks(fenster->memTravAnmerkung, QStringLiteral("ABC"));
    EXPECT_EQ(fenster->memTravAnmerkung->toPlainText(), QStringLiteral("ABC"));
    fenster->nbTravPost->click();
    EXPECT_EQ(f(p().cds_projekt, Projektfeld::Anmerkung).AsString(), QStringLiteral("ABC"));
}

TEST_F(Projektfenster, FalscherKopfMeldetUndNimmtNichtsVonDerDatei)
{
    QFile d(pfad("t.prp"));
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write(QByteArray("\x06\x1c") + "Kelvara VLX Traversendatei 2");
    d.close();
    SkriptDialoge s;
    s.erwarteMeldung(QStringLiteral("keine gültige Projektdatei"));
    EXPECT_FALSE(fenster->Laden(pfad("t.prp")));
    EXPECT_TRUE(s.allesBeantwortet());
    EXPECT_TRUE(fenster->Dateiname().isEmpty());
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Projekt"));
    EXPECT_TRUE(fenster->edtProjektName->text().isEmpty());
    EXPECT_EQ(fenster->dbgTraversen->model()->rowCount(), 0);
}

TEST_F(Projektfenster, SchliessenMitJaUndAbgebrochenemSpeicherdialogBleibtOffen)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    SkriptDialoge d;
    d.erwarteFrage3(Antwort::Ja, QStringLiteral("Projekt wurde geändert.\r\nSpeichern?")).erwarteSpeichern(std::nullopt);
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
    ASSERT_EQ(d.dateiDialoge.size(), 1);
    EXPECT_EQ(d.dateiDialoge[0].filter, QStringLiteral("Kelvara VLX Projekt *.prp|*.prp|Alle Dateien *.*|*.*"));
    EXPECT_EQ(d.dateiDialoge[0].standardEndung, QStringLiteral("prp"));
}

TEST_F(Projektfenster, NavigatorLoeschtDieTraverseNachRueckfrage)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    traverse(QStringLiteral("Mitte"), 0, 2, 2, 2);
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Nein, QStringLiteral("Soll Traverse 2 (Mitte) gelöscht werden?"))
        .erwarteFrage(Antwort::Ja, QStringLiteral("Soll Traverse 2 (Mitte) gelöscht werden?"));
    fenster->nbTravDelete->click();
    EXPECT_EQ(p().cds_projekt.RecordCount(), 2);
    fenster->nbTravDelete->click();
    EXPECT_EQ(p().cds_projekt.RecordCount(), 1);
    EXPECT_EQ(fenster->edtTravName->text(), QStringLiteral("Front"));
    EXPECT_TRUE(d.allesBeantwortet());
}

TEST_F(Projektfenster, LoeschenWarntVorTraversenkraeftenAndererVariantenUndNeinBehaeltAlles)
{
    Eingaben e;
    e.zweiWerte = {{QStringLiteral("V1"), QString()}};
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    fenster->btnNew->click();
    traverse(QStringLiteral("Mitte"), 0, 2, 2, 2);
    fenster->btnNew->click();
    TBClientDataSet& l = p().cds_lasten;
    l.Append();
    f(l, Projektfeld::Nummer).SetAsInteger(3);
    f(l, Projektfeld::Name).SetAsString(QStringLiteral("T1|V1|L1|"));
    f(l, Lagerfeld::Type).SetAsInteger(17);
    l.Post();
    p().cds_projekt.First();
    const QString warnung = QStringLiteral("Diese Traversenkräfte anderer Varianten verweisen darauf:\r\n"
                                           "Traverse 2 (Mitte), Variante 2: Last 3\r\n"
                                           "Sie werden danach mit 0 gerechnet. Trotzdem löschen?");

    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("Soll Traverse 1 (Front) gelöscht werden?"))
        .erwarteFrage(Antwort::Nein, warnung)
        .erwarteFrage(Antwort::Nein, warnung);
    fenster->nbTravDelete->click();
    EXPECT_EQ(p().cds_projekt.RecordCount(), 2);
    fenster->btnDelete->click();
    EXPECT_EQ(p().cds_varianten.RecordCount(), 1);
    EXPECT_TRUE(d.allesBeantwortet());

    d.erwarteFrage(Antwort::Ja, warnung).erwarteFrage(Antwort::Ja, QStringLiteral("Soll die Variante 1 (V1) gelöscht werden?"));
    fenster->btnDelete->click();
    EXPECT_EQ(p().cds_varianten.RecordCount(), 0);
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(d.unerwartet.isEmpty()) << d.unerwartet.join(u'|').toStdString();
}

// ---- floor plan with the palette ----

namespace {
class Grundrissfenster : public Projektfenster {
protected:
    Tfrm_grundrisstool palette;
    TGrundrissbox* box() { return fenster->pbGrundriss; }
    QPoint bei(double x, double y) { return fenster->grundriss().PlanZuBild(QPointF(x, y)); }
    void zeigeCAD()
    {
        fenster->pcProjekt->setCurrentWidget(fenster->tabGrundriss);
        palette.zeigeFuer(fenster);
        QApplication::processEvents();
    }
};
} // namespace

TEST_F(Grundrissfenster, PaletteFolgtFensternUndTabs)
{
    palette.zeigeFuer(fenster);
    EXPECT_FALSE(palette.isVisible()); // overview tab
    EXPECT_EQ(palette.Fenster(), nullptr);
    fenster->pcProjekt->setCurrentWidget(fenster->tabGrundriss);
    EXPECT_TRUE(palette.isVisible());
    EXPECT_EQ(palette.Fenster(), fenster);

    auto* zweites = new Tfrm_projekt;
    zweites->show();
    zweites->grundriss().massstab = 0.02;
    palette.zeigeFuer(zweites);
    EXPECT_FALSE(palette.isVisible());
    EXPECT_EQ(palette.Fenster(), nullptr);
    fenster->pcProjekt->setCurrentWidget(fenster->tabVarianten); // no longer watched
    fenster->pcProjekt->setCurrentWidget(fenster->tabGrundriss);
    EXPECT_FALSE(palette.isVisible());
    zweites->pcProjekt->setCurrentWidget(zweites->tabGrundriss);
    EXPECT_TRUE(palette.isVisible());
    EXPECT_EQ(palette.Fenster(), zweites);
    EXPECT_EQ(palette.tbSize->value(), 5);

    palette.verberge();
    EXPECT_FALSE(palette.isVisible());
    palette.zeigeFuer(zweites);
    EXPECT_TRUE(palette.isVisible());
    EXPECT_TRUE(zweites->close());
    delete zweites;
    EXPECT_FALSE(palette.isVisible());
    EXPECT_EQ(palette.Fenster(), nullptr);

    palette.zeigeFuer(fenster);
    EXPECT_TRUE(palette.isVisible());
    EXPECT_EQ(palette.tbSize->value(), 3);
}

TEST_F(Grundrissfenster, WerkzeugknoepfeHoechstensEinerUntenMitIhrenEingaben)
{
    zeigeCAD();
    palette.sbLinie->click();
    EXPECT_EQ(fenster->grundriss().Werkzeug(), WerkzeugLinie);
    EXPECT_TRUE(palette.EdtEins->isVisible());
    EXPECT_EQ(palette.EdtEins->text(), QStringLiteral("0,3"));
    EXPECT_FALSE(palette.edtZwei->isVisible());
    EXPECT_FALSE(palette.sbDelete->isVisible());
    palette.sbPodestHoriz->click();
    EXPECT_FALSE(palette.sbLinie->isChecked());
    EXPECT_TRUE(palette.sbPodestHoriz->isChecked());
    EXPECT_EQ(palette.EdtEins->text(), QStringLiteral("1"));
    EXPECT_TRUE(palette.edtZwei->isVisible());
    EXPECT_TRUE(palette.udEins->isVisible());
    palette.sbPodestHoriz->click(); // pressing a down button lifts it
    EXPECT_FALSE(palette.sbPodestHoriz->isChecked());
    EXPECT_EQ(fenster->grundriss().Werkzeug(), WerkzeugKeins);
    EXPECT_FALSE(palette.EdtEins->isVisible());
    palette.sbSelect->click();
    EXPECT_TRUE(palette.sbDelete->isVisible());
    EXPECT_TRUE(palette.sbMove->isVisible());
    palette.sbMove->click();
    EXPECT_EQ(fenster->grundriss().Werkzeug(), WerkzeugVerschieben);
    EXPECT_TRUE(palette.sbMove->isChecked());
    EXPECT_FALSE(palette.sbDelete->isVisible());
    palette.sbMove->click();
    EXPECT_EQ(fenster->grundriss().Werkzeug(), WerkzeugSelektieren);
}

TEST_F(Grundrissfenster, PodestgitterUeberDieHochRunterZaehler)
{
    zeigeCAD();
    palette.sbPodestHoriz->click();
    palette.udEins->setValue(3);
    EXPECT_EQ(palette.EdtEins->text(), QStringLiteral("3"));
    palette.edtZwei->setText(QStringLiteral("2"));
    EXPECT_EQ(palette.udZwei->value(), 2);
    klicke(box(), bei(4, 6));
    const auto m = fenster->grundriss().Mauern();
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m.back().punkte, (std::vector<QPointF>{{8, 7}, {10, 8}}));
}

TEST_F(Grundrissfenster, WaehlenDannLinieDemarkiertUndZeigtGeaendert)
{
    zeigeCAD();
    palette.sbTraverse->click();
    klicke(box(), bei(-3, 0));
    maus(box(), QEvent::MouseMove, bei(3, 0));
    EXPECT_EQ(palette.lblL->text(), QStringLiteral("L: 6,00 m"));
    klicke(box(), bei(3, 0));
    palette.sbSelect->click();
    klicke(box(), bei(3, 0));
    EXPECT_TRUE(fenster->grundriss().Traversen()[0].markiert);
    ASSERT_TRUE(fenster->SpeichernUnter(pfad("p.prp")));
    EXPECT_EQ(fenster->Statusfeld(0)->text(), QString());
    palette.sbLinie->click();
    EXPECT_FALSE(fenster->grundriss().Traversen()[0].markiert);
    EXPECT_EQ(fenster->Statusfeld(0)->text(), QStringLiteral("geändert"));
    EXPECT_TRUE(palette.lbldx->text().isEmpty());
}

TEST_F(Grundrissfenster, LoeschenUndEinpassenUeberDiePalette)
{
    zeigeCAD();
    palette.sbTraverse->click();
    klicke(box(), bei(-4, 0));
    klicke(box(), bei(4, 0));
    klicke(box(), bei(-4, 2));
    klicke(box(), bei(4, 2));
    palette.sbSelect->click();
    maus(box(), QEvent::MouseButtonPress, bei(-5, -1), Qt::LeftButton, Qt::LeftButton);
    maus(box(), QEvent::MouseButtonRelease, bei(5, 3), Qt::LeftButton, Qt::NoButton);
    SkriptDialoge d;
    d.erwarteFrage(Antwort::Ja, QStringLiteral("Gewählte Elemente löschen?\r\nDarunter sind 2 Traversen mit allen ihren Varianten."));
    palette.sbDelete->click();
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_EQ(fenster->dbgTraversen->model()->rowCount(), 0);

    palette.sbAll->click();
    const double m = fenster->grundriss().massstab;
    EXPECT_EQ(palette.tbSize->value(), PositionVonMassstab(m));
    EXPECT_EQ(fenster->grundriss().planmitte, QPointF(0, 0));
    palette.tbSize->setValue(0);
    EXPECT_DOUBLE_EQ(fenster->grundriss().massstab, 1);
}

TEST_F(Grundrissfenster, TastenstufeNurBeiSichtbarerPalette)
{
    zeigeCAD();
    maus(box(), QEvent::MouseMove, bei(2, 1));
    palette.setzeModifikatorstufe(5);
    EXPECT_EQ(fenster->grundriss().modifikatorstufe, 5);
    EXPECT_EQ(fenster->grundriss().planmitte, QPointF(2, 1));
    fenster->pcProjekt->setCurrentWidget(fenster->tabUebersicht);
    palette.setzeModifikatorstufe(1);
    EXPECT_EQ(fenster->grundriss().modifikatorstufe, 5);
}

TEST_F(Grundrissfenster, BildschirmfotoEinesBuehnenplans)
{
    fenster->resize(900, 640);
    zeigeCAD();
    palette.sbRechteck->click();
    klicke(box(), bei(-12, -8));
    klicke(box(), bei(12, 10));
    palette.sbLinie->click();
    klicke(box(), bei(-12, 4));
    klicke(box(), bei(-6, 4));
    klicke(box(), bei(6, 4));
    klicke(box(), bei(12, 4));
    palette.sbPodestHoriz->click();
    palette.udEins->setValue(4);
    palette.udZwei->setValue(3);
    klicke(box(), bei(-4, -6));
    palette.sbTraverse->click();
    for (const auto& [a, b] : {std::pair{QPointF(-6, -7), QPointF(6, -7)}, std::pair{QPointF(-6, -2), QPointF(6, -2)},
                               std::pair{QPointF(-7, -7), QPointF(-7, 2)}, std::pair{QPointF(7, -7), QPointF(7, 2)}}) {
        klicke(box(), bei(a.x(), a.y()));
        klicke(box(), bei(b.x(), b.y()));
    }
    palette.sbSelect->click();
    klicke(box(), bei(7, 2));
    palette.sbAll->click();
    maus(box(), QEvent::MouseMove, bei(9, 6));
    EXPECT_EQ(fenster->grundriss().Traversen().size(), 4u);
    EXPECT_EQ(fenster->grundriss().Mauern().size(), 15u);
    const QImage bild = fenster->grab().toImage();
    EXPECT_TRUE(bild.save(QStringLiteral(KELVARA_BINAER "/projektfenster_cad.png")));
    EXPECT_TRUE(palette.grab().save(QStringLiteral(KELVARA_BINAER "/grundrisstool.png")));
    fenster->pcProjekt->setCurrentWidget(fenster->tabUebersicht);
    EXPECT_TRUE(fenster->grab().save(QStringLiteral(KELVARA_BINAER "/projektfenster_uebersicht.png")));
    Eingaben e;
    e.zweiWerte = {{QStringLiteral("Aufbau"), QStringLiteral("Petra")}};
    fenster->btnNew->click();
    fenster->pcProjekt->setCurrentWidget(fenster->tabVarianten);
    EXPECT_TRUE(fenster->grab().save(QStringLiteral(KELVARA_BINAER "/projektfenster_varianten.png")));
}

TEST_F(Projektfenster, SchreibfehlerWirdGemeldetUndDasProjektBleibtGeaendert)
{
    traverse(QStringLiteral("Front"), 0, 0, 2, 0);
    SkriptDialoge d;
    d.erwarteMeldung();
    EXPECT_FALSE(fenster->SpeichernUnter(pfad("fehlt/x.prp")));
    EXPECT_TRUE(d.allesBeantwortet());
    EXPECT_TRUE(fenster->Geaendert());
    EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Projekt"));
}

TEST_F(Grundrissfenster, TexteKommenAusDerSpracheUeberIhreIds)
{
    setzeUebersetzer([](int id, QString& text) { text = QStringLiteral("#%1").arg(id); });
    fenster->TexteSetzen();
    palette.TexteSetzen();
    setzeUebersetzer({});
    EXPECT_EQ(fenster->pcProjekt->tabText(0), QStringLiteral("#1833"));
    EXPECT_EQ(fenster->gbProjekt->title(), QStringLiteral("#1833 "));
    EXPECT_EQ(fenster->pcProjekt->tabText(1), QStringLiteral("#1848"));
    EXPECT_EQ(fenster->pcProjekt->tabText(2), QStringLiteral("#1849"));
    EXPECT_EQ(fenster->Projekt1->title(), QStringLiteral("#1831"));
    EXPECT_EQ(fenster->Schlieen1->text(), QStringLiteral("#1832"));
    EXPECT_EQ(fenster->lblTravVarianten->text(), QStringLiteral("#1839"));
    EXPECT_EQ(fenster->btnDuplicate->text(), QStringLiteral("#1861"));
    EXPECT_EQ(fenster->dbgTraversen->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("#1847"));
    EXPECT_EQ(fenster->dbgVarianten->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("#1875"));
    EXPECT_EQ(fenster->dbgTravVarianten->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("#1871"));
    EXPECT_EQ(palette.grpAnzeige->title(), QStringLiteral("#1902 "));
    EXPECT_EQ(palette.grpCAD->title(), QStringLiteral("#1903 "));
    EXPECT_EQ(palette.grpInfo->title(), QStringLiteral("#1904 "));
}

TEST_F(Grundrissfenster, BeispielprojektZeigtSeineVierTraversenImPlan)
{
    const QString beispiel = QStringLiteral(KELVARA_BINAER "/bin/Projekte/Beispielprojekt.prp");
    if (!QFile::exists(beispiel))
        GTEST_SKIP() << "the example data are built with the program";
    fenster->resize(900, 640);
    fenster->Laden(beispiel);
    zeigeCAD();
    palette.sbAll->click();
    const auto traversen = fenster->grundriss().Traversen();
    ASSERT_EQ(traversen.size(), 4u);
    const QImage bild = box()->grab().toImage();
    for (const Traversenbild& t : traversen) {
        ASSERT_TRUE(t.ende2.has_value());
        const QPoint mitte = fenster->grundriss().PlanZuBild((t.ende1 + *t.ende2) / 2);
        EXPECT_EQ(bild.pixel(mitte), qRgb(0, 0, 255)) << t.nummer;
    }
    EXPECT_TRUE(fenster->grab().save(QStringLiteral(KELVARA_BINAER "/beispielprojekt_cad.png")));
    fenster->pcProjekt->setCurrentWidget(fenster->tabUebersicht);
    EXPECT_TRUE(fenster->grab().save(QStringLiteral(KELVARA_BINAER "/beispielprojekt_uebersicht.png")));
    EXPECT_FALSE(fenster->Geaendert());
}

TEST_F(Grundrissfenster, JederPalettenknopfZeigtSeinBild)
{
    zeigeCAD();
    int knoepfe = 0;
    for (QToolButton* k : palette.findChildren<QToolButton*>()) {
        const QImage bild = k->icon().pixmap(24, 24).toImage();
        ASSERT_FALSE(bild.isNull()) << k->objectName().toStdString();
        int gemalt = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                gemalt += bild.pixelColor(x, y).alpha() > 0 ? 1 : 0;
        EXPECT_GT(gemalt, 20) << k->objectName().toStdString();
        ++knoepfe;
    }
    EXPECT_GE(knoepfe, 10);
    bildVon(&palette, QStringLiteral("grundriss_palette"));
}
