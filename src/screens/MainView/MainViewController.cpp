#include "screens/MainView/MainViewController.h"

#include "core/AlertPresenter.h"
#include "core/Analytics.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "screens/Common/CentralAccess.h"
#include "screens/News/ExclamationBadge.h"
#include "screens/News/FeedsViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/WebView/WebViewController.h"
#include "skin/Skin.h"
#include "skin/SkinRowCell.h"
#include "skin/TitleView.h"
#include "ui/BarButtonItem.h"
#include "ui/BWNavigationController.h"
#include "ui/FitLabel.h"
#include "ui/NavigationItem.h"
#include "ui/TableView.h"
#include "ui/UrlOpener.h"
#include "ui_MainView.h"
#include "vlc/VLCController.h"

#include <QIcon>
#include <QKeyEvent>

namespace {
const QString analyticsName = QStringLiteral("remote view");
constexpr int volumeStep = 10;

bool boolPreference(const QString& key)
{
    return UserDefaults::standard().boolForKey(key);
}
}

MainViewController::MainViewController(QWidget* parent)
    : ViewController(parent)
    , m_ui(std::make_unique<Ui::MainView>())
{
    m_ui->setupUi(this);
    setFocusPolicy(Qt::StrongFocus);
    m_updateStatusTimer.setInterval(1000);
    m_updatePlaylistTimer.setInterval(3000);
    connect(&m_updateStatusTimer, &QTimer::timeout, this, &MainViewController::updateUI);
    connect(&m_updatePlaylistTimer, &QTimer::timeout, this, &MainViewController::updatePlaylist);
}

MainViewController::~MainViewController()
{
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
    m_currentRemote = remote;
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

    auto* full = new BarButtonItem(QIcon(QStringLiteral(":/images/fullscreen.png")), BarButtonItem::Bordered, this);
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
    m_newsButton = item("News", &MainViewController::showNews);
    return { item("Playlist", &MainViewController::playlist), BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             item("Browse", &MainViewController::browse), BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             m_newsButton, BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this),
             item("More...", &MainViewController::actions) };
}

void MainViewController::viewWillAppear(bool)
{
    startTimer();
    if (!boolPreference(PreferenceKeys::disableLibs))
        Analytics::viewEntered(analyticsName);
    loadSkin();
    if (m_currentRemote)
        m_titleView->bottomLabel()->setText(m_currentRemote->nickname().isEmpty() ? m_currentRemote->name()
                                                                                  : m_currentRemote->nickname());
    m_currentSkin->setMaxVolume(maximumVolume());
    if (m_currentRemote)
        m_currentSkin->setStatus(m_currentRemote->status());
    if (navigationController())
        navigationController()->setToolbarHidden(false);
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
    if (!boolPreference(PreferenceKeys::disableLibs))
        Analytics::viewLeft(analyticsName);
    stopTimer();
    if (navigationController() && navigationController()->topViewController() != this)
        navigationController()->setToolbarHidden(true);
}

bool MainViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return Orientation::allowedByRotationLock(orientation);
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
}

void MainViewController::updateUI()
{
    if (!m_currentRemote)
        return;
    m_currentRemote->updateStatus();
    if (m_currentSkin)
        m_currentSkin->setStatus(m_currentRemote->status());
}

void MainViewController::updatePlaylist()
{
    if (m_currentRemote)
        m_currentRemote->updatePlaylist();
}

void MainViewController::respondToUpdateStatusNotification()
{
    if (!m_currentRemote || !m_currentSkin)
        return;
    VLCController& r = *m_currentRemote;
    Skin& skin = *m_currentSkin;
    skin.setIsPlaying(r.isPlaying(), r.isStopped(), r.itemsInPlaylist());
    skin.setVolumeAnimated(float(r.volume()), m_animatePicker);
    skin.setTimeElapsed(r.timeElapsedSeconds(), r.timeRemainingSeconds(), r.timeLengthSeconds(), m_animatePicker);
    skin.setLooping(r.isLooping(), r.isRandom(), r.isRepeating());
    const QString title = r.titleForIndex(VLCController::currentItem).value_or(QString());
    skin.setNowPlaying(title);
    if (m_titleView)
        m_titleView->topLabel()->setText(title);
    // Only a new playlist (or another remote, or the other orientation's
    // tables) is worth a reload: a status reply that changes nothing must
    // not touch a single widget.
    if (r.playlistGeneration() != m_shownPlaylist || m_shownPlaylistRemote != &r || m_shownPlaylistRoot != m_displayView) {
        skin.reloadTableData();
        m_shownPlaylist = r.playlistGeneration();
        m_shownPlaylistRemote = &r;
        m_shownPlaylistRoot = m_displayView;
    }
    m_animatePicker = true;
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
    return boolPreference(PreferenceKeys::doubleVol) ? 400 : 200;
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
    // The playlist screen arrives with its own part of the application.
    ConsoleLog::log(QStringLiteral("the playlist screen is not available yet"));
}

void MainViewController::browse()
{
    ConsoleLog::log(QStringLiteral("the browser is not available yet"));
}

void MainViewController::remotes()
{
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}

void MainViewController::info()
{
    ConsoleLog::log(QStringLiteral("the settings screen is not available yet"));
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
        ConsoleLog::log(QStringLiteral("the advanced controls are not available yet"));
        break;
    case 1:
        imdb();
        break;
    case 2:
        amazon();
        break;
    case 3:
        ConsoleLog::log(QStringLiteral("the skin list is not available yet"));
        break;
    case 4:
        info();
        break;
    default:
        break;
    }
}

void MainViewController::dvdWarning()
{
    if (boolPreference(PreferenceKeys::haveShownDvdWarning))
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
    else
        m_currentSkin = std::make_unique<Skin>(directory, this);
    handleRotation();
}

void MainViewController::clearCurrentSkin()
{
    m_currentSkin.reset();
}

void MainViewController::handleRotation()
{
    const bool portrait = !Orientation::isLandscape(interfaceOrientation());
    m_ui->pickerContainer->setVisible(portrait);
    QWidget* root = m_currentSkin->viewNamed(portrait ? QStringLiteral("Portrait") : QStringLiteral("Landscape"));
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
    // A skin lays its controls out in points for one screen size; on a larger
    // window it stands centred.
    if (!m_displayView)
        return;
    const QSize area = m_ui->displayContainer->size();
    const QSize size = m_displayView->size();
    m_displayView->move(qMax(0, (area.width() - size.width()) / 2), qMax(0, (area.height() - size.height()) / 2));
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
    if (auto* row = qobject_cast<SkinRowCell*>(cell))
        row->setTitle(text);
    else
        cell->textLabel()->setText(text);
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

void MainViewController::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        playPause();
        break;
    case Qt::Key_Left:
        scanBack();
        break;
    case Qt::Key_Right:
        scanForward();
        break;
    case Qt::Key_Up:
        volumeUp();
        break;
    case Qt::Key_Down:
        volumeDown();
        break;
    case Qt::Key_N:
        next();
        break;
    case Qt::Key_P:
        previous();
        break;
    case Qt::Key_F:
        fullScreen();
        break;
    default:
        ViewController::keyPressEvent(event);
        return;
    }
    event->accept();
}
