#pragma once

#include "vlc/RemoteTypes.h"

#include <QString>

class VLCController;

// How the remote screen's computer answers, as the screen tells it: in the
// title, in the log (one line per change) and by what it lets the user do.
using RemoteLink = ConnectionState;

namespace RemoteLinks {
RemoteLink of(const VLCController& remote);
// Whether the user can mend it by giving a password.
bool wantsPassword(RemoteLink link);
// A short note for the title's second line.
QString note(RemoteLink link);
// The connection in a sentence naming the remote ("Connected to %@").
QString statusText(RemoteLink link, const QString& remoteName);
}
