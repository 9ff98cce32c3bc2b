#pragma once

#include "ui/PickerView.h"
#include "ui/PickerViewDataSource.h"
#include "ui/SensitivePickerDelegate.h"
#include "vlc/VolumeRange.h"

#include <QObject>
#include <QPointer>

class SkinActionTarget;

// The time and volume wheels of a skin's pickers: minutes, seconds and
// volume, side by side. It answers every picker's questions about wheels
// and rows, turns the user's selections into seeks and volume changes for
// the remote screen, and moves its own picker (the first one the skin
// built) to follow the player. While the user has a finger on a wheel the
// player's updates are ignored, so the wheel stays under the finger.
//
// The target is not owned and must outlive this object (the remote screen
// owns the skin that owns it). The picker is followed with a QPointer.
class PickerDelegate : public QObject, public PickerViewDataSource, public SensitivePickerDelegate {
    Q_OBJECT
public:
    enum Wheel { MinutesWheel = 0, SecondsWheel = 1, VolumeWheel = 2, SpareWheel = 3 };

    PickerDelegate(SkinActionTarget* target, PickerView* picker, QObject* parent = nullptr);

    SkinActionTarget* target() const { return m_target; }
    void setTarget(SkinActionTarget* target) { m_target = target; }
    PickerView* picker() const { return m_picker; }
    void setPicker(PickerView* picker) { m_picker = picker; }
    bool pickerIsInteracting() const { return m_pickerIsInteracting; }
    void setPickerIsInteracting(bool interacting) { m_pickerIsInteracting = interacting; }
    // The highest volume in percent, decided by the screen that owns the
    // skin (the volume wheel has a row for every percent up to it).
    void setMaxVolume(int maximum) { m_maxVolume = maximum; }
    int maxVolume() const { return m_maxVolume; }

    // What the wheels last showed.
    int pickerLengthCache() const { return m_pickerLengthCache; }
    int pickerPositionSecondsCache() const { return m_pickerPositionSecondsCache; }
    int pickerSecondsPlusOffsetCache() const { return m_pickerSecondsPlusOffsetCache; }
    int pickerMinutesCache() const { return m_pickerMinutesCache; }
    int pickerVolumeCache() const { return m_pickerVolumeCache; }

    // The player's state: item length and elapsed time in seconds, volume
    // in percent.
    void updatePickerLength(int length, int elapsed, int volume, bool animated);

    int numberOfComponents(PickerView* picker) override;
    int numberOfRowsInComponent(PickerView* picker, int component) override;
    int widthForComponent(PickerView* picker, int component) override;
    QWidget* viewForRow(PickerView* picker, int row, int component, QWidget* reusingView) override;
    void didSelectRow(PickerView* picker, int row, int component) override;
    QString accessibleNameForComponent(PickerView* picker, int component) override;
    int valueForRow(PickerView* picker, int row, int component) override;
    QString titleForRow(PickerView* picker, int row, int component) override;
    void sensitivePickerDidStartSelection(SensitivePicker* picker) override;

private:
    int m_maxVolume = VolumeRange::normalMaximum;
    bool m_pickerIsInteracting = false;
    SkinActionTarget* m_target;
    QPointer<PickerView> m_picker;
    int m_pickerLengthCache = 0;
    int m_pickerPositionSecondsCache = 0;
    int m_pickerSecondsPlusOffsetCache = 0;
    int m_pickerMinutesCache = 0;
    int m_pickerVolumeCache = 0;
};
