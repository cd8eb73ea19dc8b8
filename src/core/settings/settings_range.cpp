#include "core/settings/settings_range.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<quint8, 6> kEditorFontSizes = {8, 10, 12, 14, 17, 24};
constexpr quint8 kFallbackFontSize = 8;
constexpr qint32 kMinSnapDistance = 10;
constexpr qint32 kMaxSnapDistance = 1450;
constexpr qint32 kMinAutosaveMinutes = 1;
constexpr qint32 kMaxAutosaveMinutes = 10;
constexpr ColorValue kPlainColourBits = 0xFFFFFF;

[[nodiscard]] qint32 ZeroUnlessIn0To2(qint32 value) {
    return value >= 0 && value <= 2 ? value : 0;
}

[[nodiscard]] bool SizeFits(qint32 size, qint32 smallest, qint32 room) {
    return size > 0 && size >= smallest && size <= room;
}

// A window too big for the screen once made the painting run out of memory,
// and one beside the screen cannot be reached; both come back where the user
// can see and move them.
void FitWindow(SettingsRecord& r, const WindowRoom& room) {
    if (!SizeFits(r.WindowWidth, room.minWidth, room.width) ||
        !SizeFits(r.WindowHeight, room.minHeight, room.height)) {
        r.WindowWidth = std::max(room.width / 2, room.minWidth);
        r.WindowHeight = std::max(room.height / 2, room.minHeight);
        r.WindowLeft = room.left;
        r.WindowTop = room.top;
        return;
    }
    r.WindowLeft = std::clamp(r.WindowLeft, room.left, room.left + room.width - r.WindowWidth);
    r.WindowTop = std::clamp(r.WindowTop, room.top, room.top + room.height - r.WindowHeight);
}

} // namespace

SettingsRecord SettingsInRange(SettingsRecord settings, const WindowRoom& room) {
    SettingsRecord& r = settings;
    FitWindow(r, room);
    if (r.EditorFontName.isEmpty())
        r.EditorFontName = FirstRunFontName;
    r.EditorTextColor &= kPlainColourBits;
    r.EditorBackColor &= kPlainColourBits;
    if (std::find(kEditorFontSizes.begin(), kEditorFontSizes.end(), r.EditorFontSize) ==
        kEditorFontSizes.end())
        r.EditorFontSize = kFallbackFontSize;
    r.SnapDistance = std::clamp(r.SnapDistance, kMinSnapDistance, kMaxSnapDistance);
    r.MainWindowState = ZeroUnlessIn0To2(r.MainWindowState);
    r.AutosaveMinutes = std::clamp(r.AutosaveMinutes, kMinAutosaveMinutes, kMaxAutosaveMinutes);
    r.AutosaveMode = ZeroUnlessIn0To2(r.AutosaveMode);
    return settings;
}
