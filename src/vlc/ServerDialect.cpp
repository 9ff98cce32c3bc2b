#include "vlc/ServerDialect.h"

#include "vlc/LegacyDialect.h"
#include "vlc/Vlc3Dialect.h"

const ServerDialect& ServerDialect::forApiVersion(int apiVersion)
{
    static const LegacyDialect legacy;
    static const Vlc3Dialect vlc3;
    if (apiVersion >= 3)
        return vlc3;
    return legacy;
}
