// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The window's definition, free of any toolkit: its size, colour and font,
// and every control on it with its place, size, colour and text. Each host
// (qt/, win32/, web/) builds its controls from this table in one loop, so
// this is the one place that says where a control stands and how it looks;
// formwindow.h says what the window does. A control's text comes from the
// table of the language chosen (content/languages.h).
//
// Places and sizes are in twips, 1/1440 inch, as the window was designed;
// Pixels() turns them into device pixels, 15 twips to a pixel at 96 dots per
// inch.
#pragma once

#include "content/texts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace form {

struct Rgb
{
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class Kind { TextBox, Label, ListBox, PictureBox, CommandButton };

// What a screen reader takes a control for: what its kind is (a text box, a
// list, ...), or a heading, where a label heads the window.
enum class Role { OfKind, Heading };

struct Rect
{
    int left, top, width, height;
    friend constexpr bool operator==(Rect, Rect) = default;
};

// A text of a language's table (content::Texts).
using TextOf = const char *content::Texts::*;

struct Control
{
    Kind kind;
    const char *name;  // the control's name: "Text1", "List1", "Command1", ...
    int index;         // its index in its control array; -1 for a single control
    Rect place;        // in twips, from the top-left corner of the window's inside
    bool shown;
    std::optional<Rgb> background; // none: the platform's own colours
    TextOf text;       // its caption or text; nullptr for none

    // What a screen reader hears of it, if it is shown: its name (nullptr:
    // its text, as a label's or a button's is), a description composed in
    // the language (nullptr: none), and its role.
    TextOf accessibleName = nullptr;
    std::string (*description)(const content::Texts &) = nullptr;
    Role role = Role::OfKind;
};

// The caption or text a control shows in a language, or nullptr for none.
constexpr const char *Text(const Control &control, const content::Texts &texts)
{
    return control.text ? texts.*control.text : nullptr;
}

// What a screen reader calls a control, and what it adds, in a language.
constexpr const char *AccessibleName(const Control &control, const content::Texts &texts)
{
    return control.accessibleName ? texts.*control.accessibleName : Text(control, texts);
}
inline std::string AccessibleDescription(const Control &control, const content::Texts &texts)
{
    return control.description ? control.description(texts) : std::string();
}

// Twips to device pixels at dpi dots per inch, rounded to the nearest.
constexpr int Pixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }
constexpr Rect Pixels(Rect twips, int dpi)
{
    return {Pixels(twips.left, dpi), Pixels(twips.top, dpi), Pixels(twips.width, dpi), Pixels(twips.height, dpi)};
}

// The window's inside (client area): 481 x 424 pixels at 96 dpi.
inline constexpr int kWidth = 7215, kHeight = 6360;
inline constexpr Rgb kWindowColour{0xC0, 0xC0, 0xFF};

// Every control's font: Times New Roman, or on a system without it another
// serif, 12 point, normal weight, with the Cyrillic character set; and the
// colour of every text on the window's colours.
inline constexpr struct
{
    const char *face = "Times New Roman";
    int points = 12;
    int weight = 400;
    int charset = 204;
} kFont;
inline constexpr Rgb kTextColour{0x00, 0x00, 0x00};

inline constexpr Rgb kLabelColour{0xFF, 0xC0, 0x80};

// The controls in the order in which the hosts create them. For the controls
// that take the focus this is the tab order: the statement, Available,
// Crossed, Remaining, Clear. Each list's caption comes just before its list,
// and names it; labels take no focus, so Tab never stops there. List1's
// index is the walk's list role (walk::ListRole).
inline constexpr std::array<Control, 12> kControls = {{
    {Kind::TextBox, "Text1", 0, {120, 4560, 6735, 1575}, true, {}, &content::Texts::statement, &content::Texts::statementName},
    {Kind::TextBox, "Text1", 1, {600, 4680, 6735, 1815}, false, {}, &content::Texts::secondText},
    {Kind::Label, "Label1", 0, {720, 0, 5655, 375}, true, kLabelColour, &content::Texts::heading, nullptr, nullptr, Role::Heading},
    {Kind::Label, "Label1", 1, {240, 2040, 1215, 375}, true, kLabelColour, &content::Texts::available},
    {Kind::ListBox, "List1", 0, {240, 2400, 1215, 1770}, true, Rgb{0xC0, 0xFF, 0xC0}, nullptr, &content::Texts::available},
    {Kind::Label, "Label1", 2, {3000, 3240, 1215, 375}, true, kLabelColour, &content::Texts::crossed},
    {Kind::ListBox, "List1", 1, {3000, 3600, 1215, 915}, true, Rgb{0xFF, 0x80, 0xFF}, nullptr, &content::Texts::crossed},
    {Kind::Label, "Label1", 3, {5760, 2040, 1215, 375}, true, kLabelColour, &content::Texts::remaining},
    {Kind::ListBox, "List1", 2, {5760, 2400, 1215, 1770}, true, Rgb{0x80, 0x80, 0xFF}, nullptr, &content::Texts::remaining},
    {Kind::ListBox, "List1", 3, {360, 480, 1215, 915}, false, {}, nullptr},
    {Kind::PictureBox, "Picture1", -1, {1920, 480, 3360, 2655}, true, {}, nullptr, &content::Texts::mapName, content::MapDescription},
    {Kind::CommandButton, "Command1", -1, {5760, 720, 1215, 375}, true, Rgb{0xFF, 0x80, 0x80}, &content::Texts::clear},
}};

// The bridge map in Picture1 is one picture for every language
// (content/map.bmp, 220 x 173, and map@2x.png at twice the density), on
// which each host writes the lands' letters of the window's language: in the
// window's font made bold, black outlined in golden brown, each centred on
// its land. Places and sizes are in the picture's pixels at 96 dpi, in the
// lands' order (walk::kLands).
struct MapLetter
{
    double x, y; // the letter's centre
    int pixels;  // its size
};
inline constexpr std::array<MapLetter, 4> kMapLetters = {{{110, 23, 20}, {62, 86.5, 18}, {163, 86.5, 18}, {110, 150, 20}}};
inline constexpr int kMapWidth = 220, kMapHeight = 173;
inline constexpr int kMapLetterWeight = 700;
inline constexpr Rgb kMapLetterColour{0x00, 0x00, 0x00}, kMapOutlineColour{0xC8, 0x96, 0x28};
inline constexpr double kMapOutline = 2; // the outline's pen, half of it outside the letter

// The control that has the focus when the window first shows: the
// statement, the first in tab order.
inline constexpr std::size_t kFirstFocus = 0;

// The help window that F1 opens: its inside, in pixels at 96 dots per inch.
inline constexpr int kHelpWidth = 560, kHelpHeight = 520;

// The number of the control at position i of kControls, for hosts and tests
// that address controls by number (the Win32 host's child-window ids).
constexpr int ControlId(std::size_t i) { return 100 + static_cast<int>(i); }

} // namespace form
