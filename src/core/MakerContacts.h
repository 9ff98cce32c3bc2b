#pragma once

#include <QString>

// How the settings screen reaches the maker: configuration, shipped empty,
// so that no address is invented. With no feedback address the feedback
// mail opens with no recipient; with no store page "Tell a friend" names
// none.
namespace MakerContacts {
inline const QString feedbackAddress;
inline const QString storePage;
}
