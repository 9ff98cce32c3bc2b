#pragma once

#include "vlc/TrackRecord.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class XmlDocument;

// What VLC says of the player in one status reply, read once when the reply
// is stored. Values are as VLC wrote them (the dialect turns them into the
// remote's units) and every number is clamped to a sane range.
struct PlayerStatus {
    // One "Stream N" category: the stream's id, its type and its details
    // (every info but "Type"), in the order VLC listed them.
    struct Stream {
        QString streamId;
        QString type;
        TrackRecord details;

        friend bool operator==(const Stream&, const Stream&) = default;
    };

    // VLC's equalizer as the status tells it: an empty element while it is
    // off, the preamp, the ten bands and the presets while it is on. Gains
    // are in dB within what VLC applies (-20 to 20), whatever was set.
    struct Equalizer {
        static constexpr int bandCount = 10;
        static constexpr int maxPresets = 64;
        struct Preset {
            int id = 0;
            QString name;
            friend bool operator==(const Preset&, const Preset&) = default;
        };
        bool enabled = false; // the element holds elements
        std::optional<double> preamp;
        std::array<std::optional<double>, bandCount> bands {}; // by band id
        std::vector<Preset> presets; // by id, each id once

        friend bool operator==(const Equalizer&, const Equalizer&) = default;
    };

    // The document's element is root and it was read to its end.
    bool complete = false;
    std::optional<QString> state;
    std::optional<qint64> time;
    std::optional<qint64> length;
    std::optional<double> position; // a fraction on VLC 3, a percent before
    std::optional<qint64> volume;   // VLC's own scale
    std::optional<QString> random;
    std::optional<QString> repeat;
    std::optional<QString> loop;
    std::optional<double> rate;
    std::optional<double> audioDelay;     // the older interface's element
    std::optional<double> vlc3AudioDelay; // VLC 3's "audiodelay"
    std::optional<double> subtitleDelay;  // VLC 3's "subtitledelay", in seconds
    std::optional<QString> audioTrack;
    std::optional<QString> videoTrack;
    std::optional<QString> subtitleTrack;
    int apiVersion = 0;
    QString version;
    std::optional<qint64> currentPlaylistId;
    // VLC 3's "aspectratio": the ratio in force as it was sent, or "default".
    std::optional<QString> vlc3AspectRatio;
    // None when the status has no "equalizer" element (VLC before 2.0).
    std::optional<Equalizer> equalizer;
    // The title of the playing item from its metadata: "title", else
    // "filename" of the "meta" category.
    QString metaTitle;
    // The same in UTF-8 as the reply wrote it, before its second escaping
    // is undone: the next reply's title is compared with it.
    QByteArray metaTitleAsSent;
    // Where VLC keeps the playing item's art ("artwork_url" of "meta"):
    // there only once VLC has extracted it; empty until then or without art.
    QString artworkUrl;

    std::vector<QString> categoryNames;
    std::vector<Stream> streams;
    std::vector<QString> aspectRatios;
    int currentAspect = -1;
    int chapters = 0;
    int currentChapter = -1;
    int titles = 0;
    int currentTitle = -1;

    // Strings equal to those of previous, when given, are shared with it.
    static PlayerStatus read(const XmlDocument& document, const PlayerStatus* previous = nullptr);

    friend bool operator==(const PlayerStatus&, const PlayerStatus&) = default;
};
