#pragma once

#include <QLocale>
#include <QString>

// User-visible texts are looked up in one string table keyed by their
// English text; a text without a translation is shown as written. The
// table is a Qt Linguist one keyed by id, the id being the English text
// (resources/translations; lupdate reads localizedString and L10N_NOOP).
class Localization {
public:
    static QString localized(const char* englishText);
    static QString localized(const QString& englishText);
    // Loads the table for the locale's language, when one ships; returns
    // whether one was loaded. A second call replaces the first table.
    static bool installTranslations(const QLocale& locale = QLocale::system());
};

inline QString localizedString(const char* englishText)
{
    return Localization::localized(englishText);
}

// Marks an English text kept in a table for translation where it is used.
#define L10N_NOOP(text) text
