#include "platform/ui/qt/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <string>
#include <vector>

#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/ListBoxControl.h"
#include "platform/ui/qt/ListBoxLines.h"
#include "platform/ui/qt/StandardControls.h"

namespace platform::qt {

namespace {

class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(QWidget* window)
        : QAccessibleWidget(window, window->parentWidget() == nullptr ? QAccessible::Window
                                                                      : QAccessible::Dialog) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return widget()->windowTitle();
        }
        return QAccessibleWidget::text(t);
    }
};

class LineAccessible : public QAccessibleInterface {
public:
    LineAccessible(ListBoxControl* list, int index) : list_(list), index_(index) {}

    bool isValid() const override { return !list_.isNull() && index_ < list_->Lines().Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return list_.isNull() ? nullptr : list_->window()->windowHandle();
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return list_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(list_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? SpokenLine(list_->Lines(), index_) : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (list_.isNull()) {
            return QRect();
        }
        const RECT r = list_->LineRect(index_);
        return QRect(list_->mapToGlobal(QPoint(r.left, r.top)),
                     QSize(r.right - r.left, r.bottom - r.top));
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.selectable = true;
        state.selected = isValid() && list_->Lines().IsSelected(index_) > 0;
        state.disabled = !list_.isNull() && !list_->isEnabled();
        return state;
    }

private:
    QPointer<ListBoxControl> list_;
    int index_;
};

class ListBoxAccessible : public QAccessibleWidget {
public:
    explicit ListBoxAccessible(ListBoxControl* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~ListBoxAccessible() override {
        for (const QAccessible::Id id : lines_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return List()->Lines().Count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(lines_.size()) <= index) {
            lines_.push_back(QAccessible::registerAccessibleInterface(
                new LineAccessible(List(), static_cast<int>(lines_.size()))));
        }
        return QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (QAccessible::accessibleInterface(lines_[i]) == child) {
                return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
            }
        }
        return -1;
    }

private:
    ListBoxControl* List() const { return static_cast<ListBoxControl*>(widget()); }

    mutable std::vector<QAccessible::Id> lines_;  // made as readers ask for them
};

QAccessibleInterface* Factory(const QString& /*className*/, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    if (auto* list = dynamic_cast<ListBoxControl*>(object)) {
        return new ListBoxAccessible(list);
    }
    if (auto* picture = dynamic_cast<PictureControl*>(object)) {
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    if (auto* window = dynamic_cast<DialogWindow*>(object)) {
        return new DialogAccessible(window);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QString SpokenLine(const ListBoxLines& lines, int index) {
    const int length = lines.TextLength(index);
    if (length < 0) {
        return QString();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    lines.CopyText(index, text.data());
    text.resize(static_cast<std::size_t>(length));
    QString spoken;
    for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
        if (c.category() != QChar::Other_Control) {
            spoken.append(c);
        }
    }
    return spoken.trimmed();
}

}  // namespace platform::qt
