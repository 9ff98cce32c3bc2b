#include "ConsoleLog.h"
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
    ScopedHome home;
    return RUN_ALL_TESTS();
}
