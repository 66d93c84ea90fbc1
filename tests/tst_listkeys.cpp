// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Which entry a key or a typed character selects in a list, in every
// window: exactly one, or none, whatever the list's state.

#include "listkeys.h"

#include <QTest>

Q_DECLARE_METATYPE(form::ListKey)
Q_DECLARE_METATYPE(std::string)

using form::ListKey;

class TestListKeys : public QObject
{
    Q_OBJECT

private slots:
    void keys_data()
    {
        QTest::addColumn<ListKey>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        // A fresh Available: 14 entries, the focus on the first, nothing selected, 7 in sight.
        QTest::newRow("down from a refilled list") << ListKey::Down << 14 << 0 << -1 << 7 << 1;
        QTest::newRow("space on the unselected focus") << ListKey::Space << 14 << 0 << -1 << 7 << 0;
        QTest::newRow("space on the selected focus") << ListKey::Space << 5 << 2 << 2 << 7 << -1;
        QTest::newRow("up at the top, unselected") << ListKey::Up << 14 << 0 << -1 << 7 << 0;
        QTest::newRow("up at the top, selected") << ListKey::Up << 14 << 0 << 0 << 7 << -1;
        QTest::newRow("down at the end, selected") << ListKey::Down << 3 << 2 << 2 << 7 << -1;
        QTest::newRow("home") << ListKey::Home << 14 << 9 << 9 << 7 << 0;
        QTest::newRow("end") << ListKey::End << 14 << 0 << -1 << 7 << 13;
        QTest::newRow("page down: a page less one") << ListKey::PageDown << 14 << 2 << 2 << 7 << 8;
        QTest::newRow("page down past the end") << ListKey::PageDown << 14 << 10 << 10 << 7 << 13;
        QTest::newRow("page up past the top") << ListKey::PageUp << 14 << 3 << 3 << 7 << 0;
        QTest::newRow("page of one row stays") << ListKey::PageDown << 4 << 1 << -1 << 1 << 1;
        QTest::newRow("caret outside the list") << ListKey::Down << 4 << 9 << -1 << 7 << 3;
        QTest::newRow("caret -1 (empty before)") << ListKey::Space << 4 << -1 << -1 << 7 << 0;
        QTest::newRow("empty list") << ListKey::Space << 0 << 0 << -1 << 7 << -1;
        QTest::newRow("empty list, end") << ListKey::End << 0 << -1 << -1 << 0 << -1;
    }
    void keys()
    {
        QFETCH(ListKey, key);
        QFETCH(int, count);
        QFETCH(int, caret);
        QFETCH(int, selected);
        QFETCH(int, page);
        QTEST(form::KeyRow(key, {count, caret, selected, page}), "row");
    }

    void typed_data()
    {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("row");
        // Crossed and Remaining keep entries with the same digit side by side.
        QTest::newRow("first with the digit") << std::string("2") << 0 << -1 << 2;
        QTest::newRow("the focus itself, unselected") << std::string("1") << 1 << -1 << 1;
        QTest::newRow("the next after the selected focus") << std::string("1") << 0 << 0 << 1;
        QTest::newRow("round to the top") << std::string("1") << 4 << 4 << 0;
        QTest::newRow("the one just before the focus") << std::string("3") << 4 << -1 << 3;
        QTest::newRow("the last, round from the focus on the first") << std::string("5") << 0 << -1 << 4;
        QTest::newRow("the only one, selected already") << std::string("5") << 4 << 4 << -1;
        QTest::newRow("no entry with it") << std::string("9") << 0 << -1 << -1;
        QTest::newRow("a land letter starts no entry") << std::string("А") << 0 << -1 << -1;
        QTest::newRow("blank") << std::string(" ") << 0 << -1 << -1;
        QTest::newRow("control byte") << std::string("\x1b") << 0 << -1 << -1;
        QTest::newRow("nothing") << std::string() << 0 << -1 << -1;
    }
    void typed()
    {
        QFETCH(std::string, typed);
        QFETCH(int, caret);
        QFETCH(int, selected);
        const std::vector<std::string> items = {"1 АБ", "1 БА", "2 БГ", "3 ГБ", "5 АВ"};
        QTEST(form::TypedRow(items, typed, {static_cast<int>(items.size()), caret, selected, 7}), "row");
        QCOMPARE(form::TypedRow({}, typed, {0, 0, -1, 7}), -1);
    }
};

QTEST_GUILESS_MAIN(TestListKeys)
#include "tst_listkeys.moc"
