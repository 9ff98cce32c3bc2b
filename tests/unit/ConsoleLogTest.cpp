#include "core/ConsoleLog.h"
#include "core/DiagnosticLog.h"
#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ConsoleLog, OutsideTextIsEscapedAndCutShortButTheFormatIsKept)
{
    ConsoleCapture log;
    ConsoleLog::log(logCore, QStringLiteral("reply:\n%@ (%d)"),
                    QStringLiteral("\x1b[2J\r\n2030-01-01 00:00:00 PlayerLink[1] forged\t\u2028\u202e\u0085"), 7);
    ConsoleLog::log(logCore, QStringLiteral("long %@"), QString(100000, u'x'));
    ConsoleLog::log(logCore, QStringLiteral("char %C"), QChar(0x1b));
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
            ConsoleLog::log(logCore, flood, QString::number(i), QStringLiteral("Codec"));
            clock.advance(0.01);
        }
    };
    floodFor(20);
    ConsoleLog::log(logCore, QStringLiteral("other %@"), QStringLiteral("format"));
    ASSERT_EQ(log.lines.size(), 11) << "the first lines of the flood, and the other format";
    EXPECT_EQ(log.lines.last(), QStringLiteral("other format"));

    floodFor(100); // a minute after the last line written: one summary
    ASSERT_EQ(log.lines.size(), 12);
    EXPECT_TRUE(log.lines.last().startsWith(QStringLiteral("log: ")));
    EXPECT_TRUE(log.lines.last().contains(QStringLiteral("lines of the form \"%@ : %@\" were left out")));

    // Quiet for a minute: the rest is counted, and lines flow again.
    clock.advance(60);
    ConsoleLog::log(logCore, flood, QStringLiteral("after"), QStringLiteral("Codec"));
    ASSERT_EQ(log.lines.size(), 14);
    EXPECT_TRUE(log.lines[12].startsWith(QStringLiteral("log: ")));
    EXPECT_EQ(log.lines[13], QStringLiteral("after : Codec"));
    int counted = 0;
    for (const QString& line : log.lines.mid(11, 2))
        counted += line.section(u' ', 1, 1).toInt();
    EXPECT_EQ(counted + 11, 12001) << "every line is either written or counted";
}

TEST(ConsoleLog, ALayerSwitchedOffByTheLoggingRulesWritesNothingWhileTheOthersStillDo)
{
    ConsoleCapture log;
    QLoggingCategory::setFilterRules(QStringLiteral("playerlink.net.info=false"));
    ConsoleLog::log(logNet, QStringLiteral("net %@"), QStringLiteral("line"));
    ConsoleLog::log(logVlc, QStringLiteral("vlc %@"), QStringLiteral("line"));
    QLoggingCategory::setFilterRules(QString());
    ConsoleLog::log(logNet, QStringLiteral("net %@"), QStringLiteral("again"));
    EXPECT_EQ(log.lines, QStringList({ QStringLiteral("vlc line"), QStringLiteral("net again") }));
}

TEST(DiagnosticLog, TakesOutsideTextAsEscapedLinesAFewAMinuteUpToItsCapInTheOwnersFile)
{
    ManualClock clock;
    ScopedHome home;
    DiagnosticLog::append(QStringLiteral("before the file"));
    EXPECT_FALSE(QFile::exists(DiagnosticLog::path())) << "only made at launch";
    DiagnosticLog::create();
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
        | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(DiagnosticLog::path()).permissions() & others);

    const QString forged = QStringLiteral("\x1b[2J reply %1\n2030-01-01T00:00:00 forged ") + QString(5000, u'x');
    for (int i = 0; i < 5000; ++i, clock.advance(0.004)) // 20 seconds of it
        DiagnosticLog::append(forged.arg(i));
    QFile file(DiagnosticLog::path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count('\n'), 10);
    EXPECT_FALSE(text.contains('\x1b'));
    EXPECT_TRUE(text.contains("\\x1b[2J reply 0\\n2030-01-01T00:00:00 forged xxx"));
    EXPECT_LT(text.size(), 25000);
    // Hours of it, a few lines a minute: the file stops at its cap.
    for (int minute = 0; minute < 200; ++minute, clock.advance(61))
        for (int i = 0; i < 10; ++i)
            DiagnosticLog::append(forged.arg(i));
    EXPECT_LT(file.size(), DiagnosticLog::maxFileBytes + 4096);
}
