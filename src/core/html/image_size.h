#pragma once

#include <QByteArray>
#include <QString>

// A picture's size in pixels, read from a few header bytes without decoding
// the picture. 0 in a member means that dimension is unknown.
struct ImageSize {
    int width = 0;
    int height = 0;

    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

// The size of a PNG, GIF or JPEG picture held in the bytes. Dimensions are
// reported from 1 to 32767; a larger one, one the bytes end before, and every
// dimension of any other kind of file give 0. A JPEG gives its size only from
// a baseline, extended, progressive or lossless frame header (markers C0 to
// C3).
[[nodiscard]] ImageSize GetImageSize(const QByteArray& bytes);

// The same for a file; a missing or unreadable file gives (0, 0).
[[nodiscard]] ImageSize GetImageSize(const QString& path);
