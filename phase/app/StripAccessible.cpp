#include "phase/app/StripAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

#include "platform/ui/FirstPaint.h"

namespace phase {

namespace {

// The strip's geometry as the window paints it: a cell a picture and three lines of text.
constexpr int kCellPitch = 130;
constexpr int kCellWidth = 120;
constexpr int kCellHeight = 165;

class CellAccessible : public QAccessibleInterface {
public:
    CellAccessible(StripView* view, int index) : view_(view), index_(index) {}

    bool isValid() const override { return !view_.isNull() && index_ < view_->Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return view_.isNull() ? nullptr : view_->window()->windowHandle();
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return view_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) {
            return QString();
        }
        switch (t) {
            case QAccessible::Name:
                return view_->Name(index_);
            case QAccessible::Description:
                return view_->Description();
            default:
                return QString();
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (view_.isNull()) {
            return QRect();
        }
        const QRect local = view_->CellRect(index_);
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid() || !view_->isVisible();
        return state;
    }

private:
    QPointer<StripView> view_;
    int index_;
};

class StripViewAccessible : public QAccessibleWidget {
public:
    explicit StripViewAccessible(StripView* view)
        : QAccessibleWidget(view, QAccessible::List, QStringLiteral("Upcoming phases")) {}

    int childCount() const override { return View()->Count(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < View()->Count() ? Cell(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < View()->Count(); ++i) {
            if (Cell(i) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < View()->Count(); ++i) {
            if (Cell(i)->rect().contains(x, y)) {
                return Cell(i);
            }
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return View()->Description();
        }
        return QAccessibleWidget::text(t);
    }

private:
    QAccessibleInterface* Cell(int index) const {
        return QAccessible::accessibleInterface(View()->CellId(index));
    }
    StripView* View() const { return static_cast<StripView*>(widget()); }
};

QAccessibleInterface* StripViewFactory(const QString& /*className*/, QObject* object) {
    if (auto* view = qobject_cast<StripView*>(object)) {
        return new StripViewAccessible(view);
    }
    return nullptr;
}

}  // namespace

StripView::StripView(QWidget* window) : QWidget(window) {
    static const bool installed = [] {
        QAccessible::installFactory(StripViewFactory);
        return true;
    }();
    (void)installed;
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(window->rect());
    for (int i = 0; i < strip::kCells; ++i) {
        cellIds_[static_cast<std::size_t>(i)] =
            QAccessible::registerAccessibleInterface(new CellAccessible(this, i));
    }
    // Showing the view is the window's first news for assistive technology, which starts the
    // bridge to it (a session-bus connection): not before the window is up and painted. Until
    // then it stays hidden, rather than showing with its window.
    hide();
    platform::AfterFirstPaint(window, this, [this] {
        // Nothing of it is drawn: showing it must not repaint the window.
        setUpdatesEnabled(false);
        show();
    });
}

StripView::~StripView() {
    for (const unsigned id : cellIds_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

QString StripView::Name(int cell) const {
    if (cell < 0 || cell >= count_) {
        return QString();
    }
    return QString::fromStdString(names_[static_cast<std::size_t>(cell)]);
}

QString StripView::Description() const {
    return QString::fromLatin1(strip::PictureHemisphere(south_));
}

QRect StripView::CellRect(int cell) const {
    // The last picture reaches past the client area's right edge.
    return QRect(kCellPitch * cell, 0, kCellWidth, kCellHeight).intersected(rect());
}

void StripView::Show(const strip::Strip& shown, bool south) {
    std::array<std::string, strip::kCells> names;
    for (int i = 0; i < shown.count; ++i) {
        names[static_cast<std::size_t>(i)] =
            strip::SpokenName(shown.cells[static_cast<std::size_t>(i)]);
    }
    if (shown.count == count_ && names == names_ && south == south_) {
        return;
    }
    const int before = count_;
    const std::array<std::string, strip::kCells> oldNames = names_;
    // Nobody has been told of the cells of a view not yet shown, and asking whether anyone
    // listens would start the bridge to assistive technology before its time.
    const bool announce = isVisible() && QAccessible::isActive();
    auto cell = [this](int i) { return QAccessible::accessibleInterface(CellId(i)); };
    // Cells that go are announced while they still stand; cells that come once they stand.
    for (int i = shown.count; announce && i < before; ++i) {
        QAccessibleEvent gone(cell(i), QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
    }
    count_ = shown.count;
    south_ = south;
    names_ = names;
    for (int i = 0; announce && i < count_; ++i) {
        if (i >= before) {
            QAccessibleEvent created(cell(i), QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&created);
        } else if (names_[static_cast<std::size_t>(i)] != oldNames[static_cast<std::size_t>(i)]) {
            QAccessibleEvent renamed(cell(i), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

}  // namespace phase
