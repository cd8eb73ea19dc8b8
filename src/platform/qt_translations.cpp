#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator* InstallCzechQtTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    // "qt" pulls in the catalogues of every Qt module, qtbase among them.
    if (!translator->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qt"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
