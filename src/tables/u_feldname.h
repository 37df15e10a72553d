#pragma once
// The name of a table field as code names it. Every table layout names its fields with constants
// of this type beside the code that defines the layout, so a misspelt field does not compile.
// A name that comes from data (a packet, a list of names) is wrapped with Feldname::Aus and is
// checked when the table looks it up. A Feldname is a view: it never allocates.
#include <QString>
#include <QStringView>

class Feldname {
public:
    template <qsizetype N>
    consteval explicit Feldname(const char16_t (&text)[N]) : m_text(text, N - 1)
    {
    }
    // The text must outlive the Feldname (a call argument lives to the end of its statement).
    static constexpr Feldname Aus(QStringView text) { return Feldname(text); }

    constexpr QStringView text() const { return m_text; }
    QString toString() const { return m_text.toString(); }

private:
    constexpr explicit Feldname(QStringView text) : m_text(text) {}
    QStringView m_text;
};
