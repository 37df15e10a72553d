// Undo and redo of the beam editor: the state a step restores, and the names of the steps the
// CAD tools, the buttons and the inputs make.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "beam/u_balkenfelder.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDataStream>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace {
// The rows of a state into the editor's table, which keeps its fields, formats and hooks.
void stelleTabelleHer(TBClientDataSet& tabelle, const QByteArray& paket, void (*einrichten)(TBClientDataSet&))
{
    TBClientDataSet stand;
    einrichten(stand);
    stand.AusPaket(paket);
    KopiereZeilen(stand, tabelle);
    tabelle.First();
}

// A caption as the name of a step: no accelerator, no colon.
QString schrittname(QString beschriftung)
{
    beschriftung.remove(u'&');
    beschriftung = beschriftung.trimmed();
    if (beschriftung.endsWith(u':'))
        beschriftung.chop(1);
    return beschriftung.trimmed();
}

// The kind of the one marked element of a table; 0 when none, -1 when several.
int markierteArt(TBClientDataSet& tabelle)
{
    const int markiert = tabelle.FieldByName(Balkenfeld::markiert).Index();
    const int art = tabelle.FieldByName(Balkenfeld::Type).Index();
    int gefunden = 0;
    for (int zeile = 1; zeile <= tabelle.RecordCount(); ++zeile) // rows count from 1
        if (tabelle.WertBei(zeile, markiert).toBool())
            gefunden = gefunden == 0 ? tabelle.WertBei(zeile, art).toInt() : -1;
    return gefunden;
}
} // namespace

QByteArray Tfrm_variante::Stand()
{
    QByteArray stand;
    QDataStream s(&stand, QIODevice::WriteOnly);
    // the time of the last calculation belongs to the results
    const QDateTime berechnetAm = std::exchange(modell.berechnetAm, QDateTime());
    s << modell.variantenname << modell.bearbeiter << modell.traversenname << modell.Einstellungen();
    modell.berechnetAm = berechnetAm;
    s << modell.cds_lager.Paket() << modell.cds_lasten.Paket();
    return stand;
}

void Tfrm_variante::StandHerstellen(const QByteArray& stand)
{
    QDataStream s(stand);
    QString einstellungen;
    QByteArray lager, lasten;
    s >> modell.variantenname >> modell.bearbeiter >> modell.traversenname >> einstellungen >> lager >> lasten;
    modell.LeseEinstellungen(einstellungen); // leaves the time of the last calculation
    stelleTabelleHer(modell.cds_lager, lager, RichteLagertabelleEin);
    stelleTabelleHer(modell.cds_lasten, lasten, RichteLastentabelleEin);
    modell.ZaehlerSetzen();
    ansicht.ersterPunkt = KeinPunkt;
    werkzeuge.AllesAbwaehlen();
    ZeigeTraverse();
    setzeBerechnet(false);
    neuZeichnen();
}

void Tfrm_variante::verbindeSchritte()
{
    pbCAD->installEventFilter(this);
    connect(sbDelete, &QToolButton::clicked, this, [this] { BenenneSchritt(sbDelete->toolTip()); });
    for (QToolButton* knopf : {sbSwitchUp, sbSwitchDown})
        connect(knopf, &QToolButton::clicked, this, [this, knopf] { BenenneSchritt(knopf->toolTip()); });
    // The calculation's options and mode are stored with the variant but do not mark it changed;
    // the user's clicks, choices and typing are steps, filling the controls is none.
    const auto option = [this](const QString& name, const QObject* getipptIn) {
        StillerSchritt(name, getipptIn);
        setzeBerechnet(false);
    };
    for (auto [kasten, aktion] : {std::pair{cbMinimal, actMinimal}, std::pair{cbMinimal2, actMinimal},
                                  std::pair{cbNegativ, actNegativ}, std::pair{cbNegativ2, actNegativ}})
        connect(kasten, &QCheckBox::clicked, this,
                [option, aktion = aktion] { option(schrittname(aktion->text()), nullptr); });
    connect(cmbBerechnung, &QComboBox::activated, this, [this, option] { option(cmbBerechnung->currentText(), nullptr); });
    const auto staudruck = [this, option] { option(schrittname(lblStaudruck->text()), cmbStaudruck); };
    connect(cmbStaudruck, &QComboBox::activated, this, staudruck);
    connect(cmbStaudruck->lineEdit(), &QLineEdit::textEdited, this, staudruck);
    // typed texts: one step per word, named after the field
    const auto getippt = [this](QLineEdit* feld, QLabel* beschriftung) {
        connect(feld, &QLineEdit::textEdited, this,
                [this, feld, beschriftung] { BenenneSchritt(schrittname(beschriftung->text()), feld); });
    };
    getippt(edt_VName, lbl_VName);
    getippt(edt_VBearbeiter, lbl_VBearbeiter);
    getippt(edtDurchbiegungsgrenze, lblDurchbiegungsgrenze);
    getippt(edtTravEI, lblTravEI);
}

QString Tfrm_variante::setzname() const
{
    const QString art = Artname(ansicht.werkzeug);
    return Format(Uebersetzt(3004, QStringLiteral("%s setzen")),
                  {art.isEmpty() ? werkzeugknoepfe[std::size_t(ansicht.werkzeug)]->toolTip() : art});
}

QString Tfrm_variante::verschiebename()
{
    const int lager = markierteArt(modell.cds_lager), lasten = markierteArt(modell.cds_lasten);
    const int art = lager == 0 ? lasten : lasten == 0 ? lager : -1;
    if (art <= 0 || Artname(art).isEmpty())
        return Uebersetzt(3006, QStringLiteral("Verschieben"));
    return Format(Uebersetzt(3005, QStringLiteral("%s verschieben")), {Artname(art)});
}

bool Tfrm_variante::cadSchritt(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        const int werkzeug = ansicht.werkzeug;
        m_verschiebt = werkzeug == ArtVerschieben && ansicht.ErsterPunktGesetzt();
        if (werkzeug == ArtVerschieben)
            BenenneSchritt(verschiebename());
        else if (werkzeug != ArtSelektieren)
            BenenneSchritt(setzname());
    } else if (ereignis->type() == QEvent::MouseButtonRelease && std::exchange(m_verschiebt, false)) {
        // One move per choice of the tool: a stray click afterwards moves nothing. The release
        // is the move tool's, so the selection tool must not mark with it.
        werkzeugGewaehlt(ArtSelektieren);
        werkzeuge.auswahlrahmen = false;
        neuZeichnen();
        return true;
    }
    return false;
}
