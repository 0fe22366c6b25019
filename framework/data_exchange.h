// Dialog data exchange: page values to controls and back, with the integer checks that
// keep the user on a field until it holds an acceptable number.
#pragma once
#include <windows.h>

namespace fw {

class DataExchange {
public:
    // `save` true reads the controls into the values, false shows the values.
    DataExchange(HWND dialog, bool save) : dlg_(dialog), save_(save) {}

    bool saving() const { return save_; }
    // A value was refused: the box was shown and the field has the focus. Later
    // exchanges of this pass do nothing.
    bool failed() const { return failed_; }

    // Edit box and integer; a text that is no integer is refused.
    void Text(int id, int& value);
    // After Text on the same field: a value outside low..high is refused.
    void MinMax(int id, int value, int low, int high);
    // Radio group starting at `firstId`: the index of the checked button among the group's
    // radio buttons in template order, -1 when none is checked.
    void Radio(int firstId, int& value);
    // Check box: 1 checked, 0 not.
    void Check(int id, int& value);

private:
    void Fail(int id, const char* text);

    HWND dlg_;
    bool save_;
    bool failed_ = false;
};

}  // namespace fw
