#include "cli/StateReport.h"

#include "core/StringHelpers.h"
#include "core/TerminalText.h"
#include "vlc/VLCController.h"

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
