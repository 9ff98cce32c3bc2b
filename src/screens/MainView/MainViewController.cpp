#include "screens/MainView/MainViewController.h"

#include "core/AlertPresenter.h"
#include "core/Analytics.h"
#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/Common/CentralAccess.h"
#include "screens/Common/RemoteAlerts.h"
#include "screens/Common/RotationLock.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/Common/ExclamationBadge.h"
#include "screens/News/FeedsViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/WebView/WebViewController.h"
#include "skin/Skin.h"
#include "core/SkinFolders.h"
#include "skin/SkinProperties.h"
#include "skin/SkinRowCell.h"
#include "skin/TitleView.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/BWNavigationController.h"
#include "ui/FitLabel.h"
#include "ui/InterfaceHelpers.h"
#include "ui/NavigationItem.h"
#include "ui/PageControl.h"
#include "ui/PagingScrollView.h"
#include "ui/TableView.h"
#include "ui/UrlOpener.h"
#include "ui_MainView.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"
#include "vlc/VolumeRange.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QAbstractButton>
#include <QKeyEvent>

#include <cmath>

namespace {
const QString analyticsName = QStringLiteral("remote view");
constexpr int volumeStep = 10;
// How long after the estimate's whole second the time is shown again.
constexpr int clockTickLateMs = 20;

bool boolPreference(const QString& key)
{
    return UserDefaults::standard().boolForKey(key);
}

QString orientationName(int orientation)
{
    return Orientation::isLandscape(orientation) ? QStringLiteral("Landscape") : QStringLiteral("Portrait");
}
}

MainViewController::MainViewController(QWidget* parent)
    : ViewController(parent)
    , m_ui(std::make_unique<Ui::MainView>())
{
    m_ui->setupUi(this);
    // Holds the focus for the window's keys, but Tab passes it by: it has
    // no ring of its own.
    setFocusPolicy(Qt::ClickFocus);
    m_pageDots = new PageControl(m_ui->displayContainer);
    m_pageDots->setObjectName(QStringLiteral("pageDots"));
    m_pageDots->hide();
    connect(m_pageDots, &PageControl::pageChosen, this, [this](int page) {
        if (m_dotsFollow)
            m_dotsFollow->scrollToPage(page, true);
    });
    m_updateStatusTimer.setInterval(1000);
    m_updatePlaylistTimer.setInterval(3000);
    connect(&m_updateStatusTimer, &QTimer::timeout, this, &MainViewController::updateUI);
    connect(&m_updatePlaylistTimer, &QTimer::timeout, this, &MainViewController::updatePlaylist);
    m_clockTick.setSingleShot(true);
    m_clockTick.setTimerType(Qt::PreciseTimer); // a coarse one may fire before the second turns
    connect(&m_clockTick, &QTimer::timeout, this, [this] {
        scheduleClockTick();
        if (m_clockTick.isActive()) // still playing, and still heard from
            showTime();
    });
}

MainViewController::~MainViewController()
{
    qApp->removeEventFilter(this);
    NotificationCenter::defaultCenter().removeObserver(this);
    delete m_exclamation;
    // The skin's views live in this screen's tree; the skin goes first.
    m_currentSkin.reset();
}

QWidget* MainViewController::displayContainer() const
{
    return m_ui->displayContainer;
}

void MainViewController::setCurrentRemote(const std::shared_ptr<VLCController>& remote)
{
    if (m_currentRemote)
        disconnect(m_currentRemote.get(), nullptr, this, nullptr);
    m_currentRemote = remote;
    m_linkLogged = false;
    m_passwordDeclined = false;
    if (remote) {
        connect(remote.get(), &VLCController::requestConcluded, this, &RemoteAlerts::showForRequest);
        // Every answer, or its absence, may change what the screen tells.
        connect(remote.get(), &VLCController::requestConcluded, this, [this] { refreshLink(); });
        // Art arrives on its own, between status replies.
        connect(remote.get(), &VLCController::albumArtChanged, this, &MainViewController::showAlbumArt);
    }
    showAlbumArt();
    emit currentRemoteChanged(remote);
}

void MainViewController::showAlbumArt()
{
    if (!m_currentSkin)
        return;
    const VLCController* remote = m_currentRemote.get();
    const quint64 generation = remote ? remote->albumArtGeneration() : 0;
    if (remote == m_shownArtRemote && generation == m_shownArtGeneration)
        return;
    m_shownArtRemote = remote;
    m_shownArtGeneration = generation;
    m_currentSkin->setAlbumArt(remote ? remote->albumArt() : QByteArray());
}

// --- Life cycle -------------------------------------------------------------

void MainViewController::viewDidLoad()
{
    auto& center = NotificationCenter::defaultCenter();
    auto update = [this](const Notification&) { respondToUpdateStatusNotification(); };
    center.addObserver(this, NotificationNames::vlcStatusChanged, update);
    center.addObserver(this, NotificationNames::vlcPlayListChanged, update);
    center.addObserver(this, NotificationNames::applicationWillResignActive, [this](const Notification&) { stopTimer(); });
    center.addObserver(this, NotificationNames::applicationDidBecomeActive, [this](const Notification&) { startTimer(); });
    center.addObserver(this, NotificationNames::newsUpdateProcessed, [this](const Notification&) { newsUpdated(); });

    // Kept by this screen until the navigation bar takes it in.
    m_titleView = new TitleView(interfaceOrientation(), this);
    m_titleView->hide();
    navigationItem()->setTitleView(m_titleView);
    m_titleView->topLabel()->setText(localizedString("Connecting..."));
    connect(m_titleView, &TitleView::clicked, this, [this] {
        if (RemoteLinks::wantsPassword(m_link))
            promptForPassword();
        else if (m_link == RemoteLink::PasswordNotSet)
            showNoPasswordHint();
    });

    auto* full = new BarButtonItem(QIcon(QStringLiteral(":/images/fullscreen.png")), BarButtonItem::Bordered, this);
    full->setToolTip(localizedString("Full screen"));
    connect(full, &BarButtonItem::triggered, this, &MainViewController::fullScreen);
    navigationItem()->setRightBarButtonItem(full);
    setBackButtonTitle(localizedString("Remote"));
    setToolbarItems(makeToolbarItems());
    newsUpdated();
}

QList<BarButtonItem*> MainViewController::makeToolbarItems()
{
    auto item = [this](const char* title, void (MainViewController::*action)()) {
        auto* button = new BarButtonItem(localizedString(title), BarButtonItem::Bordered, this);
        connect(button, &BarButtonItem::triggered, this, action);
        return button;
    };
    m_newsButton = item(L10N_NOOP("News"), &MainViewController::showNews);
    return { item(L10N_NOOP("Playlist"), &MainViewController::playlist), BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             item(L10N_NOOP("Browse"), &MainViewController::browse), BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             m_newsButton, BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             item(L10N_NOOP("More..."), &MainViewController::actions) };
}

void MainViewController::viewWillAppear(bool)
{
    // The remote's keys work wherever the focus is in the window.
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    startTimer();
    if (!boolPreference(PreferenceKeys::disableLibs))
        Analytics::viewEntered(analyticsName);
    loadSkin();
    m_currentSkin->setMaxVolume(maximumVolume());
    if (m_currentRemote)
        m_currentSkin->setStatus(m_currentRemote->status());
    refreshLink();
}

void MainViewController::viewDidAppear(bool)
{
    const bool setUp = boolPreference(PreferenceKeys::haveSetupSuccesfully);
    const bool noticeShown = checkSkinValue();
    if (!noticeShown && setUp)
        showWhatsNewIfNeeded();
    if (CentralAccess* access = CentralAccess::instance())
        access->setupInstructionsViewController()->setHaveSetupSuccesfully();
    newsUpdated();
    setFocus();
}

void MainViewController::viewDidDisappear(bool)
{
    qApp->removeEventFilter(this);
    if (!boolPreference(PreferenceKeys::disableLibs))
        Analytics::viewLeft(analyticsName);
    stopTimer();
}

bool MainViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return Orientation::allowedByRotationLock(orientation, lockedRotation());
}

void MainViewController::didRotateFromInterfaceOrientation(int)
{
    if (m_currentSkin)
        handleRotation();
}

// --- Timers and updates ----------------------------------------------------------

void MainViewController::startTimer()
{
    stopTimer();
    m_updateStatusTimer.start();
    m_updatePlaylistTimer.start();
    // Ask at once rather than a poll later: the screen shows the player, and
    // its playlist (which enables the transport buttons), as it appears.
    if (m_currentRemote) {
        m_currentRemote->setPlaylistDirty(true);
        updateUI();
    }
}

void MainViewController::stopTimer()
{
    m_updateStatusTimer.stop();
    m_updatePlaylistTimer.stop();
    m_clockTick.stop();
}

void MainViewController::scheduleClockTick()
{
    // Each poll in three is the playlist's, and an unchanged playlist
    // announces nothing: the time must not wait for the next status.
    const std::optional<double> start = m_currentRemote ? m_currentRemote->estimatedStartTime() : std::nullopt;
    if (!start || !m_updateStatusTimer.isActive() || m_link != RemoteLink::Connected || !m_currentRemote->isPlaying()) {
        m_clockTick.stop();
        return;
    }
    const double elapsed = Clock::current().now() - *start;
    m_clockTick.start(int(std::ceil((std::floor(elapsed) + 1 - elapsed) * 1000)) + clockTickLateMs);
}

void MainViewController::showTime()
{
    if (!m_currentRemote || !m_currentSkin)
        return;
    const VLCController& r = *m_currentRemote;
    const int elapsed = r.timeElapsedSeconds();
    const int length = r.timeLengthSeconds();
    // Counted from the time shown, so that the two always add up.
    const int remaining = length > 0 ? qMax(0, length - elapsed) : r.timeRemainingSeconds();
    m_currentSkin->setTimeElapsed(elapsed, remaining, length, m_animatePicker);
}

void MainViewController::updateUI()
{
    if (!m_currentRemote)
        return;
    m_currentRemote->updateStatus();
    if (m_currentSkin)
        m_currentSkin->setStatus(m_currentRemote->status());
    refreshLink();
}

void MainViewController::refreshLink()
{
    if (!m_currentRemote)
        return;
    const RemoteLink link = RemoteLinks::of(*m_currentRemote);
    const bool changed = link != m_link || !m_linkLogged;
    if (changed) {
        // One line per change; the status text names the remote and never
        // carries a reply.
        ConsoleLog::log(QStringLiteral("remote screen: %@"), m_currentRemote->status());
        m_link = link;
        m_linkLogged = true;
        if (!RemoteLinks::wantsPassword(link))
            m_passwordDeclined = false;
    }
    if (m_currentSkin) {
        // Without any status the controls stand neutral; with an old one
        // and no current answer they are dimmed.
        const bool known = m_currentRemote->hasStatus();
        m_currentSkin->setLiveness(!known ? Skin::Liveness::NoState
                                           : link == RemoteLink::Connected ? Skin::Liveness::Live
                                                                           : Skin::Liveness::Stale);
        m_currentSkin->setStatus(m_currentRemote->status());
    }
    updateTitle();
    // The user can give the password right here, once per refusal.
    if (changed && RemoteLinks::wantsPassword(link) && !m_passwordDeclined && isVisibleOnStack())
        promptForPassword();
    else if (changed && link == RemoteLink::PasswordNotSet && isVisibleOnStack())
        showNoPasswordHint();
}

void MainViewController::updateTitle()
{
    if (!m_titleView || !m_currentRemote)
        return;
    // The title says what plays; when nothing does, or the player cannot be
    // reached, it names the remote and says why below.
    const QString name = m_currentRemote->name();
    const QString playing = m_link == RemoteLink::Connected
        ? m_currentRemote->titleForIndex(VLCController::currentItem).value_or(QString())
        : QString();
    m_titleView->topLabel()->setText(playing.isEmpty() ? name : playing);
    m_titleView->bottomLabel()->setText(playing.isEmpty() ? RemoteLinks::note(m_link) : name);
}

void MainViewController::showNoPasswordHint()
{
    if (!m_currentRemote)
        return;
    // The same words as the command-line remote's.
    AlertPresenter::show(m_currentRemote->status(), VLCController::noPasswordHint(), { localizedString("Ok") });
}

void MainViewController::promptForPassword()
{
    if (!m_currentRemote || m_passwordPromptOpen)
        return;
    const QString name = m_currentRemote->name();
    AlertRequest prompt;
    prompt.title = fmt(localizedString("Password for %@"), name);
    prompt.message = m_link == RemoteLink::PasswordRefused
        ? fmt(localizedString("VLC on %@ did not accept the password. Enter the password of its web interface."), name)
        : fmt(localizedString("VLC on %@ asks for the password of its web interface."), name);
    prompt.buttons = { localizedString("Cancel"), localizedString("Connect") };
    prompt.hasTextField = true;
    prompt.secureTextEntry = true;
    prompt.textPlaceholder = localizedString("Password");
    prompt.textCompletion = [self = QPointer<MainViewController>(this), remote = m_currentRemote](int index,
                                                                                                  const QString& text) {
        if (!self)
            return;
        self->m_passwordPromptOpen = false;
        if (index != 1 || remote != self->m_currentRemote) {
            self->m_passwordDeclined = true;
            return;
        }
        // Kept in the remote: a saved remote is written again with it.
        remote->setPassword(text);
        self->m_passwordDeclined = false;
        self->m_linkLogged = false; // a refusal of this password is news again
        remote->clearOldRequest();
        remote->setPlaylistDirty(true);
        remote->updateStatus();
    };
    if (AlertPresenter* presenter = AlertPresenter::current()) {
        m_passwordPromptOpen = true;
        presenter->present(prompt);
    }
}

void MainViewController::updatePlaylist()
{
    if (m_currentRemote)
        m_currentRemote->pollPlaylist();
}

void MainViewController::respondToUpdateStatusNotification()
{
    if (!m_currentRemote || !m_currentSkin)
        return;
    refreshLink();
    VLCController& r = *m_currentRemote;
    Skin& skin = *m_currentSkin;
    skin.setIsPlaying(r.isPlaying(), r.isStopped(), r.itemsInPlaylist());
    skin.setVolumeAnimated(float(r.volume()), m_animatePicker);
    showTime();
    skin.setLooping(r.isLooping(), r.isRandom(), r.isRepeating());
    const QString title = r.titleForIndex(VLCController::currentItem).value_or(QString());
    skin.setNowPlaying(title);
    updateTitle();
    // Only a new playlist (or another remote, or the other orientation's
    // tables) is worth a reload: a status reply that changes nothing must
    // not touch a single widget.
    if (r.playlistGeneration() != m_shownPlaylist || m_shownPlaylistRemote != &r || m_shownPlaylistRoot != m_displayView) {
        skin.reloadTableData();
        m_shownPlaylist = r.playlistGeneration();
        m_shownPlaylistRemote = &r;
        m_shownPlaylistRoot = m_displayView;
    }
    const int current = r.currentItemIndex();
    skin.setCurrentItem(current >= 0 && current < r.itemsInPlaylist() ? current : -1);
    showAlbumArt();
    m_animatePicker = true;
    scheduleClockTick();
}

void MainViewController::newsUpdated()
{
    CentralAccess* access = CentralAccess::instance();
    const bool news = access && access->newNewsExists();
    if (!m_exclamation && news && navigationController())
        m_exclamation = new ExclamationBadge;
    if (!m_exclamation)
        return;
    if (navigationController())
        m_exclamation->attach(m_newsButton, navigationController()->toolbar());
    m_exclamation->setWanted(news);
}

// --- The skin's actions ----------------------------------------------------------

void MainViewController::previous()
{
    if (m_currentRemote)
        m_currentRemote->previous();
}

void MainViewController::stop()
{
    if (m_currentRemote)
        m_currentRemote->stop();
}

void MainViewController::playPause()
{
    if (!m_currentRemote)
        return;
    if (m_currentRemote->isPlaying())
        m_currentRemote->pause();
    else
        m_currentRemote->playPause(m_currentRemote->idForIndex(VLCController::currentItem));
}

void MainViewController::next()
{
    if (m_currentRemote)
        m_currentRemote->next();
}

void MainViewController::random()
{
    if (m_currentRemote)
        m_currentRemote->random();
}

void MainViewController::repeat()
{
    if (m_currentRemote)
        m_currentRemote->repeat();
}

void MainViewController::loop()
{
    if (m_currentRemote)
        m_currentRemote->loop();
}

int MainViewController::maximumVolume() const
{
    return VolumeRange::maximumPercent(boolPreference(PreferenceKeys::doubleVol));
}

void MainViewController::volumeDown()
{
    if (!m_currentRemote)
        return;
    const int volume = m_currentRemote->volume();
    m_currentRemote->setVolume(volume >= volumeStep ? volume - volumeStep : 0);
}

void MainViewController::volumeUp()
{
    if (m_currentRemote)
        m_currentRemote->setVolume(qMin(m_currentRemote->volume() + volumeStep, maximumVolume()));
}

void MainViewController::scanForward()
{
    if (m_currentRemote)
        m_currentRemote->seekRelative(
            fmt(QStringLiteral("+%ds"), UserDefaults::standard().integerForKey(PreferenceKeys::skipDistance)));
}

void MainViewController::scanBack()
{
    if (m_currentRemote)
        m_currentRemote->seekRelative(
            fmt(QStringLiteral("-%ds"), UserDefaults::standard().integerForKey(PreferenceKeys::skipDistance)));
}

// Commands for DVDs and the advanced controls: the notice first (once), then
// the command whether or not the notice appears.
#define DVD_COMMAND(action)                                                                                           \
    void MainViewController::action()                                                                                  \
    {                                                                                                                  \
        dvdWarning();                                                                                                  \
        if (m_currentRemote)                                                                                           \
            m_currentRemote->action();                                                                                 \
    }
DVD_COMMAND(dvdUp)
DVD_COMMAND(dvdDown)
DVD_COMMAND(dvdLeft)
DVD_COMMAND(dvdRight)
DVD_COMMAND(dvdSelect)
DVD_COMMAND(dvdMenu)
DVD_COMMAND(subtitleDelayDown)
DVD_COMMAND(subtitleDelayUp)
DVD_COMMAND(audioDelayDown)
DVD_COMMAND(audioDelayUp)
DVD_COMMAND(speedSlower)
DVD_COMMAND(speedFaster)
DVD_COMMAND(toggleSubtitles)
DVD_COMMAND(toggleAudioTrack)
DVD_COMMAND(cropAspectRatio)
DVD_COMMAND(toggleAspectRatio)
#undef DVD_COMMAND

void MainViewController::sliderPositionChanged(double value)
{
    seek(int(value));
}

void MainViewController::sliderVolumeChanged(double value)
{
    setVolume(int(value));
}

void MainViewController::seek(int seconds)
{
    m_animatePicker = false;
    if (m_currentRemote)
        m_currentRemote->seekSeconds(seconds);
}

void MainViewController::setVolume(int volume)
{
    ConsoleLog::log(QStringLiteral("--setting volume to %d"), volume);
    m_animatePicker = false;
    if (m_currentRemote)
        m_currentRemote->setVolume(volume);
}

void MainViewController::fullScreen()
{
    if (m_currentRemote)
        m_currentRemote->fullScreen();
}

void MainViewController::playlist()
{
    CentralAccess* access = CentralAccess::instance();
    if (!access || !m_currentRemote)
        return;
    PlaylistViewController* screen = access->playlistViewController();
    screen->setCurrentRemote(m_currentRemote);
    pushShown(screen);
    m_currentRemote->updatePlaylist();
}

void MainViewController::browse()
{
    CentralAccess* access = CentralAccess::instance();
    if (!access || !m_currentRemote)
        return;
    BrowseViewController* screen = access->browseViewController();
    screen->setCurrentRemote(m_currentRemote);
    pushShown(screen);
    m_currentRemote->updateBrowseList();
}

void MainViewController::pushShown(ViewController* screen)
{
    if (auto* navigation = qobject_cast<BWNavigationController*>(navigationController()))
        navigation->pushViewControllerVisibility(screen, true, 1);
    else if (navigationController())
        navigationController()->pushViewController(screen, true);
}

void MainViewController::remotes()
{
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

void MainViewController::info()
{
    auto* navigation = qobject_cast<BWNavigationController*>(navigationController());
    if (!navigation)
        return;
    // The settings flip in, and flip back out on the way back.
    navigation->queueTransitionType(1, 2);
    navigation->pushViewController(CentralAccess::shared().flipsideViewController(), true);
}

void MainViewController::showNews()
{
    CentralAccess* access = CentralAccess::instance();
    if (!access || !navigationController())
        return;
    if (auto* navigation = qobject_cast<BWNavigationController*>(navigationController()))
        navigation->pushViewControllerVisibility(access->feedsViewController(), true, 1);
    else
        navigationController()->pushViewController(access->feedsViewController(), true);
}

void MainViewController::flipTablePicker()
{
    if (m_currentSkin)
        m_currentSkin->flipScrollView();
}

void MainViewController::openSearch(const QString& base, const QString& path, const QString& key)
{
    if (!m_currentRemote)
        return;
    const QString title = m_currentRemote->titleForIndex(VLCController::currentItem).value_or(QString());
    UrlOpener::open(QUrl(QStringLiteral("%1%2?%3=%4").arg(base, path, key, StringHelpers::fullyEscapedStringForUrl(title)),
                         QUrl::StrictMode));
}

void MainViewController::imdb()
{
    openSearch(ServiceHosts::movieDatabase, QStringLiteral("/find"), QStringLiteral("q"));
}

void MainViewController::amazon()
{
    openSearch(ServiceHosts::shop, QStringLiteral("/s"), QStringLiteral("field-keywords"));
}

// --- Sheets and notices ----------------------------------------------------------

void MainViewController::actions()
{
    AlertRequest sheet;
    sheet.title = localizedString("More...");
    sheet.buttons = { localizedString("Advanced Controls..."), localizedString("Find in IMDB"),
                      localizedString("Find in Amazon"), localizedString("Skins..."), localizedString("Settings..."),
                      localizedString("Cancel") };
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<MainViewController>(this)](int index) {
        if (self)
            self->actionsSheetDidDismissWithButtonIndex(index);
    };
    if (AlertPresenter* presenter = AlertPresenter::current())
        presenter->present(sheet);
}

void MainViewController::actionsSheetDidDismissWithButtonIndex(int index)
{
    switch (index) {
    case 0:
        showAdvancedControls();
        break;
    case 1:
        imdb();
        break;
    case 2:
        amazon();
        break;
    case 3:
        if (navigationController())
            navigationController()->pushViewController(CentralAccess::shared().skinsViewController(), true);
        break;
    case 4:
        info();
        break;
    default:
        break;
    }
}

void MainViewController::showAdvancedControls()
{
    if (!m_currentRemote || !navigationController())
        return;
    ViewController* menu = LuaAdditionalActionsViewController::suits(*m_currentRemote)
        ? static_cast<ViewController*>(CentralAccess::shared().luaAdditionalActionsViewController())
        : CentralAccess::shared().additionalActionsViewController();
    navigationController()->pushViewController(menu, true);
}

void MainViewController::dvdWarning()
{
    // Only the older interface needed a setup helper for these commands;
    // VLC 3's own web interface takes them as they are.
    if (boolPreference(PreferenceKeys::haveShownDvdWarning) || !m_currentRemote || !m_currentRemote->hasStatus()
        || m_currentRemote->dialect().isModern())
        return;
    AlertRequest sheet;
    sheet.title = localizedString("To use DVD controls, you will need to download and run the setup helper version 2.5 "
                                  "or higher.\n\nIf you ran the helper some time ago, you'll need to re-run the latest "
                                  "version");
    sheet.buttons = { localizedString("Send me details"), localizedString("Ok - Don't tell me again"),
                      localizedString("Ok") };
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<MainViewController>(this)](int index) {
        if (self)
            self->dvdActionSheetDidDismissWithButtonIndex(index);
    };
    if (AlertPresenter* presenter = AlertPresenter::current())
        presenter->present(sheet);
}

void MainViewController::dvdActionSheetDidDismissWithButtonIndex(int index)
{
    if (index == 0) {
        if (CentralAccess* access = CentralAccess::instance())
            access->setupInstructionsViewController()->presentOn(navigationController());
    } else if (index == 1)
        UserDefaults::standard().setBool(PreferenceKeys::haveShownDvdWarning, true);
}

bool MainViewController::checkSkinValue()
{
    if (showFailedSkinNotice())
        return true;
    const QString skin = UserDefaults::standard().stringForKey(PreferenceKeys::skin);
    if (!m_currentSkin || m_currentSkin->skinApiVersion() >= 4
        || UserDefaults::standard().stringForKey(PreferenceKeys::noSkinVersion) == skin)
        return false;
    AlertRequest sheet;
    sheet.title = localizedString("The skin you are using may not be supported by this version of PlayerLink. If the "
                                  "actions don't work, then please update to one of the new skins.");
    sheet.buttons = { localizedString("Ok - Don't tell me again"), localizedString("Ok") };
    sheet.actionSheet = true;
    sheet.completion = [self = QPointer<MainViewController>(this)](int index) {
        if (self)
            self->checkSkinSheetDidDismissWithButtonIndex(index);
    };
    if (AlertPresenter* presenter = AlertPresenter::current())
        presenter->present(sheet);
    return true;
}

void MainViewController::checkSkinSheetDidDismissWithButtonIndex(int index)
{
    if (index == 0)
        UserDefaults::standard().setObject(PreferenceKeys::noSkinVersion,
                                           UserDefaults::standard().stringForKey(PreferenceKeys::skin));
}

void MainViewController::showWhatsNewIfNeeded()
{
    if (UserDefaults::standard().integerForKey(PreferenceKeys::usersWhatsNewVersion) == 2)
        return;
    UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
    WebViewController* page = CentralAccess::shared().webViewController();
    page->loadHelpPage(QStringLiteral("whatsNew"));
    if (auto* navigation = qobject_cast<BWNavigationController*>(navigationController()))
        navigation->pushViewControllerVisibility(page, true, 1);
    else if (navigationController())
        navigationController()->pushViewController(page, true);
}

// --- Skin ----------------------------------------------------------------------

void MainViewController::loadSkin()
{
    const QString directory = UserDefaults::standard().stringForKey(PreferenceKeys::skin);
    if (m_currentSkin)
        m_currentSkin->setDirectory(directory);
    else {
        m_currentSkin = std::make_unique<Skin>(directory, this, UserDefaults::standard());
        m_shownArtGeneration = ~quint64(0); // a new skin has no art yet
    }
    if (!m_currentSkin->isLoaded() && directory != SkinFolders::builtInSkin) {
        // A skin that cannot be read would leave an empty screen: the
        // built-in skin takes its place, becomes the choice, and the user
        // is told which skin was dropped when the screen appears.
        ConsoleLog::log(QStringLiteral("skin %@ could not be loaded; using the built-in skin"), directory);
        m_failedSkin = directory;
        UserDefaults::standard().setObject(PreferenceKeys::skin, SkinFolders::builtInSkin);
        m_currentSkin->setDirectory(SkinFolders::builtInSkin);
    }
    handleRotation();
    showAlbumArt();
}

bool MainViewController::showFailedSkinNotice()
{
    if (m_failedSkin.isEmpty())
        return false;
    AlertRequest sheet;
    sheet.title = fmt(localizedString("The skin \"%@\" could not be loaded, so PlayerLink is using its built-in skin."),
                      QFileInfo(m_failedSkin).fileName());
    sheet.buttons = { localizedString("Ok") };
    sheet.actionSheet = true;
    m_failedSkin.clear();
    if (AlertPresenter* presenter = AlertPresenter::current())
        presenter->present(sheet);
    return true;
}

void MainViewController::clearCurrentSkin()
{
    m_currentSkin.reset();
}

void MainViewController::handleRotation()
{
    const bool portrait = !Orientation::isLandscape(interfaceOrientation());
    m_ui->pickerContainer->setVisible(portrait);
    QWidget* root = m_currentSkin->viewNamed(orientationName(interfaceOrientation()));
    if (m_displayView && m_displayView != root) {
        m_displayView->hide();
        m_displayView->setParent(nullptr);
    }
    m_displayView = root;
    if (root) {
        root->setParent(m_ui->displayContainer);
        root->show();
        layoutDisplayView();
    }
}

void MainViewController::layoutDisplayView()
{
    // A skin lays its controls out in points for one screen size: it is
    // scaled to fit the area, keeping its shape, and stands centred.
    if (!m_displayView || !m_currentSkin)
        return;
    // The area as the screen's layout gives it now, not as it stood before
    // the screen was first laid out: a passing tiny size would squeeze the
    // skin's scales past their zoom limits.
    layout()->activate();
    const QSize area = m_ui->displayContainer->size();
    const QSize points = m_displayView->property(SkinProperties::pointFrame).toRect().size();
    if (!points.isEmpty() && !area.isEmpty()) {
        const qreal fit = qMin(qreal(area.width()) / points.width(), qreal(area.height()) / points.height());
        m_currentSkin->setContentScale(qBound(0.05, fit, maximumSkinScale));
    }
    const QSize size = m_displayView->size();
    m_displayView->move(qMax(0, (area.width() - size.width()) / 2), qMax(0, (area.height() - size.height()) / 2));
    layoutPageDots();
}

void MainViewController::layoutPageDots()
{
    PagingScrollView* pages = m_currentSkin ? m_currentSkin->mainScrollView() : nullptr;
    if (pages != m_dotsFollow) {
        if (m_dotsFollow)
            disconnect(m_dotsFollow, nullptr, m_pageDots, nullptr);
        m_dotsFollow = pages;
        if (pages)
            connect(pages, &PagingScrollView::visiblePageChanged, m_pageDots, &PageControl::setCurrentPage);
    }
    if (!pages || !m_displayView || pages->pageCount() <= 1) {
        m_pageDots->hide();
        return;
    }
    // Just below the pages, inside the skin.
    const qreal scale = m_currentSkin->contentScale();
    m_pageDots->setDotSize(qMax(5, int(std::lround(7 * scale))));
    m_pageDots->setNumberOfPages(pages->pageCount());
    m_pageDots->setCurrentPage(pages->visiblePage());
    const QRect area(pages->mapTo(m_ui->displayContainer, QPoint(0, 0)), pages->size());
    const QSize hint = m_pageDots->sizeHint();
    const QRect skin = m_displayView->geometry();
    const int top = qMin(area.bottom() + 1 + int(std::lround(2 * scale)), skin.bottom() + 1 - hint.height());
    m_pageDots->setGeometry(area.center().x() - hint.width() / 2, top, hint.width(), hint.height());
    m_pageDots->show();
    m_pageDots->raise();
}

QSize MainViewController::minimumViewSize(int orientation) const
{
    if (!m_currentSkin)
        return {};
    const QSize points = m_currentSkin->pointSizeOf(orientationName(orientation));
    if (points.isEmpty())
        return {};
    return { int(std::ceil(points.width() * minimumSkinScale)), int(std::ceil(points.height() * minimumSkinScale)) };
}

void MainViewController::resizeEvent(QResizeEvent* event)
{
    ViewController::resizeEvent(event);
    layoutDisplayView();
}

// --- Playlist table --------------------------------------------------------------

int MainViewController::numberOfSections(TableView*)
{
    return 1;
}

int MainViewController::numberOfRowsInSection(TableView*, int)
{
    const int items = m_currentRemote ? m_currentRemote->itemsInPlaylist() : 0;
    return items >= 1 ? items : 1;
}

TableViewCell* MainViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    TableViewCell* cell = m_currentSkin->obtainTableCellForTable(table);
    const bool empty = !m_currentRemote || m_currentRemote->itemsInPlaylist() == 0;
    const QString text = empty ? localizedString("(Playlist Empty)")
                               : m_currentRemote->titleForIndex(indexPath.row()).value_or(QString());
    if (auto* row = qobject_cast<SkinRowCell*>(cell)) {
        row->setPlaying(!empty && indexPath.row() == m_currentSkin->currentItem());
        row->setTitle(text);
    } else {
        cell->textLabel()->setText(text);
    }
    return cell;
}

IndexPath MainViewController::willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    return indexPath;
}

void MainViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    if (m_currentRemote && m_currentRemote->itemsInPlaylist() > 0)
        m_currentRemote->playFromStart(m_currentRemote->idForIndex(indexPath.row()));
    table->deselectRowAtIndexPath(indexPath, true);
}

// --- Keyboard --------------------------------------------------------------------

bool MainViewController::handleRemoteKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        if (m_currentSkin)
            m_currentSkin->turnPage(event->key() == Qt::Key_Left ? -1 : 1);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Space:
        playPause();
        return true;
    case Qt::Key_Left:
        scanBack();
        return true;
    case Qt::Key_Right:
        scanForward();
        return true;
    case Qt::Key_Up:
        volumeUp();
        return true;
    case Qt::Key_Down:
        volumeDown();
        return true;
    case Qt::Key_N:
        next();
        return true;
    case Qt::Key_P:
        previous();
        return true;
    case Qt::Key_F:
        fullScreen();
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (m_currentSkin)
            m_currentSkin->turnPage(event->key() == Qt::Key_PageUp ? -1 : 1);
        return true;
    default:
        return false;
    }
}

void MainViewController::keyPressEvent(QKeyEvent* event)
{
    if (isVisibleOnStack() && handleRemoteKey(event))
        event->accept();
    else
        ViewController::keyPressEvent(event);
}

bool MainViewController::eventFilter(QObject* watched, QEvent* event)
{
    // Keys of this window reach the remote before the control with focus
    // (a list, a wheel, a slider) turns them to its own use.
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || !isVisibleOnStack() || !isVisible() || target->window() != window() || InterfaceHelpers::isEditingText(target))
        return false;
    for (AlertView* alert : AlertView::visibleAlerts())
        if (alert->window() == window())
            return false; // an alert over the screen keeps its keys
    const auto* key = static_cast<QKeyEvent*>(event);
    // Space on a button reached by Tab presses that button, as on any
    // desktop; with a list or nothing focused it still plays and pauses.
    if (InterfaceHelpers::pressesFocusedButton(target, key))
        return false;
    return handleRemoteKey(key);
}
