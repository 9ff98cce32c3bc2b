#pragma once

#include <QString>

// The roles a skin's controls take by their id attribute.
namespace SkinRoles {
inline const QString previous = QStringLiteral("Previous");
inline const QString stop = QStringLiteral("Stop");
inline const QString playPause = QStringLiteral("PlayPause");
inline const QString next = QStringLiteral("Next");
inline const QString shuffle = QStringLiteral("Shuffle");
inline const QString repeat = QStringLiteral("Repeat");
inline const QString loop = QStringLiteral("Loop");
inline const QString volumeLess = QStringLiteral("VolumeLess");
inline const QString volumeMore = QStringLiteral("VolumeMore");
inline const QString skipForward = QStringLiteral("SkipForward");
inline const QString skipBack = QStringLiteral("SkipBack");
inline const QString dvdUp = QStringLiteral("DvdUp");
inline const QString dvdDown = QStringLiteral("DvdDown");
inline const QString dvdLeft = QStringLiteral("DvdLeft");
inline const QString dvdRight = QStringLiteral("DvdRight");
inline const QString dvdSelect = QStringLiteral("DvdSelect");
inline const QString dvdMenu = QStringLiteral("DvdMenu");
inline const QString volumeSlider = QStringLiteral("VolumeSlider");
inline const QString positionSlider = QStringLiteral("PositionSlider");
inline const QString timeElapsed = QStringLiteral("TimeElapsed");
inline const QString timeRemaining = QStringLiteral("TimeRemaining");
inline const QString timeLength = QStringLiteral("TimeLength");
inline const QString status = QStringLiteral("Status");
inline const QString nowPlaying = QStringLiteral("NowPlaying");
inline const QString mainScrollView = QStringLiteral("MainScrollView");

// What a button of each role asks of the player; None for ids without a
// role.
enum class Action {
    None,
    Previous,
    Stop,
    PlayPause,
    Next,
    Random,
    Repeat,
    Loop,
    VolumeDown,
    VolumeUp,
    ScanForward,
    ScanBack,
    DvdUp,
    DvdDown,
    DvdLeft,
    DvdRight,
    DvdSelect,
    DvdMenu,
};
Action actionFor(const QString& buttonId);
// Whether a button of this id acts on the player (and so waits for its
// state to be known and live).
inline bool isPlayerButton(const QString& id)
{
    return actionFor(id) != Action::None;
}

// What assistive technology calls a control: its function in the reader's
// language, from its id, or for the controls a skin gives no id from its
// kind (the definition's element name: the playlist table, the time and
// volume wheels, the art). Play/pause says what pressing it does now.
QString accessibleName(const QString& kindName, const QString& id);
QString playPauseName(bool playing);
}
