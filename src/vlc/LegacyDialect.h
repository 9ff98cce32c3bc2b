#pragma once

#include "vlc/ServerDialect.h"

// The interface of VLC before API version 3, with its request forms.
class LegacyDialect final : public ServerDialect {
public:
    bool isModern() const override { return false; }
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
    bool marksCurrentItem(bool luaMode) const override { return !luaMode; }

    // Backslashes doubled, apostrophes escaped, then fully URL-escaped.
    static QString preparePath(const QString& path);
};
