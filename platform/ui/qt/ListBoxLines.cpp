#include "platform/ui/qt/ListBoxLines.h"

#include <algorithm>
#include <cstring>

ListBoxLines::ListBoxLines(bool multipleSelection) : m_multiple(multipleSelection) {}

void ListBoxLines::SetCapacity(int capacity) {
    m_capacity = std::max(capacity, 0);
}

int ListBoxLines::Add(std::string text) {
    if (Count() >= m_capacity) return kErrSpace;
    m_lines.push_back(std::move(text));
    m_selected.push_back(false);
    return Count() - 1;
}

int ListBoxLines::Delete(int index) {
    if (!Valid(index)) return kErr;
    m_lines.erase(m_lines.begin() + index);
    m_selected.erase(m_selected.begin() + index);
    if (m_top > 0 && m_top >= Count()) m_top = std::max(Count() - 1, 0);
    return Count();
}

void ListBoxLines::Reset() {
    m_lines.clear();
    m_selected.clear();
    m_top = 0;
}

int ListBoxLines::TextLength(int index) const {
    return Valid(index) ? static_cast<int>(m_lines[index].size()) : kErr;
}

int ListBoxLines::CopyText(int index, char* buffer) const {
    if (!Valid(index) || buffer == nullptr) return kErr;
    const std::string& line = m_lines[index];
    std::memcpy(buffer, line.c_str(), line.size() + 1);
    return static_cast<int>(line.size());
}

const std::string* ListBoxLines::Text(int index) const {
    return Valid(index) ? &m_lines[index] : nullptr;
}

int ListBoxLines::SetCurSel(int index) {
    if (m_multiple) return kErr;
    std::fill(m_selected.begin(), m_selected.end(), false);
    if (!Valid(index)) return kErr;  // -1 clears the selection and answers kErr as well
    m_selected[index] = true;
    return index;
}

int ListBoxLines::CurSel() const {
    if (m_multiple) return kErr;
    auto it = std::find(m_selected.begin(), m_selected.end(), true);
    return it == m_selected.end() ? kErr : static_cast<int>(it - m_selected.begin());
}

int ListBoxLines::IsSelected(int index) const {
    if (!Valid(index)) return kErr;
    return m_selected[index] ? 1 : 0;
}

int ListBoxLines::SelectRange(int first, int last) {
    if (!m_multiple) return kErr;
    const bool select = first <= last;
    int lo = std::max(std::min(first, last), 0);
    int hi = std::min(std::max(first, last), Count() - 1);
    for (int i = lo; i <= hi; ++i) m_selected[i] = select;
    return 0;
}

int ListBoxLines::SetSel(bool select, int index) {
    if (!m_multiple) return kErr;
    if (index == -1) {
        std::fill(m_selected.begin(), m_selected.end(), select);
        return 0;
    }
    if (!Valid(index)) return kErr;
    m_selected[index] = select;
    return 0;
}

int ListBoxLines::SetTopIndex(int index, int visibleRows) {
    if (!Valid(index)) return kErr;
    int lastTop = std::max(Count() - std::max(visibleRows, 1), 0);
    m_top = std::min(index, lastTop);
    return 0;
}
