#pragma once

#include "models/RemoteLink.h"
#include "screens/Common/ExclamationBadge.h"
#include "skin/SkinDelegate.h"
#include "ui/ViewController.h"

#include <QPointer>
#include <QTimer>

#include <memory>

class BarButtonItem;
class PageControl;
class PagingScrollView;
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
//
// The skin is scaled to fit the screen, keeping its shape, up to twice its
// size. While the screen is on top its keys act on the remote whatever
// control has focus, except a text field being edited: space play/pause,
// left/right skip, up/down volume, N/P next/previous, F full screen,
// Ctrl+left/right or Page Up/Down turn the skin's pages.
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
    RemoteLink link() const { return m_link; }
    PageControl* pageDots() const { return m_pageDots; }

    // The skin is never drawn smaller than this share of its size, which
    // sets the smallest window that shows it whole.
    static constexpr qreal minimumSkinScale = 0.7;
    static constexpr qreal maximumSkinScale = 2.0;
    QSize minimumViewSize(int orientation) const override;

    // Asks for VLC's password and keeps it in the remote (saved with it).
    void promptForPassword();
    void showNoPasswordHint();

    // Timers and updates.
    void startTimer();
    void stopTimer();
    void updateUI();
    void updatePlaylist();
    void respondToUpdateStatusNotification();
    // Shows the remote's elapsed, remaining and total time.
    void showTime();
    // Gives the skin the current remote's art when it changed.
    void showAlbumArt();
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
    // The notice naming a chosen skin that could not be loaded (and was
    // replaced by the built-in one); false when there is none to give.
    bool showFailedSkinNotice();
    void showWhatsNewIfNeeded();
    void dvdWarning();
    void actionsSheetDidDismissWithButtonIndex(int index);
    // The advanced-controls menu that suits the remote.
    void showAdvancedControls();
    void dvdActionSheetDidDismissWithButtonIndex(int index);
    void checkSkinSheetDidDismissWithButtonIndex(int index);

    bool shouldAutorotateToInterfaceOrientation(int orientation) const override;
    void didRotateFromInterfaceOrientation(int fromOrientation) override;

signals:
    void currentRemoteChanged(const std::shared_ptr<VLCController>& remote);

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int maximumVolume() const;
    void openSearch(const QString& base, const QString& path, const QString& key);
    // Pushes a screen of the remote with the navigation bar shown.
    void pushShown(ViewController* screen);
    void layoutDisplayView();
    void layoutPageDots();
    QList<BarButtonItem*> makeToolbarItems();
    // Acts on a documented key; false when it is not one.
    bool handleRemoteKey(const QKeyEvent* event);
    // Reads the connection, logs a change, and shows it.
    void refreshLink();
    void updateTitle();
    // While the player plays, the time is shown again just after each whole
    // second of the remote's estimate, whether or not a reply came.
    void scheduleClockTick();

    std::unique_ptr<Ui::MainView> m_ui;
    std::shared_ptr<VLCController> m_currentRemote;
    QTimer m_updateStatusTimer;
    QTimer m_updatePlaylistTimer;
    QTimer m_clockTick;
    std::unique_ptr<Skin> m_currentSkin;
    QString m_failedSkin; // dropped by loadSkin, named once in a notice
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
    RemoteLink m_link = RemoteLink::Connecting;
    bool m_linkLogged = false;
    const VLCController* m_shownArtRemote = nullptr;
    quint64 m_shownArtGeneration = 0;
    // The user dismissed the password prompt: it stays away until the
    // connection changes or the title is clicked.
    bool m_passwordDeclined = false;
    bool m_passwordPromptOpen = false;
    PageControl* m_pageDots = nullptr;
    QPointer<PagingScrollView> m_dotsFollow;
};
