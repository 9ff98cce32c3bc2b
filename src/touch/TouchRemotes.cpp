#include "touch/TouchRemotes.h"

#include "app/SavedRemotesFile.h"
#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "desktop/PasswordKeyring.h"
#include "models/RemoteSession.h"
#include "models/RemotesModel.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

TouchRemotes::TouchRemotes(QNetworkAccessManager* network, UserDefaults& defaults, AlertPresenter& alerts,
                           QObject* parent)
    : QObject(parent)
    , m_network(network)
    , m_saved(new SavedRemoteList(network, this))
    , m_model(new RemotesModel(*m_saved, network, this))
    , m_session(new RemoteSession(AppContext { network, defaults, alerts, Clock::current(), *this }, this))
{
    connect(m_model, &RemotesModel::activeChanged, this, &TouchRemotes::probingChanged);
}

TouchRemotes::~TouchRemotes() = default;

QObject* TouchRemotes::list() const
{
    return m_model;
}

bool TouchRemotes::isProbing() const
{
    return m_model->isActive();
}

void TouchRemotes::setProbing(bool probing)
{
    m_model->setActive(probing);
}

void TouchRemotes::load()
{
    SavedRemotesFile file(SavedRemotesFile::defaultPath(), &PasswordKeyring::standard());
    if (std::optional<std::vector<RemoteRecord>> records = file.load())
        m_saved->setRecords(std::move(*records));
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
    showRemote(remote);
}

void TouchRemotes::open(int row)
{
    if (std::shared_ptr<VLCController> remote = m_model->remoteAt(row))
        showRemote(remote);
}

void TouchRemotes::showRemote(const std::shared_ptr<VLCController>& remote)
{
    m_session->setRemote(remote);
    emit remoteShown();
}

void TouchRemotes::showPlaylist()
{
    emit pageWanted(QStringLiteral("playlist"));
}

void TouchRemotes::showBrowser()
{
    emit pageWanted(QStringLiteral("browser"));
}
