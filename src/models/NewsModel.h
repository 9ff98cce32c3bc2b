#pragma once

#include "models/AppContext.h"
#include "net/NewsFeedList.h"
#include "net/RssParser.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>

#include <vector>

// The news: the items of each feed the bundle's feed list names (a section
// per feed; a feed still loading, or that failed, shows one row saying so),
// which of them were opened this session, and whether any item is newer
// than the newest the user has seen (remembered across runs), for the
// badges of the news buttons.
class NewsModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(bool hasUnread READ hasUnread NOTIFY hasUnreadChanged)
    Q_PROPERTY(bool loading READ isLoading NOTIFY loadingChanged)
    Q_PROPERTY(bool configured READ isConfigured NOTIFY configuredChanged)
    Q_PROPERTY(bool shown READ isShown WRITE setShown NOTIFY shownChanged)
public:
    enum Role {
        TitleRole = Qt::UserRole + 1, // the item's title, or the feed's state; as the display role
        DateRole,                     // the item's date as the feed wrote it
        SectionRole,                  // the feed's name
        ReadRole,                     // opened this session
        PlaceholderRole,              // a row saying the feed is loading or failed
        FeedRole,                     // the feed's place in the list, from 0
    };
    Q_ENUM(Role)

    // Shown as they stand.
    static inline const QString updatingText = QStringLiteral("Updating Feed ...");
    static inline const QString notAvailableText = QStringLiteral("Feed Not Available.");

    // propertyFile: in the bundle; feedTemplate ("name", type htm) in the
    // bundle folder templateDirectory.
    NewsModel(const AppContext& context, const QString& propertyFile, const QString& feedTemplate,
              const QString& templateDirectory, QObject* parent = nullptr);
    ~NewsModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool hasUnread() const;
    bool isLoading() const { return m_waitingFeeds > 0; }
    // A news site is configured, so there are feeds to show.
    bool isConfigured() const { return !m_feedList.isEmpty(); }
    // While the news is on screen, what arrives has been seen.
    bool isShown() const { return m_shown; }
    void setShown(bool shown);

    // Loads every feed again (not while a load is on its way).
    Q_INVOKABLE void refresh();
    // Forgets the items shown and the read marks, then loads.
    Q_INVOKABLE void reloadAll();
    // Opens the row's item page and marks it read.
    Q_INVOKABLE void open(int row);
    // The page of the row's item: the template filled with its title and
    // content; empty for a placeholder row.
    Q_INVOKABLE QString itemPage(int row) const;

    // The newest item the user has seen (the distant past when none).
    QDateTime mostRecentReadItem() const;

    // The feeds of the list, and the latest load of each (none before it
    // was asked for).
    const QList<NewsFeed>& feedList() const { return m_feedList; }
    const RssParser* feed(int index) const { return index >= 0 && index < m_feeds.size() ? m_feeds[index] : nullptr; }

signals:
    void hasUnreadChanged();
    void loadingChanged();
    void configuredChanged();
    void shownChanged();
    // A feed finished loading and its items are in the rows.
    void newsUpdateProcessed();

private:
    struct Row {
        int feed = 0;
        int item = -1; // -1: the feed's placeholder row
    };
    void loaded(RssParser* parser);
    void dropParsers();
    void rebuildRows();
    const RssItem* itemAt(int row) const;
    void readNews();
    // Runs change, then signals the properties it changed.
    template <typename Change>
    void changing(Change change);

    AppContext m_context;
    QString m_propertyFile;
    QString m_feedTemplate;
    QString m_templateDirectory;
    QList<NewsFeed> m_feedList;
    QList<RssParser*> m_feeds;
    QHash<int, QSet<int>> m_read;
    std::vector<Row> m_rows;
    int m_waitingFeeds = 0;
    QDateTime m_mostRecentItem; // invalid until a feed brought a date
    bool m_shown = false;
};
