#include "tables/u_werteliste.h"
#include "platform/u_zahlen.h"

namespace {
QString kleinAZ(const QString& text)
{
    QString klein = text;
    for (QChar& c : klein)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return klein;
}
} // namespace

QString TWerteliste::text() const
{
    QString text;
    for (const QString& zeile : m_zeilen)
        text += zeile + QStringLiteral("\r\n");
    return text;
}

void TWerteliste::setzeText(const QString& text)
{
    m_zeilen.clear();
    const qsizetype laenge = text.size();
    qsizetype i = 0;
    while (i < laenge && text[i] != u'\0') {
        const qsizetype anfang = i;
        while (i < laenge && text[i] != u'\0' && text[i] != u'\r' && text[i] != u'\n')
            ++i;
        m_zeilen.append(text.mid(anfang, i - anfang));
        if (i < laenge && text[i] == u'\r')
            ++i;
        if (i < laenge && text[i] == u'\n')
            ++i;
    }
}

int TWerteliste::eintrag(const QString& name) const
{
    for (int i = 0; i < m_zeilen.size(); ++i) {
        const QString& zeile = m_zeilen[i];
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich >= 0 && QStringView(zeile).left(gleich).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TWerteliste::LeseString(const QString& name, const QString& vorgabe) const
{
    const int i = eintrag(name);
    if (i < 0)
        return vorgabe;
    const QString& zeile = m_zeilen[i];
    return zeile.mid(zeile.indexOf(u'=') + 1);
}

qint32 TWerteliste::LeseInteger(const QString& name, qint32 vorgabe) const
{
    return TextZuInteger(LeseString(name, QString())).value_or(vorgabe);
}

double TWerteliste::LeseFloat(const QString& name, double vorgabe) const
{
    return DateiTextZuFloat(LeseString(name, QString())).value_or(vorgabe);
}

QString TWerteliste::LeseZahltext(const QString& name) const
{
    return EingabetextAusDatei(LeseString(name, QString()));
}

bool TWerteliste::LeseBoolean(const QString& name, bool vorgabe) const
{
    const QString wert = kleinAZ(LeseString(name, QString()));
    if (wert == QStringLiteral("ja"))
        return true;
    if (wert == QStringLiteral("nein"))
        return false;
    return vorgabe;
}

void TWerteliste::LeseAuswahl(const QString& name, Auswahl& auswahl) const
{
    auswahl.waehle(0);
    const QString wert = LeseString(name, QString());
    while (auswahl.angezeigterText() != wert && auswahl.gewaehlt() >= 0
           && auswahl.gewaehlt() < auswahl.anzahl() - 1)
        auswahl.waehle(auswahl.gewaehlt() + 1);
}

void TWerteliste::SchreibeString(const QString& name, const QString& wert)
{
    const int i = eintrag(name);
    if (i < 0)
        m_zeilen.append(name + u'=' + wert);
    else if (!wert.isEmpty())
        m_zeilen[i] = name + u'=' + wert;
    else
        m_zeilen.removeAt(i);
}

void TWerteliste::SchreibeInteger(const QString& name, qint32 wert)
{
    SchreibeString(name, QString::number(wert));
}

void TWerteliste::SchreibeFloat(const QString& name, double wert)
{
    SchreibeString(name, FloatZuText(wert));
}

void TWerteliste::SchreibeDatumZeit(const QString& name, const QDateTime& wert)
{
    SchreibeString(name, DatumZeitZuText(wert));
}

void TWerteliste::SchreibeBoolean(const QString& name, bool wert)
{
    SchreibeString(name, wert ? QStringLiteral("ja") : QStringLiteral("nein"));
}

void TWerteliste::SchreibeAuswahl(const QString& name, const Auswahl& auswahl)
{
    SchreibeString(name, auswahl.angezeigterText());
}
