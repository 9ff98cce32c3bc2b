#include "core/ConsoleLog.h"
#include "SecondRun.h"
#include "TestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

// For widget tests: a QApplication on the offscreen platform, or on the one
// PLAYERLINK_TEST_PLATFORM names (a test that needs a real window on a
// display of its own).
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QByteArray platform = qgetenv("PLAYERLINK_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PlayerLinkWidgetTests"));
    ConsoleLog::setSink([](const QString&) {});
    if (isSecondRun())
        std::printf("note: second run, of cases whose VLC died in the first\n");
    int result = 0;
    {
        ScopedHome home;
        result = RUN_ALL_TESTS();
    }
    if (isSecondRun())
        std::printf("note: second run %s\n", result == 0 ? "passed" : "failed too");
    return runAgainWhereVlcDied(result, argc, argv);
}
