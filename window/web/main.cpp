// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The page's entry points: main() builds the window; the page calls the
// On... functions for the user's input.
#include "mainwindow.h"

#include <emscripten.h>

namespace {

MainWindow *window = nullptr;

bool Shown(int index)
{
    return window && (index == walk::kAvailable || index == walk::kCrossed || index == walk::kRemaining);
}

} // namespace

int main()
{
    window = new MainWindow; // lives as long as the page
    return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void OnListPress(int index, int row)
{
    if (Shown(index))
        window->List1_Press(index, row);
}

EMSCRIPTEN_KEEPALIVE void OnListKey(int index, int key, int caret, int page)
{
    if (Shown(index) && key >= 0 && key <= static_cast<int>(form::ListKey::Space))
        window->List1_Key(index, static_cast<form::ListKey>(key), caret, page);
}

EMSCRIPTEN_KEEPALIVE void OnListTyped(int index, int character, int caret)
{
    if (Shown(index) && character > 0)
        window->List1_Typed(index, static_cast<char32_t>(character), caret);
}

EMSCRIPTEN_KEEPALIVE void OnClear()
{
    if (window)
        window->Command1_Click();
}
}
