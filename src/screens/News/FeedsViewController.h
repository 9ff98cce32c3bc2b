#pragma once

#include "net/NewsFeedList.h"
#include "net/RssParser.h"
#include "screens/WebView/WebViewController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"
#include "ui/ViewController.h"

#include <QDateTime>
#include <QHash>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QSet>

class BarButtonItem;
class QNetworkAccessManager;
class TableView;

// The news: one section per feed of the bundle's feed list, one row per
// item (bold until opened in this session), the item's page in a web page
// viewer. It also remembers across runs the newest item the user has seen,
// so that the remote screen and the remotes list can show a badge on their
// news button when something newer arrives.
class FeedsViewController : public ViewController, public TableViewDataSource, public TableViewDelegate {
    Q_OBJECT
public:
    // propertyFile: in the bundle; feedTemplate ("name", type htm) in the
    // bundle folder templateDirectory. network: not owned; nullptr makes the
    // screen use one of its own.
    FeedsViewController(const QString& title, const QString& navigationTitle, const QString& propertyFile,
                        const QString& feedTemplate, const QString& templateDirectory,
                        QNetworkAccessManager* network = nullptr, QWidget* parent = nullptr);
    ~FeedsViewController() override;

    // Loads every feed again (not while a load is on its way).
    void refresh();
    // The refresh button: forgets the shown items and read marks, then loads.
    void refreshFeeds();
    void refreshTable(RssParser* parser);

    bool newNewsExists() const;
    // Remembers the newest item as seen.
    void readNews();
    void setMostRecentItem(const QDateTime& date);
    QDateTime mostRecentItem() const { return m_mostRecentItem; }
    // The newest item the user has seen (the distant past when none).
    static QDateTime mostRecentReadItem();

    // Puts the badge at the top-right corner of the button's view, at the
    // top of the toolbar, in front of its neighbours.
    static void positionExclamation(QWidget* exclamation, QWidget* buttonView, QWidget* toolbar);

    void showFeedWithDictionary(const RssItem& item);

    // The page of an item: the template filled with its title and content.
    QString itemPageHtml(const RssItem& item) const;

    const QList<NewsFeed>& feedList() const { return m_feedList; }
    const QList<RssParser*>& feeds() const { return m_feeds; }
    int waitingFeeds() const { return m_waitingFeeds; }
    bool needsRefresh() const { return m_needsRefresh; }
    bool isMarkedRead(int feed, int row) const;
    TableView* tableView() const { return m_tableView; }
    BarButtonItem* refreshButton() const { return m_refreshButton; }
    // "No news feeds are configured", shown in place of rows.
    QLabel* emptyLabel() const { return m_emptyLabel; }
    WebViewController* itemPage() const { return m_itemPage; }

    // The list.
    int numberOfSections(TableView* table) override;
    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    int heightForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    int heightForHeaderInSection(TableView* table, int section) override;
    IndexPath willSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    void didRotateFromInterfaceOrientation(int fromOrientation) override;

    static inline const QString updatingText = QStringLiteral("Updating Feed ...");
    static inline const QString notAvailableText = QStringLiteral("Feed Not Available.");

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void dropParsers();
    RssParser* parserFor(int section) const;
    bool hasItems(int section) const;
    void reloadTable();
    void showEmptyState();

    QNetworkAccessManager* m_network;
    QString m_propertyFile;
    QString m_feedTemplate;
    QString m_feedTemplateDirectory;
    QList<NewsFeed> m_feedList;
    QList<RssParser*> m_feeds;
    QHash<int, QSet<int>> m_readStatus;
    int m_waitingFeeds = 0;
    bool m_needsRefresh = true;
    QDateTime m_mostRecentItem; // invalid until a feed brought a date
    TableView* m_tableView = nullptr;
    QLabel* m_emptyLabel = nullptr;
    BarButtonItem* m_refreshButton = nullptr;
    QPointer<WebViewController> m_itemPage;
};
