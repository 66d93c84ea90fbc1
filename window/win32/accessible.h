// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What a screen reader hears of a standard control, where the system's own
// proxy for it cannot know: its name (a text box has no label before it),
// its description (the map's), its role (a label that heads the window).
// Everything else, a list's entries and states among it, stays the proxy's.
// NVDA reads it through MSAA, Narrator through UI Automation's proxy for
// MSAA.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace accessible {

// What a control is to a screen reader.
struct Told
{
    std::wstring name, description;
    LONG role;               // ROLE_SYSTEM_...
    const wchar_t *tag;      // or, where MSAA has no role for it, the element's name as HTML has it ("h1")
};

// The answer to a WM_GETOBJECT sent to control: for its client object, an
// object that tells what told says; for anything else, 0, which leaves it
// to the system.
LRESULT Answer(HWND control, WPARAM wParam, LPARAM lParam, const Told &told);

} // namespace accessible
