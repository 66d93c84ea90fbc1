// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// An item list: the list box that holds one part of the walk's state.
#pragma once

#include <string>
#include <vector>

namespace walk {

// An ordered list of texts indexed from 0. A sorted list keeps its texts in
// entry order on every AddItem; an unsorted one appends. The selected index
// follows its item as other items come and go, and falls to -1 when that
// item is removed, as a list box's selection does.
//
// An index outside the list passed to RemoveItem, List or Select is a
// programming error: it throws std::out_of_range instead of touching memory
// that is not there.
class ItemList
{
public:
    explicit ItemList(bool sorted) : sorted_(sorted) {}

    bool Sorted() const { return sorted_; }
    void Clear();
    void AddItem(std::string text);
    void RemoveItem(int index);
    const std::string &List(int index) const;
    int ListCount() const { return static_cast<int>(items_.size()); }
    int ListIndex() const { return selected_; }
    const std::vector<std::string> &Items() const { return items_; }

    // What the user's selection does: -1 selects nothing.
    void Select(int index);

private:
    void CheckIndex(int index, const char *operation) const;

    bool sorted_;
    std::vector<std::string> items_;
    int selected_ = -1;
};

} // namespace walk
