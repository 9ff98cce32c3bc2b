#pragma once

#include <QString>
#include <QStringList>

class VLCController;

// The aspect ratios a remote offers: the names shown, the value each one
// sends, and the one in force (-1 for none).
//
// The older interface lists them in its status (aspectRatios/aspectRatio)
// and takes a name as it is shown. VLC 3 lists none; it takes a fixed set of
// ratios, reports the one in force as <aspectratio> ("default" when none is
// set) and goes back to the picture's own ratio for an empty value, which
// is what "Default" sends.
struct AspectRatioList {
    QStringList names;
    QStringList values;
    int current = -1;

    int count() const { return int(names.size()); }

    static AspectRatioList forRemote(const VLCController& remote);
    // VLC 3's fixed set, "Default" first.
    static AspectRatioList vlc3(const QString& reported);
};
