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

namespace form {

struct Rgb
{
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class Kind { TextBox, Label, ListBox, PictureBox, CommandButton };

struct Rect
{
    int left, top, width, height;
    friend constexpr bool operator==(Rect, Rect) = default;
};

struct Control
{
    Kind kind;
    const char *name;  // the control's name: "Text1", "List1", "Command1", ...
    int index;         // its index in its control array; -1 for a single control
    Rect place;        // in twips, from the top-left corner of the window's inside
    bool shown;
    std::optional<Rgb> background; // none: the platform's own colours
    const char *content::Texts::*text; // its caption or text in a language's table; nullptr for none
};

// The caption or text a control shows in a language, or nullptr for none.
constexpr const char *Text(const Control &control, const content::Texts &texts)
{
    return control.text ? texts.*control.text : nullptr;
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
// serif, 12 point, normal weight, with the Cyrillic character set.
inline constexpr struct
{
    const char *face = "Times New Roman";
    int points = 12;
    int weight = 400;
    int charset = 204;
} kFont;

inline constexpr Rgb kLabelColour{0xFF, 0xC0, 0x80};

// The controls in the order in which the hosts create them. For the controls
// that take the focus this is the tab order: the statement, Available,
// Crossed, Remaining, Clear. Each list's caption comes just before its list,
// so that screen readers that name a control after the text before it name
// the list after its caption; labels take no focus, so Tab never stops there.
// List1's index is the walk's list role (walk::ListRole).
inline constexpr std::array<Control, 12> kControls = {{
    {Kind::TextBox, "Text1", 0, {120, 4560, 6735, 1575}, true, {}, &content::Texts::statement},
    {Kind::TextBox, "Text1", 1, {600, 4680, 6735, 1815}, false, {}, &content::Texts::secondText},
    {Kind::Label, "Label1", 0, {720, 0, 5655, 375}, true, kLabelColour, &content::Texts::heading},
    {Kind::Label, "Label1", 1, {240, 2040, 1215, 375}, true, kLabelColour, &content::Texts::available},
    {Kind::ListBox, "List1", 0, {240, 2400, 1215, 1770}, true, Rgb{0xC0, 0xFF, 0xC0}, nullptr},
    {Kind::Label, "Label1", 2, {3000, 3240, 1215, 375}, true, kLabelColour, &content::Texts::crossed},
    {Kind::ListBox, "List1", 1, {3000, 3600, 1215, 915}, true, Rgb{0xFF, 0x80, 0xFF}, nullptr},
    {Kind::Label, "Label1", 3, {5760, 2040, 1215, 375}, true, kLabelColour, &content::Texts::remaining},
    {Kind::ListBox, "List1", 2, {5760, 2400, 1215, 1770}, true, Rgb{0x80, 0x80, 0xFF}, nullptr},
    {Kind::ListBox, "List1", 3, {360, 480, 1215, 915}, false, {}, nullptr},
    {Kind::PictureBox, "Picture1", -1, {1920, 480, 3360, 2655}, true, {}, nullptr},
    {Kind::CommandButton, "Command1", -1, {5760, 720, 1215, 375}, true, Rgb{0xFF, 0x80, 0x80}, &content::Texts::clear},
}};

// The number of the control at position i of kControls, for hosts and tests
// that address controls by number (the Win32 host's child-window ids).
constexpr int ControlId(std::size_t i) { return 100 + static_cast<int>(i); }

} // namespace form
