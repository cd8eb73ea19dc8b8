#include "core/text/program_error.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ErrorReport, EmptyExtraLeavesSevenLinesEndingInALineBreak) {
    const ProgramError error(75, u"Path/File access error"_s, u"Uložit"_s);
    EXPECT_EQ(ErrorReportText(error, QString()), u"Vyskytla se chyba:\r\n"
                                                 u"Kód: 75\r\n"
                                                 u"Popis: Path/File access error\r\n"
                                                 u"Zdroj: Uložit\r\n"
                                                 u"\r\n"
                                                 u"Akce byla přerušena.\r\n"_s);
}

TEST(ErrorReport, ExtraTextIsTheLastLineAndTextsAppearAsGiven) {
    const ProgramError error(-2147024891, u"Přístup odepřen: „soubor“"_s, u"Šifrování"_s);
    EXPECT_EQ(ErrorReportText(error, u"Zkuste to znovu."_s), u"Vyskytla se chyba:\r\n"
                                                             u"Kód: -2147024891\r\n"
                                                             u"Popis: Přístup odepřen: „soubor“\r\n"
                                                             u"Zdroj: Šifrování\r\n"
                                                             u"\r\n"
                                                             u"Akce byla přerušena.\r\n"
                                                             u"Zkuste to znovu."_s);
}

TEST(ProgramError, FileErrorIsAFileAccessErrorCarryingItsTexts) {
    try {
        throw FileError(u"Soubor nelze zapsat"_s, u"/tmp/a.txt"_s);
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.number, 75);
        EXPECT_EQ(error.description, u"Soubor nelze zapsat"_s);
        EXPECT_EQ(error.source, u"/tmp/a.txt"_s);
        return;
    }
    FAIL() << "FileError was not thrown as a ProgramError";
}
