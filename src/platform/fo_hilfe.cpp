#include "platform/fo_hilfe.h"
#include "language/u_uebersetzung.h"
#include <QFile>
#include <QLibrary>
#include <QTextBrowser>
#include <QUrl>
#include <chm_lib.h>

// The entries of chmlib, found at run time.
struct ChmBibliothek {
    QLibrary bibliothek;
    decltype(&chm_open) oeffnen = nullptr;
    decltype(&chm_close) schliessen = nullptr;
    decltype(&chm_resolve_object) suchen = nullptr;
    decltype(&chm_retrieve_object) lesen = nullptr;

    // The system's chmlib by its major version, or a named library (tests give a missing one).
    explicit ChmBibliothek(const QString& name)
    {
        if (name.isEmpty())
            bibliothek.setFileNameAndVersion(QStringLiteral("chm"), 1);
        else
            bibliothek.setFileName(name);
        if (!bibliothek.load())
            return;
        oeffnen = reinterpret_cast<decltype(oeffnen)>(bibliothek.resolve("chm_open"));
        schliessen = reinterpret_cast<decltype(schliessen)>(bibliothek.resolve("chm_close"));
        suchen = reinterpret_cast<decltype(suchen)>(bibliothek.resolve("chm_resolve_object"));
        lesen = reinterpret_cast<decltype(lesen)>(bibliothek.resolve("chm_retrieve_object"));
    }
    bool bereit() const { return oeffnen && schliessen && suchen && lesen; }
};

// A browser whose pages, pictures and style sheets come out of the open help file.
class Hilfefenster : public QTextBrowser {
public:
    Hilfefenster(ChmBibliothek& chm, chmFile* datei, QWidget* besitzer)
        : QTextBrowser(besitzer), m_chm(chm), m_datei(datei)
    {
        setWindowFlag(Qt::Window);
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("Hilfefenster"));
        setWindowTitle(Uebersetzt(1242, QStringLiteral("Kelvara VLX – Hilfe")));
        resize(820, 640);
        setOpenExternalLinks(false);
    }
    ~Hilfefenster() override { m_chm.schliessen(m_datei); }

    QByteArray Objekt(const QString& pfad) const
    {
        chmUnitInfo info{};
        QByteArray name = pfad.toUtf8();
        if (!name.startsWith('/'))
            name.prepend('/');
        // a help file of any size is read only as far as it claims and at most 16 MiB per page
        if (m_chm.suchen(m_datei, name.constData(), &info) != CHM_RESOLVE_SUCCESS || info.length > (16u << 20))
            return {};
        QByteArray inhalt(qsizetype(info.length), '\0');
        const LONGINT64 gelesen = m_chm.lesen(m_datei, &info, reinterpret_cast<unsigned char*>(inhalt.data()), 0,
                                              LONGINT64(info.length));
        inhalt.truncate(qsizetype(std::max<LONGINT64>(0, gelesen)));
        return inhalt;
    }

    // The default topic stands in the "#SYSTEM" object under code 2.
    QString Starttopic() const
    {
        const QByteArray system = Objekt(QStringLiteral("/#SYSTEM"));
        for (qsizetype i = 4; i + 4 <= system.size();) {
            const int code = quint8(system[i]) | quint8(system[i + 1]) << 8;
            const int laenge = quint8(system[i + 2]) | quint8(system[i + 3]) << 8;
            i += 4;
            if (i + laenge > system.size())
                break;
            if (code == 2)
                return QString::fromLatin1(system.mid(i, laenge).constData()); // ends with its NUL
            i += laenge;
        }
        return QStringLiteral("index.html");
    }

    QVariant loadResource(int art, const QUrl& name) override
    {
        const QByteArray inhalt = Objekt(name.path());
        if (inhalt.isEmpty())
            return QTextBrowser::loadResource(art, name);
        if (art == QTextDocument::HtmlResource || art == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(inhalt);
        return inhalt;
    }

private:
    ChmBibliothek& m_chm;
    chmFile* m_datei;
};

namespace {
QString& vorgegebeneBibliothek()
{
    static QString name;
    return name;
}
} // namespace

void Hilfeanzeige::setzeHilfebibliothek(const QString& bibliothek) { vorgegebeneBibliothek() = bibliothek; }

Hilfeanzeige::Hilfeanzeige(const QString& bibliothek)
    : m_chm(std::make_unique<ChmBibliothek>(bibliothek.isEmpty() ? vorgegebeneBibliothek() : bibliothek))
{
}

Hilfeanzeige::~Hilfeanzeige() { delete m_fenster; }

bool Hilfeanzeige::Verfuegbar() const { return m_chm->bereit(); }

bool Hilfeanzeige::Zeige(QWidget* besitzer, const QString& datei)
{
    if (!Verfuegbar())
        return false;
    delete m_fenster;
    chmFile* offen = m_chm->oeffnen(QFile::encodeName(datei).constData());
    if (!offen)
        return false;
    m_fenster = new Hilfefenster(*m_chm, offen, besitzer);
    // the help's style sheet applies to every page, whether a page links it or not
    m_fenster->document()->setDefaultStyleSheet(QString::fromUtf8(m_fenster->Objekt(QStringLiteral("/hilfe.css"))));
    m_fenster->setSource(QUrl(QLatin1Char('/') + m_fenster->Starttopic()));
    m_fenster->show();
    return true;
}

QWidget* Hilfeanzeige::Fenster() const { return m_fenster; }
