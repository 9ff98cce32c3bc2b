#include "core/ConsoleLog.h"
#include "SecondRun.h"
#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("PlayerLinkTests"));
    // The diagnostic lines would drown the test report; tests that check
    // them capture them.
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
