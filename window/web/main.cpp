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
#include <string_view>
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

// How the page writes the lands, one UTF-8 character each (where it gives
// fewer, the walk's own letters), asked of the page once, as the program
// starts.
std::array<std::string, 4> lands;
content::Lands Lands()
{
    char given[64] = {};
    page::Lands(given, sizeof given);
    for (std::size_t i = 0; i < lands.size(); ++i) {
        const std::string_view letter = walk::CharacterAt(given, static_cast<int>(i) + 1);
        lands[i] = letter.empty() ? walk::kLands[i] : letter;
    }
    return {lands[0].c_str(), lands[1].c_str(), lands[2].c_str(), lands[3].c_str()};
}

PageView view;
form::Window window(view, Lands());

} // namespace

int main()
{
    window.Load();
    view.loaded = true;
    page::Start();
    return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void OnListPress(int index, int row)
{
    window.List1_Press(index, row);
}

EMSCRIPTEN_KEEPALIVE void OnListKey(int index, int key, int caret, int page)
{
    if (key >= 0 && key <= static_cast<int>(form::ListKey::Space))
        window.List1_Key(index, static_cast<form::ListKey>(key), caret, page);
}

EMSCRIPTEN_KEEPALIVE void OnListTyped(int index, int character, int caret)
{
    if (character > 0)
        window.List1_Typed(index, Utf8(static_cast<char32_t>(character)), caret);
}

EMSCRIPTEN_KEEPALIVE void OnClear()
{
    window.Command1_Click();
}
}
