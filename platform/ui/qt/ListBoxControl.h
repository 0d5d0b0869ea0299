// The list box control: a Qt widget that keeps the lines (ListBoxLines), answers the list box
// messages, and has its owner-drawn lines drawn by its window object (CListBox::DrawItem),
// one draw request per visible line, from the top line down.
#pragma once

#include <QWidget>

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/DialogTemplate.h"
#include "platform/ui/qt/ListBoxLines.h"
#include "platform/ui/qt/WindowPlumbing.h"

class QScrollBar;

namespace platform::qt {

class ListBoxControl : public QWidget, public ControlProcedure {
public:
    ListBoxControl(DWORD style, QWidget* parent);

    LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The most lines the list box takes before it answers LB_ERRSPACE.
    void SetCapacity(int capacity) { lines_.SetCapacity(capacity); }

    // The rectangle of line index in client coordinates, shifted by the sideways scrolling.
    RECT ItemRect(int index) const;
    // Lines that fit whole in the client area (at least one).
    int VisibleRows() const;
    // How far the lines are scrolled sideways, in pixels.
    int HorizontalOffset() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int ItemAt(int y) const;
    int ItemAreaHeight() const;
    void Notify(WORD code);
    void UpdateScrollBar();
    LRESULT SetItemHeight(LPARAM lParam);

    DWORD style_;
    ListBoxLines lines_;
    HFONT font_ = nullptr;  // not owned: the sender keeps it alive while the list box lives
    int itemHeight_;
    int caret_ = 0;                     // the line that shows the focus
    QScrollBar* horizontal_ = nullptr;  // with WS_HSCROLL only
};

// The creator of the "listbox" control class of dialog templates (ControlFactory.h).
QWidget* CreateListBoxControl(const ControlTemplate& control, QWidget* dialog);

}  // namespace platform::qt
