// Numbered resources of the running program, looked up in its Qt resources: pictures under
// ":/res/bitmap/<id>.bmp" (with their drawings for denser screens, if any, beside them as
// "<id>@2x.bmp" and "<id>@3x.bmp", Picture.h), icons as one image per size (a 32-bit bitmap) in the
// folder ":/res/icon/<id>", dialog templates under ":/res/dialog/<id>.json".
#pragma once

#include <QString>

#include "platform/ui/UiTypes.h"

namespace platform {

enum class ResourceKind { Bitmap, Icon, Dialog };

// The Qt resource path of a numbered resource.
QString ResourcePath(ResourceKind kind, UINT id);

}  // namespace platform

// A new picture of bitmap resource id, owned by the caller (a CBitmap attaches it); null when
// the program has no such picture. Its drawings are read when first drawn.
HBITMAP LoadBitmap(UINT id);

// The icon resource id with every size it has, loaded once and shared until the application
// ends, so its users never free it; null when the program has no such icon. Its images are read
// when it is first drawn, measured or given to the window system.
HICON LoadIcon(UINT id);
