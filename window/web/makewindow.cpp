// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Builds the window's part of the page from its definition, at build time
// (run by Node.js), so that the browser shows the whole window, lists and
// all, as it reads the page, before any program runs:
//   makewindow html CODE   the window with the controls' elements, in the
//                          order of form.h, which is the page's tab order,
//                          and the walk's lists as the window's Load leaves
//                          them; then the help's dialog
//   makewindow css         each control's place, size and colour
//   makewindow title CODE  the page's title, the window's caption
//   makewindow description CODE  the page's description, in one sentence
//   makewindow help CODE   the help's text, in Markdown
//   makewindow json CODE   the window's definition and content, for the
//                          tests to hold the page to
// CODE is the page's language (content/languages.h).
//   makewindow languages     the languages' codes, Kelvani's own first
// The map's pictures stand as @MAP@ and @MAP_2X@, the help's text turned
// into HTML as @HELP@, for make_page.py to fill.
#include "content/languages.h"
#include "entry.h"
#include "form.h"
#include "formwindow.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

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

// The lists as the window's Load shows them, which is how the page starts.
struct Loaded : form::View
{
    explicit Loaded(const content::Texts &texts) { form::Window(*this, texts.lands).Load(); }
    void FillList(int index, const std::vector<std::string> &entries, bool) override { lists[index] = entries; }
    void SelectEntry(int, int) override {}

    std::array<std::vector<std::string>, 4> lists;
};

// A list's entries as options, the first one where the focus rests.
std::string Options(const std::string &list, const std::vector<std::string> &entries)
{
    std::string html;
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const std::string n = std::to_string(row);
        html += "<div role=\"option\" id=\"" + list + "-" + n + "\" aria-selected=\"false\"" +
                (row == 0 ? " class=\"caret\"" : "") + ">" + Escaped(entries[row]) + "</div>";
    }
    return html;
}

// The attributes that tell a screen reader a control's name and, for a
// description, the id of the hidden element that holds it.
std::string Named(const form::Control &control, const content::Texts &texts, const std::string &described)
{
    const char *name = form::AccessibleName(control, texts);
    std::string html = name && control.accessibleName ? " aria-label=\"" + Escaped(name) + "\"" : "";
    return html + (control.description ? " aria-describedby=\"" + described + "\"" : "");
}

// The lands' letters on the map, each centred on its place.
std::string MapLetters(const content::Texts &texts)
{
    std::string svg = "<svg width=\"" + std::to_string(form::kMapWidth) + "\" height=\"" +
                      std::to_string(form::kMapHeight) + "\" aria-hidden=\"true\">";
    for (std::size_t i = 0; i < form::kMapLetters.size(); ++i) {
        const form::MapLetter &letter = form::kMapLetters[i];
        char place[64];
        std::snprintf(place, sizeof place, "x=\"%g\" y=\"%g\" font-size=\"%d\"", letter.x, letter.y, letter.pixels);
        svg += std::string("<text ") + place + ">" + Escaped(texts.lands[i]) + "</text>";
    }
    return svg + "</svg>";
}

std::string Html(const content::Texts &texts)
{
    const Loaded loaded(texts);
    std::string lands; // for the program, which writes the entries with them
    for (const char *land : texts.lands)
        lands += land;
    std::string html = "<main id=\"window\" data-width=\"" + std::to_string(form::Pixels(form::kWidth, 96)) +
                       "\" data-lands=\"" + Escaped(lands) + "\" data-focus=\"" +
                       Id(form::kControls[form::kFirstFocus]) + "\">\n";
    for (const form::Control &control : form::kControls) {
        const std::string id = Id(control);
        const std::string hidden = control.shown ? "" : " hidden";
        const char *utf8 = form::Text(control, texts);
        const std::string text = Escaped(utf8 ? utf8 : "");
        const std::string described = id + "-description";
        const std::string named = control.shown ? Named(control, texts, described) : "";
        const std::string description = control.shown && control.description
            ? "<p id=\"" + described + "\" hidden>" + Escaped(form::AccessibleDescription(control, texts)) + "</p>" : "";
        switch (control.kind) {
        case form::Kind::TextBox:
            html += "<textarea id=\"" + id + "\" class=\"TextBox\" readonly" + hidden + named + ">" + text +
                    "</textarea>" + description + "\n";
            break;
        case form::Kind::Label: {
            const char *element = control.role == form::Role::Heading ? "h1" : "div";
            html += "<" + std::string(element) + " id=\"" + id + "\" class=\"Label\"" + hidden + named + ">" + text +
                    "</" + element + ">" + description + "\n";
            break;
        }
        case form::Kind::ListBox: {
            const std::vector<std::string> &entries = loaded.lists[control.index];
            html += "<div id=\"" + id + "\" class=\"ListBox\" role=\"listbox\"" + hidden +
                    (control.shown ? " tabindex=\"0\"" : "") + named +
                    (entries.empty() ? "" : " aria-activedescendant=\"" + id + "-0\"") + ">" + Options(id, entries) +
                    "</div>" + description + "\n";
            break;
        }
        case form::Kind::PictureBox: {
            // The picture inside the box's sunken edge of 2 pixels, the
            // sharp one on screens of 1.5 times the density and more, and
            // the lands' letters on it. What a screen reader hears of it is
            // the image's.
            html += "<div id=\"" + id + "\" class=\"PictureBox\"" + hidden +
                    "><picture><source media=\"(min-resolution: 1.5dppx)\" srcset=\"data:image/png;base64,@MAP_2X@ "
                    "2x\"><img src=\"data:image/png;base64,@MAP@\" width=\"" + std::to_string(form::kMapWidth) +
                    "\" height=\"" + std::to_string(form::kMapHeight) + "\" decoding=\"sync\" alt=\"" +
                    Escaped(form::AccessibleName(control, texts)) + "\"" +
                    (control.description ? " aria-describedby=\"" + described + "\"" : "") + "></picture>" +
                    MapLetters(texts) + description + "</div>\n";
            break;
        }
        case form::Kind::CommandButton:
            html += "<button id=\"" + id + "\" class=\"CommandButton\" type=\"button\"" + hidden + named + ">" + text +
                    "</button>" + description + "\n";
            break;
        }
    }
    html += "</main>\n";
    // The help, opened by F1: a modal dialog with a button that closes it.
    return html + "<dialog id=\"help\" aria-labelledby=\"help-title\">\n<form method=\"dialog\"><button aria-label=\"" +
           Escaped(texts.helpClose) + "\">×</button></form>\n<h1 id=\"help-title\">" +
           Escaped(texts.helpTitle) + "</h1>\n@HELP@\n</dialog>\n";
}

// The help's Markdown with the version in it.
std::string Help(const content::Texts &texts)
{
    std::string help = texts.help;
    return help.replace(help.find("%1"), 2, KELVANI_VERSION);
}

std::string Css()
{
    std::string css = "#window{width:" + Px(form::Pixels(form::kWidth, 96)) + ";height:" +
                      Px(form::Pixels(form::kHeight, 96)) + ";background:" + Colour(form::kWindowColour) +
                      ";color:" + Colour(form::kTextColour) + ";--width:" + Px(form::Pixels(form::kWidth, 96)) + "}\n";
    for (const form::Control &control : form::kControls) {
        const form::Rect place = form::Pixels(control.place, 96);
        css += "#" + Id(control) + "{left:" + Px(place.left) + ";top:" + Px(place.top) + ";width:" + Px(place.width) +
               ";height:" + Px(place.height) +
               (control.background ? ";background:" + Colour(*control.background) : "") + "}\n";
    }
    css += ".PictureBox text{fill:" + Colour(form::kMapLetterColour) + ";stroke:" + Colour(form::kMapOutlineColour) +
           ";stroke-width:" + std::to_string(form::kMapOutline) + "px;font-weight:" + std::to_string(form::kMapLetterWeight) + "}\n";
    return css + "#help{width:min(" + Px(form::kHelpWidth) + ",100vw - 48px);height:min(" + Px(form::kHelpHeight) +
           ",100vh - 48px)}\n";
}

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

std::string Json(const content::Texts &texts)
{
    const char *kinds[] = {"TextBox", "Label", "ListBox", "PictureBox", "CommandButton"};
    std::string json = "{\"width\": " + std::to_string(form::Pixels(form::kWidth, 96)) +
                       ", \"height\": " + std::to_string(form::Pixels(form::kHeight, 96)) +
                       ", \"colour\": " + Quoted(Colour(form::kWindowColour)) + ", \"language\": " + Quoted(texts.code) +
                       ", \"caption\": " + Quoted(texts.caption) + ", \"helpTitle\": " + Quoted(texts.helpTitle) +
                       ", \"focus\": " + Quoted(Id(form::kControls[form::kFirstFocus])) +
                       ", \"help\": [" + std::to_string(form::kHelpWidth) + ", " + std::to_string(form::kHelpHeight) + "]" +
                       ", \"lands\": [";
    for (std::size_t i = 0; i < texts.lands.size(); ++i)
        json += (i ? ", " : "") + Quoted(texts.lands[i]);
    json += "], \"mapLetters\": [";
    for (std::size_t i = 0; i < form::kMapLetters.size(); ++i) {
        char letter[64];
        std::snprintf(letter, sizeof letter, "[%g, %g, %d]", form::kMapLetters[i].x, form::kMapLetters[i].y,
                      form::kMapLetters[i].pixels);
        json += (i ? ", " : "") + std::string(letter);
    }
    json += "], \"catalogue\": [";
    for (std::size_t i = 0; i < walk::kCatalogueEntries.size(); ++i)
        json += (i ? ", " : "") + Quoted(content::ShownEntry(walk::kCatalogueEntries[i], texts.lands));
    json += "], \"controls\": [";
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Control &c = form::kControls[i];
        const form::Rect r = form::Pixels(c.place, 96);
        const char *name = form::AccessibleName(c, texts);
        json += std::string(i ? ", " : "") + "{\"kind\": \"" + kinds[static_cast<int>(c.kind)] + "\", \"id\": \"" +
                Id(c) + "\", \"index\": " + std::to_string(c.index) + ", \"place\": [" + std::to_string(r.left) +
                ", " + std::to_string(r.top) + ", " + std::to_string(r.width) + ", " + std::to_string(r.height) +
                "], \"shown\": " + (c.shown ? "true" : "false") +
                ", \"colour\": " + (c.background ? Quoted(Colour(*c.background)) : "null") +
                ", \"text\": " + (c.text ? Quoted(form::Text(c, texts)) : "null") +
                ", \"name\": " + (name ? Quoted(name) : "null") +
                ", \"description\": " + Quoted(form::AccessibleDescription(c, texts)) +
                ", \"heading\": " + (c.role == form::Role::Heading ? "true" : "false") + "}";
    }
    return json + "]}\n";
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string_view what = argc > 1 ? argv[1] : "";
    const content::Texts *texts = content::FindLanguage(argc > 2 ? argv[2] : "");
    if (what == "css")
        std::fputs(Css().c_str(), stdout);
    else if (what == "languages")
        for (const content::Texts &language : content::Languages())
            std::printf("%s\n", language.code);
    else if (!texts)
        return 2;
    else if (what == "html")
        std::fputs(Html(*texts).c_str(), stdout);
    else if (what == "title")
        std::fputs(Escaped(texts->caption).c_str(), stdout);
    else if (what == "description")
        std::fputs(Escaped(texts->summary).c_str(), stdout);
    else if (what == "help")
        std::fputs(Help(*texts).c_str(), stdout);
    else if (what == "json")
        std::fputs(Json(*texts).c_str(), stdout);
    else
        return 2;
    return 0;
}
