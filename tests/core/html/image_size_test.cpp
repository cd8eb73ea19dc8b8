#include "core/html/image_size.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Found by lookup next to ImageSize, so failures print the pair.
void PrintTo(const ImageSize& size, std::ostream* os);
void PrintTo(const ImageSize& size, std::ostream* os) {
    *os << "(" << size.width << ", " << size.height << ")";
}

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values)
        bytes.append(char(value));
    return bytes;
}

QByteArray Png(quint32 width, quint32 height) {
    QByteArray bytes = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13});
    bytes.append("IHDR");
    for (const quint32 value : {width, height}) {
        for (const int shift : {24, 16, 8, 0})
            bytes.append(char((value >> shift) & 0xFF));
    }
    return bytes + Bytes({8, 6, 0, 0, 0});
}

QByteArray Gif(int width, int height) {
    return QByteArray("GIF89a") +
           Bytes({width & 0xFF, width >> 8, height & 0xFF, height >> 8, 0xF0, 0, 0});
}

// A segment: marker, big-endian length counting itself, then the data.
QByteArray Segment(int marker, const QByteArray& data) {
    const int length = int(data.size()) + 2;
    return Bytes({0xFF, marker, length >> 8, length & 0xFF}) + data;
}

QByteArray Frame(int marker, int width, int height) {
    return Segment(marker, Bytes({8, height >> 8, height & 0xFF, width >> 8, width & 0xFF, 3}));
}

QByteArray Jpeg(const QByteArray& segments) {
    return Bytes({0xFF, 0xD8}) + segments + Bytes({0xFF, 0xD9});
}

const QByteArray app0 = Segment(0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14));

struct SizeCase {
    const char* name;
    QByteArray bytes;
    ImageSize expected;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class ImageSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ImageSizeTest, ReadsHeaderSize) {
    EXPECT_EQ(GetImageSize(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ImageSizeTest,
    ::testing::Values(
        SizeCase{"Png", Png(640, 480), {640, 480}}, SizeCase{"Gif", Gif(1, 1), {1, 1}},
        SizeCase{
            "Baseline", Jpeg(app0 + Segment(0xE1, "Exif") + Frame(0xC0, 800, 600)), {800, 600}},
        SizeCase{"Progressive", Jpeg(app0 + Frame(0xC2, 3, 2)), {3, 2}},
        SizeCase{"HuffmanTableBeforeProgressive",
                 Jpeg(Segment(0xC4, QByteArray(30, '\x01')) + Frame(0xC2, 7, 9)),
                 {7, 9}},
        SizeCase{"Lossless", Jpeg(Frame(0xC3, 17, 9)), {17, 9}},
        SizeCase{"FillBytesBeforeMarker",
                 Jpeg(app0 + Bytes({0xFF, 0xFF, 0xFF}) + Frame(0xC1, 5, 7)),
                 {5, 7}},
        SizeCase{"LongAppSegmentSkipped",
                 Jpeg(Segment(0xE1, QByteArray(40000, '\xC0')) + Frame(0xC0, 10, 20)),
                 {10, 20}},
        SizeCase{"ArithmeticFrameHasNoSize", Jpeg(app0 + Frame(0xC9, 10, 20)), {0, 0}},
        SizeCase{"Dimension32767Kept", Png(32767, 1), {32767, 1}},
        SizeCase{"Dimension32768Unknown", Png(40000, 300), {0, 300}},
        SizeCase{"PngDimension65536NotWrapped", Png(65536 + 5, 65536 * 2), {0, 0}},
        SizeCase{"GifHighByteUnknown", Gif(100, 0x8001), {100, 0}},
        SizeCase{"JpegHighByteUnknown", Jpeg(Frame(0xC0, 0x9000, 12)), {0, 12}},
        SizeCase{"ZeroLengthSegmentEndsWalk",
                 Jpeg(Bytes({0xFF, 0xE0, 0, 0}) + Frame(0xC0, 10, 20)),
                 {0, 0}},
        SizeCase{"LengthOneSegmentEndsWalk",
                 Jpeg(Bytes({0xFF, 0xE0, 0, 1, 0xFF}) + Frame(0xC0, 10, 20)),
                 {0, 0}},
        SizeCase{"Bmp",
                 Bytes({'B', 'M', 0x36, 0, 0, 0,  0, 0, 0, 0,  0x36, 0, 0,
                        0,   40,  0,    0, 0, 10, 0, 0, 0, 20, 0,    0, 0}),
                 {0, 0}},
        SizeCase{"TextNamedLikeAPicture", "Toto je jen text, žádný obrázek.", {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Every cut of a picture must give a defined size: 0 for each dimension whose
// bytes are missing, never a value read from past the end.
TEST(ImageSize, TruncatedFilesGiveOnlyWhatTheyHold) {
    const struct {
        QByteArray whole;
        qsizetype widthEnd;
        qsizetype heightEnd;
        ImageSize size;
    } pictures[] = {
        {Png(640, 480), 20, 24, {640, 480}},
        {Gif(300, 200), 8, 10, {300, 200}},
        // The frame header begins at 2 + 18 (APP0), its marker code at 21.
        {Jpeg(app0 + Frame(0xC0, 800, 600)), 29, 27, {800, 600}},
    };
    for (const auto& picture : pictures) {
        for (qsizetype length = 0; length <= picture.whole.size(); ++length) {
            // A detached copy, so a read past its end is a real overrun.
            const QByteArray cut(picture.whole.constData(), length);
            const ImageSize expected{length >= picture.widthEnd ? picture.size.width : 0,
                                     length >= picture.heightEnd ? picture.size.height : 0};
            EXPECT_EQ(GetImageSize(cut), expected) << "length " << length;
        }
    }
}

TEST(ImageSize, ReadsFilesAndAbsorbsFailures) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString picture = dir.filePath(QStringLiteral("obrázek.jpg"));
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Jpeg(app0 + Frame(0xC2, 1024, 768)));
    file.close();
    const QString empty = dir.filePath(QStringLiteral("prázdný.png"));
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));

    EXPECT_EQ(GetImageSize(picture), (ImageSize{1024, 768}));
    EXPECT_EQ(GetImageSize(empty), ImageSize{});
    EXPECT_EQ(GetImageSize(dir.filePath(QStringLiteral("chybí.gif"))), ImageSize{});
    EXPECT_EQ(GetImageSize(dir.path()), ImageSize{});
}

} // namespace
