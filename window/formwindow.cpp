// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "formwindow.h"

namespace form {

namespace {

// The lists the user sees and acts on; the catalogue is hidden.
bool Shown(int index)
{
    return index == walk::kAvailable || index == walk::kCrossed || index == walk::kRemaining;
}

} // namespace

void Window::Load()
{
    ShowList(walk::kCatalogue);
    ResetWalk();
}

void Window::List1_Press(int index, int row)
{
    if (Shown(index) && row >= 0 && row < walk_.List1[index].ListCount())
        Choose(index, row);
}

void Window::List1_Key(int index, ListKey key, int caret, int page)
{
    if (!Shown(index))
        return;
    if (const int row = KeyRow(key, State(index, caret, page)); row >= 0)
        Choose(index, row);
}

void Window::List1_Typed(int index, std::string_view typed, int caret)
{
    if (!Shown(index))
        return;
    if (const int row = TypedRow(walk_.List1[index].Items(), typed, State(index, caret, 1)); row >= 0)
        Choose(index, row);
}

// The list as its keys see it: the focus is where the host's list keeps it.
ListState Window::State(int index, int caret, int page) const
{
    const walk::ItemList &list = walk_.List1[index];
    return {list.ListCount(), caret, list.ListIndex(), page};
}

// The user's selection of an entry, which is what a list's Click reports.
void Window::Choose(int index, int row)
{
    walk_.List1[index].Select(row);
    List1_Click(index);
}

void Window::Command1_Click()
{
    ResetWalk();
}

void Window::List1_Click(int index)
{
    walk_.CrossBridge(index);
    ShowWalk();
}

void Window::ResetWalk()
{
    walk_.ResetWalk();
    ShowWalk();
}

void Window::ShowWalk()
{
    for (int i : {walk::kAvailable, walk::kCrossed, walk::kRemaining})
        ShowList(i);
}

// Refills a list only when its entries changed: a refill moves the list's
// focus and scrolling, which a selection in Crossed or Remaining must keep.
void Window::ShowList(int index)
{
    const walk::ItemList &list = walk_.List1[index];
    if (shown_[index] != list.Items()) {
        shown_[index] = list.Items();
        std::vector<std::string> entries;
        for (const std::string &entry : list.Items())
            entries.push_back(content::ShownEntry(entry, lands_));
        view_.FillList(index, entries, index == walk::kCrossed);
    }
    view_.SelectEntry(index, list.ListIndex());
}

} // namespace form
