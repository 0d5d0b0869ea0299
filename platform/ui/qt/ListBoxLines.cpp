#include "platform/ui/qt/ListBoxLines.h"

#include <algorithm>
#include <cstring>

namespace platform::qt {

ListBoxLines::ListBoxLines(bool multipleSelection) : multiple_(multipleSelection) {}

int ListBoxLines::Add(std::string text) {
    if (Count() >= capacity_) {
        return kErrSpace;
    }
    lines_.push_back(std::move(text));
    selected_.push_back(false);
    return Count() - 1;
}

int ListBoxLines::Delete(int index) {
    if (!Valid(index)) {
        return kErr;
    }
    lines_.erase(lines_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (top_ > 0 && top_ >= Count()) {
        top_ = std::max(Count() - 1, 0);
    }
    return Count();
}

void ListBoxLines::Reset() {
    lines_.clear();
    selected_.clear();
    top_ = 0;
}

int ListBoxLines::TextLength(int index) const {
    return Valid(index) ? static_cast<int>(lines_[index].size()) : kErr;
}

int ListBoxLines::CopyText(int index, char* buffer) const {
    if (!Valid(index) || buffer == nullptr) {
        return kErr;
    }
    const std::string& line = lines_[index];
    std::memcpy(buffer, line.c_str(), line.size() + 1);
    return static_cast<int>(line.size());
}

int ListBoxLines::SetCurSel(int index) {
    if (multiple_) {
        return kErr;
    }
    std::fill(selected_.begin(), selected_.end(), false);
    if (!Valid(index)) {
        return kErr;  // -1 clears the selection and answers kErr as well
    }
    selected_[index] = true;
    return index;
}

int ListBoxLines::CurSel() const {
    if (multiple_) {
        return kErr;
    }
    auto it = std::find(selected_.begin(), selected_.end(), true);
    return it == selected_.end() ? kErr : static_cast<int>(it - selected_.begin());
}

int ListBoxLines::IsSelected(int index) const {
    if (!Valid(index)) {
        return kErr;
    }
    return selected_[index] ? 1 : 0;
}

int ListBoxLines::SelectRange(int first, int last) {
    if (!multiple_) {
        return kErr;
    }
    const bool select = first <= last;
    const int lo = std::max(std::min(first, last), 0);
    const int hi = std::min(std::max(first, last), Count() - 1);
    for (int i = lo; i <= hi; ++i) {
        selected_[i] = select;
    }
    return 0;
}

int ListBoxLines::SetTopIndex(int index, int visibleRows) {
    if (!Valid(index)) {
        return kErr;
    }
    const int lastTop = std::max(Count() - std::max(visibleRows, 1), 0);
    top_ = std::min(index, lastTop);
    return 0;
}

}  // namespace platform::qt
