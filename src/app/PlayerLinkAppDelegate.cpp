#include "app/PlayerLinkAppDelegate.h"

#include "app/AppNavigator.h"
#include "app/ApplicationActivity.h"
#include "app/AppWindow.h"
#include "app/BundleInstaller.h"
#include "app/CentralAccessFactory.h"
#include "app/RemoteScreenMediaKeys.h"
#include "app/SavedRemotesFile.h"
#include "core/Analytics.h"
#include "core/ConsoleLog.h"
#include "core/FileHelpers.h"
#include "core/HomePaths.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "desktop/PasswordKeyring.h"
#include "desktop/ScreenLockWatch.h"
#include "models/NewsModel.h"
#include "models/NoInternetNotice.h"
#include "net/Reachability_2.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/SkinsView/SkinDownloadProgressView.h"
#include "skin/SkinArchiveInstaller.h"
#include "skin/SkinDownloader.h"
#include "core/SkinFolders.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"
#include "vlc/VLCController.h"

void PlayerLinkAppDelegate::initialize()
{
    UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
}

PlayerLinkAppDelegate::PlayerLinkAppDelegate(Reachability_2* reachability, QObject* parent)
    : QObject(parent)
    , m_reachability(reachability ? reachability : &Reachability_2::sharedReachability())
{
}

PlayerLinkAppDelegate::~PlayerLinkAppDelegate()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void PlayerLinkAppDelegate::applicationDidFinishLaunching()
{
    // Documents holds the saved passwords: the owner's alone, also when an
    // older version made it open to others.
    FileHelpers::makeDirectory(HomePaths::documents(), FileAccess::OwnerOnly);
    BundleInstaller::install();
    // What installs and deletes killed mid-way left in the skins folder.
    SkinArchiveInstaller(SkinFolders::installedSkins()).sweepLeftovers();
    UserDefaults& defaults = UserDefaults::standard();
    defaults.boolForKey(PreferenceKeys::launchedNotExited); // read, as at every launch, and not used
    defaults.setBool(PreferenceKeys::launchedNotExited, true);
    loadSavedRemotes();

    CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
    // Written at once whenever the list or a saved remote changes, so that
    // a crash or a kill loses nothing the user entered.
    connect(&factory, &CentralAccessFactory::savedRemotesChanged, this, &PlayerLinkAppDelegate::saveRemotes,
            Qt::UniqueConnection);
    // A password the keyring now holds leaves the file.
    connect(&PasswordKeyring::standard(), &PasswordKeyring::stored, this, &PlayerLinkAppDelegate::saveRemotes,
            Qt::UniqueConnection);

    m_window = std::make_unique<AppWindow>();
    m_navController = new BWNavigationController(factory.remotesViewController(), m_window.get());
    m_window->setNavigationController(m_navController);
    // The screens' intents are carried out on this stack.
    factory.navigator().setStack(m_navController);
    // Media keys and the desktop's media widgets drive the open remote.
    m_mediaKeys = std::make_unique<RemoteScreenMediaKeys>(m_navController, m_window.get());
    connect(&factory, &CentralAccessFactory::rotationLockChanged, m_window.get(), &AppWindow::rotationLockChanged,
            Qt::UniqueConnection);
    connect(&factory, &CentralAccessFactory::keepAwakeChanged, this, &PlayerLinkAppDelegate::disableSleepIfNeeded,
            Qt::UniqueConnection);
    // A skin link tapped in the gallery asks the same question as one from outside.
    connect(&factory, &CentralAccessFactory::skinLinkOpened, this, &PlayerLinkAppDelegate::handleOpenURL,
            Qt::UniqueConnection);
    // Alerts show over the window, for the screens given them and for those
    // that still ask for the one in use.
    factory.widgetAlerts().setHost(m_window.get());
    AlertPresenter::setCurrent(&factory.widgetAlerts());
    // Active while the window can be seen, focused or not, and the screen
    // is not locked.
    if (!m_screenLock)
        m_screenLock = std::make_unique<ScreenLockWatch>();
    m_activity = std::make_unique<ApplicationActivity>(m_window.get());
    connect(m_activity.get(), &ApplicationActivity::becameActive, this, &PlayerLinkAppDelegate::applicationDidBecomeActive);
    connect(m_activity.get(), &ApplicationActivity::resignedActive, this,
            &PlayerLinkAppDelegate::applicationWillResignActive);

    Analytics::startSession(UserDefaults::standard());
    m_window->show();
    m_noInternet = std::make_unique<NoInternetNotice>(*m_reachability, factory.widgetAlerts());
    m_noInternet->check();
    registerForWebPageNotifications();
    disableSleepIfNeeded();
    // The news is asked for at launch, so that the news buttons can show
    // their badge (nothing is asked without a configured news site).
    factory.news().refresh();
}

void PlayerLinkAppDelegate::applicationWillTerminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    saveRemotes();
    UserDefaults::standard().setBool(PreferenceKeys::launchedNotExited, false);
    Analytics::endSession(UserDefaults::standard());
    m_inhibitor.setInhibited(false);
}

void PlayerLinkAppDelegate::applicationDidBecomeActive()
{
    NotificationCenter::defaultCenter().post(NotificationNames::applicationDidBecomeActive);
}

void PlayerLinkAppDelegate::applicationWillResignActive()
{
    NotificationCenter::defaultCenter().post(NotificationNames::applicationWillResignActive);
}

void PlayerLinkAppDelegate::applicationReopened(const QStringList& links)
{
    bringToFront();
    for (const QString& link : links)
        handleOpenURL(link);
}

void PlayerLinkAppDelegate::bringToFront()
{
    if (m_window)
        m_window->bringToFront();
}

void PlayerLinkAppDelegate::saveRemotes()
{
    SavedRemotesFile file(SavedRemotesFile::defaultPath(), &PasswordKeyring::standard());
    if (!file.save(CentralAccessFactory::sharedFactory().savedRemotes().records()))
        ConsoleLog::log(QStringLiteral("could not write the saved remotes to %@"), file.path());
}

void PlayerLinkAppDelegate::loadSavedRemotes()
{
    SavedRemotesFile file(SavedRemotesFile::defaultPath(), &PasswordKeyring::standard());
    if (std::optional<std::vector<RemoteRecord>> remotes = file.load())
        CentralAccessFactory::sharedFactory().setSavedRemotes(std::move(*remotes));
}

AlertView* PlayerLinkAppDelegate::showAlert(const QString& title, const QString& message, const QStringList& buttons,
                                            std::function<void(int)> answer)
{
    AlertRequest request;
    request.title = title;
    request.message = message;
    request.buttons = buttons;
    request.completion = std::move(answer);
    auto* alert = new AlertView(request, m_window.get());
    alert->showAnimated();
    return alert;
}

bool PlayerLinkAppDelegate::handleOpenURL(const QString& url)
{
    ConsoleLog::log(QStringLiteral("launched with url: %@"), url);
    m_skinUrl = url;
    m_skinDownloadAlert = showAlert(localizedString("Download Skin ?"),
                                    fmt(localizedString("Do you want to download a skin from:\n%@"), m_skinUrl),
                                    { localizedString("Cancel"), localizedString("Download") },
                                    [this](int button) {
                                        m_skinDownloadAlert = nullptr;
                                        if (button != 1)
                                            return;
                                        auto* downloader = new SkinDownloader(this);
                                        downloader->setDeletesWhenDone(true);
                                        downloader->setAlerts(&CentralAccessFactory::sharedFactory().currentAlerts());
                                        SkinDownloadProgressView::follow(downloader, m_window.get());
                                        downloader->downloadSkin(m_skinUrl);
                                    });
    return true;
}

AlertView* PlayerLinkAppDelegate::noInternetAlert() const
{
    if (!m_noInternet || !m_noInternet->isShowing())
        return nullptr;
    for (AlertView* shown : AlertView::visibleAlerts())
        if (shown->title() == NoInternetNotice::title())
            return shown;
    return nullptr;
}

void PlayerLinkAppDelegate::disableSleepIfNeeded()
{
    m_inhibitor.followPreference(UserDefaults::standard());
}

void PlayerLinkAppDelegate::registerForWebPageNotifications()
{
    NotificationCenter::defaultCenter().removeObserver(this, NotificationNames::setupHelper);
    NotificationCenter::defaultCenter().addObserver(this, NotificationNames::setupHelper,
                                                    [this](const Notification&) { showSetupVC(); });
}

void PlayerLinkAppDelegate::showSetupVC()
{
    CentralAccessFactory::sharedFactory().setupInstructionsViewController()->presentOn(m_navController);
}

void PlayerLinkAppDelegate::connectTo(const QString& hostAddress, const QString& password)
{
    CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
    std::shared_ptr<VLCController> remote;
    SavedRemoteList& saved = factory.savedRemotes();
    for (size_t i = 0; i < saved.size(); ++i)
        if (saved.recordAt(i).hostAddress == hostAddress)
            remote = saved.remoteAt(i);
    const bool unlisted = !remote;
    if (unlisted) {
        RemoteRecord record;
        record.hostAddress = hostAddress;
        remote = std::make_shared<VLCController>(record, factory.network());
    }
    // Before the list probes it: a probe without the password would be
    // refused and ask the user for the password given here.
    if (!password.isNull())
        remote->setPassword(password);
    if (unlisted) // listed with the found computers, so the way back leads somewhere
        factory.remotesViewController()->addCommandLineRemote(remote);
    MainViewController* screen = factory.mainViewController();
    screen->setCurrentRemote(remote);
    m_navController->popToRootViewControllerAnimated(false);
    m_navController->pushViewController(screen, false);
}
