#include "platform/font_fallback.h"

#include <QFontDatabase>

QStringList FontFamiliesFor(const QString& name) {
    QStringList families{name};
    if (!QFontDatabase::hasFamily(name))
        families << QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return families;
}
