// Every text id the windows look up has an English text in the shipped language sources: an empty
// language file learns the ids of all open windows at a switch, and each of them must be found
// in assets/sprachen/en.
#include "language/u_sprachquelle.h"
#include "language/u_sprachfelder.h"
#include "shell/fo_menu.h"
#include "shell/u_anwendung_qt.h"
#include "u_fenstertest.h"
#include <QDir>
#include <gtest/gtest.h>

TEST(EnglischeTexte, JedeIdDerOffenenFensterHatEineUebersetzung)
{
    Programmordner ordner;
    const QString leer = ordner.pfad(QStringLiteral("Sprachen/Leer.prl"));
    schreibeSprachdatei(leer, {});
    SkriptDialoge skript;
    Anwendung anwendung;
    anwendung.Starten();
    for (Dokumentart art : {Dokumentart::Sprache, Dokumentart::Traverse, Dokumentart::Belastungstabelle,
                            Dokumentart::Einzelprojekt, Dokumentart::Projekt})
        anwendung.menu()->Neu(art);
    anwendung.menu()->SpracheWechseln(1);

    TBClientDataSet gelernt;
    Meldungen meldungen;
    ASSERT_TRUE(LadeSprachdatei(gelernt, leer, meldungen));
    const QDir quellen(QStringLiteral(KELVARA_QUELLEN "/assets/sprachen/en"));
    QStringList dateien;
    for (const QString& name : quellen.entryList({QStringLiteral("*.txt")}))
        dateien << quellen.filePath(name);
    const auto englisch = LeseSprachquellen(dateien);
    QStringList fehlend;
    for (gelernt.First(); !gelernt.Eof(); gelernt.Next()) {
        const int id = gelernt.FieldByName(Sprachfeld::Nummer).AsInteger();
        if (!englisch.count(id))
            fehlend << QStringLiteral("%1=%2").arg(id).arg(gelernt.FieldByName(Sprachfeld::Name).AsString());
    }
    EXPECT_GT(gelernt.RecordCount(), 300);
    EXPECT_TRUE(fehlend.isEmpty()) << fehlend.join(QLatin1Char('\n')).toStdString();
    for (Dokumentfenster* d : anwendung.Dokumente())
        d->setzeGeaendert(false);
}
