// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "languages.h"

#include <algorithm>
#include <array>

namespace content {

namespace {

constexpr Texts kTable[] = {
#include "languages.inc"
};

} // namespace

std::span<const Texts> Languages()
{
    return kTable;
}

const Texts *FindLanguage(std::string_view code)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const Texts &texts : kTable) {
        const std::string_view known = texts.code;
        if (std::equal(code.begin(), code.end(), known.begin(), known.end(),
                       [&](char a, char b) { return lower(a) == b; }))
            return &texts;
    }
    return nullptr;
}

std::string KnownLanguages()
{
    std::string known;
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        known += i == 0 ? "" : i + 1 < std::size(kTable) ? ", " : " or ";
        known += std::string(kTable[i].code) + " (" + kTable[i].name + ")";
    }
    return known;
}

std::string Format(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::size_t n = at + 1 < pattern.size() ? static_cast<std::size_t>(pattern[at + 1] - '1') : 9;
        if (pattern[at] == '%' && n < arguments.size()) {
            text += arguments.begin()[n];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string MapDescription(const Texts &texts)
{
    const Lands &l = texts.lands;
    std::string description = Format(texts.mapLands, {l[0], l[1], l[2], l[3]});
    // Each bridge's lands, in the lands' order, from the first of its two
    // entries; the bridges that join the same lands are told together.
    std::array<std::array<int, 2>, 8> joins{};
    for (std::string_view entry : walk::kCatalogueEntries) {
        const auto land = [](std::string_view letter) {
            return static_cast<int>(std::find(walk::kLands.begin(), walk::kLands.end(), letter) - walk::kLands.begin());
        };
        const int from = land(walk::FromLand(entry)), to = land(walk::ToLand(entry));
        joins[walk::BridgeNumber(entry)] = {std::min(from, to), std::max(from, to)};
    }
    std::array<bool, joins.size()> told{};
    for (std::size_t bridge = 1; bridge < joins.size(); ++bridge) {
        if (told[bridge])
            continue;
        const auto twin = std::find(joins.begin() + bridge + 1, joins.end(), joins[bridge]);
        const std::string_view a = l[joins[bridge][0]], b = l[joins[bridge][1]];
        if (twin == joins.end()) {
            description += ' ' + Format(texts.mapBridge, {std::to_string(bridge), a, b});
        } else {
            const std::size_t other = twin - joins.begin();
            description += ' ' + Format(texts.mapBridges, {std::to_string(bridge), std::to_string(other), a, b});
            told[other] = true;
        }
    }
    return description;
}

} // namespace content
