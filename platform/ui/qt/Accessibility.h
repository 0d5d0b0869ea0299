// What assistive technology is told of the dialog framework's own widgets: a dialog window is
// a frame (with no owner) or a dialog (with one), named by its title; a list box is a list whose
// lines are list items, each named by its visible text; a picture control is a graphic, named
// by its template. Qt's own interfaces serve the rest.
#pragma once

#include <QString>

namespace platform::qt {

// Installs the interfaces with Qt's accessibility, once; every dialog window calls it.
void InstallAccessibility();

// The visible text of a stored list box line: without control characters (owner-drawn lines
// may carry codes of their own) and without leading and trailing blanks.
class ListBoxLines;
QString SpokenLine(const ListBoxLines& lines, int index);

}  // namespace platform::qt
