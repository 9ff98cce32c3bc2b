#pragma once

class PickerView;

// Answers how many wheels a picker has and how many rows each one holds.
class PickerViewDataSource {
public:
    virtual ~PickerViewDataSource() = default;
    virtual int numberOfComponents(PickerView* picker) = 0;
    virtual int numberOfRowsInComponent(PickerView* picker, int component) = 0;
};
