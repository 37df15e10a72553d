#include "report/u_berichtsschrift.h"
#include "platform/u_einheiten.h"
#include <QImage>

namespace {
constexpr int messDpi = 1200;

const QImage& messflaeche()
{
    static const QImage flaeche = [] {
        QImage bild(1, 1, QImage::Format_RGB32);
        const int dpm = qRound(messDpi / 0.0254);
        bild.setDotsPerMeterX(dpm);
        bild.setDotsPerMeterY(dpm);
        return bild;
    }();
    return flaeche;
}

double zuMm(qreal pixel) { return pixel * MmProZoll / messDpi; }
} // namespace

QFont Berichtsschrift(const Schrift& schrift)
{
    static const bool ersatz = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(ersatz);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(schrift.punkt);
    font.setBold(schrift.fett);
    font.setUnderline(schrift.unterstrichen);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

Schriftmass::Schriftmass(const Schrift& schrift) : m_metrik(Berichtsschrift(schrift), &messflaeche()) {}

double Schriftmass::breite(const QString& text) const { return zuMm(m_metrik.horizontalAdvance(text)); }
double Schriftmass::hoehe() const { return zuMm(m_metrik.height()); }
double Schriftmass::zeilenabstand() const { return zuMm(m_metrik.lineSpacing()); }
