// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Checks the rules that hold between events, on any three lists that claim
// to be Available, Crossed and Remaining: the walk's own or a window's.
#pragma once

#include "entry.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

// Calls a helper that checks with QVERIFY or QCOMPARE, and ends the calling
// test function as well when the helper failed: a failed check returns from
// the helper only.
#define CHECKED(call)                                                                                                  \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

namespace walkcheck {

using Texts = std::vector<std::string>;

// Available right after a reset: the catalogue in entry order.
inline const Texts kSorted = {"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ",
                              "4 БА", "5 АВ", "5 ВА", "6 ВГ", "6 ГВ", "7 БВ", "7 ВБ"};

// An empty string when the lists are a state the rules allow, otherwise what
// is wrong with them.
inline std::string Problem(const Texts &available, const Texts &crossed, const Texts &remaining)
{
    if (!std::is_sorted(available.begin(), available.end()) || !std::is_sorted(remaining.begin(), remaining.end()))
        return "Available or Remaining is not sorted";
    if (crossed.size() > 6)
        return "more than six crossings";
    if (crossed.empty()) {
        if (!remaining.empty() || available != kSorted)
            return "a fresh walk must offer all fourteen entries and nothing else";
        return {};
    }
    // Crossed is a walk: each crossing starts where the one before it ended.
    for (std::size_t i = 1; i < crossed.size(); ++i) {
        if (walk::FromLand(crossed[i]) != walk::ToLand(crossed[i - 1]))
            return "crossing " + crossed[i] + " does not start where " + crossed[i - 1] + " ended";
    }
    std::multiset<std::string> inPlay(available.begin(), available.end());
    inPlay.insert(remaining.begin(), remaining.end());
    for (std::string_view entry : walk::kCatalogueEntries) {
        const int bridge = walk::BridgeNumber(entry);
        const auto timesCrossed = std::count_if(crossed.begin(), crossed.end(),
                                                [&](const std::string &c) { return walk::BridgeNumber(c) == bridge; });
        const auto timesInPlay = inPlay.count(std::string(entry));
        if (timesCrossed > 1 || timesInPlay != (timesCrossed ? 0u : 1u))
            return "bridge " + std::to_string(bridge) + " is crossed " + std::to_string(timesCrossed)
                   + " times while " + std::string(entry) + " is in play " + std::to_string(timesInPlay) + " times";
    }
    const auto inCatalogue = [](const std::string &e) {
        return std::find(walk::kCatalogueEntries.begin(), walk::kCatalogueEntries.end(), e) != walk::kCatalogueEntries.end();
    };
    if (inPlay.size() != 14 - 2 * crossed.size() || !std::all_of(crossed.begin(), crossed.end(), inCatalogue))
        return "an entry that is not in the catalogue";
    const std::string_view land = walk::ToLand(crossed.back());
    for (const std::string &e : available) {
        if (walk::FromLand(e) != land)
            return "Available holds " + e + " though the walker stands on " + std::string(land);
    }
    for (const std::string &e : remaining) {
        if (walk::FromLand(e) == land)
            return "Remaining holds " + e + " though it leads away from " + std::string(land);
    }
    return {};
}

} // namespace walkcheck
