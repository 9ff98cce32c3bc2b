#pragma once

#include <QString>

class VLCController;

// What the remotes list last heard from a computer, as its row shows it.
enum class RemoteAnswer {
    AnswersAsVlc,   // VLC's web interface let us in
    PasswordNeeded, // VLC asks for a password: we have none, or VLC has yet to answer ours
    PasswordRefused,
    PasswordNotSet, // VLC 3 with no password configured lets no one in
    Forbidden,      // the older VLC refuses this device by its address
    NoAnswer,       // nothing that answers as VLC, or nothing lately
    // The address cannot be read, so nothing can be asked there (a file of
    // an older version may hold one).
    UnusableAddress,
};

namespace RemoteAnswers {
// Probes go out every 3 seconds and give up after 2: a reply older than
// this means the last probes went unanswered, whatever the flags say.
constexpr double freshForSeconds = 8.0;

RemoteAnswer of(const VLCController& remote);
// A few words for each, for tool tips and assistive technology.
QString describe(RemoteAnswer answer);
// A stable name for tests and object names ("answers", "password-needed", ...).
QString key(RemoteAnswer answer);
}
