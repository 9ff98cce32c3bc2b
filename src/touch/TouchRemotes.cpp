#include "touch/TouchRemotes.h"

#include "desktop/SavedRemotesFile.h"
#include "core/AlertPresenter.h"
#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "desktop/PasswordKeyring.h"
#include "models/FoundComputersModel.h"
#include "models/ListTextSize.h"
#include "models/RemoteChoice.h"
#include "models/RemoteWaker.h"
#include "models/RemoteSession.h"
#include "models/RemotesDiscovery.h"
#include "models/RemotesListModel.h"
#include "models/RemotesModel.h"
#include "models/SaveOffer.h"
#include "models/SetupInstructions.h"
#include "touch/TouchAdvanced.h"
#include "touch/TouchSettings.h"
#include "touch/TouchHelp.h"
#include "touch/TouchNews.h"
#include "touch/TouchSetup.h"
#include "touch/TouchSkins.h"
#include "desktop/MailComposer.h"
#include "models/OpenAddressModel.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QDesktopServices>
#include <QPointer>
#include <QTimer>

TouchRemotes::TouchRemotes(QNetworkAccessManager* network, UserDefaults& defaults, AlertPresenter& alerts,
                           QObject* parent)
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
    , m_settings(new TouchSettings(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_advanced(new TouchAdvanced(AppContext { network, defaults, alerts, Clock::current(), *this }, *m_session, this))
    , m_skins(new TouchSkins(defaults, alerts, this))
    , m_help(new TouchHelp(defaults, alerts, this))
    , m_news(new TouchNews(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_setup(new TouchSetup(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
    , m_browserTextSize(new ListTextSize(this))
    , m_playlistTextSize(new ListTextSize(this))
    , m_openAddress(new OpenAddressModel(this))
    , m_defaults(defaults)
    , m_alerts(alerts)
{
    m_model->setWaker(m_waker);
    connect(m_model, &RemotesModel::activeChanged, this, &TouchRemotes::probingChanged);
    connect(m_model, &RemotesModel::savedCountChanged, this, &TouchRemotes::savedCountChanged);
    connect(m_discovery, &RemotesDiscovery::statusChanged, this, &TouchRemotes::discoveryStatusChanged);
    connect(m_model, &RemotesModel::answeredAsVlc, this, [this](int row) {
        const std::shared_ptr<VLCController> remote = m_model->remoteAt(row);
        // The one just given a password opens through its prompt.
        if (remote && remote != m_passwordPrompt.awaited()
            && m_defaultOpening.opensByItself(*remote, row < m_model->savedCount()))
            choose(remote);
    });
    // The shown remote comes to answer as VLC (a password given, VLC
    // started): the setup worked. One that answers as it shows is counted
    // by the remote screen, after its notices.
    connect(m_session, &RemoteSession::connectionChanged, this, [this] {
        if (m_session->isActive() && m_session->connection() == RemoteSession::Connection::Connected)
            m_setup->instructions().setHaveSetupSuccesfully();
    });
    connect(m_session, &RemoteSession::remoteChanged, this, [this] { m_openAddress->setRemote(m_session->remote()); });
    // A help page's link to the setup helper.
    connect(m_help, &TouchHelp::setupWanted, this, &TouchRemotes::showSetupInstructions);
}

TouchRemotes::~TouchRemotes() = default;

QObject* TouchRemotes::list() const
{
    return m_rows;
}

bool TouchRemotes::isProbing() const
{
    return m_model->isActive();
}

void TouchRemotes::setProbing(bool probing)
{
    m_defaultOpening.setListShowing(probing);
    // A setup that worked meanwhile takes its row away.
    if (probing)
        m_rows->refresh();
    m_model->setActive(probing);
    m_discovery->setActive(probing);
    // A password given on the list opens its remote only while the list shows.
    if (!probing)
        stopAwaiting();
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

QObject* TouchRemotes::found() const
{
    return m_foundOnly;
}

QString TouchRemotes::discoveryStatus() const
{
    return m_discovery->status();
}

void TouchRemotes::load()
{
    SavedRemotesFile file(SavedRemotesFile::defaultPath(), &PasswordKeyring::standard());
    if (std::optional<std::vector<RemoteRecord>> records = file.load())
        m_saved->setRecords(std::move(*records));
    connect(m_saved, &SavedRemoteList::changed, this, &TouchRemotes::save, Qt::UniqueConnection);
    // A password the keyring now holds leaves the file.
    connect(&PasswordKeyring::standard(), &PasswordKeyring::stored, this, &TouchRemotes::save, Qt::UniqueConnection);
}

bool TouchRemotes::save() const
{
    SavedRemotesFile file(SavedRemotesFile::defaultPath(), &PasswordKeyring::standard());
    if (file.save(m_saved->records()))
        return true;
    ConsoleLog::log(QStringLiteral("could not write the saved remotes to %@"), file.path());
    return false;
}

void TouchRemotes::connectTo(const QString& hostAddress, const QString& password)
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
    m_defaultOpening.end();
    showRemote(remote);
}

void TouchRemotes::open(int row)
{
    choose(m_model->remoteAt(row));
}

void TouchRemotes::chooseRow(int row, bool editing)
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

void TouchRemotes::choose(const std::shared_ptr<VLCController>& remote)
{
    if (!remote)
        return;
    const RemoteChoice choice = RemoteChoice::of(*remote, RemoteWaker::canWake(*remote));
    switch (choice.outcome) {
    case RemoteChoice::Outcome::OpenRemote:
        showRemote(remote);
        return;
    case RemoteChoice::Outcome::OfferToSave:
        offerToSave(remote);
        return;
    case RemoteChoice::Outcome::AskPassword:
        askPassword(remote);
        break;
    case RemoteChoice::Outcome::Explain:
        explain(remote, choice);
        break;
    }
    // So that the icon is right if VLC has become reachable since.
    remote->searchForPlayerLink();
}

void TouchRemotes::wake(int row)
{
    if (const auto remote = m_model->remoteAt(row); remote && RemoteWaker::canWake(*remote))
        wakeComputer(remote);
}

void TouchRemotes::wakeComputer(const std::shared_ptr<VLCController>& remote)
{
    m_waker->wakeComputer(*remote, [self = QPointer(this)](WakeOnLan::Outcome outcome) {
        const QString failure = RemoteWaker::failureMessage(outcome);
        if (!self || failure.isEmpty())
            return;
        AlertRequest sheet;
        sheet.message = failure;
        sheet.actionSheet = true;
        sheet.buttons = { localizedString("Ok") };
        self->m_alerts.present(sheet);
    });
}

void TouchRemotes::offerToSave(const std::shared_ptr<VLCController>& remote)
{
    if (SaveOffer::isSavedAlready(*m_saved, *remote)) {
        showRemote(remote);
        return;
    }
    m_alerts.present(SaveOffer::offer([self = QPointer(this), weak = std::weak_ptr(remote)](bool yes) {
        const auto r = weak.lock();
        if (!self || !r)
            return;
        if (!yes) {
            self->showRemote(r);
            return;
        }
        self->m_model->save(r);
        self->m_alerts.present(SaveOffer::savedNotice());
    }));
}

void TouchRemotes::askPassword(const std::shared_ptr<VLCController>& remote)
{
    m_alerts.present(ListPasswordPrompt::request(
        *remote, [self = QPointer(this), weak = std::weak_ptr(remote)](ListPasswordPrompt::Answer answer,
                                                                       const QString& password) {
            const auto r = weak.lock();
            if (!self || !r)
                return;
            if (answer == ListPasswordPrompt::Answer::Help)
                self->showHelp(QStringLiteral("help"));
            else if (answer == ListPasswordPrompt::Answer::Ok)
                self->awaitAnswer(r, password);
        }));
}

void TouchRemotes::awaitAnswer(const std::shared_ptr<VLCController>& remote, const QString& password)
{
    stopAwaiting();
    m_awaiting = connect(remote.get(), &VLCController::requestConcluded, this, [this](const RequestResult& result) {
        const std::shared_ptr<VLCController> awaited = m_passwordPrompt.awaited();
        if (!awaited || result.reply != ReplyKind::Probe)
            return;
        switch (m_passwordPrompt.next(*awaited)) {
        case ListPasswordPrompt::Next::Wait:
            return;
        case ListPasswordPrompt::Next::Open:
            stopAwaiting();
            choose(awaited);
            return;
        case ListPasswordPrompt::Next::AskAgain:
            stopAwaiting();
            askPassword(awaited);
            return;
        }
    });
    m_passwordPrompt.supply(remote, password);
}

void TouchRemotes::stopAwaiting()
{
    disconnect(m_awaiting);
    m_passwordPrompt.forget();
}

void TouchRemotes::explain(const std::shared_ptr<VLCController>& remote, const RemoteChoice& choice)
{
    AlertRequest sheet;
    sheet.message = choice.message;
    sheet.actionSheet = true;
    std::vector<RemoteChoice::Action> actions;
    for (const RemoteChoice::Button& button : choice.buttons) {
        sheet.buttons << button.title;
        actions.push_back(button.action);
    }
    sheet.completion = [self = QPointer(this), weak = std::weak_ptr(remote), actions](int index) {
        const auto r = weak.lock();
        if (!self || !r || index < 0 || size_t(index) >= actions.size())
            return;
        switch (actions[size_t(index)]) {
        case RemoteChoice::Action::None:
            return;
        case RemoteChoice::Action::WakeComputer:
            self->wakeComputer(r);
            return;
        case RemoteChoice::Action::Help:
            self->showHelp(QStringLiteral("help"));
            return;
        case RemoteChoice::Action::CantSee:
            self->showHelp(QStringLiteral("cantSee"));
            return;
        case RemoteChoice::Action::ChangeAddress:
            // Only a saved remote has an address of its own to change.
            if (self->m_model->isSaved(*r))
                self->showRemoteConfig(r);
            return;
        }
    };
    m_alerts.present(sheet);
}

void TouchRemotes::addComputer()
{
    showRemoteConfig(std::make_shared<VLCController>(RemoteRecord {}, m_network));
}

void TouchRemotes::edit(int row)
{
    // Found computers are not edited: they are what the network says.
    if (row >= 0 && row < m_model->savedCount())
        showRemoteConfig(m_model->remoteAt(row));
}

void TouchRemotes::scan()
{
    m_discovery->scan();
}

void TouchRemotes::chooseFound(int row)
{
    const std::shared_ptr<VLCController> remote = m_foundOnly->remoteAt(row);
    if (!remote)
        return;
    if (auto chosen = std::exchange(m_foundChosen, nullptr))
        chosen(remote);
    goBack();
}

bool TouchRemotes::removeSaved(int row)
{
    return m_model->removeSaved(row);
}

void TouchRemotes::playPause(int row)
{
    m_model->playPause(row);
}

void TouchRemotes::pauseAll()
{
    m_model->pauseAll();
}

bool TouchRemotes::moveSaved(int from, int to)
{
    return m_model->moveSaved(from, to);
}

int TouchRemotes::savedCount() const
{
    return m_model->savedCount();
}

void TouchRemotes::showRemote(const std::shared_ptr<VLCController>& remote)
{
    m_session->setRemote(remote);
    emit remoteShown();
}

void TouchRemotes::remoteScreenCame()
{
    if (++m_remoteScreens == 1)
        emit shownSessionChanged();
}

void TouchRemotes::remoteScreenWent()
{
    if (m_remoteScreens > 0 && --m_remoteScreens == 0)
        emit shownSessionChanged();
}

void TouchRemotes::showRemoteConfig(const std::shared_ptr<VLCController>& remote)
{
    if (!remote)
        return;
    m_configRemote = remote;
    emit configShown();
}

void TouchRemotes::chooseFoundComputer(std::function<void(const std::shared_ptr<VLCController>&)> chosen)
{
    m_foundChosen = std::move(chosen);
    emit foundChooserShown();
}

void TouchRemotes::goBack()
{
    emit backWanted();
}

void TouchRemotes::showSettings()
{
    emit settingsShown();
}

void TouchRemotes::showSkipDistance()
{
    emit skipDistanceShown();
}

void TouchRemotes::showPlaylist()
{
    emit pageWanted(QStringLiteral("playlist"));
}

void TouchRemotes::showBrowser()
{
    emit pageWanted(QStringLiteral("browser"));
}

void TouchRemotes::showAdvancedControls()
{
    emit pageWanted(QStringLiteral("menu-lua"));
}

void TouchRemotes::showKeyCommands()
{
    emit pageWanted(QStringLiteral("menu-plain"));
}

void TouchRemotes::showDvdNavigation()
{
    emit pageWanted(QStringLiteral("dvd"));
}

void TouchRemotes::showChapterTitle()
{
    emit pageWanted(QStringLiteral("chapters"));
}

void TouchRemotes::showAudioVideoTracks()
{
    emit pageWanted(QStringLiteral("audio-video-tracks"));
}

void TouchRemotes::showSubtitleTracks()
{
    emit pageWanted(QStringLiteral("subtitle-tracks"));
}

void TouchRemotes::showAudioDelay()
{
    emit pageWanted(QStringLiteral("audio-delay"));
}

void TouchRemotes::showAspectRatio()
{
    emit pageWanted(QStringLiteral("aspect-ratio"));
}

void TouchRemotes::showSpeed()
{
    emit pageWanted(QStringLiteral("speed"));
}

void TouchRemotes::showEqualizer()
{
    emit pageWanted(QStringLiteral("equalizer"));
}

void TouchRemotes::openExternalUrl(const QUrl& url)
{
    // Only the web searches for what plays ask this (http and https).
    if (url.scheme() == u"https" || url.scheme() == u"http")
        QDesktopServices::openUrl(url);
}

void TouchRemotes::showSkins()
{
    emit pageWanted(QStringLiteral("skins"));
}

void TouchRemotes::showSkinGallery()
{
    emit pageWanted(QStringLiteral("skinGallery"));
}

void TouchRemotes::showHelp(const QString& page)
{
    m_help->showHelp(page);
    emit pageRecalled(QStringLiteral("web"));
}

void TouchRemotes::showBundledPage(const QString& page)
{
    m_help->showBundledPage(page);
    emit pageWanted(QStringLiteral("web"));
}

void TouchRemotes::showAbout()
{
    m_help->showAbout();
    emit pageWanted(QStringLiteral("web"));
}

void TouchRemotes::showNewsletter()
{
    m_help->showNewsletter();
    emit pageWanted(QStringLiteral("web"));
}

void TouchRemotes::showNewsItem(const QString& html)
{
    m_help->showHtml(html);
    emit pageWanted(QStringLiteral("web"));
}

void TouchRemotes::showNews()
{
    emit pageWanted(QStringLiteral("news"));
}

void TouchRemotes::showSetupInstructions()
{
    m_setup->refresh();
    emit pageRecalled(QStringLiteral("setup"));
}

void TouchRemotes::composeMail(const QString& to, const QString& subject, const QString& body)
{
    MailComposer::sendEmailTo(m_alerts, to, subject, body, false);
}
