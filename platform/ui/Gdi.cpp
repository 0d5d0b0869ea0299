#include "platform/ui/Gdi.h"

#include <QFont>
#include <QImage>

#include "platform/ui/Resources.h"

void FreeGdiHandle(HBITMAP handle) {
    delete handle;
}
void FreeGdiHandle(HFONT handle) {
    delete handle;
}

BOOL CBitmap::LoadBitmap(UINT id) {
    if (m_hObject != nullptr) {
        return FALSE;  // loading first would leave the new picture without an owner
    }
    return Attach(::LoadBitmap(id));
}
