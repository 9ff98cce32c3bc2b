#pragma once

#include <QString>

// The notification names every part of the system agrees on.
namespace NotificationNames {
inline const QString vlcStatusChanged = QStringLiteral("BWVlcStatusChanged");
inline const QString vlcPlayListChanged = QStringLiteral("BWVlcPlayListChanged");
inline const QString vlcBrowseListChanged = QStringLiteral("BWVlcBrowseListChanged");
inline const QString vlcFoundValidRemote = QStringLiteral("BWVlcFoundValidRemote");
inline const QString vlcFoundRemote = QStringLiteral("BWVlcFoundRemote");
inline const QString playerLinkBecameDefault = QStringLiteral("BWPlayerLinkBecameDefault");
inline const QString newsUpdateProcessed = QStringLiteral("BW_NewsUpdateProcessed");
inline const QString networkReachabilityChanged = QStringLiteral("kNetworkReachabilityChangedNotification");
inline const QString setupHelper = QStringLiteral("bw_setuphelper");
// The application's window lost or regained the focus.
inline const QString applicationWillResignActive = QStringLiteral("UIApplicationWillResignActiveNotification");
inline const QString applicationDidBecomeActive = QStringLiteral("UIApplicationDidBecomeActiveNotification");
}
