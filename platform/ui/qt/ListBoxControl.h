// The list box control: a Qt widget that keeps the lines (ListBoxLines), answers the list box
// messages, and has its owner-drawn lines drawn by its window object (CListBox::DrawItem),
// one draw request per visible line, from the top line down.
//
// It is built for what the programs ask of it: the credits list, disabled, takes its lines,
// top line, font and line height by message and is scrolled sideways by its horizontal extent.
// The selection is set by message only (a click selects nothing), a list of many selections
// (LBS_EXTENDEDSEL) answers the range selection of the select-all command, and no notification
// is sent to the owner. A double click and a context-menu request reach the window object as
// WM_LBUTTONDBLCLK and WM_CONTEXTMENU.
#pragma once

#include <QWidget>

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/DialogTemplate.h"
#include "platform/ui/qt/ListBoxLines.h"
#include "platform/ui/qt/WindowPlumbing.h"

class QScrollBar;

namespace platform::testing {
class UiTestAccess;
}  // namespace platform::testing

namespace platform::qt {

class ListBoxControl : public QWidget, public ControlProcedure {
public:
    ListBoxControl(DWORD style, QWidget* parent);

    LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // What the list holds, and where a line stands in client coordinates (for assistive
    // technology).
    const ListBoxLines& Lines() const { return lines_; }
    RECT LineRect(int index) const { return ItemRect(index); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class platform::testing::UiTestAccess;

    // The rectangle of line index in client coordinates, shifted by the sideways scrolling.
    RECT ItemRect(int index) const;
    // Lines that fit whole in the client area (at least one).
    int VisibleRows() const;
    // How far the lines are scrolled sideways, in pixels.
    int HorizontalOffset() const;
    int ItemAreaHeight() const;
    void UpdateScrollBar();
    LRESULT SetItemHeight(LPARAM lParam);

    ListBoxLines lines_;
    HFONT font_ = nullptr;  // not owned: the sender keeps it alive while the list box lives
    int itemHeight_;
    int caret_ = 0;                     // the line that shows the focus
    QScrollBar* horizontal_ = nullptr;  // with WS_HSCROLL only
};

// The creator of the "listbox" control class of dialog templates (ControlFactory.h).
QWidget* CreateListBoxControl(const ControlTemplate& control, QWidget* dialog);

}  // namespace platform::qt
