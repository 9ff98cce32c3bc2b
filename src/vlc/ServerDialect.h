#pragma once

#include "vlc/AttributeMap.h"
#include "vlc/XmlNode.h"

#include <QString>

// What differs between the VLC interfaces we talk to. Servers whose status
// carries no apiversion speak the older dialect, with the request templates
// kept exactly; apiversion 3 and later is VLC 3's.
class ServerDialect {
public:
    virtual ~ServerDialect() = default;

    static const ServerDialect& forApiVersion(int apiVersion);

    virtual bool isModern() const = 0;

    // Commands; base is the remote's base address.
    virtual QString volumeRequest(const QString& base, int percent) const = 0;
    virtual QString speedRequest(const QString& base, int speed) const = 0;
    virtual QString audioDelayRequest(const QString& base, float seconds) const = 0;
    virtual QString aspectRatioRequest(const QString& base, const QString& ratio) const = 0;
    // command is "in_play" or "in_enqueue".
    virtual QString inputRequest(const QString& base, const QString& command, const QString& path) const = 0;

    // Reading the status; status is the root node of a status reply.
    virtual int positionPercent(const XmlNode& status) const = 0;
    virtual int speed(const XmlNode& status) const = 0;
    virtual double audioDelay(const XmlNode& status) const = 0;

    // The title shown for a playlist item's "name" attribute.
    virtual QString titleForItemName(const QString& name) const = 0;
    // Whether the current item is found by the "current" marker rather than by
    // the Lua interface's duration match.
    virtual bool marksCurrentItem(bool luaMode) const = 0;
};
