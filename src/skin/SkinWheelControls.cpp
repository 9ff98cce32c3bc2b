// The skin's zoom sliders and pickers, with the delegate objects they share.
#include "skin/Skin.h"

#include "core/Localization.h"
#include "skin/PickerDelegate.h"
#include "skin/PositionSliderDelegate.h"
#include "skin/SkinDelegate.h"
#include "skin/SkinIds.h"
#include "skin/VolumeSliderDelegate.h"
#include "ui/SensitivePicker.h"
#include "ui/ZoomSlider.h"

namespace {
constexpr double positionSliderStartMaximum = 200;
constexpr double zoomLimitMax = 100;
constexpr double zoomLimitMin = 0.02;
}

QWidget* Skin::zoomSliderFromDict(const AttributeMap& attributes)
{
    if (attributes.value(u"hidden") == u"1")
        return nullptr;
    auto* slider = new ZoomSlider;
    setSizeFor(slider, attributes);
    if (const QString* c = attributes.find(u"textColour"))
        slider->setTextColor(colourFromString(*c));
    if (const QString* c = attributes.find(u"largeTickColour"))
        slider->setLargeTickColor(colourFromString(*c));
    if (const QString* c = attributes.find(u"mediumTickColour"))
        slider->setMedTickColor(colourFromString(*c));
    if (const QString* c = attributes.find(u"smallTickColour"))
        slider->setSmallTickColor(colourFromString(*c));

    const QString id = attributes.value(u"id");
    if (id == SkinIds::volumeSlider) {
        if (!m_volumeSliderDelegate)
            m_volumeSliderDelegate = std::make_unique<VolumeSliderDelegate>(m_delegate);
        slider->setDelegate(m_volumeSliderDelegate.get());
        slider->setMaximumValue(m_maxVolume);
    } else if (id == SkinIds::positionSlider) {
        if (!m_positionSliderDelegate)
            m_positionSliderDelegate = std::make_unique<PositionSliderDelegate>(m_delegate);
        slider->setDelegate(m_positionSliderDelegate.get());
        slider->setMaximumValue(positionSliderStartMaximum);
    } else {
        return slider; // no role: default range, no zoom limits
    }
    slider->zoomToFit();
    slider->setMaxZoom(zoomLimitMax);
    slider->setMinZoom(zoomLimitMin);
    return slider;
}

QWidget* Skin::pickerFromDict(const AttributeMap& attributes)
{
    if (attributes.value(u"hidden") == u"1")
        return nullptr;
    auto* picker = new SensitivePicker;
    picker->setSizePolicy(QSizePolicy::Expanding, picker->sizePolicy().verticalPolicy());
    picker->setShowsSelectionIndicator(true);
    // The first picker of the skin object is the one that follows the player.
    if (!m_pickerDelegate) {
        m_pickerDelegate = std::make_unique<PickerDelegate>(m_delegate, picker);
        m_pickerDelegate->setMaxVolume(m_maxVolume);
    }
    picker->setDataSource(m_pickerDelegate.get());
    picker->setDelegate(m_pickerDelegate.get());
    picker->setSoundsEnabled(false);
    setSizeFor(picker, attributes);
    return picker;
}

void Skin::addPickerCaptions(QWidget* control)
{
    if (auto* picker = qobject_cast<SensitivePicker*>(control)) {
        picker->addPickerLabel(localizedString("Time:"), 65, 95, 25);
        picker->addPickerLabel(localizedString("Vol:"), 255, 95, 25);
    }
}
