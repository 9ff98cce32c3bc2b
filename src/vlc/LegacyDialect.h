#pragma once

#include "vlc/ServerDialect.h"

// The interface of VLC before API version 3, with its request templates.
class LegacyDialect final : public ServerDialect {
public:
    bool isModern() const override { return false; }
    QString volumeRequest(const QString& base, int percent) const override;
    QString speedRequest(const QString& base, int speed) const override;
    QString audioDelayRequest(const QString& base, float seconds) const override;
    QString aspectRatioRequest(const QString& base, const QString& ratio) const override;
    QString inputRequest(const QString& base, const QString& command, const QString& path) const override;
    int positionPercent(const XmlNode& status) const override;
    int speed(const XmlNode& status) const override;
    double audioDelay(const XmlNode& status) const override;
    QString titleForItemName(const QString& name) const override;
    bool marksCurrentItem(bool luaMode) const override { return !luaMode; }

    // Backslashes doubled, apostrophes escaped, then fully URL-escaped.
    static QString preparePath(const QString& path);
};
