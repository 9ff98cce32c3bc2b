#include "vlc/RemoteTypes.h"

QString RemoteTypeNames::of(ConnectionState state)
{
    switch (state) {
    case ConnectionState::Connecting: return QStringLiteral("connecting");
    case ConnectionState::Connected: return QStringLiteral("connected");
    case ConnectionState::Lost: return QStringLiteral("lost");
    case ConnectionState::PasswordNeeded: return QStringLiteral("password-needed");
    case ConnectionState::PasswordRefused: return QStringLiteral("password-refused");
    case ConnectionState::PasswordNotSet: return QStringLiteral("password-not-set");
    case ConnectionState::UnusableReplies: return QStringLiteral("unusable-replies");
    }
    return QString();
}

QString RemoteTypeNames::of(PlaybackState state)
{
    switch (state) {
    case PlaybackState::None: return QStringLiteral("unknown");
    case PlaybackState::Playing: return QStringLiteral("playing");
    case PlaybackState::Paused: return QStringLiteral("paused");
    case PlaybackState::Stopped: return QStringLiteral("stopped");
    case PlaybackState::Other: return QStringLiteral("other");
    }
    return QString();
}

QString RemoteTypeNames::of(RequestFailure failure)
{
    switch (failure) {
    case RequestFailure::Network: return QStringLiteral("unreachable");
    case RequestFailure::IdleTimeout: return QStringLiteral("timed-out");
    case RequestFailure::Deadline: return QStringLiteral("too-slow");
    case RequestFailure::TooLarge: return QStringLiteral("too-large");
    case RequestFailure::Redirects: return QStringLiteral("too-many-redirects");
    case RequestFailure::RedirectRefused: return QStringLiteral("redirect-refused");
    }
    return QString();
}
