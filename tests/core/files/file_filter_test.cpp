#include "core/files/file_filter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FileFilter, ConvertsToQtNameFilters) {
    const struct {
        const char* name;
        QString filter;
        QStringList expected;
    } cases[] = {
        {"single pair", u"jen text (*.txt)|*.txt"_s, {u"jen text (*.txt) (*.txt *.TXT)"_s}},
        {"every file matches names without a dot",
         u"Všechno (*.*)|*.*"_s,
         {u"Všechno (*.*) (*)"_s}},
        {"semicolons become spaces",
         u"Obrázky|*.gif;*.jpg"_s,
         {u"Obrázky (*.gif *.GIF *.jpg *.JPG)"_s}},
        {"upper case not repeated", u"Html|*.HTM;*.htm"_s, {u"Html (*.HTM *.htm)"_s}},
        {"no letters, no copy", u"Cokoli|*"_s, {u"Cokoli (*)"_s}},
        {"mixed case gets upper case", u"Text|*.Txt"_s, {u"Text (*.Txt *.TXT)"_s}},
        {"empty filter", QString(), {}},
        {"trailing description dropped", u"Text|*.txt|Bez vzoru"_s, {u"Text (*.txt *.TXT)"_s}},
        {"empty patterns dropped", u"Text|*.txt; ;|Nic|;"_s, {u"Text (*.txt *.TXT)"_s}},
        {"patterns trimmed", u"Dvě| *.a ; *.b "_s, {u"Dvě (*.a *.A *.b *.B)"_s}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtNameFilters(c.filter), c.expected) << c.name;
}

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
