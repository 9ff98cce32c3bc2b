#include "core/ConsoleLog.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(ConsoleLog, OutsideTextIsEscapedAndCutShortButTheFormatIsKept)
{
    ConsoleCapture log;
    ConsoleLog::log(QStringLiteral("reply:\n%@ (%d)"),
                    QStringLiteral("\x1b[2J\r\n2030-01-01 00:00:00 PlayerLink[1] forged\t\u2028\u202e\u0085"), 7);
    ConsoleLog::log(QStringLiteral("long %@"), QString(100000, u'x'));
    ConsoleLog::log(QStringLiteral("char %C"), QChar(0x1b));
    ASSERT_EQ(log.lines.size(), 3);
    EXPECT_EQ(log.lines[0], QStringLiteral("reply:\n\\x1b[2J\\r\\n2030-01-01 00:00:00 PlayerLink[1] forged\\t\\u2028"
                                           "\\u202e\\u0085 (7)"));
    EXPECT_LT(log.lines[1].size(), 400);
    EXPECT_TRUE(log.lines[1].endsWith(QStringLiteral("(100000 characters)")));
    EXPECT_FALSE(log.lines[2].contains(QChar(0x1b)));
}

TEST(ConsoleLog, AFormatThatFloodsIsCutToAFewLinesAndASummaryAMinute)
{
    ManualClock clock;
    ConsoleCapture log;
    const QString flood = QStringLiteral("%@ : %@");
    auto floodFor = [&](int seconds) { // a hundred lines a second, each of another text
        for (int i = 0; i < seconds * 100; ++i) {
            ConsoleLog::log(flood, QString::number(i), QStringLiteral("Codec"));
            clock.advance(0.01);
        }
    };
    floodFor(20);
    ConsoleLog::log(QStringLiteral("other %@"), QStringLiteral("format"));
    ASSERT_EQ(log.lines.size(), 11) << "the first lines of the flood, and the other format";
    EXPECT_EQ(log.lines.last(), QStringLiteral("other format"));

    floodFor(100); // a minute after the last line written: one summary
    ASSERT_EQ(log.lines.size(), 12);
    EXPECT_TRUE(log.lines.last().startsWith(QStringLiteral("log: ")));
    EXPECT_TRUE(log.lines.last().contains(QStringLiteral("lines of the form \"%@ : %@\" were left out")));

    // Quiet for a minute: the rest is counted, and lines flow again.
    clock.advance(60);
    ConsoleLog::log(flood, QStringLiteral("after"), QStringLiteral("Codec"));
    ASSERT_EQ(log.lines.size(), 14);
    EXPECT_TRUE(log.lines[12].startsWith(QStringLiteral("log: ")));
    EXPECT_EQ(log.lines[13], QStringLiteral("after : Codec"));
    int counted = 0;
    for (const QString& line : log.lines.mid(11, 2))
        counted += line.section(u' ', 1, 1).toInt();
    EXPECT_EQ(counted + 11, 12001) << "every line is either written or counted";
}
