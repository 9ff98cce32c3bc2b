#include "core/ConsoleLog.h"
#include "TestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

// For widget tests: a QApplication on the offscreen platform.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PlayerLinkWidgetTests"));
    ConsoleLog::setSink([](const QString&) {});
    int result = 0;
    {
        ScopedHome home;
        result = RUN_ALL_TESTS();
    }
    return result;
}
