#include "platform/u_zahlen.h"
#include <QLocale>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// Exact decimal digits of |wert|: integer part and as many fraction digits as the double has.
struct Dezimalentwicklung {
    std::string ganz;     // without leading zeros, empty for 0
    std::string bruch;    // all fraction digits
};

Dezimalentwicklung entwickle(double betrag)
{
    int exponent = 0;
    std::frexp(betrag, &exponent);
    const int stellen = std::clamp(53 - exponent, 0, 1100);
    // to_chars never looks at the C library's locale, which Qt switches to the user's.
    std::array<char, 1500> text{};
    const auto ende = std::to_chars(text.data(), text.data() + text.size(), betrag, std::chars_format::fixed, stellen).ptr;
    const std::string_view ziffern(text.data(), size_t(ende - text.data()));
    const auto punkt = ziffern.find('.');
    Dezimalentwicklung e;
    e.ganz = std::string(ziffern.substr(0, punkt));
    if (punkt != std::string_view::npos)
        e.bruch = std::string(ziffern.substr(punkt + 1));
    const auto erste = e.ganz.find_first_not_of('0');
    e.ganz = erste == std::string::npos ? std::string() : e.ganz.substr(erste);
    return e;
}

// Rounds to `nachkomma` fraction digits, halves away from zero.
Dezimalentwicklung runde(Dezimalentwicklung e, int nachkomma)
{
    e.bruch.resize(std::max<size_t>(e.bruch.size(), size_t(nachkomma) + 1), '0');
    const bool aufrunden = e.bruch[size_t(nachkomma)] >= '5';
    e.bruch.resize(size_t(nachkomma));
    if (aufrunden) {
        std::string ziffern = e.ganz + e.bruch;
        int i = int(ziffern.size()) - 1;
        for (; i >= 0 && ziffern[size_t(i)] == '9'; --i)
            ziffern[size_t(i)] = '0';
        if (i >= 0)
            ++ziffern[size_t(i)];
        else
            ziffern.insert(ziffern.begin(), '1');
        const size_t ganzLaenge = ziffern.size() - size_t(nachkomma);
        e.ganz = ziffern.substr(0, ganzLaenge);
        e.bruch = ziffern.substr(ganzLaenge);
        const auto erste = e.ganz.find_first_not_of('0');
        e.ganz = erste == std::string::npos ? std::string() : e.ganz.substr(erste);
    }
    return e;
}

bool istStelle(QChar c) { return c == u'0' || c == u'#'; }

QString nichtEndlich(double wert)
{
    if (std::isnan(wert))
        return QStringLiteral("NAN");
    return wert < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QChar Dezimaltrenner()
{
    const QString trenner = QLocale().decimalPoint();
    return trenner.isEmpty() ? QChar(u'.') : trenner.at(0);
}

QString FormatFloat(const QString& maske, double wert)
{
    if (maske.isEmpty())
        return FloatZuText(wert);
    if (!std::isfinite(wert))
        return nichtEndlich(wert);

    const qsizetype punkt = maske.indexOf(u'.');
    const QStringView ganzMaske = QStringView(maske).left(punkt < 0 ? maske.size() : punkt);
    const QStringView bruchMaske = punkt < 0 ? QStringView() : QStringView(maske).mid(punkt + 1);

    int ganzStellen = 0, ersteNull = -1;
    for (QChar c : ganzMaske)
        if (istStelle(c)) {
            if (c == u'0' && ersteNull < 0)
                ersteNull = ganzStellen;
            ++ganzStellen;
        }
    int bruchStellen = 0, letzteNull = -1;
    for (QChar c : bruchMaske)
        if (istStelle(c)) {
            if (c == u'0')
                letzteNull = bruchStellen;
            ++bruchStellen;
        }

    const Dezimalentwicklung e = runde(entwickle(std::fabs(wert)), bruchStellen);
    const bool negativ = wert < 0 && (!e.ganz.empty() || e.bruch.find_first_not_of('0') != std::string::npos);

    QString text;
    bool vorzeichenOffen = negativ;
    auto ziffer = [&](char z) {
        if (vorzeichenOffen) {
            text.append(u'-');
            vorzeichenOffen = false;
        }
        text.append(QChar(z));
    };

    const int n = int(e.ganz.size());
    int k = 0;
    for (QChar c : ganzMaske) {
        if (!istStelle(c)) {
            text.append(c);
            continue;
        }
        if (k == 0)
            for (int i = 0; i < n - ganzStellen; ++i)
                ziffer(e.ganz[size_t(i)]);
        const int index = n - ganzStellen + k;
        if (index >= 0)
            ziffer(e.ganz[size_t(index)]);
        else if (ersteNull >= 0 && k >= ersteNull)
            ziffer('0');
        ++k;
    }
    if (ganzStellen == 0 && n > 0)
        for (char z : e.ganz)
            ziffer(z);

    const auto letzteZiffer = e.bruch.find_last_not_of('0');
    const int zeigeBis = std::max(letzteNull, letzteZiffer == std::string::npos ? -1 : int(letzteZiffer));
    int j = 0;
    for (QChar c : bruchMaske) {
        if (!istStelle(c)) {
            text.append(c);
            continue;
        }
        if (j <= zeigeBis) {
            if (j == 0)
                text.append(Dezimaltrenner());
            ziffer(e.bruch[size_t(j)]);
        }
        ++j;
    }
    return text;
}

QString FloatZuText(double wert)
{
    if (!std::isfinite(wert))
        return nichtEndlich(wert);
    if (wert == 0)
        return QStringLiteral("0");
    std::array<char, 40> puffer{};
    const auto ende = std::to_chars(puffer.data(), puffer.data() + puffer.size(), std::fabs(wert),
                                    std::chars_format::scientific, 14).ptr;
    const std::string s(puffer.data(), ende);
    const auto ePos = s.find('e');
    std::string ziffern = s.substr(0, 1) + s.substr(2, ePos - 2);
    int exponent = 0;
    std::from_chars(s.data() + ePos + (s[ePos + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
    ziffern.erase(ziffern.find_last_not_of('0') + 1);

    const QChar trenner = Dezimaltrenner();
    QString text = wert < 0 ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent >= 15) {
        text += QChar(ziffern[0]);
        if (ziffern.size() > 1)
            text += trenner + QString::fromLatin1(ziffern.substr(1));
        return text + QStringLiteral("E") + QString::number(exponent);
    }
    if (exponent < 0)
        return text + QStringLiteral("0") + trenner + QString(-exponent - 1, u'0') + QString::fromLatin1(ziffern);
    const size_t ganz = size_t(exponent) + 1;
    if (ziffern.size() <= ganz)
        return text + QString::fromLatin1(ziffern) + QString(int(ganz - ziffern.size()), u'0');
    return text + QString::fromLatin1(ziffern.substr(0, ganz)) + trenner + QString::fromLatin1(ziffern.substr(ganz));
}

namespace {
QStringView ohneRandBlanks(const QString& text)
{
    QStringView v(text);
    while (!v.isEmpty() && v.front() == u' ')
        v = v.mid(1);
    while (!v.isEmpty() && v.back() == u' ')
        v.chop(1);
    return v;
}

bool istZiffer(QChar c) { return c >= u'0' && c <= u'9'; }
} // namespace

namespace {
std::optional<double> leseFloat(const QString& text, QChar trenner, QChar zweiterTrenner)
{
    const QStringView v = ohneRandBlanks(text);
    std::string ascii;
    ascii.reserve(size_t(v.size()));
    qsizetype i = 0;
    if (i < v.size() && (v[i] == u'+' || v[i] == u'-'))
        ascii += char(v[i++].unicode());
    int mantissenZiffern = 0;
    for (; i < v.size() && istZiffer(v[i]); ++i, ++mantissenZiffern)
        ascii += char(v[i].unicode());
    if (i < v.size() && (v[i] == trenner || v[i] == zweiterTrenner)) {
        ascii += '.';
        for (++i; i < v.size() && istZiffer(v[i]); ++i, ++mantissenZiffern)
            ascii += char(v[i].unicode());
    }
    if (mantissenZiffern == 0)
        return std::nullopt;
    if (i < v.size() && (v[i] == u'e' || v[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < v.size() && (v[i] == u'+' || v[i] == u'-'))
            ascii += char(v[i++].unicode());
        int exponentZiffern = 0;
        for (; i < v.size() && istZiffer(v[i]); ++i, ++exponentZiffern)
            ascii += char(v[i].unicode());
        if (exponentZiffern == 0)
            return std::nullopt;
    }
    if (i != v.size())
        return std::nullopt;
    const char* anfang = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(anfang, ascii.data() + ascii.size(), wert);
    if (fehler != std::errc() || ende != ascii.data() + ascii.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}
} // namespace

std::optional<double> TextZuFloat(const QString& text)
{
    return leseFloat(text, Dezimaltrenner(), Dezimaltrenner());
}

std::optional<double> DateiTextZuFloat(const QString& text)
{
    return leseFloat(text, u',', u'.');
}

QString EingabetextAusDatei(const QString& text)
{
    if (!DateiTextZuFloat(text))
        return text;
    QString eingabe = text;
    for (QChar& c : eingabe)
        if (c == u',' || c == u'.')
            c = Dezimaltrenner();
    return eingabe;
}

std::optional<qint32> TextZuInteger(const QString& text)
{
    const QStringView v = ohneRandBlanks(text);
    qsizetype i = 0;
    bool negativ = false;
    if (i < v.size() && (v[i] == u'+' || v[i] == u'-'))
        negativ = v[i++] == u'-';
    if (i == v.size())
        return std::nullopt;
    qint64 wert = 0;
    for (; i < v.size(); ++i) {
        if (!istZiffer(v[i]))
            return std::nullopt;
        wert = wert * 10 + (v[i].unicode() - u'0');
        if (wert > qint64(1) << 31)
            return std::nullopt;
    }
    wert = negativ ? -wert : wert;
    if (wert > std::numeric_limits<qint32>::max() || wert < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return qint32(wert);
}

QString DatumZeitZuText(const QDateTime& zeit)
{
    const QLocale locale;
    QString datumsformat = locale.dateFormat(QLocale::ShortFormat);
    if (!datumsformat.contains(QStringLiteral("yyyy")))
        datumsformat.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    QString text = locale.toString(zeit.date(), datumsformat);
    if (zeit.time() != QTime(0, 0))
        text += u' ' + locale.toString(zeit.time(), QStringLiteral("HH:mm:ss"));
    return text;
}

namespace {
struct Platzhalter {
    bool links = false;
    int breite = 0;
    int genauigkeit = -1;
    QChar art;
};

QString fuelle(const QString& text, const Platzhalter& p)
{
    if (text.size() >= p.breite)
        return text;
    const QString blanks(p.breite - text.size(), u' ');
    return p.links ? text + blanks : blanks + text;
}

QString ersetze(const Platzhalter& p, const QVariant& wert)
{
    switch (p.art.unicode()) {
    case u'd': {
        const qlonglong zahl = wert.toLongLong();
        QString ziffern = QString::number(zahl < 0 ? -zahl : zahl);
        if (p.genauigkeit > ziffern.size())
            ziffern.prepend(QString(p.genauigkeit - ziffern.size(), u'0'));
        return fuelle(zahl < 0 ? u'-' + ziffern : ziffern, p);
    }
    case u'f': {
        const double zahl = wert.toDouble();
        if (!std::isfinite(zahl))
            return fuelle(nichtEndlich(zahl), p);
        QString text = QString::number(zahl, 'f', p.genauigkeit < 0 ? 2 : p.genauigkeit);
        text.replace(u'.', Dezimaltrenner());
        return fuelle(text, p);
    }
    case u'g':
        return fuelle(FloatZuText(wert.toDouble()), p);
    default: {
        QString text = wert.toString();
        if (p.genauigkeit >= 0)
            text.truncate(p.genauigkeit);
        return fuelle(text, p);
    }
    }
}
} // namespace

QString Format(const QString& muster, std::initializer_list<QVariant> argumente)
{
    QString text;
    auto argument = argumente.begin();
    for (qsizetype i = 0; i < muster.size(); ++i) {
        if (muster[i] != u'%') {
            text += muster[i];
            continue;
        }
        qsizetype j = i + 1;
        if (j < muster.size() && muster[j] == u'%') {
            text += u'%';
            i = j;
            continue;
        }
        Platzhalter p;
        if (j < muster.size() && muster[j] == u'-') {
            p.links = true;
            ++j;
        }
        for (; j < muster.size() && istZiffer(muster[j]); ++j)
            p.breite = p.breite * 10 + (muster[j].unicode() - u'0');
        if (j < muster.size() && muster[j] == u'.') {
            p.genauigkeit = 0;
            for (++j; j < muster.size() && istZiffer(muster[j]); ++j)
                p.genauigkeit = p.genauigkeit * 10 + (muster[j].unicode() - u'0');
        }
        if (j >= muster.size()) {
            text += muster.mid(i);
            break;
        }
        p.art = muster[j].toLower();
        const QVariant wert = argument != argumente.end() ? *argument++ : QVariant();
        text += ersetze(p, wert);
        i = j;
    }
    return text;
}
