// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Prints the window's definition and content as JSON, for the browser tests
// to hold the page to: run with Node.js.
#include "content/help.h"
#include "content/texts.h"
#include "entry.h"
#include "form.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        if (c == '\n')
            quoted += "\\n";
        else
            quoted += c;
    }
    return quoted + '"';
}

std::string Colour(form::Rgb c)
{
    char text[10];
    std::snprintf(text, sizeof text, "\"#%02X%02X%02X\"", c.r, c.g, c.b);
    return text;
}

} // namespace

int main()
{
    const char *kinds[] = {"TextBox", "Label", "ListBox", "PictureBox", "CommandButton"};
    std::string json = "{\"width\": " + std::to_string(form::Pixels(form::kWidth, 96)) +
                       ", \"height\": " + std::to_string(form::Pixels(form::kHeight, 96)) +
                       ", \"colour\": " + Colour(form::kWindowColour) + ", \"caption\": " + Quoted(content::kCaption) +
                       ", \"statementName\": " + Quoted(content::kStatementName) +
                       ", \"mapName\": " + Quoted(content::kMapName) +
                       ", \"mapDescription\": " + Quoted(content::kMapDescription) +
                       ", \"helpTitle\": " + Quoted(content::kHelpTitle) + ", \"catalogue\": [";
    for (std::size_t i = 0; i < walk::kCatalogueEntries.size(); ++i)
        json += (i ? ", " : "") + Quoted(walk::kCatalogueEntries[i]);
    json += "], \"controls\": [";
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Control &c = form::kControls[i];
        const form::Rect r = form::Pixels(c.place, 96);
        json += std::string(i ? ", " : "") + "{\"kind\": \"" + kinds[static_cast<int>(c.kind)] + "\", \"id\": \"" +
                c.name + (c.index >= 0 ? "_" + std::to_string(c.index) : "") + "\", \"index\": " +
                std::to_string(c.index) + ", \"place\": [" + std::to_string(r.left) + ", " + std::to_string(r.top) +
                ", " + std::to_string(r.width) + ", " + std::to_string(r.height) + "], \"shown\": " +
                (c.shown ? "true" : "false") + ", \"colour\": " + (c.background ? Colour(*c.background) : "null") +
                ", \"text\": " + (c.text ? Quoted(c.text) : "null") + "}";
    }
    std::puts((json + "]}").c_str());
}
