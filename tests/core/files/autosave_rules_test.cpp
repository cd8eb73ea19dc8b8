#include "core/files/autosave_rules.h"

#include <QList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Morning(QDate(2026, 1, 5), QTime(7, 8, 9));
const QDateTime Evening(QDate(2025, 12, 31), QTime(23, 59, 58));

// The ticks (1-based) at which saves happen over count ticks with autosave on.
QList<int> SaveTicks(int minutes, int count, qint32 start = 0) {
    QList<int> saves;
    qint32 ticks = start;
    for (int tick = 1; tick <= count; ++tick) {
        const AutosaveStep step = AutosaveTick(ticks, true, minutes);
        ticks = step.ticks;
        if (step.save)
            saves << tick;
    }
    return saves;
}

TEST(TimedAutosaveTick, FirstSaveAtIntervalThenEveryIntervalLessOne) {
    EXPECT_EQ(SaveTicks(1, 200), (QList<int>{60, 119, 178}));
    EXPECT_EQ(SaveTicks(2, 400), (QList<int>{120, 239, 358}));
}

TEST(TimedAutosaveTick, CounterStandsStillWhileOffAndResumes) {
    const AutosaveStep off = AutosaveTick(42, false, 1);
    EXPECT_EQ(off.ticks, 42);
    EXPECT_FALSE(off.save);
    // 42 counted before switching off: 18 more ticks reach the minute.
    EXPECT_EQ(SaveTicks(1, 20, off.ticks), (QList<int>{18}));
}

TEST(TimedAutosaveTick, MinutesOutsideSliderRangeAreClamped) {
    const std::pair<int, int> cases[] = {{0, 60}, {-3, 60}, {7, 420}, {11, 600}};
    for (const auto& [minutes, seconds] : cases)
        EXPECT_EQ(AutosaveIntervalSeconds(minutes), seconds) << minutes;
}

TEST(TimedAutosaveFiles, FileNameOfEachMode) {
    const struct {
        AutosaveMode mode;
        QDateTime time;
        QString name;
    } cases[] = {
        {AutosaveMode::HeaderFile, Morning, u"auto.txt"_s},
        {AutosaveMode::PlainFile, Morning, u"auto.txt"_s},
        {AutosaveMode::DatedFile, Morning, u"01_05_2026_07_08_09.txt"_s},
        {AutosaveMode::DatedFile, Evening, u"12_31_2025_23_59_58.txt"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AutosaveFileName(c.mode, c.time), c.name) << c.time.toString().toStdString();
}

TEST(TimedAutosaveFiles, ModeNumbersMapAsTheDialogShowsThem) {
    EXPECT_EQ(AutosaveModeFromNumber(0), AutosaveMode::HeaderFile);
    EXPECT_EQ(AutosaveModeFromNumber(1), AutosaveMode::PlainFile);
    EXPECT_EQ(AutosaveModeFromNumber(2), AutosaveMode::DatedFile);
    EXPECT_EQ(AutosaveModeFromNumber(7), AutosaveMode::HeaderFile);
}

TEST(TimedAutosaveFiles, OnlyModeZeroWritesTheHeader) {
    EXPECT_EQ(AutosaveHeader(Evening, QString()),
              u"Datum/Date : 23:59:58 12-31-2025\r\nSoubor/File : \r\n--------------------\r\n"_s);
    const QString path = u"/home/jana/dopis.txt"_s;
    const QString text = u"řádek\r\nkonec"_s;
    EXPECT_EQ(AutosaveContent(AutosaveMode::HeaderFile, Morning, path, text),
              u"Datum/Date : 07:08:09 01-05-2026\r\nSoubor/File : /home/jana/dopis.txt\r\n"
              u"--------------------\r\nřádek\r\nkonec"_s);
    EXPECT_EQ(AutosaveContent(AutosaveMode::PlainFile, Morning, path, text), text);
    EXPECT_EQ(AutosaveContent(AutosaveMode::DatedFile, Morning, path, text), text);
}

} // namespace
