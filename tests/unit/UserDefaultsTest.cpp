#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(UserDefaults, RegisteredDefaultsAnswerUntilWritten)
{
    ScopedHome home;
    UserDefaults& defaults = UserDefaults::standard();
    EXPECT_TRUE(defaults.boolForKey(PreferenceKeys::autoScan));
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skin), QStringLiteral("PlayerLink.app/DefaultSkin"));
    EXPECT_EQ(defaults.integerForKey(PreferenceKeys::skipDistance), 30);
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skipDistanceWord), QStringLiteral("30 Seconds"));
    EXPECT_FALSE(defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles));
    // Keys without a default read as false, 0 or none.
    EXPECT_FALSE(defaults.boolForKey(PreferenceKeys::doubleVol));
    EXPECT_EQ(defaults.integerForKey(PreferenceKeys::slideScreenPosition), 0);
    EXPECT_FALSE(defaults.objectForKey(PreferenceKeys::newsMostRecentReadItem).isValid());

    defaults.setInteger(PreferenceKeys::skipDistance, 10);
    defaults.setBool(PreferenceKeys::autoScan, false);
    EXPECT_EQ(defaults.integerForKey(PreferenceKeys::skipDistance), 10);
    EXPECT_TRUE(defaults.toggleBoolForKey(PreferenceKeys::autoScan));
    EXPECT_FALSE(defaults.toggleBoolForKey(PreferenceKeys::autoScan));
}

TEST(UserDefaults, ValuesSurviveARestart)
{
    ScopedHome home;
    UserDefaults::standard().setBool(PreferenceKeys::doubleVol, true);
    UserDefaults::standard().setObject(PreferenceKeys::skin, QStringLiteral("Documents/Skins/Night"));
    UserDefaults::resetStandard();
    UserDefaults& reopened = UserDefaults::standard();
    reopened.registerDefaults(PreferenceKeys::registeredDefaults());
    EXPECT_TRUE(reopened.boolForKey(PreferenceKeys::doubleVol));
    EXPECT_EQ(reopened.stringForKey(PreferenceKeys::skin), QStringLiteral("Documents/Skins/Night"));
    reopened.removeObject(PreferenceKeys::skin);
    EXPECT_EQ(reopened.stringForKey(PreferenceKeys::skin), QStringLiteral("PlayerLink.app/DefaultSkin"));
}
