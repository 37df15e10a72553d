#include "project/fo_grundrisstool.h"
#include "language/u_uebersetze_qt.h"
#include "language/u_uebersetzung.h"
#include "platform/u_zahlen.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_projekt.h"
#include <QGridLayout>
#include <QGuiApplication>
#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The button pictures are ":/werkzeuge/grundriss_<bild>.svg".
QToolButton* knopf(const char* name, const char* bild, bool umschalter, QWidget* eltern)
{
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setIcon(QIcon(QStringLiteral(":/werkzeuge/grundriss_%1.svg").arg(QString::fromLatin1(bild))));
    k->setIconSize(QSize(24, 24));
    k->setCheckable(umschalter);
    k->setAutoRaise(true);
    return k;
}

QLabel* info(const char* name, QWidget* eltern)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setMinimumWidth(90);
    return l;
}

QSpinBox* hochRunter(const char* name, QWidget* eltern)
{
    auto* ud = new QSpinBox(eltern);
    ud->setObjectName(QString::fromLatin1(name));
    ud->setRange(1, 30);
    ud->setFixedWidth(20); // only the arrows: the number stands in its edit beside it
    return ud;
}
} // namespace

Tfrm_grundrisstool::Tfrm_grundrisstool(QWidget* eltern) : QDockWidget(eltern)
{
    setObjectName(QStringLiteral("frm_grundrisstool"));
    setWindowTitle(QStringLiteral("Grundriss-Werkzeuge"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    toggleViewAction()->setVisible(false); // the CAD tab shows it, not the frame's context menu
    auto* inhalt = new QWidget(this);

    grpAnzeige = new QGroupBox(QStringLiteral(" Anzeige: "), inhalt);
    grpAnzeige->setObjectName(QStringLiteral("grpAnzeige"));
    tbSize = new QSlider(Qt::Horizontal, grpAnzeige);
    tbSize->setObjectName(QStringLiteral("tbSize"));
    tbSize->setRange(0, MassstabStufen - 1);
    tbSize->setPageStep(1);
    tbSize->setTickPosition(QSlider::TicksBelow);
    tbSize->setValue(PositionVonMassstab(0.1));
    sbCenter = knopf("sbCenter", "zentrieren", false, grpAnzeige);
    sbAll = knopf("sbAll", "einpassen", false, grpAnzeige);
    sbAuswahl = knopf("sbAuswahl", "auswahl_einpassen", false, grpAnzeige);
    sbAndocken = knopf("sbAndocken", "andocken", false, grpAnzeige);
    auto* anzeige = new QHBoxLayout(grpAnzeige);
    anzeige->addWidget(tbSize, 1);
    for (QToolButton* k : {sbCenter, sbAll, sbAuswahl, sbAndocken})
        anzeige->addWidget(k);

    grpCAD = new QGroupBox(QStringLiteral(" CAD: "), inhalt);
    grpCAD->setObjectName(QStringLiteral("grpCAD"));
    sbSelect = knopf("sbSelect", "selektieren", true, grpCAD);
    sbLinie = knopf("sbLinie", "linie", true, grpCAD);
    sbRechteck = knopf("sbRechteck", "rechteck", true, grpCAD);
    sbPodestHoriz = knopf("sbPodestHoriz", "podest_horizontal", true, grpCAD);
    sbPodestVertic = knopf("sbPodestVertic", "podest_vertikal", true, grpCAD);
    sbTraverse = knopf("sbTraverse", "traverse", true, grpCAD);
    sbDelete = knopf("sbDelete", "loeschen", false, grpCAD);
    sbMove = knopf("sbMove", "verschieben", true, grpCAD);
    EdtEins = new QLineEdit(grpCAD);
    EdtEins->setObjectName(QStringLiteral("EdtEins"));
    EdtEins->setFixedWidth(50);
    udEins = hochRunter("udEins", grpCAD);
    edtZwei = new QLineEdit(QStringLiteral("1"), grpCAD);
    edtZwei->setObjectName(QStringLiteral("edtZwei"));
    edtZwei->setFixedWidth(50);
    udZwei = hochRunter("udZwei", grpCAD);
    auto* werkzeuge = new QGridLayout(grpCAD);
    int spalte = 0;
    for (QToolButton* k : {sbSelect, sbLinie, sbRechteck, sbPodestHoriz, sbPodestVertic, sbTraverse})
        werkzeuge->addWidget(k, 0, spalte++);
    auto* eingaben = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{sbDelete, sbMove, EdtEins, udEins, edtZwei, udZwei})
        eingaben->addWidget(w);
    eingaben->addStretch();
    werkzeuge->addLayout(eingaben, 1, 0, 1, spalte);

    grpInfo = new QGroupBox(QStringLiteral(" Info: "), inhalt);
    grpInfo->setObjectName(QStringLiteral("grpInfo"));
    lblX = info("lblX", grpInfo);
    lblY = info("lblY", grpInfo);
    lbldx = info("lbldx", grpInfo);
    lbldy = info("lbldy", grpInfo);
    lblL = info("lblL", grpInfo);
    lblW = info("lblW", grpInfo);
    auto* infos = new QGridLayout(grpInfo);
    infos->addWidget(lblX, 0, 0);
    infos->addWidget(lblY, 0, 1);
    infos->addWidget(lbldx, 1, 0);
    infos->addWidget(lbldy, 1, 1);
    infos->addWidget(lblL, 2, 0);
    infos->addWidget(lblW, 2, 1);

    auto* l = new QVBoxLayout(inhalt);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSizeConstraint(QLayout::SetFixedSize); // always as large as its tools and inputs need
    l->addWidget(grpAnzeige);
    l->addWidget(grpCAD);
    l->addWidget(grpInfo);
    l->addStretch(); // docked, the tools stay at the top of the side
    setWidget(inhalt);

    werkzeugKnopf(sbLinie, WerkzeugLinie);
    werkzeugKnopf(sbRechteck, WerkzeugRechteck);
    werkzeugKnopf(sbPodestHoriz, WerkzeugPodestHoriz);
    werkzeugKnopf(sbPodestVertic, WerkzeugPodestVertic);
    werkzeugKnopf(sbSelect, WerkzeugSelektieren);
    werkzeugKnopf(sbTraverse, WerkzeugTraverse);
    connect(sbMove, &QToolButton::clicked, this, [this](bool unten) {
        werkzeugGewechselt(unten ? WerkzeugVerschieben : WerkzeugSelektieren);
    });
    connect(sbDelete, &QToolButton::clicked, this, [this] {
        if (m_fenster)
            m_fenster->ElementeLoeschen();
    });
    connect(sbCenter, &QToolButton::clicked, this, [this] {
        if (m_fenster)
            m_fenster->PlanZentrieren();
    });
    // the box reports the new scale, which moves the slider
    connect(sbAll, &QToolButton::clicked, this, [this] {
        if (m_fenster)
            m_fenster->pbGrundriss->Einpassen(false);
    });
    connect(sbAuswahl, &QToolButton::clicked, this, [this] {
        if (m_fenster)
            m_fenster->pbGrundriss->Einpassen(true);
    });
    connect(sbAndocken, &QToolButton::clicked, this, [this] { Andocken(isFloating() ? m_seite : 0); });
    connect(tbSize, &QSlider::valueChanged, this, [this](int position) {
        if (m_fenster)
            m_fenster->MassstabSetzen(MassstabBei(position));
    });
    connect(EdtEins, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_fenster)
            return;
        m_fenster->grundriss().breite = text;
        if (const auto n = TextZuInteger(text); n && *n >= udEins->minimum() && *n <= udEins->maximum())
            udEins->setValue(*n);
    });
    connect(edtZwei, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const auto n = TextZuInteger(text); n && *n >= udZwei->minimum() && *n <= udZwei->maximum())
            udZwei->setValue(*n);
    });
    connect(udEins, &QSpinBox::valueChanged, this, [this](int n) {
        if (!m_fenster)
            return;
        m_fenster->grundriss().anzahlX = n;
        if (TextZuInteger(EdtEins->text()) != n)
            EdtEins->setText(QString::number(n));
    });
    connect(udZwei, &QSpinBox::valueChanged, this, [this](int n) {
        if (!m_fenster)
            return;
        m_fenster->grundriss().anzahlY = n;
        if (TextZuInteger(edtZwei->text()) != n)
            edtZwei->setText(QString::number(n));
    });
    zeigeEingaben();
    TexteSetzen();
    adjustSize();

    auto* rahmen = qobject_cast<QMainWindow*>(eltern);
    sbAndocken->setVisible(rahmen != nullptr);
    if (rahmen) {
        hide(); // until a project shows its plan; floating up would show it
        rahmen->addDockWidget(Qt::RightDockWidgetArea, this);
        setFloating(true);
    }
    // docked or undocked by dragging its caption; the frame's layout also reports while the
    // palette is hidden, which the user did not choose
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool schwebend) {
        m_seiteGewaehlt = m_seiteGewaehlt || isVisible();
        if (!schwebend && isVisible()) // dragged to the side: it floats again where the drag began
            m_ort = m_ortVorDemZiehen;
        // the button shows what it does next
        sbAndocken->setIcon(QIcon(schwebend ? QStringLiteral(":/werkzeuge/grundriss_andocken.svg")
                                            : QStringLiteral(":/werkzeuge/grundriss_loesen.svg")));
    });
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea seite) {
        if (seite == Qt::LeftDockWidgetArea || seite == Qt::RightDockWidgetArea)
            m_seite = seite;
        m_seiteGewaehlt = m_seiteGewaehlt || isVisible();
    });
}

void Tfrm_grundrisstool::TexteSetzen()
{
    setWindowTitle(Uebersetzt(2770, QStringLiteral("Grundriss-Werkzeuge")));
    UebersetzeControl(grpAnzeige, 1902);
    UebersetzeControl(grpCAD, 1903);
    UebersetzeControl(grpInfo, 1904);
    sbAll->setToolTip(Uebersetzt(2772, QStringLiteral("Ganzen Grundriss zeigen (Pos1)")));
    sbAuswahl->setToolTip(Uebersetzt(2773, QStringLiteral("Markierte Elemente zeigen (.)")));
    sbAndocken->setToolTip(Uebersetzt(2774, QStringLiteral("Am Rand andocken oder frei schweben lassen")));
}

void Tfrm_grundrisstool::werkzeugKnopf(QToolButton* knopf, int werkzeug)
{
    connect(knopf, &QToolButton::clicked, this, [this, werkzeug](bool unten) {
        werkzeugGewechselt(unten ? werkzeug : WerkzeugKeins);
    });
}

void Tfrm_grundrisstool::werkzeugGewechselt(int werkzeug)
{
    if (!m_fenster)
        return;
    m_fenster->WerkzeugWaehlen(werkzeug);
    zeigeEingaben();
    zeigeInfo(Planinfo{lblX->text(), lblY->text(), {}, {}, {}, {}});
}

// Buttons and inputs as the bound window's tool wants them: one tool button down (the select
// button also in move mode), the inputs of that tool visible with the window's values.
void Tfrm_grundrisstool::zeigeEingaben()
{
    const int werkzeug = m_fenster ? m_fenster->grundriss().Werkzeug() : int(WerkzeugKeins);
    const std::pair<QToolButton*, int> knoepfe[] = {
        {sbLinie, WerkzeugLinie},           {sbRechteck, WerkzeugRechteck},
        {sbPodestHoriz, WerkzeugPodestHoriz}, {sbPodestVertic, WerkzeugPodestVertic},
        {sbSelect, WerkzeugSelektieren},     {sbTraverse, WerkzeugTraverse}};
    for (const auto& [k, w] : knoepfe)
        k->setChecked(w == werkzeug || (k == sbSelect && werkzeug == WerkzeugVerschieben));
    sbMove->setChecked(werkzeug == WerkzeugVerschieben);
    const bool podest = werkzeug == WerkzeugPodestHoriz || werkzeug == WerkzeugPodestVertic;
    EdtEins->setVisible(werkzeug >= WerkzeugLinie && werkzeug <= WerkzeugPodestVertic);
    for (QWidget* w : std::initializer_list<QWidget*>{edtZwei, udEins, udZwei})
        w->setVisible(podest);
    sbDelete->setVisible(werkzeug == WerkzeugSelektieren);
    sbMove->setVisible(werkzeug == WerkzeugSelektieren || werkzeug == WerkzeugVerschieben);
    if (!m_fenster)
        return;
    // set from the window, the inputs tell no one: only the user's changes go back to it
    const QSignalBlocker still1(udEins), still2(udZwei), still3(EdtEins), still4(edtZwei);
    const Grundrisswerkzeuge& g = m_fenster->grundriss();
    udEins->setValue(g.anzahlX);
    udZwei->setValue(g.anzahlY);
    EdtEins->setText(g.breite);
    if (podest)
        edtZwei->setText(QString::number(g.anzahlY));
}

void Tfrm_grundrisstool::zeigeInfo(const Planinfo& info)
{
    lblX->setText(info.x);
    lblY->setText(info.y);
    lbldx->setText(info.dx);
    lbldy->setText(info.dy);
    lblL->setText(info.l);
    lblW->setText(info.w);
}

void Tfrm_grundrisstool::zeigeFuer(Tfrm_projekt* fenster)
{
    if (fenster != m_beobachtet) {
        disconnect(m_ansicht);
        disconnect(m_zerstoert);
        m_beobachtet = fenster;
        if (fenster) {
            m_ansicht = connect(fenster, &Tfrm_projekt::ansichtGewechselt, this, [this] { aktualisieren(); });
            // the window is half destroyed by now: forget it before looking at anything
            m_zerstoert = connect(fenster, &QObject::destroyed, this, [this] {
                m_beobachtet = nullptr;
                m_fenster = nullptr;
                disconnect(m_info);
                aktualisieren();
            });
        }
    }
    aktualisieren();
}

void Tfrm_grundrisstool::verberge() { zeigeFuer(nullptr); }

void Tfrm_grundrisstool::aktualisieren()
{
    Tfrm_projekt* fenster = m_beobachtet;
    if (fenster && fenster->ZeigtGrundriss()) {
        binde(fenster);
        show();
        raise();
        fenster->GrundrissNeuzeichnen();
    } else {
        binde(nullptr);
        hide();
    }
}

void Tfrm_grundrisstool::binde(Tfrm_projekt* fenster)
{
    if (fenster == m_fenster)
        return;
    disconnect(m_info);
    disconnect(m_massstab);
    disconnect(m_werkzeug);
    m_fenster = fenster;
    if (fenster) {
        m_werkzeug = connect(fenster, &Tfrm_projekt::werkzeugGewechselt, this, &Tfrm_grundrisstool::zeigeEingaben);
        m_info = connect(fenster->pbGrundriss, &TGrundrissbox::infoGeaendert, this,
                         [this](const Planinfo& info) { zeigeInfo(info); });
        m_massstab = connect(fenster->pbGrundriss, &TGrundrissbox::massstabGeaendert, this, [this](double massstab) {
            const QSignalBlocker still(tbSize);
            tbSize->setValue(std::max(0, PositionVonMassstab(massstab)));
        });
        const QSignalBlocker still(tbSize);
        tbSize->setValue(std::max(0, PositionVonMassstab(fenster->grundriss().massstab)));
    }
    zeigeEingaben();
    zeigeInfo({});
}

void Tfrm_grundrisstool::Platzieren(QPoint gespeichert)
{
    if (!QGuiApplication::screenAt(gespeichert))
        return; // a screen that is gone: the first showing places it
    m_ort = gespeichert;
    m_platziert = true;
    if (isFloating())
        move(gespeichert);
}

int Tfrm_grundrisstool::Andockseite() const { return isFloating() ? 0 : m_seite; }

void Tfrm_grundrisstool::Andocken(int seite)
{
    auto* rahmen = qobject_cast<QMainWindow*>(parentWidget());
    if (!rahmen)
        return;
    if (seite == Qt::LeftDockWidgetArea || seite == Qt::RightDockWidgetArea) {
        m_ortVorDemZiehen = m_ort;
        rahmen->addDockWidget(Qt::DockWidgetArea(seite), this);
        setFloating(false);
        m_seite = seite;
    } else {
        const QPoint ort = m_ort; // floating up moves it before it reaches its place
        setFloating(true);
        if (m_platziert)
            move(ort);
    }
    m_seiteGewaehlt = true;
}

void Tfrm_grundrisstool::showEvent(QShowEvent* e)
{
    if (!m_platziert && isFloating() && parentWidget()) {
        const QWidget* rahmen = parentWidget()->window();
        const QRect innen = rahmen->geometry();
        move(innen.right() - frameGeometry().width() - 16, innen.top() + 80);
        m_platziert = true;
    }
    QDockWidget::showEvent(e);
}

void Tfrm_grundrisstool::moveEvent(QMoveEvent* e)
{
    if (isFloating() && isVisible()) {
        m_ort = pos();
        m_platziert = true;
    }
    QDockWidget::moveEvent(e);
}

bool Tfrm_grundrisstool::event(QEvent* e)
{
    if (e->type() == QEvent::MouseButtonPress && isFloating())
        m_ortVorDemZiehen = m_ort;
    return QDockWidget::event(e);
}

void Tfrm_grundrisstool::hideEvent(QHideEvent* e)
{
    for (QToolButton* k : {sbLinie, sbRechteck, sbPodestHoriz, sbPodestVertic})
        k->setChecked(false);
    QDockWidget::hideEvent(e);
}

void Tfrm_grundrisstool::setzeModifikatorstufe(int stufe)
{
    if (isVisible() && m_fenster)
        m_fenster->setzeModifikatorstufe(stufe);
}
