#include "platform/ui/Gdi.h"

#include <QFont>
#include <QString>

#include "platform/ui/Picture.h"
#include "platform/ui/qt/FontFaces.h"

namespace platform {

void FreeGdiHandle(HBITMAP handle) {
    delete handle;
}
void FreeGdiHandle(HFONT handle) {
    delete handle;
}

}  // namespace platform

BOOL CFont::CreatePointFont(int nPointSize, const char* lpszFaceName) {
    if (m_hObject != nullptr || lpszFaceName == nullptr || nPointSize <= 0) {
        return FALSE;
    }
    const QString face = QString::fromUtf8(lpszFaceName);
    if (!platform::qt::IsFontFaceAvailable(face)) {
        return FALSE;
    }
    auto* font = new QFont(face);
    font->setPointSizeF(nPointSize / 10.0);
    return Attach(font);
}
