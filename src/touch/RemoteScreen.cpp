#include "touch/RemoteScreen.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "touch/TouchRemotes.h"
#include "touch/skin/SkinScene.h"
#include "vlc/VLCController.h"

RemoteScreen::RemoteScreen(QObject* parent)
    : QObject(parent)
{
}

RemoteScreen::~RemoteScreen()
{
    // The session stays with the remotes; it must not poll for a screen
    // that went away.
    setActive(false);
}

RemoteSession* RemoteScreen::session() const
{
    return m_remotes ? &m_remotes->session() : nullptr;
}

void RemoteScreen::setRemotes(TouchRemotes* remotes)
{
    if (remotes == m_remotes)
        return;
    const bool active = m_active;
    setActive(false);
    if (RemoteSession* before = session()) {
        disconnect(before, nullptr, this, nullptr);
        disconnect(before->playlist(), nullptr, this, nullptr);
    }
    m_remotes = remotes;
    rewire();
    setActive(active);
    emit remotesChanged();
    emit titleChanged();
}

void RemoteScreen::setScene(SkinScene* scene)
{
    if (scene == m_scene)
        return;
    if (m_scene)
        disconnect(m_scene, nullptr, this, nullptr);
    m_scene = scene;
    if (scene) {
        connect(scene, &SkinScene::actionTriggered, this, [this](SkinScene::Action action) { perform(action); });
        connect(scene, &SkinScene::seekRequested, this, [this](int seconds) {
            if (RemoteSession* s = session())
                s->seek(seconds);
        });
        connect(scene, &SkinScene::volumeRequested, this, [this](int volume) {
            if (RemoteSession* s = session())
                s->setVolume(volume);
        });
        connect(scene, &SkinScene::rowChosen, this, [this](int row) {
            if (RemoteSession* s = session())
                s->playlist()->play(row);
        });
        connect(scene, &SkinScene::fullScreenRequested, this, [this] {
            if (RemoteSession* s = session())
                s->fullScreen();
        });
    }
    showAll();
    emit sceneChanged();
}

void RemoteScreen::rewire()
{
    RemoteSession* s = session();
    if (!s)
        return;
    for (auto signal : { &RemoteSession::hasStatusChanged, &RemoteSession::connectionChanged,
                         &RemoteSession::playingChanged, &RemoteSession::stoppedChanged, &RemoteSession::randomChanged,
                         &RemoteSession::loopChanged, &RemoteSession::repeatChanged })
        connect(s, signal, this, &RemoteScreen::showState);
    connect(s, &RemoteSession::volumeChanged, this, &RemoteScreen::showVolume);
    connect(s, &RemoteSession::maximumVolumeChanged, this, &RemoteScreen::showVolume);
    for (auto signal : { &RemoteSession::elapsedChanged, &RemoteSession::remainingChanged, &RemoteSession::lengthChanged })
        connect(s, signal, this, &RemoteScreen::showTime);
    for (auto signal : { &RemoteSession::connectionTextChanged, &RemoteSession::titleChanged })
        connect(s, signal, this, &RemoteScreen::showTexts);
    connect(s, &RemoteSession::nowPlayingChanged, this, &RemoteScreen::titleChanged);
    connect(s, &RemoteSession::nowPlayingNoteChanged, this, &RemoteScreen::titleChanged);
    connect(s, &RemoteSession::albumArtChanged, this, &RemoteScreen::showArt);
    connect(s->playlist(), &PlaylistModel::countChanged, this, &RemoteScreen::showState);
    connect(s->playlist(), &PlaylistModel::currentRowChanged, this, &RemoteScreen::showPlaylist);
    connect(s, &RemoteSession::passwordWanted, this, [this] {
        if (m_active)
            emit passwordWanted();
    });
    connect(s, &RemoteSession::passwordNotSetNoticed, this, [this] {
        if (m_active && session())
            emit noticeWanted(session()->connectionText(), VLCController::noPasswordHint());
    });
    showAll();
}

void RemoteScreen::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    RemoteSession* s = session();
    if (s)
        s->setActive(active);
    emit activeChanged();
    // The session asks once per change of the connection, maybe before the
    // screen came: a remote that wants a password asks as it shows.
    using C = RemoteSession::Connection;
    if (active && s && (s->connection() == C::PasswordNeeded || s->connection() == C::PasswordRefused))
        emit passwordWanted();
}

QString RemoteScreen::title() const
{
    const RemoteSession* s = session();
    return s ? s->nowPlaying() : QString();
}

QString RemoteScreen::note() const
{
    const RemoteSession* s = session();
    return s ? s->nowPlayingNote() : QString();
}

QString RemoteScreen::passwordTitle() const
{
    const RemoteSession* s = session();
    return s ? fmt(localizedString("Password for %@"), s->remoteName()) : QString();
}

QString RemoteScreen::passwordMessage() const
{
    const RemoteSession* s = session();
    if (!s)
        return {};
    return s->connection() == RemoteSession::Connection::PasswordRefused
        ? fmt(localizedString("VLC on %@ did not accept the password. Enter the password of its web interface."),
              s->remoteName())
        : fmt(localizedString("VLC on %@ asks for the password of its web interface."), s->remoteName());
}

void RemoteScreen::supplyPassword(const QString& password)
{
    if (RemoteSession* s = session())
        s->supplyPassword(password);
}

void RemoteScreen::declinePassword()
{
    if (RemoteSession* s = session())
        s->declinePassword();
}

// --- What the skin shows --------------------------------------------------------

void RemoteScreen::showAll()
{
    if (!m_scene || !session())
        return;
    m_scene->setPreferences(&m_remotes->defaults());
    m_scene->setPlaylist(session()->playlist());
    showState();
    showVolume();
    showTime();
    showTexts();
    showPlaylist();
    showArt();
}

void RemoteScreen::showState()
{
    const RemoteSession* s = session();
    if (!m_scene || !s)
        return;
    // Without any status the controls stand neutral; with an old one and no
    // current answer they are dimmed.
    m_scene->setLiveness(!s->hasStatus() ? SkinScene::NoState
                             : s->connection() == RemoteSession::Connection::Connected ? SkinScene::Live
                                                                                       : SkinScene::Stale);
    m_scene->setPlaying(s->isPlaying());
    m_scene->setStopped(s->isStopped());
    m_scene->setItemsInPlaylist(s->playlist()->count());
    m_scene->setLooping(s->isLooping());
    m_scene->setRandom(s->isRandom());
    m_scene->setRepeating(s->isRepeating());
}

void RemoteScreen::showVolume()
{
    if (!m_scene || !session())
        return;
    m_scene->setMaxVolume(session()->maximumVolume());
    m_scene->setVolume(session()->volume());
}

void RemoteScreen::showTime()
{
    if (!m_scene || !session())
        return;
    m_scene->setLength(session()->length());
    m_scene->setElapsed(session()->elapsed());
    m_scene->setRemaining(session()->remaining());
}

void RemoteScreen::showTexts()
{
    if (!m_scene || !session())
        return;
    m_scene->setStatus(session()->connectionText());
    m_scene->setNowPlaying(session()->title());
}

void RemoteScreen::showPlaylist()
{
    if (m_scene && session())
        m_scene->setCurrentRow(session()->playlist()->currentRow());
}

void RemoteScreen::showArt()
{
    if (m_scene && session())
        m_scene->setArtData(session()->albumArt());
}

// --- What the skin asks -----------------------------------------------------------

void RemoteScreen::perform(int action)
{
    RemoteSession* s = session();
    if (!s)
        return;
    using Key = RemoteSession::KeyCommand;
    switch (SkinScene::Action(action)) {
    case SkinScene::Previous: s->previous(); break;
    case SkinScene::Stop: s->stop(); break;
    case SkinScene::PlayPause: s->playPause(); break;
    case SkinScene::Next: s->next(); break;
    case SkinScene::Random: s->toggleRandom(); break;
    case SkinScene::Repeat: s->toggleRepeat(); break;
    case SkinScene::Loop: s->toggleLoop(); break;
    case SkinScene::VolumeDown: s->volumeDown(); break;
    case SkinScene::VolumeUp: s->volumeUp(); break;
    case SkinScene::ScanForward: s->skipForward(); break;
    case SkinScene::ScanBack: s->skipBack(); break;
    case SkinScene::DvdUp: s->sendKeyCommand(Key::DvdUp); break;
    case SkinScene::DvdDown: s->sendKeyCommand(Key::DvdDown); break;
    case SkinScene::DvdLeft: s->sendKeyCommand(Key::DvdLeft); break;
    case SkinScene::DvdRight: s->sendKeyCommand(Key::DvdRight); break;
    case SkinScene::DvdSelect: s->sendKeyCommand(Key::DvdSelect); break;
    case SkinScene::DvdMenu: s->sendKeyCommand(Key::DvdMenu); break;
    }
}

void RemoteScreen::openPlaylist()
{
    if (RemoteSession* s = session())
        s->openPlaylist();
}

void RemoteScreen::openBrowser()
{
    if (RemoteSession* s = session())
        s->openBrowser();
}
