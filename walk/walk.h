// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The bridge walk: four item lists and the two rules that change them.
//
// The lists are the walk's whole state; there is no counter or current-land
// variable beside them. To play: construct, call ResetWalk(), then for each
// move select an item of Available (List1[kAvailable].Select(i)) and call
// CrossBridge(kAvailable).
#pragma once

#include "itemlist.h"

#include <array>

namespace walk {

// Index of each list in List1, which is also its role.
enum ListRole : int {
    kAvailable = 0, // may be crossed next (sorted)
    kCrossed = 1,   // crossed so far, oldest first
    kRemaining = 2, // bridges not yet crossed that start elsewhere (sorted)
    kCatalogue = 3, // the fixed source of every reset, never changed
};

struct Walk
{
    // The catalogue is filled here; the other lists stay empty until ResetWalk.
    Walk();

    // Empties Available, Crossed and Remaining, then copies the catalogue into
    // Available, which sorts it.
    void ResetWalk();

    // Crosses the entry selected in Available and regroups the lists around
    // the land it leads to. Does nothing for any other list, nor when nothing
    // is selected in Available.
    void CrossBridge(int index);

    std::array<ItemList, 4> List1{ItemList(true), ItemList(false), ItemList(true), ItemList(false)};
};

} // namespace walk
