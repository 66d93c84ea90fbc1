// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Crossing entries: the texts that every list of the walk holds.
//
// An entry is four characters: the bridge digit, a blank, the land the
// crossing starts from and the land it leads to ("5 АВ" crosses bridge 5
// from А to В). Texts are UTF-8, so each land letter takes two bytes; every
// position below counts characters, never bytes.
#pragma once

#include <array>
#include <string_view>

namespace walk {

// The four lands, in alphabet order: the north bank, the western island, the
// eastern island, the south bank.
inline constexpr std::array<std::string_view, 4> kLands = {"А", "Б", "В", "Г"};

// The fourteen entries, two per bridge, in the order in which a reset reads
// them. Bridges 3 and 4 list their directions the other way round; the order
// never shows because the list that receives them is sorted.
inline constexpr std::array<std::string_view, 14> kCatalogueEntries = {
    "1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 ГБ", "3 БГ", "4 БА",
    "4 АБ", "5 АВ", "5 ВА", "6 ВГ", "6 ГВ", "7 БВ", "7 ВБ",
};

// The character at a 1-based position, as a view into text; empty when the
// text is shorter. Never reads outside the text, even when it is not valid
// UTF-8 (a stray continuation byte then counts as part of the character
// before it).
std::string_view CharacterAt(std::string_view text, int position);

// The value of the first character taken as a decimal digit: 1 to 7 for
// every catalogue entry, 0 for an empty text or one starting with a non-digit.
int BridgeNumber(std::string_view entry);

// The third and fourth characters: where the crossing starts and ends.
// An empty view, which equals no land, when the text is too short.
inline std::string_view FromLand(std::string_view entry) { return CharacterAt(entry, 3); }
inline std::string_view ToLand(std::string_view entry) { return CharacterAt(entry, 4); }

// The order of sorted lists: by bridge digit, then from-land, then to-land,
// with the lands in alphabet order. Byte order of UTF-8 is code-point order,
// which puts А, Б, В, Г in that order, so a plain comparison is enough.
inline bool EntryLess(std::string_view a, std::string_view b) { return a < b; }

} // namespace walk
