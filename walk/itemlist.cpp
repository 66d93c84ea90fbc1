// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "itemlist.h"

#include "entry.h"

#include <algorithm>
#include <stdexcept>

namespace walk {

void ItemList::Clear()
{
    items_.clear();
    selected_ = -1;
}

void ItemList::AddItem(std::string text)
{
    auto place = sorted_ ? std::upper_bound(items_.begin(), items_.end(), text, EntryLess)
                         : items_.end();
    const int index = static_cast<int>(place - items_.begin());
    items_.insert(place, std::move(text));
    if (selected_ >= index)
        ++selected_;
}

void ItemList::RemoveItem(int index)
{
    CheckIndex(index, "RemoveItem");
    items_.erase(items_.begin() + index);
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
}

const std::string &ItemList::List(int index) const
{
    CheckIndex(index, "List");
    return items_[static_cast<std::size_t>(index)];
}

void ItemList::Select(int index)
{
    if (index != -1)
        CheckIndex(index, "Select");
    selected_ = index;
}

void ItemList::CheckIndex(int index, const char *operation) const
{
    if (index < 0 || index >= ListCount())
        throw std::out_of_range(std::string(operation) + ": index " + std::to_string(index)
                                + " outside a list of " + std::to_string(ListCount()) + " items");
}

} // namespace walk
