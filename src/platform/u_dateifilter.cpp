#include "platform/u_dateifilter.h"
#include <QFileInfo>

QStringList QtFilter(const QString& filter)
{
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList ergebnis;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        QString muster = teile[i + 1];
        muster.replace(QLatin1Char(';'), QLatin1Char(' '));
        ergebnis << teile[i] + QStringLiteral(" (") + muster + QLatin1Char(')');
    }
    return ergebnis;
}

QString MitStandardEndung(const QString& pfad, const QString& endung)
{
    if (pfad.isEmpty() || endung.isEmpty() || !QFileInfo(pfad).suffix().isEmpty())
        return pfad;
    return pfad + QLatin1Char('.') + endung;
}
