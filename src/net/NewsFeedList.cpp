#include "net/NewsFeedList.h"

#include "core/ConsoleLog.h"
#include "core/ServiceHosts.h"

#include <QFile>
#include <QXmlStreamReader>

QList<QPair<QString, QString>> NewsFeedList::readPropertyList(const QString& path)
{
    QList<QPair<QString, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ConsoleLog::log(logNet, QStringLiteral("no news feed list at %@"), path);
        return entries;
    }
    // <plist><dict><key>name</key><string>value</string>...</dict></plist>;
    // only the top dictionary's string values count.
    QXmlStreamReader reader(&file);
    int depth = 0;
    int dictDepth = -1;
    QString key;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const QStringView name = reader.name();
            if (name == u"dict" && dictDepth < 0) {
                dictDepth = depth;
            } else if (depth == dictDepth + 1 && name == u"key") {
                key = reader.readElementText().trimmed();
                --depth;
            } else if (depth == dictDepth + 1 && name == u"string" && !key.isNull()) {
                entries.append({ key, reader.readElementText().trimmed() });
                key = QString();
                --depth;
            } else if (depth == dictDepth + 1) {
                key = QString(); // a value of another kind
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (reader.hasError()) {
        ConsoleLog::log(logNet, QStringLiteral("the news feed list %@ is damaged: %@"), path, reader.errorString());
        return {};
    }
    return entries;
}

QList<NewsFeed> NewsFeedList::load(const UserDefaults& defaults, const QString& path)
{
    QList<NewsFeed> feeds;
    if (ServiceHosts::configuredBase(defaults, ServiceHosts::newsSiteKey).isEmpty())
        return feeds;
    for (const auto& [name, value] : readPropertyList(path)) {
        const QString pathOnSite = value.startsWith(u'/') ? value : u'/' + value;
        const QUrl address = ServiceHosts::serviceAddress(defaults, ServiceHosts::newsSiteKey, pathOnSite);
        if (address.isValid())
            feeds.append({ name, address });
    }
    return feeds;
}
