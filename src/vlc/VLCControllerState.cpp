// The player state, computed on demand from the stored replies and the
// values the commands set for immediate feedback.
#include "vlc/VLCController.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/StringHelpers.h"
#include "core/TextFormat.h"
#include "vlc/ServerDialect.h"
#include "vlc/XMLParser.h"

#include <algorithm>
#include <cmath>
#include <limits>

std::optional<QString> VLCController::statusValue(QStringView key) const
{
    if (!m_statusDict)
        return std::nullopt;
    return m_statusDict->XMLObjectForKey(key);
}

bool VLCController::statusFlag(QStringView key) const
{
    if (!m_statusDict)
        return true;
    const std::optional<QString> value = statusValue(key);
    return value && (*value == u"1" || *value == u"true");
}

namespace {
int toInt(const std::optional<QString>& text)
{
    if (!text)
        return 0;
    const qint64 v = StringHelpers::intValue(*text);
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
}

// --- Time, position, volume -----------------------------------------------

int VLCController::timeElapsedSeconds()
{
    return smoothedTimeElapsedSeconds();
}

int VLCController::smoothedTimeElapsedSeconds()
{
    // VLC reports whole seconds and polls arrive now and then, so keep an
    // estimated start moment and pull it gently toward what each reply says.
    const int reported = m_temporaryPositionSeconds != -1 ? m_temporaryPositionSeconds : toInt(statusValue(u"time"));
    if (!isPlaying())
        return reported;
    if (!m_estimatedStartTime)
        m_estimatedStartTime = Clock::distantPast;
    const double now = Clock::current().now();
    const double impliedStart = now - reported;
    const double difference = impliedStart - *m_estimatedStartTime;
    if (difference > 2.0 || difference < -2.0)
        m_estimatedStartTime = impliedStart;
    else
        m_estimatedStartTime = *m_estimatedStartTime + difference / 5.0;
    return int(std::trunc(now - *m_estimatedStartTime));
}

int VLCController::timeLengthSeconds() const
{
    return toInt(statusValue(u"length"));
}

int VLCController::timeRemainingSeconds() const
{
    return toInt(statusValue(u"length")) - toInt(statusValue(u"time"));
}

int VLCController::position() const
{
    if (m_temporaryPosition != -1)
        return m_temporaryPosition;
    if (!m_statusDict)
        return 0;
    return dialect().positionPercent(*m_statusDict);
}

int VLCController::volume() const
{
    if (m_temporaryVolume != -1)
        return m_temporaryVolume;
    const qint64 raw = toInt(statusValue(u"volume"));
    return int((400 * raw + 800) / 1024);
}

// --- Flags ------------------------------------------------------------------

bool VLCController::isPlaying() const
{
    return statusValue(u"state") == QStringLiteral("playing");
}

bool VLCController::isStopped() const
{
    if (!m_statusDict)
        return true;
    const std::optional<QString> state = statusValue(u"state");
    return state == QStringLiteral("stop") || state == QStringLiteral("stopped");
}

bool VLCController::isRandom() const
{
    return statusFlag(u"random");
}

bool VLCController::isRepeating() const
{
    return statusFlag(u"repeat");
}

bool VLCController::isLooping() const
{
    return statusFlag(u"loop");
}

bool VLCController::isLuaUnlocked() const
{
    return m_nickname.endsWith(QStringLiteral("zqv"));
}

// --- Playlist ---------------------------------------------------------------

int VLCController::itemsInPlaylist() const
{
    return int(m_playlistArray.size());
}

int VLCController::currentItemIndex() const
{
    if (dialect().marksCurrentItem(m_luaMode)) {
        for (size_t i = 0; i < m_playlistArray.size(); ++i)
            if (m_playlistArray[i].contains(u"current"))
                return int(i);
        return noCurrentItem;
    }
    const std::optional<QString> length = statusValue(u"length");
    if (!length)
        return noCurrentItem;
    for (size_t i = 0; i < m_playlistArray.size(); ++i) {
        const QString* duration = m_playlistArray[i].find(u"duration");
        if (duration && *duration == *length)
            return int(i);
    }
    return noCurrentItem;
}

const AttributeMap* VLCController::playlistItem(int index) const
{
    if (index == currentItem)
        index = currentItemIndex();
    if (index < 0 || size_t(index) >= m_playlistArray.size())
        return nullptr;
    return &m_playlistArray[size_t(index)];
}

int VLCController::idForIndex(int index) const
{
    const AttributeMap* item = playlistItem(index);
    return item ? toInt(item->value(u"id")) : 0;
}

std::optional<QString> VLCController::titleForIndex(int index) const
{
    const AttributeMap* item = playlistItem(index);
    if (!item)
        return std::nullopt;
    return dialect().titleForItemName(item->value(u"name"));
}

// --- Tracks -----------------------------------------------------------------

void VLCController::updateTrackInfoIfNeeded()
{
    // Rebuilt only when the current playlist item changes.
    const int current = idForIndex(currentItem);
    if (current == m_idForTrackCaches)
        return;
    m_idForTrackCaches = current;

    TrackList video { TrackRecord {} };
    video[0].insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    video[0].insert(QStringLiteral("description"), QStringLiteral("None"));
    TrackList audio { TrackRecord {} };
    audio[0].insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    audio[0].insert(QStringLiteral("Language"), QStringLiteral("None"));
    TrackList subtitles { TrackRecord {} };
    subtitles[0].insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    subtitles[0].insert(QStringLiteral("Description"), QStringLiteral("None"));

    const XmlNodeList* categories = XMLParser::arrayAtPath(u"information/category", m_statusDict.get());
    if (categories) {
        for (const XmlNode* category : *categories) {
            const QString name = XMLParser::valueForInfo(u"name", 0, category).value_or(QString());
            ConsoleLog::log(QStringLiteral("name: %@"), name);
            if (!name.startsWith(QStringLiteral("Stream ")))
                continue;
            TrackRecord record;
            record.insert(QStringLiteral("streamId"), name.mid(7));
            QString type;
            if (const XmlNodeList* infos = category->children(u"info")) {
                for (const XmlNode* info : *infos) {
                    const QString key = XMLParser::valueForInfo(u"name", 0, info).value_or(QString());
                    const QString value = info->nodeText.value_or(QString());
                    if (key == u"Type")
                        type = value;
                    else
                        record.insert(key, value);
                    ConsoleLog::log(QStringLiteral("%@ : %@"), value, key);
                }
            }
            if (type == u"Audio") {
                audio.push_back(std::move(record));
            } else if (type == u"Video") {
                record.insert(QStringLiteral("description"), fmt(QStringLiteral("Track %d"), video.size()));
                video.push_back(std::move(record));
            } else if (type == u"Subtitle") {
                subtitles.push_back(std::move(record));
            }
        }
    }
    m_videoTracks = std::move(video);
    m_audioTracks = std::move(audio);
    m_subtitleTracks = std::move(subtitles);
}

namespace {
const TrackRecord* trackAt(const TrackList& list, int index)
{
    if (index < 0 || size_t(index) >= list.size())
        return nullptr;
    return &list[size_t(index)];
}

QString detailsSkipping(const TrackRecord* record, std::initializer_list<QStringView> skipped)
{
    if (!record)
        return QString();
    QString details;
    for (const auto& [key, value] : *record) {
        if (key == u"streamId" || std::find(skipped.begin(), skipped.end(), QStringView(key)) != skipped.end())
            continue;
        details += fmt(QStringLiteral("%@:%@ "), key, value);
    }
    return details;
}

int currentTrack(const TrackList& list, const std::optional<QString>& streamId)
{
    if (!streamId)
        return -1;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].value(u"streamId") == *streamId)
            return int(i);
    return -1;
}
}

int VLCController::numberOfVideoTracks()
{
    updateTrackInfoIfNeeded();
    return int(m_videoTracks.size());
}

int VLCController::numberOfAudioTracks()
{
    updateTrackInfoIfNeeded();
    return int(m_audioTracks.size());
}

int VLCController::numberOfSubtitleTracks()
{
    updateTrackInfoIfNeeded();
    return int(m_subtitleTracks.size());
}

QString VLCController::nameForVideoTrack(int index)
{
    updateTrackInfoIfNeeded();
    const TrackRecord* record = trackAt(m_videoTracks, index);
    return record ? record->value(u"description") : QString();
}

QString VLCController::nameForAudioTrack(int index)
{
    updateTrackInfoIfNeeded();
    const TrackRecord* record = trackAt(m_audioTracks, index);
    if (!record)
        return QString();
    if (const QString* language = record->find(u"Language"))
        return *language;
    return localizedString("Unspecified language");
}

QString VLCController::nameForSubtitleTrack(int index)
{
    updateTrackInfoIfNeeded();
    const TrackRecord* record = trackAt(m_subtitleTracks, index);
    if (!record)
        return QString();
    const QString* description = record->find(u"Description");
    const QString* language = record->find(u"Language");
    if (description && language)
        return fmt(QStringLiteral("%@ %@"), *description, *language);
    if (description)
        return *description;
    if (language)
        return *language;
    return fmt(QStringLiteral("( %@ )"), localizedString("Unnamed"));
}

QString VLCController::detailsForVideoTrack(int index)
{
    updateTrackInfoIfNeeded();
    return detailsSkipping(trackAt(m_videoTracks, index), { u"description" });
}

QString VLCController::detailsForAudioTrack(int index)
{
    updateTrackInfoIfNeeded();
    return detailsSkipping(trackAt(m_audioTracks, index), { u"Language" });
}

QString VLCController::detailsForSubtitleTrack(int index)
{
    updateTrackInfoIfNeeded();
    return detailsSkipping(trackAt(m_subtitleTracks, index), { u"Language", u"Description" });
}

int VLCController::currentVideoTrack()
{
    updateTrackInfoIfNeeded();
    return currentTrack(m_videoTracks, statusValue(u"videoTrack"));
}

int VLCController::currentAudioTrack()
{
    updateTrackInfoIfNeeded();
    return currentTrack(m_audioTracks, statusValue(u"audioTrack"));
}

int VLCController::currentSubtitleTrack()
{
    updateTrackInfoIfNeeded();
    return currentTrack(m_subtitleTracks, statusValue(u"subtitleTrack"));
}

// --- Aspect ratios, chapters, titles, rate, delay ---------------------------

int VLCController::indexOfCurrent(QStringView path) const
{
    const XmlNodeList* list = XMLParser::arrayAtPath(path, m_statusDict.get());
    if (!list)
        return -1;
    for (size_t i = 0; i < list->size(); ++i) {
        const XmlNode& node = *(*list)[i];
        if (node.children(u"current") || node.attributeDict.contains(u"current"))
            return int(i);
    }
    return -1;
}

int VLCController::numberOfAspects() const
{
    const XmlNodeList* list = XMLParser::arrayAtPath(u"aspectRatios/aspectRatio", m_statusDict.get());
    return list ? int(list->size()) : 0;
}

QString VLCController::nameForAspect(int index) const
{
    const XmlNodeList* list = XMLParser::arrayAtPath(u"aspectRatios/aspectRatio", m_statusDict.get());
    if (!list || index < 0 || size_t(index) >= list->size())
        return QString();
    const QString text = (*list)[size_t(index)]->nodeText.value_or(QString());
    return text.isEmpty() ? localizedString("Default") : text;
}

int VLCController::currentAspect() const
{
    return indexOfCurrent(u"aspectRatios/aspectRatio");
}

int VLCController::numberOfChapters() const
{
    const XmlNodeList* list = XMLParser::arrayAtPath(u"dvdInfo/chapters/chapter", m_statusDict.get());
    return list ? int(list->size()) : 0;
}

int VLCController::currentChapter() const
{
    return indexOfCurrent(u"dvdInfo/chapters/chapter");
}

QString VLCController::nameForChapter(int number) const
{
    return fmt(localizedString("Chapter %d"), number);
}

int VLCController::numberOfTitles() const
{
    const XmlNodeList* list = XMLParser::arrayAtPath(u"dvdInfo/titles/title", m_statusDict.get());
    return list ? int(list->size()) : 0;
}

int VLCController::currentTitle() const
{
    return indexOfCurrent(u"dvdInfo/titles/title");
}

QString VLCController::nameForTitle(int number) const
{
    if (number == 0)
        return localizedString("DVD Menu");
    return fmt(localizedString("Title %d"), number);
}

int VLCController::speed() const
{
    return m_statusDict ? dialect().speed(*m_statusDict) : 0;
}

double VLCController::audioDelay() const
{
    return m_statusDict ? dialect().audioDelay(*m_statusDict) : 0.0;
}

// --- Identity and connection text -------------------------------------------

QString VLCController::name() const
{
    if (!m_nickname.isEmpty())
        return m_nickname;
    if (!m_hostName.isEmpty())
        return m_hostName;
    return m_hostAddress;
}

QString VLCController::status() const
{
    if (!m_lastResponse)
        return fmt(localizedString("Trying to connect to %@"), name());
    const qint64 age = qint64(std::trunc(Clock::current().now() - *m_lastResponse));
    if (age > 2)
        return fmt(localizedString("Lost connection to %@"), name());
    // VLC answers, but not to us: say why instead of claiming a connection.
    if (m_passwordNotSet)
        return fmt(localizedString("VLC on %@ has no password set"), name());
    if (m_passwordRequired)
        return fmt(hasPassword() ? localizedString("Wrong password for %@") : localizedString("Password needed for %@"),
                   name());
    return fmt(localizedString("Connected to %@"), name());
}

QString VLCController::serverVersion() const
{
    return statusValue(u"version").value_or(QString()).trimmed();
}

QString VLCController::playbackState() const
{
    if (!m_statusDict)
        return QString();
    if (isPlaying())
        return QStringLiteral("playing");
    if (isStopped())
        return QStringLiteral("stopped");
    return statusValue(u"state").value_or(QString()).trimmed();
}
