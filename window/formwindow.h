// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What the window does, free of any toolkit: it owns the walk, runs the
// window's procedures (Load, List1_Click, Command1_Click, ResetWalk,
// ShowWalk) and takes the user's input as a few calls. Each host (qt/,
// win32/, web/) creates the controls of form.h, turns its platform's events
// into these calls, and shows the lists through form::View.
//
// To drive it: construct it with the host's view and how the chosen
// language writes the lands (content::Texts::lands), call Load() before the
// window first shows, then pass on each press, key, typed character and
// Clear. Which press is one (not a release, a drag, a double-click's second
// press or a swipe) is the host's to decide: only it knows its platform.
#pragma once

#include "content/texts.h"
#include "listkeys.h"
#include "walk.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace form {

// How a host shows the walk's lists. A list's index is its index in List1,
// which is its role in the walk (walk::ListRole).
class View
{
public:
    // Replaces the entries of list index, as the chosen language writes
    // them (content::ShownEntry); its focus then rests on its first
    // entry, as in a list box refilled. A list that follows its end (Crossed,
    // whose newest entry says where the walker stands) shows its last entry.
    virtual void FillList(int index, const std::vector<std::string> &entries, bool followsEnd) = 0;

    // Selects entry row of list index, or none for -1; the focus of a list
    // rests on its selected entry. Called after every event that shows.
    virtual void SelectEntry(int index, int row) = 0;

protected:
    ~View() = default;
};

class Window
{
public:
    Window(View &view, const content::Lands &lands) : view_(view), lands_(lands) {}

    // What the window does before it first shows: the hidden catalogue
    // filled, the walk started afresh, every list shown.
    void Load();

    // A press of the primary button, or a tap, on entry row of list index.
    // A press below the last entry (row outside the list) does nothing.
    void List1_Press(int index, int row);
    // A key in list index, whose focus rests on entry caret and which shows
    // page entries at a time.
    void List1_Key(int index, ListKey key, int caret, int page);
    // A character typed in list index (UTF-8), whose focus rests on entry caret.
    void List1_Typed(int index, std::string_view typed, int caret);
    // Clear, pressed by the mouse, a tap or a key.
    void Command1_Click();

    const walk::Walk &Walk() const { return walk_; }

private:
    ListState State(int index, int caret, int page) const;
    void Choose(int index, int row);
    void List1_Click(int index);
    void ResetWalk();
    void ShowWalk();
    void ShowList(int index);

    View &view_;
    const content::Lands lands_;
    walk::Walk walk_;
    std::array<std::vector<std::string>, 4> shown_; // the entries view_ shows, so that it refills only what changed
};

} // namespace form
