// The drawing objects that a dialog owns and selects into a drawing surface: pictures
// (CBitmap, holding what LoadBitmap of Resources.h loads) and fonts (CFont). Each object owns
// its Qt object and frees it when deleted or destroyed.
#pragma once

#include "platform/ui/UiTypes.h"

namespace platform {

// Frees a handle of each kind (Gdi.cpp), where the Qt types are complete.
void FreeGdiHandle(HBITMAP handle);
void FreeGdiHandle(HFONT handle);

}  // namespace platform

// What the two kinds of drawing objects share: an owned handle, empty until one is attached.
template <typename Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { DeleteObject(); }

    // Takes ownership of handle; FALSE (and nothing taken) when it is null or one is held.
    BOOL Attach(Handle handle) {
        if (handle == nullptr || m_hObject != nullptr) {
            return FALSE;
        }
        m_hObject = handle;
        return TRUE;
    }
    // Frees the held object; FALSE when there is none.
    BOOL DeleteObject() {
        if (m_hObject == nullptr) {
            return FALSE;
        }
        platform::FreeGdiHandle(m_hObject);
        m_hObject = nullptr;
        return TRUE;
    }
    Handle GetSafeHandle() const { return m_hObject; }

protected:
    Handle m_hObject = nullptr;
};

// A picture.
class CBitmap : public CGdiObject<HBITMAP> {};

// A font. An empty CFont stands for the surface's default font.
class CFont : public CGdiObject<HFONT> {
public:
    // A screen font of nPointSize tenths of a point of the face lpszFaceName. FALSE when the
    // system has no font of that face (qt/FontFaces.h); the object then stays empty.
    BOOL CreatePointFont(int nPointSize, const char* lpszFaceName);
};
