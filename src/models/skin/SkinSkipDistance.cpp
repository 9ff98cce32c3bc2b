#include "models/skin/SkinSkipDistance.h"

#include "core/Localization.h"
#include "core/TextFormat.h"

QString SkinSkipDistance::caption(int seconds)
{
    if (seconds < 60 || seconds % 60 != 0)
        return QString::number(seconds);
    return fmt(localizedString("%dm"), seconds / 60);
}
