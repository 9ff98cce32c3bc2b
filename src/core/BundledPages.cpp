#include "core/BundledPages.h"

#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

#include <QFileInfo>
#include <QLocale>

QString BundledPages::readerLanguage(const UserDefaults& defaults)
{
    const QStringList preferred = defaults.objectForKey(PreferenceKeys::appleLanguages).toStringList();
    if (!preferred.isEmpty() && !preferred.first().isEmpty())
        return preferred.first();
    const QStringList desktop = QLocale::system().uiLanguages();
    return desktop.isEmpty() ? QStringLiteral("en") : desktop.first();
}

bool BundledPages::isEnglish(const QString& language)
{
    // A region does not change the language: "en_GB" is English too.
    return language.compare(u"en", Qt::CaseInsensitive) == 0 || language.startsWith(u"en_", Qt::CaseInsensitive)
        || language.startsWith(u"en-", Qt::CaseInsensitive);
}

QUrl BundledPages::address(const UserDefaults& defaults, const QString& resource, const QString& type,
                           const QString& directory)
{
    QString folder = HomePaths::bundle();
    if (!directory.isEmpty())
        folder += u'/' + directory;
    QString file = resource;
    if (!type.isEmpty())
        file += u'.' + type;
    // Translated pages sit in a folder named after the language ("de"), with
    // the same names and links as the English ones, which they fall back to.
    const QString language = readerLanguage(defaults).section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (!language.isEmpty() && !isEnglish(language)) {
        const QString translated = folder + u'/' + language + u'/' + file;
        if (QFileInfo::exists(translated))
            return QUrl::fromLocalFile(translated);
    }
    return QUrl::fromLocalFile(folder + u'/' + file);
}
