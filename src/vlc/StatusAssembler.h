#pragma once

#include "vlc/PlayerStatus.h"

#include <string>
#include <string_view>

// Turns the texts of a status reply into a PlayerStatus, whichever reader
// found them: first the values of the root's children by name, then the
// categories of "information", one info at a time. Strings equal to the
// previous status's are shared with it rather than made again: between two
// polls most of them are.
class StatusAssembler {
public:
    enum Slot {
        State, Time, Length, Position, Volume, Random, Repeat, Loop, Rate, AudioDelay, Vlc3AudioDelay, AudioTrack,
        VideoTrack, SubtitleTrack, ApiVersion, Version, CurrentPlid, Information, AspectRatios, DvdInfo,
        Vlc3AspectRatio, SubtitleDelay, Equalizer, SlotCount
    };
    // The element name of a slot, and the slot of a name (-1 for the many
    // elements of a status that are not read).
    static const char* nameOf(Slot slot);
    static int slotOf(std::string_view name);

    explicit StatusAssembler(const PlayerStatus* previous = nullptr) : m_previous(previous) { }

    // The text of a slot's element (references decoded), or nothing when it
    // has none. Each value slot is set once.
    void setValue(Slot slot, std::optional<std::string_view> text);
    void beginCategory(std::string_view name);
    void addInfo(std::string_view key, std::string_view value);
    void endCategory();
    // The equalizer element, then what it holds: the text of its first
    // "preamp", and the "band" and "preset" elements of its first "bands"
    // and "presets", with their "id" attributes (nothing for an element
    // with elements in it, or without the attribute).
    void beginEqualizer();
    // The equalizer element holds an element (VLC lists none while it is off).
    void noteEqualizerElement();
    void setEqualizerPreamp(std::optional<std::string_view> text);
    void addEqualizerBand(std::optional<std::string_view> id, std::optional<std::string_view> text);
    void addEqualizerPreset(std::optional<std::string_view> id, std::optional<std::string_view> text);
    // The categories are those of previous, read from the same bytes.
    void repeatInformationOf(const PlayerStatus& previous);

    PlayerStatus& status() { return m_status; }
    PlayerStatus finish(bool complete);

private:
    QString string(std::string_view text, const QString* previous) const;
    const PlayerStatus::Stream* previousStream() const;

    const PlayerStatus* m_previous;
    PlayerStatus m_status;
    bool m_inMeta = false;
    bool m_inStream = false;
    bool m_detailsAsBefore = true;
    PlayerStatus::Stream m_stream;
};
