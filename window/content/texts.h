// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Every text a user reads or hears, as one table per language (bg.h, en.h;
// languages.h lists them): the window's texts, what screen readers say, the
// help, and how the lands of an entry are written. Texts are UTF-8; each
// line of a multi-line text ends in a line break, and blanks at line ends
// belong to the text.
#pragma once

#include "entry.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace content {

// How a language writes the four lands (walk::kLands, in that order). Each
// is one character, and they keep the lands' alphabetical order, so that
// shown entries sort as the walk's do.
using Lands = std::array<const char *, 4>;

struct Texts
{
    const char *code; // the language's tag, as --language and a page's lang take it
    const char *name; // its name in English, for --help and errors
    Lands lands;      // also the letters on the map, map-CODE.bmp

    const char *summary;                    // what Kelvani is, in one sentence: a page's description
    const char *caption;                    // the window's title: a web address, a blank, "Kelvani"
    const char *heading;                    // Label1(0)
    const char *available, *crossed, *remaining; // the lists' captions, which also name them
    const char *clear;                      // Command1
    const char *statement;                  // Text1(0), the problem statement
    const char *secondText;                 // Text1(1), which the window keeps hidden

    // What a screen reader says for the statement and the map; the lists
    // take their names from their captions.
    const char *statementName, *mapName, *mapDescription;

    // The help that F1 opens: its title, the name of the button that closes
    // it (where it has one), and its text in Markdown, %1 standing for the
    // version. Each paragraph and list item is one line, so that a host
    // wraps it to its window's width.
    const char *helpTitle, *helpClose, *help;
};

// An entry as a language shows it: the walk's entry ("5 АВ") with its land
// letters written as lands has them ("5 AC"). The walk itself keeps its own.
inline std::string ShownEntry(std::string_view entry, const Lands &lands)
{
    std::string shown;
    for (int position = 1;; ++position) {
        const std::string_view character = walk::CharacterAt(entry, position);
        if (character.empty())
            return shown;
        const auto land = std::find(walk::kLands.begin(), walk::kLands.end(), character);
        shown += land == walk::kLands.end() ? character : lands[land - walk::kLands.begin()];
    }
}

} // namespace content
