#include "core/HomePaths.h"

#include <QDir>
#include <QStandardPaths>

QString HomePaths::home()
{
    const QString fromEnv = qEnvironmentVariable("PLAYERLINK_HOME");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (path.isEmpty())
        path = QDir::homePath() + QStringLiteral("/.local/share");
    return path + QStringLiteral("/PlayerLink");
}

QString HomePaths::cache()
{
    if (!qEnvironmentVariable("PLAYERLINK_HOME").isEmpty())
        return home() + QStringLiteral("/Caches");
    QString path = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (path.isEmpty())
        path = QDir::homePath() + QStringLiteral("/.cache/playerlink");
    return path;
}

QString HomePaths::documents()
{
    return home() + QStringLiteral("/Documents");
}

QString HomePaths::tmp()
{
    return home() + QStringLiteral("/tmp");
}

QString HomePaths::bundle()
{
    return home() + QStringLiteral("/PlayerLink.app");
}

QString HomePaths::preferencesFile()
{
    return home() + QStringLiteral("/Library/Preferences/PlayerLink.ini");
}

QString HomePaths::resolve(const QString& relative)
{
    if (QDir::isAbsolutePath(relative))
        return relative;
    return home() + u'/' + relative;
}
