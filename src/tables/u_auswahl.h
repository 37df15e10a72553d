#pragma once
// A choice list as the settings text sees it: ordered item texts, one selected (or none).
// Windows adapt their combo boxes to it; headless code uses Auswahlliste directly.
#include <QStringList>

class Auswahl {
public:
    virtual ~Auswahl() = default;
    virtual int anzahl() const = 0;
    virtual int gewaehlt() const = 0;            // -1: nothing selected
    virtual void waehle(int index) = 0;          // -1 clears the selection
    virtual QString angezeigterText() const = 0; // the text the control shows
};

class Auswahlliste : public Auswahl {
public:
    Auswahlliste() = default;
    explicit Auswahlliste(QStringList eintraege, int gewaehlt = -1)
        : m_eintraege(std::move(eintraege)), m_gewaehlt(gewaehlt) {}

    const QStringList& eintraege() const { return m_eintraege; }
    void setzeEintraege(QStringList eintraege, int gewaehlt = -1)
    {
        m_eintraege = std::move(eintraege);
        m_gewaehlt = gewaehlt;
    }

    int anzahl() const override { return int(m_eintraege.size()); }
    int gewaehlt() const override { return m_gewaehlt; }
    void waehle(int index) override { m_gewaehlt = (index >= 0 && index < anzahl()) ? index : -1; }
    QString angezeigterText() const override
    {
        return m_gewaehlt >= 0 ? m_eintraege.at(m_gewaehlt) : QString();
    }

private:
    QStringList m_eintraege;
    int m_gewaehlt = -1;
};
