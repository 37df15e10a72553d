#include "truss/u_alu.h"
#include <cmath>

namespace {
constexpr double PiViertel = 0.78539816339744830962;
constexpr double PiVierundsechzigstel = 0.04908738521234051935;
constexpr double OhneWerkstoffOmega = 10000;

bool istLegierung(int werkstoffindex) { return werkstoffindex >= 0 && werkstoffindex < AnzahlLegierungen; }

QString eintrag(const QStringList& liste, int index)
{
    return index >= 0 && index < liste.size() ? liste.at(index) : QString();
}
} // namespace

// Ten values a line: λ = 20 … 38, 40 … 58, …, 240 … 250.
const std::array<std::array<double, AnzahlKnickzahlen>, AnzahlLegierungen> Knickzahlen = {{
    { // AlMgSi1 F30, F31, F32
        1.00, 1.00, 1.00, 1.00, 1.01, 1.03, 1.05, 1.08, 1.10, 1.13,
        1.15, 1.18, 1.22, 1.25, 1.29, 1.33, 1.38, 1.43, 1.49, 1.56,
        1.64, 1.72, 1.80, 1.92, 2.04, 2.16, 2.28, 2.41, 2.54, 2.68,
        2.82, 2.96, 3.11, 3.26, 3.41, 3.57, 3.73, 3.89, 4.06, 4.23,
        4.40, 4.58, 4.76, 4.95, 5.13, 5.33, 5.52, 5.72, 5.92, 6.13,
        6.34, 6.55, 6.77, 6.99, 7.21, 7.44, 7.67, 7.90, 8.14, 8.38,
        8.63, 8.88, 9.13, 9.38, 9.64, 9.90, 10.17, 10.44, 10.71, 10.99,
        11.27, 11.55, 11.84, 12.13, 12.42, 12.72, 13.02, 13.33, 13.63, 13.95,
        14.26, 14.58, 14.90, 15.34, 15.56, 15.89, 16.23, 16.57, 16.91, 17.26,
        17.61, 17.96, 18.32, 18.68, 19.04, 19.41, 19.78, 20.16, 20.54, 20.92,
        21.30, 21.69, 22.09, 22.48, 22.88, 23.28, 23.69, 24.10, 24.52, 24.93,
        25.35, 25.78, 26.21, 26.64, 27.07, 27.51,
    },
    { // AlMgSi1 F28
        1.00, 1.00, 1.00, 1.00, 1.00, 1.02, 1.04, 1.07, 1.09, 1.11,
        1.13, 1.15, 1.17, 1.20, 1.23, 1.26, 1.29, 1.33, 1.37, 1.42,
        1.47, 1.52, 1.58, 1.63, 1.69, 1.75, 1.81, 1.88, 1.96, 2.06,
        2.17, 2.28, 2.39, 2.50, 2.62, 2.74, 2.87, 2.99, 3.12, 3.25,
        3.39, 3.52, 3.66, 3.80, 3.95, 4.10, 4.25, 4.40, 4.56, 4.71,
        4.88, 5.04, 5.21, 5.38, 5.55, 5.72, 5.90, 6.08, 6.26, 6.45,
        6.64, 6.83, 7.02, 7.22, 7.42, 7.62, 7.82, 8.03, 8.24, 8.45,
        8.67, 8.89, 9.11, 9.33, 9.56, 9.79, 10.02, 10.25, 10.49, 10.73,
        10.97, 11.22, 11.46, 11.71, 11.97, 12.22, 12.48, 12.74, 13.01, 13.27,
        13.54, 13.82, 14.09, 14.37, 14.65, 14.93, 15.22, 15.51, 15.80, 16.09,
        16.39, 16.69, 16.99, 17.29, 17.60, 17.91, 18.22, 18.54, 18.86, 19.18,
        19.50, 19.83, 20.16, 20.49, 20.83, 21.16,
    },
    { // AlMgSi0,5 F22
        1.00, 1.00, 1.00, 1.00, 1.00, 1.01, 1.03, 1.05, 1.07, 1.09,
        1.11, 1.13, 1.16, 1.18, 1.21, 1.23, 1.26, 1.29, 1.32, 1.36,
        1.39, 1.43, 1.47, 1.51, 1.56, 1.60, 1.65, 1.70, 1.76, 1.81,
        1.87, 1.93, 2.00, 2.07, 2.14, 2.21, 2.29, 2.39, 2.50, 2.60,
        2.71, 2.82, 2.93, 3.04, 3.16, 3.28, 3.40, 3.52, 3.65, 3.77,
        3.90, 4.03, 4.17, 4.30, 4.44, 4.58, 4.72, 4.86, 5.01, 5.16,
        5.31, 5.46, 5.62, 5.77, 5.93, 6.10, 6.26, 6.42, 6.59, 6.76,
        6.93, 7.11, 7.29, 7.46, 7.65, 7.83, 8.01, 8.20, 8.39, 8.58,
        8.78, 8.97, 9.17, 9.37, 9.57, 9.78, 9.99, 10.19, 10.41, 10.62,
        10.83, 11.05, 11.27, 11.49, 11.72, 11.95, 12.17, 12.40, 12.64, 12.87,
        13.11, 13.35, 13.59, 13.83, 14.08, 14.33, 14.58, 14.83, 15.09, 15.34,
        15.60, 15.86, 16.13, 16.39, 16.66, 16.93,
    },
}};

QStringList Werkstoffnamen()
{
    return {QStringLiteral("AlMgSi1 F30, F31, F32"), QStringLiteral("AlMgSi1 F28"),
            QStringLiteral("AlMgSi0,5 F22"), QString(), QString()};
}

TWerkstoffwerte WerkstoffWerte(int werkstoffindex)
{
    switch (werkstoffindex) {
    case 0: return {145, 80, 84, 46, 42};
    case 1: return {115, 80, 70, 46, 42};
    case 2: return {80, 44, 46, 24, 26};
    default: return {};
    }
}

QStringList Verbinderwerkstoffe()
{
    return {QStringLiteral("AlMgSi1 F30, F31, F32"), QStringLiteral("AlMgSi1 F28"),
            QStringLiteral("AlMgSi0,5 F22"), QStringLiteral("SG-AlSi12")};
}

QString Lochleibungsdrucktext(int verbinderwerkstoff)
{
    static const QStringList texte = {QStringLiteral("170"), QStringLiteral("145"), QStringLiteral("100"),
                                      QStringLiteral("48")};
    return eintrag(texte, verbinderwerkstoff);
}

double Lochleibungsdruck(int werkstoffindex)
{
    switch (werkstoffindex) {
    case 0: return 170;
    case 1: return 145;
    case 2: return 100;
    default: return 0;
    }
}

QStringList Bolzenklassen()
{
    return {QStringLiteral("3.6"), QStringLiteral("4.6"), QStringLiteral("4.8"), QStringLiteral("5.6"),
            QStringLiteral("5.8"), QStringLiteral("6.8"), QStringLiteral("6.9"), QStringLiteral("8.8"),
            QStringLiteral("9.8"), QStringLiteral("10.9"), QStringLiteral("12.9")};
}

QString Dehngrenzentext(int bolzenklasse)
{
    static const QStringList texte = {QStringLiteral("180"), QStringLiteral("240"), QStringLiteral("320"),
                                      QStringLiteral("300"), QStringLiteral("400"), QStringLiteral("480"),
                                      QStringLiteral("540"), QStringLiteral("640"), QStringLiteral("720"),
                                      QStringLiteral("900"), QStringLiteral("1080")};
    return eintrag(texte, bolzenklasse);
}

double Spannungsquerschnitt(double d)
{
    if (d == 8)
        return 36.6;
    if (d == 10)
        return 58.0;
    if (d == 12)
        return 84.3;
    if (d == 16)
        return 157.0;
    return 0.58 * d * d;
}

double RohrFlaeche(double d, double w)
{
    const double innen = d - 2 * w;
    return PiViertel * (d * d - innen * innen);
}

double RohrTraegheit(double d, double w)
{
    const double innen = d - 2 * w;
    return PiVierundsechzigstel * (d * d * d * d - innen * innen * innen * innen);
}

double TraversenFlaeche(int gurte, double a) { return gurte * a; }

namespace {
double steiner(double a, double abstand, double i) { return a * abstand * abstand + i; }
} // namespace

double TraegheitVertikal(int gurte, double h, double a, double i)
{
    switch (gurte) {
    case 1: return i;
    case 2: return 2 * steiner(a, h / 2, i);
    case 3: return 2 * steiner(a, h / 3, i) + steiner(a, 2 * h / 3, i);
    case 4: return 4 * steiner(a, h / 2, i);
    default: return 0;
    }
}

double TraegheitHorizontal(int gurte, double b, double a, double i)
{
    switch (gurte) {
    case 1: return i;
    case 2: return 2 * i;
    case 3: return 2 * steiner(a, b / 2, i) + i;
    case 4: return 4 * steiner(a, b / 2, i);
    default: return 0;
    }
}

double ZulKnickkraft(int werkstoffindex, double a, double i, double sk, double sicherheit)
{
    if (i < 1 || a < 1)
        return 0;
    double lambda = sk / std::sqrt(i / a);
    if (lambda < 20)
        lambda = 20;
    if (!(lambda <= 250))
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    const int k = int(std::nearbyint(lambda / 2 - 10));
    const double omega = istLegierung(werkstoffindex) ? Knickzahlen[werkstoffindex][k] : OhneWerkstoffOmega;
    return WerkstoffWerte(werkstoffindex).SigmaZul * a / (omega * sicherheit);
}
