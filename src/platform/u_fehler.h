#pragma once
// Errors of the core travel up as Fehler; the window layer shows their text in a message box.
#include <QString>
#include <exception>

class Fehler : public std::exception {
public:
    explicit Fehler(QString meldung) : m_meldung(std::move(meldung)), m_utf8(m_meldung.toUtf8()) {}
    const QString& meldung() const noexcept { return m_meldung; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_meldung;
    QByteArray m_utf8;
};
