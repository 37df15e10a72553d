// The utilisation tab of the beam editor: the calculation settings, the support shifting and
// the utilisation diagram under the beam drawing.
#include "beam/fo_cadflaeche.h"
#include "beam/fo_variante.h"
#include "beam/fo_malflaeche.h"
#include "beam/g_auslastungsbild.h"
#include "beam/g_cadansicht.h"
#include "language/u_uebersetzung.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

void BindeKasten(QCheckBox* kasten, QAction* aktion)
{
    QObject::connect(kasten, &QCheckBox::toggled, aktion, &QAction::setChecked);
    QObject::connect(aktion, &QAction::toggled, kasten, &QCheckBox::setChecked);
}

namespace {
// Any mouse button pressed on it shifts the supports, with the keys held at that moment.
class Versetzknopf : public QToolButton {
public:
    Versetzknopf(const char* name, const QString& bild, std::function<void(Qt::KeyboardModifiers)> versetzen)
        : m_versetzen(std::move(versetzen))
    {
        setObjectName(QString::fromLatin1(name));
        setIcon(QIcon(bild));
        setIconSize(QSize(24, 24));
    }

protected:
    void mousePressEvent(QMouseEvent* ereignis) override
    {
        QToolButton::mousePressEvent(ereignis);
        m_versetzen(ereignis->modifiers());
    }

private:
    std::function<void(Qt::KeyboardModifiers)> m_versetzen;
};
} // namespace

void Tfrm_variante::baueAuslastungTab()
{
    tab_Auslastung = new QWidget;
    tab_Auslastung->setObjectName(QStringLiteral("tab_Auslastung"));
    pcHaupt->addTab(tab_Auslastung, QString());

    tbSize2 = new QSlider(Qt::Horizontal);
    tbSize2->setObjectName(QStringLiteral("tbSize2"));
    tbSize2->setRange(0, 30);
    tbSize2->setValue(0);
    tbSize2->setFixedWidth(160);
    // the CAD slider clamps to its own range and reacts only to a real change
    connect(tbSize2, &QSlider::valueChanged, tbSize, &QSlider::setValue);
    sbAll2 = new QToolButton;
    sbAll2->setObjectName(QStringLiteral("sbAll2"));
    sbAll2->setIcon(sbAll->icon());
    sbAll2->setToolTip(sbAll->toolTip());
    connect(sbAll2, &QToolButton::clicked, sbAll, &QToolButton::click);
    btnBerechnen = new QPushButton;
    btnBerechnen->setObjectName(QStringLiteral("btnBerechnen"));
    connect(btnBerechnen, &QPushButton::clicked, actBerechnen, &QAction::trigger);
    cbMinimal2 = new QCheckBox;
    cbMinimal2->setObjectName(QStringLiteral("cbMinimal2"));
    cbNegativ2 = new QCheckBox;
    cbNegativ2->setObjectName(QStringLiteral("cbNegativ2"));
    BindeKasten(cbMinimal2, actMinimal);
    BindeKasten(cbNegativ2, actNegativ);

    cmbBerechnung = new QComboBox;
    cmbBerechnung->setObjectName(QStringLiteral("cmbBerechnung"));
    lblStaudruck = new QLabel(QStringLiteral("Staudruck [kN/m²]"));
    lblStaudruck->setObjectName(QStringLiteral("lblStaudruck"));
    cmbStaudruck = new QComboBox;
    cmbStaudruck->setObjectName(QStringLiteral("cmbStaudruck"));
    cmbStaudruck->setEditable(true);
    cmbStaudruck->addItems(Staudrucktexte());
    cmbStaudruck->setFixedWidth(80);
    // neither the mode nor the pressure recalculates or marks the variant changed
    connect(cmbBerechnung, &QComboBox::activated, this, [this](int index) {
        modell.berechnung.waehle(index);
        lblStaudruck->setVisible(index > 0);
        cmbStaudruck->setVisible(index > 0);
    });
    connect(cmbStaudruck->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { modell.staudruck.setzeText(text); });
    connect(cmbStaudruck, &QComboBox::activated, this,
            [this](int index) { modell.staudruck.setzeText(cmbStaudruck->itemText(index)); });

    lblLagerVersetzen = new QLabel(QStringLiteral("Lager versetzen"));
    lblLagerVersetzen->setObjectName(QStringLiteral("lblLagerVersetzen"));
    sbInner = new Versetzknopf("sbInner", QStringLiteral(":/werkzeuge/nach_innen.svg"),
                               [this](Qt::KeyboardModifiers tasten) { LagerVersetzen(false, tasten); });
    sbOuter = new Versetzknopf("sbOuter", QStringLiteral(":/werkzeuge/nach_aussen.svg"),
                               [this](Qt::KeyboardModifiers tasten) { LagerVersetzen(true, tasten); });
    // the beam as the CAD view draws it above, the diagram below
    pbAuslastung = new Malflaeche("pbAuslastung", 240, [this](QPainter& maler, const QWidget& flaeche) {
        const CadAbbildung abbildung{ansicht.ansichtsmitte, ansicht.massstab, ansicht.zoomfaktor, pbCAD->size()};
        // the envelope exists only after the first calculation
        TBClientDataSet* maxima = rechnung.cds_maxima.Active() ? &rechnung.cds_maxima : nullptr;
        AuslastungMalen(maler, flaeche.size(), flaeche.palette().color(QPalette::Button), abbildung, maxima,
                        [this](QPainter& m, const QRect& rechteck, const QColor& hintergrund) {
                            // the CAD view's scale and columns, the bar in the middle of this half
                            Cadansicht halbe = ansicht;
                            halbe.hoehe = rechteck.height();
                            ZeichneBalken(m, rechteck, hintergrund, halbe, modell);
                        });
    });
    lblWarnungen = new QLabel;
    lblWarnungen->setObjectName(QStringLiteral("lblWarnungen"));
    lblWarnungen->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    lblWarnungen->setVisible(false);

    auto* kopf = new QGridLayout;
    kopf->addWidget(tbSize2, 0, 0);
    kopf->addWidget(sbAll2, 0, 1);
    kopf->addWidget(cmbBerechnung, 0, 2);
    kopf->addWidget(lblStaudruck, 0, 3);
    kopf->addWidget(cmbStaudruck, 0, 4);
    kopf->addWidget(lblLagerVersetzen, 0, 6);
    kopf->addWidget(sbInner, 0, 7);
    kopf->addWidget(sbOuter, 0, 8);
    kopf->addWidget(btnBerechnen, 0, 9);
    kopf->addWidget(cbMinimal2, 1, 2, 1, 4);
    kopf->addWidget(cbNegativ2, 1, 6, 1, 4);
    kopf->setColumnStretch(5, 1);
    auto* layout = new QVBoxLayout(tab_Auslastung);
    layout->addLayout(kopf);
    layout->addWidget(lblWarnungen);
    layout->addWidget(pbAuslastung, 1);
    zeigeRechenart();
}

void Tfrm_variante::zeigeRechenart()
{
    cmbBerechnung->clear();
    cmbBerechnung->addItems(modell.berechnung.eintraege());
    cmbBerechnung->setCurrentIndex(modell.berechnung.gewaehlt());
    const int modus = modell.berechnung.gewaehlt();
    lblStaudruck->setVisible(modus > 0);
    cmbStaudruck->setVisible(modus > 0);
    cmbStaudruck->setCurrentText(modell.staudruck.angezeigterText());
}

void Tfrm_variante::zeigeWarnungen()
{
    const bool unsicher = !rechnung.warnungen.isEmpty();
    lblWarnungen->setText(rechnung.warnungen.join(u'\n'));
    lblWarnungen->setVisible(unsicher);
    Statusfeld(2)->setStyleSheet(unsicher ? QStringLiteral("color: #c00000; font-weight: bold;") : QString());
}

void Tfrm_variante::LagerVersetzen(bool nachAussen, Qt::KeyboardModifiers tasten)
{
    BenenneSchritt(Uebersetzt(2086, QStringLiteral("Lager versetzen")));
    rechnung.VersetzeLager(Versetzschritt(nachAussen, tasten & Qt::ShiftModifier, tasten & Qt::ControlModifier));
    Berechnen();
}
