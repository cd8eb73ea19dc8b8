#include "core/html/file_picker_address.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace {

const QString appFolder = u"/opt/tarvel/"_s;

struct ChoiceCase {
    const char* name;
    QString documentPath;
    QString fullPath;
    QString relativeText;
    QString relativeAddress;
    QString absoluteAddress;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) {
    *os << c.name;
}

class FilePickerChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

// A choice shows the relative form first; unticking shows the full path and
// ticking again restores the relative form.
TEST_P(FilePickerChoiceTest, ShowsAndAddressesBothForms) {
    const ChoiceCase& c = GetParam();
    FilePickerState picker;
    picker.choose(c.fullPath, c.documentPath, appFolder);
    EXPECT_EQ(picker.fullPath(), c.fullPath);
    EXPECT_EQ(picker.pathText(), c.relativeText);
    EXPECT_EQ(picker.address(), c.relativeAddress);

    picker.setRelative(false, c.documentPath, appFolder);
    EXPECT_EQ(picker.pathText(), c.fullPath);
    EXPECT_EQ(picker.address(), c.absoluteAddress);

    picker.setRelative(true, c.documentPath, appFolder);
    EXPECT_EQ(picker.pathText(), c.relativeText);
    EXPECT_EQ(picker.address(), c.relativeAddress);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, FilePickerChoiceTest,
    ::testing::Values(
        ChoiceCase{"SameFolder", u"/home/eva/web/index.html"_s, u"/home/eva/web/logo.png"_s,
                   u"logo.png"_s, u"logo.png"_s, u"file:///home/eva/web/logo.png"_s},
        ChoiceCase{"FolderAbove", u"/home/eva/web/clanky/a.html"_s, u"/home/eva/web/styl.css"_s,
                   u"../styl.css"_s, u"../styl.css"_s, u"file:///home/eva/web/styl.css"_s},
        ChoiceCase{"UnsavedDocumentMeasuresFromProgram", QString(), u"/opt/tarvel/sablony/a.htm"_s,
                   u"sablony/a.htm"_s, u"sablony/a.htm"_s, u"file:///opt/tarvel/sablony/a.htm"_s},
        ChoiceCase{"NoCommonRootStaysAbsolute", u"/home/eva/web/index.html"_s,
                   u"/usr/share/pixmaps/x.png"_s, u"/usr/share/pixmaps/x.png"_s,
                   u"file:///usr/share/pixmaps/x.png"_s, u"file:///usr/share/pixmaps/x.png"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FilePicker, BeforeAnyChoiceTheAddressIsEmptyOrTheBareFileAddress) {
    FilePickerState picker;
    for (const bool relative : {false, true, false}) {
        picker.setRelative(relative, u"/home/eva/web/index.html"_s, appFolder);
        EXPECT_EQ(picker.pathText(), QString());
        EXPECT_EQ(picker.address(), relative ? QString() : u"file:///"_s);
        EXPECT_FALSE(picker.hasFile());
    }
}

TEST(FilePicker, CancelledChoiceKeepsTheLastFile) {
    FilePickerState picker;
    picker.choose(u"/home/eva/web/a.png"_s, u"/home/eva/web/index.html"_s, appFolder);
    picker.choose(QString(), u"/home/eva/index.html"_s, appFolder);
    EXPECT_EQ(picker.fullPath(), u"/home/eva/web/a.png"_s);
    EXPECT_EQ(picker.pathText(), u"a.png"_s);
}

// The shown path is measured when the file is chosen or the form switched,
// not when the document later moves.
TEST(FilePicker, RelativeFormFollowsDocumentAtTheClick) {
    FilePickerState picker;
    picker.setRelative(false, QString(), appFolder);
    picker.choose(u"/home/eva/web/a.png"_s, u"/home/eva/web/index.html"_s, appFolder);
    EXPECT_EQ(picker.pathText(), u"/home/eva/web/a.png"_s);
    picker.setRelative(true, u"/home/eva/web/clanky/b.html"_s, appFolder);
    EXPECT_EQ(picker.pathText(), u"../a.png"_s);
    EXPECT_EQ(picker.address(), u"../a.png"_s);
}

} // namespace
