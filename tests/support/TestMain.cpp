#include "core/ConsoleLog.h"
#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("PlayerLinkTests"));
    // The diagnostic lines would drown the test report; tests that check
    // them capture them.
    ConsoleLog::setSink([](const QString&) {});
    int result = 0;
    {
        ScopedHome home;
        result = RUN_ALL_TESTS();
    }
    return result;
}
