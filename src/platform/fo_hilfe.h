#pragma once
// The help viewer: shows the compiled help file "kelvara_vlx.chm" at its default topic in a
// window owned by the main window. The CHM reader (chmlib) is loaded at run time; without it
// help stays unavailable for the whole run.
#include <QPointer>
#include <QString>
#include <memory>

class QWidget;
class Hilfefenster;
struct ChmBibliothek;

class Hilfeanzeige {
public:
    // bibliothek: the shared library to load; empty for the system's chmlib (or the one tests set
    // with setzeHilfebibliothek).
    explicit Hilfeanzeige(const QString& bibliothek = {});
    static void setzeHilfebibliothek(const QString& bibliothek);
    ~Hilfeanzeige();
    bool Verfuegbar() const;
    // Opens datei at its default topic; does nothing while help is unavailable. Returns false
    // when the file cannot be read.
    bool Zeige(QWidget* besitzer, const QString& datei);
    QWidget* Fenster() const;

private:
    std::unique_ptr<ChmBibliothek> m_chm;
    QPointer<Hilfefenster> m_fenster;
};
