#include "models/FolderModel.h"

#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/BrowseIndex.h"
#include "vlc/VLCController.h"

#include <QDir>

namespace {
const QString directoryType = QStringLiteral("directory");
}

FolderModel::FolderModel(UserDefaults& defaults, QObject* parent)
    : QAbstractListModel(parent)
    , m_defaults(defaults)
{
}

FolderModel::~FolderModel() = default;

AlertRequest FolderModel::drivesNotFoundNotice()
{
    return AlertRequest::notice(localizedString("No Luck..."),
                                localizedString("Normally, your drives are listed just above your C: drive "
                                                "(Windows) or in //Volumes (Mac).\n\nPlayerLink couldn't "
                                                "find anything in either of those this time."));
}

void FolderModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    const bool addsBefore = adds();
    m_remote = remote;
    if (remote) {
        connect(remote.get(), &VLCController::browseListChanged, this, &FolderModel::listingStored);
        connect(remote.get(), &VLCController::browseListRefused, this, &FolderModel::folderRefused);
        connect(remote.get(), &VLCController::driveSearchFinished, this, &FolderModel::driveSearchFinished);
        connect(remote.get(), &VLCController::statusChanged, this, &FolderModel::statusStored);
    }
    listingStored();
    statusStored();
    if (adds() != addsBefore)
        emit addsChanged();
}

void FolderModel::listingStored()
{
    // Every listing is another folder, or the same one read again: the
    // rows start afresh either way.
    beginResetModel();
    m_rows = m_remote ? int(m_remote->state().browseArray().size()) : 0;
    endResetModel();
    const QString folder = m_remote ? m_remote->state().listedDir().value_or(QString()) : QString();
    if (folder != m_folder) {
        m_folder = folder;
        emit folderChanged();
    }
}

void FolderModel::statusStored()
{
    const PlaybackState playback = m_remote ? m_remote->state().playback() : PlaybackState::None;
    const bool takes = playback == PlaybackState::Playing || playback == PlaybackState::Paused;
    if (takes == m_takesSubtitles)
        return;
    m_takesSubtitles = takes;
    emit takesSubtitlesChanged();
    if (m_rows > 0)
        emit dataChanged(index(0), index(m_rows - 1), { SubtitlesOfferedRole });
}

bool FolderModel::isSubtitleFile(const QString& name)
{
    static const QStringList extensions { QStringLiteral("srt"), QStringLiteral("ass"), QStringLiteral("ssa"),
                                          QStringLiteral("sub"), QStringLiteral("vtt"), QStringLiteral("idx") };
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 && extensions.contains(name.mid(dot + 1), Qt::CaseInsensitive);
}

QString FolderModel::folder() const
{
    return m_folder;
}

QString FolderModel::tidyPath(const QString& path)
{
    // Only paths of a POSIX computer: "~", "c:\\.." and the like are VLC's to read.
    if (!path.startsWith(u'/') || path.contains(u'\\'))
        return path;
    // VLC 3 names the entries of "/" "//bin", and of "/a/../b" "/a/../b/c":
    // one slash, and ".." read by the text alone, as VLC reads it.
    qsizetype slashes = 0;
    while (slashes < path.size() && path[slashes] == u'/')
        ++slashes;
    return QDir::cleanPath(path.mid(slashes - 1));
}

QString FolderModel::shownFolder(const VLCController& remote)
{
    // Named as the listing shown names itself, not as the folder asked for
    // next, which may not have answered yet.
    const PlayerState& state = remote.state();
    if (state.browseInfo(QStringLiteral("name"), 0) == QStringLiteral("..")) {
        const QString up = state.browseInfo(QStringLiteral("path"), 0).value_or(QString());
        if (up.size() > 3 && (up.endsWith(QStringLiteral("/..")) || up.endsWith(QStringLiteral("\\.."))))
            return tidyPath(up.chopped(3));
    }
    return tidyPath(state.listedDir().value_or(state.browseDir()));
}

bool FolderModel::adds() const
{
    return m_remote && m_remote->record().browseAdd;
}

void FolderModel::setAdds(bool adds)
{
    if (!m_remote || adds == this->adds())
        return;
    m_remote->setBrowseAdd(adds);
    // The play buttons turn into add buttons.
    if (m_rows > 0)
        emit dataChanged(index(0), index(m_rows - 1), { PlayableRole });
    emit addsChanged();
}

std::optional<QString> FolderModel::entry(const QString& attribute, int row) const
{
    return m_remote ? m_remote->state().browseInfo(attribute, row) : std::nullopt;
}

int FolderModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant FolderModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || !m_remote)
        return {};
    const int row = index.row();
    const QString type = m_remote->filetypeForIndex(row).value_or(QString());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return entry(QStringLiteral("name"), row).value_or(QString());
    case PathRole: return entry(QStringLiteral("path"), row).value_or(QString());
    case FileTypeRole: return type;
    case ParentRole: return row == 0 && type == directoryType;
    case PlayableRole:
        // Row 0 is the way up; folders play only when the preference says so.
        return row > 0 && (type != directoryType || m_defaults.boolForKey(PreferenceKeys::playFolders));
    case SubtitleFileRole:
        return type != directoryType && isSubtitleFile(entry(QStringLiteral("name"), row).value_or(QString()));
    case SubtitlesOfferedRole:
        return m_takesSubtitles && type != directoryType
            && isSubtitleFile(entry(QStringLiteral("name"), row).value_or(QString()));
    default: return {};
    }
}

QHash<int, QByteArray> FolderModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" },     { PathRole, "path" },
             { FileTypeRole, "fileType" },   { ParentRole, "parent" }, { PlayableRole, "playable" },
             { SubtitleFileRole, "subtitleFile" }, { SubtitlesOfferedRole, "subtitlesOffered" } };
}

void FolderModel::browse(const QString& folder)
{
    if (!m_remote)
        return;
    // VLC 3 names entries by the folder asked for, so each way up through
    // ".." would lengthen every path below it.
    m_remote->setBrowseDir(tidyPath(folder));
    m_remote->setListsOnlyMediaFiles(m_defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles));
    m_remote->updateBrowseList();
}

void FolderModel::open(int row)
{
    if (!m_remote)
        return;
    const std::optional<QString> type = m_remote->filetypeForIndex(row);
    if (!type)
        return;
    if (*type == directoryType) {
        if (const std::optional<QString> path = entry(QStringLiteral("path"), row))
            browse(*path);
    } else {
        play(row);
    }
}

void FolderModel::play(int row)
{
    const std::optional<QString> path = entry(QStringLiteral("path"), row);
    if (!path)
        return;
    if (!m_remote->record().browseAdd) {
        m_remote->playFilename(tidyPath(*path));
        return;
    }
    m_remote->enqueueFilename(tidyPath(*path));
    // Adding to a stopped player: start the new last item, then stop, so
    // that it ends up current without playing.
    if (m_remote->state().isStopped()) {
        m_remote->connection().addRequestToQueue(VLCController::QueuePlayLastItem);
        m_remote->connection().addRequestToQueue(VLCController::QueueStop);
    }
}

bool FolderModel::useAsSubtitles(int row)
{
    if (!m_remote || !data(index(row), SubtitlesOfferedRole).toBool())
        return false;
    const std::optional<QString> path = entry(QStringLiteral("path"), row);
    if (!path)
        return false;
    m_remote->addSubtitle(tidyPath(*path));
    return true;
}

void FolderModel::up()
{
    if (m_remote && m_remote->filetypeForIndex(0) == directoryType)
        open(0);
}

void FolderModel::home()
{
    browse(QStringLiteral("~"));
}

void FolderModel::openDrives()
{
    if (!m_remote)
        return;
    m_remote->setListsOnlyMediaFiles(m_defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles));
    m_remote->openDrivesDirectory();
}

bool FolderModel::makeDefaultFolder()
{
    if (!m_remote || !m_remote->record().isSaved)
        return false;
    m_remote->setDefaultBrowseDirectory(tidyPath(m_remote->state().browseDir()));
    return true;
}

QStringList FolderModel::indexTitles() const
{
    return BrowseIndex::titles();
}

int FolderModel::rowForIndexTitle(const QString& title) const
{
    return BrowseIndex::rowForTitle(title, m_rows, [this](int i) { return entry(QStringLiteral("name"), i).value_or(QString()); });
}

int FolderModel::rowForPrefix(const QString& prefix) const
{
    return BrowseIndex::rowForPrefix(prefix, m_rows, [this](int i) { return entry(QStringLiteral("name"), i).value_or(QString()); });
}
