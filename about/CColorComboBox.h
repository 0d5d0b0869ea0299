// A drop-down list of the sixteen colour names, each entry carrying its colour; the box fills
// itself when it makes its own window. No dialog of the credits program creates one.
#pragma once

#include "platform/ui/ComboBox.h"

class CColorComboBox : public CComboBox {
public:
    // Empties the box and lists the named colours in palette order, stopping quietly when the
    // box has no room for more.
    void FillColors();

protected:
    // 0 with the box filled and "Black" selected; -1 when the box could not be made.
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
};
