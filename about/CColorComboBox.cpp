#include "about/CColorComboBox.h"

#include "about/PaletteColors.h"

int CColorComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CComboBox::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    FillColors();
    SendMessage(CB_SETCURSEL, 0);
    return 0;
}

void CColorComboBox::FillColors() {
    SendMessage(CB_RESETCONTENT);
    for (const NamedColor& entry : NamedColors) {
        const LRESULT index = SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name));
        if (index == CB_ERRSPACE) {
            break;
        }
        // The colour travels with the entry, so it stays right even in a sorted box.
        SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(entry.color));
    }
}
