#pragma once

#include <QString>

class PickerView;
class QWidget;

// Shapes a picker's wheels and hears about the user's selections.
class PickerViewDelegate {
public:
    virtual ~PickerViewDelegate() = default;

    // Width of the wheel in points; a negative answer shares the free width
    // equally with the other wheels that answer so.
    virtual int widthForComponent(PickerView* picker, int component) { return -1; }
    virtual int rowHeightForComponent(PickerView* picker, int component) { return 44; }

    // The view shown for a row. reusingView is a view this picker no longer
    // shows in that wheel (or nullptr); return it, filled in again, to save
    // creating one. The picker takes ownership of what is returned (never
    // a view it shows for another row) and deletes an offered view that was
    // not returned.
    virtual QWidget* viewForRow(PickerView* picker, int row, int component, QWidget* reusingView)
    {
        return nullptr;
    }

    // The user turned a wheel and it came to rest on this row. Not called
    // for selectRowInComponent.
    virtual void didSelectRow(PickerView* picker, int row, int component) { }

    // What assistive technology reads of a wheel, which it takes for a spin
    // box: its name, and a row's value and text. Values rise with the rows
    // from the first row's to the last one's; by default a row's value is
    // its index, and its text that number.
    virtual QString accessibleNameForComponent(PickerView* picker, int component) { return {}; }
    virtual int valueForRow(PickerView* picker, int row, int component) { return row; }
    virtual QString titleForRow(PickerView* picker, int row, int component) { return QString::number(valueForRow(picker, row, component)); }
};
