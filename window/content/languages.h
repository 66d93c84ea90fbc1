// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The languages Kelvani speaks, each one table of texts. The first is the
// program's own, which it speaks unless asked for another, whatever the
// system's locale. A language added here needs its map drawn too
// (kelvani-drawpictures) and its code in KELVANI_LANGUAGES (CMakeLists.txt).
#pragma once

#include "bg.h"
#include "en.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace content {

inline constexpr std::array<const Texts *, 2> kLanguages = {&kBulgarian, &kEnglish};

// The language with this code ("en", or as tags go, "EN"), or nullptr when
// there is none.
constexpr const Texts *FindLanguage(std::string_view code)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const Texts *texts : kLanguages) {
        const std::string_view known = texts->code;
        if (std::equal(code.begin(), code.end(), known.begin(), known.end(),
                       [&](char a, char b) { return lower(a) == b; }))
            return texts;
    }
    return nullptr;
}

// The known languages, for --help and errors: "bg (Bulgarian) or en (English)".
inline std::string KnownLanguages()
{
    std::string known;
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        known += i == 0 ? "" : i + 1 < kLanguages.size() ? ", " : " or ";
        known += std::string(kLanguages[i]->code) + " (" + kLanguages[i]->name + ")";
    }
    return known;
}

} // namespace content
