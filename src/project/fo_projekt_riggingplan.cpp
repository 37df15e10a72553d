// The project window's rigging plan commands: printing the plan, computing every variant and
// exporting the rigging points.
#include "calculator/u_export.h"
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge.h"
#include "project/fo_projekt.h"
#include "project/g_riggingplan.h"
#include "project/u_projektberechnung.h"
#include "project/u_projektfelder.h"
#include "report/fo_vorschau.h"
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

namespace {
// Runs what walks the project's tables, then puts the truss and variant rows back where the user
// had them.
template <typename F> auto ohneCursorwechsel(Projektmodell& p, F arbeit)
{
    const QVariant traverse = p.cds_projekt.FieldByName(Projektfeld::Nummer).Value();
    const QVariant variante = p.cds_varianten.Active() ? p.cds_varianten.FieldByName(Variantenfeld::Nummer).Value() : QVariant();
    auto ergebnis = arbeit();
    if (traverse.isValid() && p.cds_projekt.Locate({Projektfeld::Nummer}, {traverse}) && variante.isValid())
        p.cds_varianten.Locate({Variantenfeld::Nummer}, {variante});
    return ergebnis;
}
} // namespace

void Tfrm_projekt::baueRiggingbefehle()
{
    Projekt1->addSeparator();
    act_proj_print = Projekt1->addAction(QStringLiteral("&Drucken"));
    act_proj_print->setObjectName(QStringLiteral("act_proj_print"));
    connect(act_proj_print, &QAction::triggered, this, [this] { ausfuehren([this] { Drucken(); }); });
    act_proj_calc = Projekt1->addAction(QStringLiteral("Alle Varianten berechnen"));
    act_proj_calc->setObjectName(QStringLiteral("act_proj_calc"));
    connect(act_proj_calc, &QAction::triggered, this, [this] { ausfuehren([this] { VariantenBerechnenClick(); }); });
    act_proj_export = Projekt1->addAction(QStringLiteral("&Riggingpunkte exportieren..."));
    act_proj_export->setObjectName(QStringLiteral("act_proj_export"));
    connect(act_proj_export, &QAction::triggered, this, [this] { ausfuehren([this] { RiggingpunkteExportieren(); }); });
}

void Tfrm_projekt::texteRiggingbefehle()
{
    UebersetzeMenuItem(act_proj_print, 2901);
    UebersetzeMenuItem(act_proj_calc, 2902);
    UebersetzeMenuItem(act_proj_export, 2903);
}

void Tfrm_projekt::VariantenBerechnenClick()
{
    SchrittAbschliessen();
    const QStringList meldungen = ohneCursorwechsel(m_projekt, [this] { return AlleVariantenBerechnen(m_projekt); });
    OhneSchritt(); // results are no step
    zeigeTraverse();
    if (!meldungen.isEmpty())
        dialoge().Meldung(meldungen.join(u'\n'));
}

void Tfrm_projekt::Drucken()
{
    const auto bericht = [this](Riggingpapier papier) {
        const Riggingplan plan = ohneCursorwechsel(m_projekt, [this] { return ErstelleRiggingplan(m_projekt); });
        return Umbrechen(RiggingplanBericht(plan, m_grundriss.Mauern(), m_grundriss.Traversen(), papier,
                                            QDateTime::currentDateTime()));
    };
    Tfrm_vorschau vorschau(bericht(Riggingpapier::A4Quer), this);
    auto* cmbPapier = new QComboBox(&vorschau);
    cmbPapier->setObjectName(QStringLiteral("cmbPapier"));
    cmbPapier->addItems({Uebersetzt(2941, QStringLiteral("A4 quer")), Uebersetzt(2942, QStringLiteral("A3 quer"))});
    auto* btnBerechnen = new QPushButton(Uebersetzt(2902, QStringLiteral("Alle Varianten berechnen")), &vorschau);
    btnBerechnen->setObjectName(QStringLiteral("btnBerechnen"));
    btnBerechnen->setAutoDefault(false);
    const auto papier = [cmbPapier] { return cmbPapier->currentIndex() == 1 ? Riggingpapier::A3Quer : Riggingpapier::A4Quer; };
    connect(cmbPapier, &QComboBox::activated, &vorschau, [&] { vorschau.setzeLayout(bericht(papier())); });
    connect(btnBerechnen, &QPushButton::clicked, &vorschau, [&] {
        ausfuehren([this] { VariantenBerechnenClick(); });
        vorschau.setzeLayout(bericht(papier()));
    });
    vorschau.optionenHinzufuegen({cmbPapier, btnBerechnen});
    vorschau.setWindowState(Qt::WindowMaximized);
    vorschau.exec();
}

void Tfrm_projekt::RiggingpunkteExportieren()
{
    DateiDialog dialog = ExportDialog();
    dialog.dateiname = QStringLiteral("Riggingpunkte.xls");
    if (const std::optional<QString> pfad = dialoge().DateiSpeichern(dialog))
        ::RiggingpunkteExportieren(ohneCursorwechsel(m_projekt, [this] { return ErstelleRiggingplan(m_projekt); }), *pfad,
                                   FrageBejaht); // a write error goes to ausfuehren
}
