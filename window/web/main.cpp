// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The window in a browser. The page already shows it, as makewindow.cpp
// built it from form.h and from what the window's Load shows; page.js hands
// the user's presses, taps, keys and typed characters to the On...
// functions here, which pass them on to the window, and shows the lists the
// window gives back. Each page is one language; the program is the same in
// every page, and takes from the page the one thing of its language it
// needs, how it writes the lands.
#include "entry.h"
#include "formwindow.h"
#include "page.h"

#include <emscripten.h>

#include <array>
#include <string>
#include <vector>

namespace {

std::string Utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        s += static_cast<char>(0xF0 | c >> 18);
        s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// The lists on the page. What Load shows, the page shows already: it was
// built from that, so the page is left alone until Load is done.
class PageView : public form::View
{
public:
    void FillList(int index, const std::vector<std::string> &entries, bool followsEnd) override
    {
        if (!loaded)
            return;
        std::string text;
        for (const std::string &entry : entries)
            text += entry + '\n';
        page::FillList(index, text.c_str(), followsEnd);
    }
    void SelectEntry(int index, int row) override
    {
        if (loaded)
            page::SelectEntry(index, row);
    }

    bool loaded = false;
};

// The page's lands, one UTF-8 character each, the walk's own until the page
// gives its.
std::array<std::string, 4> lands = {"А", "Б", "В", "Г"};
content::Lands Lands()
{
    char given[64] = {};
    page::Lands(given, sizeof given);
    for (int i = 0; i < 4 && !walk::CharacterAt(given, i + 1).empty(); ++i)
        lands[i] = walk::CharacterAt(given, i + 1);
    return {lands[0].c_str(), lands[1].c_str(), lands[2].c_str(), lands[3].c_str()};
}

PageView view;
form::Window *window_ = nullptr; // made by main(), once the page has given its lands

} // namespace

int main()
{
    static form::Window window(view, Lands());
    window_ = &window;
    window.Load();
    view.loaded = true;
    page::Start();
    return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void OnListPress(int index, int row)
{
    window_->List1_Press(index, row);
}

EMSCRIPTEN_KEEPALIVE void OnListKey(int index, int key, int caret, int page)
{
    if (key >= 0 && key <= static_cast<int>(form::ListKey::Space))
        window_->List1_Key(index, static_cast<form::ListKey>(key), caret, page);
}

EMSCRIPTEN_KEEPALIVE void OnListTyped(int index, int character, int caret)
{
    if (character > 0)
        window_->List1_Typed(index, Utf8(static_cast<char32_t>(character)), caret);
}

EMSCRIPTEN_KEEPALIVE void OnClear()
{
    window_->Command1_Click();
}
}
