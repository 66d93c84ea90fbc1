// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What the window asks of the page, done in page.js: texts go in UTF-8.
#pragma once

namespace page {
extern "C" {

// The window: the page's title and the window's size in CSS pixels and
// colour (0xRRGGBB).
void CreateWindow(const char *caption, int width, int height, int colour);

// One control, of kind form::Kind, at a place in CSS pixels; colour is
// 0xRRGGBB, or -1 for the platform's own colours. name is what screen
// readers call it (a list: its caption's text), description what they
// read of it beyond that.
void CreateControl(int kind, const char *control, int index, int left, int top, int width, int height, bool shown,
                   int colour, const char *text, const char *name, const char *description);

// Shows list index with its items (each ended by a line break), the
// selected one (-1: none) and the one the focus rests on. When the items
// differ from those shown, refills the list, with the focus on its first
// entry, scrolled to the end when newestInSight; returns whether it did.
bool ShowList(int index, const char *items, int selected, int caret, bool newestInSight);

// Puts the focus on the statement at its first line, fits the window to
// the screen and takes F1: the window is ready.
void Start();
}
} // namespace page
