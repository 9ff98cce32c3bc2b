#include "models/skin/SkinRoles.h"

#include "core/Localization.h"

#include <QHash>

SkinRoles::Action SkinRoles::actionFor(const QString& id)
{
    static const QHash<QString, Action> actions {
        { previous, Action::Previous },       { stop, Action::Stop },           { playPause, Action::PlayPause },
        { next, Action::Next },               { shuffle, Action::Random },      { repeat, Action::Repeat },
        { loop, Action::Loop },               { volumeLess, Action::VolumeDown }, { volumeMore, Action::VolumeUp },
        { skipForward, Action::ScanForward }, { skipBack, Action::ScanBack },   { dvdUp, Action::DvdUp },
        { dvdDown, Action::DvdDown },         { dvdLeft, Action::DvdLeft },     { dvdRight, Action::DvdRight },
        { dvdSelect, Action::DvdSelect },     { dvdMenu, Action::DvdMenu },
    };
    return actions.value(id, Action::None);
}

QString SkinRoles::playPauseName(bool playing)
{
    return playing ? localizedString("Pause") : localizedString("Play");
}

QString SkinRoles::accessibleName(const QString& kind, const QString& id)
{
    static const QHash<QString, const char*> names {
        { previous, L10N_NOOP("Previous") },         { stop, L10N_NOOP("Stop") },
        { next, L10N_NOOP("Next") },                 { shuffle, L10N_NOOP("Shuffle") },
        { repeat, L10N_NOOP("Repeat") },             { loop, L10N_NOOP("Loop") },
        { volumeLess, L10N_NOOP("Volume Down") },    { volumeMore, L10N_NOOP("Volume Up") },
        { skipForward, L10N_NOOP("Skip Forward") },  { skipBack, L10N_NOOP("Skip Back") },
        { dvdUp, L10N_NOOP("Up") },                  { dvdDown, L10N_NOOP("Down") },
        { dvdLeft, L10N_NOOP("Left") },              { dvdRight, L10N_NOOP("Right") },
        { dvdSelect, L10N_NOOP("Select") },          { dvdMenu, L10N_NOOP("Menu") },
        { volumeSlider, L10N_NOOP("Volume") },       { positionSlider, L10N_NOOP("Position") },
        { timeElapsed, L10N_NOOP("Time Elapsed") },  { timeRemaining, L10N_NOOP("Time Remaining") },
        { timeLength, L10N_NOOP("Length") },         { status, L10N_NOOP("Status") },
        { nowPlaying, L10N_NOOP("Now Playing") },
    };
    if (id == playPause)
        return playPauseName(false);
    if (const auto found = names.constFind(id); found != names.constEnd())
        return localizedString(found.value());
    if (kind == u"table")
        return localizedString("Playlist");
    if (kind == u"picker")
        return localizedString("Time and Volume");
    if (kind == u"art")
        return localizedString("Album Art");
    // A control of a skin's own: its id is the best name there is.
    return id;
}
