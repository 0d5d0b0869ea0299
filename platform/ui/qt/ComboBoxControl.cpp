#include "platform/ui/qt/ComboBoxControl.h"

#include <cstring>

#include "platform/ui/Messages.h"
#include "platform/ui/UiTestAccess.h"

namespace platform::qt {

namespace {

// The style bits that say which kind of combo box it is.
constexpr DWORD kKindMask = 0x3;

}  // namespace

ComboBoxControl::ComboBoxControl(DWORD style, QWidget* parent) : QComboBox(parent), style_(style) {
    setEditable((style & kKindMask) != CBS_DROPDOWNLIST);
}

LRESULT ComboBoxControl::ControlProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = IndexParameter(wParam);
    switch (message) {
        case WM_CREATE:
            return (style_ & kKindMask) == 0 ? -1 : 0;
        case CB_RESETCONTENT:
            clear();
            return 0;
        case CB_ADDSTRING: {
            if (count() >= capacity_) {
                return CB_ERRSPACE;
            }
            const char* text = reinterpret_cast<const char*>(lParam);
            addItem(QString::fromUtf8(text != nullptr ? text : ""));
            return count() - 1;
        }
        case CB_GETCOUNT:
            return count();
        case CB_SETITEMDATA:
            if (!Valid(index)) {
                return CB_ERR;
            }
            setItemData(index, QVariant::fromValue(static_cast<qulonglong>(lParam)));
            return 0;
        case CB_GETITEMDATA:
            return Valid(index) ? static_cast<LRESULT>(itemData(index).toULongLong()) : CB_ERR;
        case CB_SETCURSEL:
            // -1 clears the selection and, like any index without an entry, answers CB_ERR.
            setCurrentIndex(Valid(index) ? index : -1);
            return Valid(index) ? index : CB_ERR;
        case CB_GETCURSEL:
            return currentIndex() >= 0 ? currentIndex() : CB_ERR;
        case CB_GETLBTEXT: {
            char* buffer = reinterpret_cast<char*>(lParam);
            if (!Valid(index) || buffer == nullptr) {
                return CB_ERR;
            }
            const QByteArray text = itemText(index).toUtf8();
            std::memcpy(buffer, text.constData(), static_cast<std::size_t>(text.size()) + 1);
            return text.size();
        }
        default:
            return 0;
    }
}

}  // namespace platform::qt

void platform::testing::UiTestAccess::SetCapacity(qt::ComboBoxControl& control, int capacity) {
    control.capacity_ = capacity;
}
