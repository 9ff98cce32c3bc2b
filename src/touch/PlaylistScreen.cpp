#include "touch/PlaylistScreen.h"

#include "core/LastPathComponent.h"
#include "models/PlaylistModel.h"
#include "models/PlaylistSearchModel.h"
#include "models/RemoteSession.h"
#include "touch/TouchRemotes.h"
#include "vlc/VLCController.h"

PlaylistScreen::PlaylistScreen(QObject* parent)
    : QObject(parent)
{
    m_playlistTimer.setInterval(playlistIntervalMs);
    // A long playlist is fetched less often while nothing hints at a change.
    connect(&m_playlistTimer, &QTimer::timeout, this, [this] {
        if (m_remotes && m_remotes->session().remote())
            m_remotes->session().remote()->pollPlaylist();
    });
}

PlaylistScreen::~PlaylistScreen() = default;

void PlaylistScreen::setRemotes(TouchRemotes* remotes)
{
    if (remotes == m_remotes || m_remotes) // the session's playlist is for the screen's life
        return;
    m_remotes = remotes;
    RemoteSession& session = remotes->session();
    PlaylistModel* playlist = session.playlist();
    m_search = new PlaylistSearchModel(playlist, this);
    connect(m_search, &PlaylistSearchModel::textChanged, this, &PlaylistScreen::searchTextChanged);
    connect(m_search, &PlaylistSearchModel::currentRowChanged, this, &PlaylistScreen::currentRowChanged);
    // The title of the item that plays may change with the item staying.
    connect(playlist, &PlaylistModel::dataChanged, this, &PlaylistScreen::currentRowChanged);
    connect(playlist, &PlaylistModel::canRemoveItemsChanged, this, &PlaylistScreen::canRemoveItemsChanged);
    for (auto signal : { &RemoteSession::loopChanged, &RemoteSession::repeatChanged, &RemoteSession::randomChanged })
        connect(&session, signal, this, &PlaylistScreen::modesChanged);
    emit remotesChanged();
    emit currentRowChanged();
    emit canRemoveItemsChanged();
    emit modesChanged();
}

void PlaylistScreen::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    const std::shared_ptr<VLCController> remote = m_remotes ? m_remotes->session().remote() : nullptr;
    if (active) {
        if (remote)
            remote->playlistShown();
        m_playlistTimer.start();
    } else {
        m_playlistTimer.stop();
    }
    emit activeChanged();
}

QAbstractItemModel* PlaylistScreen::rows() const
{
    return m_search;
}

QObject* PlaylistScreen::rowsObject() const
{
    return m_search;
}

QString PlaylistScreen::searchText() const
{
    return m_search ? m_search->text() : QString();
}

void PlaylistScreen::setSearchText(const QString& text)
{
    if (m_search)
        m_search->setText(text);
}

int PlaylistScreen::currentRow() const
{
    return m_search ? m_search->currentRow() : -1;
}

QString PlaylistScreen::nowPlaying() const
{
    if (!m_remotes)
        return QString();
    const PlaylistModel* playlist = m_remotes->session().playlist();
    const int row = playlist->currentRow();
    return row >= 0 ? lastPathComponent(playlist->index(row).data(PlaylistModel::TitleRole).toString()) : QString();
}

bool PlaylistScreen::canRemoveItems() const
{
    return m_remotes && m_remotes->session().playlist()->canRemoveItems();
}

bool PlaylistScreen::isLooping() const
{
    return m_remotes && m_remotes->session().isLooping();
}

bool PlaylistScreen::isRepeating() const
{
    return m_remotes && m_remotes->session().isRepeating();
}

bool PlaylistScreen::isRandom() const
{
    return m_remotes && m_remotes->session().isRandom();
}

void PlaylistScreen::play(int row)
{
    if (m_search)
        m_search->play(row);
}

void PlaylistScreen::remove(int row)
{
    if (m_search)
        m_search->remove(row);
}

void PlaylistScreen::empty()
{
    if (m_remotes)
        m_remotes->session().playlist()->clear();
}

void PlaylistScreen::toggleLoop()
{
    if (m_remotes)
        m_remotes->session().toggleLoop();
}

void PlaylistScreen::toggleRepeat()
{
    if (m_remotes)
        m_remotes->session().toggleRepeat();
}

void PlaylistScreen::toggleRandom()
{
    if (m_remotes)
        m_remotes->session().toggleRandom();
}

void PlaylistScreen::fullScreen()
{
    if (m_remotes)
        m_remotes->session().fullScreen();
}
