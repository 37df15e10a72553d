#include "report/fo_vorschau.h"
#include "language/u_uebersetzung.h"
#include "platform/u_dialoge.h"
#include "platform/u_einheiten.h"
#include "platform/u_fehler.h"
#include "platform/u_zahlen.h"
#include "report/u_berichtsmaler.h"
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {
// Zoom steps of the buttons, listed in the zoom list after "Ganze Seite" and "Seitenbreite".
constexpr std::array<double, 9> zoomstufen{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr int seitenabstand = 24; // pixels around the page in the scroll area

QString dateinameAus(const QString& titel)
{
    QString name = titel.trimmed();
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return (name.isEmpty() ? QStringLiteral("Bericht") : name) + QStringLiteral(".pdf");
}

bool druckdialogZeigen(QPrinter& drucker, int seiten, QWidget* eltern)
{
    QPrintDialog dialog(&drucker, eltern);
    dialog.setMinMax(1, seiten);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}
} // namespace

void BerichtVorschau(const Bericht& bericht, QWidget* eltern)
{
    Tfrm_vorschau vorschau(Umbrechen(bericht), eltern);
    vorschau.setWindowState(Qt::WindowMaximized);
    vorschau.exec();
}

void BerichtDrucken(const Berichtslayout& layout, QPrinter& drucker)
{
    drucker.setFullPage(true);
    drucker.setPageSize(QPageSize(layout.papier, QPageSize::Millimeter));
    drucker.setPageOrientation(layout.papier.width() > layout.papier.height() ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait);
    drucker.setDocName(layout.titel);
    const int seiten = int(layout.seiten.size());
    int von = 1;
    int bis = seiten;
    if (drucker.printRange() == QPrinter::PageRange && drucker.fromPage() > 0) {
        von = std::max(1, drucker.fromPage());
        bis = std::min(seiten, drucker.toPage() > 0 ? drucker.toPage() : seiten);
    }
    if (von > bis)
        return;
    QPainter maler;
    if (!maler.begin(&drucker))
        throw Fehler(Uebersetzt(2702, QStringLiteral("Der Drucker kann nicht angesprochen werden.")));
    for (int s = von; s <= bis; ++s) {
        if (s > von)
            drucker.newPage();
        SeiteMalen(maler, layout, s - 1);
    }
    maler.end();
}

Tfrm_vorschau::Tfrm_vorschau(Berichtslayout layout, QWidget* eltern) : QDialog(eltern), m_layout(std::move(layout))
{
    setObjectName(QStringLiteral("frm_vorschau"));
    setSizeGripEnabled(true);
    m_druckdialog = [this](QPrinter& drucker, int seiten) { return druckdialogZeigen(drucker, seiten, this); };

    btnErsteSeite = werkzeug(QStringLiteral("btnErsteSeite"), QStyle::SP_MediaSkipBackward);
    btnVorherigeSeite = werkzeug(QStringLiteral("btnVorherigeSeite"), QStyle::SP_MediaSeekBackward);
    lblSeite = new QLabel(this);
    lblSeite->setObjectName(QStringLiteral("lblSeite"));
    lblSeite->setAlignment(Qt::AlignCenter);
    lblSeite->setMinimumWidth(110);
    btnNaechsteSeite = werkzeug(QStringLiteral("btnNaechsteSeite"), QStyle::SP_MediaSeekForward);
    btnLetzteSeite = werkzeug(QStringLiteral("btnLetzteSeite"), QStyle::SP_MediaSkipForward);
    btnVerkleinern = werkzeug(QStringLiteral("btnVerkleinern"), QStyle::SP_ArrowDown);
    btnVerkleinern->setText(QStringLiteral("−"));
    btnVerkleinern->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnVergroessern = werkzeug(QStringLiteral("btnVergroessern"), QStyle::SP_ArrowUp);
    btnVergroessern->setText(QStringLiteral("+"));
    btnVergroessern->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmbZoom = new QComboBox(this);
    cmbZoom->setObjectName(QStringLiteral("cmbZoom"));
    btnDrucken = new QPushButton(this);
    btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    btnPdf = new QPushButton(this);
    btnPdf->setObjectName(QStringLiteral("btnPdf"));
    btnSchliessen = new QPushButton(this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    btnSchliessen->setAutoDefault(false);
    btnDrucken->setAutoDefault(false);
    btnPdf->setAutoDefault(false);

    pbSeite = new QLabel;
    pbSeite->setObjectName(QStringLiteral("pbSeite"));
    pbSeite->setAlignment(Qt::AlignCenter);
    sbSeite = new QScrollArea(this);
    sbSeite->setObjectName(QStringLiteral("sbSeite"));
    sbSeite->setWidget(pbSeite);
    sbSeite->setWidgetResizable(true);
    sbSeite->setAlignment(Qt::AlignCenter);
    sbSeite->setBackgroundRole(QPalette::Dark);
    sbSeite->viewport()->installEventFilter(this);

    auto* leiste = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnErsteSeite, btnVorherigeSeite, lblSeite, btnNaechsteSeite,
                                                      btnLetzteSeite})
        leiste->addWidget(w);
    leiste->addSpacing(16);
    for (QWidget* w : std::initializer_list<QWidget*>{btnVerkleinern, cmbZoom, btnVergroessern})
        leiste->addWidget(w);
    leiste->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{btnDrucken, btnPdf, btnSchliessen})
        leiste->addWidget(w);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(leiste);
    m_optionsleiste = new QHBoxLayout;
    spalte->addLayout(m_optionsleiste);
    spalte->addWidget(sbSeite, 1);

    connect(btnErsteSeite, &QToolButton::clicked, this, [this] { zeigeSeite(0); });
    connect(btnVorherigeSeite, &QToolButton::clicked, this, [this] { zeigeSeite(m_seite - 1); });
    connect(btnNaechsteSeite, &QToolButton::clicked, this, [this] { zeigeSeite(m_seite + 1); });
    connect(btnLetzteSeite, &QToolButton::clicked, this, [this] { zeigeSeite(seitenzahl() - 1); });
    connect(btnVerkleinern, &QToolButton::clicked, this, &Tfrm_vorschau::btnVerkleinernClick);
    connect(btnVergroessern, &QToolButton::clicked, this, &Tfrm_vorschau::btnVergroessernClick);
    connect(cmbZoom, &QComboBox::activated, this, &Tfrm_vorschau::cmbZoomChange);
    connect(btnDrucken, &QPushButton::clicked, this, &Tfrm_vorschau::btnDruckenClick);
    connect(btnPdf, &QPushButton::clicked, this, &Tfrm_vorschau::btnPdfClick);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    const auto taste = [this](QKeySequence folge, auto handlung) {
        connect(new QShortcut(folge, this), &QShortcut::activated, this, handlung);
    };
    taste(QKeySequence(Qt::Key_PageDown), [this] { zeigeSeite(m_seite + 1); });
    taste(QKeySequence(Qt::Key_PageUp), [this] { zeigeSeite(m_seite - 1); });
    taste(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { zeigeSeite(0); });
    taste(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { zeigeSeite(seitenzahl() - 1); });
    taste(QKeySequence::ZoomIn, [this] { btnVergroessernClick(); });
    taste(QKeySequence::ZoomOut, [this] { btnVerkleinernClick(); });

    resize(900, 1000);
    TexteSetzen();
    m_zoom = passenderZoom();
    aktualisieren();
}

void Tfrm_vorschau::optionenHinzufuegen(const std::vector<QWidget*>& optionen)
{
    for (QWidget* w : optionen)
        m_optionsleiste->addWidget(w);
    m_optionsleiste->addStretch();
}

void Tfrm_vorschau::setzeLayout(Berichtslayout layout)
{
    m_layout = std::move(layout);
    m_seite = std::clamp(m_seite, 0, std::max(0, seitenzahl() - 1));
    if (m_zoomart != Zoomart::Faktor)
        m_zoom = passenderZoom();
    aktualisieren();
}

QToolButton* Tfrm_vorschau::werkzeug(const QString& name, QStyle::StandardPixmap bild)
{
    auto* knopf = new QToolButton(this);
    knopf->setObjectName(name);
    knopf->setIcon(style()->standardIcon(bild));
    knopf->setAutoRaise(true);
    return knopf;
}

void Tfrm_vorschau::TexteSetzen()
{
    setWindowTitle(m_layout.titel.isEmpty() ? Uebersetzt(2703, QStringLiteral("Druckvorschau"))
                                            : Uebersetzt(2703, QStringLiteral("Druckvorschau")) + QStringLiteral(" – ")
                                                  + m_layout.titel);
    btnErsteSeite->setToolTip(Uebersetzt(2704, QStringLiteral("Erste Seite")));
    btnVorherigeSeite->setToolTip(Uebersetzt(2705, QStringLiteral("Vorherige Seite")));
    btnNaechsteSeite->setToolTip(Uebersetzt(2706, QStringLiteral("Nächste Seite")));
    btnLetzteSeite->setToolTip(Uebersetzt(2707, QStringLiteral("Letzte Seite")));
    btnVerkleinern->setToolTip(Uebersetzt(2708, QStringLiteral("Verkleinern")));
    btnVergroessern->setToolTip(Uebersetzt(2709, QStringLiteral("Vergrößern")));
    btnDrucken->setText(Uebersetzt(2710, QStringLiteral("&Drucken...")));
    btnPdf->setText(Uebersetzt(2711, QStringLiteral("als PDF speichern")));
    btnSchliessen->setText(Uebersetzt(2712, QStringLiteral("S&chließen")));
    cmbZoom->clear();
    cmbZoom->addItem(Uebersetzt(2713, QStringLiteral("Ganze Seite")));
    cmbZoom->addItem(Uebersetzt(2714, QStringLiteral("Seitenbreite")));
    for (double faktor : zoomstufen)
        cmbZoom->addItem(FormatFloat(QStringLiteral("0 %"), faktor * 100));
    aktualisieren();
}

void Tfrm_vorschau::zeigeSeite(int seite)
{
    m_seite = std::clamp(seite, 0, seitenzahl() - 1);
    aktualisieren();
    sbSeite->verticalScrollBar()->setValue(0);
}

void Tfrm_vorschau::setzeZoom(double faktor)
{
    m_zoomart = Zoomart::Faktor;
    m_zoom = std::clamp(faktor, zoomstufen.front(), zoomstufen.back());
    aktualisieren();
}

void Tfrm_vorschau::setzeZoomart(Zoomart art)
{
    m_zoomart = art;
    if (art != Zoomart::Faktor)
        m_zoom = passenderZoom();
    aktualisieren();
}

void Tfrm_vorschau::btnVergroessernClick()
{
    const auto* groesser = std::upper_bound(zoomstufen.begin(), zoomstufen.end(), m_zoom + 1e-9);
    setzeZoom(groesser == zoomstufen.end() ? zoomstufen.back() : *groesser);
}

void Tfrm_vorschau::btnVerkleinernClick()
{
    const auto* kleiner = std::lower_bound(zoomstufen.begin(), zoomstufen.end(), m_zoom - 1e-9);
    setzeZoom(kleiner == zoomstufen.begin() ? zoomstufen.front() : *(kleiner - 1));
}

void Tfrm_vorschau::cmbZoomChange(int index)
{
    if (index == 0)
        setzeZoomart(Zoomart::GanzeSeite);
    else if (index == 1)
        setzeZoomart(Zoomart::Seitenbreite);
    else if (index - 2 < int(zoomstufen.size()))
        setzeZoom(zoomstufen[size_t(index - 2)]);
}

void Tfrm_vorschau::btnDruckenClick()
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(m_layout.titel);
    if (!m_druckdialog(drucker, seitenzahl()))
        return;
    try {
        BerichtDrucken(m_layout, drucker);
    } catch (const Fehler& f) {
        dialoge().Meldung(f.meldung());
    }
}

void Tfrm_vorschau::btnPdfClick()
{
    DateiDialog dialog;
    dialog.titel = Uebersetzt(2711, QStringLiteral("als PDF speichern"));
    dialog.filter = Uebersetzt(2715, QStringLiteral("PDF-Dokument")) + QStringLiteral("|*.pdf");
    dialog.standardEndung = QStringLiteral("pdf");
    dialog.dateiname = dateinameAus(m_layout.titel);
    const std::optional<QString> datei = dialoge().DateiSpeichern(dialog);
    if (!datei)
        return;
    try {
        BerichtAlsPdf(m_layout, *datei);
    } catch (const Fehler& f) {
        dialoge().Meldung(f.meldung());
    }
}

double Tfrm_vorschau::passenderZoom() const
{
    const double mmJePixel = MmProZoll / logicalDpiX();
    const QSize frei = sbSeite->viewport()->size() - QSize(2 * seitenabstand, 2 * seitenabstand);
    const double breite = frei.width() * mmJePixel / m_layout.papier.width();
    const double hoehe = frei.height() * mmJePixel / m_layout.papier.height();
    const double faktor = m_zoomart == Zoomart::GanzeSeite ? std::min(breite, hoehe) : breite;
    return std::clamp(faktor, 0.1, zoomstufen.back());
}

// A fitted zoom follows the size of the page area.
bool Tfrm_vorschau::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == sbSeite->viewport() && ereignis->type() == QEvent::Resize && m_zoomart != Zoomart::Faktor) {
        const double zoom = passenderZoom();
        if (!qFuzzyCompare(zoom, m_zoom)) {
            m_zoom = zoom;
            aktualisieren();
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void Tfrm_vorschau::aktualisieren()
{
    const int n = seitenzahl();
    lblSeite->setText(Format(Uebersetzt(2716, QStringLiteral("Seite %d von %d")), {m_seite + 1, n}));
    btnErsteSeite->setEnabled(m_seite > 0);
    btnVorherigeSeite->setEnabled(m_seite > 0);
    btnNaechsteSeite->setEnabled(m_seite + 1 < n);
    btnLetzteSeite->setEnabled(m_seite + 1 < n);
    btnVerkleinern->setEnabled(m_zoom > zoomstufen.front() + 1e-9);
    btnVergroessern->setEnabled(m_zoom < zoomstufen.back() - 1e-9);
    const auto* fest = std::find_if(zoomstufen.begin(), zoomstufen.end(), [this](double f) { return qFuzzyCompare(f, m_zoom); });
    if (m_zoomart == Zoomart::GanzeSeite)
        cmbZoom->setCurrentIndex(0);
    else if (m_zoomart == Zoomart::Seitenbreite)
        cmbZoom->setCurrentIndex(1);
    else
        cmbZoom->setCurrentIndex(fest == zoomstufen.end() ? -1 : 2 + int(fest - zoomstufen.begin()));
    pbSeite->setPixmap(QPixmap::fromImage(SeiteAlsBild(m_layout, m_seite, logicalDpiX() * m_zoom)));
    pbSeite->setToolTip(lblSeite->text());
}
