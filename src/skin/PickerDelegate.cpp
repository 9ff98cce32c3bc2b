#include "skin/PickerDelegate.h"

#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "skin/SkinActionTarget.h"
#include "ui/PickerView.h"

#include <QLabel>

#include <algorithm>

namespace {
// The seconds wheel holds five turns of 0-59 and is kept in the middle
// ones, so it can always roll on past 59 or back past 0.
constexpr int secondsRows = 300;
constexpr int middleCycleStart = 120;
constexpr int lowestKeptRow = 60;
constexpr int highestKeptRow = 240;

constexpr int rowViewHeight = 50;
constexpr int rowViewInset = 30;
constexpr int rowViewTag = 99;

// A modulo that stays in 0..59 for negative values too.
int mod60(int value)
{
    const int r = value % 60;
    return r < 0 ? r + 60 : r;
}

QFont rowFont()
{
    QFont font;
    // A narrow face keeps two digits inside the 30-point seconds row.
    font.setFamilies({ QStringLiteral("AppleGothic"), QStringLiteral("DejaVu Sans Condensed"),
                       QStringLiteral("Liberation Sans Narrow") });
    font.setPixelSize(24);
    return font;
}
}

PickerDelegate::PickerDelegate(SkinActionTarget* target, PickerView* picker, QObject* parent)
    : QObject(parent)
    , m_target(target)
    , m_picker(picker)
{
}

void PickerDelegate::sensitivePickerDidStartSelection(SensitivePicker*)
{
    m_pickerIsInteracting = true;
}

int PickerDelegate::numberOfComponents(PickerView*)
{
    return 4;
}

int PickerDelegate::numberOfRowsInComponent(PickerView*, int component)
{
    switch (component) {
    case MinutesWheel:
        // Every minute the item reaches, the last begun one included: a
        // 40-second item still has its minute 0, a 5:30 one its minute 5.
        return m_pickerLengthCache / 60 + 1;
    case SecondsWheel:
        return secondsRows;
    case VolumeWheel:
        return m_maxVolume + 1;
    default:
        return 0;
    }
}

int PickerDelegate::widthForComponent(PickerView*, int component)
{
    switch (component) {
    case MinutesWheel:
        return 140;
    case SecondsWheel:
        return 60;
    case VolumeWheel:
        return 100;
    default:
        return 0;
    }
}

QString PickerDelegate::accessibleNameForComponent(PickerView*, int component)
{
    switch (component) {
    case MinutesWheel:
        return localizedString("Minutes");
    case SecondsWheel:
        return localizedString("Seconds");
    case VolumeWheel:
        return localizedString("Volume");
    default:
        return {};
    }
}

int PickerDelegate::valueForRow(PickerView*, int row, int component)
{
    return component == SecondsWheel ? mod60(row) : row;
}

QString PickerDelegate::titleForRow(PickerView*, int row, int component)
{
    switch (component) {
    case MinutesWheel:
        // From an hour on the minutes read as hours:minutes.
        return row < 60 ? fmt(QStringLiteral("%d"), row) : fmt(QStringLiteral("%d:%02d"), row / 60, row % 60);
    case SecondsWheel:
        return fmt(QStringLiteral("%d"), mod60(row));
    case VolumeWheel:
        return fmt(QStringLiteral("%d"), row);
    default:
        return {};
    }
}

QWidget* PickerDelegate::viewForRow(PickerView* picker, int row, int component, QWidget*)
{
    if (component != MinutesWheel && component != SecondsWheel && component != VolumeWheel)
        qFatal("unexpected component in picker");
    const QString text = titleForRow(picker, row, component);
    const Qt::Alignment alignment = component == SecondsWheel ? Qt::AlignHCenter : Qt::AlignRight;
    // Always a fresh label: the picker deletes the one it offered.
    auto* label = new QLabel(text);
    label->resize(widthForComponent(picker, component) - rowViewInset, rowViewHeight);
    label->setFont(rowFont());
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setProperty("tag", rowViewTag);
    return label;
}

void PickerDelegate::updatePickerLength(int length, int elapsed, int volume, bool animated)
{
    if (m_pickerIsInteracting)
        return;
    if (length != m_pickerLengthCache) {
        m_pickerLengthCache = length;
        if (m_picker)
            m_picker->reloadComponent(MinutesWheel);
    }
    const int previous = m_pickerPositionSecondsCache;
    m_pickerPositionSecondsCache = elapsed;
    // Whole minutes of difference leave the seconds wheel where it is; any
    // other step turns it by that many rows, so it rolls on over the minute.
    const int step = elapsed - previous;
    if (step != 0 && step % 60 != 0)
        m_pickerSecondsPlusOffsetCache += step;
    if (mod60(m_pickerSecondsPlusOffsetCache) != mod60(elapsed))
        m_pickerSecondsPlusOffsetCache = mod60(elapsed) + middleCycleStart;
    if (m_pickerSecondsPlusOffsetCache < lowestKeptRow || m_pickerSecondsPlusOffsetCache > highestKeptRow)
        m_pickerSecondsPlusOffsetCache = mod60(m_pickerSecondsPlusOffsetCache) + middleCycleStart;
    m_pickerMinutesCache = elapsed / 60;
    m_pickerVolumeCache = volume;
    if (!m_picker)
        return;
    m_picker->selectRowInComponent(m_pickerMinutesCache, MinutesWheel, animated);
    m_picker->selectRowInComponent(m_pickerSecondsPlusOffsetCache, SecondsWheel, animated);
    m_picker->selectRowInComponent(m_pickerVolumeCache, VolumeWheel, animated);
}

void PickerDelegate::didSelectRow(PickerView* picker, int row, int component)
{
    switch (component) {
    case SecondsWheel: {
        if (row == m_pickerSecondsPlusOffsetCache)
            return;
        ConsoleLog::log(QStringLiteral("picker has changed to %d"), row);
        const int shown = m_pickerSecondsPlusOffsetCache;
        // An empty minutes wheel (no known length) counts as minute 0.
        const int minute = std::max(0, picker->selectedRowInComponent(MinutesWheel));
        // The row counts from the start of the turn the wheel stood in, so
        // rolling past 59 carries into the next minute and back past 0 into
        // the one before.
        if (m_pickerIsInteracting && m_target)
            m_target->seek(mod60(shown) - shown + row + 60 * minute);
        const int middle = mod60(row) + middleCycleStart;
        if (row != middle) {
            m_pickerSecondsPlusOffsetCache = middle;
            picker->selectRowInComponent(middle, SecondsWheel, false);
        }
        break;
    }
    case VolumeWheel:
        if (row == m_pickerVolumeCache) {
            ConsoleLog::log(QStringLiteral("picker has ben set to volume %d"), row);
            return;
        }
        ConsoleLog::log(QStringLiteral("picker changed volume %d"), row);
        if (m_pickerIsInteracting && m_target)
            m_target->setVolume(row);
        break;
    case MinutesWheel:
        if (row == m_pickerMinutesCache)
            return;
        if (m_pickerIsInteracting && m_target)
            m_target->seek(mod60(picker->selectedRowInComponent(SecondsWheel)) + 60 * row);
        break;
    default:
        break;
    }
    m_pickerIsInteracting = false;
}
