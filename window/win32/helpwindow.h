// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The help window that F1 opens: how to play, what an entry means, the keys,
// and why no walk crosses all seven bridges.
#pragma once

#include "content/texts.h"

#include <windows.h>

// Registers the help window's class; false when Windows refused.
bool RegisterHelpWindow(HINSTANCE instance);

// A window of its own beside the main window (its owner), in the window's
// language, hidden until shown; Escape (handled by the main window) or its
// close box hides it. It reads nothing of the walk and changes nothing in it.
HWND CreateHelpWindow(HINSTANCE instance, HWND owner, const content::Texts &texts);
