#pragma once

#include "models/AppContext.h"
#include "models/PlaylistSearchModel.h"
#include "ui/TableView.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"
#include "ui/ViewController.h"

#include <QModelIndex>
#include <QPointer>
#include <QTimer>

#include <memory>

class BarButtonItem;
class ImageButton;
class PlaylistModel;
class QLineEdit;
class TextSizeZoom;
class TitleView;
class VLCController;

namespace Ui {
class PlaylistView;
}

// VLC's playlist, one row per item with the playing one marked: tap a row
// to play it from the start, remove items with their buttons, empty the
// whole list, and switch loop, repeat and random (their images follow what
// VLC reports, not the tap). The search field above the list keeps only the
// items whose names hold what is typed. Only the rows on screen have
// widgets, and a playlist reply that changes nothing changes nothing on
// screen.
//
// Keys, wherever the focus is in the window: Up and Down move, Enter plays,
// Delete removes the chosen row, Ctrl+F goes to the search field, Ctrl with
// plus, minus or 0 (or the wheel) sizes the text. In the search field Up,
// Down and Enter still work the list (Enter plays the first item found when
// none is chosen); Escape clears the field, and a second Escape leaves it.
class PlaylistViewController : public ViewController, public TableViewDataSource, public TableViewDelegate {
    Q_OBJECT
public:
    static constexpr int playlistIntervalMs = PlaylistSearchModel::pollIntervalMs;

    explicit PlaylistViewController(const AppContext& context, QWidget* parent = nullptr);
    ~PlaylistViewController() override;

    std::shared_ptr<VLCController> currentRemote() const { return m_currentRemote; }
    void setCurrentRemote(const std::shared_ptr<VLCController>& remote);

    TableView* myTableView() const { return m_tableView; }
    TitleView* titleView() const { return m_titleView; }
    int fontSize() const;
    TextSizeZoom* textSize() const { return m_textSize; }
    BarButtonItem* emptyButton() const { return m_emptyButton; }
    BarButtonItem* loopButton() const { return m_loopButton; }
    BarButtonItem* repeatButton() const { return m_repeatButton; }
    BarButtonItem* randomButton() const { return m_randomButton; }
    QLineEdit* searchField() const;
    // The playlist row that a row of the table shows (they differ while
    // the search field holds text).
    int playlistRow(int tableRow) const;
    // The image each mode button shows now ("Loop.png", "Loop_Yes.png", ...).
    QString modeImage(const BarButtonItem* button) const;
    bool timerRunning() const { return m_updateStatusTimer.isActive(); }
    // Whether rows carry remove buttons for this remote.
    bool showsRemoveButtons() const;

    // The toolbar's actions.
    void empty();
    void loop();
    void repeat();
    void random();
    void fullScreen();
    // The table's row.
    void removeItem(int row);
    void emptySheetAnswered(int buttonIndex);

    void updateUI();

    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;
    void didRotateFromInterfaceOrientation(int fromOrientation) override;

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ImageButton* createRemoveButton(int row);
    void statusUpdated();
    void playlistUpdated();
    void rowsUpdated(const QModelIndex& first, const QModelIndex& last);
    void showPlayingTitle();
    void showCurrentOnFirstList();
    BarButtonItem* makeModeButton(const char* name, const QString& toolTip, void (PlaylistViewController::*action)());
    void setModeImage(BarButtonItem* button, bool on, const char* name);
    void scrollToCurrentItem();
    bool handleKey(const QKeyEvent* event, const QWidget* target);
    bool handleSearchFieldKey(const QKeyEvent* event);

    AppContext m_context;
    std::unique_ptr<Ui::PlaylistView> m_ui;
    std::shared_ptr<VLCController> m_currentRemote;
    // The items, the one that plays and the search's rule, shared with the
    // touch playlist; the table shows the search's rows.
    PlaylistModel* m_playlist;
    PlaylistSearchModel* m_search;
    QTimer m_updateStatusTimer;
    TableView* m_tableView = nullptr;
    TitleView* m_titleView = nullptr;
    TextSizeZoom* m_textSize = nullptr;
    BarButtonItem* m_emptyButton = nullptr;
    BarButtonItem* m_loopButton = nullptr;
    BarButtonItem* m_repeatButton = nullptr;
    BarButtonItem* m_randomButton = nullptr;
    QList<BarButtonItem*> m_toolbar;
    // The question about emptying the list, while it is open.
    bool m_emptySheetOpen = false;
    // Where the list stood as the screen appeared: the first playlist after
    // that brings its current item into view unless the user scrolled.
    QPoint m_offsetShown;
};
