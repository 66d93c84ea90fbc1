// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Every text a user reads or hears, as one table per language: the window's
// texts, what screen readers say, the help, and how the lands of an entry
// are written. The tables are made at build time from the translations in
// po/ (languages.h lists them). Texts are UTF-8; each line of a multi-line
// text ends in a line break, and blanks at line ends belong to the text.
#pragma once

#include "entry.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace content {

// How a language writes the four lands (walk::kLands, in that order). Each
// is one character, and they keep the lands' alphabetical order, so that
// shown entries sort as the walk's do.
using Lands = std::array<const char *, 4>;

// The same in every language: the window's caption (the publisher's web
// address, a blank, the program's name) and its heading, the name.
inline constexpr const char *kCaption = "www.example.org Kelvani";
inline constexpr const char *kHeading = "Kelvani";

struct Texts
{
    const char *code; // the language's tag, as --language and a page's lang take it
    const char *name; // its name in itself, for --help, errors and installers: "Deutsch"
    Lands lands;      // also the letters on the map

    const char *caption;                    // the window's title: kCaption
    const char *heading;                    // Label1(0): kHeading
    const char *summary;                    // what Kelvani is, in one sentence: a page's description
    const char *available, *crossed, *remaining; // the lists' captions, which also name them
    const char *clear;                      // Command1
    const char *statement;                  // Text1(0), the problem statement
    const char *secondText;                 // Text1(1), which the window keeps hidden

    // What a screen reader calls the statement and the map.
    const char *statementName, *mapName;
    // The sentences of the map's description (MapDescription): the lands,
    // %1 to %4 standing for their letters; two bridges between the same two
    // lands, %1 and %2 their numbers, %3 and %4 the lands; one bridge, %1
    // its number, %2 and %3 the lands.
    const char *mapLands, *mapBridges, *mapBridge;

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

// A translated text with %1 to %9 in it replaced by the arguments, in
// their order: the translation may put them where its language wants.
std::string Format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// What a screen reader says of the map: the lands, then which lands each
// bridge joins, as the walk's own catalogue has them, in the language's
// sentences and letters.
std::string MapDescription(const Texts &texts);

} // namespace content
