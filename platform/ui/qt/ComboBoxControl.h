// The combo box control: a Qt combo box that answers the combo box messages, each entry a
// text with a value attached, holding at most a set number of entries. Only CComboBox::Create
// makes one, and no dialog does (ComboBox.h).
#pragma once

#include <QComboBox>

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/WindowPlumbing.h"

namespace platform::testing {
class UiTestAccess;
}  // namespace platform::testing

namespace platform::qt {

class ComboBoxControl : public QComboBox, public ControlProcedure {
public:
    static constexpr int kDefaultCapacity = 32767;

    ComboBoxControl(DWORD style, QWidget* parent);

    LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class platform::testing::UiTestAccess;

    bool Valid(int index) const { return index >= 0 && index < count(); }

    DWORD style_;
    int capacity_ = kDefaultCapacity;
};

}  // namespace platform::qt
