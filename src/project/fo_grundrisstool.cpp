#include "project/fo_grundrisstool.h"
#include "language/u_uebersetze_qt.h"
#include "platform/u_zahlen.h"
#include "project/fo_grundrissbox.h"
#include "project/fo_projekt.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
enum Bild { BildZentrum = 10, BildAlles, BildLoeschen, BildVerschieben }; // after the tool numbers

// The button glyphs, drawn in the plan's own colours on 24 × 24 pixels.
QIcon glyphe(int art)
{
    QPixmap p(24, 24);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    const QPen schwarz(Qt::black, 2), duenn(Qt::black, 1);
    switch (art) {
    case WerkzeugSelektieren: { // arrow pointer with a dashed frame
        m.setPen(QPen(Qt::darkGreen, 1, Qt::DashLine));
        m.drawRect(2, 2, 14, 14);
        QPainterPath pfeil;
        pfeil.moveTo(9, 9);
        pfeil.lineTo(9, 22);
        pfeil.lineTo(12.5, 18.5);
        pfeil.lineTo(15, 23);
        pfeil.lineTo(17, 22);
        pfeil.lineTo(14.5, 17.5);
        pfeil.lineTo(19, 17);
        pfeil.closeSubpath();
        m.setPen(duenn);
        m.setBrush(Qt::white);
        m.drawPath(pfeil);
        break;
    }
    case WerkzeugLinie:
        m.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(3, 20, 21, 4);
        break;
    case WerkzeugRechteck:
        m.setPen(QPen(Qt::black, 3));
        m.drawRect(4, 6, 16, 12);
        break;
    case WerkzeugPodestHoriz:
    case WerkzeugPodestVertic: {
        const bool horizontal = art == WerkzeugPodestHoriz;
        m.setPen(duenn);
        m.setBrush(QColor(210, 190, 150));
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                horizontal ? m.drawRect(2 + 10 * i, 6 + 6 * j, 10, 6) : m.drawRect(6 + 6 * i, 2 + 10 * j, 6, 10);
        break;
    }
    case WerkzeugTraverse:
        m.setPen(QPen(QColor(0, 0, 255), 4, Qt::SolidLine, Qt::FlatCap));
        m.drawLine(2, 14, 22, 14);
        m.setPen(QPen(QColor(0, 0, 255), 1));
        m.drawText(QRect(2, 0, 12, 11), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1"));
        break;
    case BildZentrum:
        m.setPen(QPen(QColor(128, 0, 0), 2));
        m.drawLine(2, 12, 22, 12);
        m.drawLine(12, 2, 12, 22);
        m.setPen(duenn);
        m.drawEllipse(QPointF(12, 12), 6, 6);
        break;
    case BildAlles:
        m.setPen(duenn);
        m.drawRect(7, 7, 10, 10);
        m.setPen(schwarz);
        for (const QPoint& ecke : {QPoint(2, 2), QPoint(22, 2), QPoint(2, 22), QPoint(22, 22)}) {
            const QPoint innen((ecke.x() + 12) / 2, (ecke.y() + 12) / 2);
            m.drawLine(ecke, innen);
            m.drawLine(ecke, QPoint(ecke.x(), innen.y()));
            m.drawLine(ecke, QPoint(innen.x(), ecke.y()));
        }
        break;
    case BildLoeschen:
        m.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        m.drawLine(5, 5, 19, 19);
        m.drawLine(19, 5, 5, 19);
        break;
    case BildVerschieben:
        m.setPen(schwarz);
        m.drawLine(12, 2, 12, 22);
        m.drawLine(2, 12, 22, 12);
        for (const auto& [spitze, a, b] : {std::tuple{QPoint(12, 2), QPoint(9, 6), QPoint(15, 6)},
                                           std::tuple{QPoint(12, 22), QPoint(9, 18), QPoint(15, 18)},
                                           std::tuple{QPoint(2, 12), QPoint(6, 9), QPoint(6, 15)},
                                           std::tuple{QPoint(22, 12), QPoint(18, 9), QPoint(18, 15)}}) {
            m.drawLine(spitze, a);
            m.drawLine(spitze, b);
        }
        break;
    }
    return QIcon(p);
}

QToolButton* knopf(const char* name, int bild, bool umschalter, QWidget* eltern)
{
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setIcon(glyphe(bild));
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

Tfrm_grundrisstool::Tfrm_grundrisstool(QWidget* eltern)
    : QWidget(eltern, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frm_grundrisstool"));

    grpAnzeige = new QGroupBox(QStringLiteral(" Anzeige: "), this);
    grpAnzeige->setObjectName(QStringLiteral("grpAnzeige"));
    tbSize = new QSlider(Qt::Horizontal, grpAnzeige);
    tbSize->setObjectName(QStringLiteral("tbSize"));
    tbSize->setRange(0, MassstabStufen - 1);
    tbSize->setPageStep(1);
    tbSize->setTickPosition(QSlider::TicksBelow);
    tbSize->setValue(PositionVonMassstab(0.1));
    sbCenter = knopf("sbCenter", BildZentrum, false, grpAnzeige);
    sbAll = knopf("sbAll", BildAlles, false, grpAnzeige);
    auto* anzeige = new QHBoxLayout(grpAnzeige);
    anzeige->addWidget(tbSize, 1);
    anzeige->addWidget(sbCenter);
    anzeige->addWidget(sbAll);

    grpCAD = new QGroupBox(QStringLiteral(" CAD: "), this);
    grpCAD->setObjectName(QStringLiteral("grpCAD"));
    sbSelect = knopf("sbSelect", WerkzeugSelektieren, true, grpCAD);
    sbLinie = knopf("sbLinie", WerkzeugLinie, true, grpCAD);
    sbRechteck = knopf("sbRechteck", WerkzeugRechteck, true, grpCAD);
    sbPodestHoriz = knopf("sbPodestHoriz", WerkzeugPodestHoriz, true, grpCAD);
    sbPodestVertic = knopf("sbPodestVertic", WerkzeugPodestVertic, true, grpCAD);
    sbTraverse = knopf("sbTraverse", WerkzeugTraverse, true, grpCAD);
    sbDelete = knopf("sbDelete", BildLoeschen, false, grpCAD);
    sbMove = knopf("sbMove", BildVerschieben, true, grpCAD);
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

    grpInfo = new QGroupBox(QStringLiteral(" Info: "), this);
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

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(grpAnzeige);
    l->addWidget(grpCAD);
    l->addWidget(grpInfo);

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
    connect(sbAll, &QToolButton::clicked, this, [this] {
        if (!m_fenster)
            return;
        m_fenster->PlanEinpassen();
        m_setzt = true;
        tbSize->setValue(PositionVonMassstab(m_fenster->grundriss().massstab));
        m_setzt = false;
    });
    connect(tbSize, &QSlider::valueChanged, this, [this](int position) {
        if (m_fenster && !m_setzt)
            m_fenster->MassstabSetzen(MassstabBei(position));
    });
    connect(EdtEins, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_fenster || m_setzt)
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
        if (!m_fenster || m_setzt)
            return;
        m_fenster->grundriss().anzahlX = n;
        if (TextZuInteger(EdtEins->text()) != n)
            EdtEins->setText(QString::number(n));
    });
    connect(udZwei, &QSpinBox::valueChanged, this, [this](int n) {
        if (!m_fenster || m_setzt)
            return;
        m_fenster->grundriss().anzahlY = n;
        if (TextZuInteger(edtZwei->text()) != n)
            edtZwei->setText(QString::number(n));
    });
    zeigeEingaben();
    adjustSize();
}

void Tfrm_grundrisstool::TexteSetzen()
{
    UebersetzeControl(grpAnzeige, 1902);
    UebersetzeControl(grpCAD, 1903);
    UebersetzeControl(grpInfo, 1904);
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
    m_setzt = true;
    const Grundrisswerkzeuge& g = m_fenster->grundriss();
    udEins->setValue(g.anzahlX);
    udZwei->setValue(g.anzahlY);
    EdtEins->setText(g.breite);
    if (podest)
        edtZwei->setText(QString::number(g.anzahlY));
    m_setzt = false;
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
    m_fenster = fenster;
    if (fenster) {
        m_info = connect(fenster->pbGrundriss, &TGrundrissbox::infoGeaendert, this,
                         [this](const Planinfo& info) { zeigeInfo(info); });
        m_setzt = true;
        tbSize->setValue(std::max(0, PositionVonMassstab(fenster->grundriss().massstab)));
        m_setzt = false;
    }
    zeigeEingaben();
    zeigeInfo({});
}

void Tfrm_grundrisstool::hideEvent(QHideEvent* e)
{
    for (QToolButton* k : {sbLinie, sbRechteck, sbPodestHoriz, sbPodestVertic})
        k->setChecked(false);
    QWidget::hideEvent(e);
}

void Tfrm_grundrisstool::setzeModifikatorstufe(int stufe)
{
    if (isVisible() && m_fenster)
        m_fenster->setzeModifikatorstufe(stufe);
}
