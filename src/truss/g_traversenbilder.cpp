#include "truss/g_traversenbilder.h"
#include "report/u_bilder.h"
#include <QPainter>
#include <QSvgRenderer>

namespace {

QImage svgBild(const QString& name, int pixel)
{
    BilderBereitstellen();
    QSvgRenderer svg(QStringLiteral(":/bilder/%1.svg").arg(name));
    if (!svg.isValid())
        return {};
    QImage bild(pixel, pixel, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    svg.render(&maler);
    return bild;
}

} // namespace

QImage Gurtbild(int gurte, int pixel)
{
    return gurte >= 1 && gurte <= 4 ? svgBild(QStringLiteral("gurte_%1").arg(gurte), pixel) : QImage();
}

QImage Diagonalenbild(int pixel) { return svgBild(QStringLiteral("diagonalen"), pixel); }

QImage Verbinderbild(int typ, int pixel)
{
    return typ >= 0 && typ <= 4 ? svgBild(QStringLiteral("verbinder_%1").arg(typ), pixel) : QImage();
}
