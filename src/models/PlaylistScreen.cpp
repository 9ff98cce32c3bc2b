#include "models/PlaylistScreen.h"

#include "core/LastPathComponent.h"
#include "models/PlaylistModel.h"
#include "models/PlaylistSearchModel.h"
#include "models/RemoteSession.h"
#include "models/RemotesScreen.h"
#include "vlc/VLCController.h"

PlaylistScreen::PlaylistScreen(QObject* parent)
    : ListScreen(playlistIntervalMs, parent)
{
}

PlaylistScreen::~PlaylistScreen() = default;

void PlaylistScreen::remotesSet(RemotesScreen* previous)
{
    if (previous) {
        disconnect(&previous->session(), nullptr, this, nullptr);
        disconnect(previous->session().playlist(), nullptr, this, nullptr);
    }
    delete m_search;
    m_search = nullptr;
    if (remotes())
        wire(remotes()->session());
    emit currentRowChanged();
    emit canRemoveItemsChanged();
    emit modesChanged();
    emit canSortChanged();
}

void PlaylistScreen::wire(RemoteSession& session)
{
    PlaylistModel* playlist = session.playlist();
    m_search = new PlaylistSearchModel(playlist, this);
    connect(m_search, &PlaylistSearchModel::textChanged, this, &PlaylistScreen::searchTextChanged);
    connect(m_search, &PlaylistSearchModel::currentRowChanged, this, &PlaylistScreen::currentRowChanged);
    connect(m_search, &PlaylistSearchModel::currentToShow, this, &PlaylistScreen::currentToShow);
    // The title of the item that plays may change with the item staying.
    connect(playlist, &PlaylistModel::dataChanged, this, &PlaylistScreen::currentRowChanged);
    connect(playlist, &PlaylistModel::canRemoveItemsChanged, this, &PlaylistScreen::canRemoveItemsChanged);
    connect(playlist, &PlaylistModel::canSortChanged, this, &PlaylistScreen::canSortChanged);
    for (auto signal : { &RemoteSession::loopChanged, &RemoteSession::repeatChanged, &RemoteSession::randomChanged })
        connect(&session, signal, this, &PlaylistScreen::modesChanged);
}

// A long playlist is fetched less often while nothing hints at a change.
void PlaylistScreen::poll(VLCController& remote)
{
    remote.pollPlaylist();
}

// Shown: the playlist is wanted at once.
void PlaylistScreen::activeSet()
{
    if (const std::shared_ptr<VLCController> current = remote(); current && isActive())
        current->playlistShown();
}

ListTextSize& PlaylistScreen::textSizeIn(RemotesScreen& remotes) const
{
    return remotes.playlistTextSize();
}

void PlaylistScreen::showCurrentOnNextList()
{
    if (m_search)
        m_search->showCurrentOnNextList();
}

void PlaylistScreen::listMoved()
{
    if (m_search)
        m_search->listMoved();
}

QAbstractItemModel* PlaylistScreen::rows() const
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
    if (!remotes())
        return QString();
    const PlaylistModel* playlist = remotes()->session().playlist();
    const int row = playlist->currentRow();
    return row >= 0 ? lastPathComponent(playlist->index(row).data(PlaylistModel::TitleRole).toString()) : QString();
}

bool PlaylistScreen::canRemoveItems() const
{
    return remotes() && remotes()->session().playlist()->canRemoveItems();
}

bool PlaylistScreen::isLooping() const
{
    return remotes() && remotes()->session().isLooping();
}

bool PlaylistScreen::isRepeating() const
{
    return remotes() && remotes()->session().isRepeating();
}

bool PlaylistScreen::isRandom() const
{
    return remotes() && remotes()->session().isRandom();
}

bool PlaylistScreen::canSort() const
{
    return remotes() && remotes()->session().playlist()->canSort();
}

void PlaylistScreen::sortBy(int key, bool reverse)
{
    if (m_search)
        m_search->sortBy(key, reverse);
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
    if (remotes())
        remotes()->session().playlist()->clear();
}

void PlaylistScreen::toggleLoop()
{
    if (remotes())
        remotes()->session().toggleLoop();
}

void PlaylistScreen::toggleRepeat()
{
    if (remotes())
        remotes()->session().toggleRepeat();
}

void PlaylistScreen::toggleRandom()
{
    if (remotes())
        remotes()->session().toggleRandom();
}

void PlaylistScreen::fullScreen()
{
    if (remotes())
        remotes()->session().fullScreen();
}
