#include "language/u_qtsprache_qt.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {
std::unique_ptr<QTranslator>& uebersetzerVonQt()
{
    static std::unique_ptr<QTranslator> uebersetzer;
    return uebersetzer;
}

// The language a file name names in English or in the language itself; English otherwise.
QLocale::Language spracheDesNamens(const QString& sprachdatei)
{
    const QString name = QFileInfo(sprachdatei).completeBaseName();
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l) {
        const auto sprache = QLocale::Language(l);
        if (name.compare(QLocale::languageToString(sprache), Qt::CaseInsensitive) == 0
            || name.compare(QLocale(sprache).nativeLanguageName(), Qt::CaseInsensitive) == 0)
            return sprache;
    }
    return QLocale::English;
}
} // namespace

void QtSpracheSetzen(const QString& sprachdatei)
{
    auto& alt = uebersetzerVonQt();
    if (alt) {
        QCoreApplication::removeTranslator(alt.get());
        alt.reset();
    }
    const QLocale sprache(sprachdatei.isEmpty() ? QLocale::German : spracheDesNamens(sprachdatei));
    if (sprache.language() == QLocale::English)
        return; // Qt's texts are English
    auto neu = std::make_unique<QTranslator>();
    if (neu->load(sprache, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(neu.get());
        alt = std::move(neu);
    }
}
