#include "platform/ui/qt/FontFaces.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>

namespace platform::qt {

namespace {

// The configuration's substitution rules bind stand-ins for a face strongly, and the generic
// fallbacks weakly; a strong family other than the face itself is a stand-in.
bool HasConfiguredStandIn(const QString& face) {
    if (!FcInit()) {
        return false;
    }
    const QByteArray name = face.toUtf8();
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return false;
    }
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
    if (face.trimmed().isEmpty()) {
        return false;
    }
    if (QFontDatabase::families().contains(face, Qt::CaseInsensitive)) {
        return true;
    }
    return HasConfiguredStandIn(face);
}

}  // namespace platform::qt
