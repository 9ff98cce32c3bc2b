#pragma once

#include "models/skin/SkinScene.h"
#include "models/skin/SkinControl.h"
#include "models/skin/SkinArtControl.h"
#include "models/skin/SkinButtonControl.h"
#include "models/skin/SkinImageControl.h"
#include "models/skin/SkinLabelControl.h"
#include "models/skin/SkinPagesControl.h"
#include "models/skin/SkinSliderControl.h"
#include "models/skin/SkinTableControl.h"
#include "models/skin/SkinValueControl.h"
#include "models/skin/SkinZoomControl.h"
#include "models/skin/SkinPlaylistRows.h"
#include "models/skin/SkinWheels.h"

#include <QtQml/qqmlregistration.h>

// The skin's model (src/models/skin) as the pages name it: the scene a
// skin view makes, and the controls, wheels and rows it hands out.
struct SkinSceneForeign {
    Q_GADGET
    QML_FOREIGN(SkinScene)
    QML_NAMED_ELEMENT(SkinScene)
};

struct SkinControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinControl)
    QML_NAMED_ELEMENT(SkinControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinArtControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinArtControl)
    QML_NAMED_ELEMENT(SkinArtControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinButtonControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinButtonControl)
    QML_NAMED_ELEMENT(SkinButtonControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinImageControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinImageControl)
    QML_NAMED_ELEMENT(SkinImageControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinLabelControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinLabelControl)
    QML_NAMED_ELEMENT(SkinLabelControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinPagesControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinPagesControl)
    QML_NAMED_ELEMENT(SkinPagesControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinSliderControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinSliderControl)
    QML_NAMED_ELEMENT(SkinSliderControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinTableControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinTableControl)
    QML_NAMED_ELEMENT(SkinTableControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinValueControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinValueControl)
    QML_NAMED_ELEMENT(SkinValueControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinZoomControlForeign {
    Q_GADGET
    QML_FOREIGN(SkinZoomControl)
    QML_NAMED_ELEMENT(SkinZoomControl)
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
};

struct SkinPlaylistRowsForeign {
    Q_GADGET
    QML_FOREIGN(SkinPlaylistRows)
    QML_NAMED_ELEMENT(SkinPlaylistRows)
    QML_UNCREATABLE("The rows belong to a SkinScene")
};

struct SkinWheelsForeign {
    Q_GADGET
    QML_FOREIGN(SkinWheels)
    QML_NAMED_ELEMENT(SkinWheels)
    QML_UNCREATABLE("The wheels belong to a SkinScene")
};
