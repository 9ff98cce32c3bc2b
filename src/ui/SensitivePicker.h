#pragma once

#include "ui/PickerView.h"

#include <QString>

// A picker that tells its delegate (when it is a SensitivePickerDelegate)
// every time the user touches one of its wheels, so that the delegate can
// stop moving the wheels under the user's finger.
class SensitivePicker : public PickerView {
    Q_OBJECT
public:
    explicit SensitivePicker(QWidget* parent = nullptr);

    // Puts a fixed caption beside the picker, on the picker's parent, with
    // its right edge at rightX (parent coordinates). Nothing happens while
    // the picker has no parent.
    void addPickerLabel(const QString& text, qreal rightX, qreal top, qreal height);

    // Wheel clicks have no sound here; the setting is kept for callers that
    // switch them off.
    bool soundsEnabled() const { return m_soundsEnabled; }
    void setSoundsEnabled(bool enabled) { m_soundsEnabled = enabled; }

protected:
    void componentTouched(int component) override;

private:
    bool m_soundsEnabled = true;
};
