#include "platform/font_dialog.h"

#include <QFontDialog>

std::optional<FontChoice> QtFontDialogService::choose(const FontChoice& initial, QWidget* owner) {
    QFont font(initial.family);
    if (initial.pointSize > 0)
        font.setPointSizeF(initial.pointSize);
    bool confirmed = false;
    const QFont chosen = QFontDialog::getFont(&confirmed, font, owner);
    if (!confirmed)
        return std::nullopt;
    return FontChoice{chosen.family(), chosen.pointSizeF()};
}
