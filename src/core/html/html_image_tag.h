#pragma once

#include "core/html/image_size.h"
#include "core/html/unit_value_label.h"

#include <QLocale>
#include <QString>
#include <optional>

// The IMG tag of the picture dialog, built from plain copies of its controls.

// The five alignment buttons, written in lower case.
enum class ImageAlign { Top, Middle, Bottom, Left, Right };

// Each attribute is written only while its check box is ticked; the labels
// are copied as shown, so a percent label writes its "%".
struct ImageTagValues {
    QString address;         // SRC, always written
    bool altChecked = false; // Check4
    QString alt = QStringLiteral("Obrázek");
    bool alignChecked = false; // Check8
    ImageAlign align = ImageAlign::Left;
    bool sizeChecked = false;                    // Check1
    QString widthLabel = QStringLiteral("10%");  // Label4
    QString heightLabel = QStringLiteral("10%"); // Label3
    bool spaceChecked = false;                   // Check3
    QString vspaceLabel = QStringLiteral("0");   // Label12
    QString hspaceLabel = QStringLiteral("0");   // Label11
    bool borderChecked = false;                  // Check2
    QString borderLabel = QStringLiteral("0");   // Label8
    bool lowSrcChecked = false;                  // Check6
    QString lowSrc = QStringLiteral("path/file.jpg");
    bool useMapChecked = false; // Check7
    QString useMap = QStringLiteral("#mapa");
};

// The attributes alone, SRC first without a leading space: what an opener
// that writes its own tag around them receives.
[[nodiscard]] QString ImageTagAttributes(const ImageTagValues& values);
// "<IMG " + the attributes + ">".
[[nodiscard]] QString ImageTag(const ImageTagValues& values);

// The maxima of the width and height scroll bars in either unit.
inline constexpr UnitMaxima ImageWidthMaxima{200, 800};
inline constexpr UnitMaxima ImageHeightMaxima{200, 600};
// Whether a picture's size may preset the scroll bars: both dimensions known
// and below 32000.
[[nodiscard]] bool CanPresetImageSize(ImageSize size);

// The automatic alternative text: the file name in lower case, the pixel
// size when both dimensions are known, and the file's byte size:
// "logo.gif, 88x31, 2,5Kb".
[[nodiscard]] QString ImageAutoAlt(const QString& fullPath, ImageSize size, qint64 bytes,
                                   const QLocale& locale = QLocale());
// The same for the file on disk; nothing when no file is named or it has
// gone, since its length cannot be read then.
[[nodiscard]] std::optional<QString> ImageAutoAltFor(const QString& fullPath,
                                                     const QLocale& locale = QLocale());
