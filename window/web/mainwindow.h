// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The one window in a browser: the map, the three lists of the walk, the
// Clear button and the problem statement. The page already shows them, as
// makewindow.cpp built them from form.h; the page (page.js) hands the
// user's presses, taps and keys to the handlers here, and the walk's lists
// go back to it after every event.
#pragma once

#include "form.h"
#include "listkeys.h"
#include "walk.h"

#include <array>

class MainWindow
{
public:
    // Starts the walk afresh, as the page shows it, and takes the input.
    MainWindow();

    // A press of the primary button, or a tap, on entry row of list index.
    void List1_Press(int index, int row);
    // A key that selects in a list; page is how many entries are in sight.
    void List1_Key(int index, form::ListKey key, int page);
    // A character typed in a list, as a Unicode code point.
    void List1_Typed(int index, char32_t character);
    void Command1_Click();

private:
    form::ListState State(int index, int page) const;
    void Choose(int index, int row);
    void List1_Click(int index);
    void ResetWalk();
    void ShowWalk();

    // The entry the focus rests on in each list, as a list box keeps it: the
    // entry last chosen, the first again once the list is refilled.
    std::array<int, 4> caret_{};
    walk::Walk walk_;
};
