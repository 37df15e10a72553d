#include "language/u_sprachquelle.h"
#include "language/u_sprachfelder.h"
#include "language/u_sprachtabelle.h"
#include "platform/u_dateifehler.h"
#include "platform/u_fehler.h"
#include <QFile>
#include <QFileInfo>

std::map<int, QString> LeseSprachquellen(const QStringList& dateien)
{
    std::map<int, QString> texte;
    for (const QString& datei : dateien) {
        QFile f(datei);
        if (!f.open(QIODevice::ReadOnly))
            throw DateiNichtOeffenbar(datei);
        const QStringList zeilen = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            QString zeile = zeilen[i];
            if (zeile.endsWith(QLatin1Char('\r')))
                zeile.chop(1);
            if (zeile.trimmed().isEmpty() || zeile.startsWith(QLatin1Char('#')))
                continue;
            auto fehler = [&](const QString& was) {
                return Fehler(QStringLiteral("%1, Zeile %2: %3").arg(QFileInfo(datei).fileName()).arg(i + 1).arg(was));
            };
            const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
            bool ok = false;
            const int id = gleich > 0 ? zeile.left(gleich).trimmed().toInt(&ok) : 0;
            if (!ok)
                throw fehler(QStringLiteral("keine Zeile der Form id=Text"));
            const QString text = zeile.mid(gleich + 1);
            if (text.size() > SprachtextLaenge)
                throw fehler(QStringLiteral("Text länger als %1 Zeichen").arg(SprachtextLaenge));
            if (!texte.emplace(id, text).second)
                throw fehler(QStringLiteral("Id %1 steht schon weiter oben").arg(id));
        }
    }
    return texte;
}

void SchreibeSprachdatei(const std::map<int, QString>& texte, const QString& pfad)
{
    TBClientDataSet tabelle;
    ErzeugeSprachtabelle(tabelle);
    for (const auto& [id, text] : texte) {
        tabelle.Append();
        tabelle.FieldByName(Sprachfeld::Nummer).SetAsInteger(id);
        tabelle.FieldByName(Sprachfeld::Name).SetAsString(text);
        tabelle.Post();
    }
    SpeichereSprachdatei(tabelle, pfad);
}
