// Reading table packets. Every length and count is checked against the bytes left before it is
// used; rows are first read as they stand in the packet (old versions, deleted rows and all),
// then the change log is applied and only the current rows are kept.
#include "platform/u_codepage.h"
#include "platform/u_fehler.h"
#include "tables/u_paket.h"
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_map>

namespace {
constexpr quint32 magic = 0xBDE01996;
constexpr int maxNamenslaenge = 31;

// Bounds-checked reading of the packet bytes.
class Bytes {
public:
    explicit Bytes(const QByteArray& daten) : m_daten(daten.constData()), m_laenge(daten.size()) {}
    qsizetype rest() const { return m_laenge - m_position; }
    qsizetype position() const { return m_position; }
    void springe(qsizetype position)
    {
        if (position < 0 || position > m_laenge)
            Paketfehler(QStringLiteral("Die Metadaten liegen außerhalb des Pakets"));
        m_position = position;
    }
    const char* nimm(qsizetype anzahl)
    {
        if (anzahl < 0 || anzahl > rest())
            Paketfehler(QStringLiteral("Das Paket endet vorzeitig"));
        const char* p = m_daten + m_position;
        m_position += anzahl;
        return p;
    }
    quint8 u8() { return quint8(*nimm(1)); }
    quint16 u16() { return qFromLittleEndian<quint16>(nimm(2)); }
    quint32 u32() { return qFromLittleEndian<quint32>(nimm(4)); }
    qint32 i32() { return qint32(u32()); }
    double f64()
    {
        const quint64 bits = qFromLittleEndian<quint64>(nimm(8));
        double wert;
        std::memcpy(&wert, &bits, sizeof wert);
        return wert;
    }
    // An unsigned number of size 1, 2 or 4 bytes.
    quint32 laenge(int groesse)
    {
        switch (groesse) {
        case 1: return u8();
        case 2: return u16();
        case 4: return u32();
        }
        Paketfehler(QStringLiteral("Ungültige Größe eines Längenfeldes: %1").arg(groesse));
    }

private:
    const char* m_daten;
    qsizetype m_laenge;
    qsizetype m_position = 0;
};

struct Typdeskriptor {
    explicit Typdeskriptor(quint32 typ)
        : groesse(typ & 0xFFFF), code((typ >> 16) & 0x3F), variabel(typ & 0x00400000),
          feld(typ & 0x00800000), verschachtelt(typ & 0x04000000)
    {
    }
    quint32 groesse;
    quint32 code;
    bool variabel;
    bool feld; // array
    bool verschachtelt;
};

constexpr int offen = -2; // an unchanged value not yet resolved

enum class Leseart { Int, UInt, Boolean, Float, TextFest, Text, TextBreit, Bytes,
                     Tabelle, Verknuepfung };

struct Spalte {
    QString name;
    Typdeskriptor typ{0};
    quint16 attribute = 0;
    Leseart art = Leseart::Int;
    int feld = -1; // index of the field in the level, -1 for the link column
    int kind = -1; // index of the nested table
};

struct RohZeile {
    Zeile zeile;
    std::vector<std::vector<int>> kinder; // per nested table: its rows written under this row
    // Per field, empty when no bit is set: -1 a value of its own, -2 unchanged and not yet
    // resolved, else the index of the row that holds the value (and the nested rows).
    std::vector<int> unveraendert;
    quint32 nummer = 0;
    quint8 status = 0;
    bool verwendet = false;
};

struct Tabelle {
    Ebene* ebene = nullptr;
    std::vector<Spalte> spalten;
    std::vector<std::unique_ptr<Tabelle>> kinder;
    std::vector<int> kindFelder; // per nested table: its field in this table
    std::optional<qint32> autoinc;
    std::vector<quint32> protokoll; // CHANGE_LOG triples
    bool hatVerknuepfung = false;
    std::vector<RohZeile> zeilen;
    qint64 ueberHoechster = 1; // direct reading: one above the highest auto-increment number
    QSet<QString> feldnamen; // case-folded, to find a doubled column without a search
};

struct Parameter {
    QString name;
    Typdeskriptor typ{0};
    const char* wert = nullptr; // an array: its first element
    qsizetype laenge = 0;       // an array: the number of elements
};

// The length of a text up to its first zero byte.
qsizetype bisNull(const char* bytes, qsizetype laenge)
{
    const void* null = std::memchr(bytes, 0, size_t(laenge));
    return null ? static_cast<const char*>(null) - bytes : laenge;
}

QString text(const char* bytes, qsizetype laenge) { return AusCodepage(bytes, bisNull(bytes, laenge)); }

// A text value read straight from its code-page bytes into memory carved from speicher.
Text textwert(const char* bytes, qsizetype laenge, Sammelspeicher& speicher)
{
    laenge = bisNull(bytes, laenge);
    return Text::gefuellt(laenge, [&](char16_t* ziel) { AusCodepage(bytes, laenge, ziel); }, &speicher);
}

class Leser {
public:
    explicit Leser(const QByteArray& paket) : m_bytes(paket) {}

    TTabellenDaten lies()
    {
        if (m_bytes.rest() < 24)
            Paketfehler(QStringLiteral("Der Kopf ist unvollständig"));
        if (m_bytes.u32() != magic)
            Paketfehler(QStringLiteral("Die Kennung des Pakets fehlt"));
        const quint16 version = m_bytes.u16();
        const quint16 zweites = m_bytes.u16();
        if (version > 3 || zweites > 3)
            Paketfehler(QStringLiteral("Unbekannte Version %1.%2").arg(version).arg(zweites));
        const quint32 kopfgroesse = m_bytes.u32();
        const quint16 spaltenzahl = m_bytes.u16();
        const quint32 zeilenzahl = m_bytes.u32();
        m_bytes.u32(); // flags
        m_bytes.u16(); // row offset
        if (kopfgroesse < 24)
            Paketfehler(QStringLiteral("Ungültige Kopfgröße %1").arg(kopfgroesse));
        m_bytes.springe(qsizetype(kopfgroesse));

        TTabellenDaten daten;
        daten.ebene = std::make_unique<Ebene>();
        Tabelle oben;
        oben.ebene = daten.ebene.get();
        lieseMetadaten(oben, spaltenzahl);
        if (oben.spalten.empty())
            Paketfehler(QStringLiteral("Die Tabelle hat keine Spalten"));
        // Every row takes at least one byte.
        if (zeilenzahl > quint32(m_bytes.rest()))
            Paketfehler(QStringLiteral("Ungültige Zeilenzahl %1").arg(zeilenzahl));
        if (ohneProtokoll(oben)) {
            lieseDirekt(oben, *daten.zeilen, zeilenzahl);
            pruefeEnde();
            if (m_unveraendertOhneAlteVersion)
                Paketfehler(QStringLiteral("Ein unveränderter Wert hat keine alte Version"));
            setzeZaehlerDirekt(oben);
            return daten;
        }
        reserviere(oben, oben.zeilen, zeilenzahl);
        for (quint32 i = 0; i < zeilenzahl; ++i)
            lieseZeile(oben);
        pruefeEnde();

        aufloesen(oben, true);
        daten.zeilen->reserve(oben.zeilen.size());
        for (RohZeile& zeile : oben.zeilen)
            if (istAktuell(zeile))
                daten.zeilen->push_back(baue(oben, zeile));
        return daten;
    }

private:
    void pruefeEnde()
    {
        if (m_bytes.rest() != 0)
            Paketfehler(
                QStringLiteral("Nach den Zeilen folgen %1 weitere Bytes").arg(m_bytes.rest()));
    }

    // Room for as many rows as the bytes left can hold: each takes its status and bitmap at least.
    template <typename Liste>
    void reserviere(const Tabelle& tabelle, Liste& liste, quint32 anzahl)
    {
        const qsizetype mindestens = 1 + (qsizetype(tabelle.spalten.size()) + 3) / 4;
        liste.reserve(liste.size() + std::min<std::size_t>(anzahl, std::size_t(m_bytes.rest() / mindestens)));
    }

    // The row count of a nested-table value: every nested row takes a byte at least.
    quint32 lieseZeilenzahl(const Spalte& spalte)
    {
        const qint32 anzahl = m_bytes.i32();
        if (anzahl < 0 || anzahl > m_bytes.rest())
            Paketfehler(
                QStringLiteral("Ungültige Zeilenzahl %1 in Spalte '%2'").arg(anzahl).arg(spalte.name));
        return quint32(anzahl);
    }

    // Without a change log and link fields anywhere, every row stands for itself.
    static bool ohneProtokoll(const Tabelle& tabelle)
    {
        return tabelle.protokoll.empty() && !tabelle.hatVerknuepfung
            && std::all_of(tabelle.kinder.begin(), tabelle.kinder.end(),
                           [](const auto& kind) { return ohneProtokoll(*kind); });
    }

    // Reads anzahl rows of a table without change log straight into ziel, nested rows into
    // their own lists, leaving out rows that are not current (old versions, deleted or vacant
    // slots, with everything nested in them). An unchanged mark can name no old version; it is
    // an error once the rows are read, as for a change-logged packet.
    void lieseDirekt(Tabelle& tabelle, Zeilen& ziel, quint32 anzahl)
    {
        reserviere(tabelle, ziel, anzahl);
        const int spalten = int(tabelle.spalten.size());
        const qsizetype felder = qsizetype(tabelle.ebene->felder.size());
        const int autoinc = tabelle.ebene->autoincFeld;
        for (quint32 i = 0; i < anzahl; ++i) {
            const quint8 status = m_bytes.u8();
            const char* bitmap = m_bytes.nimm((spalten + 3) / 4);
            Zeile& zeile = ziel.emplace_back();
            zeile.werte.anlegen(felder, m_speicher);
            for (int j = 0; j < spalten; ++j) {
                const Spalte& spalte = tabelle.spalten[j];
                const int bits = (quint8(bitmap[j / 4]) >> (2 * (j % 4))) & 3;
                if (bits) {
                    m_unveraendertOhneAlteVersion = m_unveraendertOhneAlteVersion || (bits & 2);
                    continue;
                }
                if (spalte.art == Leseart::Tabelle) {
                    Verschachtelt liste = Verschachtelt::neu();
                    lieseDirekt(*tabelle.kinder[spalte.kind], *liste, lieseZeilenzahl(spalte));
                    zeile.werte[spalte.feld] = std::move(liste);
                } else {
                    lieseWert(spalte, zeile.werte[spalte.feld]);
                }
            }
            if (autoinc >= 0)
                if (auto* zahl = std::get_if<qint32>(&zeile.werte[autoinc]))
                    tabelle.ueberHoechster = std::max<qint64>(tabelle.ueberHoechster, qint64(*zahl) + 1);
            if (status & (Status::AlteVersion | Status::Geloescht | Status::Leer))
                ziel.pop_back();
            else
                for (int k : tabelle.kindFelder) // a null nested column holds no rows
                    if (istNull(zeile.werte[k]))
                        zeile.werte[k] = Verschachtelt::neu();
        }
    }

    void setzeZaehlerDirekt(Tabelle& tabelle)
    {
        for (auto& kind : tabelle.kinder)
            setzeZaehlerDirekt(*kind);
        Ebene& ebene = *tabelle.ebene;
        if (ebene.autoincFeld >= 0)
            ebene.naechsterAutoinc = qint32(std::min<qint64>(
                std::max<qint64>(tabelle.autoinc.value_or(1), tabelle.ueberHoechster), 0x7FFFFFFF));
    }

    // The descriptors of one table, budget of them in all (its nested tables' included), then
    // its parameter list.
    void lieseMetadaten(Tabelle& tabelle, quint32 budget)
    {
        quint32 gelesen = 0;
        while (gelesen < budget) {
            Spalte spalte = lieseSpalte(tabelle);
            ++gelesen;
            if (spalte.art == Leseart::Tabelle) {
                if (++m_tabellen > maxTabellen)
                    Paketfehler(QStringLiteral("Mehr als %1 Tabellen").arg(maxTabellen));
                const quint32 eigene = spalte.typ.groesse;
                if (eigene > budget - gelesen)
                    Paketfehler(QStringLiteral("Die Spalte '%1' beansprucht zu viele Deskriptoren")
                                    .arg(spalte.name));
                Ebene& ebene = *tabelle.ebene;
                spalte.kind = int(ebene.kinder.size());
                ebene.kindIndex[spalte.feld] = spalte.kind;
                ebene.kinder.push_back(std::make_unique<Ebene>());
                auto kind = std::make_unique<Tabelle>();
                kind->ebene = ebene.kinder.back().get();
                lieseMetadaten(*kind, eigene);
                gelesen += eigene;
                ebene.felder[spalte.feld].children = kind->ebene->felder;
                tabelle.kindFelder.push_back(spalte.feld);
                tabelle.kinder.push_back(std::move(kind));
            }
            tabelle.spalten.push_back(std::move(spalte));
        }
        for (const Parameter& p : lieseParameterliste()) {
            if (p.name == QLatin1String("AUTOINCVALUE") && !p.typ.variabel && !p.typ.feld
                && p.typ.code == 1 && p.laenge == 4)
                tabelle.autoinc = qFromLittleEndian<qint32>(p.wert);
            else if (p.name == QLatin1String("CHANGE_LOG"))
                uebernimmProtokoll(tabelle, p);
        }
    }

    Spalte lieseSpalte(Tabelle& tabelle)
    {
        Spalte spalte;
        const quint8 namenslaenge = m_bytes.u8();
        spalte.name =
            text(m_bytes.nimm(namenslaenge), std::min<int>(namenslaenge, maxNamenslaenge));
        if (spalte.name.isEmpty())
            Paketfehler(QStringLiteral("Eine Spalte hat keinen Namen"));
        spalte.typ = Typdeskriptor(m_bytes.u32());
        spalte.attribute = m_bytes.u16();
        TFieldDef def;
        def.name = spalte.name;
        def.required = spalte.attribute & Attribut::Pflicht;
        QString untertyp;
        int breite = -1;
        for (const Parameter& p : lieseParameterliste()) {
            if (p.typ.feld)
                continue;
            if (p.name.compare(QLatin1String("SUBTYPE"), Qt::CaseInsensitive) == 0
                && p.typ.variabel)
                untertyp = text(p.wert, p.laenge);
            else if (p.name.compare(QLatin1String("WIDTH"), Qt::CaseInsensitive) == 0
                     && !p.typ.variabel && (p.typ.code == 1 || p.typ.code == 2)
                     && (p.laenge == 2 || p.laenge == 4))
                breite = p.laenge == 2 ? qFromLittleEndian<quint16>(p.wert)
                                       : int(qFromLittleEndian<quint32>(p.wert) & 0x7FFFFFFF);
        }
        bestimmeArt(spalte, def, untertyp, breite);

        if ((spalte.attribute & Attribut::Verknuepfung) && spalte.art == Leseart::UInt) {
            if (tabelle.hatVerknuepfung)
                Paketfehler(QStringLiteral("Zwei Verknüpfungsspalten in einer Tabelle"));
            tabelle.hatVerknuepfung = true;
            spalte.art = Leseart::Verknuepfung;
            return spalte;
        }
        Ebene& ebene = *tabelle.ebene;
        const qsizetype vorher = tabelle.feldnamen.size();
        tabelle.feldnamen.insert(def.name.toCaseFolded());
        if (tabelle.feldnamen.size() == vorher)
            Paketfehler(QStringLiteral("Die Spalte '%1' ist doppelt").arg(def.name));
        spalte.feld = int(ebene.felder.size());
        if (def.type == TFieldType::AutoInc && ebene.autoincFeld < 0)
            ebene.autoincFeld = spalte.feld;
        ebene.felder.push_back(std::move(def));
        ebene.kindIndex.push_back(-1);
        return spalte;
    }

    [[noreturn]] static void unbekannterTyp(const Spalte& spalte)
    {
        Paketfehler(
            QStringLiteral("Die Spalte '%1' hat einen nicht unterstützten Typ").arg(spalte.name));
    }

    static void bestimmeArt(Spalte& spalte, TFieldDef& def, const QString& untertyp, int breite)
    {
        const Typdeskriptor& t = spalte.typ;
        if (t.feld)
            unbekannterTyp(spalte);
        if (t.verschachtelt) {
            if (t.code != 14)
                unbekannterTyp(spalte);
            spalte.art = Leseart::Tabelle;
            def.type = TFieldType::DataSet;
            return;
        }
        if (t.variabel) {
            if (t.groesse != 1 && t.groesse != 2 && t.groesse != 4)
                unbekannterTyp(spalte);
            switch (t.code) {
            case 9: spalte.art = Leseart::Text; break;
            case 10: spalte.art = Leseart::TextBreit; break;
            case 11: spalte.art = Leseart::Bytes; break;
            default: unbekannterTyp(spalte);
            }
            const bool memo = spalte.art == Leseart::Bytes
                || untertyp.compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0;
            def.type = memo ? TFieldType::Memo : TFieldType::String;
            def.size = breite >= 0 ? breite : (t.groesse == 1 ? 255 : 0xFFFF);
            return;
        }
        const quint32 g = t.groesse;
        switch (t.code) {
        case 1:
        case 2:
            if (g != 1 && g != 2 && g != 4)
                unbekannterTyp(spalte);
            spalte.art = t.code == 1 ? Leseart::Int : Leseart::UInt;
            def.type = untertyp.compare(QLatin1String("Autoinc"), Qt::CaseInsensitive) == 0
                ? TFieldType::AutoInc
                : TFieldType::Integer;
            return;
        case 3:
            if (g != 1 && g != 2 && g != 4)
                unbekannterTyp(spalte);
            spalte.art = Leseart::Boolean;
            def.type = TFieldType::Boolean;
            return;
        case 4:
        case 8:
            if (g != 8)
                unbekannterTyp(spalte);
            spalte.art = Leseart::Float;
            def.type = TFieldType::Float;
            return;
        case 6:
        case 7:
            if (g != 4)
                unbekannterTyp(spalte);
            spalte.art = Leseart::Int;
            def.type = TFieldType::Integer;
            return;
        case 9:
            if (g == 0)
                unbekannterTyp(spalte);
            spalte.art = Leseart::TextFest;
            def.type = TFieldType::String;
            def.size = int(g);
            return;
        }
        unbekannterTyp(spalte);
    }

    // A parameter list; every value is skipped by its type descriptor.
    std::vector<Parameter> lieseParameterliste()
    {
        const quint16 anzahl = m_bytes.u16();
        std::vector<Parameter> liste;
        for (quint16 i = 0; i < anzahl; ++i) {
            Parameter p;
            const quint8 laenge = m_bytes.u8();
            p.name = text(m_bytes.nimm(laenge), laenge);
            p.typ = Typdeskriptor(m_bytes.u32() & 0x7FFFFFFF);
            if (p.typ.verschachtelt)
                Paketfehler(QStringLiteral("Der Parameter '%1' ist eine Tabelle").arg(p.name));
            if (p.typ.feld) {
                const quint32 elemente = m_bytes.u32();
                if (!p.typ.variabel && quint64(elemente) * p.typ.groesse > quint64(m_bytes.rest()))
                    Paketfehler(QStringLiteral("Der Parameter '%1' ist zu lang").arg(p.name));
                p.wert = m_bytes.nimm(0);
                p.laenge = elemente;
                if (!p.typ.variabel) {
                    m_bytes.nimm(qsizetype(elemente) * p.typ.groesse);
                } else {
                    // every element takes at least its length prefix
                    for (quint32 e = 0; e < elemente; ++e)
                        m_bytes.nimm(m_bytes.laenge(int(p.typ.groesse)));
                }
            } else {
                p.laenge = p.typ.variabel ? m_bytes.laenge(int(p.typ.groesse)) : p.typ.groesse;
                p.wert = m_bytes.nimm(p.laenge);
            }
            liste.push_back(std::move(p));
        }
        return liste;
    }

    static void uebernimmProtokoll(Tabelle& tabelle, const Parameter& p)
    {
        if (!p.typ.feld || p.typ.variabel || (p.typ.code != 1 && p.typ.code != 2)
            || p.typ.groesse != 4 || p.laenge % 3 != 0)
            Paketfehler(QStringLiteral("Das Änderungsprotokoll ist ungültig"));
        tabelle.protokoll.resize(size_t(p.laenge));
        for (qsizetype i = 0; i < p.laenge; ++i)
            tabelle.protokoll[i] = qFromLittleEndian<quint32>(p.wert + 4 * i);
    }

    void lieseZeile(Tabelle& tabelle)
    {
        RohZeile roh;
        roh.status = m_bytes.u8();
        const int spalten = int(tabelle.spalten.size());
        const char* bitmap = m_bytes.nimm((spalten + 3) / 4);
        roh.zeile.werte.resize(tabelle.ebene->felder.size());
        if (!tabelle.kinder.empty())
            roh.kinder.resize(tabelle.kinder.size());
        for (int j = 0; j < spalten; ++j) {
            const Spalte& spalte = tabelle.spalten[j];
            const int bits = (quint8(bitmap[j / 4]) >> (2 * (j % 4))) & 3;
            if (bits & 2) {
                if (spalte.feld < 0)
                    Paketfehler(
                        QStringLiteral("Die Verknüpfungsspalte ist als unverändert markiert"));
                if (roh.unveraendert.empty())
                    roh.unveraendert.resize(tabelle.ebene->felder.size(), -1);
                roh.unveraendert[spalte.feld] = offen;
                continue;
            }
            if (bits & 1)
                continue;
            if (spalte.art == Leseart::Tabelle) {
                const quint32 anzahl = lieseZeilenzahl(spalte);
                Tabelle& kind = *tabelle.kinder[spalte.kind];
                std::vector<int>& indizes = roh.kinder[spalte.kind];
                for (quint32 k = 0; k < anzahl; ++k) {
                    indizes.push_back(int(kind.zeilen.size()));
                    lieseZeile(kind);
                }
            } else if (spalte.art == Leseart::Verknuepfung) {
                roh.nummer = m_bytes.laenge(int(spalte.typ.groesse));
            } else {
                lieseWert(spalte, roh.zeile.werte[spalte.feld]);
            }
        }
        if (tabelle.hatVerknuepfung && roh.nummer == 0)
            Paketfehler(QStringLiteral("Eine Zeile hat keine Datensatznummer"));
        tabelle.zeilen.push_back(std::move(roh));
    }

    // Into the row's null value ziel.
    Q_ALWAYS_INLINE void lieseWert(const Spalte& spalte, Wert& ziel)
    {
        const quint32 g = spalte.typ.groesse;
        switch (spalte.art) {
        case Leseart::Int: {
            const char* p = m_bytes.nimm(g);
            ziel.emplace<qint32>(g == 1 ? qint32(qint8(*p))
                                 : g == 2 ? qint32(qFromLittleEndian<qint16>(p))
                                          : qFromLittleEndian<qint32>(p));
            return;
        }
        case Leseart::UInt: {
            const quint32 wert = m_bytes.laenge(int(g));
            if (wert > 0x7FFFFFFF)
                Paketfehler(QStringLiteral("Der Wert %1 in Spalte '%2' ist zu groß")
                                .arg(wert)
                                .arg(spalte.name));
            ziel.emplace<qint32>(qint32(wert));
            return;
        }
        case Leseart::Boolean: ziel.emplace<bool>(m_bytes.laenge(int(g)) != 0); return;
        case Leseart::Float: ziel.emplace<double>(m_bytes.f64()); return;
        case Leseart::TextFest: ziel.emplace<Text>(textwert(m_bytes.nimm(g), g, m_speicher)); return;
        case Leseart::Text:
        case Leseart::Bytes: {
            const qsizetype laenge = m_bytes.laenge(int(g));
            ziel.emplace<Text>(textwert(m_bytes.nimm(laenge), laenge, m_speicher));
            return;
        }
        case Leseart::TextBreit: {
            const qsizetype laenge = m_bytes.laenge(int(g));
            if (laenge % 2 != 0)
                Paketfehler(QStringLiteral("Ungerade Länge eines Unicode-Textes"));
            const char* p = m_bytes.nimm(laenge);
            QString breit(laenge / 2, Qt::Uninitialized);
            for (qsizetype i = 0; i < laenge / 2; ++i)
                breit[i] = QChar(qFromLittleEndian<quint16>(p + 2 * i));
            const qsizetype null = breit.indexOf(QChar(0));
            ziel.emplace<Text>(null >= 0 ? QStringView(breit).left(null) : QStringView(breit));
            return;
        }
        case Leseart::Tabelle:
        case Leseart::Verknuepfung: break;
        }
    }

    // Numbers the rows, applies the change log and takes every unchanged value from the old
    // version of its row; sets the counter; the same for every nested table.
    void aufloesen(Tabelle& tabelle, bool oben)
    {
        for (auto& kind : tabelle.kinder)
            aufloesen(*kind, false);
        bool unveraendertGesetzt = false;
        for (size_t i = 0; i < tabelle.zeilen.size(); ++i) {
            RohZeile& zeile = tabelle.zeilen[i];
            if (oben || !tabelle.hatVerknuepfung)
                zeile.nummer = quint32(i + 1);
            unveraendertGesetzt = unveraendertGesetzt || !zeile.unveraendert.empty();
        }
        if (!tabelle.protokoll.empty() || unveraendertGesetzt) {
            std::unordered_map<quint32, int> index;
            index.reserve(tabelle.zeilen.size());
            for (size_t i = 0; i < tabelle.zeilen.size(); ++i)
                if (!index.emplace(tabelle.zeilen[i].nummer, int(i)).second)
                    Paketfehler(QStringLiteral("Die Datensatznummer %1 ist doppelt")
                                    .arg(tabelle.zeilen[i].nummer));
            std::unordered_map<quint32, int> alteVersion;
            for (size_t t = 0; t + 2 < tabelle.protokoll.size(); t += 3) {
                const quint32 nummer = tabelle.protokoll[t];
                const quint32 alt = tabelle.protokoll[t + 1];
                if (!(tabelle.protokoll[t + 2] & 8))
                    continue;
                const auto neu = index.find(nummer);
                const auto vorher = index.find(alt);
                if (neu == index.end() || vorher == index.end() || nummer == alt)
                    Paketfehler(
                        QStringLiteral("Das Änderungsprotokoll nennt einen unbekannten Datensatz"));
                alteVersion[nummer] = vorher->second;
            }
            for (RohZeile& zeile : tabelle.zeilen)
                for (size_t f = 0; f < zeile.unveraendert.size(); ++f)
                    if (zeile.unveraendert[f] == offen)
                        uebernimmAlt(tabelle, zeile, int(f), alteVersion);
            // Only current rows are taken into the table; they get their values now.
            for (RohZeile& zeile : tabelle.zeilen)
                for (size_t f = 0; istAktuell(zeile) && f < zeile.unveraendert.size(); ++f)
                    if (zeile.unveraendert[f] >= 0)
                        zeile.zeile.werte[f] = tabelle.zeilen[zeile.unveraendert[f]].zeile.werte[f];
        }
        setzeZaehler(tabelle);
    }

    // Follows the old versions until a row holds the value of feld, and notes that row on
    // every row of the way, so that each row is walked once.
    static void uebernimmAlt(Tabelle& tabelle, RohZeile& zeile, int feld,
                             const std::unordered_map<quint32, int>& alteVersion)
    {
        std::vector<RohZeile*> weg;
        RohZeile* schritt = &zeile;
        int quelle = -1;
        while (quelle < 0) {
            const int marke = schritt->unveraendert.empty() ? -1 : schritt->unveraendert[feld];
            if (marke >= 0) {
                quelle = marke;
            } else if (marke == offen) {
                const auto alt = alteVersion.find(schritt->nummer);
                if (alt == alteVersion.end() || weg.size() > tabelle.zeilen.size())
                    Paketfehler(QStringLiteral("Ein unveränderter Wert hat keine alte Version"));
                weg.push_back(schritt);
                schritt = &tabelle.zeilen[alt->second];
            } else {
                quelle = int(schritt - tabelle.zeilen.data());
            }
        }
        for (RohZeile* ziel : weg)
            ziel->unveraendert[feld] = quelle;
    }

    // The counter continues after the highest number in use, even when the stored one is lower.
    static void setzeZaehler(Tabelle& tabelle)
    {
        Ebene& ebene = *tabelle.ebene;
        if (ebene.autoincFeld < 0)
            return;
        qint64 naechster = tabelle.autoinc.value_or(1);
        for (const RohZeile& zeile : tabelle.zeilen)
            if (auto* zahl = std::get_if<qint32>(&zeile.zeile.werte[ebene.autoincFeld]))
                naechster = std::max<qint64>(naechster, qint64(*zahl) + 1);
        ebene.naechsterAutoinc = qint32(std::min<qint64>(naechster, 0x7FFFFFFF));
    }

    static bool istAktuell(const RohZeile& zeile)
    {
        return !(zeile.status & (Status::AlteVersion | Status::Geloescht | Status::Leer));
    }

    Zeile baue(Tabelle& tabelle, RohZeile& roh)
    {
        if (roh.verwendet)
            Paketfehler(QStringLiteral("Ein Datensatz gehört zu mehreren Zeilen"));
        roh.verwendet = true;
        Zeile zeile = std::move(roh.zeile);
        for (size_t k = 0; k < tabelle.kinder.size(); ++k) {
            Tabelle& kind = *tabelle.kinder[k];
            auto kinder = Verschachtelt::neu();
            const int feld = tabelle.kindFelder[k];
            const int von = roh.unveraendert.empty() ? -1 : roh.unveraendert[feld];
            for (int index : (von >= 0 ? tabelle.zeilen[von] : roh).kinder[k])
                if (istAktuell(kind.zeilen[index]))
                    kinder->push_back(baue(kind, kind.zeilen[index]));
            zeile.werte[feld] = std::move(kinder);
        }
        return zeile;
    }

    Bytes m_bytes;
    int m_tabellen = 1;
    bool m_unveraendertOhneAlteVersion = false;
    Sammelspeicher m_speicher; // the texts and the values of the rows read
};
} // namespace

TTabellenDaten LesePaket(const QByteArray& paket) { return Leser(paket).lies(); }
