#include "report/u_berichtsmaler.h"
#include "language/u_uebersetzung.h"
#include "platform/u_einheiten.h"
#include "platform/u_fehler.h"
#include "platform/u_sicheresspeichern.h"
#include "platform/u_zahlen.h"
#include "report/u_berichtsschrift.h"
#include <QPageSize>
#include <QPdfWriter>

namespace {
constexpr int pdfDpi = 1200;

class Abbildung {
public:
    explicit Abbildung(const QPaintDevice& geraet) : m_x(geraet.logicalDpiX() / MmProZoll), m_y(geraet.logicalDpiY() / MmProZoll) {}
    QPointF punkt(QPointF mm) const { return {mm.x() * m_x, mm.y() * m_y}; }
    QRectF rechteck(const QRectF& mm) const { return {punkt(mm.topLeft()), punkt(mm.bottomRight())}; }
    double laenge(double mm) const { return mm * m_x; }

private:
    double m_x;
    double m_y;
};

Qt::Alignment ausrichtungsflagge(Ausrichtung ausrichtung)
{
    switch (ausrichtung) {
    case Ausrichtung::Links: return Qt::AlignLeft;
    case Ausrichtung::Rechts: return Qt::AlignRight;
    case Ausrichtung::Mitte: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

void bandMalen(QPainter& maler, const GesetztesBand& band, const Abbildung& a)
{
    for (const auto& b : band.bilder)
        maler.drawImage(a.rechteck(b.rahmen), b.bild);
    for (const auto& z : band.zeichnungen) {
        maler.save();
        maler.setClipRect(a.rechteck(z.rahmen), Qt::IntersectClip);
        maler.translate(a.punkt(z.rahmen.topLeft()));
        maler.scale(a.laenge(1.0), a.laenge(1.0));
        z.malen(maler);
        maler.restore();
    }
    for (const auto& l : band.linien) {
        maler.setPen(QPen(Qt::black, a.laenge(l.staerke), Qt::SolidLine, Qt::FlatCap));
        maler.drawLine(QLineF(a.punkt(l.linie.p1()), a.punkt(l.linie.p2())));
    }
    maler.setPen(Qt::black);
    for (const auto& t : band.texte) {
        maler.save();
        if (t.kasten)
            maler.setClipRect(a.rechteck(*t.kasten), Qt::IntersectClip);
        maler.setFont(Berichtsschrift(t.schrift));
        // Aligned inside its own frame, the text ends (or starts) exactly there on every device.
        maler.drawText(a.rechteck(t.rahmen), int(ausrichtungsflagge(t.ausrichtung)) | Qt::AlignTop | Qt::TextDontClip
                                                 | Qt::TextSingleLine,
                       t.text);
        maler.restore();
    }
}
} // namespace

void SeiteMalen(QPainter& maler, const Berichtslayout& layout, int seite)
{
    if (seite < 0 || seite >= int(layout.seiten.size()))
        return;
    const Abbildung a(*maler.device());
    maler.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    for (const auto& band : layout.seiten[size_t(seite)].baender) {
        maler.save();
        if (band.art != Bandart::Seitenfuss)
            maler.setClipRect(a.rechteck(layout.koerper));
        bandMalen(maler, band, a);
        maler.restore();
    }
}

QImage SeiteAlsBild(const Berichtslayout& layout, int seite, double dpi)
{
    const QSize groesse(qRound(layout.papier.width() / MmProZoll * dpi), qRound(layout.papier.height() / MmProZoll * dpi));
    QImage bild(groesse, QImage::Format_RGB32);
    const int dpm = qRound(dpi / 0.0254);
    bild.setDotsPerMeterX(dpm);
    bild.setDotsPerMeterY(dpm);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    SeiteMalen(maler, layout, seite);
    return bild;
}

namespace {
void schreibePdf(const Berichtslayout& layout, QIODevice& ziel)
{
    QPdfWriter pdf(&ziel);
    pdf.setResolution(pdfDpi);
    pdf.setPageSize(QPageSize(layout.papier, QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setTitle(layout.titel);
    pdf.setCreator(QStringLiteral("Kelvara VLX"));
    QPainter maler;
    if (!maler.begin(&pdf))
        throw Fehler(QString());
    for (int s = 0; s < int(layout.seiten.size()); ++s) {
        if (s > 0)
            pdf.newPage();
        SeiteMalen(maler, layout, s);
    }
    maler.end();
}
} // namespace

void BerichtAlsPdf(const Berichtslayout& layout, const QString& datei)
{
    try {
        SichereDatei ziel(datei);
        schreibePdf(layout, ziel.geraet());
        ziel.Abschliessen();
    } catch (const Fehler&) {
        throw Fehler(Format(Uebersetzt(2701, QStringLiteral("Die Datei %s kann nicht geschrieben werden.")), {datei}));
    }
}
