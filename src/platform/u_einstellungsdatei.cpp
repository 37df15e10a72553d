#include "platform/u_einstellungsdatei.h"
#include "platform/u_fehler.h"
#include "platform/u_sicheresspeichern.h"
#include <QFile>
#include <QTextStream>

Einstellungsdatei::Einstellungsdatei(QString pfad) : m_pfad(std::move(pfad))
{
    QFile datei(m_pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream lesen(&datei);
    while (!lesen.atEnd()) {
        const QString zeile = lesen.readLine().trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char(';')))
            continue;
        if (zeile.startsWith(QLatin1Char('[')) && zeile.endsWith(QLatin1Char(']'))) {
            m_abschnitte.push_back({zeile.mid(1, zeile.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
        if (m_abschnitte.empty() || gleich < 0)
            continue;
        SchreibeString(m_abschnitte.back().name, zeile.left(gleich).trimmed(), zeile.mid(gleich + 1).trimmed());
    }
}

const Einstellungsdatei::Eintrag* Einstellungsdatei::finde(const QString& abschnitt, const QString& schluessel) const
{
    for (const Abschnitt& a : m_abschnitte) {
        if (a.name.compare(abschnitt, Qt::CaseInsensitive) != 0)
            continue;
        for (const Eintrag& e : a.eintraege)
            if (e.schluessel.compare(schluessel, Qt::CaseInsensitive) == 0)
                return &e;
    }
    return nullptr;
}

QString Einstellungsdatei::LeseString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const
{
    const Eintrag* e = finde(abschnitt, schluessel);
    return e ? e->wert : vorgabe;
}

int Einstellungsdatei::LeseInteger(const QString& abschnitt, const QString& schluessel, int vorgabe) const
{
    bool ok = false;
    const int wert = LeseString(abschnitt, schluessel, QString()).toInt(&ok);
    return ok ? wert : vorgabe;
}

void Einstellungsdatei::SchreibeString(const QString& abschnitt, const QString& schluessel, const QString& wert)
{
    Abschnitt* ziel = nullptr;
    for (Abschnitt& a : m_abschnitte)
        if (a.name.compare(abschnitt, Qt::CaseInsensitive) == 0) {
            ziel = &a;
            break;
        }
    if (!ziel) {
        m_abschnitte.push_back({abschnitt, {}});
        ziel = &m_abschnitte.back();
    }
    for (Eintrag& e : ziel->eintraege)
        if (e.schluessel.compare(schluessel, Qt::CaseInsensitive) == 0) {
            e.wert = wert;
            return;
        }
    ziel->eintraege.push_back({schluessel, wert});
}

void Einstellungsdatei::SchreibeInteger(const QString& abschnitt, const QString& schluessel, int wert)
{
    SchreibeString(abschnitt, schluessel, QString::number(wert));
}

bool Einstellungsdatei::Speichern() const
{
    QString text;
    for (const Abschnitt& a : m_abschnitte) {
        text += QLatin1Char('[') + a.name + QStringLiteral("]\n");
        for (const Eintrag& e : a.eintraege)
            text += e.schluessel + QLatin1Char('=') + e.wert + QLatin1Char('\n');
    }
    try {
        SchreibeDateiSicher(m_pfad, text.toUtf8());
        return true;
    } catch (const Fehler&) {
        return false;
    }
}
