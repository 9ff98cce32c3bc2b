#include "app/CentralAccessFactory.h"

#include "app/AppNavigator.h"
#include "core/DiagnosticLog.h"
#include "core/Localization.h"
#include "core/UserDefaults.h"
#include "models/NewsModel.h"
#include "models/RemoteSession.h"
#include "models/RemotesModel.h"
#include "models/SetupInstructions.h"
#include "models/SkinListModel.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "models/RemoteWaker.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/News/FeedsViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "screens/RemoteConfig/RemoteConfigViewController.h"
#include "screens/FoundRemotes/FoundRemotesViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/SkinsWebView/SkinsWebViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/Track/TrackViewController.h"
#include "screens/WebView/WebViewController.h"
#include "ui/UrlOpener.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QDir>
#include <QFile>
#include <QUrl>

std::mutex CentralAccessFactory::s_lock;
CentralAccessFactory* CentralAccessFactory::s_instance = nullptr;

CentralAccessFactory& CentralAccessFactory::sharedFactory()
{
    // The only lock of the application: creation may be asked for from
    // anywhere, once.
    std::lock_guard<std::mutex> guard(s_lock);
    if (!s_instance) {
        s_instance = new CentralAccessFactory;
        s_instance->createLogFile();
    }
    return *s_instance;
}

void CentralAccessFactory::shutdown()
{
    std::lock_guard<std::mutex> guard(s_lock);
    delete s_instance;
    s_instance = nullptr;
}

CentralAccessFactory::CentralAccessFactory()
    : m_network(new QNetworkAccessManager(this))
    , m_savedRemotes(new SavedRemoteList(m_network, this))
    , m_navigator(std::make_unique<AppNavigator>(*this))
    , m_session(new RemoteSession(context(), this))
    , m_remotes(new RemotesModel(*m_savedRemotes, m_network, this))
{
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    connect(m_savedRemotes, &SavedRemoteList::changed, this, &CentralAccessFactory::savedRemotesChanged);
    // Learns the hardware addresses of saved remotes as they answer.
    new RemoteWaker(this);
}

CentralAccessFactory::~CentralAccessFactory()
{
    // Screens never shown have no parent to take them along.
    for (const QPointer<QWidget>& screen : m_screens)
        if (screen && !screen->parent())
            delete screen;
    if (AlertPresenter::current() == &m_widgetAlerts)
        AlertPresenter::setCurrent(nullptr);
    // Replies still queued for deletion go before their manager does.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

AppContext CentralAccessFactory::context()
{
    return { m_network, UserDefaults::standard(), *m_alerts, *m_clock, *m_navigator };
}

AppContext CentralAccessFactory::pageContext()
{
    // Web pages follow redirects, which the remotes' network refuses: they
    // load through one of their own.
    AppContext pages = context();
    pages.network = nullptr;
    return pages;
}

AppContext CentralAccessFactory::remoteScreenContext()
{
    AppContext given = context();
    return { given.network, given.defaults, m_alerts == &m_widgetAlerts ? m_currentAlerts : *m_alerts, given.clock,
             given.navigator };
}

NewsModel& CentralAccessFactory::news()
{
    if (!m_news)
        m_news = new NewsModel(context(), QStringLiteral("newsFeed.plist"), QStringLiteral("feedTemplate"),
                               QStringLiteral("VLC"), this);
    return *m_news;
}

SkinListModel& CentralAccessFactory::skins()
{
    if (!m_skins)
        m_skins = new SkinListModel(context().defaults, this);
    return *m_skins;
}

bool CentralAccessFactory::newNewsExists()
{
    return news().hasUnread();
}

void CentralAccessFactory::setSavedRemotes(std::vector<RemoteRecord> records)
{
    m_savedRemotes->setRecords(std::move(records));
}

void CentralAccessFactory::addSavedRemote(const std::shared_ptr<VLCController>& remote)
{
    if (!remote->network())
        remote->setNetwork(m_network);
    m_savedRemotes->add(remote);
}

void CentralAccessFactory::removeSavedRemote(const std::shared_ptr<VLCController>& given)
{
    // The caller may hand in the list's own remote.
    const std::shared_ptr<VLCController> remote = given;
    m_savedRemotes->remove(remote.get());
}

std::shared_ptr<VLCController> CentralAccessFactory::currentRemote() const
{
    // Asked of the remote screen only once it exists: asking never creates it.
    return m_mainViewController ? m_mainViewController->currentRemote() : nullptr;
}

MainViewController* CentralAccessFactory::mainViewController()
{
    if (!m_mainViewController) {
        screen(m_mainViewController, remoteScreenContext(), *m_session, &news());
        // The remote screen shown with a remote: the setup worked.
        connect(m_mainViewController, &MainViewController::appeared, this,
                [this] { setupInstructionsViewController()->instructions().setHaveSetupSuccesfully(); });
    }
    return m_mainViewController;
}

SkinsViewController* CentralAccessFactory::skinsViewController()
{
    if (!m_skinsViewController) {
        screen(m_skinsViewController, skins(), context().defaults, *m_navigator);
        // The remote screen builds its skin afresh from the choice made there.
        connect(m_skinsViewController, &SkinsViewController::shown, this,
                [this] { mainViewController()->clearCurrentSkin(); });
    }
    return m_skinsViewController;
}

SkinsWebViewController* CentralAccessFactory::skinsWebViewController()
{
    if (!m_skinsWebViewController) {
        screen(m_skinsWebViewController, pageContext());
        connect(m_skinsWebViewController, &SkinsWebViewController::skinLinkChosen, this,
                &CentralAccessFactory::skinLinkOpened);
    }
    return m_skinsWebViewController;
}

RemotesViewController* CentralAccessFactory::remotesViewController()
{
    return screen(m_remotesViewController, context(), *m_remotes, news());
}

WebViewController* CentralAccessFactory::webViewController()
{
    return screen(m_webViewController, pageContext());
}

FlipsideViewController* CentralAccessFactory::flipsideViewController()
{
    if (!m_flipsideViewController) {
        screen(m_flipsideViewController, context());
        connect(m_flipsideViewController, &FlipsideViewController::rotationLockChanged, this,
                &CentralAccessFactory::rotationLockChanged);
        connect(m_flipsideViewController, &FlipsideViewController::keepAwakeChanged, this,
                &CentralAccessFactory::keepAwakeChanged);
        connect(m_flipsideViewController, &FlipsideViewController::skinSlidingChanged, this, [this] {
            if (m_mainViewController)
                m_mainViewController->clearCurrentSkin();
        });
    }
    return m_flipsideViewController;
}

SkipDistanceViewController* CentralAccessFactory::skipDistanceViewController()
{
    return screen(m_skipDistanceViewController, UserDefaults::standard());
}

AdditionalActionsViewController* CentralAccessFactory::additionalActionsViewController()
{
    return screen(m_additionalActionsViewController, context(), *m_session);
}

LuaAdditionalActionsViewController* CentralAccessFactory::luaAdditionalActionsViewController()
{
    return screen(m_luaAdditionalActionsViewController, context(), *m_session);
}

ChapterTitleViewController* CentralAccessFactory::chapterTitleViewController()
{
    return screen(m_chapterTitleViewController, *m_session);
}

AspectRatioViewController* CentralAccessFactory::aspectRatioViewController()
{
    return screen(m_aspectRatioViewController, *m_session);
}

TrackViewController* CentralAccessFactory::audioTrackViewController()
{
    return screen(m_audioTrackViewController, *m_session,
                  std::vector<TrackModel::Kind> { TrackModel::Kind::Audio, TrackModel::Kind::Video },
                  localizedString("Audio & Video Tracks"));
}

TrackViewController* CentralAccessFactory::subtitleTrackViewController()
{
    return screen(m_subtitleTrackViewController, *m_session, std::vector<TrackModel::Kind> { TrackModel::Kind::Subtitle },
                  localizedString("Subtitle Track"));
}

SpeedViewController* CentralAccessFactory::speedViewController()
{
    return screen(m_speedViewController, *m_session, *m_clock);
}

DVDViewController* CentralAccessFactory::dvdViewController()
{
    return screen(m_dvdViewController, *m_session);
}

AudioDelayViewController* CentralAccessFactory::audioDelayViewController()
{
    return screen(m_audioDelayViewController, *m_session);
}

FeedsViewController* CentralAccessFactory::feedsViewController()
{
    return screen(m_feedsViewController, news(), QStringLiteral("PlayerLink"), localizedString("Brindlewood News"));
}

SetupInstructionsVC* CentralAccessFactory::setupInstructionsViewController()
{
    return screen(m_setupInstructionsVC, context(), SetupInstructions::header(),
                  SetupInstructions::defaultMessage(UserDefaults::standard()));
}

RemoteConfigViewController* CentralAccessFactory::remoteConfigViewController()
{
    return screen(m_remoteConfigViewController, context(), *m_remotes);
}

FoundRemotesViewController* CentralAccessFactory::foundRemotesViewController()
{
    return screen(m_foundRemotesViewController, *m_remotes);
}

QString CentralAccessFactory::logFilePath() const
{
    return DiagnosticLog::path();
}

void CentralAccessFactory::createLogFile()
{
    DiagnosticLog::create();
}

void CentralAccessFactory::logStringToFile(const QString& text)
{
    DiagnosticLog::append(text);
}

void CentralAccessFactory::emailLog()
{
    const QUrl mail = DiagnosticLog::mailUrl();
    if (!mail.isEmpty())
        UrlOpener::open(mail);
}

void CentralAccessFactory::removeLogFile()
{
    DiagnosticLog::remove();
}

BrowseViewController* CentralAccessFactory::browseViewController()
{
    return screen(m_browseViewController, context());
}

PlaylistViewController* CentralAccessFactory::playlistViewController()
{
    return screen(m_playlistViewController, context());
}
