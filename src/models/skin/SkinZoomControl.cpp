#include "models/skin/SkinZoomControl.h"

#include "models/skin/SkinRoles.h"

SkinZoomControl::Scheme SkinZoomControl::scheme() const
{
    if (skinId() == SkinRoles::volumeSlider)
        return VolumeScheme;
    if (skinId() == SkinRoles::positionSlider)
        return PositionScheme;
    return NoScheme;
}
