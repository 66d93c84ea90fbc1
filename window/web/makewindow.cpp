// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Builds the window's part of the page from its definition, at build time
// (run by Node.js), so that the browser shows the whole window, lists and
// all, as it reads the page, before any program runs:
//   makewindow html   the window with the controls' elements, in the order
//                     of form.h, which is the page's tab order, and the
//                     walk's lists as the window's Load leaves them; then
//                     the help's dialog
//   makewindow css    each control's place, size and colour
//   makewindow title  the page's title, the window's caption
//   makewindow help   the help's text, in Markdown
// The map's pictures stand as @MAP@ and @MAP_2X@, the help's text turned
// into HTML as @HELP@, for make_page.py to fill.
#include "content/help.h"
#include "form.h"
#include "walk.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string Id(const form::Control &control)
{
    return control.name + (control.index >= 0 ? "_" + std::to_string(control.index) : "");
}

std::string Colour(form::Rgb c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
    return text;
}

std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

// A list's entries as options, the first one where the focus rests.
std::string Options(const std::string &list, const walk::ItemList &items)
{
    std::string html;
    for (int row = 0; row < items.ListCount(); ++row) {
        const std::string n = std::to_string(row);
        html += "<div role=\"option\" id=\"" + list + "-" + n + "\" aria-selected=\"false\"" +
                (row == 0 ? " class=\"caret\"" : "") + ">" + Escaped(items.List(row)) + "</div>";
    }
    return html;
}

std::string Html()
{
    walk::Walk walk; // as the window's Load leaves it
    walk.ResetWalk();
    std::string html = "<main id=\"window\" data-width=\"" + std::to_string(form::Pixels(form::kWidth, 96)) + "\">\n";
    const form::Control *caption = nullptr; // the caption just before a list names it
    for (const form::Control &control : form::kControls) {
        const std::string id = Id(control);
        const std::string hidden = control.shown ? "" : " hidden";
        const std::string text = Escaped(control.text ? control.text : "");
        switch (control.kind) {
        case form::Kind::TextBox:
            html += "<textarea id=\"" + id + "\" class=\"TextBox\" readonly" + hidden +
                    (control.index == 0 ? " aria-label=\"" + Escaped(content::kStatementName) + "\"" : "") + ">" +
                    text + "</textarea>\n";
            break;
        case form::Kind::Label:
            caption = &control;
            html += "<div id=\"" + id + "\" class=\"Label\"" + hidden + ">" + text + "</div>\n";
            break;
        case form::Kind::ListBox: {
            const walk::ItemList &list = walk.List1[control.index];
            html += "<div id=\"" + id + "\" class=\"ListBox\" role=\"listbox\"" + hidden +
                    (control.shown ? " tabindex=\"0\"" : "") +
                    (caption ? " aria-labelledby=\"" + Id(*caption) + "\"" : "") +
                    (list.ListCount() ? " aria-activedescendant=\"" + id + "-0\"" : "") + ">" + Options(id, list) +
                    "</div>\n";
            caption = nullptr;
            break;
        }
        case form::Kind::PictureBox: {
            // The picture inside the box's sunken edge of 2 pixels; the sharp
            // one on screens of 1.5 times the density and more.
            const form::Rect place = form::Pixels(control.place, 96);
            html += "<div id=\"" + id + "\" class=\"PictureBox\"" + hidden +
                    "><picture><source media=\"(min-resolution: 1.5dppx)\" srcset=\"data:image/png;base64,@MAP_2X@ "
                    "2x\"><img src=\"data:image/png;base64,@MAP@\" width=\"" +
                    std::to_string(place.width - 4) + "\" height=\"" + std::to_string(place.height - 4) +
                    "\" decoding=\"sync\" alt=\"" + Escaped(content::kMapName) +
                    "\" aria-describedby=\"map-description\"></picture><p id=\"map-description\" hidden>" +
                    Escaped(content::kMapDescription) + "</p></div>\n";
            break;
        }
        case form::Kind::CommandButton:
            html += "<button id=\"" + id + "\" class=\"CommandButton\" type=\"button\"" + hidden + ">" + text +
                    "</button>\n";
            break;
        }
    }
    html += "</main>\n";
    // The help, opened by F1: a modal dialog with a button that closes it.
    return html + "<dialog id=\"help\" aria-labelledby=\"help-title\">\n<form method=\"dialog\"><button aria-label=\"" +
           Escaped(content::kHelpClose) + "\">×</button></form>\n<h1 id=\"help-title\">" +
           Escaped(content::kHelpTitle) + "</h1>\n@HELP@\n</dialog>\n";
}

// The help's Markdown with the version in it.
std::string Help()
{
    std::string help = content::kHelp;
    return help.replace(help.find("%1"), 2, KELVANI_VERSION);
}

std::string Css()
{
    std::string css = "#window{width:" + Px(form::Pixels(form::kWidth, 96)) + ";height:" +
                      Px(form::Pixels(form::kHeight, 96)) + ";background:" + Colour(form::kWindowColour) +
                      ";--width:" + Px(form::Pixels(form::kWidth, 96)) + "}\n";
    for (const form::Control &control : form::kControls) {
        const form::Rect place = form::Pixels(control.place, 96);
        css += "#" + Id(control) + "{left:" + Px(place.left) + ";top:" + Px(place.top) + ";width:" + Px(place.width) +
               ";height:" + Px(place.height) +
               (control.background ? ";background:" + Colour(*control.background) : "") + "}\n";
    }
    return css;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string_view what = argc > 1 ? argv[1] : "";
    if (what == "html")
        std::fputs(Html().c_str(), stdout);
    else if (what == "css")
        std::fputs(Css().c_str(), stdout);
    else if (what == "title")
        std::fputs(Escaped(content::kCaption).c_str(), stdout);
    else if (what == "help")
        std::fputs(Help().c_str(), stdout);
    else
        return 2;
    return 0;
}
