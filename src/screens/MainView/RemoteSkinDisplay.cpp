#include "screens/MainView/RemoteSkinDisplay.h"

#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "skin/Skin.h"

RemoteSkinDisplay::RemoteSkinDisplay(RemoteSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{
    RemoteSession* s = &session;
    // The first status: the controls show all of it, not only what differs
    // from the neutral values.
    connect(s, &RemoteSession::hasStatusChanged, this, &RemoteSkinDisplay::showAll);
    connect(s, &RemoteSession::connectionChanged, this, &RemoteSkinDisplay::showConnection);
    connect(s, &RemoteSession::connectionTextChanged, this, &RemoteSkinDisplay::showConnection);
    connect(s, &RemoteSession::playingChanged, this, &RemoteSkinDisplay::showPlayback);
    connect(s, &RemoteSession::stoppedChanged, this, &RemoteSkinDisplay::showPlayback);
    connect(s, &RemoteSession::volumeChanged, this, &RemoteSkinDisplay::showVolume);
    connect(s, &RemoteSession::maximumVolumeChanged, this, [this] {
        if (m_skin)
            m_skin->setMaxVolume(m_session.maximumVolume());
    });
    connect(s, &RemoteSession::elapsedChanged, this, &RemoteSkinDisplay::showTime);
    connect(s, &RemoteSession::remainingChanged, this, &RemoteSkinDisplay::showTime);
    connect(s, &RemoteSession::lengthChanged, this, &RemoteSkinDisplay::showTime);
    connect(s, &RemoteSession::randomChanged, this, &RemoteSkinDisplay::showModes);
    connect(s, &RemoteSession::loopChanged, this, &RemoteSkinDisplay::showModes);
    connect(s, &RemoteSession::repeatChanged, this, &RemoteSkinDisplay::showModes);
    connect(s, &RemoteSession::titleChanged, this, &RemoteSkinDisplay::showTitle);
    connect(s, &RemoteSession::albumArtChanged, this, &RemoteSkinDisplay::showArt);
    PlaylistModel* playlist = session.playlist();
    connect(playlist, &PlaylistModel::countChanged, this, &RemoteSkinDisplay::showPlayback);
    connect(playlist, &PlaylistModel::currentRowChanged, this, &RemoteSkinDisplay::showCurrentRow);
    // Only other items are worth a reload of the tables; the current row's
    // mark has its own way in.
    auto reload = [this] {
        if (m_skin)
            m_skin->reloadTableData();
    };
    connect(playlist, &QAbstractItemModel::modelReset, this, reload);
    connect(playlist, &QAbstractItemModel::dataChanged, this,
            [reload](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles != QList<int> { PlaylistModel::CurrentRole })
                    reload();
            });
}

RemoteSkinDisplay::~RemoteSkinDisplay() = default;

void RemoteSkinDisplay::setSkin(Skin* skin)
{
    m_skin = skin;
}

void RemoteSkinDisplay::showAll()
{
    if (!m_skin)
        return;
    m_shownConnection.reset();
    m_shownPlayback.reset();
    m_shownTime.reset();
    m_shownModes.reset();
    m_skin->setMaxVolume(m_session.maximumVolume());
    showConnection();
    showArt();
    if (!m_session.hasStatus())
        return; // nothing to show yet but where the connection stands
    showPlayback();
    showVolume();
    showTime();
    showModes();
    showTitle();
    m_skin->reloadTableData();
    showCurrentRow();
}

void RemoteSkinDisplay::pickerShown()
{
    // The value the user set shows without a glide, and so does the
    // remote's next; then the picker glides again.
    if (!m_userSetting)
        m_animatePicker = true;
}

void RemoteSkinDisplay::showConnection()
{
    const std::tuple<bool, int, QString> now { m_session.hasStatus(), int(m_session.connection()), m_session.connectionText() };
    if (!m_skin || !m_session.remote() || now == m_shownConnection)
        return;
    m_shownConnection = now;
    ++m_connectionShown;
    // Without any status the controls stand neutral; with an old one and
    // no current answer they are dimmed.
    m_skin->setLiveness(!m_session.hasStatus() ? Skin::Liveness::NoState
                        : m_session.connection() == RemoteSession::Connection::Connected ? Skin::Liveness::Live
                                                                                         : Skin::Liveness::Stale);
    m_skin->setStatus(m_session.connectionText());
}

void RemoteSkinDisplay::showPlayback()
{
    const std::tuple<bool, bool, int> now { m_session.isPlaying(), m_session.isStopped(), m_session.playlist()->count() };
    if (!m_skin || now == m_shownPlayback)
        return;
    m_shownPlayback = now;
    m_skin->setIsPlaying(std::get<0>(now), std::get<1>(now), std::get<2>(now));
}

void RemoteSkinDisplay::showVolume()
{
    if (!m_skin)
        return;
    m_skin->setVolumeAnimated(float(m_session.volume()), m_animatePicker);
    pickerShown();
}

void RemoteSkinDisplay::showTime()
{
    const std::tuple<int, int, int> now { m_session.elapsed(), m_session.remaining(), m_session.length() };
    if (!m_skin || now == m_shownTime)
        return;
    m_shownTime = now;
    m_skin->setTimeElapsed(std::get<0>(now), std::get<1>(now), std::get<2>(now), m_animatePicker);
    pickerShown();
}

void RemoteSkinDisplay::showModes()
{
    const std::tuple<bool, bool, bool> now { m_session.isLooping(), m_session.isRandom(), m_session.isRepeating() };
    if (!m_skin || now == m_shownModes)
        return;
    m_shownModes = now;
    m_skin->setLooping(std::get<0>(now), std::get<1>(now), std::get<2>(now));
}

void RemoteSkinDisplay::showTitle()
{
    if (m_skin)
        m_skin->setNowPlaying(m_session.title());
}

void RemoteSkinDisplay::showArt()
{
    if (m_skin)
        m_skin->setAlbumArt(m_session.albumArt());
}

void RemoteSkinDisplay::showCurrentRow()
{
    if (m_skin)
        m_skin->setCurrentItem(m_session.playlist()->currentRow());
}
