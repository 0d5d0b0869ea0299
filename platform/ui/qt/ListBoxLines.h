// The contents of a list box without its window: the stored lines, a bounded capacity, the
// selection, the top line and the horizontal extent, answering as the list box messages do.
#pragma once

#include <string>
#include <vector>

#include "platform/Win32Types.h"

class ListBoxLines {
public:
    static constexpr int kDefaultCapacity = 32767;
    static constexpr int kErr = -1;       // LB_ERR
    static constexpr int kErrSpace = -2;  // LB_ERRSPACE

    explicit ListBoxLines(bool multipleSelection = false);

    // Lines beyond the capacity are refused with kErrSpace; lowering it keeps existing lines.
    void SetCapacity(int capacity);
    int Capacity() const { return m_capacity; }

    int Add(std::string text);  // new index, or kErrSpace
    int Delete(int index);      // lines left, or kErr
    void Reset();
    int Count() const { return static_cast<int>(m_lines.size()); }
    int TextLength(int index) const;  // or kErr
    // Copies the line and its terminator into buffer; the length, or kErr.
    int CopyText(int index, char* buffer) const;
    const std::string* Text(int index) const;

    // Single selection: index -1 clears it. Multiple selection refuses this (kErr).
    int SetCurSel(int index);
    int CurSel() const;
    int IsSelected(int index) const;  // 1, 0 or kErr
    // Multiple selection only: selects first..last, or deselects last..first when last < first.
    int SelectRange(int first, int last);
    int SetSel(bool select, int index);  // multiple selection only; index -1 means all
    bool MultipleSelection() const { return m_multiple; }

    // The first line shown; pulled back so that the last page is full when it can be.
    int SetTopIndex(int index, int visibleRows);
    int TopIndex() const { return m_top; }

    void SetHorizontalExtent(int extent) { m_extent = extent < 0 ? 0 : extent; }
    int HorizontalExtent() const { return m_extent; }

private:
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    bool m_multiple;
    int m_capacity = kDefaultCapacity;
    std::vector<std::string> m_lines;
    std::vector<bool> m_selected;  // one flag per line
    int m_top = 0;
    int m_extent = 0;
};
