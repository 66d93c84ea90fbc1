// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What the window asks of the page, done in page.js; texts go in UTF-8.
#pragma once

namespace page {
extern "C" {

// Writes how the page's language writes the four lands, one UTF-8
// character each, into buffer, which holds size bytes.
void Lands(char *buffer, int size);

// Replaces the entries of list index (each ended by a line break), with the
// focus on its first entry; with followsEnd, on its last, scrolled to it.
void FillList(int index, const char *entries, bool followsEnd);

// Selects entry row of list index (-1: none), with the focus on it.
void SelectEntry(int index, int row);

// Takes the user's input on the controls the page already shows, puts the
// focus on the statement at its first line and takes F1: the window is
// ready.
void Start();
}
} // namespace page
