// The contents of a list box without its window: the stored lines, a bounded capacity, the
// selection, the top line and the horizontal extent, answering as the list box messages do.
#pragma once

#include <string>
#include <vector>

#include "platform/Win32Types.h"

namespace platform::testing {
class UiTestAccess;
}  // namespace platform::testing

namespace platform::qt {

class ListBoxLines {
public:
    static constexpr int kDefaultCapacity = 32767;
    static constexpr int kErr = -1;       // LB_ERR
    static constexpr int kErrSpace = -2;  // LB_ERRSPACE

    // A list of many selections answers the range selection, and no single selection.
    explicit ListBoxLines(bool multipleSelection = false);

    int Add(std::string text);  // new index, or kErrSpace beyond the capacity
    int Delete(int index);      // lines left, or kErr
    void Reset();
    int Count() const { return static_cast<int>(lines_.size()); }
    int TextLength(int index) const;  // or kErr
    // Copies the line and its terminator into buffer; the length, or kErr.
    int CopyText(int index, char* buffer) const;

    // Single selection: index -1 clears it. Multiple selection refuses this (kErr).
    int SetCurSel(int index);
    int CurSel() const;
    int IsSelected(int index) const;  // 1, 0 or kErr
    // Multiple selection only: selects first..last, or deselects last..first when last < first.
    int SelectRange(int first, int last);

    // The first line shown; pulled back so that the last page is full when it can be.
    int SetTopIndex(int index, int visibleRows);
    int TopIndex() const { return top_; }

    void SetHorizontalExtent(int extent) { extent_ = extent < 0 ? 0 : extent; }
    int HorizontalExtent() const { return extent_; }

private:
    friend class platform::testing::UiTestAccess;

    bool Valid(int index) const { return index >= 0 && index < Count(); }

    bool multiple_;
    int capacity_ = kDefaultCapacity;
    std::vector<std::string> lines_;
    std::vector<bool> selected_;  // one flag per line
    int top_ = 0;
    int extent_ = 0;
};

}  // namespace platform::qt
