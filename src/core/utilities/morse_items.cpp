#include "core/utilities/morse_items.h"

#include "core/text/morse_table.h"

#include <algorithm>

QString MorseItemCode(const MorseItem& item) {
    if (item.code != nullptr)
        return QString::fromUtf16(item.code);
    const QString caption = QString::fromUtf16(item.caption);
    if (caption == QStringLiteral("CH"))
        return QString::fromLatin1(MorseCodeOfCh);
    const auto entry = std::find_if(MorseTable.begin(), MorseTable.end(), [&](const MorseEntry& e) {
        return QChar(e.character) == caption.front();
    });
    Q_ASSERT(entry != MorseTable.end());
    return entry != MorseTable.end() ? QString::fromLatin1(entry->code) : QString();
}
