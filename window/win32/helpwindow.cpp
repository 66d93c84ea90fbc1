// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "helpwindow.h"

#include "platform.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kHelpClass[] = L"KelvaniHelp";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr int kText = 1; // the id of the window's one control, the text

// The help as plain text: the Markdown without its heading and emphasis
// marks, and with the version in place.
std::wstring PlainHelp(const char *markdown)
{
    std::string help = markdown;
    if (const std::size_t at = help.find("%1"); at != std::string::npos)
        help.replace(at, 2, KELVANI_VERSION);
    std::string plain;
    for (std::size_t at = 0; at < help.size();) {
        if (help.compare(at, 3, "## ") == 0 && (at == 0 || help[at - 1] == '\n'))
            at += 3;
        else if (help.compare(at, 2, "**") == 0)
            at += 2;
        else
            plain += help[at++];
    }
    return Wide(plain);
}

// Sets the text's font for a density, and the window's size, as the
// window's definition gives it.
void Place(HWND help, UINT dpi)
{
    const HWND text = GetDlgItem(help, kText);
    const HFONT font = CreateControlFont(dpi);
    SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    DeleteObject(reinterpret_cast<HFONT>(SetWindowLongPtrW(help, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(font))));
    const int margin = MulDiv(8, static_cast<int>(dpi), 96);
    SendMessageW(text, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
    RECT frame{0, 0, MulDiv(form::kHelpWidth, static_cast<int>(dpi), 96), MulDiv(form::kHelpHeight, static_cast<int>(dpi), 96)};
    AdjustFrame(frame, kStyle, dpi);
    SetWindowPos(help, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK HelpProc(HWND help, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        // A read-only edit rather than static text, so that screen readers
        // and the keyboard can move through it.
        const auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        CreateWindowExW(0, WC_EDITW, PlainHelp(static_cast<const char *>(create->lpCreateParams)).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0, help,
                        reinterpret_cast<HMENU>(kText), create->hInstance, nullptr);
        Place(help, WindowDpi(help));
        return 0;
    }
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(help, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Place(help, HIWORD(wParam));
        return 0;
    }
    case WM_SIZE:
        MoveWindow(GetDlgItem(help, kText), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(GetDlgItem(help, kText));
        return 0;
    case WM_CTLCOLORSTATIC: // a read-only edit's colours: those of a text, not of a dialog
        SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CLOSE: // kept for the next F1, where it was
        ShowWindow(help, SW_HIDE);
        SetActiveWindow(GetWindow(help, GW_OWNER));
        return 0;
    case WM_DESTROY:
        DeleteObject(reinterpret_cast<HFONT>(GetWindowLongPtrW(help, GWLP_USERDATA)));
        return 0;
    }
    return DefWindowProcW(help, message, wParam, lParam);
}

} // namespace

bool RegisterHelpWindow(HINSTANCE instance)
{
    WNDCLASSEXW help{};
    help.cbSize = sizeof help;
    help.lpfnWndProc = HelpProc;
    help.hInstance = instance;
    help.hIcon = LoadKelvaniIcon(instance, SM_CXICON);
    help.hIconSm = LoadKelvaniIcon(instance, SM_CXSMICON);
    help.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    help.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    help.lpszClassName = kHelpClass;
    return RegisterClassExW(&help);
}

HWND CreateHelpWindow(HINSTANCE instance, HWND owner, const content::Texts &texts)
{
    return CreateWindowExW(0, kHelpClass, Wide(texts.helpTitle).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                           owner, nullptr, instance, const_cast<char *>(texts.help));
}
