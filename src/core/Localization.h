#pragma once

#include <QString>

// User-visible texts are looked up in one string table keyed by their
// English text; a text without a translation is shown as written.
class Localization {
public:
    static QString localized(const char* englishText);
    static QString localized(const QString& englishText);
};

inline QString localizedString(const char* englishText)
{
    return Localization::localized(englishText);
}
