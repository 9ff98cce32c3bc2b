#include "vlc/PlayerStatus.h"

#include "core/xml/XmlDocument.h"
#include "vlc/ReplyNumbers.h"

#include <array>
#include <cstring>
#include <string>

namespace {
using namespace ReplyNumbers;

enum Slot {
    State, Time, Length, Position, Volume, Random, Repeat, Loop, Rate, AudioDelay, Vlc3AudioDelay, AudioTrack,
    VideoTrack, SubtitleTrack, ApiVersion, Version, CurrentPlid, Information, AspectRatios, DvdInfo, Vlc3AspectRatio,
    SlotCount
};
constexpr std::array<const char*, SlotCount> slotNames {
    "state", "time", "length", "position", "volume", "random", "repeat", "loop", "rate", "audioDelay", "audiodelay",
    "audioTrack", "videoTrack", "subtitleTrack", "apiversion", "version", "currentplid", "information",
    "aspectRatios", "dvdInfo", "aspectratio",
};

int slotOf(const char* name)
{
    // Most elements of a status are not read: tell them by their first
    // letter before comparing whole names.
    switch (name[0]) {
    case 'a': case 'c': case 'd': case 'i': case 'l': case 'p': case 'r': case 's': case 't': case 'v':
        break;
    default:
        return -1;
    }
    for (size_t i = 0; i < slotNames.size(); ++i)
        if (slotNames[i][0] == name[0] && std::strcmp(name, slotNames[i]) == 0)
            return int(i);
    return -1;
}

QString toQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
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

pugi::xml_node firstChildElement(pugi::xml_node node, const char* name)
{
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && std::strcmp(child.name(), name) == 0)
            return child;
    return {};
}

// The text of the first child named key, else the attribute key: how every
// value of a reply is looked up.
class Lookup {
public:
    explicit Lookup(const XmlDocument& document) : m_document(document) { }

    std::optional<std::string_view> valueOf(pugi::xml_node node, const char* key)
    {
        if (pugi::xml_node child = firstChildElement(node, key))
            return m_document.leafText(child, m_scratch);
        if (pugi::xml_attribute attribute = node.attribute(key))
            return std::string_view(attribute.value());
        return std::nullopt;
    }
    std::optional<std::string_view> textOf(pugi::xml_node element) { return m_document.leafText(element, m_scratch); }

private:
    const XmlDocument& m_document;
    std::string m_scratch;
};

// The index of the first element of the list marked current, and the count.
std::pair<int, int> countAndCurrent(pugi::xml_node parent, const char* name)
{
    int count = 0;
    int current = -1;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element || std::strcmp(child.name(), name) != 0)
            continue;
        if (current < 0 && (firstChildElement(child, "current") || child.attribute("current")))
            current = count;
        ++count;
    }
    return { count, current };
}
}

PlayerStatus PlayerStatus::read(const XmlDocument& document)
{
    PlayerStatus status;
    const pugi::xml_node element = document.documentElement();
    const bool isRoot = element && std::strcmp(element.name(), "root") == 0;
    // Without a root element the values are looked for in the document
    // itself, as the reply tree's path query would.
    const pugi::xml_node container = isRoot ? element : document.documentNode();
    status.complete = isRoot && document.complete();

    std::array<pugi::xml_node, SlotCount> found {};
    for (pugi::xml_node child = container.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const int slot = slotOf(child.name());
        if (slot >= 0 && !found[size_t(slot)])
            found[size_t(slot)] = child;
    }
    Lookup lookup(document);
    auto text = [&](Slot slot) -> std::optional<std::string_view> {
        if (found[slot])
            return lookup.textOf(found[slot]);
        if (pugi::xml_attribute attribute = container.attribute(slotNames[slot]))
            return std::string_view(attribute.value());
        return std::nullopt;
    };
    auto string = [&](Slot slot) -> std::optional<QString> {
        const auto t = text(slot);
        return t ? std::optional<QString>(toQString(*t)) : std::nullopt;
    };
    auto integer = [&](Slot slot, int64_t low, int64_t high) -> std::optional<qint64> {
        const auto t = text(slot);
        return t ? std::optional<qint64>(ReplyNumbers::integer(*t, low, high)) : std::nullopt;
    };
    auto real = [&](Slot slot, double low, double high) -> std::optional<double> {
        const auto t = text(slot);
        return t ? std::optional<double>(ReplyNumbers::real(*t, low, high)) : std::nullopt;
    };

    status.state = string(State);
    status.time = integer(Time, -maxSeconds, maxSeconds);
    status.length = integer(Length, -maxSeconds, maxSeconds);
    status.position = real(Position, -1e6, 1e6);
    status.volume = integer(Volume, 0, maxCount);
    status.random = string(Random);
    status.repeat = string(Repeat);
    status.loop = string(Loop);
    status.rate = real(Rate, 0, 1e6);
    status.audioDelay = real(AudioDelay, -1e6, 1e6);
    status.vlc3AudioDelay = real(Vlc3AudioDelay, -1e6, 1e6);
    status.audioTrack = string(AudioTrack);
    status.videoTrack = string(VideoTrack);
    status.subtitleTrack = string(SubtitleTrack);
    status.apiVersion = int(integer(ApiVersion, 0, 1000).value_or(0));
    status.version = string(Version).value_or(QString()).trimmed();
    status.currentPlaylistId = integer(CurrentPlid, -1, maxCount);
    status.vlc3AspectRatio = string(Vlc3AspectRatio);

    if (pugi::xml_node information = found[Information]) {
        for (pugi::xml_node category = information.first_child(); category; category = category.next_sibling()) {
            if (category.type() != pugi::node_element || std::strcmp(category.name(), "category") != 0)
                continue;
            const std::string_view nameText = lookup.valueOf(category, "name").value_or(std::string_view());
            status.categoryNames.push_back(toQString(nameText));
            const bool isStream = nameText.starts_with("Stream ");
            const bool isMeta = nameText == "meta" || nameText == "Meta-information";
            if (!isStream && !isMeta)
                continue;
            Stream stream;
            if (isStream)
                stream.streamId = toQString(nameText.substr(7));
            for (pugi::xml_node info = category.first_child(); info; info = info.next_sibling()) {
                if (info.type() != pugi::node_element || std::strcmp(info.name(), "info") != 0)
                    continue;
                // The key is copied: the value's lookup may reuse the scratch text.
                const std::string key(lookup.valueOf(info, "name").value_or(std::string_view()));
                auto value = [&] { return toQString(lookup.textOf(info).value_or(std::string_view())); };
                if (isMeta) {
                    // Only the metadata the state keeps is made into strings.
                    if (key.size() == 5 && qstrnicmp(key.data(), "title", 5) == 0)
                        status.metaTitle = value();
                    else if (key == "filename" && status.metaTitle.isEmpty())
                        status.metaTitle = value();
                    else if (key == "artwork_url")
                        status.artworkUrl = value();
                } else if (key == "Type") {
                    stream.type = value();
                } else {
                    stream.details.insert(toQString(key), value());
                }
            }
            if (isStream)
                status.streams.push_back(std::move(stream));
        }
    }
    if (pugi::xml_node ratios = found[AspectRatios]) {
        for (pugi::xml_node ratio = ratios.first_child(); ratio; ratio = ratio.next_sibling()) {
            if (ratio.type() != pugi::node_element || std::strcmp(ratio.name(), "aspectRatio") != 0)
                continue;
            status.aspectRatios.push_back(toQString(lookup.textOf(ratio).value_or(std::string_view())));
        }
        status.currentAspect = countAndCurrent(ratios, "aspectRatio").second;
    }
    if (pugi::xml_node dvd = found[DvdInfo]) {
        std::tie(status.chapters, status.currentChapter) = countAndCurrent(firstChildElement(dvd, "chapters"), "chapter");
        std::tie(status.titles, status.currentTitle) = countAndCurrent(firstChildElement(dvd, "titles"), "title");
    }
    status.metaTitle = unescapedAgain(status.metaTitle);
    return status;
}
