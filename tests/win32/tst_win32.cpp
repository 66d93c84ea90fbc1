// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// kelvani.exe as a user meets it, run under Wine by wine_session.sh:
//   tst_win32 KELVANI.EXE [--dpi N] [--language CODE] [--shortcut LINK.lnk] [TEST...]
// Each test starts the program afresh, finds its controls by the numbers
// form.h gives them, reads them with window messages and as a screen reader
// does (MSAA), samples their colours from the screen, and drives them with
// real mouse and key input. Where an input must change nothing, a later
// input whose effect shows (a click that highlights an entry) proves that
// the program has handled it.

#include "commandline.h"
#include "content/languages.h"
#include "entry.h"
#include "form.h"
#include "map.h"
#include "resources.h"
#include "walk.h"

#include <windows.h>

#include <oleacc.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;

int failures = 0;
const char *test = "";

std::wstring Wide(std::string_view utf8, bool crlf = true)
{
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), int(wide.size()));
    for (std::size_t at = 0; crlf && (at = wide.find(L'\n', at)) != std::wstring::npos; at += 2)
        wide.insert(at, 1, L'\r');
    return wide;
}
Texts Entries(std::initializer_list<std::string_view> entries)
{
    Texts texts;
    for (std::string_view e : entries)
        texts.push_back(Wide(e));
    return texts;
}
std::string Narrow(const std::wstring &wide)
{
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), int(utf8.size()), nullptr, nullptr);
    return utf8;
}
std::string Show(const std::wstring &text) { return '"' + Narrow(text) + '"'; }
std::string Show(const Texts &texts)
{
    std::string shown = "{";
    for (const std::wstring &t : texts)
        shown += (shown.size() > 1 ? ", " : "") + Show(t);
    return shown + "}";
}
template <typename T> std::string Show(const T &value) { return std::to_string(value); }
std::string Show(HWND hwnd) { return std::to_string(reinterpret_cast<std::uintptr_t>(hwnd)); }
std::string Show(form::Rgb c) { char s[8]; std::snprintf(s, sizeof s, "#%02X%02X%02X", c.r, c.g, c.b); return s; }
std::string Show(const std::array<Texts, 3> &lists) { return Show(lists[0]) + " " + Show(lists[1]) + " " + Show(lists[2]); }
std::string Show(form::Rect r) { return Show(r.left) + "," + Show(r.top) + " " + Show(r.width) + "x" + Show(r.height); }

bool Check(bool ok, const std::string &what, int line)
{
    if (!ok) {
        std::printf("FAIL %s, line %d: %s\n", test, line, what.c_str());
        ++failures;
    }
    return ok;
}
#define CHECK(condition) Check(condition, #condition, __LINE__)
#define COMPARE(actual, expected) \
    Check((actual) == (expected), #actual " is " + Show(actual) + ", not " + Show(expected), __LINE__)

// Waits up to five seconds for a condition.
bool WaitFor(const std::function<bool()> &done)
{
    for (int waited = 0; !done(); waited += 20) {
        if (waited > 5000)
            return false;
        Sleep(20);
    }
    return true;
}

std::size_t At(form::Kind kind, int index)
{
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        if (form::kControls[i].kind == kind && form::kControls[i].index == index)
            return i;
    }
    return form::kControls.size();
}

form::Rgb ListColour(int list) { return form::kControls[At(form::Kind::ListBox, list)].background.value(); }

std::wstring Text(HWND hwnd)
{
    std::wstring text(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
    text.resize(SendMessageW(hwnd, WM_GETTEXT, text.size(), LPARAM(text.data())));
    return text;
}

Texts Items(HWND list)
{
    Texts items;
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        if (length == LB_ERR) // the program refilled the list meanwhile
            return Items(list);
        std::wstring item(length, L'\0');
        SendMessageW(list, LB_GETTEXT, i, LPARAM(item.data()));
        items.push_back(item);
    }
    return items;
}

HWND Focus(HWND window)
{
    GUITHREADINFO info{sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}
INPUT Key(WORD vk, bool up)
{
    INPUT input{INPUT_KEYBOARD};
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}
// A key, alone or with a modifier held (VK_SHIFT, VK_CONTROL).
void Press(WORD vk, WORD modifier = 0)
{
    if (modifier)
        Send({Key(modifier, false), Key(vk, false), Key(vk, true), Key(modifier, true)});
    else
        Send({Key(vk, false), Key(vk, true)});
}
INPUT Button(DWORD flags)
{
    INPUT input{INPUT_MOUSE};
    input.mi.dwFlags = flags;
    return input;
}

// What a window shows on the screen now, frame and all, to read colours from.
struct Screen
{
    explicit Screen(HWND window)
    {
        GetWindowRect(window, &area);
        const int width = area.right - area.left, height = area.bottom - area.top;
        pixels.resize(width * height);
        const HDC screen = GetDC(nullptr), copy = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        const HGDIOBJ before = SelectObject(copy, bitmap);
        BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        SelectObject(copy, before);
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
        GetDIBits(copy, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
        DeleteObject(bitmap);
        DeleteDC(copy);
        ReleaseDC(nullptr, screen);
    }
    DWORD Pixel(POINT p) const { return pixels[(p.y - area.top) * (area.right - area.left) + p.x - area.left] & 0xFFFFFF; }
    form::Rgb At(POINT p) const { return {BYTE(Pixel(p) >> 16), BYTE(Pixel(p) >> 8), BYTE(Pixel(p))}; }
    RECT area;
    std::vector<DWORD> pixels;
};

// The middle of a window on the screen.
POINT Middle(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A point of a window, from the top-left corner of its frame.
POINT On(HWND hwnd, int x, int y)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.left + x, r.top + y};
}

std::wstring program;
int dpi = 96;
const content::Texts *texts = &content::Languages()[0]; // the language the program is started in

// Starts kelvani.exe with arguments after its name.
std::wstring shortcut; // a shortcut that starts the program, as a user does from the Start menu

PROCESS_INFORMATION Start(const std::wstring &arguments)
{
    if (!shortcut.empty()) {
        SHELLEXECUTEINFOW open{sizeof open};
        open.fMask = SEE_MASK_NOCLOSEPROCESS;
        open.lpFile = shortcut.c_str();
        open.nShow = SW_SHOWNORMAL;
        CHECK(ShellExecuteExW(&open));
        return {open.hProcess, nullptr, 0, 0};
    }
    STARTUPINFOW startup{sizeof startup};
    std::wstring command = L"\"" + program + L"\"" + arguments;
    PROCESS_INFORMATION process{};
    CHECK(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    return process;
}

// kelvani.exe, started for one test, in a language (the one chosen for
// the run unless named), and closed after it.
struct Kelvani
{
    explicit Kelvani(const content::Texts &language = *texts)
    {
        process = Start(&language == &content::Languages()[0] ? L"" : L" --language=" + Wide(language.code));
        const std::wstring caption = Wide(language.caption);
        CHECK(WaitFor([&] {
            window = FindWindowW(nullptr, caption.c_str());
            return window && IsWindowVisible(window) && GetForegroundWindow() == window;
        }));
        if (!process.hProcess) { // started through the shell, which may not say which process it started
            DWORD id = 0;
            GetWindowThreadProcessId(window, &id);
            process.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
        }
        // Painted: two looks at it a tenth of a second apart see the same.
        std::vector<DWORD> before;
        CHECK(WaitFor([&] {
            Sleep(100);
            return std::exchange(before, Screen(window).pixels) == before;
        }));
    }
    ~Kelvani()
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        CHECK(WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0);
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        if (process.hThread)
            CloseHandle(process.hThread);
    }
    HWND Control(form::Kind kind, int index = -1) const { return GetDlgItem(window, form::ControlId(At(kind, index))); }
    HWND List(int index) const { return Control(form::Kind::ListBox, index); }
    std::array<Texts, 3> Lists() const { return {Items(List(0)), Items(List(1)), Items(List(2))}; }
    bool Shows(const Texts &available, const Texts &crossed, const Texts &remaining) const
    {
        return Lists() == std::array<Texts, 3>{available, crossed, remaining};
    }

    // Puts the pointer on an entry, which the list is scrolled to first: on
    // its middle, or as far below it as asked.
    void Point(int list, const std::wstring &entry, int below = 0)
    {
        const HWND hwnd = List(list);
        const int row = int(SendMessageW(hwnd, LB_FINDSTRINGEXACT, -1, LPARAM(entry.c_str())));
        CHECK(row >= 0);
        SendMessageW(hwnd, LB_SETTOPINDEX, row, 0);
        RECT item;
        SendMessageW(hwnd, LB_GETITEMRECT, row, LPARAM(&item));
        POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2 + below};
        ClientToScreen(hwnd, &at);
        SetCursorPos(at.x, at.y);
    }
    // Clicks an entry; a click of its own, not the second of a double-click
    // with the one before, unless times is 2.
    void Click(int list, const std::wstring &entry, bool left = true, int times = 1, int below = 0)
    {
        Sleep(std::max(0, int(GetDoubleClickTime()) + 100 - int(GetTickCount() - lastClick)));
        lastClick = GetTickCount();
        Point(list, entry, below);
        for (int n = 0; n < times; ++n)
            Send({Button(left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
                  Button(left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
    }
    // Clicks an entry of Remaining and waits until it shows highlighted: the
    // program has handled every input before it.
    void Handled(const std::wstring &entry)
    {
        Click(walk::kRemaining, entry);
        CHECK(WaitFor([&] {
            const LRESULT row = SendMessageW(List(2), LB_GETCURSEL, 0, 0);
            return row >= 0 && Items(List(2))[row] == entry;
        }));
    }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    DWORD lastClick = 0;
};

const Texts kFresh = [] {
    Texts sorted;
    for (std::string_view e : walk::kCatalogueEntries)
        sorted.push_back(Wide(e));
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}();

// Every control where the window's definition puts it, at the screen's
// density; the texts, with CR LF line breaks; what is hidden; the focus.
void Layout()
{
    Kelvani k;
    COMPARE(int(GetDpiForWindow(k.window)), dpi);
    RECT inside;
    GetClientRect(k.window, &inside);
    COMPARE(int(inside.right), form::Pixels(form::kWidth, dpi));
    COMPARE(int(inside.bottom), form::Pixels(form::kHeight, dpi));
    const LONG style = GetWindowLongW(k.window, GWL_STYLE);
    CHECK((style & WS_MINIMIZEBOX) && !(style & (WS_MAXIMIZEBOX | WS_THICKFRAME)));
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Control &control = form::kControls[i];
        const HWND hwnd = GetDlgItem(k.window, form::ControlId(i));
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, k.window, reinterpret_cast<POINT *>(&r), 2);
        COMPARE((form::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}), form::Pixels(control.place, dpi));
        COMPARE(bool(IsWindowVisible(hwnd)), control.shown);
        if (control.text)
            COMPARE(Text(hwnd), Wide(form::Text(control, *texts)));
    }
    const std::wstring statement = Text(k.Control(form::Kind::TextBox, 0));
    if (texts == &content::Languages()[0]) {
        COMPARE(statement.size(), std::size_t(1275 + 15));
        CHECK(statement.ends_with(L" мостове за конкретното място.\r\n"));
    }
    COMPARE(SendMessageW(k.Control(form::Kind::TextBox, 0), EM_GETFIRSTVISIBLELINE, 0, 0), LRESULT(0));
    COMPARE(Focus(k.window), k.Control(form::Kind::TextBox, 0));
    Texts fresh, catalogue;
    for (std::string_view e : walk::kCatalogueEntries)
        catalogue.push_back(Wide(content::ShownEntry(e, texts->lands)));
    fresh = catalogue;
    std::sort(fresh.begin(), fresh.end());
    COMPARE(k.Lists(), (std::array<Texts, 3>{fresh, {}, {}}));
    COMPARE(Items(k.List(walk::kCatalogue)), catalogue);
}

bool MapShown(const Kelvani &k, const content::Texts &language);

// The colours of the window's definition, sampled from the screen away from
// any text, and the map pixel for pixel as the program file holds it.
void Colours()
{
    Kelvani k;
    const Screen screen(k.window);
    RECT inside;
    GetClientRect(k.window, &inside);
    POINT corner{4, inside.bottom / 4};
    ClientToScreen(k.window, &corner);
    COMPARE(screen.At(corner), form::kWindowColour);
    // Just inside each control's corner: inside its frame, outside its text.
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Control &control = form::kControls[i];
        if (control.shown && control.background)
            COMPARE(screen.At(On(GetDlgItem(k.window, form::ControlId(i)), 3, 3)), *control.background);
    }
    COMPARE(screen.At(On(k.Control(form::Kind::TextBox, 0), 3, 3)), (form::Rgb{0xFF, 0xFF, 0xFF}));
    // Crossed and Remaining, empty: the part of a list that no entry covers.
    for (int list : {walk::kCrossed, walk::kRemaining})
        COMPARE(screen.At(Middle(k.List(list))), ListColour(list));

    CHECK(MapShown(k, *texts));
}

// The map as the program holds it, with a language's letters written on it,
// shown pixel for pixel; and each letter, black, where the definition places
// it.
bool MapShown(const Kelvani &k, const content::Texts &language)
{
    const HMODULE file = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const int scale = dpi > 96 ? 2 : 1;
    const HBITMAP bitmap = MapPicture(file, language.lands, scale);
    FreeLibrary(file);
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    if (!COMPARE(size.bmWidth, form::kMapWidth * scale))
        return false;
    std::vector<DWORD> map(size.bmWidth * size.bmHeight);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB}};
    const HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, size.bmHeight, map.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(bitmap);
    const Screen screen(k.window);
    const HWND box = k.Control(form::Kind::PictureBox);
    RECT client;
    GetClientRect(box, &client);
    POINT origin{(client.right - size.bmWidth) / 2, (client.bottom - size.bmHeight) / 2};
    ClientToScreen(box, &origin);
    int wrong = 0;
    for (int y = 0; y < size.bmHeight; ++y)
        for (int x = 0; x < size.bmWidth; ++x)
            wrong += screen.Pixel({origin.x + x, origin.y + y}) != (map[y * size.bmWidth + x] & 0xFFFFFF);
    bool ok = COMPARE(wrong, 0);
    for (const form::MapLetter &letter : form::kMapLetters) {
        int black = 0;
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx)
                black += screen.Pixel({origin.x + int(letter.x + dx) * scale, origin.y + int(letter.y + dy) * scale}) == 0;
        ok = CHECK(black > 10) && ok;
    }
    return ok;
}

// The worked example with real clicks, then a double-click, a drag, a right
// click, a click on Crossed and one below the last entry: each crosses
// exactly the entry chosen, or nothing.
void Mouse()
{
    Kelvani k;
    k.Click(0, Wide("5 АВ"));
    CHECK(WaitFor([&] {
        return k.Shows(Entries({"6 ВГ", "7 ВБ"}), Entries({"5 АВ"}),
                       Entries({"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ", "4 БА", "6 ГВ", "7 БВ"}));
    }));
    k.Click(0, Wide("7 ВБ"));
    CHECK(WaitFor([&] {
        return k.Shows(Entries({"1 БА", "2 БГ", "3 БГ", "4 БА"}), Entries({"5 АВ", "7 ВБ"}),
                       Entries({"1 АБ", "2 ГБ", "3 ГБ", "4 АБ", "6 ВГ", "6 ГВ"}));
    }));
    for (const char *e : {"1 БА", "4 АБ", "2 БГ", "3 ГБ"}) {
        const std::size_t crossed = Items(k.List(1)).size();
        k.Click(0, Wide(e));
        CHECK(WaitFor([&] { return Items(k.List(1)).size() == crossed + 1; }));
    }
    CHECK(WaitFor([&] {
        return k.Shows({}, Entries({"5 АВ", "7 ВБ", "1 БА", "4 АБ", "2 БГ", "3 ГБ"}), Entries({"6 ВГ", "6 ГВ"}));
    }));
    // Available at a dead end: its own colour where its entries were.
    COMPARE(Screen(k.window).At(Middle(k.List(walk::kAvailable))), ListColour(walk::kAvailable));
    // Crossed keeps its newest entry, where the walker stands, in sight.
    RECT newest, list;
    SendMessageW(k.List(1), LB_GETITEMRECT, 5, LPARAM(&newest));
    GetClientRect(k.List(1), &list);
    CHECK(newest.top >= 0 && newest.bottom <= list.bottom);

    // Clear, held: its edge sinks; released, it starts the walk again.
    const HWND clear = k.Control(form::Kind::CommandButton);
    const form::Rgb raised = Screen(k.window).At(On(clear, 0, 0));
    const POINT middle = On(clear, 20, 10);
    SetCursorPos(middle.x, middle.y);
    Send({Button(MOUSEEVENTF_LEFTDOWN)});
    CHECK(WaitFor([&] { return Screen(k.window).At(On(clear, 0, 0)) != raised; }));
    Send({Button(MOUSEEVENTF_LEFTUP)});
    CHECK(WaitFor([&] { return k.Shows(kFresh, {}, {}); }));

    k.Click(0, Wide("1 АБ"), true, 2); // a double-click
    k.Handled(Wide("4 АБ"));
    COMPARE(Items(k.List(1)), Entries({"1 АБ"}));
    // A drag from "2 БГ" over the entries the crossing moves under it.
    k.Point(walk::kAvailable, Wide("2 БГ"));
    Send({Button(MOUSEEVENTF_LEFTDOWN)});
    POINT at;
    GetCursorPos(&at);
    for (int step = 1; step <= 4; ++step) {
        INPUT move = Button(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
        move.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        move.mi.dy = (at.y + 12 * step) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        Send({move});
        Sleep(20);
    }
    Send({Button(MOUSEEVENTF_LEFTUP)});
    k.Click(walk::kAvailable, Wide("3 ГБ"), false);
    k.Click(walk::kCrossed, Wide("1 АБ"));
    k.Click(walk::kAvailable, Wide("6 ГВ"), true, 1, 40); // below the last entry
    k.Handled(Wide("4 БА"));
    COMPARE(k.Lists(), (std::array<Texts, 3>{Entries({"3 ГБ", "6 ГВ"}), Entries({"1 АБ", "2 БГ"}),
                                            Entries({"3 БГ", "4 АБ", "4 БА", "5 АВ", "5 ВА", "6 ВГ", "7 БВ", "7 ВБ"})}));
    COMPARE(SendMessageW(k.List(1), LB_GETCURSEL, 0, 0), LRESULT(0));
    COMPARE(SendMessageW(k.List(0), LB_GETCURSEL, 0, 0), LRESULT(-1)); // nothing left selected
}

// Tab and Shift+Tab in order, focus alone crossing nothing; the keys that
// select in Available crossing one entry each; Space and Enter on Clear; F1
// and Escape.
void Keyboard()
{
    Kelvani k;
    const HWND statement = k.Control(form::Kind::TextBox, 0), clear = k.Control(form::Kind::CommandButton);
    const HWND order[] = {statement, k.List(0), k.List(1), k.List(2), clear, statement};
    // Typing into the statement, which has the focus, changes nothing in it.
    for (WORD key : {WORD('K'), WORD(VK_DELETE), WORD(VK_RETURN), WORD(VK_BACK)})
        Press(key);
    RECT button;
    GetWindowRect(clear, &button);
    const auto buttonPixels = [&] {
        const Screen screen(k.window);
        std::vector<DWORD> pixels;
        for (int y = button.top; y < button.bottom; ++y)
            for (int x = button.left; x < button.right; ++x)
                pixels.push_back(screen.Pixel({x, y}));
        return pixels;
    };
    const std::vector<DWORD> unfocused = buttonPixels();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        Press(VK_TAB);
        CHECK(WaitFor([&] { return Focus(k.window) == order[i]; }));
        if (i == 1)
            COMPARE(Text(statement), Wide(texts->statement));
        if (order[i] != clear)
            continue;
        // Focused, Clear shows a dotted rectangle, all of it inside its edge.
        std::vector<DWORD> focused;
        CHECK(WaitFor([&] { return (focused = buttonPixels()) != unfocused; }));
        const int width = button.right - button.left, height = button.bottom - button.top;
        int changed = 0, outside = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (focused[y * width + x] != unfocused[y * width + x]) {
                    ++changed;
                    outside += x < 3 || y < 3 || x >= width - 3 || y >= height - 3;
                }
        CHECK(changed >= (width + height) / 2);
        COMPARE(outside, 0);
    }
    for (std::size_t i = std::size(order) - 1; i-- > 1;) {
        Press(VK_TAB, VK_SHIFT);
        CHECK(WaitFor([&] { return Focus(k.window) == order[i]; }));
    }
    // A typed first digit picks the first entry with it; End, Space on the
    // first entry (where the focus rests after a crossing), Home, Page Up
    // and Ctrl+Down (as a plain list box takes it: Down) each cross one
    // entry, and leave nothing in Available selected.
    const std::pair<WORD, const char *> steps[] = {{'1', "1 АБ"}, {VK_END, "7 БВ"},  {VK_SPACE, "5 ВА"},
                                                   {VK_HOME, "4 АБ"}, {VK_PRIOR, "2 БГ"}, {VK_DOWN, "6 ГВ"}};
    Texts crossed;
    for (const auto &[key, entry] : steps) {
        Press(key, key == VK_DOWN ? VK_CONTROL : 0);
        crossed.push_back(Wide(entry));
        CHECK(WaitFor([&] { return Items(k.List(1)) == crossed; }) || COMPARE(Items(k.List(1)), crossed));
        COMPARE(SendMessageW(k.List(0), LB_GETCURSEL, 0, 0), LRESULT(-1));
    }
    Press(VK_TAB, VK_SHIFT);
    Press(VK_TAB, VK_SHIFT); // to Clear, backwards from Available
    CHECK(WaitFor([&] { return Focus(k.window) == clear; }));
    Press(VK_SPACE);
    CHECK(WaitFor([&] { return k.Shows(kFresh, {}, {}); }));
    k.Click(0, Wide("5 АВ"));
    CHECK(WaitFor([&] { return Items(k.List(1)).size() == 1; }));
    // In Remaining, Home then Down select its second entry, crossing nothing.
    for (WORD key : {VK_TAB, VK_TAB, VK_HOME, VK_DOWN})
        Press(key);
    CHECK(WaitFor([&] { return SendMessageW(k.List(2), LB_GETCURSEL, 0, 0) == 1; }) ||
          COMPARE(SendMessageW(k.List(2), LB_GETCURSEL, 0, 0), LRESULT(1)));
    COMPARE(Items(k.List(1)).size(), std::size_t(1));
    Press(VK_TAB);
    CHECK(WaitFor([&] { return Focus(k.window) == clear; }));
    Press(VK_RETURN);
    CHECK(WaitFor([&] { return k.Shows(kFresh, {}, {}); }));

    k.Click(0, Wide("6 ВГ"));
    CHECK(WaitFor([&] { return Items(k.List(1)).size() == 1; }));
    const auto lists = k.Lists();
    Press(VK_F1);
    const std::wstring title = Wide(texts->helpTitle);
    HWND help = nullptr;
    CHECK(WaitFor([&] { return (help = FindWindowW(nullptr, title.c_str())) && GetForegroundWindow() == help; }));
    const std::wstring text = Text(GetWindow(help, GW_CHILD));
    for (WORD key : {WORD('K'), WORD(VK_DELETE), WORD(VK_RETURN), WORD(VK_BACK)})
        Press(key);
    CHECK(text.starts_with(L"Как се играе\r\n\r\nОпитайте"));
    CHECK(text.find(Wide("А има 3 (мостове 1, 4 и 5), Б има 5 (1, 2, 3, 4 и 7)")) != std::wstring::npos);
    CHECK(text.ends_with(L"версия 1.00. Свободен софтуер под лиценза MIT.\r\n\r\n© 2026 The Kelvani developers\r\n"));
    CHECK(text.find(L"**") == std::wstring::npos && text.find(L"##") == std::wstring::npos);
    Press(VK_ESCAPE);
    CHECK(WaitFor([&] { return !IsWindowVisible(help) && GetForegroundWindow() == k.window; }));
    COMPARE(Text(GetWindow(help, GW_CHILD)), text); // typed into, it stayed as it was
    COMPARE(k.Lists(), lists);
}

// What one thing shows, in a language's script or in Latin ("Kelvani",
// "Tab"): the letters of another script, if any.
std::wstring Foreign(const std::wstring &text, const content::Texts &language)
{
    const auto script = [](wchar_t c) { return c >= 0x370 && c < 0x400 ? 1 : c >= 0x400 && c < 0x530 ? 2 : 0; };
    const int own = script(Wide(language.lands[0])[0]);
    std::wstring foreign;
    for (const wchar_t c : text)
        if (IsCharAlphaW(c) && script(c) != 0 && script(c) != own)
            foreign += c;
    return foreign;
}

// Each language, asked for on the command line as --language=CODE: every
// control's text the language's, nothing in another script in what the
// window, its lists or its help show, its letters on the map, and a click
// crossing as in Bulgarian.
void Languages()
{
    for (const content::Texts &language : content::Languages()) {
        Kelvani k(language);
        std::wstring shown = Text(k.window);
        for (std::size_t i = 0; i < form::kControls.size(); ++i) {
            const std::wstring text = Text(GetDlgItem(k.window, form::ControlId(i)));
            if (form::kControls[i].text)
                COMPARE(text, Wide(form::Text(form::kControls[i], language)));
            shown += text;
        }
        CHECK(MapShown(k, language));
        Press(VK_F1);
        HWND help = nullptr;
        const std::wstring title = Wide(language.helpTitle);
        CHECK(WaitFor([&] { return (help = FindWindowW(nullptr, title.c_str())) && IsWindowVisible(help); }));
        shown += Text(help) + Text(GetWindow(help, GW_CHILD));
        Press(VK_ESCAPE);
        const auto entries = [&](std::initializer_list<std::string_view> walk) {
            Texts texts_;
            for (std::string_view e : walk)
                texts_.push_back(Wide(content::ShownEntry(e, language.lands)));
            return texts_;
        };
        k.Click(0, entries({"5 АВ"})[0]);
        CHECK(WaitFor([&] { return Items(k.List(1)).size() == 1; }));
        for (int list = 0; list < 4; ++list)
            for (const std::wstring &entry : Items(k.List(list)))
                shown += entry;
        COMPARE(Foreign(shown, language), std::wstring());
        COMPARE(k.Lists(), (std::array<Texts, 3>{entries({"6 ВГ", "7 ВБ"}), entries({"5 АВ"}),
                             entries({"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ", "4 БА", "6 ГВ", "7 БВ"})}));
    }
}

// --help and --version answered, and a mistake told, in a message box, with
// what the other programs print and their exit status; the program then
// ends without a window.
void Boxes()
{
    const std::tuple<const wchar_t *, std::vector<std::string>> cases[] = {
        {L" --help", {"--help"}}, {L" -v", {"-v"}}, {L" --language xx", {"--language", "xx"}},
        {L" --language", {"--language"}}, {L" --language=", {"--language="}}, {L" --what", {"--what"}}};
    for (const auto &[arguments, utf8] : cases) {
        const commandline::Outcome expected = commandline::Read({"kelvani", commandline::DescribeWindow}, utf8);
        const PROCESS_INFORMATION process = Start(arguments);
        HWND box = nullptr;
        CHECK(WaitFor([&] { return (box = FindWindowW(L"#32770", L"Kelvani")) && IsWindowVisible(box); }));
        std::wstring said = Text(GetDlgItem(box, 0xFFFF)); // a message box's text
        std::wstring wanted = Wide(expected.message);
        while (!wanted.empty() && (wanted.back() == L'\n' || wanted.back() == L'\r'))
            wanted.pop_back();
        while (!said.empty() && (said.back() == L'\n' || said.back() == L'\r'))
            said.pop_back();
        COMPARE(said, wanted);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        DWORD code = 0;
        CHECK(WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0 && GetExitCodeProcess(process.hProcess, &code));
        COMPARE(int(code), expected.status);
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
}

// What a screen reader hears of every control through MSAA, as NVDA reads
// it, in Kelvani's own language and in English: the definition's names and
// descriptions, in the language; each kind's role, and a heading as browsers
// tell one.
void Access()
{
    constexpr GUID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
    const LONG roles[] = {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_LIST, ROLE_SYSTEM_GRAPHIC, ROLE_SYSTEM_PUSHBUTTON};
    for (const content::Texts *language : {&content::Languages()[0], content::FindLanguage("en")}) {
        Kelvani k(*language);
        for (std::size_t i = 0; i < form::kControls.size(); ++i) {
            const form::Control &control = form::kControls[i];
            if (!control.shown)
                continue;
            IAccessible *told = nullptr;
            if (!CHECK(SUCCEEDED(AccessibleObjectFromWindow(GetDlgItem(k.window, form::ControlId(i)), OBJID_CLIENT,
                                                            kIAccessible, reinterpret_cast<void **>(&told)))))
                continue;
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            BSTR name = nullptr, description = nullptr;
            VARIANT role{};
            told->get_accName(self, &name);
            told->get_accDescription(self, &description);
            told->get_accRole(self, &role);
            const char *expected = form::AccessibleName(control, *language);
            COMPARE(std::wstring(name ? name : L""), Wide(expected ? expected : ""));
            COMPARE(std::wstring(description ? description : L""), Wide(form::AccessibleDescription(control, *language), false));
            if (control.role == form::Role::Heading)
                CHECK(role.vt == VT_BSTR && std::wstring(role.bstrVal) == L"h1");
            else
                CHECK(role.vt == VT_I4 && role.lVal == roles[int(control.kind)]);
            SysFreeString(name);
            SysFreeString(description);
            VariantClear(&role);
            told->Release();
        }
    }
}

// The program started (through --shortcut, as from the Start menu) in the
// language asked for: its captions and texts, and its entries.
void Started()
{
    Kelvani k;
    for (std::size_t i = 0; i < form::kControls.size(); ++i)
        if (form::kControls[i].text)
            COMPARE(Text(GetDlgItem(k.window, form::ControlId(i))), Wide(form::Text(form::kControls[i], *texts)));
    COMPARE(Items(k.List(0)).front(), Wide(content::ShownEntry("1 АБ", texts->lands)));
}

// The program file's icon, version and manifest.
void Resources()
{
    const HMODULE file = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const auto resource = [&](int id, LPCWSTR type) {
        const HRSRC found = FindResourceW(file, MAKEINTRESOURCEW(id), type);
        return std::string_view(static_cast<const char *>(LockResource(LoadResource(file, found))), SizeofResource(file, found));
    };
    // One 32 x 32 image of 256 colours: the icon file's, byte for byte.
    const std::string_view group = resource(KELVANI_ICON, RT_GROUP_ICON);
    CHECK(group.size() == 6 + 14 && group[4] == 1 && group[6] == 32 && group[7] == 32 && group[6 + 6] == 8);
    std::string icon(4096, '\0');
    FILE *ico = _wfopen(Wide("Z:" KELVANI_CONTENT_DIR "/kelvani.ico").c_str(), L"rb");
    CHECK(ico);
    icon.resize(ico ? std::fread(icon.data(), 1, icon.size(), ico) : 0);
    if (ico)
        std::fclose(ico);
    CHECK(resource(*reinterpret_cast<const WORD *>(&group[6 + 12]), RT_ICON) == std::string_view(icon).substr(6 + 16));
    const std::string_view manifest = resource(1, RT_MANIFEST);
    CHECK(manifest.find("PerMonitorV2") != manifest.npos && manifest.find("Microsoft.Windows.Common-Controls") != manifest.npos);
    FreeLibrary(file);

    std::vector<char> version(GetFileVersionInfoSizeW(program.c_str(), nullptr));
    CHECK(GetFileVersionInfoW(program.c_str(), 0, DWORD(version.size()), version.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT size = 0;
    CHECK(VerQueryValueW(version.data(), L"\\", reinterpret_cast<void **>(&fixed), &size));
    CHECK(fixed && fixed->dwFileVersionMS == 0x10000 && fixed->dwProductVersionMS == 0x10000);
    for (const wchar_t *name : {L"FileVersion", L"ProductVersion"}) {
        wchar_t *value = nullptr;
        CHECK(VerQueryValueW(version.data(), (std::wstring(L"\\StringFileInfo\\040204B0\\") + name).c_str(),
                             reinterpret_cast<void **>(&value), &size));
        COMPARE(std::wstring(value ? value : L""), std::wstring(L"1.00"));
    }
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    SetProcessDPIAware();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // for MSAA, and for reading the map as the program does
    const std::map<std::wstring, void (*)()> tests = {
        {L"layout", Layout}, {L"colours", Colours}, {L"mouse", Mouse}, {L"keyboard", Keyboard},
        {L"languages", Languages}, {L"boxes", Boxes}, {L"access", Access}, {L"resources", Resources},
        {L"started", Started}};
    std::vector<std::wstring> chosen;
    for (int i = 1; i < argc; ++i) {
        if (i == 1)
            program = argv[i][0] == L'/' ? L"Z:" + std::wstring(argv[i]) : argv[i];
        else if (std::wstring(argv[i]) == L"--dpi" && i + 1 < argc)
            dpi = _wtoi(argv[++i]);
        else if (std::wstring(argv[i]) == L"--language" && i + 1 < argc)
            texts = content::FindLanguage(Narrow(argv[++i]));
        else if (std::wstring(argv[i]) == L"--shortcut" && i + 1 < argc)
            shortcut = argv[++i];
        else
            chosen.push_back(argv[i]);
    }
    for (const auto &[name, run] : tests) {
        if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), name) == chosen.end())
            continue;
        const std::string utf8 = Narrow(name);
        test = utf8.c_str();
        const int before = failures;
        const DWORD start = GetTickCount();
        run();
        std::printf("%s %s (%lu ms)\n", failures == before ? "PASS" : "FAIL", test, GetTickCount() - start);
    }
    std::printf("%d failed checks\n", failures);
    return failures == 0 ? 0 : 1;
}
