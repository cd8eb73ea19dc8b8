#pragma once

// Window geometry is given in twips: 15 twips are one pixel (at 96 dpi; Qt
// scales the pixels for other screens itself).
inline constexpr int TwipsPerPixel = 15;

// Rounded to the nearest pixel, halves cannot occur since 15 is odd.
[[nodiscard]] constexpr int TwipsToPixels(int twips) {
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

[[nodiscard]] constexpr int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}
