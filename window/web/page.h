// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What the window asks of the page, done in page.js; texts go in UTF-8.
#pragma once

namespace page {
extern "C" {

// Shows list index with its items (each ended by a line break) and the
// selected one (-1: none), and the focus on the selected one. When the items
// differ from those shown, refills the list, with the focus on its first
// entry, scrolled to the end when newestInSight.
void ShowList(int index, const char *items, int selected, bool newestInSight);

// Takes the user's input on the controls the page already shows, puts the
// focus on the statement at its first line and takes F1: the window is
// ready.
void Start();
}
} // namespace page
