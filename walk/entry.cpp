// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "entry.h"

namespace walk {

namespace {
bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

std::string_view CharacterAt(std::string_view text, int position)
{
    if (position < 1)
        return {};
    std::size_t start = 0;
    for (int i = 1; i <= position; ++i) {
        if (start >= text.size())
            return {};
        std::size_t end = start + 1;
        while (end < text.size() && IsContinuationByte(text[end]))
            ++end;
        if (i == position)
            return text.substr(start, end - start);
        start = end;
    }
    return {};
}

int BridgeNumber(std::string_view entry)
{
    if (entry.empty() || entry.front() < '0' || entry.front() > '9')
        return 0;
    return entry.front() - '0';
}

} // namespace walk
