#include "cli/StateReport.h"

#include "core/StringHelpers.h"
#include "core/TerminalText.h"
#include "vlc/ChapterTitleInfo.h"
#include "vlc/EqualizerBands.h"
#include "vlc/VLCController.h"

#include <algorithm>

namespace {
QString onOff(bool value)
{
    return value ? QStringLiteral("on") : QStringLiteral("off");
}

QString rateText(std::optional<double> rate)
{
    if (!rate)
        return QStringLiteral("?");
    // VLC 3 plays at 1000/n for a whole n, so 1.5 comes back as 1.5015015 and
    // 32 as 31.25, its fastest. A short value is shown as it is; a long one
    // is VLC's nearest step to what was asked, shown to 3 digits.
    const QString exact = QString::number(*rate, 'g', 6);
    return (exact.toDouble() == *rate ? exact : QString::number(*rate, 'g', 3)) + u'x';
}

QString decibels(double value)
{
    return QString::number(value) + QStringLiteral(" dB");
}

// Lines of at most width columns, words as given, each line after the first
// indented by indent.
QString wrapped(const QStringList& words, int indent, int width)
{
    QString text;
    int column = indent;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString word = words[i] + (i + 1 < words.size() ? QStringLiteral(",") : QString());
        if (i > 0 && column + 1 + word.size() > width) {
            text += u'\n' + QString(indent, u' ');
            column = indent;
        } else if (i > 0) {
            text += u' ';
            ++column;
        }
        text += word;
        column += int(word.size());
    }
    return text;
}

const char* const trackKindNames[] = { "audio", "video", "subtitle" };
const TrackSelection::Kind trackKinds[] = { TrackSelection::Audio, TrackSelection::Video, TrackSelection::Subtitle };

// A track's name: its description and language as VLC gives them, or a
// picture's size.
QString trackName(const TrackRecord& record)
{
    if (record.value(u"streamId") == u"-1")
        return QStringLiteral("off");
    QStringList parts;
    for (const char16_t* key : { u"Description", u"Language" })
        if (const QString* value = record.find(key); value && !value->isEmpty())
            parts << *value;
    if (const QString* size = record.find(u"Video resolution"); parts.isEmpty() && size)
        parts << *size;
    return parts.isEmpty() ? QStringLiteral("unnamed") : parts.join(u' ');
}

QString stateSymbol(const QString& state)
{
    if (state == u"playing")
        return QStringLiteral("▶");
    if (state == u"paused")
        return QStringLiteral("❚❚");
    if (state == u"stopped")
        return QStringLiteral("■");
    return QStringLiteral("?");
}
}

QString StateReport::nowPlaying(const VLCController& remote)
{
    // From the playlist when there is one; else from the status's metadata.
    if (remote.state().hasPlaylist()) {
        const std::optional<int> current = remote.state().currentIndex();
        return current ? remote.state().titleOf(*remote.state().playlist().at(*current)) : QString();
    }
    return remote.state().statusTitle();
}

QJsonObject StateReport::statusJson(VLCController& remote)
{
    QJsonObject o;
    // Without a current answer, what VLC last said is not what it does now.
    const bool answering = remote.connectionState() == ConnectionState::Connected;
    o.insert(QStringLiteral("state"), RemoteTypeNames::of(answering ? remote.state().playback() : PlaybackState::None));
    o.insert(QStringLiteral("title"), nowPlaying(remote));
    if (remote.state().hasPlaylist())
        o.insert(QStringLiteral("itemId"), remote.state().idForIndex(PlayerState::currentItem));
    else
        o.insert(QStringLiteral("itemId"), qint64(remote.state().playerStatus().currentPlaylistId.value_or(0)));
    o.insert(QStringLiteral("time"), remote.timeElapsedSeconds());
    o.insert(QStringLiteral("length"), remote.state().timeLengthSeconds());
    o.insert(QStringLiteral("remaining"), remote.state().timeRemainingSeconds());
    o.insert(QStringLiteral("position"), remote.state().position());
    o.insert(QStringLiteral("volume"), remote.state().volume());
    o.insert(QStringLiteral("speed"), remote.state().speed());
    if (const std::optional<double> rate = remote.state().rate())
        o.insert(QStringLiteral("rate"), *rate);
    o.insert(QStringLiteral("audioDelay"), remote.state().audioDelay());
    if (const std::optional<double> subtitleDelay = remote.state().playerStatus().subtitleDelay)
        o.insert(QStringLiteral("subtitleDelay"), *subtitleDelay);
    o.insert(QStringLiteral("random"), remote.state().isRandom());
    o.insert(QStringLiteral("loop"), remote.state().isLooping());
    o.insert(QStringLiteral("repeat"), remote.state().isRepeating());
    o.insert(QStringLiteral("version"), remote.state().playerStatus().version);
    o.insert(QStringLiteral("apiVersion"), remote.state().apiVersion());
    o.insert(QStringLiteral("connection"), RemoteTypeNames::of(remote.connectionState()));
    return o;
}

// Text for people: whatever the server wrote is escaped, so that it can
// neither drive the terminal nor add rows. JSON carries it exactly.
QString StateReport::statusText(VLCController& remote)
{
    const QString title = escapedForTerminal(nowPlaying(remote));
    QString text;
    text += QStringLiteral("State:       %1\n").arg(escapedForTerminal(remote.state().playbackState()));
    text += QStringLiteral("Now playing: %1\n").arg(title.isEmpty() ? QStringLiteral("-") : title);
    text += QStringLiteral("Time:        %1 / %2 (-%3)\n")
                .arg(StringHelpers::timeStringFromSecs(remote.timeElapsedSeconds()),
                     StringHelpers::timeStringFromSecs(remote.state().timeLengthSeconds()),
                     StringHelpers::timeStringFromSecs(remote.state().timeRemainingSeconds()));
    text += QStringLiteral("Position:    %1%\n").arg(remote.state().position());
    text += QStringLiteral("Volume:      %1%\n").arg(remote.state().volume());
    text += QStringLiteral("Speed:       %1\n").arg(rateText(remote.state().rate()));
    text += QStringLiteral("Audio delay: %1 s\n").arg(remote.state().audioDelay(), 0, 'f', 2);
    if (const std::optional<double> subtitleDelay = remote.state().playerStatus().subtitleDelay)
        text += QStringLiteral("Sub. delay:  %1 s\n").arg(*subtitleDelay, 0, 'f', 2);
    text += QStringLiteral("Shuffle: %1   Repeat all: %2   Repeat one: %3\n")
                .arg(onOff(remote.state().isRandom()), onOff(remote.state().isLooping()), onOff(remote.state().isRepeating()));
    const QString version = remote.state().playerStatus().version;
    if (!version.isEmpty())
        text += QStringLiteral("VLC:         %1\n").arg(escapedForTerminal(version));
    text += QStringLiteral("Connection:  %1\n").arg(escapedForTerminal(remote.status()));
    return text;
}

QJsonArray StateReport::playlistJson(const VLCController& remote, const std::vector<int>* rows)
{
    QJsonArray items;
    const std::optional<int> current = remote.state().currentIndex();
    const int count = rows ? int(rows->size()) : remote.state().itemsInPlaylist();
    for (int n = 0; n < count; ++n) {
        const int i = rows ? (*rows)[size_t(n)] : n;
        const PlaylistItem& item = *remote.state().playlist().at(i);
        QJsonObject o;
        o.insert(QStringLiteral("id"), item.id);
        o.insert(QStringLiteral("title"), remote.state().titleOf(item));
        o.insert(QStringLiteral("duration"), item.duration);
        o.insert(QStringLiteral("uri"), item.uriText());
        o.insert(QStringLiteral("current"), i == current);
        items.append(o);
    }
    return items;
}

QString StateReport::playlistText(const VLCController& remote, const std::vector<int>* rows)
{
    if (remote.state().itemsInPlaylist() == 0)
        return QStringLiteral("The playlist is empty.\n");
    if (rows && rows->empty())
        return QStringLiteral("No playlist item matches.\n");
    QString text;
    const std::optional<int> current = remote.state().currentIndex();
    const int count = rows ? int(rows->size()) : remote.state().itemsInPlaylist();
    for (int n = 0; n < count; ++n) {
        const int i = rows ? (*rows)[size_t(n)] : n;
        const PlaylistItem& item = *remote.state().playlist().at(i);
        text += QStringLiteral("%1 %2  %3  %4\n")
                    .arg(i == current ? QStringLiteral("▶") : QStringLiteral(" "))
                    .arg(item.id, 5)
                    .arg(item.duration > 0 ? StringHelpers::timeStringFromSecs(item.duration) : QStringLiteral("--:--"), 8)
                    .arg(escapedForTerminal(remote.state().titleOf(item)));
    }
    return text;
}

QJsonArray StateReport::browseJson(const VLCController& remote)
{
    QJsonArray entries;
    for (int i = 0; i < int(remote.state().browseArray().size()); ++i) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), remote.state().browseInfo(QStringLiteral("name"), i).value_or(QString()));
        o.insert(QStringLiteral("type"), remote.filetypeForIndex(i).value_or(QString()));
        o.insert(QStringLiteral("path"), remote.state().browseInfo(QStringLiteral("path"), i).value_or(QString()));
        o.insert(QStringLiteral("uri"), remote.state().browseInfo(QStringLiteral("uri"), i).value_or(QString()));
        entries.append(o);
    }
    return entries;
}

QString StateReport::browseText(const VLCController& remote)
{
    QString text = QStringLiteral("%1\n").arg(escapedForTerminal(remote.state().browseDir()));
    for (int i = 0; i < int(remote.state().browseArray().size()); ++i) {
        text += QStringLiteral("  %1  %2\n")
                    .arg(remote.filetypeForIndex(i).value_or(QString()), -9)
                    .arg(escapedForTerminal(remote.state().browseInfo(QStringLiteral("path"), i)
                                                .value_or(remote.state().browseInfo(QStringLiteral("name"), i).value_or(QString()))));
    }
    return text;
}

QString StateReport::watchLine(VLCController& remote)
{
    const QString title = escapedForTerminal(nowPlaying(remote));
    // Without a current answer, what VLC last said is not what it does now.
    const QString state = remote.connectionState() == ConnectionState::Connected
        ? escapedForTerminal(remote.state().playbackState()) : QString();
    return QStringLiteral("%1 %2  %3 / -%4 / %5  vol %6%  %7  | %8")
        .arg(stateSymbol(state), -2)
        .arg(state.isEmpty() ? QStringLiteral("-") : state, -7)
        .arg(StringHelpers::timeStringFromSecs(remote.timeElapsedSeconds()),
             StringHelpers::timeStringFromSecs(remote.state().timeRemainingSeconds()),
             StringHelpers::timeStringFromSecs(remote.state().timeLengthSeconds()))
        .arg(remote.state().volume(), 3)
        .arg(title.isEmpty() ? QStringLiteral("-") : title, escapedForTerminal(remote.status()));
}

const TrackList& StateReport::tracksOf(const VLCController& remote, TrackSelection::Kind kind)
{
    return kind == TrackSelection::Audio ? remote.state().audioTracks()
        : kind == TrackSelection::Video  ? remote.state().videoTracks()
                                         : remote.state().subtitleTracks();
}

QJsonObject StateReport::equalizerJson(const VLCController& remote)
{
    const std::optional<PlayerStatus::Equalizer>& equalizer = remote.state().playerStatus().equalizer;
    const bool on = equalizer && equalizer->enabled;
    QJsonObject o;
    o.insert(QStringLiteral("enabled"), on);
    o.insert(QStringLiteral("preamp"), on && equalizer->preamp ? QJsonValue(*equalizer->preamp) : QJsonValue());
    QJsonArray bands;
    QJsonArray presets;
    if (on) {
        for (int band = 0; band < EqualizerBands::count; ++band) {
            QJsonObject b;
            b.insert(QStringLiteral("band"), band);
            b.insert(QStringLiteral("frequency"), EqualizerBands::frequencies[size_t(band)]);
            b.insert(QStringLiteral("label"), EqualizerBands::label(band));
            const std::optional<double>& gain = equalizer->bands[size_t(band)];
            b.insert(QStringLiteral("gain"), gain ? QJsonValue(*gain) : QJsonValue());
            bands.append(b);
        }
        for (const PlayerStatus::Equalizer::Preset& preset : equalizer->presets)
            presets.append(QJsonObject { { QStringLiteral("id"), preset.id }, { QStringLiteral("name"), preset.name } });
    }
    o.insert(QStringLiteral("bands"), bands);
    o.insert(QStringLiteral("presets"), presets);
    return o;
}

QString StateReport::equalizerText(const VLCController& remote)
{
    const std::optional<PlayerStatus::Equalizer>& equalizer = remote.state().playerStatus().equalizer;
    if (!equalizer || !equalizer->enabled)
        return QStringLiteral("Equalizer:   off (VLC tells its bands and presets only while it is on)\n");
    QString text = QStringLiteral("Equalizer:   on\n");
    text += QStringLiteral("Preamp:      %1\n").arg(equalizer->preamp ? decibels(*equalizer->preamp) : QStringLiteral("?"));
    for (int band = 0; band < EqualizerBands::count; ++band) {
        const std::optional<double>& gain = equalizer->bands[size_t(band)];
        text += QStringLiteral("  %1 %2  %3\n")
                    .arg(band)
                    .arg(EqualizerBands::label(band), 6)
                    .arg(gain ? decibels(*gain) : QStringLiteral("?"));
    }
    std::vector<PlayerStatus::Equalizer::Preset> presets = equalizer->presets;
    std::sort(presets.begin(), presets.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    QStringList names;
    for (const PlayerStatus::Equalizer::Preset& preset : presets)
        names << QStringLiteral("%1 %2").arg(preset.id).arg(escapedForTerminal(preset.name));
    if (!names.isEmpty())
        text += QStringLiteral("Presets:     %1\n").arg(wrapped(names, 13, 79));
    return text;
}

QJsonObject StateReport::tracksJson(VLCController& remote, const ChapterTitleInfo& chapters)
{
    QJsonObject o;
    TrackSelection& selection = TrackSelection::of(remote);
    for (size_t k = 0; k < std::size(trackKinds); ++k) {
        const TrackSelection::Kind kind = trackKinds[k];
        const TrackList& tracks = tracksOf(remote, kind);
        const int current = selection.current(kind);
        QJsonArray list;
        for (const int i : selection.inStreamOrder(kind)) {
            const TrackRecord& record = tracks[size_t(i)];
            QJsonObject track;
            track.insert(QStringLiteral("id"), StringHelpers::intValue(record.value(u"streamId")));
            track.insert(QStringLiteral("name"), trackName(record));
            // null: VLC does not say.
            track.insert(QStringLiteral("selected"), current < 0 ? QJsonValue() : QJsonValue(i == current));
            QJsonObject details;
            for (const auto& [key, value] : record)
                if (key != u"streamId")
                    details.insert(key, value);
            track.insert(QStringLiteral("details"), details);
            list.append(track);
        }
        o.insert(QLatin1String(trackKindNames[k]), list);
    }
    auto numberOr = [](int index) { return index < 0 ? QJsonValue() : QJsonValue(index + 1); };
    o.insert(QStringLiteral("title"), numberOr(chapters.currentTitle));
    o.insert(QStringLiteral("titles"), int(chapters.titles.size()));
    o.insert(QStringLiteral("chapter"), numberOr(chapters.currentChapter));
    o.insert(QStringLiteral("chapters"), int(chapters.chapters.size()));
    return o;
}

QString StateReport::tracksText(VLCController& remote, const ChapterTitleInfo& chapters)
{
    QString text;
    bool unknown = false;
    TrackSelection& selection = TrackSelection::of(remote);
    const char* const headers[] = { "Audio tracks:\n", "Video tracks:\n", "Subtitle tracks:\n" };
    for (size_t k = 0; k < std::size(trackKinds); ++k) {
        const TrackSelection::Kind kind = trackKinds[k];
        const TrackList& tracks = tracksOf(remote, kind);
        const int current = selection.current(kind);
        unknown = unknown || current < 0;
        text += QLatin1String(headers[k]);
        for (const int i : selection.inStreamOrder(kind)) {
            const TrackRecord& record = tracks[size_t(i)];
            const QString* codec = record.find(u"Codec");
            text += QStringLiteral("%1 %2  %3%4\n")
                        .arg(i == current ? QStringLiteral("  *") : QStringLiteral("   "))
                        .arg(escapedForTerminal(record.value(u"streamId")), 4)
                        .arg(escapedForTerminal(trackName(record)),
                             codec ? QStringLiteral("  (%1)").arg(escapedForTerminal(*codec)) : QString());
        }
    }
    auto place = [](int current, size_t count, const char* label) {
        const QString name = QLatin1String(label);
        if (count == 0)
            return QStringLiteral("%1 none\n").arg(name + u's' + u':', -12);
        return QStringLiteral("%1 %2 of %3\n")
            .arg(name + u':', -12)
            .arg(current < 0 ? QStringLiteral("-") : QString::number(current + 1))
            .arg(count);
    };
    text += place(chapters.currentTitle, chapters.titles.size(), "Title");
    text += place(chapters.currentChapter, chapters.chapters.size(), "Chapter");
    if (unknown)
        text += QStringLiteral("(VLC does not say which tracks are in use; * marks one chosen with this command.)\n");
    return text;
}
