#include "vlc/AspectRatioList.h"

#include "core/Localization.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"

namespace {
// The ratios VLC 3's aspectratio command accepts (see its requests/README.txt).
const QStringList vlc3Ratios { QStringLiteral("1:1"),     QStringLiteral("4:3"),     QStringLiteral("5:4"),
                               QStringLiteral("16:9"),    QStringLiteral("16:10"),   QStringLiteral("221:100"),
                               QStringLiteral("235:100"), QStringLiteral("239:100") };
}

AspectRatioList AspectRatioList::vlc3(const QString& reported)
{
    AspectRatioList list;
    list.names << localizedString("Default") << vlc3Ratios;
    list.values << QString() << vlc3Ratios;
    if (reported.isEmpty() || reported == u"default")
        list.current = 0;
    else if (const qsizetype i = vlc3Ratios.indexOf(reported); i >= 0)
        list.current = int(i) + 1;
    return list;
}

AspectRatioList AspectRatioList::forRemote(const VLCController& remote)
{
    if (remote.state().dialect().isModern()) {
        // Before the first status nothing is known to be in force.
        if (!remote.state().hasStatus())
            return vlc3(QStringLiteral("?"));
        return vlc3(remote.state().playerStatus().vlc3AspectRatio.value_or(QString()));
    }
    AspectRatioList list;
    for (int i = 0; i < int(remote.state().playerStatus().aspectRatios.size()); ++i) {
        list.names << remote.state().nameForAspect(i);
        list.values << remote.state().nameForAspect(i);
    }
    list.current = remote.state().playerStatus().currentAspect;
    return list;
}
