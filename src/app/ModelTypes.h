#pragma once

#include "models/EqualizerModel.h"
#include "models/LocalFileCast.h"
#include "models/OpenAddressModel.h"

#include <QtQml/qqmlregistration.h>

// The models of src/models that pages name by type, registered in the
// touch module so that its pages and qmllint know their properties.
struct EqualizerModelForeign {
    Q_GADGET
    QML_FOREIGN(EqualizerModel)
    QML_NAMED_ELEMENT(EqualizerModel)
    QML_UNCREATABLE("The equalizer is made by the program")
};

struct EqualizerPresetModelForeign {
    Q_GADGET
    QML_FOREIGN(EqualizerPresetModel)
    QML_NAMED_ELEMENT(EqualizerPresetModel)
    QML_UNCREATABLE("The presets belong to the equalizer")
};

struct OpenAddressModelForeign {
    Q_GADGET
    QML_FOREIGN(OpenAddressModel)
    QML_NAMED_ELEMENT(OpenAddressModel)
    QML_UNCREATABLE("The address form is made by the program")
};

struct LocalFileCastForeign {
    Q_GADGET
    QML_FOREIGN(LocalFileCast)
    QML_NAMED_ELEMENT(LocalFileCast)
    QML_UNCREATABLE("The files served are kept by the program")
};
