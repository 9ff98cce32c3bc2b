#pragma once

#include "models/AppContext.h"
#include "models/FolderTypeAhead.h"
#include "ui/TableView.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QTimer>

#include <memory>

class BarButtonItem;
class FolderModel;
class ImageButton;
class TextSizeZoom;
class TitleView;
class VLCController;

namespace Ui {
class BrowseView;
}

// One folder of the computer that runs VLC, in the order VLC lists it: tap
// a folder to open it, a file (or a row's button) to play it or add it to
// the playlist, as the mode button says; an added file is confirmed by a
// short notice. The title's second line names the folder. The toolbar goes
// home, up, to the drives, and makes the folder the remote's default.
//
// Keys, wherever the focus is in the window: Up and Down move, Enter opens
// or plays, Backspace or Alt+Up goes up, Ctrl with plus, minus or 0 (or the
// wheel) sizes the text. A letter jumps as the index does; more typed
// without a pause jump to the first name that begins with them.
class BrowseViewController : public ViewController, public TableViewDataSource, public TableViewDelegate {
    Q_OBJECT
public:
    static constexpr int statusIntervalMs = 1000;

    explicit BrowseViewController(const AppContext& context, QWidget* parent = nullptr);
    ~BrowseViewController() override;

    std::shared_ptr<VLCController> currentRemote() const { return m_currentRemote; }
    void setCurrentRemote(const std::shared_ptr<VLCController>& remote);

    TableView* myTableView() const { return m_tableView; }
    TitleView* titleView() const { return m_titleView; }
    int fontSize() const;
    TextSizeZoom* textSize() const { return m_textSize; }
    BarButtonItem* modeButton() const { return m_modeButton; }
    bool timerRunning() const { return m_updateStatusTimer.isActive(); }
    // "Can't open this folder", while it shows.
    bool folderNoticeShown() const;
    // The confirmation of an added file while it shows, else nothing.
    QString addedNoticeShown() const;
    // The folder listed, as the title names it.
    QString shownFolder() const;

    // The toolbar's actions.
    void setAddPlay(BarButtonItem* item);
    void homeDirectory();
    void upDirectory();
    void openDrives();
    void setDefaultDirectory();
    void fullScreen();

    // A row's button, and what it does.
    void playItem(ImageButton* button);
    void playRow(int row);
    // Opens the row's folder, or plays (adds) its file.
    void openRow(int row);
    // Selects the row a letter of the index leads to, as the index does.
    void jumpToIndexTitle(const QString& title);

    void updateUI();

    // The table.
    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    QStringList sectionIndexTitlesForTableView(TableView* table) override;
    int sectionForSectionIndexTitle(TableView* table, const QString& title, int index) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;
    void didRotateFromInterfaceOrientation(int fromOrientation) override;

protected:
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext m_context;
    void browseListUpdated();
    QWidget* createFileIcon(const QString& fileType);
    ImageButton* createPlayButton(int row);
    void folderRefused();
    void showDriveSearchOutcome(bool found);
    QList<BarButtonItem*> makeToolbarItems();
    BarButtonItem* makeModeButton();
    bool handleKey(const QKeyEvent* event, const QWidget* target);
    // A typed character of a name; false when it is none.
    bool typeAhead(const QString& text, Qt::KeyboardModifiers modifiers);
    void showTitle();

    std::unique_ptr<Ui::BrowseView> m_ui;
    std::shared_ptr<VLCController> m_currentRemote;
    // The rows and their rules, shared with the touch browser.
    FolderModel* m_folder;
    QTimer m_updateStatusTimer;
    QTimer m_noticeTimer;
    QTimer m_addedTimer;
    FolderTypeAhead m_typeAhead;
    TableView* m_tableView = nullptr;
    TitleView* m_titleView = nullptr;
    TextSizeZoom* m_textSize = nullptr;
    BarButtonItem* m_modeButton = nullptr;
    QList<BarButtonItem*> m_toolbar;
};
