#pragma once

#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"
#include "ui/ViewController.h"

#include <QLabel>

#include <vector>

class BarButtonItem;
class NewsModel;
class TableView;

// The news: one section per feed of the news model, one row per item (bold
// until opened in this session); tapping an item opens its page. The model
// remembers across runs the newest item the user has seen, for the badges
// of the news buttons; while this screen shows, what arrives has been seen.
class FeedsViewController : public ViewController, public TableViewDataSource, public TableViewDelegate {
    Q_OBJECT
public:
    // title: what the back button of the screen above says.
    FeedsViewController(NewsModel& news, const QString& title, const QString& navigationTitle, QWidget* parent = nullptr);
    ~FeedsViewController() override;

    NewsModel& news() const { return m_news; }
    // The refresh button: forgets the shown items and read marks, then loads.
    void refreshFeeds();


    TableView* tableView() const { return m_tableView; }
    BarButtonItem* refreshButton() const { return m_refreshButton; }
    // "No news feeds are configured", shown in place of rows.
    QLabel* emptyLabel() const { return m_emptyLabel; }

    // The list.
    int numberOfSections(TableView* table) override;
    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    int heightForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    int heightForHeaderInSection(TableView* table, int section) override;
    IndexPath willSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    void didRotateFromInterfaceOrientation(int fromOrientation) override;

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The model's row at a place in the list; -1 when there is none.
    int modelRow(const IndexPath& indexPath) const;
    bool isItem(const IndexPath& indexPath) const;
    void readSections();
    void reloadTable();
    void showEmptyState();

    NewsModel& m_news;
    std::vector<std::vector<int>> m_sections; // the model's rows of each feed
    bool m_needsRefresh = true;
    TableView* m_tableView = nullptr;
    QLabel* m_emptyLabel = nullptr;
    BarButtonItem* m_refreshButton = nullptr;
};
