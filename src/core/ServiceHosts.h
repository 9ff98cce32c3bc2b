#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class UserDefaults;

// The hosts of the web services the application links to; configuration,
// kept in one place.
namespace ServiceHosts {
inline const QString movieDatabase = QStringLiteral("https://www.imdb.com");
inline const QString shop = QStringLiteral("https://www.amazon.com");

// The maker's own services (help site, translation service) are read from
// the preference store's [ServiceHosts] group and ship empty: with no value
// the application shows its bundled pages and asks nobody.
inline const QString helpSiteKey = QStringLiteral("ServiceHosts/helpSite");
inline const QString translationKey = QStringLiteral("ServiceHosts/translation");
// The news feeds' site (the paths are in the bundle's newsFeed.plist) and
// the service that e-mails setup instructions; without them there is no
// news and setup instructions go out as a mail the user sends himself.
inline const QString newsSiteKey = QStringLiteral("ServiceHosts/newsSite");
inline const QString setupServiceKey = QStringLiteral("ServiceHosts/setupService");
// The skin gallery's site; without it the gallery browser opens on a bundled
// page that explains skins.
inline const QString skinGalleryKey = QStringLiteral("ServiceHosts/skinGallery");

// The base address stored under key in defaults ("https://host[:port]"; a
// bare host means https), or an empty URL when none is set or it makes no
// sense.
QUrl configuredBase(const UserDefaults& defaults, const QString& key);

// The page at pathAndQuery (which starts with "/") on the help site; an
// empty URL when no help site is configured.
QUrl helpSiteAddress(const UserDefaults& defaults, const QString& pathAndQuery);
// The address pathAndQuery (which starts with "/") on the service stored
// under key; an empty URL when that service is not configured.
QUrl serviceAddress(const UserDefaults& defaults, const QString& key, const QString& pathAndQuery);
QUrl translationService(const UserDefaults& defaults);

// Links that belong to the desktop's software centre rather than a web
// page (the AppStream scheme every Linux software centre opens).
QStringList storeLinkPrefixes();
}
