#pragma once

#include "vlc/PlayerStatus.h"

#include <QString>
#include <QUrlQuery>

// What differs between the VLC interfaces we talk to. Servers whose status
// carries no apiversion speak the older dialect, with the request forms
// kept exactly; apiversion 3 and later is VLC 3's.
class ServerDialect {
public:
    virtual ~ServerDialect() = default;

    static const ServerDialect& forApiVersion(int apiVersion);

    virtual bool isModern() const = 0;

    // The query of status.xml for commands whose form differs; values are
    // given as they go on the wire (escaped where the form escapes).
    virtual QUrlQuery volumeRequest(int percent) const = 0;
    virtual QUrlQuery speedRequest(int speed) const = 0;
    // The rate as a multiplier (1 normal, 2 twice as fast), as exactly as
    // the interface takes it.
    virtual QUrlQuery rateRequest(double multiplier) const = 0;
    virtual QUrlQuery audioDelayRequest(float seconds) const = 0;
    virtual QUrlQuery aspectRatioRequest(const QString& ratio) const = 0;
    // command is "in_play" or "in_enqueue".
    virtual QUrlQuery inputRequest(const QString& command, const QString& path) const = 0;

    // Reading the status.
    virtual int positionPercent(const PlayerStatus& status) const = 0;
    virtual int speed(const PlayerStatus& status) const = 0;
    // The rate as a multiplier, as exactly as the status tells it.
    virtual std::optional<double> rate(const PlayerStatus& status) const = 0;
    virtual double audioDelay(const PlayerStatus& status) const = 0;

    // The title shown for a playlist item's "name" attribute.
    virtual QString titleForItemName(const QString& name) const = 0;
    // Whether the current item is found by the "current" marker rather than by
    // the Lua interface's duration match.
    virtual bool marksCurrentItem(bool luaMode) const = 0;

    // command=<command>, then val=<value> when a value is given.
    static QUrlQuery command(const QString& command, const QString& value = QString());
};
