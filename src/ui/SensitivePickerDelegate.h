#pragma once

#include "ui/PickerViewDelegate.h"

class SensitivePicker;

// A picker delegate that wants to know when the user lays a finger on a
// wheel, before the turn that may follow is reported.
class SensitivePickerDelegate : public PickerViewDelegate {
public:
    virtual void sensitivePickerDidStartSelection(SensitivePicker* picker) = 0;
};
