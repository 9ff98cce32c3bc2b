#pragma once

#include <QString>
#include <QUrl>

class UserDefaults;

// The pages that ship with the program (help, credits, the skin gallery's
// stand-in), and the reader's language they are chosen by.
namespace BundledPages {
inline const QString pageType = QStringLiteral("htm");
inline const QString pageDirectory = QStringLiteral("VLC");

// The reader's language code: the first entry of the AppleLanguages
// preference, else the desktop's first user-interface language.
QString readerLanguage(const UserDefaults& defaults);
// "en" with or without a region ("en_GB", "en-US").
bool isEnglish(const QString& language);
// The local address of a bundled page: its copy in the reader's language
// (directory/<language>/) when the bundle has one, else the English page.
QUrl address(const UserDefaults& defaults, const QString& resource, const QString& type, const QString& directory);
}
