#pragma once

#include <QString>
#include <QUrl>

class UserDefaults;

// Where the skin gallery browser goes: the gallery's page on its configured
// site, else the bundled page about skins; and what its address bar makes of
// typed text. Both front ends' gallery browsers follow these rules.
class SkinGalleryAddress {
public:
    // The gallery's page on its site.
    static inline const QString galleryPath = QStringLiteral("/PlayerLink-skins-4");
    // The bundled page shown when no gallery site is configured.
    static inline const QString bundledGalleryPage = QStringLiteral("skinGallery");

    static QUrl galleryAddress(const UserDefaults& defaults);
    // "http..." as it stands; "www...", an IP address, "localhost", a host
    // with a port or a name without a dot with "http://" before it; anything
    // else with "http://www.".
    static QString completedAddress(const QString& typed);
    // What a page that did not load is told with: the address says which
    // page (a typed one may be mistyped), cut in the middle when long.
    static QString loadFailureTitle();
    static QString loadFailureMessage(const QUrl& url);
};
