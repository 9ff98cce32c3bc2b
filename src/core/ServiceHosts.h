#pragma once

#include <QString>

// The hosts of the web services the application links to; configuration,
// kept in one place.
namespace ServiceHosts {
inline const QString movieDatabase = QStringLiteral("https://www.imdb.com");
inline const QString shop = QStringLiteral("https://www.amazon.com");
inline const QString help = QStringLiteral("https://playerlink.example.org");
}
