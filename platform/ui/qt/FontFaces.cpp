#include "platform/ui/qt/FontFaces.h"

#include <fontconfig/fontconfig.h>

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "platform/ui/Gdi.h"

namespace {

// The configuration's substitution rules bind stand-ins for a face strongly, and the generic
// fallbacks weakly; a strong family other than the face itself is a stand-in.
bool HasConfiguredStandIn(const QString& face) {
    if (!FcInit()) return false;
    const QByteArray name = face.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    bool found = false;
    FcValue value;
    FcValueBinding binding;
    for (int i = 0; !found && FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) ==
                                  FcResultMatch;
         ++i) {
        found = binding != FcValueBindingWeak && value.type == FcTypeString &&
                QString::fromUtf8(reinterpret_cast<const char*>(value.u.s))
                        .compare(face, Qt::CaseInsensitive) != 0;
    }
    FcPatternDestroy(pattern);
    return found;
}

}  // namespace

bool IsFontFaceAvailable(const QString& face) {
    if (face.trimmed().isEmpty()) return false;
    if (QFontDatabase::families().contains(face, Qt::CaseInsensitive)) return true;
    return HasConfiguredStandIn(face);
}

BOOL CFont::CreatePointFont(int nPointSize, const char* lpszFaceName) {
    if (m_hObject != nullptr || lpszFaceName == nullptr || nPointSize <= 0) return FALSE;
    const QString face = QString::fromUtf8(lpszFaceName);
    if (!IsFontFaceAvailable(face)) return FALSE;
    auto* font = new QFont(face);
    font->setPointSizeF(nPointSize / 10.0);
    return Attach(font);
}
