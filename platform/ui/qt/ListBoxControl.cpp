#include "platform/ui/qt/ListBoxControl.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "platform/ui/Gdi.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PaintDc.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/qt/ControlFactory.h"

namespace {

// The largest line height a list box takes.
constexpr int kMaxItemHeight = 255;

int IndexOf(WPARAM wParam) {
    return static_cast<int>(static_cast<INT_PTR>(wParam));
}

}  // namespace

QWidget* CreateListBoxControl(const ControlTemplate& control, QWidget* dialog) {
    return new ListBoxControl(control.style, dialog);
}

ListBoxControl::ListBoxControl(DWORD style, QWidget* parent)
    : QWidget(parent),
      m_style(style),
      m_lines((style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0),
      m_nItemHeight(QFontMetrics(font()).height()) {
    if ((style & WS_HSCROLL) != 0) {
        m_pHorizontal = new QScrollBar(Qt::Horizontal, this);
        m_pHorizontal->hide();
        connect(m_pHorizontal, &QScrollBar::valueChanged, this, [this] { update(); });
    }
}

LRESULT ListBoxControl::ControlProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case LB_ADDSTRING: {
            const char* text = reinterpret_cast<const char*>(lParam);
            const int index = m_lines.Add(text != nullptr ? text : "");
            update();
            return index;
        }
        case LB_DELETESTRING: {
            const int left = m_lines.Delete(IndexOf(wParam));
            m_nCaret = std::min(m_nCaret, std::max(m_lines.Count() - 1, 0));
            update();
            return left;
        }
        case LB_RESETCONTENT:
            m_lines.Reset();
            m_nCaret = 0;
            update();
            return 0;
        case LB_GETCOUNT:
            return m_lines.Count();
        case LB_GETTEXT:
            return m_lines.CopyText(IndexOf(wParam), reinterpret_cast<char*>(lParam));
        case LB_GETTEXTLEN:
            return m_lines.TextLength(IndexOf(wParam));
        case LB_SETCURSEL: {
            const int index = m_lines.SetCurSel(IndexOf(wParam));
            if (index >= 0) {
                m_nCaret = index;
                // The selected line is scrolled into view.
                const int top = m_lines.TopIndex();
                if (index < top) {
                    m_lines.SetTopIndex(index, VisibleRows());
                } else if (index >= top + VisibleRows()) {
                    m_lines.SetTopIndex(index - VisibleRows() + 1, VisibleRows());
                }
            }
            update();
            return index;
        }
        case LB_GETCURSEL:
            return m_lines.CurSel();
        case LB_SETSEL: {
            const int result = m_lines.SetSel(wParam != 0, static_cast<int>(lParam));
            update();
            return result;
        }
        case LB_GETSEL:
            return m_lines.IsSelected(IndexOf(wParam));
        case LB_SELITEMRANGEEX: {
            const int result = m_lines.SelectRange(IndexOf(wParam), static_cast<int>(lParam));
            update();
            return result;
        }
        case LB_SETTOPINDEX: {
            const int result = m_lines.SetTopIndex(IndexOf(wParam), VisibleRows());
            update();
            return result;
        }
        case LB_GETTOPINDEX:
            return m_lines.TopIndex();
        case LB_SETHORIZONTALEXTENT:
            m_lines.SetHorizontalExtent(IndexOf(wParam));
            UpdateScrollBar();
            return 0;
        case LB_GETHORIZONTALEXTENT:
            return m_lines.HorizontalExtent();
        case LB_SETITEMHEIGHT:
            return SetItemHeight(lParam);
        case LB_GETITEMHEIGHT:
            return m_nItemHeight;
        case WM_SETREDRAW:
            // Switched back on, the list box repaints what changed meanwhile.
            setUpdatesEnabled(wParam != 0);
            return 0;
        case WM_SETFONT:
            m_hFont = reinterpret_cast<HFONT>(wParam);
            if (lParam != 0) {
                update();
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(m_hFont);
        case WM_LBUTTONDBLCLK:
            Notify(LBN_DBLCLK);
            return 0;
        default:
            return 0;
    }
}

LRESULT ListBoxControl::SetItemHeight(LPARAM lParam) {
    const int height = LOWORD(static_cast<std::uintptr_t>(lParam));
    if (height <= 0 || height > kMaxItemHeight) {
        return LB_ERR;
    }
    m_nItemHeight = height;
    update();
    return 0;
}

RECT ListBoxControl::ItemRect(int index) const {
    const int offset = HorizontalOffset();
    const int top = (index - m_lines.TopIndex()) * m_nItemHeight;
    return RECT{-offset, top, std::max(width(), m_lines.HorizontalExtent()) - offset,
                top + m_nItemHeight};
}

int ListBoxControl::ItemAreaHeight() const {
    return m_pHorizontal != nullptr && m_pHorizontal->isVisible()
               ? height() - m_pHorizontal->height()
               : height();
}

int ListBoxControl::VisibleRows() const {
    return std::max(ItemAreaHeight() / m_nItemHeight, 1);
}

int ListBoxControl::HorizontalOffset() const {
    return m_pHorizontal != nullptr ? m_pHorizontal->value() : 0;
}

int ListBoxControl::ItemAt(int y) const {
    if (y < 0 || y >= ItemAreaHeight()) {
        return -1;
    }
    const int index = m_lines.TopIndex() + y / m_nItemHeight;
    return index < m_lines.Count() ? index : -1;
}

void ListBoxControl::Notify(WORD code) {
    if ((m_style & LBS_NOTIFY) == 0 || parentWidget() == nullptr) {
        return;
    }
    const int id = property(platform::qt::kControlIdProperty).toInt();
    ::SendMessage(parentWidget(), WM_COMMAND, MAKEWPARAM(id, code),
                  reinterpret_cast<LPARAM>(static_cast<QWidget*>(this)));
}

void ListBoxControl::UpdateScrollBar() {
    if (m_pHorizontal == nullptr) {
        return;
    }
    // The lines scroll sideways only as far as the widest line reaches.
    const int room = m_lines.HorizontalExtent() - width();
    const int barHeight = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_pHorizontal->setGeometry(0, height() - barHeight, width(), barHeight);
    m_pHorizontal->setRange(0, std::max(room, 0));
    m_pHorizontal->setPageStep(width());
    m_pHorizontal->setSingleStep(std::max(m_nItemHeight / 2, 1));
    m_pHorizontal->setVisible(room > 0);
    update();
}

void ListBoxControl::paintEvent(QPaintEvent* /*event*/) {
    {
        QPainter erase(this);
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        erase.fillRect(rect(), QColor(GetRValue(window), GetGValue(window), GetBValue(window)));
    }
    auto* owner = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(this));
    if (owner == nullptr) {
        return;  // an owner-drawn list box without its window object shows no lines
    }
    CFont font;  // outlives the surface that selects it
    font.Attach(new QFont(m_hFont != nullptr ? *m_hFont : this->font()));
    CPaintDC dc(owner);
    dc.SelectObject(&font);

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = static_cast<UINT>(property(platform::qt::kControlIdProperty).toInt());
    item.hwndItem = this;
    item.hDC = &dc;
    const UINT disabled = isEnabled() ? 0 : ODS_DISABLED;
    if (m_lines.Count() == 0) {
        if (hasFocus()) {
            item.itemID = -1;
            item.itemAction = ODA_FOCUS;
            item.itemState = ODS_FOCUS | disabled;
            item.rcItem = ItemRect(m_lines.TopIndex());
            ::SendMessage(this, OCM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
        return;
    }
    for (int i = m_lines.TopIndex(); i < m_lines.Count(); ++i) {
        const RECT rect = ItemRect(i);
        if (rect.top >= ItemAreaHeight()) {
            break;
        }
        item.itemID = i;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (m_lines.IsSelected(i) > 0 ? ODS_SELECTED : 0) |
                         (hasFocus() && i == m_nCaret ? ODS_FOCUS : 0) | disabled;
        item.rcItem = rect;
        ::SendMessage(this, OCM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void ListBoxControl::resizeEvent(QResizeEvent* /*event*/) {
    UpdateScrollBar();
}

void ListBoxControl::mousePressEvent(QMouseEvent* event) {
    const int index = ItemAt(event->position().toPoint().y());
    if (event->button() != Qt::LeftButton || index < 0) {
        return;
    }
    if (m_lines.MultipleSelection()) {
        m_lines.SetSel(m_lines.IsSelected(index) == 0, index);
    } else {
        m_lines.SetCurSel(index);
    }
    m_nCaret = index;
    update();
    Notify(LBN_SELCHANGE);
}

void ListBoxControl::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    ::SendMessage(this, WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x(), at.y()));
}

void ListBoxControl::contextMenuEvent(QContextMenuEvent* event) {
    ::SendMessage(this, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(static_cast<QWidget*>(this)),
                  MAKELPARAM(event->globalPos().x(), event->globalPos().y()));
}

void ListBoxControl::focusInEvent(QFocusEvent* /*event*/) {
    update();
}

void ListBoxControl::focusOutEvent(QFocusEvent* /*event*/) {
    update();
}
