#pragma once

#include "vlc/ServerDialect.h"

// VLC 3's interface: volume on its own 0-512 scale, rate as a multiplier,
// delays in seconds, the current item marked, paths sent as they are.
class Vlc3Dialect final : public ServerDialect {
public:
    bool isModern() const override { return true; }
    QString volumeRequest(const QString& base, int percent) const override;
    QString speedRequest(const QString& base, int speed) const override;
    QString audioDelayRequest(const QString& base, float seconds) const override;
    QString aspectRatioRequest(const QString& base, const QString& ratio) const override;
    QString inputRequest(const QString& base, const QString& command, const QString& path) const override;
    int positionPercent(const XmlNode& status) const override;
    int speed(const XmlNode& status) const override;
    double audioDelay(const XmlNode& status) const override;
    QString titleForItemName(const QString& name) const override;
    bool marksCurrentItem(bool) const override { return true; }

    // 256 is 100 %; rounding makes the percent read back exactly.
    static int vlcVolumeForPercent(int percent);
};
