// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What both windows of the Win32 host need: texts in UTF-16, the controls'
// font, and the density of the screen a window is on.
#pragma once

#include "form.h"
#include "resources.h"

#include <windows.h>

#include <string>
#include <string_view>

// UTF-8, as the walk and the window's content hold their texts, to the
// UTF-16 of the Win32 API, with every line break as CR LF.
inline std::wstring Wide(std::string_view utf8)
{
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
    std::wstring text;
    for (const wchar_t c : wide) {
        if (c == L'\n')
            text += L'\r';
        text += c;
    }
    return text;
}

// UTF-16 back to UTF-8, for a typed character (a lone surrogate becomes
// U+FFFD, which starts no entry).
inline std::string Narrow(std::wstring_view wide)
{
    const int size = static_cast<int>(wide.size());
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

// The font of every control for a density of dpi dots per inch. Asking for
// the roman family lets a system without Times New Roman choose a serif.
inline HFONT CreateControlFont(UINT dpi)
{
    return CreateFontW(-MulDiv(form::kFont.points, static_cast<int>(dpi), 72), 0, 0, 0, form::kFont.weight, FALSE,
                       FALSE, FALSE, form::kFont.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_ROMAN, Wide(form::kFont.face).c_str());
}

// Windows 10 and later place each window at the density of its screen; older
// versions, which lack these calls, have one density for every window.
template <typename Function> Function User32(const char *name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"user32"), name)));
}

inline UINT WindowDpi(HWND hwnd)
{
    static const auto getDpi = User32<UINT(WINAPI *)(HWND)>("GetDpiForWindow");
    if (getDpi)
        return getDpi(hwnd);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

// Sizes a window of the given style around an inside of rect's size.
inline void AdjustFrame(RECT &rect, DWORD style, UINT dpi)
{
    static const auto adjust = User32<BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (adjust)
        adjust(&rect, style, FALSE, 0, dpi);
    else
        AdjustWindowRectEx(&rect, style, FALSE, 0);
}

// The program's icon in the size a system metric names (SM_CXICON, SM_CXSMICON).
inline HICON LoadKelvaniIcon(HINSTANCE instance, int metric)
{
    const int size = GetSystemMetrics(metric);
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(KELVANI_ICON), IMAGE_ICON, size, size, 0));
}
