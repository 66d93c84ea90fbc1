// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "mainwindow.h"

#include "page.h"

#include <string>

namespace {

std::string Utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        s += static_cast<char>(0xF0 | c >> 18);
        s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string Joined(const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items)
        text += item + '\n';
    return text;
}

} // namespace

MainWindow::MainWindow()
{
    // What the window's Load does: the walk starts fresh (the page shows it
    // so already).
    ResetWalk();
    page::Start();
}

void MainWindow::List1_Press(int index, int row)
{
    if (row >= 0 && row < walk_.List1[index].ListCount())
        Choose(index, row);
}

void MainWindow::List1_Key(int index, form::ListKey key, int caret, int page)
{
    if (const int row = form::KeyRow(key, State(index, caret, page)); row >= 0)
        Choose(index, row);
}

void MainWindow::List1_Typed(int index, char32_t character, int caret)
{
    if (const int row = form::TypedRow(walk_.List1[index].Items(), Utf8(character), State(index, caret, 1)); row >= 0)
        Choose(index, row);
}

form::ListState MainWindow::State(int index, int caret, int page) const
{
    const walk::ItemList &list = walk_.List1[index];
    return {list.ListCount(), caret, list.ListIndex(), page};
}

// The user's selection of an entry: what a click on a list box is.
void MainWindow::Choose(int index, int row)
{
    walk_.List1[index].Select(row);
    List1_Click(index);
}

void MainWindow::Command1_Click()
{
    ResetWalk();
}

void MainWindow::List1_Click(int index)
{
    walk_.CrossBridge(index);
    ShowWalk();
}

void MainWindow::ResetWalk()
{
    walk_.ResetWalk();
    ShowWalk();
}

// Puts each list on the page in step with the walk. Crossed, which grows at
// its end, shows that end.
void MainWindow::ShowWalk()
{
    for (int i : {walk::kAvailable, walk::kCrossed, walk::kRemaining}) {
        const walk::ItemList &list = walk_.List1[i];
        page::ShowList(i, Joined(list.Items()).c_str(), list.ListIndex(), !list.Sorted());
    }
}
