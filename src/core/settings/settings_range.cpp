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

[[nodiscard]] bool SizeUsable(qint32 size, qint32 smallest) {
    return size > 0 && size >= smallest;
}

// The frame's corner along one side of the screen: moved the least so the
// whole frame lies on it, and at least at its start, where the title bar is.
[[nodiscard]] qint32 CornerOnScreen(qint32 corner, qint64 outerSize, qint32 screenStart,
                                    qint32 screenSize) {
    const qint64 last = qint64(screenStart) + screenSize - outerSize;
    return qint32(std::max<qint64>(std::min<qint64>(corner, last), screenStart));
}

// A window too big for the screen once made the painting run out of memory,
// and one beside the screen cannot be reached. The snapping and the picker
// size the window to the whole screen, so that is the room it is fitted to:
// what they made comes back as it was.
void FitWindow(SettingsRecord& r, const WindowRoom& room) {
    const qint64 frameWidth = qint64(room.frame.left) + room.frame.right;
    const qint64 frameHeight = qint64(room.frame.top) + room.frame.bottom;
    if (!SizeUsable(r.WindowWidth, room.minWidth) || !SizeUsable(r.WindowHeight, room.minHeight)) {
        r.WindowWidth = std::max(room.screen.width / 2, room.minWidth);
        r.WindowHeight = std::max(room.screen.height / 2, room.minHeight);
        r.WindowLeft = room.workArea.left;
        r.WindowTop = room.workArea.top;
    }
    r.WindowWidth = qint32(std::min<qint64>(
        r.WindowWidth, std::max<qint64>(room.screen.width - frameWidth, room.minWidth)));
    r.WindowHeight = qint32(std::min<qint64>(
        r.WindowHeight, std::max<qint64>(room.screen.height - frameHeight, room.minHeight)));
    r.WindowLeft = CornerOnScreen(r.WindowLeft, r.WindowWidth + frameWidth, room.screen.left,
                                  room.screen.width);
    r.WindowTop = CornerOnScreen(r.WindowTop, r.WindowHeight + frameHeight, room.screen.top,
                                 room.screen.height);
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
