#pragma once

#include <QString>

class VLCController;

// How the remote screen's computer answers, as the screen tells it: in the
// title, in the log (one line per change) and by what it lets the user do.
enum class RemoteLink { Connecting, Connected, PasswordNeeded, PasswordRefused, PasswordNotSet, Lost };

namespace RemoteLinks {
// Read from the remote's last reply and its age.
RemoteLink of(const VLCController& remote);
// Whether the user can mend it by giving a password.
bool wantsPassword(RemoteLink link);
// A short note for the title's second line.
QString note(RemoteLink link);
}
