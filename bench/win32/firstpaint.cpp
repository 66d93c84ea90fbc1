// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Measures, for bench/win32/run.sh:
//   kelvani-bench kelvani    Kelvani's window, started as main.cpp starts it
//   kelvani-bench bare       a bare Win32 window of the same size with one
//                            list box
//   kelvani-bench bare-text  the same, its list box holding one entry
// Each prints the milliseconds from KELVANI_T0 (nanoseconds since the epoch,
// taken just before the process was started) to the end of its first paint,
// when the window and all its controls have painted, then quits.

#include "content/languages.h"
#include "mainwindow.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A window of Kelvani's size and style with one list box where Available is.
bool ShowBare(HINSTANCE instance, bool withEntry)
{
    WNDCLASSEXW bare{sizeof bare};
    bare.lpfnWndProc = BareProc;
    bare.hInstance = instance;
    bare.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    bare.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    bare.lpszClassName = L"Bare";
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 481, 424};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND window = RegisterClassExW(&bare) ? CreateWindowExW(0, L"Bare", L"Bare", style, CW_USEDEFAULT,
        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr) : nullptr;
    if (!window)
        return false;
    const HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTBOXW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                                      16, 160, 81, 118, window, nullptr, instance, nullptr);
    if (withEntry)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"1 АБ"));
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command, int)
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const std::wstring mode = command;
    MainWindow kelvani(content::Languages()[0]);
    if (!(mode == L"kelvani" ? kelvani.Create(instance, SW_SHOWNORMAL) : mode.starts_with(L"bare") && ShowBare(instance, mode == L"bare-text")))
        return 2;
    // The first paint is over when no message, and so no paint, is waiting.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    GdiFlush();
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    // In 100 ns since 1601; the epoch is 11644473600 s later.
    const long long ticks = static_cast<long long>(now.dwHighDateTime) << 32 | now.dwLowDateTime;
    const long long sinceEpoch = (ticks - 116444736000000000LL) * 100;
    const char *t0 = std::getenv("KELVANI_T0");
    std::printf("first paint %.1f ms\n", (sinceEpoch - (t0 ? std::atoll(t0) : 0)) / 1e6);
    return 0;
}
