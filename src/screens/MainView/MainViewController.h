#pragma once

#include "screens/News/ExclamationBadge.h"
#include "skin/SkinDelegate.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QTimer>

#include <memory>

class BarButtonItem;
class Skin;
class TitleView;
class VLCController;
struct Notification;

namespace Ui {
class MainView;
}

// The remote-control screen for one remote: it shows the skin's controls for
// the current orientation, polls the player (status every second, playlist
// every three), shows the player's state through the skin, and turns the
// controls into commands.
class MainViewController : public ViewController, public SkinDelegate {
    Q_OBJECT
public:
    explicit MainViewController(QWidget* parent = nullptr);
    ~MainViewController() override;

    std::shared_ptr<VLCController> currentRemote() const { return m_currentRemote; }
    void setCurrentRemote(const std::shared_ptr<VLCController>& remote);
    Skin* currentSkin() const { return m_currentSkin.get(); }
    TitleView* titleView() const { return m_titleView; }
    QWidget* displayContainer() const;
    QWidget* displayView() const { return m_displayView; }
    ExclamationBadge* exclamation() const { return m_exclamation; }
    BarButtonItem* newsButton() const { return m_newsButton; }
    bool animatePicker() const { return m_animatePicker; }
    bool timersRunning() const { return m_updateStatusTimer.isActive(); }

    // Timers and updates.
    void startTimer();
    void stopTimer();
    void updateUI();
    void updatePlaylist();
    void respondToUpdateStatusNotification();
    void newsUpdated();

    // The skin's actions.
    void previous() override;
    void stop() override;
    void playPause() override;
    void next() override;
    void random() override;
    void repeat() override;
    void loop() override;
    void volumeDown() override;
    void volumeUp() override;
    void scanForward() override;
    void scanBack() override;
    void dvdUp() override;
    void dvdDown() override;
    void dvdLeft() override;
    void dvdRight() override;
    void dvdSelect() override;
    void dvdMenu() override;
    void sliderPositionChanged(double value) override;
    void sliderVolumeChanged(double value) override;
    void seek(int seconds) override;
    void setVolume(int volume) override;

    // Further actions.
    void subtitleDelayDown();
    void subtitleDelayUp();
    void audioDelayDown();
    void audioDelayUp();
    void speedSlower();
    void speedFaster();
    void toggleSubtitles();
    void toggleAudioTrack();
    void cropAspectRatio();
    void toggleAspectRatio();
    void fullScreen();
    void playlist();
    void browse();
    void remotes();
    void actions();
    void info();
    void imdb();
    void amazon();
    void showNews();
    void flipTablePicker();

    // The playlist in the skin's tables.
    int numberOfSections(TableView* table) override;
    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    IndexPath willSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    // Skin and notices.
    void loadSkin();
    void clearCurrentSkin();
    void handleRotation();
    bool checkSkinValue();
    void showWhatsNewIfNeeded();
    void dvdWarning();
    void actionsSheetDidDismissWithButtonIndex(int index);
    void dvdActionSheetDidDismissWithButtonIndex(int index);
    void checkSkinSheetDidDismissWithButtonIndex(int index);

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;
    void didRotateFromInterfaceOrientation(int fromOrientation) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int maximumVolume() const;
    void openSearch(const QString& base, const QString& path, const QString& key);
    void layoutDisplayView();
    QList<BarButtonItem*> makeToolbarItems();

    std::unique_ptr<Ui::MainView> m_ui;
    std::shared_ptr<VLCController> m_currentRemote;
    QTimer m_updateStatusTimer;
    QTimer m_updatePlaylistTimer;
    std::unique_ptr<Skin> m_currentSkin;
    QPointer<QWidget> m_displayView;
    TitleView* m_titleView = nullptr;
    BarButtonItem* m_newsButton = nullptr;
    QPointer<ExclamationBadge> m_exclamation; // lives in the toolbar
    bool m_animatePicker = false;
    // The playlist the skin's tables show, to reload them only when it changed.
    quint64 m_shownPlaylist = 0;
    const void* m_shownPlaylistRemote = nullptr;
    QWidget* m_shownPlaylistRoot = nullptr;
    bool m_sheetShown = false;
};
