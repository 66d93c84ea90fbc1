// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The walk on its own: readings of an entry, the item list, reset and
// crossing, and every walk that can be played from a fresh start.

#include "walk.h"
#include "entry.h"
#include "walkcheck.h"

#include <QTest>

#include <functional>
#include <map>
#include <stdexcept>

using walk::Walk;
using Texts = walkcheck::Texts;
using walkcheck::kSorted;

Q_DECLARE_METATYPE(std::string)

namespace {


// Selects an entry of Available by its text and crosses it, as a click does.
void Cross(Walk &w, const std::string &entry)
{
    const Texts &available = w.List1[walk::kAvailable].Items();
    const auto at = std::find(available.begin(), available.end(), entry);
    QVERIFY2(at != available.end(), entry.c_str());
    w.List1[walk::kAvailable].Select(static_cast<int>(at - available.begin()));
    w.CrossBridge(walk::kAvailable);
}

std::string Problem(const Walk &w)
{
    return walkcheck::Problem(w.List1[walk::kAvailable].Items(), w.List1[walk::kCrossed].Items(),
                              w.List1[walk::kRemaining].Items());
}

void CompareLists(const Walk &w, const Texts &available, const Texts &crossed, const Texts &remaining)
{
    QCOMPARE(w.List1[walk::kAvailable].Items(), available);
    QCOMPARE(w.List1[walk::kCrossed].Items(), crossed);
    QCOMPARE(w.List1[walk::kRemaining].Items(), remaining);
}

Walk Fresh()
{
    Walk w;
    w.ResetWalk();
    return w;
}

} // namespace

class TestWalk : public QObject
{
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("bridge");
        QTest::addColumn<std::string>("from");
        QTest::addColumn<std::string>("to");
        QTest::newRow("catalogue") << std::string("5 АВ") << 5 << std::string("А") << std::string("В");
        QTest::newRow("back") << std::string("7 ВБ") << 7 << std::string("В") << std::string("Б");
        QTest::newRow("empty") << std::string() << 0 << std::string() << std::string();
        QTest::newRow("non-digit") << std::string("Б 1А") << 0 << std::string("1") << std::string("А");
        QTest::newRow("blank first") << std::string(" АБ") << 0 << std::string("Б") << std::string();
        QTest::newRow("digit only") << std::string("1") << 1 << std::string() << std::string();
        QTest::newRow("nine") << std::string("9 АБ") << 9 << std::string("А") << std::string("Б"); // matches no bridge
        QTest::newRow("three characters") << std::string("4 А") << 4 << std::string("А") << std::string();
        QTest::newRow("ascii lands") << std::string("2 xy") << 2 << std::string("x") << std::string("y");
        // A continuation byte with no lead byte still counts as one character.
        QTest::newRow("broken utf-8") << std::string("\x80\x80 АБ") << 0 << std::string("А") << std::string("Б");
        QTest::newRow("cut letter") << std::string("3 А\xD0") << 3 << std::string("А") << std::string("\xD0");
    }
    void readings()
    {
        QFETCH(std::string, text);
        QFETCH(int, bridge);
        QFETCH(std::string, from);
        QFETCH(std::string, to);
        QCOMPARE(walk::BridgeNumber(text), bridge);
        QCOMPARE(std::string(walk::FromLand(text)), from);
        QCOMPARE(std::string(walk::ToLand(text)), to);
        QVERIFY(walk::CharacterAt(text, 0).empty());
        QVERIFY(walk::CharacterAt(text, -3).empty());
        QVERIFY(walk::CharacterAt(text, 99).empty());
    }

    // Sorted lists keep entry order whatever the order of insertion; the
    // catalogue, read in its stored order, sorts to the fresh Available list.
    void sortedInsert()
    {
        Texts order(walk::kCatalogueEntries.begin(), walk::kCatalogueEntries.end());
        QVERIFY(order != kSorted);
        std::sort(order.begin(), order.end());
        QCOMPARE(order, kSorted);
        for (bool reversed : {false, true}) {
            walk::ItemList list(true);
            for (std::size_t i = 0; i < walk::kCatalogueEntries.size(); ++i)
                list.AddItem(std::string(walk::kCatalogueEntries[reversed ? 13 - i : i]));
            QCOMPARE(list.Items(), kSorted);
        }
        walk::ItemList unsorted(false);
        for (std::string_view e : walk::kCatalogueEntries)
            unsorted.AddItem(std::string(e));
        QVERIFY(std::equal(unsorted.Items().begin(), unsorted.Items().end(), walk::kCatalogueEntries.begin()));
    }

    void itemListSelectionFollowsItsItem()
    {
        walk::ItemList list(true);
        for (const char *e : {"2 БГ", "4 АБ", "6 ВГ"})
            list.AddItem(e);
        list.Select(1); // "4 АБ"
        list.AddItem("1 АБ"); // before it
        QCOMPARE(list.ListIndex(), 2);
        list.AddItem("3 БГ"); // at its very index
        QCOMPARE(list.ListIndex(), 3);
        list.AddItem("7 ВБ"); // after it
        QCOMPARE(list.ListIndex(), 3);
        list.RemoveItem(0);
        QCOMPARE(list.List(list.ListIndex()), std::string("4 АБ"));
        list.RemoveItem(list.ListIndex());
        QCOMPARE(list.ListIndex(), -1);
        list.Select(0);
        list.Clear();
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.ListCount(), 0);
    }

    void itemListRejectsIndicesOutside()
    {
        walk::ItemList list(false);
        list.AddItem("1 АБ");
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.RemoveItem(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.RemoveItem(-1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.List(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.Select(-2));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.Select(1));
        QCOMPARE(list.Items(), Texts{"1 АБ"});
    }

    void workedExample()
    {
        Walk w = Fresh();
        CHECKED(CompareLists(w, kSorted, {}, {}));
        CHECKED(Cross(w, "5 АВ"));
        CHECKED(CompareLists(w, {"6 ВГ", "7 ВБ"}, {"5 АВ"},
                     {"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ", "4 БА", "6 ГВ", "7 БВ"}));
        CHECKED(Cross(w, "7 ВБ"));
        CHECKED(CompareLists(w, {"1 БА", "2 БГ", "3 БГ", "4 БА"}, {"5 АВ", "7 ВБ"},
                     {"1 АБ", "2 ГБ", "3 ГБ", "4 АБ", "6 ВГ", "6 ГВ"}));
        for (const char *e : {"1 БА", "4 АБ", "2 БГ", "3 ГБ"}) {
            CHECKED(Cross(w, e));
            QCOMPARE(Problem(w), std::string());
        }
        CHECKED(CompareLists(w, {}, {"5 АВ", "7 ВБ", "1 БА", "4 АБ", "2 БГ", "3 ГБ"}, {"6 ВГ", "6 ГВ"}));
    }

    // Standing on Г with only bridges 1, 4, 5 and 7 left: a dead end after three.
    void deadEnd()
    {
        Walk w = Fresh();
        for (const char *e : {"6 ВГ", "2 ГБ", "3 БГ"})
            CHECKED(Cross(w, e));
        CHECKED(CompareLists(w, {}, {"6 ВГ", "2 ГБ", "3 БГ"},
                     {"1 АБ", "1 БА", "4 АБ", "4 БА", "5 АВ", "5 ВА", "7 БВ", "7 ВБ"}));
        const Walk before = w;
        w.CrossBridge(walk::kAvailable); // nothing selected, nothing to select
        CHECKED(CompareLists(w, before.List1[0].Items(), before.List1[1].Items(), before.List1[2].Items()));
    }


    // Only a selection in Available crosses anything.
    void crossingElsewhereChangesNothing()
    {
        Walk w = Fresh();
        CHECKED(Cross(w, "5 АВ"));
        const Walk before = w;
        w.List1[walk::kCrossed].Select(0);
        w.List1[walk::kRemaining].Select(3);
        w.List1[walk::kCatalogue].Select(5);
        w.List1[walk::kAvailable].Select(1); // ready to cross, but only for index 0
        for (int index : {1, 2, 3, -1}) {
            w.CrossBridge(index);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(w.List1[i].Items(), before.List1[i].Items());
        }
        w.List1[walk::kAvailable].Select(-1);
        w.CrossBridge(walk::kAvailable); // nothing selected in Available
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w.List1[i].Items(), before.List1[i].Items());
    }

    void resetFromAnyState()
    {
        for (const Texts &moves : {Texts{}, Texts{"5 АВ", "7 ВБ"}, Texts{"6 ВГ", "2 ГБ", "3 БГ"}}) {
            Walk w = Fresh();
            for (const std::string &e : moves)
                CHECKED(Cross(w, e));
            w.List1[walk::kRemaining].Select(w.List1[walk::kRemaining].ListCount() - 1);
            w.ResetWalk();
            CHECKED(CompareLists(w, kSorted, {}, {}));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(w.List1[i].ListIndex(), -1);
            QVERIFY(std::equal(w.List1[3].Items().begin(), w.List1[3].Items().end(), walk::kCatalogueEntries.begin()));
        }
    }

    // Plays every walk there is from a fresh start, checking the rules after
    // each crossing, and counts them against a search of the bridge graph
    // itself that knows nothing of the lists.
    void everyWalk()
    {
        std::map<std::size_t, int> walksByLength;
        std::function<void(const Walk &)> play = [&](const Walk &w) {
            const walk::ItemList &available = w.List1[walk::kAvailable];
            if (available.ListCount() == 0) {
                ++walksByLength[w.List1[walk::kCrossed].Items().size()];
                QVERIFY(w.List1[walk::kRemaining].ListCount() >= 2);
                return;
            }
            for (int i = 0; i < available.ListCount(); ++i) {
                Walk next = w;
                next.List1[walk::kAvailable].Select(i);
                next.CrossBridge(walk::kAvailable);
                const std::string problem = Problem(next);
                QVERIFY2(problem.empty(), problem.c_str());
                QVERIFY(std::equal(next.List1[3].Items().begin(), next.List1[3].Items().end(),
                                   walk::kCatalogueEntries.begin()));
                play(next);
                if (QTest::currentTestFailed())
                    return;
            }
        };
        CHECKED(play(Fresh()));

        const std::map<int, std::pair<char, char>> bridges = {{1, {'A', 'B'}}, {2, {'B', 'D'}}, {3, {'B', 'D'}},
                                                             {4, {'A', 'B'}}, {5, {'A', 'C'}}, {6, {'C', 'D'}},
                                                             {7, {'B', 'C'}}};
        std::map<std::size_t, int> trailsByLength;
        std::function<void(char, std::set<int> &)> extend = [&](char land, std::set<int> &used) {
            bool moved = false;
            for (const auto &[bridge, ends] : bridges) {
                if (used.count(bridge) || (ends.first != land && ends.second != land))
                    continue;
                moved = true;
                used.insert(bridge);
                extend(ends.first == land ? ends.second : ends.first, used);
                used.erase(bridge);
            }
            if (!moved)
                ++trailsByLength[used.size()];
        };
        for (char start : {'A', 'B', 'C', 'D'}) {
            std::set<int> used;
            extend(start, used);
        }
        QCOMPARE(walksByLength, trailsByLength);
        QCOMPARE(walksByLength.rbegin()->first, std::size_t(6));
        int total = 0;
        for (const auto &[length, count] : walksByLength)
            total += count;
        qInfo("%d complete walks, %d of them cross six bridges", total, walksByLength[6]);
    }
};

QTEST_GUILESS_MAIN(TestWalk)
#include "tst_walk.moc"
