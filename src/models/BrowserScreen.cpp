#include "models/BrowserScreen.h"

#include "core/AlertPresenter.h"
#include "core/Clock.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/BrowseIndex.h"
#include "models/FolderModel.h"
#include "models/RemoteSession.h"
#include "models/RemotesScreen.h"
#include "vlc/VLCController.h"

BrowserScreen::BrowserScreen(QObject* parent)
    : ListScreen(statusIntervalMs, parent)
{
    for (QTimer* timer : { &m_refusedTimer, &m_addedTimer }) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &BrowserScreen::noticesChanged);
    }
    m_refusedTimer.setInterval(refusedNoticeMs);
    m_addedTimer.setInterval(addedNoticeMs);
}

// The listing reads the preferences of the remotes it is given.
void BrowserScreen::makeFolderModel(UserDefaults& defaults)
{
    m_folder = new FolderModel(defaults, this);
    connect(m_folder, &FolderModel::folderChanged, this, &BrowserScreen::folderChanged);
    connect(m_folder, &FolderModel::modelReset, this, [this] {
        // A listing came: the notice of a refused folder has had its say.
        if (m_refusedTimer.isActive()) {
            m_refusedTimer.stop();
            emit noticesChanged();
        }
        emit folderChanged();
    });
    connect(m_folder, &FolderModel::addsChanged, this, &BrowserScreen::addsChanged);
    connect(m_folder, &FolderModel::folderRefused, this, [this] {
        // The listing shown, and the folder it is of, stay as they were.
        m_refusedTimer.start();
        emit noticesChanged();
    });
    connect(m_folder, &FolderModel::driveSearchFinished, this, [this](bool found) {
        if (found || !isActive() || !remotes())
            return;
        remotes()->alerts().present(FolderModel::drivesNotFoundNotice());
    });
}

BrowserScreen::~BrowserScreen() = default;

void BrowserScreen::remotesSet(RemotesScreen* previous)
{
    if (previous)
        disconnect(&previous->session(), nullptr, this, nullptr);
    if (remotes() && !m_folder)
        makeFolderModel(remotes()->defaults());
    if (remotes())
        connect(&remotes()->session(), &RemoteSession::remoteChanged, this, &BrowserScreen::rewire);
    rewire();
}

// Adding to a stopped player needs to know it is stopped.
void BrowserScreen::poll(VLCController& remote)
{
    remote.updateStatus();
}

void BrowserScreen::activeSet()
{
    if (!isActive())
        hideNotices();
}

void BrowserScreen::rewire()
{
    if (m_folder)
        m_folder->setRemote(remote());
    emit folderChanged();
}

void BrowserScreen::hideNotices()
{
    if (!m_refusedTimer.isActive() && !m_addedTimer.isActive())
        return;
    m_refusedTimer.stop();
    m_addedTimer.stop();
    emit noticesChanged();
}

QAbstractItemModel* BrowserScreen::rows() const
{
    return m_folder;
}

QString BrowserScreen::folder() const
{
    const std::shared_ptr<VLCController> current = remote();
    return current ? FolderModel::shownFolder(*current) : QString();
}

bool BrowserScreen::adds() const
{
    return m_folder && m_folder->adds();
}

void BrowserScreen::setAdds(bool adds)
{
    if (m_folder)
        m_folder->setAdds(adds);
}

QStringList BrowserScreen::indexTitles() const
{
    return BrowseIndex::titles();
}

void BrowserScreen::open(int row)
{
    const QModelIndex index = m_folder ? m_folder->index(row) : QModelIndex();
    if (!index.isValid())
        return;
    if (m_refusedTimer.isActive()) {
        m_refusedTimer.stop();
        emit noticesChanged();
    }
    if (index.data(FolderModel::FileTypeRole).toString() == u"directory")
        m_folder->open(row);
    else if (index.data(FolderModel::SubtitlesOfferedRole).toBool())
        useAsSubtitles(row);
    else
        play(row);
}

void BrowserScreen::useAsSubtitles(int row)
{
    if (!m_folder || !m_folder->useAsSubtitles(row))
        return;
    m_added = fmt(localizedString("Subtitles added: %@"), m_folder->index(row).data(FolderModel::NameRole).toString());
    m_addedTimer.start();
    emit noticesChanged();
}

void BrowserScreen::play(int row)
{
    const QModelIndex index = m_folder ? m_folder->index(row) : QModelIndex();
    if (!index.isValid())
        return;
    const bool adding = m_folder->adds();
    m_folder->play(row);
    if (!adding)
        return;
    const QString name = index.data(FolderModel::NameRole).toString();
    m_added = fmt(localizedString("Added to the playlist: %@"),
                  name.isEmpty() ? index.data(FolderModel::PathRole).toString() : name);
    m_addedTimer.start();
    emit noticesChanged();
}

void BrowserScreen::up()
{
    if (m_folder)
        m_folder->up();
}

void BrowserScreen::home()
{
    if (m_folder)
        m_folder->home();
}

void BrowserScreen::openDrives()
{
    if (m_folder)
        m_folder->openDrives();
}

void BrowserScreen::makeDefaultFolder()
{
    if (!remote() || !m_folder)
        return;
    AlertRequest sheet;
    sheet.actionSheet = true;
    sheet.buttons = { localizedString("Ok") };
    sheet.title = m_folder->makeDefaultFolder()
        ? localizedString("The first time you press 'browse' will open this directory when you launch PlayerLink in "
                          "future.")
        : localizedString("You can only set the default browsing directory for saved remotes.\n\nTo create a saved "
                          "remote, simply tap on 'add computer' in the startup screen.");
    remotes()->alerts().present(sheet);
}

void BrowserScreen::fullScreen()
{
    if (remotes())
        remotes()->session().fullScreen();
}

int BrowserScreen::rowForIndexTitle(const QString& title) const
{
    return m_folder ? m_folder->rowForIndexTitle(title) : -1;
}

void BrowserScreen::jumpToIndexTitle(const QString& title)
{
    if (const int row = rowForIndexTitle(title); row >= 0)
        emit rowChosen(row);
}

bool BrowserScreen::keyPressed(int key, int modifiers, const QString& text)
{
    const auto mods = Qt::KeyboardModifiers::fromInt(modifiers) & ~Qt::KeypadModifier;
    if (textSizeKey(key, mods.toInt()))
        return true;
    if (key == Qt::Key_Backspace || (key == Qt::Key_Up && mods == Qt::AltModifier)) {
        up();
        return true;
    }
    if (!m_folder)
        return false;
    const std::optional<int> row = m_typeAhead.rowFor(text, mods, *m_folder, Clock::current().now());
    if (row && *row >= 0)
        emit rowChosen(*row);
    return row.has_value();
}

ListTextSize& BrowserScreen::textSizeIn(RemotesScreen& remotes) const
{
    return remotes.browserTextSize();
}
