// Numbered dialog templates: a dialog's size, caption, styles, font and controls, read from
// the program's resources (":/res/dialog/<id>.json"), and the conversion of dialog units to
// pixels.
//
// A template file holds an object with "width" and "height" (dialog units), "caption",
// "style" and "exStyle" (style names and numbers joined by "|", as "WS_POPUP | 0x40"),
// "font" ({"face", "pointSize"}: the controls' font) and "controls": objects with "id", "class"
// ("button", "static", ...), "text" ("#129" names a resource for image controls), "rect"
// ([x, y, width, height] in dialog units), "style" and, for a control whose text says nothing
// to a reader (a picture), "accessibleName".
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "platform/ui/UiTypes.h"

namespace platform::qt {

struct ControlTemplate {
    int id = 0;
    QString className;  // lower case
    QString text;
    QRect rect;  // dialog units
    DWORD style = 0;
    QString accessibleName;  // what assistive technology calls a control without text of its own
};

struct DialogTemplate {
    QSize size;  // dialog units
    QString caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    QString fontFace;   // of the dialog's controls
    int pointSize = 8;  // of the dialog's controls
    std::vector<ControlTemplate> controls;

    // The template of resource id; none when it is missing or malformed.
    static std::optional<DialogTemplate> Load(UINT id);
    static std::optional<DialogTemplate> Parse(const QByteArray& json);
};

// Dialog units to pixels with the base units of the one font that all templates are laid out
// for (8-point "MS Sans Serif" at 96 dots per inch, 6 by 13 pixels): x * 6 / 4 and y * 13 / 8,
// rounded half away from zero.
int DialogUnitsToPixelsX(int x);
int DialogUnitsToPixelsY(int y);
QRect DialogUnitsToPixels(const QRect& rect);

// The resource number that a control text such as "#129" names; none for other texts.
std::optional<UINT> ResourceNumber(const QString& text);

}  // namespace platform::qt
