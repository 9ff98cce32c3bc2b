#pragma once

#include "vlc/ServerDialect.h"

// VLC 3's interface: volume on its own 0-512 scale, rate as a multiplier,
// delays in seconds, the current item marked, paths sent as they are.
class Vlc3Dialect final : public ServerDialect {
public:
    bool isModern() const override { return true; }
    QUrlQuery volumeRequest(int percent) const override;
    QUrlQuery speedRequest(int speed) const override;
    QUrlQuery rateRequest(double multiplier) const override;
    QUrlQuery audioDelayRequest(float seconds) const override;
    QUrlQuery aspectRatioRequest(const QString& ratio) const override;
    QUrlQuery inputRequest(const QString& command, const QString& path) const override;
    int positionPercent(const PlayerStatus& status) const override;
    int speed(const PlayerStatus& status) const override;
    std::optional<double> rate(const PlayerStatus& status) const override;
    double audioDelay(const PlayerStatus& status) const override;
    QString titleForItemName(const QString& name) const override;
    bool marksCurrentItem(bool) const override { return true; }

    // 256 is 100 %; rounding makes the percent read back exactly.
    static int vlcVolumeForPercent(int percent);
};
