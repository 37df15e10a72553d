#pragma once
// Numbers as the program shows and reads them. The decimal separator and the date-time format
// come from the default QLocale (the system locale unless a test sets another).
//
// FormatFloat masks: '0' a digit that is always shown, '#' a digit shown only when significant,
// '.' the decimal separator, every other character (blanks, '%', units) a literal that is always
// printed. Digits beyond the mask's integer positions go where the first digit position stands.
// Rounding is half away from zero on the exact decimal expansion of the value. A negative value
// puts its minus sign directly before the first digit printed ("### ##0.00" of -12.5 is
// "   -12,50"); a value that rounds to zero prints without sign.
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <optional>

QChar Dezimaltrenner();

QString FormatFloat(const QString& maske, double wert);

// Format with %d, %s, %f, %g and %% (flags '-', width and precision as in "%12.2f"); %f uses the
// locale's decimal separator, never thousands grouping.
QString Format(const QString& muster, std::initializer_list<QVariant> argumente);

// The general 15-digit text: plain notation unless |wert| < 0.00001 or more than 15 integer digits
// are needed, then mantissa, "E", exponent ("1,5E-7", "1E20").
QString FloatZuText(double wert);

// Locale number reading: blanks around, sign, digits, decimal separator, exponent with E.
std::optional<double> TextZuFloat(const QString& text);
// A number stored in a file: "," and "." are both the decimal separator (the program groups
// digits only with blanks), so a file written under one locale reads the same under another.
std::optional<double> DateiTextZuFloat(const QString& text);
// A number text of a file as the user would type it here: its decimal separator becomes the
// locale's. A text that is not one number is returned unchanged.
QString EingabetextAusDatei(const QString& text);
// Whole decimal number with optional sign, blanks around allowed, 32-bit range.
std::optional<qint32> TextZuInteger(const QString& text);

// Date-time text; a zero time part is dropped ("30.12.1899" for the zero date-time under German).
QString DatumZeitZuText(const QDateTime& zeit);
