#pragma once
// A paint area of the beam editor's tabs: named for the tests, at least so high, painted by the
// function it is given.
#include <QPainter>
#include <QWidget>
#include <functional>

class Malflaeche : public QWidget {
public:
    using Maler = std::function<void(QPainter&, const QWidget&)>;
    Malflaeche(const char* name, int mindesthoehe, Maler malen) : m_malen(std::move(malen))
    {
        setObjectName(QString::fromLatin1(name));
        setMinimumHeight(mindesthoehe);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        m_malen(maler, *this);
    }

private:
    Maler m_malen;
};
