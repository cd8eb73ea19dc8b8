#include "core/html/html_image_tag.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ImageTagValues everyBoxTicked() {
    ImageTagValues v;
    v.address = u"img/a.png"_s;
    v.altChecked = v.alignChecked = v.sizeChecked = v.spaceChecked = v.borderChecked = true;
    v.lowSrcChecked = v.useMapChecked = true;
    v.widthLabel = u"640"_s;
    v.heightLabel = u"480"_s;
    v.vspaceLabel = u"5"_s;
    v.hspaceLabel = u"7"_s;
    v.borderLabel = u"  2"_s;
    return v;
}

TEST(HtmlImageTag, TickedAttributesFollowInTheirFixedOrder) {
    struct Case {
        const char* name;
        ImageTagValues values;
        QString attributes;
    };
    ImageTagValues initial;
    initial.address = u"a.png"_s;
    ImageTagValues sizeOnly = initial;
    sizeOnly.sizeChecked = true;
    ImageTagValues quoted = initial;
    quoted.altChecked = true;
    quoted.alt = u"a \"b\""_s;
    const Case cases[] = {
        {"initial", initial, u"SRC=\"a.png\""_s},
        {"size at start", sizeOnly, u"SRC=\"a.png\" WIDTH=\"10%\" HEIGHT=\"10%\""_s},
        {"quote copied", quoted, u"SRC=\"a.png\" ALT=\"a \"b\"\""_s},
        {"every box", everyBoxTicked(),
         u"SRC=\"img/a.png\" ALT=\"Obrázek\" ALIGN=\"left\" WIDTH=\"640\" HEIGHT=\"480\" "
         u"VSPACE=\"5\" HSPACE=\"7\" BORDER=\"2\" LOWSRC=\"path/file.jpg\" USEMAP=\"#mapa\""_s},
        {"no address", ImageTagValues{}, u"SRC=\"\""_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ImageTagAttributes(c.values), c.attributes) << c.name;
        EXPECT_EQ(ImageTag(c.values), u"<IMG "_s + c.attributes + u'>') << c.name;
    }
}

TEST(HtmlImageTag, AlignmentIsWrittenInLowerCase) {
    const std::pair<ImageAlign, QString> cases[] = {
        {ImageAlign::Top, u"top"_s},       {ImageAlign::Middle, u"middle"_s},
        {ImageAlign::Bottom, u"bottom"_s}, {ImageAlign::Left, u"left"_s},
        {ImageAlign::Right, u"right"_s},
    };
    for (const auto& [align, text] : cases) {
        ImageTagValues v;
        v.alignChecked = true;
        v.align = align;
        EXPECT_EQ(ImageTagAttributes(v), u"SRC=\"\" ALIGN=\""_s + text + u'"');
    }
}

TEST(HtmlImageTag, OnlyAKnownSizeBelow32000PresetsTheBars) {
    const std::pair<ImageSize, bool> cases[] = {
        {{640, 480}, true}, {{31999, 1}, true},   {{0, 480}, false},
        {{640, 0}, false},  {{32000, 10}, false}, {{10, 32767}, false},
    };
    for (const auto& [size, presets] : cases)
        EXPECT_EQ(CanPresetImageSize(size), presets) << size.width << "x" << size.height;
}

TEST(HtmlImageTag, AutoAltNamesTheFileItsPixelsAndItsBytes) {
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    struct Case {
        QString path;
        ImageSize size;
        qint64 bytes;
        QString alt;
    };
    const Case cases[] = {
        {u"/web/Img/Logo.GIF"_s, {88, 31}, 1100, u"logo.gif, 88x31, 1,07Kb"_s},
        {u"/web/pic.bmp"_s, {0, 0}, 500, u"pic.bmp, 500b"_s},
        {u"/web/wide.png"_s, {0, 300}, 500, u"wide.png, 500b"_s},
        // The size text of a dimension the bars refuse still appears here.
        {u"/web/big.png"_s, {32500, 2}, 1024, u"big.png, 32500x2, 1Kb"_s},
        {u"Bare.JPG"_s, {1, 1}, 0, u"bare.jpg, 1x1, 0b"_s},
        // Lengths past 32 bits are kept whole.
        {u"/web/huge.png"_s, {10, 10}, 5'000'000'000, u"huge.png, 10x10, 4,66Gb"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ImageAutoAlt(c.path, c.size, c.bytes, czech), c.alt) << c.path.toStdString();
}

TEST(HtmlImageTag, AutoAltOfAFileOnDiskNeedsTheFileToBeThere) {
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Logo.GIF"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("GIF89a\x58\x00\x1f\x00", 10));
    file.close();

    EXPECT_EQ(ImageAutoAltFor(path, czech), u"logo.gif, 88x31, 10b"_s);
    EXPECT_EQ(ImageAutoAltFor(QString(), czech), std::nullopt);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(ImageAutoAltFor(path, czech), std::nullopt);
}

} // namespace
