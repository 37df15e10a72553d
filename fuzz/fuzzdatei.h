#pragma once
// Shared by the libFuzzer targets: the input as a file the loaders can open, optionally behind a
// fixed header value (so that mutations reach what comes after the header), and a run that
// accepts a Fehler but nothing else.
#include "platform/u_fehler.h"
#include "tables/u_stream.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <unistd.h>

inline QString FuzzOrdner()
{
    static const QString ordner = [] {
        const QString pfad = QDir::tempPath() + QStringLiteral("/kelvara-fuzz-%1/").arg(::getpid());
        QDir().mkpath(pfad + QStringLiteral("Traversen"));
        return pfad;
    }();
    return ordner;
}

// Writes the header (when not empty) as a stream text value, then the input bytes.
inline QString AlsDatei(const uint8_t* daten, size_t laenge, const QString& name, const QString& kopf = QString())
{
    QByteArray bytes;
    if (!kopf.isEmpty()) {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        TWriter writer(puffer);
        writer.WriteString(kopf);
        writer.Finish();
    }
    bytes.append(reinterpret_cast<const char*>(daten), qsizetype(laenge));
    const QString pfad = FuzzOrdner() + name;
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly))
        datei.write(bytes);
    return pfad;
}

template <typename F>
int FehlerErlaubt(F laden)
{
    try {
        laden();
    } catch (const Fehler&) {
    }
    return 0;
}
