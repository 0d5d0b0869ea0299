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
#include "platform/ui/UiTestAccess.h"
#include "platform/ui/qt/DialogTemplate.h"

namespace platform::qt {

namespace {

// The largest line height a list box takes.
constexpr int kMaxItemHeight = 255;

}  // namespace

QWidget* CreateListBoxControl(const ControlTemplate& control, QWidget* dialog) {
    return new ListBoxControl(control.style, dialog);
}

ListBoxControl::ListBoxControl(DWORD style, QWidget* parent)
    : QWidget(parent),
      lines_((style & LBS_EXTENDEDSEL) != 0),
      itemHeight_(QFontMetrics(font()).height()) {
    if ((style & WS_HSCROLL) != 0) {
        horizontal_ = new QScrollBar(Qt::Horizontal, this);
        horizontal_->hide();
        connect(horizontal_, &QScrollBar::valueChanged, this, [this] { update(); });
    }
}

LRESULT ListBoxControl::ControlProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case LB_ADDSTRING: {
            const char* text = reinterpret_cast<const char*>(lParam);
            const int index = lines_.Add(text != nullptr ? text : "");
            update();
            return index;
        }
        case LB_DELETESTRING: {
            const int left = lines_.Delete(IndexParameter(wParam));
            caret_ = std::min(caret_, std::max(lines_.Count() - 1, 0));
            update();
            return left;
        }
        case LB_RESETCONTENT:
            lines_.Reset();
            caret_ = 0;
            update();
            return 0;
        case LB_GETCOUNT:
            return lines_.Count();
        case LB_GETTEXT:
            return lines_.CopyText(IndexParameter(wParam), reinterpret_cast<char*>(lParam));
        case LB_GETTEXTLEN:
            return lines_.TextLength(IndexParameter(wParam));
        case LB_SETCURSEL: {
            const int index = lines_.SetCurSel(IndexParameter(wParam));
            if (index >= 0) {
                caret_ = index;
            }
            update();
            return index;
        }
        case LB_GETCURSEL:
            return lines_.CurSel();
        case LB_GETSEL:
            return lines_.IsSelected(IndexParameter(wParam));
        case LB_SELITEMRANGEEX: {
            const int result = lines_.SelectRange(IndexParameter(wParam), static_cast<int>(lParam));
            update();
            return result;
        }
        case LB_SETTOPINDEX: {
            const int result = lines_.SetTopIndex(IndexParameter(wParam), VisibleRows());
            update();
            return result;
        }
        case LB_GETTOPINDEX:
            return lines_.TopIndex();
        case LB_SETHORIZONTALEXTENT:
            lines_.SetHorizontalExtent(IndexParameter(wParam));
            UpdateScrollBar();
            return 0;
        case LB_GETHORIZONTALEXTENT:
            return lines_.HorizontalExtent();
        case LB_SETITEMHEIGHT:
            return SetItemHeight(lParam);
        case LB_GETITEMHEIGHT:
            return itemHeight_;
        case WM_SETREDRAW:
            // Switched back on, the list box repaints what changed meanwhile.
            setUpdatesEnabled(wParam != 0);
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (lParam != 0) {
                update();
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        default:
            return 0;
    }
}

LRESULT ListBoxControl::SetItemHeight(LPARAM lParam) {
    const int height = LOWORD(static_cast<std::uintptr_t>(lParam));
    if (height <= 0 || height > kMaxItemHeight) {
        return LB_ERR;
    }
    itemHeight_ = height;
    update();
    return 0;
}

RECT ListBoxControl::ItemRect(int index) const {
    const int offset = HorizontalOffset();
    const int top = (index - lines_.TopIndex()) * itemHeight_;
    return RECT{-offset, top, std::max(width(), lines_.HorizontalExtent()) - offset,
                top + itemHeight_};
}

int ListBoxControl::ItemAreaHeight() const {
    return horizontal_ != nullptr && horizontal_->isVisible() ? height() - horizontal_->height()
                                                              : height();
}

int ListBoxControl::VisibleRows() const {
    return std::max(ItemAreaHeight() / itemHeight_, 1);
}

int ListBoxControl::HorizontalOffset() const {
    return horizontal_ != nullptr ? horizontal_->value() : 0;
}

void ListBoxControl::UpdateScrollBar() {
    if (horizontal_ == nullptr) {
        return;
    }
    // The lines scroll sideways only as far as the widest line reaches.
    const int room = lines_.HorizontalExtent() - width();
    const int barHeight = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    horizontal_->setGeometry(0, height() - barHeight, width(), barHeight);
    horizontal_->setRange(0, std::max(room, 0));
    horizontal_->setPageStep(width());
    horizontal_->setSingleStep(std::max(itemHeight_ / 2, 1));
    horizontal_->setVisible(room > 0);
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
    font.Attach(new QFont(font_ != nullptr ? *font_ : this->font()));
    CPaintDC dc(owner);
    dc.SelectObject(&font);

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.CtlID = static_cast<UINT>(property(kControlIdProperty).toInt());
    item.hwndItem = this;
    item.hDC = &dc;
    const UINT disabled = isEnabled() ? 0 : ODS_DISABLED;
    if (lines_.Count() == 0) {
        if (hasFocus()) {
            item.itemID = -1;
            item.itemAction = ODA_FOCUS;
            item.itemState = ODS_FOCUS | disabled;
            item.rcItem = ItemRect(lines_.TopIndex());
            ::SendMessage(this, OCM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
        }
        return;
    }
    for (int i = lines_.TopIndex(); i < lines_.Count(); ++i) {
        const RECT rect = ItemRect(i);
        if (rect.top >= ItemAreaHeight()) {
            break;
        }
        item.itemID = i;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (lines_.IsSelected(i) > 0 ? ODS_SELECTED : 0) |
                         (hasFocus() && i == caret_ ? ODS_FOCUS : 0) | disabled;
        item.rcItem = rect;
        ::SendMessage(this, OCM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void ListBoxControl::resizeEvent(QResizeEvent* /*event*/) {
    UpdateScrollBar();
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

}  // namespace platform::qt

void platform::testing::UiTestAccess::SetCapacity(qt::ListBoxControl& control, int capacity) {
    control.lines_.capacity_ = std::max(capacity, 0);
}
