#include "skin/SkinControlNames.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "skin/SkinIds.h"

#include <QHash>

QString SkinControlNames::playPauseName(bool playing)
{
    return playing ? localizedString("Pause") : localizedString("Play");
}

QString SkinControlNames::accessibleName(const QString& kind, const QString& id)
{
    static const QHash<QString, const char*> names {
        { SkinIds::previous, L10N_NOOP("Previous") },         { SkinIds::stop, L10N_NOOP("Stop") },
        { SkinIds::next, L10N_NOOP("Next") },                 { SkinIds::shuffle, L10N_NOOP("Shuffle") },
        { SkinIds::repeat, L10N_NOOP("Repeat") },             { SkinIds::loop, L10N_NOOP("Loop") },
        { SkinIds::volumeLess, L10N_NOOP("Volume Down") },    { SkinIds::volumeMore, L10N_NOOP("Volume Up") },
        { SkinIds::skipForward, L10N_NOOP("Skip Forward") },  { SkinIds::skipBack, L10N_NOOP("Skip Back") },
        { SkinIds::dvdUp, L10N_NOOP("Up") },                  { SkinIds::dvdDown, L10N_NOOP("Down") },
        { SkinIds::dvdLeft, L10N_NOOP("Left") },              { SkinIds::dvdRight, L10N_NOOP("Right") },
        { SkinIds::dvdSelect, L10N_NOOP("Select") },          { SkinIds::dvdMenu, L10N_NOOP("Menu") },
        { SkinIds::volumeSlider, L10N_NOOP("Volume") },       { SkinIds::positionSlider, L10N_NOOP("Position") },
        { SkinIds::timeElapsed, L10N_NOOP("Time Elapsed") },  { SkinIds::timeRemaining, L10N_NOOP("Time Remaining") },
        { SkinIds::timeLength, L10N_NOOP("Length") },         { SkinIds::status, L10N_NOOP("Status") },
        { SkinIds::nowPlaying, L10N_NOOP("Now Playing") },
    };
    if (id == SkinIds::playPause)
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
