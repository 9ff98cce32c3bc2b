#include "screens/Flipside/BuildInfo.h"

#ifndef PLAYERLINK_VERSION
#error "the build defines PLAYERLINK_VERSION"
#endif

QString BuildInfo::version()
{
    return QStringLiteral(PLAYERLINK_VERSION);
}
