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

class MainWindow
{
public:
    // Starts the walk afresh, as the page shows it, and takes the input.
    MainWindow();

    // A press of the primary button, or a tap, on entry row of list index.
    void List1_Press(int index, int row);
    // A key that selects in a list whose focus rests on entry caret; page
    // is how many entries are in sight.
    void List1_Key(int index, form::ListKey key, int caret, int page);
    // A character typed in a list, as a Unicode code point.
    void List1_Typed(int index, char32_t character, int caret);
    void Command1_Click();

private:
    form::ListState State(int index, int caret, int page) const;
    void Choose(int index, int row);
    void List1_Click(int index);
    void ResetWalk();
    void ShowWalk();

    walk::Walk walk_;
};
