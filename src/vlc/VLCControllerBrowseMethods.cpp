// The folder listing: storing listings, file types, and finding the drives.
#include "vlc/VLCController.h"

#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "vlc/ByteSearch.h"
#include "vlc/RequestChannel.h"

#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QUtf8StringView>

#include <algorithm>
#include <array>

namespace {
const std::array<QString, 3> driveFolders { QStringLiteral("c:\\\\.."), QStringLiteral("//Volumes"),
                                            QStringLiteral("//media") };

QString pathExtension(const QString& path)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QStringView last = QStringView(path).mid(separator + 1);
    const qsizetype dot = last.lastIndexOf(u'.');
    return dot < 0 ? QString() : last.mid(dot + 1).toString();
}
}

void VLCController::parseBrowseResponse(const QByteArray& body)
{
    m_browseArray = FolderListing::read(body);
    // VLC 3 sorts ".." among the names by bytes, after names that begin
    // with a space, "#", "&", "'", "(" and the like; the browser takes the
    // first entry as the way up, so it goes first.
    const auto parent = std::find_if(m_browseArray.begin(), m_browseArray.end(), [](const BrowseEntry& entry) {
        const QString type = entry.value(u"type");
        return entry.value(u"name") == u".." && (type == u"dir" || type == u"directory");
    });
    if (parent != m_browseArray.end())
        std::rotate(m_browseArray.begin(), parent, parent + 1);
    m_hasBrowseList = true;
    m_listedDir = m_browseDir;
    if (UserDefaults::standard().boolForKey(PreferenceKeys::onlyShowMediaFiles)) {
        for (int i = int(m_browseArray.size()) - 1; i >= 0; --i)
            if (filetypeForIndex(i) == QStringLiteral("unknown"))
                m_browseArray.erase(m_browseArray.begin() + i);
    }
    NotificationCenter::defaultCenter().post(NotificationNames::vlcBrowseListChanged, this);
}

std::optional<QString> VLCController::browseInfo(const QString& attribute, int index) const
{
    if (index < 0 || size_t(index) >= m_browseArray.size())
        return std::nullopt;
    const QString* value = m_browseArray[size_t(index)].find(attribute);
    return value ? std::optional<QString>(*value) : std::nullopt;
}

QString VLCController::dialectFreeExtension(const AttributeMap& entry) const
{
    if (m_luaMode)
        return pathExtension(entry.value(u"path"));
    // VLC 3 lists no "extension"; without it the path tells.
    if (const QString* extension = entry.find(u"extension"))
        return *extension;
    return pathExtension(entry.value(u"path", entry.value(u"name")));
}

std::optional<QString> VLCController::filetypeForIndex(int index) const
{
    if (index < 0 || size_t(index) >= m_browseArray.size())
        return std::nullopt;
    const AttributeMap& entry = m_browseArray[size_t(index)];
    const QString type = entry.value(u"type");
    if (type == u"directory" || type == u"dir")
        return QStringLiteral("directory");
    return fileTypeForExtension(dialectFreeExtension(entry));
}

QString VLCController::fileTypeForExtension(const QString& extension)
{
    static const QStringList music { "amr", "ogg", "aac", "m4a", "flac", "mp3", "midi", "ra", "mka",
                                     "rm", "mp2", "ram", "aa", "ts", "wma", "tta", "wav" };
    static const QStringList video { "3gp", "asx", "avi", "bsf", "divx", "dmg", "enc", "flv", "iso", "mkv", "m2t", "m2ts",
                                     "m2v", "m4v", "mp4", "mov", "mpg", "mpeg", "ogm", "rm", "rmvb", "vob", "wmv", "xvid" };
    static const QStringList playlist { "m3u", "xspf" };
    if (music.contains(extension, Qt::CaseInsensitive))
        return QStringLiteral("music");
    if (video.contains(extension, Qt::CaseInsensitive))
        return QStringLiteral("video");
    if (playlist.contains(extension, Qt::CaseInsensitive))
        return QStringLiteral("playlist");
    return QStringLiteral("unknown");
}

void VLCController::directoryIsValid(const QString& folder, std::function<void(bool)> done)
{
    // A request of its own beside the channel, answered through the event
    // loop so that the interface never waits on it.
    QUrl url(baseAddress(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [done] { done(false); });
        return;
    }
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("dir"), StringHelpers::fullyEscapedStringForUrl(folder));
    url.setPath(QStringLiteral("/requests/browse.xml"));
    url.setQuery(query);
    auto* probe = new RequestChannel(m_network, this);
    probe->setPassword(m_record.password);
    probe->setDeadlineMs(RequestChannel::defaultIdleTimeoutMs * 2);
    connect(probe, &RequestChannel::finished, this, [probe, done](int, const HttpReply& reply) {
        probe->deleteLater();
        done(QUtf8StringView(reply.body).isValidUtf8() && ByteSearch::containsIgnoringCase(reply.body, "<element"));
    });
    connect(probe, &RequestChannel::failed, this, [probe, done](int, RequestFailure) {
        probe->deleteLater();
        done(false);
    });
    probe->send(url, OrdinaryRequest, maxListBytes);
}

void VLCController::restoreListedDir()
{
    if (m_listedDir)
        m_browseDir = *m_listedDir;
}

void VLCController::filePresence(const QString& path, std::function<void(FilePresence)> done)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(separator + 1);
    QString folder = path.left(separator + 1);
    QUrl url(baseAddress(), QUrl::StrictMode);
    if (separator < 0 || name.isEmpty() || !url.isValid() || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [done] { done(FilePresence::Unknown); });
        return;
    }
    // "C:\\" and "/" list as they are; other folders without their last separator.
    if (folder.size() > 1 && !folder.endsWith(QStringLiteral(":\\")) && !folder.endsWith(QStringLiteral(":/")))
        folder.chop(1);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("dir"), StringHelpers::fullyEscapedStringForUrl(folder));
    url.setPath(QStringLiteral("/requests/browse.xml"));
    url.setQuery(query);
    auto* probe = new RequestChannel(m_network, this);
    probe->setPassword(m_record.password);
    probe->setDeadlineMs(RequestChannel::defaultIdleTimeoutMs * 5);
    // Drive letters and names on Windows do not mind the case.
    const Qt::CaseSensitivity cs = folder.size() > 1 && folder[1] == u':' ? Qt::CaseInsensitive : Qt::CaseSensitive;
    connect(probe, &RequestChannel::finished, this, [probe, done, name, cs](int, const HttpReply& reply) {
        probe->deleteLater();
        if (reply.httpStatus != 200 || !QUtf8StringView(reply.body).isValidUtf8()) {
            done(FilePresence::Unknown);
            return;
        }
        // A folder VLC cannot open (VLC's error page) holds nothing.
        for (const BrowseEntry& entry : FolderListing::read(reply.body))
            if (entry.value(u"name").compare(name, cs) == 0) {
                done(FilePresence::Present);
                return;
            }
        done(FilePresence::Absent);
    });
    connect(probe, &RequestChannel::failed, this, [probe, done](int, RequestFailure) {
        probe->deleteLater();
        done(FilePresence::Unknown);
    });
    probe->send(url, OrdinaryRequest, maxListBytes);
}

void VLCController::openDrivesDirectory()
{
    tryDriveFolder(0);
}

void VLCController::tryDriveFolder(int candidate)
{
    const QString folder = driveFolders[size_t(candidate)];
    directoryIsValid(folder, [self = QPointer<VLCController>(this), candidate, folder](bool valid) {
        if (!self)
            return;
        if (valid) {
            self->m_browseDir = folder;
            self->updateBrowseList();
            emit self->driveSearchFinished(true);
        } else if (size_t(candidate) + 1 < driveFolders.size()) {
            self->tryDriveFolder(candidate + 1);
        } else {
            emit self->driveSearchFinished(false); // the screen says so, as it sees fit
        }
    });
}
