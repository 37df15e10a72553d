// Language switching: entries of the language menu, the learning table, shared ids, the
// translation of controls.
#include "language/fo_sprache.h"
#include "language/u_sprachfelder.h"
#include "language/u_uebersetze_qt.h"
#include "platform/u_dialoge_qt.h"
#include "shell/fo_main.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
QList<QAction*> spracheintraege(QMenu* menue)
{
    QList<QAction*> eintraege;
    for (QAction* a : menue->actions())
        if (a->isCheckable())
            eintraege << a;
    return eintraege;
}

std::map<int, QString> zeilenVon(const QString& pfad)
{
    TBClientDataSet tabelle;
    std::map<int, QString> zeilen;
    Meldungen meldungen;
    if (!LadeSprachdatei(tabelle, pfad, meldungen))
        return zeilen;
    for (tabelle.First(); !tabelle.Eof(); tabelle.Next())
        zeilen[tabelle.FieldByName(Sprachfeld::Nummer).AsInteger()] =
            tabelle.FieldByName(Sprachfeld::Name).AsString();
    return zeilen;
}

bool mitEnglisch(const Programmordner& ordner)
{
    return QFile::copy(QStringLiteral(KELVARA_BINAER "/assets/sprachdateien/Sprachen/English.prl"),
                       ordner.pfad(QStringLiteral("Sprachen/English.prl")));
}
} // namespace

TEST(Sprachen, DeutschUndZweiDateienGebenDreiNummerierteEintraegeHinterDenFestenPunkten)
{
    Programmordner ordner;
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/A.prl")), {});
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/B.prl")), {});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    QMenu* menue = anwendung.menu()->Sprachmenue();
    const QList<QAction*> eintraege = spracheintraege(menue);
    ASSERT_EQ(eintraege.size(), 3);
    // the built-in German comes first, the files follow in listing order
    EXPECT_EQ(menue->actions().indexOf(eintraege[0]), 3);
    EXPECT_EQ(eintraege[0]->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(eintraege[0]->data().toInt(), 0);
    EXPECT_EQ(eintraege[1]->text(), Sprachdateien().at(0));
    EXPECT_EQ(eintraege[1]->data().toInt(), 1);
    EXPECT_EQ(eintraege[2]->data().toInt(), 2);
}

TEST(Sprachen, LeereSprachdateiFuelltSichMitDenDeutschenTextenDerOffenenFenster)
{
    Programmordner ordner;
    const QString pfad = ordner.pfad(QStringLiteral("Sprachen/Neu.prl"));
    schreibeSprachdatei(pfad, {});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    Dokumentfenster* editor = anwendung.menu()->Neu(Dokumentart::Sprache);
    anwendung.menu()->SpracheWechseln(1);
    EXPECT_TRUE(skript.gezeigt.isEmpty());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Sprache []"));
    const std::map<int, QString> zeilen = zeilenVon(pfad);
    EXPECT_EQ(zeilen.at(1), QStringLiteral("geändert"));
    EXPECT_EQ(zeilen.at(1004), QStringLiteral("keine gültige Sprachdatei"));
    EXPECT_EQ(zeilen.at(1202), QStringLiteral("Ü&berlappend"));
    EXPECT_EQ(zeilen.at(1209), QStringLiteral("&Sprache"));
    // the four "&Neu" actions share id 1222; the project action's caption is recorded
    EXPECT_EQ(zeilen.at(1222), QStringLiteral("&Neu"));
    EXPECT_EQ(zeilen.at(1229), QStringLiteral("&Belastungstabellen"));
    EXPECT_EQ(zeilen.count(1218), 0u);
}

TEST(Sprachen, EineIdFuerVierAktionenGibtAllenDenselbenText)
{
    Programmordner ordner;
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/English.prl")),
                        {{1222, QStringLiteral("&New")}, {1202, QStringLiteral("&Cascade")}});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    anwendung.menu()->SpracheWechseln(1);
    for (const char* name : {"act_proj_new", "act_e_new", "act_trav_new", "act_bel_new"})
        EXPECT_EQ(Tfrm_menu::Aktion(QString::fromLatin1(name))->text(), QStringLiteral("&New")) << name;
    EXPECT_EQ(Tfrm_menu::Aktion(QStringLiteral("WindowCascade1"))->text(), QStringLiteral("&Cascade"));
    EXPECT_EQ(Tfrm_menu::Aktion(QStringLiteral("New1"))->text(), QStringLiteral("&Neu"));
    EXPECT_TRUE(spracheintraege(anwendung.menu()->Sprachmenue()).at(1)->isChecked());
}

TEST(Sprachen, KeineSprachdateiZeigtDieMeldungUndLaesstTexteUndDateiUnberuehrt)
{
    Programmordner ordner;
    schreibeSprachdatei(ordner.pfad(QStringLiteral("Sprachen/A.prl")), {{1202, QStringLiteral("&Cascade")}});
    const QString kaputt = ordner.pfad(QStringLiteral("Sprachen/B.prl"));
    {
        QFile f(kaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x06\x05Hallo", 7);
    }
    const QByteArray vorher = dateiInhalt(kaputt);
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    const QList<QAction*> eintraege = spracheintraege(anwendung.menu()->Sprachmenue());
    const int nummerA = eintraege[1]->text() == QStringLiteral("A.prl") ? 1 : 2;
    anwendung.menu()->SpracheWechseln(nummerA);
    ASSERT_EQ(Tfrm_menu::Aktion(QStringLiteral("WindowCascade1"))->text(), QStringLiteral("&Cascade"));
    skript.erwarteMeldung(QStringLiteral("keine gültige Sprachdatei"));
    anwendung.menu()->SpracheWechseln(3 - nummerA);
    EXPECT_TRUE(skript.allesBeantwortet());
    EXPECT_EQ(Tfrm_menu::Aktion(QStringLiteral("WindowCascade1"))->text(), QStringLiteral("&Cascade"));
    EXPECT_EQ(dateiInhalt(kaputt), vorher);
}

TEST(Sprachen, OhneSpracheBleibenDieTexteUndNichtsWirdGelernt)
{
    Programmordner ordner;
    QLabel label(QStringLiteral("Länge:"));
    QGroupBox gruppe(QStringLiteral(" Info:"));
    UebersetzeControl(&label, 2001);
    UebersetzeControl(&gruppe, 2050);
    UebersetzeControl(&gruppe, 2050);
    EXPECT_EQ(label.text(), QStringLiteral("Länge:"));
    EXPECT_EQ(gruppe.title(), QStringLiteral(" Info:"));
}

TEST(Sprachen, GruppeBekommtEinLeerzeichenLabelNichtUndLangeTexteWerdenGekuerzt)
{
    Programmordner ordner;
    const QString pfad = ordner.pfad(QStringLiteral("Sprachen/E.prl"));
    schreibeSprachdatei(pfad, {{10, QStringLiteral("Info:")}, {11, QStringLiteral("Length:")}});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    anwendung.menu()->SpracheWechseln(1);
    QLabel label(QStringLiteral("Länge:"));
    QGroupBox gruppe(QStringLiteral("Info"));
    UebersetzeControl(&label, 11);
    UebersetzeControl(&gruppe, 10);
    EXPECT_EQ(label.text(), QStringLiteral("Length:"));
    EXPECT_EQ(gruppe.title(), QStringLiteral("Info: "));
    QString lang(60, QLatin1Char('x'));
    Uebersetze(12, lang);
    EXPECT_EQ(lang.size(), 60); // the shown text stays, the table keeps 50
    QString wieder = QStringLiteral("anders");
    Uebersetze(12, wieder);
    EXPECT_EQ(wieder, QString(50, QLatin1Char('x')));
}

TEST(Sprachen, MitgeliefertesEnglischSchaltetMenueUndEditorUm)
{
    Programmordner ordner;
    ASSERT_TRUE(mitEnglisch(ordner));
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    Dokumentfenster* editor = anwendung.menu()->Neu(Dokumentart::Sprache);
    editor->setzeGeaendert(true);
    anwendung.menu()->SpracheWechseln(1);
    EXPECT_TRUE(skript.gezeigt.isEmpty());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Language []"));
    EXPECT_EQ(Tfrm_menu::Aktion(QStringLiteral("act_bibliothek"))->text(), QStringLiteral("&Truss library"));
    EXPECT_EQ(static_cast<Tfrm_sprache*>(editor)->Sprachmenue()->title(), QStringLiteral("&Language"));
    EXPECT_EQ(editor->Statusfeld(0)->text(), QStringLiteral("modified"));
    bildVon(anwendung.hauptfenster(), QStringLiteral("hauptfenster_englisch"));
}

namespace {
// The button texts of the real question box, read while it is open, answered No.
QStringList knoepfeDerFrage()
{
    QStringList texte;
    QTimer::singleShot(0, [&texte] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton* k : box->buttons())
            texte << k->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    QtDialoge dialoge;
    EXPECT_EQ(dialoge.FrageJaNeinAbbrechen(QStringLiteral("?")), Antwort::Nein);
    texte.sort();
    return texte;
}
} // namespace

TEST(Sprachen, VomEnglischenZurueckZumDeutschenMitDenQtDialogen)
{
    Programmordner ordner;
    ASSERT_TRUE(mitEnglisch(ordner));
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    EXPECT_EQ(knoepfeDerFrage(), (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Ja"), QStringLiteral("Nein")}));
    Dokumentfenster* editor = anwendung.menu()->Neu(Dokumentart::Sprache);
    editor->setzeGeaendert(true);
    QAction* bibliothek = Tfrm_menu::Aktion(QStringLiteral("act_bibliothek"));

    anwendung.menu()->SpracheWechseln(1);
    EXPECT_EQ(bibliothek->text(), QStringLiteral("&Truss library"));
    EXPECT_EQ(editor->Statusfeld(0)->text(), QStringLiteral("modified"));
    EXPECT_EQ(knoepfeDerFrage(), (QStringList{QStringLiteral("Abort"), QStringLiteral("No"), QStringLiteral("Yes")}));
    QAction* deutsch = spracheintraege(anwendung.menu()->Sprachmenue()).at(0);
    EXPECT_EQ(deutsch->text(), QStringLiteral("Deutsch (German)"));

    deutsch->trigger();
    EXPECT_TRUE(skript.gezeigt.isEmpty());
    EXPECT_TRUE(deutsch->isChecked());
    EXPECT_EQ(anwendung.sprache().Sprachnummer, 0);
    EXPECT_EQ(bibliothek->text(), QStringLiteral("&Traversenbibliothek"));
    EXPECT_EQ(deutsch->text(), QStringLiteral("Deutsch"));
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Sprache []"));
    EXPECT_EQ(static_cast<Tfrm_sprache*>(editor)->Sprachmenue()->title(), QStringLiteral("&Sprache"));
    EXPECT_EQ(editor->Statusfeld(0)->text(), QStringLiteral("geändert"));
    EXPECT_EQ(knoepfeDerFrage(), (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Ja"), QStringLiteral("Nein")}));

    // and over again: the learnt file still serves
    anwendung.menu()->SpracheWechseln(1);
    EXPECT_EQ(bibliothek->text(), QStringLiteral("&Truss library"));
    editor->setzeGeaendert(false);
}
