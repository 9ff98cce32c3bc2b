#pragma once

#include <QList>
#include <QString>
#include <QUrl>

class UserDefaults;

struct NewsFeed {
    QString name;
    QUrl address;
};

// Which news feeds to load: the bundle's property list names each feed
// with a path on the news site, in the file's own key order; the site
// itself is configuration. Without a configured site there are no feeds.
class NewsFeedList {
public:
    // The dictionary of the property list at path, in file order.
    static QList<QPair<QString, QString>> readPropertyList(const QString& path);
    // The feeds of that list with their full addresses; empty when no news
    // site is configured.
    static QList<NewsFeed> load(const UserDefaults& defaults, const QString& path);
};
