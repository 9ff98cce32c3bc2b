#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "SecondRun.h"
#include "TestSupport.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// For tests that draw without widgets (Qt Quick among them): a
// QGuiApplication on the offscreen platform, or on the one
// PLAYERLINK_TEST_PLATFORM names (a test that needs a real window on a
// display of its own), with the preferences' defaults registered as the
// programs register them.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QByteArray platform = qgetenv("PLAYERLINK_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("PlayerLinkGuiTests"));
    // The Qt Quick controls in the look playerlink gives them.
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    ConsoleLog::setSink([](const QString&) {});
    int result = 0;
    {
        ScopedHome home;
        UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
        result = RUN_ALL_TESTS();
    }
    return result;
}
