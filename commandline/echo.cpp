// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "echo.h"

#include <cstdio>

namespace commandline {

namespace {

// The length of the UTF-8 sequence at the start of text, or 0 when it is not
// a valid one (a stray, overlong, surrogate or cut-short sequence).
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    // The second byte's range rules out overlong forms, surrogates and
    // code points past U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) || (lead == 0xF0 && byte(1) < 0x90)
        || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

} // namespace

std::string Echo(std::string_view line, std::size_t limit)
{
    std::string shown;
    std::size_t characters = 0;
    while (!line.empty() && characters < limit) {
        const std::size_t length = Utf8Length(line);
        const auto lead = static_cast<unsigned char>(line[0]);
        const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(line[1]) < 0xA0;
        if (length == 0 || lead < 0x20 || lead == 0x7F || c1) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c1 ? static_cast<unsigned char>(line[1]) : lead);
            shown += escaped;
            line.remove_prefix(c1 ? 2 : 1);
        } else {
            if (lead == '\\' || lead == '"')
                shown += '\\';
            shown += line.substr(0, length);
            line.remove_prefix(length);
        }
        ++characters;
    }
    if (!line.empty())
        shown += "...";
    return shown;
}

} // namespace commandline
