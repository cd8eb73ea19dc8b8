#include "core/html/image_size.h"

#include "core/files/file_io.h"

#include <QFile>

#include <new>
#include <optional>

namespace {

// Callers store each dimension in a signed 16-bit field, so anything larger
// counts as unknown.
constexpr int maxDimension = 32767;

// Byte access that never reads past the end: a short file simply lacks the
// bytes it was cut before.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : m_bytes(bytes) {}

    [[nodiscard]] qsizetype size() const { return m_bytes.size(); }

    [[nodiscard]] bool has(qsizetype offset, qsizetype count) const {
        return offset >= 0 && count >= 0 && offset <= size() - count;
    }

    [[nodiscard]] int at(qsizetype offset) const { return quint8(m_bytes.at(offset)); }

    [[nodiscard]] std::optional<quint32> bigEndian(qsizetype offset, qsizetype count) const {
        if (!has(offset, count))
            return std::nullopt;
        quint32 value = 0;
        for (qsizetype i = 0; i < count; ++i)
            value = (value << 8) | quint32(at(offset + i));
        return value;
    }

    [[nodiscard]] std::optional<quint32> littleEndian16(qsizetype offset) const {
        if (!has(offset, 2))
            return std::nullopt;
        return quint32(at(offset) | (at(offset + 1) << 8));
    }

    [[nodiscard]] bool startsWith(const char* signature, qsizetype count) const {
        return has(0, count) && m_bytes.first(count) == QByteArray(signature, count);
    }

private:
    const QByteArray& m_bytes;
};

[[nodiscard]] int Dimension(std::optional<quint32> value) {
    return value && *value <= maxDimension ? int(*value) : 0;
}

// The IHDR chunk's width and height, big-endian 32-bit values.
[[nodiscard]] ImageSize PngSize(const ByteReader& in) {
    return {Dimension(in.bigEndian(16, 4)), Dimension(in.bigEndian(20, 4))};
}

// The logical screen size, little-endian 16-bit values.
[[nodiscard]] ImageSize GifSize(const ByteReader& in) {
    return {Dimension(in.littleEndian16(6)), Dimension(in.littleEndian16(8))};
}

[[nodiscard]] bool IsFrameMarker(int code) {
    return code >= 0xC0 && code <= 0xC3;
}

// The offset of the next marker code at or after `from`, passing over any
// fill bytes before it; nullopt when the bytes end first.
[[nodiscard]] std::optional<qsizetype> NextMarker(const ByteReader& in, qsizetype from) {
    for (qsizetype q = from; in.has(q, 2); ++q) {
        if (in.at(q) == 0xFF && in.at(q + 1) != 0xFF)
            return q + 1;
    }
    return std::nullopt;
}

// Walks the marker segments up to the first frame header, each skipped by
// its length.
[[nodiscard]] ImageSize JpegSize(const ByteReader& in) {
    qsizetype q = 2;
    while (const std::optional<qsizetype> marker = NextMarker(in, q)) {
        const qsizetype code = *marker;
        if (IsFrameMarker(in.at(code))) {
            // Length (2 bytes) and sample precision (1 byte) come first.
            return {Dimension(in.bigEndian(code + 6, 2)), Dimension(in.bigEndian(code + 4, 2))};
        }
        const std::optional<quint32> length = in.bigEndian(code + 1, 2);
        // The length counts its own two bytes: less is a damaged file whose
        // walk would go nowhere.
        if (!length || *length < 2)
            break;
        q = code + qsizetype(*length) + 1;
    }
    return {};
}

} // namespace

ImageSize GetImageSize(const QByteArray& bytes) {
    const ByteReader in(bytes);
    if (in.startsWith("\x89PNG", 4))
        return PngSize(in);
    if (in.startsWith("GIF8", 4))
        return GifSize(in);
    if (in.startsWith("\xFF\xD8\xFF", 3))
        return JpegSize(in);
    return {};
}

ImageSize GetImageSize(const QString& path) {
    // Regular files only: a pipe or device could block or never end.
    QFile file;
    if (OpenRegularFile(file, path) != FileReadFailure::None)
        return {};
    const qint64 size = file.size();
    if (size <= 0)
        return {};
    // Mapping spares reading a large file whole when only its head is wanted.
    if (const uchar* data = file.map(0, size)) {
        const QByteArray view =
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
        return GetImageSize(view);
    }
    // A picture too large to hold has a size the program cannot use anyway.
    try {
        return GetImageSize(file.read(size));
    } catch (const std::bad_alloc&) {
        return {};
    }
}
