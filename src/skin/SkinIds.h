#pragma once

#include <QString>

// The roles a skin's controls take by their id attribute.
namespace SkinIds {
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
}
