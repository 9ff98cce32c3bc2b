#include "models/RemoteScreen.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/SkinFolders.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "models/PlaylistModel.h"
#include "models/AddressErrorAlert.h"
#include "models/RemoteScreenNotices.h"
#include "models/RemoteSession.h"
#include "models/SetupInstructions.h"
#include "models/RemotesScreen.h"
#include "models/SetupScreen.h"
#include "models/SkinsScreen.h"
#include "models/skin/SkinScene.h"
#include "vlc/VLCController.h"

RemoteScreen::RemoteScreen(QObject* parent)
    : QObject(parent)
{
}

RemoteScreen::~RemoteScreen()
{
    // The session stays with the remotes; it must not poll for a screen
    // that went away.
    setPolling(false);
    setActive(false);
    m_inStack = false;
    countInStack();
}

RemoteSession* RemoteScreen::session() const
{
    return m_remotes ? &m_remotes->session() : nullptr;
}

void RemoteScreen::setRemotes(RemotesScreen* remotes)
{
    if (remotes == m_remotes)
        return;
    const bool active = m_active;
    const bool polling = m_polling;
    setPolling(false);
    setActive(false);
    if (RemoteSession* before = session()) {
        disconnect(before, nullptr, this, nullptr);
        disconnect(before->playlist(), nullptr, this, nullptr);
    }
    m_remotes = remotes;
    countInStack();
    delete m_notices;
    m_notices = nullptr;
    delete m_addressAlert;
    m_addressAlert = nullptr;
    if (remotes) {
        m_notices = new RemoteScreenNotices(
            AppContext { remotes->network(), remotes->defaults(), remotes->alerts(), Clock::current(), remotes->navigator() },
            this);
        m_addressAlert = new AddressErrorAlert(remotes->session(), remotes->alerts(), this);
    }
    rewire();
    setPolling(polling);
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
        connect(scene, &SkinScene::actionTriggered, this, [this](SkinRoles::Action action) { perform(action); });
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
        connect(scene, &SkinScene::fullScreenRequested, this, &RemoteScreen::fullScreen);
        // Told once the skin is read (it is read as the page completes).
        connect(scene, &SkinScene::skinChanged, this, &RemoteScreen::dropUnreadableSkin);
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
    connect(s, &RemoteSession::setupNoticeWanted, m_notices, &RemoteScreenNotices::dvdWarning);
    showAll();
}

void RemoteScreen::setInStack(bool inStack)
{
    if (inStack == m_inStack)
        return;
    m_inStack = inStack;
    countInStack();
    emit inStackChanged();
}

void RemoteScreen::countInStack()
{
    RemotesScreen* counting = m_inStack ? m_remotes.data() : nullptr;
    if (counting == m_countedBy)
        return;
    if (m_countedBy)
        m_countedBy->remoteScreenWent();
    m_countedBy = counting;
    if (counting)
        counting->remoteScreenCame();
}

void RemoteScreen::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    RemoteSession* s = session();
    emit activeChanged();
    // The session asks once per change of the connection, maybe before the
    // screen came: a remote that wants a password asks as it shows.
    using C = RemoteSession::Connection;
    if (active && s && (s->connection() == C::PasswordNeeded || s->connection() == C::PasswordRefused))
        emit passwordWanted();
    if (active && s) {
        // After the page's arrival, as a page the notices push would
        // otherwise land while the stack is still settling.
        QMetaObject::invokeMethod(this, [this] {
            if (!m_active || !m_remotes)
                return;
            showNotices();
            // Shown with a remote that answers: the setup worked (after the
            // notices, so that What's New waits for the next showing).
            if (RemoteSession* shown = session(); shown && shown->connection() == C::Connected)
                m_remotes->setup()->instructions().setHaveSetupSuccesfully();
        }, Qt::QueuedConnection);
    }
}

void RemoteScreen::setPolling(bool polling)
{
    if (polling == m_polling)
        return;
    m_polling = polling;
    if (RemoteSession* s = session())
        s->setActive(polling);
    emit pollingChanged();
}

void RemoteScreen::showNotices()
{
    const bool setUp = m_remotes->defaults().boolForKey(PreferenceKeys::haveSetupSuccesfully);
    const bool noticeShown = m_notices->checkSkinValue(m_scene ? std::optional<double>(m_scene->apiVersion()) : std::nullopt);
    if (!noticeShown && setUp)
        m_notices->showWhatsNewIfNeeded();
}

void RemoteScreen::dropUnreadableSkin()
{
    if (!m_scene || !m_notices || m_scene->isLoaded() || m_scene->directory() == SkinFolders::builtInSkin)
        return;
    // A skin that cannot be read would leave an empty screen: the built-in
    // skin takes its place, becomes the choice, and the user is told which
    // skin was dropped when the screen appears.
    const QString directory = m_scene->directory();
    ConsoleLog::log(logModels, QStringLiteral("skin %@ could not be loaded; using the built-in skin"), directory);
    m_notices->skinDropped(directory);
    m_remotes->skins()->choose(0);
    m_scene->setDirectory(SkinFolders::builtInSkin);
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

void RemoteScreen::perform(SkinRoles::Action action)
{
    RemoteSession* s = session();
    if (!s)
        return;
    using Key = RemoteSession::KeyCommand;
    switch (action) {
    case SkinRoles::Action::Previous: s->previous(); break;
    case SkinRoles::Action::Stop: s->stop(); break;
    case SkinRoles::Action::PlayPause: s->playPause(); break;
    case SkinRoles::Action::Next: s->next(); break;
    case SkinRoles::Action::Random: s->toggleRandom(); break;
    case SkinRoles::Action::Repeat: s->toggleRepeat(); break;
    case SkinRoles::Action::Loop: s->toggleLoop(); break;
    case SkinRoles::Action::VolumeDown: s->volumeDown(); break;
    case SkinRoles::Action::VolumeUp: s->volumeUp(); break;
    case SkinRoles::Action::ScanForward: s->skipForward(); break;
    case SkinRoles::Action::ScanBack: s->skipBack(); break;
    case SkinRoles::Action::DvdUp: s->sendKeyCommand(Key::DvdUp); break;
    case SkinRoles::Action::DvdDown: s->sendKeyCommand(Key::DvdDown); break;
    case SkinRoles::Action::DvdLeft: s->sendKeyCommand(Key::DvdLeft); break;
    case SkinRoles::Action::DvdRight: s->sendKeyCommand(Key::DvdRight); break;
    case SkinRoles::Action::DvdSelect: s->sendKeyCommand(Key::DvdSelect); break;
    case SkinRoles::Action::DvdMenu: s->sendKeyCommand(Key::DvdMenu); break;
    case SkinRoles::Action::None: break;
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

void RemoteScreen::fullScreen()
{
    if (RemoteSession* s = session())
        s->fullScreen();
}

void RemoteScreen::askAgain()
{
    RemoteSession* s = session();
    if (!m_active || !s)
        return;
    using C = RemoteSession::Connection;
    if (s->connection() == C::PasswordNeeded || s->connection() == C::PasswordRefused)
        emit passwordWanted();
    else if (s->connection() == C::PasswordNotSet)
        emit noticeWanted(s->connectionText(), VLCController::noPasswordHint());
}
