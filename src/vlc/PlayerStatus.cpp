#include "vlc/PlayerStatus.h"

#include "core/xml/XmlDocument.h"
#include "vlc/StatusAssembler.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace {
using Slot = StatusAssembler::Slot;

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

PlayerStatus PlayerStatus::read(const XmlDocument& document, const PlayerStatus* previous)
{
    StatusAssembler assembler(previous);
    const pugi::xml_node element = document.documentElement();
    const bool isRoot = element && std::strcmp(element.name(), "root") == 0;
    // Without a root element the values are looked for in the document
    // itself, as the reply tree's path query would.
    const pugi::xml_node container = isRoot ? element : document.documentNode();

    std::array<pugi::xml_node, StatusAssembler::SlotCount> found {};
    for (pugi::xml_node child = container.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        const int slot = StatusAssembler::slotOf(child.name());
        if (slot >= 0 && !found[size_t(slot)])
            found[size_t(slot)] = child;
    }
    Lookup lookup(document);
    for (int i = 0; i < StatusAssembler::SlotCount; ++i) {
        const Slot slot = Slot(i);
        if (slot == StatusAssembler::Information || slot == StatusAssembler::AspectRatios
            || slot == StatusAssembler::DvdInfo || slot == StatusAssembler::Equalizer)
            continue;
        if (found[size_t(i)])
            assembler.setValue(slot, lookup.textOf(found[size_t(i)]));
        else if (pugi::xml_attribute attribute = container.attribute(StatusAssembler::nameOf(slot)))
            assembler.setValue(slot, std::string_view(attribute.value()));
        else
            assembler.setValue(slot, std::nullopt);
    }

    if (pugi::xml_node information = found[StatusAssembler::Information]) {
        for (pugi::xml_node category = information.first_child(); category; category = category.next_sibling()) {
            if (category.type() != pugi::node_element || std::strcmp(category.name(), "category") != 0)
                continue;
            assembler.beginCategory(lookup.valueOf(category, "name").value_or(std::string_view()));
            for (pugi::xml_node info = category.first_child(); info; info = info.next_sibling()) {
                if (info.type() != pugi::node_element || std::strcmp(info.name(), "info") != 0)
                    continue;
                // The key is copied: the value's lookup may reuse the scratch text.
                const std::string key(lookup.valueOf(info, "name").value_or(std::string_view()));
                assembler.addInfo(key, lookup.textOf(info).value_or(std::string_view()));
            }
            assembler.endCategory();
        }
    }
    PlayerStatus& status = assembler.status();
    if (pugi::xml_node ratios = found[StatusAssembler::AspectRatios]) {
        for (pugi::xml_node ratio = ratios.first_child(); ratio; ratio = ratio.next_sibling()) {
            if (ratio.type() != pugi::node_element || std::strcmp(ratio.name(), "aspectRatio") != 0)
                continue;
            const std::string_view text = lookup.textOf(ratio).value_or(std::string_view());
            status.aspectRatios.push_back(QString::fromUtf8(text.data(), qsizetype(text.size())));
        }
        status.currentAspect = countAndCurrent(ratios, "aspectRatio").second;
    }
    if (pugi::xml_node dvd = found[StatusAssembler::DvdInfo]) {
        std::tie(status.chapters, status.currentChapter) = countAndCurrent(firstChildElement(dvd, "chapters"), "chapter");
        std::tie(status.titles, status.currentTitle) = countAndCurrent(firstChildElement(dvd, "titles"), "title");
    }
    if (pugi::xml_node equalizer = found[StatusAssembler::Equalizer]) {
        assembler.beginEqualizer();
        pugi::xml_node preamp;
        pugi::xml_node bands;
        pugi::xml_node presets;
        for (pugi::xml_node child = equalizer.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            assembler.noteEqualizerElement();
            const std::string_view name = child.name();
            if (name == "preamp" && !preamp)
                preamp = child;
            else if (name == "bands" && !bands)
                bands = child;
            else if (name == "presets" && !presets)
                presets = child;
        }
        if (preamp)
            assembler.setEqualizerPreamp(lookup.textOf(preamp));
        auto idOf = [](pugi::xml_node node) -> std::optional<std::string_view> {
            if (pugi::xml_attribute id = node.attribute("id"))
                return std::string_view(id.value());
            return std::nullopt;
        };
        for (pugi::xml_node band = bands.first_child(); band; band = band.next_sibling())
            if (band.type() == pugi::node_element && std::strcmp(band.name(), "band") == 0)
                assembler.addEqualizerBand(idOf(band), lookup.textOf(band));
        for (pugi::xml_node preset = presets.first_child(); preset; preset = preset.next_sibling())
            if (preset.type() == pugi::node_element && std::strcmp(preset.name(), "preset") == 0)
                assembler.addEqualizerPreset(idOf(preset), lookup.textOf(preset));
    }
    return assembler.finish(isRoot && document.complete());
}
