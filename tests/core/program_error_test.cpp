#include "core/program_error.h"

#include <QStringList>

#include <gtest/gtest.h>

TEST(ErrorReport, EmptyExtraLeavesSevenLinesEndingInALineBreak) {
    const ProgramError error(75, QStringLiteral("Path/File access error"),
                             QStringLiteral("Uložit"));
    EXPECT_EQ(ErrorReportText(error, QString()), QStringLiteral("Vyskytla se chyba:\r\n"
                                                                "Kód: 75\r\n"
                                                                "Popis: Path/File access error\r\n"
                                                                "Zdroj: Uložit\r\n"
                                                                "\r\n"
                                                                "Akce byla přerušena.\r\n"));
    EXPECT_EQ(ErrorReportTitle, QStringLiteral("Chyba"));
}

TEST(ErrorReport, ExtraTextIsTheLastLine) {
    const ProgramError error(5, QStringLiteral("Invalid procedure call"), QStringLiteral("Tarvel"));
    const QStringList lines =
        ErrorReportText(error, QStringLiteral("Navigace")).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[5], QStringLiteral("Akce byla přerušena."));
    EXPECT_EQ(lines[6], QStringLiteral("Navigace"));
}

TEST(ErrorReport, NegativeNumberAndCzechTextsAppearAsGiven) {
    const ProgramError error(-2147024891, QStringLiteral("Přístup odepřen: „soubor“"),
                             QStringLiteral("Šifrování"));
    EXPECT_EQ(ErrorReportText(error, QStringLiteral("Zkuste to znovu.")),
              QStringLiteral("Vyskytla se chyba:\r\n"
                             "Kód: -2147024891\r\n"
                             "Popis: Přístup odepřen: „soubor“\r\n"
                             "Zdroj: Šifrování\r\n"
                             "\r\n"
                             "Akce byla přerušena.\r\n"
                             "Zkuste to znovu."));
}

TEST(ProgramError, FileErrorIsAFileAccessErrorCarryingItsTexts) {
    try {
        throw FileError(QStringLiteral("Soubor nelze zapsat"), QStringLiteral("/tmp/a.txt"));
    } catch (const ProgramError& error) {
        EXPECT_EQ(error.number, 75);
        EXPECT_EQ(error.description, QStringLiteral("Soubor nelze zapsat"));
        EXPECT_EQ(error.source, QStringLiteral("/tmp/a.txt"));
        return;
    }
    FAIL() << "FileError was not thrown as a ProgramError";
}
