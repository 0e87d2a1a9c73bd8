#include "Translations.h"

#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString &loadedLanguage()
{
    static QString language;
    return language;
}

} // namespace

QString Translations::language()
{
    return loadedLanguage();
}

void Translations::setLanguageForTesting(const QString &language)
{
    loadedLanguage() = language;
}

QStringList Translations::searchDirectories()
{
    const QDir program(ProgramPaths::programDirectory());
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/quillop/translations")))};
}

QString Translations::install(QCoreApplication &app)
{
    auto *own = new QTranslator(&app);
    const QLocale locale;
    bool loaded = false;
    for (const QString &dir : searchDirectories()) {
        if (own->load(locale, QStringLiteral("quillop"), QStringLiteral("_"), dir)) {
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's texts in the language ours were found in, not in a later one of the user's list.
    const QString language = QLocale(own->language()).name().section(u'_', 0, 0);
    loadedLanguage() = language;
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return language;
}
