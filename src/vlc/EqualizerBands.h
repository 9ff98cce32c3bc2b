#pragma once

#include <QString>

#include <array>
#include <optional>

// The ten bands of VLC's equalizer and the gains it takes: VLC applies
// -20 to 20 dB and keeps a tenth of a dB, whatever it is sent.
namespace EqualizerBands {
constexpr int count = 10;
constexpr double minGain = -20;
constexpr double maxGain = 20;
constexpr std::array<int, count> frequencies { 60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000 };

// "60 Hz", "1 kHz", "12 kHz"; empty outside 0 to 9.
QString label(int band);
// The gain as it goes to VLC: within the range, to a tenth of a dB;
// nothing for what is no number.
std::optional<double> gainToSend(double db);
// Its text on the wire: "5.5", "-3", "0".
QString wireText(double db);
}
