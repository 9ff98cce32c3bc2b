#pragma once

#include "ui/PickerView.h"

#include <QPointer>
#include <QString>

#include <vector>

class QLabel;

// A picker that tells its delegate (when it is a SensitivePickerDelegate)
// every time the user touches one of its wheels, so that the delegate can
// stop moving the wheels under the user's finger.
class SensitivePicker : public PickerView {
    Q_OBJECT
public:
    explicit SensitivePicker(QWidget* parent = nullptr);
    ~SensitivePicker() override;

    // Puts a fixed caption beside the wheels, on the picker's parent (so it
    // is not turned with them), with its right edge at rightX and its top at
    // top, both in points from the picker's own top-left corner: the
    // caption stays on the wheel it names wherever the picker stands and
    // at whatever scale it is drawn. Nothing happens while the picker has no
    // parent.
    void addPickerLabel(const QString& text, qreal rightX, qreal top, qreal height);
    void setContentScale(qreal scale) override;

    // Wheel clicks have no sound here; the setting is kept for callers that
    // switch them off.
    bool soundsEnabled() const { return m_soundsEnabled; }
    void setSoundsEnabled(bool enabled) { m_soundsEnabled = enabled; }

protected:
    void componentTouched(int component) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Caption {
        QPointer<QLabel> label;
        qreal rightX;
        qreal top;
        qreal height;
    };
    void placeCaptions();

    bool m_soundsEnabled = true;
    std::vector<Caption> m_captions;
};
