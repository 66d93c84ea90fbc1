// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "mainwindow.h"

#include "accessible.h"
#include "helpwindow.h"
#include "map.h"
#include "platform.h"
#include "resources.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr wchar_t kWindowClass[] = L"Kelvani";
constexpr wchar_t kMapClass[] = L"KelvaniMap";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

COLORREF Colour(form::Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

// The bitmap's pixels to a 96-dpi pixel: the sharp map for denser screens.
int MapScale(UINT dpi) { return dpi > 96 ? 2 : 1; }

} // namespace

bool MainWindow::Create(HINSTANCE instance, int show)
{
    instance_ = instance;
    background_ = CreateSolidBrush(Colour(form::kWindowColour));
    WNDCLASSEXW window{};
    window.cbSize = sizeof window;
    window.lpfnWndProc = WindowProc;
    window.hInstance = instance;
    // The icon for the caption, the task bar and Alt+Tab.
    window.hIcon = LoadKelvaniIcon(instance, SM_CXICON);
    window.hIconSm = LoadKelvaniIcon(instance, SM_CXSMICON);
    window.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window.hbrBackground = background_;
    window.lpszClassName = kWindowClass;
    WNDCLASSEXW map{};
    map.cbSize = sizeof map;
    map.lpfnWndProc = MapProc;
    map.hInstance = instance;
    map.hCursor = window.hCursor;
    map.lpszClassName = kMapClass;
    if (!RegisterClassExW(&window) || !RegisterClassExW(&map) || !RegisterHelpWindow(instance))
        return false;

    if (!CreateWindowExW(0, kWindowClass, Wide(texts_.caption).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this))
        return false;
    ShowWindow(hwnd_, show);
    UpdateWindow(hwnd_);
    return true;
}

void MainWindow::CreateControls()
{
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Control &control = form::kControls[i];
        DWORD style = WS_CHILD | (control.shown ? WS_VISIBLE : 0);
        DWORD exStyle = 0;
        const wchar_t *windowClass = nullptr;
        switch (control.kind) {
        case form::Kind::TextBox:
            windowClass = WC_EDITW;
            style |= WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case form::Kind::Label:
            windowClass = WC_STATICW;
            style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
            break;
        case form::Kind::ListBox:
            // Not sorted by the list box: it shows the walk's lists as they are.
            windowClass = WC_LISTBOXW;
            style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case form::Kind::PictureBox:
            windowClass = kMapClass;
            exStyle = WS_EX_CLIENTEDGE;
            break;
        case form::Kind::CommandButton:
            // Drawn by the window, so that its colour shows under every theme.
            windowClass = WC_BUTTONW;
            style |= WS_TABSTOP | BS_OWNERDRAW;
            break;
        }
        const char *utf8 = form::Text(control, texts_);
        const HWND child = CreateWindowExW(exStyle, windowClass, Wide(utf8 ? utf8 : "").c_str(), style, 0, 0, 0, 0, hwnd_,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(form::ControlId(i))),
                                           instance_, nullptr);
        controls_[i] = child;
        if (control.background)
            brushes_[i] = CreateSolidBrush(Colour(*control.background));
        // Every control tells screen readers what the definition says; the
        // lists also take their input here.
        SetWindowSubclass(child, ControlProc, i, reinterpret_cast<DWORD_PTR>(this));
        switch (control.kind) {
        case form::Kind::TextBox: Text1[control.index] = child; break;
        case form::Kind::Label: Label1[control.index] = child; break;
        case form::Kind::ListBox: List1[control.index] = child; break;
        case form::Kind::PictureBox: Picture1 = child; break;
        case form::Kind::CommandButton: Command1 = child; break;
        }
    }
    focus_ = controls_[form::kFirstFocus];
}

// Places every control, sets the font and picks the map for a density of
// dpi dots per inch, and sizes the window around them.
void MainWindow::Place(UINT dpi)
{
    dpi_ = dpi;
    const HFONT font = CreateControlFont(dpi);
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Rect place = form::Pixels(form::kControls[i].place, dpi);
        MoveWindow(controls_[i], place.left, place.top, place.width, place.height, TRUE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (form::kControls[i].kind == form::Kind::TextBox) { // a text's margin, which a new font resets
            const int margin = MulDiv(4, static_cast<int>(dpi), 96);
            SendMessageW(controls_[i], EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
        }
    }
    if (font_)
        DeleteObject(font_);
    font_ = font;
    if (map_)
        DeleteObject(map_);
    map_ = MapPicture(instance_, texts_.lands, MapScale(dpi));
    RECT frame{0, 0, form::Pixels(form::kWidth, static_cast<int>(dpi)), form::Pixels(form::kHeight, static_cast<int>(dpi))};
    AdjustFrame(frame, kStyle, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<MainWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        self = static_cast<MainWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        break;
    case WM_CREATE:
        self->CreateControls();
        self->Place(WindowDpi(hwnd));
        self->window_.Load(); // the walk starts fresh before the first show
        return 0;
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        self->Place(HIWORD(wParam));
        return 0;
    }
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back to where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focus = GetFocus(); focus && IsChild(hwnd, focus))
                self->focus_ = focus;
        } else if (!HIWORD(wParam)) {
            SetFocus(self->focus_);
        }
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lParam) == self->Command1 && HIWORD(wParam) == BN_CLICKED)
            self->window_.Command1_Click();
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        return self->ControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_DRAWITEM:
        self->DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DESTROY:
        for (HBRUSH brush : self->brushes_)
            DeleteObject(brush);
        DeleteObject(self->font_);
        DeleteObject(self->map_);
        DeleteObject(self->background_);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The colours of form.h, and its colour of texts on them; the text boxes in
// the system's window colours, which read-only ones would otherwise not have.
LRESULT MainWindow::ControlColour(HWND control, HDC dc)
{
    const std::size_t i = static_cast<std::size_t>(GetDlgCtrlID(control) - form::ControlId(0));
    if (i < form::kControls.size() && brushes_[i]) {
        SetTextColor(dc, Colour(form::kTextColour));
        SetBkColor(dc, Colour(*form::kControls[i].background));
        return reinterpret_cast<LRESULT>(brushes_[i]);
    }
    if (i < form::kControls.size() && form::kControls[i].kind == form::Kind::TextBox) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefWindowProcW(hwnd_, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

// Clear: its colour inside a raised edge, or a sunken one while it is held,
// and a focus rectangle inside the edge while it has the focus.
void MainWindow::DrawButton(const DRAWITEMSTRUCT &item) const
{
    const std::size_t i = static_cast<std::size_t>(item.CtlID - form::ControlId(0));
    const bool down = item.itemState & ODS_SELECTED;
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, brushes_[i]);
    DrawEdge(item.hDC, &rect, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT text = rect;
    if (down)
        OffsetRect(&text, 1, 1);
    const HGDIOBJ before = SelectObject(item.hDC, font_);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, Colour(form::kTextColour));
    const std::wstring caption = Wide(form::Text(form::kControls[i], texts_));
    DrawTextW(item.hDC, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, before);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&rect, -4, -4);
        DrawFocusRect(item.hDC, &rect);
    }
}

LRESULT CALLBACK MainWindow::MapProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(box, message, wParam, lParam);
    reinterpret_cast<const MainWindow *>(GetWindowLongPtrW(GetParent(box), GWLP_USERDATA))->PaintMap(box);
    return 0;
}

// The map at its natural size for the density, which at 96 and 192 dpi is
// the bitmap's own, pixel for pixel; centred, should rounding leave a gap.
void MainWindow::PaintMap(HWND box) const
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(box, &paint);
    RECT inside;
    GetClientRect(box, &inside);
    FillRect(dc, &inside, GetSysColorBrush(COLOR_BTNFACE));
    BITMAP bitmap{};
    GetObjectW(map_, sizeof bitmap, &bitmap);
    const int scale = MapScale(dpi_);
    const int width = MulDiv(bitmap.bmWidth, dpi_, 96 * scale), height = MulDiv(bitmap.bmHeight, dpi_, 96 * scale);
    const int left = (inside.right - width) / 2, top = (inside.bottom - height) / 2;
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ before = SelectObject(source, map_);
    if (width == bitmap.bmWidth && height == bitmap.bmHeight) {
        BitBlt(dc, left, top, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, left, top, width, height, source, 0, 0, bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
    }
    SelectObject(source, before);
    DeleteDC(source);
    EndPaint(box, &paint);
}

// What the controls tell screen readers, and the lists' input.
LRESULT CALLBACK MainWindow::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR i,
                                         DWORD_PTR self)
{
    auto *window = reinterpret_cast<MainWindow *>(self);
    const form::Control &definition = form::kControls[i];
    if (message == WM_GETOBJECT && definition.shown) {
        // Each kind's role, as the system's own controls have it; a heading
        // has none in MSAA, and is told by its element's name, as browsers do.
        static constexpr LONG kRoles[] = {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_LIST, ROLE_SYSTEM_GRAPHIC,
                                          ROLE_SYSTEM_PUSHBUTTON};
        const char *name = form::AccessibleName(definition, window->texts_);
        const accessible::Told told{Wide(name ? name : ""), Wide(form::AccessibleDescription(definition, window->texts_)),
                                    kRoles[static_cast<int>(definition.kind)],
                                    definition.role == form::Role::Heading ? L"h1" : nullptr};
        if (const LRESULT answer = accessible::Answer(control, wParam, lParam, told))
            return answer;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, ControlProc, i);
    } else if (definition.kind == form::Kind::ListBox && window->TakeListMessage(definition.index, message, wParam, lParam)) {
        return 0;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

// The list boxes take their mouse and keys from the user here, rather than
// from the list box's own handling, which differs between Windows versions
// and Wine: every selection in Available crosses a bridge, and must be
// exactly the entry chosen. A press of the left button selects the entry
// under it; the release, moves with the button held (by then the list under
// it has been refilled), the second press of a double-click (it would land on
// whatever the crossing moved there) and the other buttons select nothing.
// True when the message is done with, false when the list box is to have it.
bool MainWindow::TakeListMessage(int index, UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND list = List1[index];
    switch (message) {
    case WM_LBUTTONDOWN: {
        SetFocus(list);
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        window_.List1_Press(index, HIWORD(hit) == 0 ? LOWORD(hit) : -1); // -1: below the last entry
        return true;
    }
    case WM_MOUSEMOVE:
        return wParam & MK_LBUTTON;
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return true;
    case WM_KEYDOWN:
        ListKey(index, wParam);
        return true;
    case WM_CHAR:
        window_.List1_Typed(index, Narrow(std::wstring(1, static_cast<wchar_t>(wParam))), Caret(index));
        return true;
    }
    return false;
}

// The keys that select an entry, which the window says; no other key does
// anything here, not even what the list box would do by itself.
void MainWindow::ListKey(int index, WPARAM key)
{
    static constexpr std::pair<WPARAM, form::ListKey> kKeys[] = {
        {VK_UP, form::ListKey::Up},       {VK_DOWN, form::ListKey::Down},     {VK_HOME, form::ListKey::Home},
        {VK_END, form::ListKey::End},     {VK_PRIOR, form::ListKey::PageUp}, {VK_NEXT, form::ListKey::PageDown},
        {VK_SPACE, form::ListKey::Space}};
    const auto found = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const auto &k) { return k.first == key; });
    if (found == std::end(kKeys))
        return;
    RECT inside;
    GetClientRect(List1[index], &inside);
    const int rowHeight = std::max(static_cast<int>(SendMessageW(List1[index], LB_GETITEMHEIGHT, 0, 0)), 1);
    window_.List1_Key(index, found->second, Caret(index), inside.bottom / rowHeight);
}

// The entry the list's focus rests on.
int MainWindow::Caret(int index) const
{
    return static_cast<int>(SendMessageW(List1[index], LB_GETCARETINDEX, 0, 0));
}

// Puts a list box's entries in step with the walk's list. None of this
// notifies the window: only the user selects.
void MainWindow::FillList(int index, const std::vector<std::string> &entries, bool followsEnd)
{
    const HWND view = List1[index];
    SendMessageW(view, WM_SETREDRAW, FALSE, 0);
    SendMessageW(view, LB_RESETCONTENT, 0, 0);
    for (const std::string &text : entries)
        SendMessageW(view, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    // Crossed rests its focus on its newest entry, which says where the
    // walker stands, and shows it.
    if (followsEnd && !entries.empty()) {
        SendMessageW(view, LB_SETCARETINDEX, entries.size() - 1, FALSE);
        SendMessageW(view, LB_SETTOPINDEX, entries.size() - 1, 0);
    }
    SendMessageW(view, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view, nullptr, TRUE);
}

void MainWindow::SelectEntry(int index, int row)
{
    SendMessageW(List1[index], LB_SETCURSEL, row, 0);
}

bool MainWindow::HandleKey(const MSG &message)
{
    if (message.message != WM_KEYDOWN)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    switch (message.wParam) {
    case VK_TAB:
        // Moved here rather than by the dialog manager, which would leave Tab
        // to the multi-line statement under Wine.
        if (root != hwnd_ || GetKeyState(VK_CONTROL) < 0)
            return false;
        SetFocus(GetNextDlgTabItem(hwnd_, IsChild(hwnd_, GetFocus()) ? GetFocus() : nullptr, GetKeyState(VK_SHIFT) < 0));
        return true;
    case VK_RETURN:
        if (message.hwnd != Command1)
            return false;
        window_.Command1_Click();
        return true;
    case VK_F1:
        ShowHelp();
        return true;
    case VK_ESCAPE:
        if (!help_ || root != help_)
            return false;
        SendMessageW(help_, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

void MainWindow::ShowHelp()
{
    if (!help_) // made on first use, so that start-up pays nothing for it
        help_ = CreateHelpWindow(instance_, hwnd_, texts_);
    ShowWindow(help_, SW_SHOW);
    SetForegroundWindow(help_);
}
