// How a skin's controls show the player's state, and which image a skin
// button draws, without any view toolkit.

#include "core/RemoteKeys.h"
#include "models/skin/SkinButtonLook.h"
#include "models/skin/SkinControlRules.h"
#include "models/skin/SkinRoles.h"

#include <gtest/gtest.h>

namespace {
using Kind = SkinElement::Kind;
using Look = SkinControlRules::Look;

SkinPlayerState live(bool playing, bool stopped, int items)
{
    SkinPlayerState state;
    state.liveness = SkinPlayerState::Liveness::Live;
    state.playing = playing;
    state.stopped = stopped;
    state.itemsInPlaylist = items;
    return state;
}

Look button(const QString& id, const SkinPlayerState& state)
{
    return SkinControlRules::lookFor(Kind::Button, id, state);
}
}

TEST(SkinControlRules, AStoppedEmptyPlayerHidesTimesSkipsAndItemButtons)
{
    const SkinPlayerState state = live(false, true, 0);
    for (const QString& id : { SkinRoles::timeElapsed, SkinRoles::timeRemaining, SkinRoles::timeLength })
        EXPECT_TRUE(SkinControlRules::lookFor(Kind::Label, id, state).hidden);
    EXPECT_FALSE(SkinControlRules::lookFor(Kind::Label, SkinRoles::status, state).hidden);
    EXPECT_TRUE(SkinControlRules::lookFor(Kind::ZoomSlider, SkinRoles::positionSlider, state).hidden);
    EXPECT_TRUE(SkinControlRules::lookFor(Kind::Slider, SkinRoles::positionSlider, state).hidden);
    EXPECT_FALSE(SkinControlRules::lookFor(Kind::ZoomSlider, SkinRoles::volumeSlider, state).hidden);
    EXPECT_TRUE(button(SkinRoles::skipForward, state).hidden);
    EXPECT_TRUE(button(SkinRoles::skipBack, state).hidden);
    EXPECT_TRUE(button(SkinRoles::previous, state).hidden);
    EXPECT_TRUE(button(SkinRoles::next, state).hidden);
    EXPECT_FALSE(button(SkinRoles::playPause, state).enabled);
    EXPECT_FALSE(button(SkinRoles::playPause, state).alternate);
    EXPECT_FALSE(button(SkinRoles::stop, state).enabled);
}

TEST(SkinControlRules, APlayingPlaylistShowsEverythingAndTheAlternates)
{
    const SkinPlayerState state = live(true, false, 3);
    for (const QString& id : { SkinRoles::previous, SkinRoles::next, SkinRoles::playPause, SkinRoles::stop,
                               SkinRoles::skipBack, SkinRoles::skipForward })
        EXPECT_EQ(button(id, state), (Look { false, true, false, id == SkinRoles::playPause })) << qPrintable(id);
    // Stopped with five items: Previous and Next stay in view, disabled.
    const SkinPlayerState stopped = live(false, true, 5);
    EXPECT_EQ(button(SkinRoles::previous, stopped), (Look { false, false, false, false }));
    EXPECT_EQ(button(SkinRoles::next, stopped), (Look { false, false, false, false }));
}

TEST(SkinControlRules, APausedPlayerCanBeStopped)
{
    EXPECT_TRUE(button(SkinRoles::stop, live(false, false, 1)).enabled);
}

TEST(SkinControlRules, AModeThatIsOffStandsHighlighted)
{
    SkinPlayerState state = live(true, false, 3);
    state.looping = true;
    EXPECT_FALSE(button(SkinRoles::loop, state).highlighted);
    EXPECT_TRUE(button(SkinRoles::shuffle, state).highlighted);
    EXPECT_TRUE(button(SkinRoles::repeat, state).highlighted);
}

TEST(SkinControlRules, UnknownOrOldStateDisablesWhatActsOnThePlayer)
{
    // Before the first status: an empty, stopped player, no mode claimed.
    SkinPlayerState unknown;
    unknown.playing = true;
    unknown.looping = true;
    unknown.itemsInPlaylist = 4;
    EXPECT_TRUE(button(SkinRoles::next, unknown).hidden);
    EXPECT_FALSE(button(SkinRoles::playPause, unknown).alternate);
    EXPECT_TRUE(button(SkinRoles::loop, unknown).highlighted);
    EXPECT_FALSE(button(SkinRoles::dvdUp, unknown).enabled);
    // A lost connection keeps the state shown but dims the controls.
    SkinPlayerState stale = live(true, false, 3);
    stale.liveness = SkinPlayerState::Liveness::Stale;
    EXPECT_EQ(button(SkinRoles::playPause, stale), (Look { false, false, false, true }));
    EXPECT_FALSE(SkinControlRules::lookFor(Kind::Picker, QString(), stale).enabled);
    EXPECT_FALSE(SkinControlRules::lookFor(Kind::Label, SkinRoles::nowPlaying, stale).enabled);
    EXPECT_TRUE(SkinControlRules::lookFor(Kind::Label, SkinRoles::status, stale).enabled);
    // A skin's own buttons are not the player's.
    EXPECT_TRUE(button(QStringLiteral("MyOwn"), unknown).enabled);
}

TEST(SkinRoles, ButtonsOfEachRoleAskForTheirActionAndAreNamed)
{
    EXPECT_EQ(SkinRoles::actionFor(SkinRoles::shuffle), SkinRoles::Action::Random);
    EXPECT_EQ(SkinRoles::actionFor(SkinRoles::volumeLess), SkinRoles::Action::VolumeDown);
    EXPECT_EQ(SkinRoles::actionFor(SkinRoles::dvdMenu), SkinRoles::Action::DvdMenu);
    EXPECT_EQ(SkinRoles::actionFor(SkinRoles::timeElapsed), SkinRoles::Action::None);
    EXPECT_EQ(SkinRoles::accessibleName(QStringLiteral("button"), SkinRoles::skipBack), u"Skip Back");
    EXPECT_EQ(SkinRoles::accessibleName(QStringLiteral("table"), QString()), u"Playlist");
    EXPECT_EQ(SkinRoles::accessibleName(QStringLiteral("button"), QStringLiteral("Mine")), u"Mine");
    EXPECT_EQ(SkinRoles::playPauseName(true), u"Pause");
}

TEST(SkinButtonLook, StatesFallBackToTheImagesTheSkinDrew)
{
    using SkinButtonLook::Images;
    using SkinButtonLook::State;
    using SkinButtonLook::lookFor;
    const Images normalOnly { true, false, false, false };
    // Pressed without its own image: the normal one, faded.
    const SkinButtonLook::Look pressed = lookFor({ true, true, false, false }, normalOnly);
    EXPECT_EQ(pressed.image, State::Normal);
    EXPECT_DOUBLE_EQ(pressed.opacity, 0.6);
    // Held highlighted (a mode that is off) with its image: that one, whole.
    const SkinButtonLook::Look held = lookFor({ true, false, true, false }, { true, true, false, false });
    EXPECT_EQ(held.image, State::Highlighted);
    EXPECT_DOUBLE_EQ(held.opacity, 1);
    // Disabled: its own image, or the normal one fainter; held highlighted
    // and disabled keeps the highlighted one.
    EXPECT_DOUBLE_EQ(lookFor({ false, false, false, false }, { true, false, false, true }).opacity, 0.45);
    EXPECT_EQ(lookFor({ false, false, false, false }, normalOnly).image, State::Normal);
    EXPECT_DOUBLE_EQ(lookFor({ false, false, false, false }, normalOnly).opacity, 0.35);
    EXPECT_EQ(lookFor({ false, false, true, false }, { true, true, false, false }).image, State::Highlighted);
    EXPECT_FALSE(lookFor({ true, false, false, false }, Images {}).hasImage);
}

TEST(RemoteKeys, TheWindowsKeysDriveTheRemoteAndGoBack)
{
    using A = RemoteKeys::Action;
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Space, Qt::NoModifier), A::PlayPause);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Left, Qt::KeypadModifier), A::ScanBack);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Left, Qt::ControlModifier), A::PreviousPage);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Up, Qt::NoModifier), A::VolumeUp);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_N, Qt::NoModifier), A::Next);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_N, Qt::ControlModifier), A::None);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_F, Qt::NoModifier), A::FullScreen);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Escape, Qt::NoModifier), A::Back);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Escape, Qt::NoModifier, true), A::None);
    EXPECT_EQ(RemoteKeys::actionFor(Qt::Key_Back, Qt::NoModifier), A::Back);
}
