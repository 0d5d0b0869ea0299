// The phase strip for assistive technology: an invisible view over the phase window's client
// area that exposes the cells the window paints as a list of four items, each named by its
// three lines ("Full Moon, Dec 24, 2:29") and described by the hemisphere of its picture, in
// strip order. The window hands it every strip it paints; when the cells change, the change is
// announced. A black strip exposes no cells. The view shows itself once the window has painted.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "phase/strip/PhaseStrip.h"

namespace phase {

class StripView : public QWidget {
    Q_OBJECT

public:
    // Covers the client area of window, drawing nothing and taking no input.
    explicit StripView(QWidget* window);
    ~StripView() override;

    // The strip as painted now.
    void Show(const strip::Strip& shown, bool south);

    int Count() const { return count_; }
    QString Name(int cell) const;
    QString Description() const;
    // The cell's place in the view's coordinates.
    QRect CellRect(int cell) const;
    // The registered accessible interface of a cell (QAccessible::accessibleInterface).
    unsigned CellId(int cell) const { return cellIds_[static_cast<std::size_t>(cell)]; }

private:
    int count_ = 0;
    bool south_ = false;
    std::array<std::string, strip::kCells> names_;
    std::array<unsigned, strip::kCells> cellIds_{};  // the cells' accessible interfaces
};

}  // namespace phase
