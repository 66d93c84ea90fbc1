// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// What the window does with presses, keys, typed characters and Clear, with
// no toolkit: driven through a view that records what it is asked to show;
// and what it shows in each language.

#include "content/languages.h"
#include "formwindow.h"
#include "walkcheck.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <array>

using walkcheck::Texts;
Q_DECLARE_METATYPE(Texts)
Q_DECLARE_METATYPE(std::vector<int>)
Q_DECLARE_METATYPE(const content::Texts *)

namespace {

struct RecordingView : form::View
{
    void FillList(int index, const Texts &entries, bool) override
    {
        lists[index] = entries;
        calls += QString::number(index);
    }
    void SelectEntry(int index, int row) override
    {
        selected[index] = row;
        calls += '.';
    }

    std::array<Texts, 4> lists;
    std::array<int, 4> selected{-1, -1, -1, -1};
    QString calls; // the lists refilled, by index, and a dot for each selection shown
};

// One event of a row's script: "press LIST ROW", "key LIST NAME CARET PAGE",
// "type LIST TEXT CARET" or "clear".
void Play(form::Window &window, const QString &event)
{
    static const QStringList keys = {"up", "down", "home", "end", "pgup", "pgdn", "space"};
    const QStringList w = event.split(' ', Qt::SkipEmptyParts);
    if (w[0] == "press")
        window.List1_Press(w[1].toInt(), w[2].toInt());
    else if (w[0] == "key")
        window.List1_Key(w[1].toInt(), form::ListKey(keys.indexOf(w[2])), w[3].toInt(), w[4].toInt());
    else if (w[0] == "type")
        window.List1_Typed(w[1].toInt(), w[2].toStdString(), w[3].toInt());
    else
        window.Command1_Click();
}

} // namespace

class TestFormWindow : public QObject
{
    Q_OBJECT

private slots:
    // Crossed after the script, the entries selected in the three lists, and
    // the lists the last event refilled ("-": it showed nothing at all).
    // Given Crossed, the walk's rules leave one Available and one Remaining,
    // which walkcheck holds the view to.
    void events_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Texts>("crossed");
        QTest::addColumn<std::vector<int>>("selected");
        QTest::addColumn<QString>("refilled");
        QTest::newRow("a press crosses") << "press 0 8" << Texts{"5 АВ"} << std::vector{-1, -1, -1} << "012";
        QTest::newRow("a press in Crossed only selects") << "press 0 8; press 1 0" << Texts{"5 АВ"}
                                                         << std::vector{-1, 0, -1} << "";
        QTest::newRow("a selection in Remaining follows its entry") << "press 0 8; press 2 8; press 0 1"
                                                                    << Texts{"5 АВ", "7 ВБ"} << std::vector{-1, -1, 5} << "012";
        QTest::newRow("a press below the last entry") << "press 0 8; press 2 0; press 2 10" << Texts{"5 АВ"}
                                                      << std::vector{-1, -1, 0} << "-";
        QTest::newRow("a press on the hidden catalogue") << "press 3 0" << Texts{} << std::vector{-1, -1, -1} << "-";
        QTest::newRow("Up on the first entry") << "key 0 up 0 6" << Texts{"1 АБ"} << std::vector{-1, -1, -1} << "012";
        QTest::newRow("Page Down a page from the focus") << "key 0 pgdn 3 7" << Texts{"5 ВА"} << std::vector{-1, -1, -1}
                                                         << "012";
        QTest::newRow("End in Remaining") << "press 0 8; key 2 end 0 6" << Texts{"5 АВ"} << std::vector{-1, -1, 9} << "";
        QTest::newRow("End again at the end") << "press 0 8; key 2 end 0 6; key 2 end 9 6" << Texts{"5 АВ"}
                                              << std::vector{-1, -1, 9} << "-";
        QTest::newRow("a key in a list not shown") << "key 4 down 0 6" << Texts{} << std::vector{-1, -1, -1} << "-";
        QTest::newRow("a key in a dry Available") << "press 0 10; press 0 0; press 0 1; key 0 space 0 6"
                                                  << Texts{"6 ВГ", "2 ГБ", "3 БГ"} << std::vector{-1, -1, -1} << "-";
        QTest::newRow("a typed digit") << "type 0 5 0" << Texts{"5 АВ"} << std::vector{-1, -1, -1} << "012";
        QTest::newRow("the same digit again moves on") << "press 0 8; type 2 1 0; type 2 1 0" << Texts{"5 АВ"}
                                                       << std::vector{-1, -1, 1} << "";
        QTest::newRow("a digit from the focus") << "press 0 8; type 2 4 7" << Texts{"5 АВ"}
                                                << std::vector{-1, -1, 7} << "";
        QTest::newRow("Clear mid-walk") << "press 0 8; press 2 3; clear" << Texts{} << std::vector{-1, -1, -1} << "012";
        QTest::newRow("Clear on a fresh walk") << "clear" << Texts{} << std::vector{-1, -1, -1} << "";
    }
    void events()
    {
        QFETCH(QString, script);
        RecordingView view;
        form::Window window(view, content::Languages()[0].lands);
        window.Load();
        QCOMPARE(view.lists[walk::kCatalogue], Texts(walk::kCatalogueEntries.begin(), walk::kCatalogueEntries.end()));
        for (const QString &event : script.split(';')) {
            view.calls.clear();
            Play(window, event);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(view.lists[i], window.Walk().List1[i].Items());
                QCOMPARE(view.selected[i], window.Walk().List1[i].ListIndex());
            }
            QCOMPARE(walkcheck::Problem(view.lists[0], view.lists[1], view.lists[2]), std::string());
        }
        QTEST(view.lists[walk::kCrossed], "crossed");
        QTEST(std::vector(view.selected.begin(), view.selected.begin() + 3), "selected");
        QTEST(view.calls.isEmpty() ? QStringLiteral("-") : view.calls.remove('.'), "refilled");
    }

    // Every language's table has every text Kelvani's own has, in the same
    // shape and in its own script; its entries keep the walk's order; its
    // help counts each land's bridges as the walk does and shows its
    // entries; and a window in it shows its entries and crosses.
    void languages_data()
    {
        QTest::addColumn<const content::Texts *>("texts");
        for (const content::Texts &texts : content::Languages())
            QTest::newRow(texts.code) << &texts;
    }
    void languages()
    {
        QFETCH(const content::Texts *, texts);
        const content::Texts &own = content::Languages()[0];
        const auto shape = [](const char *text, const char *pattern) {
            return QString::fromUtf8(text).count(QRegularExpression(QString::fromLatin1(pattern)));
        };
        // The letters of every text are in the lands' script, or Latin
        // ("Kelvani", "Tab", "F1").
        const QChar::Script script = QString::fromUtf8(texts->lands[0]).at(0).script();
        for (const char *content::Texts::*text :
             {&content::Texts::name, &content::Texts::summary, &content::Texts::caption, &content::Texts::heading,
              &content::Texts::available, &content::Texts::crossed, &content::Texts::remaining, &content::Texts::clear,
              &content::Texts::statement, &content::Texts::secondText, &content::Texts::statementName,
              &content::Texts::mapName, &content::Texts::mapLands, &content::Texts::mapBridges, &content::Texts::mapBridge,
              &content::Texts::helpTitle, &content::Texts::helpClose, &content::Texts::help}) {
            QVERIFY(texts->*text && *(texts->*text));
            for (const QChar c : QString::fromUtf8(texts->*text))
                QVERIFY2(!c.isLetter() || c.script() == script || c.script() == QChar::Script_Latin, qPrintable(QString(c)));
            // The same lines, blanks at their ends, headings, list items,
            // emphasis and version as Kelvani's own.
            for (const char *pattern : {"\\n", " \\n", "\\n## ", "\\n- ", "\\*\\*", "%1"})
                QCOMPARE(shape(texts->*text, pattern), shape(own.*text, pattern));
        }
        QCOMPARE(QString::fromUtf8(texts->caption), QStringLiteral("www.example.org Kelvani"));

        // The lands: one character each, in the alphabet's order, so that
        // shown entries sort as the walk's do.
        Texts sorted;
        for (std::string_view entry : walk::kCatalogueEntries)
            sorted.push_back(content::ShownEntry(entry, texts->lands));
        std::sort(sorted.begin(), sorted.end());
        Texts shown;
        for (const std::string &entry : walkcheck::kSorted)
            shown.push_back(content::ShownEntry(entry, texts->lands));
        QCOMPARE(shown, sorted);
        QCOMPARE(std::adjacent_find(shown.begin(), shown.end()), shown.end());
        for (const char *land : texts->lands)
            QCOMPARE(QString::fromUtf8(land).size(), 1);

        // "A has 3 (bridges 1, 4 and 5)", in whatever words: each land's
        // letter, the number of its bridges, then those of the entries that
        // leave it, in parentheses. And the worked example, both ways.
        const QString help = QString::fromUtf8(texts->help);
        for (std::size_t i = 0; i < walk::kLands.size(); ++i) {
            QString bridges;
            for (std::string_view e : walk::kCatalogueEntries)
                bridges += walk::FromLand(e) == walk::kLands[i] ? QString::number(walk::BridgeNumber(e)) : QString();
            QStringList counts;
            const QRegularExpression count("(?:^|[\\s(])" + QString::fromUtf8(texts->lands[i]) +
                                           "[^\\d()]{0,12}?(\\d)[^\\d()]{0,12}?\\(([^)]*)\\)");
            for (QRegularExpressionMatchIterator m = count.globalMatch(help); m.hasNext();) {
                const QRegularExpressionMatch match = m.next();
                counts << match.captured(1) + match.captured(2).remove(QRegularExpression("\\D"));
            }
            QVERIFY2(counts.contains(QString::number(bridges.size()) + bridges), qPrintable(counts.join(' ')));
        }
        for (const char *example : {"5 АВ", "5 ВА"})
            QVERIFY(help.contains(QString::fromStdString(content::ShownEntry(example, texts->lands))));

        // The map's description names every land, and leaves no placeholder.
        const QString description = QString::fromStdString(content::MapDescription(*texts));
        for (const char *land : texts->lands)
            QVERIFY(description.contains(QString::fromUtf8(land)));
        QVERIFY2(!description.contains('%'), qPrintable(description));

        // A window in the language shows its entries, and crosses "5 АВ".
        RecordingView view;
        form::Window window(view, texts->lands);
        window.Load();
        QCOMPARE(view.lists[walk::kAvailable], shown);
        window.List1_Press(walk::kAvailable, 8);
        QCOMPARE(view.lists[walk::kCrossed], Texts{content::ShownEntry("5 АВ", texts->lands)});
        QCOMPARE(view.lists[walk::kAvailable].size(), std::size_t(2));
    }

    // What a screen reader hears of the map: the lands, then which lands
    // each bridge joins, as the walk's entries have them; written out here
    // apart, in Kelvani's own language.
    void mapDescription()
    {
        QCOMPARE(QString::fromStdString(content::MapDescription(content::Languages()[0])),
                 QStringLiteral("Четири земи: А е северният бряг, Б е западният остров, В е източният остров, Г е южният "
                                "бряг. Мостове 1 и 4 свързват А и Б. Мостове 2 и 3 свързват Б и Г. Мост 5 свързва А и В. "
                                "Мост 6 свързва В и Г. Мост 7 свързва Б и В."));
    }

    // A translation puts the numbers and letters where its language wants them.
    void format_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("in order") << "Bridge %1 joins %2 and %3." << "Bridge 7 joins B and C.";
        QTest::newRow("reordered") << "%2 ile %3 arasında: %1" << "B ile C arasında: 7";
        QTest::newRow("twice, and a lone %") << "%1%% %1 %4 %" << "7%% 7 %4 %";
    }
    void format()
    {
        QFETCH(QString, pattern);
        QTEST(QString::fromStdString(content::Format(pattern.toStdString(), {"7", "B", "C"})), "text");
    }
};

QTEST_GUILESS_MAIN(TestFormWindow)
#include "tst_formwindow.moc"
