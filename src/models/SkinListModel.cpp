#include "models/SkinListModel.h"

#include "core/PreferenceKeys.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"
#include "skin/SkinDownloader.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

SkinListModel::SkinListModel(UserDefaults& defaults, QObject* parent)
    : QAbstractListModel(parent)
    , m_defaults(defaults)
{
    reload();
}

SkinListModel::~SkinListModel() = default;

void SkinListModel::reload()
{
    QStringList skins { SkinFolders::builtInSkin };
    const QDir folder(SkinFolders::installedSkins());
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        if (!name.startsWith(SkinFolders::hiddenPrefix))
            skins.append(SkinFolders::identifierForInstalled(name));
    if (skins != m_skins) {
        beginResetModel();
        m_skins = skins;
        endResetModel();
    }
    noteChoice();
}

void SkinListModel::setFollowsFolder(bool follows)
{
    if (follows == followsFolder())
        return;
    if (!follows) {
        delete m_watcher;
        m_watcher = nullptr;
        return;
    }
    m_watcher = new QFileSystemWatcher(this);
    // An install's work folders ("__install-...") come and go unlisted:
    // the rows change only when the list does.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchFolder();
        reload();
    });
    watchFolder();
    reload();
}

void SkinListModel::watchFolder()
{
    // The skins folder, or until it is made the nearest folder above it.
    QString folder = SkinFolders::installedSkins();
    for (const QString& above : { HomePaths::documents(), HomePaths::home() })
        if (!QFileInfo(folder).isDir())
            folder = above;
    const QStringList watched = m_watcher->directories();
    if (watched == QStringList { folder })
        return;
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    m_watcher->addPath(folder);
}

void SkinListModel::noteChoice()
{
    const QString chosen = m_defaults.stringForKey(PreferenceKeys::skin);
    if (chosen == m_chosen)
        return;
    const qsizetype before = m_skins.indexOf(m_chosen);
    const qsizetype after = m_skins.indexOf(chosen);
    m_chosen = chosen;
    for (const qsizetype row : { before, after })
        if (row >= 0)
            emit dataChanged(index(int(row)), index(int(row)), { ChosenRole });
    emit chosenChanged();
}

int SkinListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_skins.size());
}

QVariant SkinListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const QString& identifier = m_skins[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return QFileInfo(identifier).fileName();
    case IdentifierRole: return identifier;
    case ChosenRole: return identifier == m_chosen;
    case DeletableRole: return index.row() > 0;
    default: return {};
    }
}

QHash<int, QByteArray> SkinListModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { NameRole, "name" },         { IdentifierRole, "identifier" },
             { ChosenRole, "chosen" },       { DeletableRole, "deletable" } };
}

void SkinListModel::choose(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    m_defaults.setObject(PreferenceKeys::skin, m_skins[row]);
    noteChoice();
}

bool SkinListModel::remove(int row)
{
    if (row <= 0 || row >= rowCount())
        return false;
    const QString identifier = m_skins[row];
    if (identifier == m_chosen)
        choose(0);
    SkinDownloader().deleteSkin(identifier);
    reload();
    return !m_skins.contains(identifier);
}
