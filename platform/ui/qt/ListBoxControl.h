// The list box control: a Qt widget that keeps the lines (ListBoxLines), answers the list box
// messages, and has its owner-drawn lines drawn by its window object (CListBox::DrawItem),
// one draw request per visible line, from the top line down.
#pragma once

#include <QWidget>

#include "platform/ui/UiTypes.h"
#include "platform/ui/qt/ListBoxLines.h"
#include "platform/ui/qt/WindowPlumbing.h"

class QScrollBar;

class ListBoxControl : public QWidget, public platform::qt::ControlProcedure {
public:
    ListBoxControl(DWORD style, QWidget* parent);

    LRESULT ControlProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The most lines the list box takes before it answers LB_ERRSPACE.
    void SetCapacity(int capacity) { m_lines.SetCapacity(capacity); }

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

    DWORD m_style;
    ListBoxLines m_lines;
    HFONT m_hFont = nullptr;  // not owned: the sender keeps it alive while the list box lives
    int m_nItemHeight;
    int m_nCaret = 0;                     // the line that shows the focus
    QScrollBar* m_pHorizontal = nullptr;  // with WS_HSCROLL only
};
