// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Which entry of a list a key or a typed character selects, free of any
// toolkit: the rule the window (formwindow.h) applies in every host, in
// place of what each platform's list box would do by itself. Every selection
// in Available crosses a bridge, so each key selects exactly one entry, or
// none.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace form {

enum class ListKey { Up, Down, Home, End, PageUp, PageDown, Space };

// What a list looks like to its keys: how many entries it has, the one the
// focus rests on (any value: it is kept inside the list; after the list was
// refilled, the first), the selected one (-1 for none) and how many entries
// fit in sight.
struct ListState
{
    int count;
    int caret;
    int selected;
    int page;
};

// The entry a key selects, or -1 when it selects nothing: the arrows, Home,
// End, Page Up and Page Down move from the entry the focus rests on, and
// Space takes that entry itself. Moving onto the selected entry (at either
// end of the list) selects nothing again.
inline int KeyRow(ListKey key, ListState list)
{
    if (list.count <= 0)
        return -1;
    const int caret = std::clamp(list.caret, 0, list.count - 1);
    const int step = std::max(list.page, 1) - 1;
    int row = caret;
    switch (key) {
    case ListKey::Up: row = caret - 1; break;
    case ListKey::Down: row = caret + 1; break;
    case ListKey::Home: row = 0; break;
    case ListKey::End: row = list.count - 1; break;
    case ListKey::PageUp: row = caret - step; break;
    case ListKey::PageDown: row = caret + step; break;
    case ListKey::Space: break;
    }
    row = std::clamp(row, 0, list.count - 1);
    return row == list.selected ? -1 : row;
}

// The entry a typed character (UTF-8) selects, or -1: the next one that
// starts with it, from the entry after the focus when that one is selected
// already, else from the focus itself, round to the top. Characters typed in
// quick succession do not add up to one text, as a list box's own search
// would have them: in Available each selection refills the list.
inline int TypedRow(const std::vector<std::string> &items, std::string_view typed, ListState list)
{
    if (items.empty() || typed.empty() || static_cast<unsigned char>(typed[0]) <= ' ')
        return -1;
    const int count = static_cast<int>(items.size());
    const int caret = std::clamp(list.caret, 0, count - 1);
    const int from = list.selected == caret ? caret + 1 : caret;
    for (int k = 0; k < count; ++k) {
        const int row = (from + k) % count;
        if (items[row].starts_with(typed))
            return row == list.selected ? -1 : row;
    }
    return -1;
}

} // namespace form
