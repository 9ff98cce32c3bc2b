#include "net/BonjourBrowser.h"
#include "net/BonjourComputer.h"

#include <gtest/gtest.h>

#include <type_traits>

// Only the designated initialiser makes a run.
static_assert(!std::is_default_constructible_v<BonjourBrowser>);

namespace {
QString bestOf(std::initializer_list<const char*> names)
{
    BonjourComputer computer(QString(), QStringLiteral("10.0.0.1"), false);
    for (const char* name : names)
        computer.updateNameIfBetter(QString::fromUtf8(name));
    return computer.name();
}
}

TEST(BonjourComputer, KeepsTheMostReadableName)
{
    // Neither looks hexadecimal (the space, and letters after f), so the
    // shorter wins.
    EXPECT_EQ(bestOf({ "0123456789ab@Living Room", "Living Room" }), "Living Room");
    EXPECT_EQ(bestOf({ "Living Room", "0123456789ab@Living Room" }), "Living Room");
    // A serial number gives way to any readable name, whatever its length,
    EXPECT_EQ(bestOf({ "00112233AABB", "A much longer readable name" }), "A much longer readable name");
    // and never comes back, also when shorter (it would flap at every pass).
    EXPECT_EQ(bestOf({ "00112233AABB", "Living Room PC", "00112233AABB" }), "Living Room PC");
    EXPECT_EQ(bestOf({ "00112233AABBCC", "00:11:22" }), "00:11:22");
    // Three characters never replace a name, but are taken when first.
    EXPECT_EQ(bestOf({ "Living Room", "Bob" }), "Living Room");
    EXPECT_EQ(bestOf({ "Bob", "Living Room" }), "Bob");
    EXPECT_EQ(bestOf({ "Bob", "" }), "Bob");

    BonjourComputer computer(QStringLiteral("Den"), QStringLiteral("10.0.0.2"), true);
    EXPECT_FALSE(computer.updateNameIfBetter(QString()));
    EXPECT_FALSE(computer.updateNameIfBetter(QStringLiteral("Den")));
    EXPECT_EQ(computer.description(), "computer: Den 10.0.0.2");
}

TEST(BonjourComputer, HexadecimalMeansZeroToSmallF)
{
    EXPECT_TRUE(BonjourComputer::looksHexadecimal(QStringLiteral("00:1A:2B@3c")));
    EXPECT_TRUE(BonjourComputer::looksHexadecimal(QStringLiteral("XYZ_`abcdef"))); // all between '0' and 'f'
    EXPECT_FALSE(BonjourComputer::looksHexadecimal(QStringLiteral("0123456789ab@Living Room")));
    EXPECT_FALSE(BonjourComputer::looksHexadecimal(QStringLiteral("g")));
    EXPECT_FALSE(BonjourComputer::looksHexadecimal(QString()));
}

TEST(BonjourBrowser, BrowsesEachEnumeratedTypeInItsDomain)
{
    const auto local = BonjourBrowser::browseTargetForServiceType(QStringLiteral("_http"), QStringLiteral("_tcp.local."), QStringLiteral("."));
    ASSERT_TRUE(local);
    EXPECT_EQ(local->type, "_http._tcp.");
    EXPECT_EQ(local->domain, "local.");
    const auto other = BonjourBrowser::browseTargetForServiceType(QStringLiteral("_ssh"), QStringLiteral("_tcp.example."), QStringLiteral("org."));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->domain, "example.org.");
    // Anything but three parts is not a service type.
    EXPECT_FALSE(BonjourBrowser::browseTargetForServiceType(QStringLiteral("_foo"), QStringLiteral("_bar._tcp.local."), QStringLiteral(".")));
    EXPECT_FALSE(BonjourBrowser::browseTargetForServiceType(QStringLiteral("_foo"), QStringLiteral("_tcp"), QStringLiteral(".")));
}
