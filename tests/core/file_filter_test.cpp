#include "core/file_filter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct FilterCase {
    const char* name;
    QString filter;
    QStringList expected;
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.name;
}

class FileFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, ConvertsToQtNameFilters) {
    EXPECT_EQ(QtNameFilters(GetParam().filter), GetParam().expected);
}

const FilterCase kCases[] = {
    {"SinglePairGivesOneFilter",
     u"jen text (*.txt)|*.txt"_s,
     {u"jen text (*.txt) (*.txt *.TXT)"_s}},
    {"EveryFileMatchesNamesWithoutDot", u"Všechno (*.*)|*.*"_s, {u"Všechno (*.*) (*)"_s}},
    {"SemicolonPatternsBecomeSpaceSeparated",
     u"Obrázky|*.gif;*.jpg"_s,
     {u"Obrázky (*.gif *.GIF *.jpg *.JPG)"_s}},
    {"UpperCaseFormNotRepeated", u"Html|*.HTM;*.htm"_s, {u"Html (*.HTM *.htm)"_s}},
    {"PatternWithoutLettersGetsNoCopy", u"Cokoli|*"_s, {u"Cokoli (*)"_s}},
    {"MixedCasePatternGetsUpperCase", u"Text|*.Txt"_s, {u"Text (*.Txt *.TXT)"_s}},
    {"EmptyFilterGivesNoFilters", QString(), {}},
    {"TrailingDescriptionDropped", u"Text|*.txt|Bez vzoru"_s, {u"Text (*.txt *.TXT)"_s}},
    {"EmptyPatternsDropped", u"Text|*.txt; ;|Nic|;"_s, {u"Text (*.txt *.TXT)"_s}},
    {"PatternsTrimmed", u"Dvě| *.a ; *.b "_s, {u"Dvě (*.a *.A *.b *.B)"_s}},
};

INSTANTIATE_TEST_SUITE_P(FileFilter, FileFilterTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileFilter, NinePairFilterGivesNineEntriesInOrder) {
    const QString filter =
        u"Všechno (*.*)|*.*|jen text (*.txt)|*.txt|dávky (*.bat)|*.bat|Html dokument "
        "(*.html)|*.html|htm dokument (*.htm)|*.htm|ini soubor (*.ini)|*.ini|Php stránky "
        "(*.php)|*.php|Php3 stránky (*.php3)|*.php3|Include soubory (*.inc)|*.inc"_s;
    const QStringList expected = {
        u"Všechno (*.*) (*)"_s,
        u"jen text (*.txt) (*.txt *.TXT)"_s,
        u"dávky (*.bat) (*.bat *.BAT)"_s,
        u"Html dokument (*.html) (*.html *.HTML)"_s,
        u"htm dokument (*.htm) (*.htm *.HTM)"_s,
        u"ini soubor (*.ini) (*.ini *.INI)"_s,
        u"Php stránky (*.php) (*.php *.PHP)"_s,
        u"Php3 stránky (*.php3) (*.php3 *.PHP3)"_s,
        u"Include soubory (*.inc) (*.inc *.INC)"_s,
    };
    EXPECT_EQ(QtNameFilters(filter), expected);
}

} // namespace
