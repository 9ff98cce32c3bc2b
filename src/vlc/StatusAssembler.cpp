#include "vlc/StatusAssembler.h"

#include "vlc/EqualizerBands.h"
#include "vlc/ReplyNumbers.h"
#include "vlc/VolumeRange.h"

#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {
using namespace ReplyNumbers;

constexpr std::array<std::string_view, StatusAssembler::SlotCount> slotNames {
    "state", "time", "length", "position", "volume", "random", "repeat", "loop", "rate", "audioDelay", "audiodelay",
    "audioTrack", "videoTrack", "subtitleTrack", "apiversion", "version", "currentplid", "information",
    "aspectRatios", "dvdInfo", "aspectratio", "subtitledelay", "equalizer",
};

// Whether UTF-8 text reads as string, without making a string of it.
bool sameText(std::string_view utf8, const QString& string)
{
    const QChar* utf16 = string.constData();
    const qsizetype n = string.size();
    qsizetype i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // Four plain ASCII bytes at a time, widened to the four QChars
        // they must equal.
        for (; i + 4 <= n && size_t(i) + 4 <= utf8.size(); i += 4) {
            uint32_t bytes;
            std::memcpy(&bytes, utf8.data() + i, 4);
            if (bytes & 0x80808080U)
                break;
            const uint64_t wide = (bytes & 0xFFULL) | (uint64_t(bytes & 0xFF00U) << 8)
                | (uint64_t(bytes & 0xFF0000U) << 16) | (uint64_t(bytes & 0xFF000000U) << 24);
            uint64_t chars;
            std::memcpy(&chars, utf16 + i, 8);
            if (wide != chars)
                return false;
        }
    }
    for (; i < n && size_t(i) < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[size_t(i)]);
        if (c >= 0x80) // from here on, the library's comparison
            return QtPrivate::compareStrings(QUtf8StringView(utf8.data() + i, qsizetype(utf8.size()) - i),
                                             QStringView(utf16 + i, n - i)) == 0;
        if (c != utf16[i].unicode())
            return false;
    }
    return i == n && size_t(i) == utf8.size();
}

// VLC 3 escapes metadata twice ("Bob&amp;#39;s"): undo the second time.
// Text between references is copied in runs, not a character at a time.
QString unescapedAgain(const QString& text)
{
    qsizetype amp = text.indexOf(u'&');
    if (amp < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (; amp >= 0; amp = text.indexOf(u'&', amp + 1)) {
        const qsizetype semicolon = text.indexOf(u';', amp);
        if (semicolon < 0)
            break;
        if (semicolon - amp > 10)
            continue;
        const QStringView ref = QStringView(text).mid(amp + 1, semicolon - amp - 1);
        char32_t cp = 0;
        bool ok = false;
        if (ref.startsWith(u"#x"))
            cp = ref.mid(2).toUInt(&ok, 16);
        else if (ref.startsWith(u'#'))
            cp = ref.mid(1).toUInt(&ok, 10);
        else if (ref == u"amp" || ref == u"lt" || ref == u"gt" || ref == u"quot" || ref == u"apos")
            cp = ref == u"amp" ? U'&' : ref == u"lt" ? U'<' : ref == u"gt" ? U'>' : ref == u"quot" ? U'"' : U'\'', ok = true;
        if (!ok || cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            continue;
        out += QStringView(text).mid(copied, amp - copied);
        out += QString::fromUcs4(&cp, 1);
        copied = semicolon + 1;
        amp = semicolon;
    }
    out += QStringView(text).mid(copied);
    return out;
}
}

const char* StatusAssembler::nameOf(Slot slot)
{
    return slotNames[size_t(slot)].data();
}

int StatusAssembler::slotOf(std::string_view name)
{
    // Most elements of a status are not read: tell them by length and
    // first letter before comparing whole names.
    auto is = [&](Slot slot) { return name == slotNames[size_t(slot)] ? int(slot) : -1; };
    switch (name.size()) {
    case 4: return name[0] == 't' ? is(Time) : name[0] == 'r' ? is(Rate) : name[0] == 'l' ? is(Loop) : -1;
    case 5: return is(State);
    case 6:
        return name[0] == 'l' ? is(Length) : name[0] == 'v' ? is(Volume) : name[0] == 'r' && name[1] == 'a' ? is(Random)
            : name[0] == 'r' ? is(Repeat) : -1;
    case 7: return name[0] == 'v' ? is(Version) : is(DvdInfo);
    case 8: return is(Position);
    case 9: return is(Equalizer);
    case 10:
        return name[0] == 'v' ? is(VideoTrack) : name[0] == 'a' && name[1] == 'p' ? is(ApiVersion)
            : name[5] == 'D' ? is(AudioDelay) : name[5] == 'd' ? is(Vlc3AudioDelay) : is(AudioTrack);
    case 11:
        return name[0] == 'c' ? is(CurrentPlid) : name[0] == 'i' ? is(Information) : is(Vlc3AspectRatio);
    case 12: return name[6] == 'R' ? is(AspectRatios) : -1;
    case 13: return name[8] == 'd' ? is(SubtitleDelay) : is(SubtitleTrack);
    default: return -1;
    }
}

QString StatusAssembler::string(std::string_view text, const QString* previous) const
{
    if (previous && sameText(text, *previous))
        return *previous;
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void StatusAssembler::setValue(Slot slot, std::optional<std::string_view> text)
{
    const PlayerStatus* p = m_previous;
    PlayerStatus& s = m_status;
    auto string = [&](std::optional<QString> PlayerStatus::*field) {
        if (text)
            s.*field = this->string(*text, p && p->*field ? &*(p->*field) : nullptr);
    };
    auto integer = [&](int64_t low, int64_t high) -> std::optional<qint64> {
        return text ? std::optional<qint64>(ReplyNumbers::integer(*text, low, high)) : std::nullopt;
    };
    auto real = [&](double low, double high) -> std::optional<double> {
        return text ? std::optional<double>(ReplyNumbers::real(*text, low, high)) : std::nullopt;
    };
    switch (slot) {
    case State: string(&PlayerStatus::state); break;
    // Each number within what it can mean: times from 0 on, a position as a
    // fraction or a percent, the volume up to the top of every control.
    case Time: s.time = integer(0, maxSeconds); break;
    case Length: s.length = integer(0, maxSeconds); break;
    case Position: s.position = real(0, 100); break;
    case Volume: s.volume = integer(0, VolumeRange::vlcScaleMaximum); break;
    case Random: string(&PlayerStatus::random); break;
    case Repeat: string(&PlayerStatus::repeat); break;
    case Loop: string(&PlayerStatus::loop); break;
    case Rate: s.rate = real(0, 1e6); break;
    case AudioDelay: s.audioDelay = real(-1e6, 1e6); break;
    case Vlc3AudioDelay: s.vlc3AudioDelay = real(-1e6, 1e6); break;
    case AudioTrack: string(&PlayerStatus::audioTrack); break;
    case VideoTrack: string(&PlayerStatus::videoTrack); break;
    case SubtitleTrack: string(&PlayerStatus::subtitleTrack); break;
    case ApiVersion: s.apiVersion = int(integer(0, 1000).value_or(0)); break;
    case Version:
        if (text) {
            // Text with nothing to trim at its ends is compared as it is.
            auto plainEnd = [](char c) { return static_cast<unsigned char>(c) > ' ' && static_cast<unsigned char>(c) < 0x80; };
            if (p && !text->empty() && plainEnd(text->front()) && plainEnd(text->back()) && sameText(*text, p->version))
                s.version = p->version;
            else
                s.version = this->string(*text, nullptr).trimmed();
        }
        break;
    case CurrentPlid: s.currentPlaylistId = integer(-1, maxCount); break;
    case Vlc3AspectRatio: string(&PlayerStatus::vlc3AspectRatio); break;
    case SubtitleDelay: s.subtitleDelay = real(-1e6, 1e6); break;
    case Information: case AspectRatios: case DvdInfo: case Equalizer: case SlotCount: break;
    }
}

void StatusAssembler::beginEqualizer()
{
    m_status.equalizer.emplace();
}

void StatusAssembler::noteEqualizerElement()
{
    m_status.equalizer->enabled = true;
}

void StatusAssembler::setEqualizerPreamp(std::optional<std::string_view> text)
{
    if (text)
        m_status.equalizer->preamp = ReplyNumbers::real(*text, EqualizerBands::minGain, EqualizerBands::maxGain);
}

void StatusAssembler::addEqualizerBand(std::optional<std::string_view> id, std::optional<std::string_view> text)
{
    if (!id || !text)
        return;
    const int64_t band = ReplyNumbers::integer(*id, -1, PlayerStatus::Equalizer::bandCount);
    auto& bands = m_status.equalizer->bands;
    if (band >= 0 && band < int64_t(bands.size()) && !bands[size_t(band)])
        bands[size_t(band)] = ReplyNumbers::real(*text, EqualizerBands::minGain, EqualizerBands::maxGain);
}

void StatusAssembler::addEqualizerPreset(std::optional<std::string_view> id, std::optional<std::string_view> text)
{
    auto& presets = m_status.equalizer->presets;
    if (!id || !text || presets.size() >= size_t(PlayerStatus::Equalizer::maxPresets))
        return;
    const int number = int(ReplyNumbers::integer(*id, -1, maxCount));
    if (number < 0 || std::any_of(presets.begin(), presets.end(), [&](const auto& p) { return p.id == number; }))
        return;
    // Most statuses list the presets of the one before (kept by id).
    const QString* previous = nullptr;
    if (m_previous && m_previous->equalizer) {
        const auto& before = m_previous->equalizer->presets;
        const auto same = std::lower_bound(before.begin(), before.end(), number,
                                           [](const auto& p, int n) { return p.id < n; });
        if (same != before.end() && same->id == number)
            previous = &same->name;
    }
    presets.push_back({ number, string(*text, previous) });
}

const PlayerStatus::Stream* StatusAssembler::previousStream() const
{
    const size_t index = m_status.streams.size();
    return m_previous && index < m_previous->streams.size() ? &m_previous->streams[index] : nullptr;
}

void StatusAssembler::beginCategory(std::string_view name)
{
    const size_t index = m_status.categoryNames.size();
    const QString* previous = m_previous && index < m_previous->categoryNames.size()
        ? &m_previous->categoryNames[index] : nullptr;
    m_status.categoryNames.push_back(string(name, previous));
    m_inStream = name.starts_with("Stream ");
    m_inMeta = name == "meta" || name == "Meta-information";
    m_stream = {};
    m_detailsAsBefore = true;
    if (m_inStream) {
        const PlayerStatus::Stream* before = previousStream();
        m_stream.streamId = string(name.substr(7), before ? &before->streamId : nullptr);
    }
}

void StatusAssembler::addInfo(std::string_view key, std::string_view value)
{
    if (m_inMeta) {
        // Only the metadata the state keeps is made into strings.
        auto keep = [&] {
            const QByteArrayView bytes(value.data(), qsizetype(value.size()));
            m_status.metaTitleAsSent = m_previous && m_previous->metaTitleAsSent == bytes
                ? m_previous->metaTitleAsSent : bytes.toByteArray();
        };
        if (key.size() == 5 && qstrnicmp(key.data(), "title", 5) == 0)
            keep();
        else if (key == "filename" && m_status.metaTitleAsSent.isEmpty())
            keep();
        else if (key == "artwork_url")
            m_status.artworkUrl = string(value, m_previous ? &m_previous->artworkUrl : nullptr);
        return;
    }
    if (!m_inStream)
        return;
    const PlayerStatus::Stream* before = previousStream();
    if (key == "Type") {
        m_stream.type = string(value, before ? &before->type : nullptr);
        return;
    }
    // The same detail at the same place as in the previous status shares
    // its strings.
    const qsizetype index = m_stream.details.size();
    if (before && index < before->details.size()) {
        const auto& [oldKey, oldValue] = *(before->details.begin() + index);
        if (sameText(key, oldKey) && sameText(value, oldValue)) {
            // While every detail so far is the previous one's, the keys are
            // that list's, which has no key twice.
            if (m_detailsAsBefore)
                m_stream.details.append(oldKey, QString(oldValue));
            else
                m_stream.details.insert(oldKey, oldValue);
            return;
        }
    }
    m_detailsAsBefore = false;
    m_stream.details.insert(string(key, nullptr), string(value, nullptr));
}

void StatusAssembler::endCategory()
{
    if (m_inStream)
        m_status.streams.push_back(std::move(m_stream));
    m_inStream = m_inMeta = false;
}

void StatusAssembler::repeatInformationOf(const PlayerStatus& previous)
{
    m_status.categoryNames = previous.categoryNames;
    m_status.streams = previous.streams;
    m_status.metaTitleAsSent = previous.metaTitleAsSent;
    m_status.artworkUrl = previous.artworkUrl;
}

PlayerStatus StatusAssembler::finish(bool complete)
{
    m_status.complete = complete;
    // VLC lists the presets in no fixed order.
    if (m_status.equalizer)
        std::stable_sort(m_status.equalizer->presets.begin(), m_status.equalizer->presets.end(),
                         [](const auto& a, const auto& b) { return a.id < b.id; });
    const bool sameTitle = m_previous && m_status.metaTitleAsSent.isSharedWith(m_previous->metaTitleAsSent);
    m_status.metaTitle = sameTitle ? m_previous->metaTitle : unescapedAgain(QString::fromUtf8(m_status.metaTitleAsSent));
    return std::move(m_status);
}
