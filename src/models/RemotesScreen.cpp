#include "models/RemotesScreen.h"

#include "core/AlertPresenter.h"
#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/FoundComputersModel.h"
#include "models/LinkOpener.h"
#include "models/ListTextSize.h"
#include "models/MailSender.h"
#include "models/RemoteChoiceFlow.h"
#include "models/RemoteWaker.h"
#include "models/RemoteSession.h"
#include "models/RemotesDiscovery.h"
#include "models/RemotesListModel.h"
#include "models/RemotesModel.h"
#include "models/SavedRemotesStore.h"
#include "models/SetupInstructions.h"
#include "models/AdvancedScreens.h"
#include "models/PageNavigation.h"
#include "models/SettingsScreen.h"
#include "models/HelpScreen.h"
#include "models/NewsScreen.h"
#include "models/SetupScreen.h"
#include "models/SkinsScreen.h"
#include "models/LocalFileCast.h"
#include "models/OpenAddressModel.h"
#include "models/RemoteSwitch.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QTimer>

RemotesScreen::RemotesScreen(QNetworkAccessManager* network, UserDefaults& defaults, AlertPresenter& alerts,
                             const PlatformServices& platform, QObject* parent)
    : QObject(parent)
    , m_network(network)
    , m_saved(new SavedRemoteList(network, this))
    , m_model(new RemotesModel(*m_saved, network, this))
    , m_session(new RemoteSession(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_discovery(new RemotesDiscovery(*m_model, nullptr, this))
    , m_rows(new RemotesListModel(AppContext { network, defaults, alerts, Clock::current(), *this }, *m_model,
                                  *m_discovery, this))
    , m_foundOnly(new FoundComputersModel(*m_model, this))
    , m_waker(new RemoteWaker(this)) // learns the hardware addresses of saved remotes as they answer
    , m_settings(new SettingsScreen(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_advanced(new AdvancedScreens(AppContext { network, defaults, alerts, Clock::current(), *this }, *m_session, this))
    , m_skins(new SkinsScreen(defaults, alerts, this))
    , m_help(new HelpScreen(defaults, alerts, platform.links, this))
    , m_news(new NewsScreen(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_setup(new SetupScreen(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_browserTextSize(new ListTextSize(this))
    , m_playlistTextSize(new ListTextSize(this))
    , m_openAddress(new OpenAddressModel(this))
    , m_cast(new LocalFileCast(*m_session, this))
    , m_switch(new RemoteSwitch(*m_model, this))
    , m_navigation(new PageNavigation(this))
    , m_choice(new RemoteChoiceFlow(*m_model, *m_saved, *m_waker, alerts, *this, this))
    , m_defaults(defaults)
    , m_alerts(alerts)
    , m_platform(platform)
{
    m_model->setWaker(m_waker);
    connect(m_model, &RemotesModel::activeChanged, this, &RemotesScreen::probingChanged);
    connect(m_model, &RemotesModel::savedCountChanged, this, &RemotesScreen::savedCountChanged);
    connect(m_discovery, &RemotesDiscovery::statusChanged, this, &RemotesScreen::discoveryStatusChanged);
    // The shown remote comes to answer as VLC (a password given, VLC
    // started): the setup worked. One that answers as it shows is counted
    // by the remote screen, after its notices.
    connect(m_session, &RemoteSession::connectionChanged, this, [this] {
        if (m_session->isActive() && m_session->connection() == RemoteSession::Connection::Connected)
            m_setup->instructions().setHaveSetupSuccesfully();
    });
    connect(m_session, &RemoteSession::remoteChanged, this, [this] { m_openAddress->setRemote(m_session->remote()); });
    // A file that cannot be played there is told, with the reason.
    connect(m_cast, &LocalFileCast::problemChanged, this, [this] {
        if (m_cast->problem() != LocalFileCast::Problem::None)
            m_alerts.present(AlertRequest::notice(localizedString("The file cannot be played"), m_cast->problemText()));
    });
    // A help page's link to the setup helper.
    connect(m_help, &HelpScreen::setupWanted, this, &RemotesScreen::showSetupInstructions);
}

RemotesScreen::~RemotesScreen() = default;

QObject* RemotesScreen::list() const
{
    return m_rows;
}

bool RemotesScreen::isProbing() const
{
    return m_model->isActive();
}

void RemotesScreen::setProbing(bool probing)
{
    m_choice->setListShowing(probing);
    // A setup that worked meanwhile takes its row away.
    if (probing)
        m_rows->refresh();
    m_model->setActive(probing);
    m_discovery->setActive(probing);
    if (probing && !m_scannedOnce) {
        m_scannedOnce = true;
        if (m_defaults.boolForKey(PreferenceKeys::autoScan))
            m_discovery->scan();
        // A new user is greeted by the setup screen, once the list shows; a
        // remote opened from the command line leaves it for a later start.
        if (!m_session->remote() && !SetupInstructions::haveSeenSetupPage(m_defaults))
            QTimer::singleShot(0, this, [this] {
                if (isProbing())
                    showSetupInstructions();
            });
    }
}

QObject* RemotesScreen::found() const
{
    return m_foundOnly;
}

QString RemotesScreen::discoveryStatus() const
{
    return m_discovery->status();
}

void RemotesScreen::load()
{
    if (std::optional<std::vector<RemoteRecord>> records = m_platform.savedRemotes.load())
        m_saved->setRecords(std::move(*records));
    connect(m_saved, &SavedRemoteList::changed, this, &RemotesScreen::save, Qt::UniqueConnection);
    connect(&m_platform.savedRemotes, &SavedRemotesStore::rewriteWanted, this, &RemotesScreen::save,
            Qt::UniqueConnection);
}

bool RemotesScreen::save() const
{
    if (m_platform.savedRemotes.save(m_saved->records()))
        return true;
    ConsoleLog::log(logModels, QStringLiteral("could not write the saved remotes to %@"), m_platform.savedRemotes.location());
    return false;
}

void RemotesScreen::connectTo(const QString& hostAddress, const QString& password)
{
    std::shared_ptr<VLCController> remote;
    for (size_t i = 0; i < m_saved->size() && !remote; ++i)
        if (m_saved->recordAt(i).hostAddress == hostAddress)
            remote = m_saved->remoteAt(i);
    const bool unlisted = !remote;
    if (unlisted)
        remote = std::make_shared<VLCController>(RemoteRecord::forAddress(hostAddress), m_network);
    // Before the list probes it: a probe without the password would be
    // refused and ask the user for the password given here.
    if (!password.isNull())
        remote->setPassword(password);
    if (unlisted) // listed with the found computers, so the way back leads somewhere
        m_model->addFoundRemote(remote, true);
    // The user chose this one: the default does not open over it.
    m_choice->endDefaultOpening();
    showRemote(remote);
}

void RemotesScreen::open(int row)
{
    m_choice->choose(m_model->remoteAt(row));
}

void RemotesScreen::chooseRow(int row, bool editing)
{
    const QModelIndex at = m_rows->index(row);
    if (!at.isValid())
        return;
    const int rowId = at.data(RemotesListModel::RowIdRole).toInt();
    const int remoteRow = m_rows->remoteRowOf(rowId);
    switch (m_rows->pick(rowId, editing)) {
    case RemotesListModel::Pick::ChooseRemote:
        open(remoteRow);
        return;
    case RemotesListModel::Pick::EditRemote:
        edit(remoteRow);
        return;
    case RemotesListModel::Pick::Done:
    case RemotesListModel::Pick::Nothing:
        return;
    }
}

void RemotesScreen::wake(int row)
{
    if (const auto remote = m_model->remoteAt(row); remote && RemoteWaker::canWake(*remote))
        m_choice->wake(remote);
}

void RemotesScreen::addComputer()
{
    showRemoteConfig(std::make_shared<VLCController>(RemoteRecord {}, m_network));
}

void RemotesScreen::edit(int row)
{
    // Found computers are not edited: they are what the network says.
    if (row >= 0 && row < m_model->savedCount())
        showRemoteConfig(m_model->remoteAt(row));
}

void RemotesScreen::scan()
{
    m_discovery->scan();
}

void RemotesScreen::chooseFound(int row)
{
    const std::shared_ptr<VLCController> remote = m_foundOnly->remoteAt(row);
    if (!remote)
        return;
    if (auto chosen = std::exchange(m_foundChosen, nullptr))
        chosen(remote);
    goBack();
}

bool RemotesScreen::removeSaved(int row)
{
    return m_model->removeSaved(row);
}

void RemotesScreen::playPause(int row)
{
    m_model->playPause(row);
}

void RemotesScreen::pauseAll()
{
    m_model->pauseAll();
}

bool RemotesScreen::moveSaved(int from, int to)
{
    return m_model->moveSaved(from, to);
}

int RemotesScreen::savedCount() const
{
    return m_model->savedCount();
}

void RemotesScreen::showRemote(const std::shared_ptr<VLCController>& remote)
{
    m_session->setRemote(remote);
    emit m_navigation->pageWanted(PageNavigation::Page::Remote);
}

void RemotesScreen::switchRemote(int step)
{
    if (const auto current = m_session->remote())
        m_switch->start(current, step, [this](const std::shared_ptr<VLCController>& next) {
            // Only while the remote screen is still there to show it.
            if (shownSession())
                showRemote(next);
        });
}

void RemotesScreen::remoteScreenCame()
{
    if (++m_remoteScreens == 1)
        emit shownSessionChanged();
}

void RemotesScreen::remoteScreenWent()
{
    if (m_remoteScreens > 0 && --m_remoteScreens == 0)
        emit shownSessionChanged();
}

void RemotesScreen::showRemoteConfig(const std::shared_ptr<VLCController>& remote)
{
    if (!remote)
        return;
    m_configRemote = remote;
    emit m_navigation->pageWanted(PageNavigation::Page::RemoteConfig);
}

void RemotesScreen::chooseFoundComputer(std::function<void(const std::shared_ptr<VLCController>&)> chosen)
{
    m_foundChosen = std::move(chosen);
    emit m_navigation->pageWanted(PageNavigation::Page::FoundComputers);
}

void RemotesScreen::goBack()
{
    emit m_navigation->backWanted();
}

void RemotesScreen::showSettings()
{
    emit m_navigation->pageWanted(PageNavigation::Page::Settings);
}

void RemotesScreen::showSkipDistance()
{
    emit m_navigation->pageWanted(PageNavigation::Page::SkipDistance);
}

void RemotesScreen::showPlaylist()
{
    emit m_navigation->pageWanted(PageNavigation::Page::Playlist);
}

void RemotesScreen::showBrowser()
{
    emit m_navigation->pageWanted(PageNavigation::Page::Browser);
}

void RemotesScreen::showAdvancedControls()
{
    emit m_navigation->pageWanted(PageNavigation::Page::AdvancedMenu);
}

void RemotesScreen::showKeyCommands()
{
    emit m_navigation->pageWanted(PageNavigation::Page::KeyCommands);
}

void RemotesScreen::showDvdNavigation()
{
    emit m_navigation->pageWanted(PageNavigation::Page::DvdNavigation);
}

void RemotesScreen::showChapterTitle()
{
    emit m_navigation->pageWanted(PageNavigation::Page::ChapterTitle);
}

void RemotesScreen::showAudioVideoTracks()
{
    emit m_navigation->pageWanted(PageNavigation::Page::AudioVideoTracks);
}

void RemotesScreen::showSubtitleTracks()
{
    emit m_navigation->pageWanted(PageNavigation::Page::SubtitleTracks);
}

void RemotesScreen::showAudioDelay()
{
    emit m_navigation->pageWanted(PageNavigation::Page::AudioDelay);
}

void RemotesScreen::showAspectRatio()
{
    emit m_navigation->pageWanted(PageNavigation::Page::AspectRatio);
}

void RemotesScreen::showSpeed()
{
    emit m_navigation->pageWanted(PageNavigation::Page::Speed);
}

void RemotesScreen::showEqualizer()
{
    emit m_navigation->pageWanted(PageNavigation::Page::Equalizer);
}

void RemotesScreen::openExternalUrl(const QUrl& url)
{
    // Only the web searches for what plays ask this (http and https).
    if (url.scheme() == u"https" || url.scheme() == u"http")
        m_platform.links.open(url);
}

void RemotesScreen::showSkins()
{
    emit m_navigation->pageWanted(PageNavigation::Page::Skins);
}

void RemotesScreen::showSkinGallery()
{
    emit m_navigation->pageWanted(PageNavigation::Page::SkinGallery);
}

void RemotesScreen::showHelp(const QString& page)
{
    m_help->showHelp(page);
    emit m_navigation->pageRecalled(PageNavigation::Page::Web);
}

void RemotesScreen::showBundledPage(const QString& page)
{
    m_help->showBundledPage(page);
    emit m_navigation->pageWanted(PageNavigation::Page::Web);
}

void RemotesScreen::showAbout()
{
    m_help->showAbout();
    emit m_navigation->pageWanted(PageNavigation::Page::Web);
}

void RemotesScreen::showNewsletter()
{
    m_help->showNewsletter();
    emit m_navigation->pageWanted(PageNavigation::Page::Web);
}

void RemotesScreen::showNewsItem(const QString& html)
{
    m_help->showHtml(html);
    emit m_navigation->pageWanted(PageNavigation::Page::Web);
}

void RemotesScreen::showNews()
{
    emit m_navigation->pageWanted(PageNavigation::Page::News);
}

void RemotesScreen::showSetupInstructions()
{
    m_setup->refresh();
    emit m_navigation->pageRecalled(PageNavigation::Page::Setup);
}

void RemotesScreen::composeMail(const QString& to, const QString& subject, const QString& body)
{
    m_platform.mail.compose(to, subject, body);
}
