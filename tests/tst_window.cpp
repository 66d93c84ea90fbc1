// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The window as a user meets it: what it shows at start, where and in which
// colours, and what mouse clicks and key presses do to the lists.

#include "content/languages.h"
#include "arguments.h"
#include "form.h"
#include "helpwindow.h"
#include "mainwindow.h"
#include "walkcheck.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

using Texts = walkcheck::Texts;
using walkcheck::kSorted;

namespace {


Texts Shown(const QListWidget *list)
{
    Texts texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

// What is wrong with what the window shows, or an empty string: the lists
// must be a state the walk allows, the walk's own, with nothing selected in
// Available.
std::string Problem(const MainWindow &w)
{
    const Texts available = Shown(w.List1[0]), crossed = Shown(w.List1[1]), remaining = Shown(w.List1[2]);
    for (int i = 0; i < 4; ++i) {
        if (Shown(w.List1[i]) != w.Walk().List1[i].Items())
            return "list " + std::to_string(i) + " does not show the walk's items";
    }
    if (!w.List1[0]->selectedItems().isEmpty())
        return "an entry of Available is left selected";
    return walkcheck::Problem(available, crossed, remaining);
}

// Crossed shows its newest entry, where the walker stands, in full.
bool NewestCrossingInSight(const MainWindow &w)
{
    const QListWidget *crossed = w.List1[1];
    return crossed->count() == 0
           || crossed->viewport()->rect().contains(crossed->visualItemRect(crossed->item(crossed->count() - 1)));
}

void ClickItem(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

    void ExpectLists(const Texts &available, const Texts &crossed, const Texts &remaining)
    {
        QCOMPARE(Shown(w->List1[0]), available);
        QCOMPARE(Shown(w->List1[1]), crossed);
        QCOMPARE(Shown(w->List1[2]), remaining);
        QCOMPARE(Problem(*w), std::string());
        QVERIFY(NewestCrossingInSight(*w));
    }

private slots:
    // As main() does: a style the user chose on the command line stays; the
    // tests then run with the window's own, Fusion.
    void initTestCase()
    {
        char *arguments[] = {const_cast<char *>("kelvani"), const_cast<char *>("-style"), const_cast<char *>("Windows")};
        const commandline::Outcome command = ReadCommandLine(3, arguments);
        QCOMPARE(command.action, commandline::Action::Run);
        QCOMPARE(command.texts, &content::Languages()[0]);
        QApplication::setStyle(QStringLiteral("Windows")); // what QApplication does with -style
        MainWindow::PrepareApplication(*command.texts, StyleChosen(command));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("windows"));
        MainWindow::PrepareApplication(content::Languages()[0]);
    }
    void init()
    {
        w = std::make_unique<MainWindow>(content::Languages()[0]);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void startState()
    {
        CHECKED(ExpectLists(kSorted, {}, {}));
        QCOMPARE(w->List1[0]->currentRow(), -1);
        const Texts catalogue(walk::kCatalogueEntries.begin(), walk::kCatalogueEntries.end());
        QCOMPARE(Shown(w->List1[3]), catalogue);
        QVERIFY(!w->List1[3]->isVisible());
        QVERIFY(!w->Text1[1]->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->Text1[0]);
        QCOMPARE(w->windowTitle(), QStringLiteral("www.example.org Kelvani"));
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
        QCOMPARE(w->minimumSize(), QSize(481, 424));
        QCOMPARE(w->maximumSize(), QSize(481, 424));
        QCOMPARE(w->Command1->text(), QStringLiteral("Чисти"));
        const QStringList captions = {"Kelvani", "Достъпни", "Преминати", "Оставащи"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->Label1[i]->text(), captions[i]);
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<bool>("shown");
        QTest::newRow("statement") << "Text1_0" << QRect(8, 304, 449, 105) << true;
        QTest::newRow("second text") << "Text1_1" << QRect(40, 312, 449, 121) << false;
        QTest::newRow("heading") << "Label1_0" << QRect(48, 0, 377, 25) << true;
        QTest::newRow("available") << "List1_0" << QRect(16, 160, 81, 118) << true;
        QTest::newRow("available label") << "Label1_1" << QRect(16, 136, 81, 25) << true;
        QTest::newRow("crossed") << "List1_1" << QRect(200, 240, 81, 61) << true;
        QTest::newRow("crossed label") << "Label1_2" << QRect(200, 216, 81, 25) << true;
        QTest::newRow("remaining") << "List1_2" << QRect(384, 160, 81, 118) << true;
        QTest::newRow("remaining label") << "Label1_3" << QRect(384, 136, 81, 25) << true;
        QTest::newRow("catalogue") << "List1_3" << QRect(24, 32, 81, 61) << false;
        QTest::newRow("map") << "Picture1" << QRect(128, 32, 224, 177) << true;
        QTest::newRow("clear") << "Command1" << QRect(384, 48, 81, 25) << true;
    }
    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(bool, shown);
        auto *control = w->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
        QCOMPARE(control->isVisible(), shown);
        const QFontInfo font(control->font());
#ifdef Q_OS_LINUX
        // Times New Roman's metric-compatible stand-in, from fonts-liberation2.
        QCOMPARE(font.family(), QStringLiteral("Liberation Serif"));
#endif
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(font.weight(), int(QFont::Normal));
        QVERIFY(QFontMetrics(control->font()).inFontUcs4(U'Щ'));
        QCOMPARE(w->size(), QSize(481, 424));
    }

    // Sampled from what the window really paints, away from any text.
    void colours_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window") << QPoint(4, 100) << QColor(0xC0, 0xC0, 0xFF);
        QTest::newRow("heading") << QPoint(60, 12) << QColor(0xFF, 0xC0, 0x80);
        QTest::newRow("label") << QPoint(210, 220) << QColor(0xFF, 0xC0, 0x80);
        QTest::newRow("available") << QPoint(72, 170) << QColor(0xC0, 0xFF, 0xC0);
        QTest::newRow("crossed") << QPoint(240, 280) << QColor(0xFF, 0x80, 0xFF);
        QTest::newRow("remaining") << QPoint(424, 220) << QColor(0x80, 0x80, 0xFF);
        QTest::newRow("clear") << QPoint(390, 60) << QColor(0xFF, 0x80, 0x80);
        QTest::newRow("map land") << QPoint(140, 44) << QColor(0x00, 0x80, 0x00);
        QTest::newRow("map water") << QPoint(133, 110) << QColor(0x00, 0x00, 0xFF);
    }
    void colours()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        const QImage shot = w->grab().toImage();
        QCOMPARE(shot.pixelColor(at * shot.devicePixelRatio()), colour);
    }

    void workedExampleWithTheMouse()
    {
        CHECKED(ClickItem(w->List1[0], "5 АВ"));
        CHECKED(ExpectLists({"6 ВГ", "7 ВБ"}, {"5 АВ"},
                    {"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ", "4 БА", "6 ГВ", "7 БВ"}));
        CHECKED(ClickItem(w->List1[0], "7 ВБ"));
        CHECKED(ExpectLists({"1 БА", "2 БГ", "3 БГ", "4 БА"}, {"5 АВ", "7 ВБ"}, {"1 АБ", "2 ГБ", "3 ГБ", "4 АБ", "6 ВГ", "6 ГВ"}));
        for (const char *e : {"1 БА", "4 АБ", "2 БГ", "3 ГБ"}) {
            CHECKED(ClickItem(w->List1[0], e));
            QVERIFY(NewestCrossingInSight(*w));
        }
        CHECKED(ExpectLists({}, {"5 АВ", "7 ВБ", "1 БА", "4 АБ", "2 БГ", "3 ГБ"}, {"6 ВГ", "6 ГВ"}));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        CHECKED(ExpectLists(kSorted, {}, {}));
    }

    void clearMidWalkAndAtADeadEnd()
    {
        CHECKED(ClickItem(w->List1[0], "6 ВГ"));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        CHECKED(ExpectLists(kSorted, {}, {}));
        for (const char *e : {"6 ВГ", "2 ГБ", "3 БГ"})
            CHECKED(ClickItem(w->List1[0], e));
        CHECKED(ExpectLists({}, {"6 ВГ", "2 ГБ", "3 БГ"}, {"1 АБ", "1 БА", "4 АБ", "4 БА", "5 АВ", "5 ВА", "7 БВ", "7 ВБ"}));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        CHECKED(ExpectLists(kSorted, {}, {}));
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        CHECKED(ExpectLists(kSorted, {}, {}));

        // Held, Clear looks pressed; given the focus by a key, it shows a
        // focus rectangle inside its 2-pixel edge, which stays as it was.
        w->Text1[0]->setFocus();
        const QImage up = w->Command1->grab().toImage();
        w->Command1->setDown(true);
        QVERIFY(w->Command1->grab().toImage().pixel(0, 10) != up.pixel(0, 10)); // the edge sinks
        w->Command1->setDown(false);
        QTest::keyClick(w->Text1[0], Qt::Key_Backtab); // a focus moved by key shows
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        const QImage focused = w->Command1->grab().toImage();
        int changed = 0;
        for (int y = 0; y < up.height(); ++y)
            for (int x = 0; x < up.width(); ++x)
                if (focused.pixel(x, y) != up.pixel(x, y) && ++changed)
                    QVERIFY(up.rect().adjusted(2, 2, -2, -2).contains(x, y));
        QVERIFY(changed > 0);
    }

    // Clicks that are not a selection in Available: entries of Crossed and
    // Remaining only highlight; empty space, the right and middle buttons and
    // a drag cross nothing more.
    void clicksThatCrossNothing()
    {
        CHECKED(ClickItem(w->List1[0], "5 АВ"));
        const Texts available = Shown(w->List1[0]), crossed = Shown(w->List1[1]), remaining = Shown(w->List1[2]);
        CHECKED(ClickItem(w->List1[1], "5 АВ"));
        CHECKED(ClickItem(w->List1[2], "4 БА"));
        QTest::mouseClick(w->List1[0]->viewport(), Qt::LeftButton, {}, QPoint(40, 100));
        const QPoint onFirst = w->List1[0]->visualItemRect(w->List1[0]->item(0)).center();
        QTest::mouseClick(w->List1[0]->viewport(), Qt::RightButton, {}, onFirst);
        QTest::mouseClick(w->List1[0]->viewport(), Qt::MiddleButton, {}, onFirst);
        CHECKED(ExpectLists(available, crossed, remaining));
        QCOMPARE(w->List1[1]->currentItem()->text(), QStringLiteral("5 АВ"));
        QVERIFY(w->List1[2]->currentItem()->isSelected());

        // Pressing on "6 ВГ" crosses it; moving onto the next row with the
        // button still held must not cross what has moved under the mouse.
        // "4 БА" stays in Remaining, and so does its highlight, while the
        // refills raise no selection signal of their own.
        QSignalSpy remainingSignals(w->List1[2], &QListWidget::itemSelectionChanged);
        const QRect first = w->List1[0]->visualItemRect(w->List1[0]->item(0));
        QTest::mousePress(w->List1[0]->viewport(), Qt::LeftButton, {}, first.center());
        QMouseEvent move(QEvent::MouseMove, QPointF(first.center() + QPoint(0, first.height())),
                         w->List1[0]->viewport()->mapToGlobal(first.center() + QPoint(0, first.height())),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->List1[0]->viewport(), &move);
        QTest::mouseRelease(w->List1[0]->viewport(), Qt::LeftButton, {}, first.center() + QPoint(0, first.height()));
        QCOMPARE(Shown(w->List1[1]), (Texts{"5 АВ", "6 ВГ"}));
        QCOMPARE(Problem(*w), std::string());
        QCOMPARE(remainingSignals.count(), 0);
        QCOMPARE(w->List1[2]->selectedItems().value(0)->text(), QStringLiteral("4 БА"));
        QCOMPARE(w->List1[2]->currentItem()->text(), QStringLiteral("4 БА"));
    }

    // A double-click crosses the entry under its first press, and only that
    // one: the second press lands on whatever the crossing moved there. A
    // click of its own afterwards crosses as usual. (Qt delivers a real
    // double-click to a widget as press, release, double-click, release.)
    void doubleClickCrossesOnce()
    {
        QWidget *list = w->List1[0]->viewport();
        const QPoint first = w->List1[0]->visualItemRect(w->List1[0]->item(0)).center();
        QTest::mousePress(list, Qt::LeftButton, {}, first);
        QTest::mouseRelease(list, Qt::LeftButton, {}, first);
        QTest::mouseDClick(list, Qt::LeftButton, {}, first);
        QTest::mouseRelease(list, Qt::LeftButton, {}, first);
        QCOMPARE(Shown(w->List1[1]), Texts{"1 АБ"});
        QTest::mouseClick(list, Qt::LeftButton, {}, first);
        QCOMPARE(Shown(w->List1[1]), (Texts{"1 АБ", "2 БГ"}));
        QCOMPARE(Problem(*w), std::string());
    }

    void keyboard()
    {
        // Tab from the statement into Available, and back and forth: focus
        // alone crosses nothing.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->List1[0]);
        QTest::keyClick(w->List1[0], Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->List1[0]);
        CHECKED(ExpectLists(kSorted, {}, {}));
        // With Ctrl the keys only move the focus, as in Qt's own lists.
        for (const auto &[key, row] : {std::pair{Qt::Key_Down, 1}, {Qt::Key_End, 13}, {Qt::Key_Up, 12}, {Qt::Key_Home, 0}}) {
            QTest::keyClick(w->List1[0], key, Qt::ControlModifier);
            QCOMPARE(w->List1[0]->currentRow(), row);
        }
        CHECKED(ExpectLists(kSorted, {}, {}));

        // Each Down crosses exactly one entry, until the walk runs dry.
        for (int n = 1; w->List1[0]->count() > 0; ++n) {
            QTest::keyClick(w->List1[0], Qt::Key_Down);
            QCOMPARE(w->List1[1]->count(), n);
            QCOMPARE(Problem(*w), std::string());
        }
        const int count = w->List1[1]->count();
        QTest::keyClick(w->List1[0], Qt::Key_Down);
        QCOMPARE(w->List1[1]->count(), count);

        // Tab visits the focusable controls in order, skipping hidden ones.
        const QList<QWidget *> order = {w->List1[1], w->List1[2], w->Command1, w->Text1[0], w->List1[0]};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(w->List1[0], Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), w->Command1);
        QTest::keyClick(w->Command1, Qt::Key_Space);
        CHECKED(ExpectLists(kSorted, {}, {}));

        // Enter and the keypad's Enter press the focused button too.
        for (Qt::KeyboardModifiers keypad : {Qt::NoModifier, Qt::KeypadModifier}) {
            CHECKED(ClickItem(w->List1[0], "5 АВ"));
            w->Command1->setFocus();
            QTest::keyClick(w->Command1, keypad ? Qt::Key_Enter : Qt::Key_Return, keypad);
            CHECKED(ExpectLists(kSorted, {}, {}));
        }

        // A typed first digit (on a fresh walk the first entry with it), End,
        // and Space, Home or Page Up on the entry the focus rests on after a
        // crossing (the first, for a screen reader to read out) each cross
        // exactly one entry. A digit that starts no entry ("7" on В) crosses
        // nothing, nor makes the next Space cross a second entry (Qt's search
        // for "7 " would pick "7 ВБ").
        w->List1[0]->setFocus();
        const std::pair<Qt::Key, const char *> steps[] = {{Qt::Key_1, "1 АБ"}, {Qt::Key_End, "7 БВ"},
                                                          {Qt::Key_7, nullptr}, {Qt::Key_Space, "5 ВА"},
                                                          {Qt::Key_Home, "4 АБ"}, {Qt::Key_PageUp, "2 БГ"}};
        Texts crossings;
        for (const auto &[key, entry] : steps) {
            QTest::keyClick(w->List1[0], key);
            if (entry)
                crossings.push_back(entry);
            QCOMPARE(Shown(w->List1[1]), crossings);
            QCOMPARE(w->List1[0]->currentRow(), 0);
        }
        QCOMPARE(Problem(*w), std::string());

        // In Remaining a typed digit highlights, and the same digit again
        // moves on from the focus to the next entry with it; nothing is crossed.
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        CHECKED(ClickItem(w->List1[0], "5 АВ"));
        w->List1[2]->setFocus();
        for (const char *entry : {"2 БГ", "2 ГБ", "2 БГ"}) {
            QTest::keyClick(w->List1[2], Qt::Key_2);
            QCOMPARE(w->List1[2]->currentItem()->text(), QString::fromUtf8(entry));
        }
        QCOMPARE(Shown(w->List1[1]), Texts{"5 АВ"});
    }

    // A list that holds the focus shows it even when it is empty, and keeps
    // its colour away from the outline.
    void focusOnEmptyList_data()
    {
        QTest::addColumn<int>("list");
        QTest::newRow("crossed") << 1;
        QTest::newRow("remaining") << 2;
    }
    void focusOnEmptyList()
    {
        QFETCH(int, list);
        QListWidget *view = w->List1[list];
        const QImage unfocused = view->grab().toImage();
        view->setFocus();
        QCOMPARE(QApplication::focusWidget(), view);
        const QImage focused = view->grab().toImage();
        QVERIFY(focused != unfocused);
        const QPoint middle = view->rect().center() * focused.devicePixelRatio();
        QCOMPARE(focused.pixelColor(middle), unfocused.pixelColor(middle));
        QCOMPARE(focused.pixelColor(middle), view->palette().color(QPalette::Base));
    }

    // F1 opens the help beside the window, in Bulgarian, Qt's own strings
    // too; Escape closes it, and the walk is as it was.
    void help()
    {
        CHECKED(ClickItem(w->List1[0], "5 АВ"));
        const Texts available = Shown(w->List1[0]), crossed = Shown(w->List1[1]), remaining = Shown(w->List1[2]);
        w->List1[0]->setFocus();
        QTest::keyClick(w->List1[0], Qt::Key_F1);
        QVERIFY(w->Help() && QTest::qWaitForWindowActive(w->Help()));
        const QRegularExpression cyrillic(QStringLiteral("[А-я]"));
        QVERIFY(w->Help()->windowTitle().contains(cyrillic));
        const auto *close = w->Help()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close);
        QVERIFY2(close->text().contains(cyrillic), qPrintable(close->text()));
        const std::unique_ptr<QMenu> menu(w->Text1[0]->createStandardContextMenu());
        const QAction *copy = menu->findChild<QAction *>(QStringLiteral("edit-copy"));
        QVERIFY2(copy && copy->text().contains(cyrillic), qPrintable(copy ? copy->text() : QString()));

        // The help word for word, as it shows, written out here apart.
        const QString text = w->Help()->findChild<QTextBrowser *>()->toPlainText();
        QCOMPARE(text.split('\n'), QStringList({
            "Как се играе", "Опитайте да минете по всеки от седемте моста точно по веднъж.",
            "Достъпни са мостовете, по които можете да минете от мястото, където сте. Изберете ред в този списък и ще минете по моста.",
            "Преминати са мостовете, по които вече сте минали, по реда на преминаване. Последният ред казва къде сте сега.",
            "Оставащи са другите непреминати мостове: те не тръгват от мястото, където сте.",
            "Бутонът Чисти започва разходката отначало.",
            "Когато списъкът „Достъпни“ остане празен, от това място няма накъде да продължите.", "Какво означава един ред",
            "Всеки ред е мост, преминат в една посока: цифрата е номерът на моста, първата буква е полето, от което тръгвате, "
            "а втората – полето, в което стигате. Например „5 АВ“ е мост 5 от А към В, а „5 ВА“ е същият мост в обратна посока. "
            "Полетата са четири: А е северният бряг, Б е западният остров, В е източният остров, Г е южният бряг. "
            "В началото можете да започнете от всеки мост, в която и да е посока.", "Клавиатура",
            "Tab и Shift+Tab местят фокуса между условието, трите списъка и бутона „Чисти“.",
            "Стрелките, Home, End, Page Up, Page Down и първата цифра на ред избират ред. В „Достъпни“ всеки избран ред е преминат мост.",
            "Интервал минава по моста, на който е фокусът, и натиска бутона „Чисти“.",
            "Enter натиска бутона „Чисти“, когато фокусът е на него.", "F1 отваря тази помощ, а Escape я затваря.",
            "Защо никоя разходка не минава по всичките седем моста",
            "Пребройте мостовете на всяко поле: А има 3 (мостове 1, 4 и 5), Б има 5 (1, 2, 3, 4 и 7), В има 3 (5, 6 и 7), "
            "Г има 3 (2, 3 и 6). И четирите числа са нечетни.",
            "Когато разходката минава през някое поле, тя влиза в него по един мост и излиза по друг, така че мостовете на всяко "
            "поле по пътя се използват по двойки. Нечетен брой мостове може да има само полето, от което разходката започва, и "
            "полето, в което свършва. Затова разходка, която минава по всеки мост точно по веднъж, е възможна само ако най-много "
            "две полета имат нечетен брой мостове. Тук такива полета са четири и най-дългата разходка минава по шест моста. "
            "Това е доказал Леонард Ойлер през 1736 г., а с неговото решение започва теорията на графите.",
            "", "Kelvani, версия 1.00. Свободен софтуер под лиценза MIT.", "© 2026 The Kelvani developers"}));
        // Its counts are the walk's: a land's bridges are those of the entries that leave it.
        QRegularExpressionMatchIterator counts = QRegularExpression(QStringLiteral("([АБВГ]) има (\\d) \\(([^)]*)\\)")).globalMatch(text);
        for (const QString land : {"А", "Б", "В", "Г"}) {
            const QRegularExpressionMatch count = counts.next();
            QString bridges;
            for (std::string_view e : walk::kCatalogueEntries)
                bridges += walk::FromLand(e) == land.toStdString() ? QString::number(walk::BridgeNumber(e)) : QString();
            QCOMPARE(count.captured(1) + count.captured(2) + count.captured(3).remove(QRegularExpression("\\D")),
                     land + QString::number(bridges.size()) + bridges);
        }

        QTest::keyClick(w->Help()->focusWidget(), Qt::Key_Escape);
        QVERIFY(!w->Help()->isVisible());
        CHECKED(ExpectLists(available, crossed, remaining));
    }

    // Each language, on request: everything the window, its lists, its help
    // and Qt's own strings show, and what screen readers are told, in that
    // language's script (or Latin: "Kelvani", "Tab"); what screen readers
    // are told is the definition's; a click crosses as in Bulgarian.
    void languages_data()
    {
        QTest::addColumn<const content::Texts *>("texts");
        for (const content::Texts &texts : content::Languages())
            QTest::newRow(texts.code) << &texts;
    }
    void languages()
    {
        QFETCH(const content::Texts *, texts);
        const auto useTranslationsOf = [](const content::Texts &texts) {
            for (QTranslator *translator : qApp->findChildren<QTranslator *>())
                delete translator; // which also uninstalls it
            MainWindow::PrepareApplication(texts);
        };
        useTranslationsOf(*texts);
        w = std::make_unique<MainWindow>(*texts);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QStringList shown = {w->windowTitle()};
        for (std::size_t i = 0; i < form::kControls.size(); ++i) {
            const form::Control &control = form::kControls[i];
            const QWidget *widget = w->findChildren<QWidget *>(QRegularExpression(
                QStringLiteral("^%1%2$").arg(control.name, control.index < 0 ? QString() : "_" + QString::number(control.index)))).value(0);
            QVERIFY(widget);
            shown << widget->accessibleName() << widget->accessibleDescription();
            if (!control.shown)
                continue;
            const QAccessibleInterface *told = QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
            QCOMPARE(told->text(QAccessible::Name), QString::fromUtf8(form::AccessibleName(control, *texts)));
            QCOMPARE(told->text(QAccessible::Description), QString::fromStdString(form::AccessibleDescription(control, *texts)));
            if (control.role == form::Role::Heading)
                QCOMPARE(told->role(), QAccessible::Heading);
        }
        for (const QLabel *label : w->Label1)
            shown << label->text();
        for (const QPlainTextEdit *text : w->Text1)
            shown << text->toPlainText();
        const std::unique_ptr<QMenu> menu(w->Text1[0]->createStandardContextMenu());
        for (const QAction *action : menu->actions())
            shown << action->text();
        QTest::keyClick(w->Text1[0], Qt::Key_F1);
        QVERIFY(w->Help() && QTest::qWaitForWindowActive(w->Help()));
        shown << w->Help()->windowTitle() << w->Help()->findChild<QTextBrowser *>()->toPlainText()
              << w->Help()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->text();
        QTest::keyClick(w->Help()->focusWidget(), Qt::Key_Escape);
        const auto shownEntries = [&](std::initializer_list<std::string_view> entries) {
            Texts texts_;
            for (std::string_view entry : entries)
                texts_.push_back(content::ShownEntry(entry, texts->lands));
            return texts_;
        };
        CHECKED(ClickItem(w->List1[0], QString::fromStdString(content::ShownEntry("5 АВ", texts->lands))));
        for (const QListWidget *list : w->List1) {
            for (const std::string &entry : Shown(list))
                shown << QString::fromStdString(entry);
        }
        useTranslationsOf(content::Languages()[0]);

        const QChar::Script script = QString::fromUtf8(texts->lands[0]).at(0).script();
        for (const QString &text : shown)
            for (const QChar c : text)
                QVERIFY2(!c.isLetter() || c.script() == script || c.script() == QChar::Script_Latin, qPrintable(text));
        QCOMPARE(Shown(w->List1[0]), shownEntries({"6 ВГ", "7 ВБ"}));
        QCOMPARE(Shown(w->List1[1]), shownEntries({"5 АВ"}));
        QCOMPARE(Shown(w->List1[2]), shownEntries({"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ", "4 БА", "6 ГВ", "7 БВ"}));
    }

    // A dark desktop palette does not reach the window: it looks the same.
    void darkDesktop()
    {
        const QImage light = MainWindow(content::Languages()[0]).grab().toImage();
        const QPalette before = QApplication::palette();
        QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
        dark.setColor(QPalette::Base, QColor(0x10, 0x10, 0x10));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::WindowText, Qt::white);
        const auto help = [] { return std::unique_ptr<QDialog>(CreateHelpWindow(nullptr, content::Languages()[0]))->grab().toImage(); };
        const QImage lightHelp = help();
        QApplication::setPalette(dark);
        const QImage shot = MainWindow(content::Languages()[0]).grab().toImage(), darkHelp = help();
        QApplication::setPalette(before);
        QVERIFY(shot == light);
        QVERIFY(darkHelp == lightHelp);
    }

    // Random clicks and keys anywhere, as fast as they come. After every one
    // the lists must show the walk's own model, replayed beside the window
    // from what the event may do: a left click on an entry of Available
    // crosses that entry, a key in Available may cross one entry, Clear or a
    // key on it resets, and nothing else changes the walk.
    // KELVANI_MONKEY_SEED repeats a run.
    void monkey()
    {
        const quint32 seed = qEnvironmentVariableIsSet("KELVANI_MONKEY_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("KELVANI_MONKEY_SEED"))
                                 : QRandomGenerator::global()->generate();
        qInfo("monkey seed %u (KELVANI_MONKEY_SEED=%u repeats this run)", seed, seed);
        QRandomGenerator random(seed);
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up,       Qt::Key_Home,  Qt::Key_End,   Qt::Key_PageDown,
                                Qt::Key_PageUp, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return,
                                Qt::Key_1,    Qt::Key_5,        Qt::Key_7,     Qt::Key_A,     Qt::Key_Escape};
        walk::Walk model;
        model.ResetWalk();
        int crossings = 0, resets = 0;
        for (int n = 0; n < 10000; ++n) {
            const Texts crossedBefore = Shown(w->List1[1]);
            QString event;
            bool mayCross = false, mayReset = false;
            QString underPointer; // the entry of Available a left click lands on
            const int kind = random.bounded(20);
            if (kind == 0) {
                event = QStringLiteral("Clear");
                mayReset = true;
                QTest::mouseClick(w->Command1, Qt::LeftButton);
            } else if (kind < 7) {
                const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
                QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
                event = QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), target->objectName());
                mayCross = target == w->List1[0];
                mayReset = target == w->Command1;
                QTest::keyClick(target, key);
            } else {
                // Half the clicks land on Available, where they do the most.
                const QRect area = random.bounded(2) ? w->List1[0]->geometry() : w->rect();
                const QPoint at(area.x() + random.bounded(area.width()), area.y() + random.bounded(area.height()));
                QWidget *target = w->childAt(at) ? w->childAt(at) : w.get();
                QPoint local = target->mapFrom(w.get(), at);
                if (local.isNull()) // QTest clicks a widget's centre for (0, 0)
                    local = target->rect().center();
                const bool twice = random.bounded(8) == 0;
                const Qt::MouseButton button = random.bounded(8) == 0 ? Qt::RightButton : Qt::LeftButton;
                event = QStringLiteral("%1 %2 at %3,%4")
                            .arg(button == Qt::LeftButton ? "left" : "right", twice ? "double click" : "click")
                            .arg(at.x()).arg(at.y());
                if (button == Qt::LeftButton && target == w->List1[0]->viewport()) {
                    const QListWidgetItem *item = w->List1[0]->itemAt(local);
                    underPointer = item ? item->text() : QString();
                    mayCross = item;
                }
                mayReset = button == Qt::LeftButton && target == w->Command1;
                QTest::mouseClick(target, button, {}, local);
                if (twice) { // the rest of a double-click: double-click, release
                    QTest::mouseDClick(target, button, {}, local);
                    QTest::mouseRelease(target, button, {}, local);
                }
            }
            const Texts crossed = Shown(w->List1[1]);
            std::string problem;
            if (crossed.size() == crossedBefore.size() + 1 && std::equal(crossedBefore.begin(), crossedBefore.end(), crossed.begin())) {
                const Texts &open = model.List1[walk::kAvailable].Items();
                const auto at = std::find(open.begin(), open.end(), crossed.back());
                if (!mayCross || (!underPointer.isEmpty() && underPointer.toStdString() != crossed.back()) || at == open.end())
                    problem = "crossed " + crossed.back() + " though the event may not cross it";
                else {
                    model.List1[walk::kAvailable].Select(int(at - open.begin()));
                    model.CrossBridge(walk::kAvailable);
                    ++crossings;
                }
            } else if (crossed != crossedBefore) {
                if (!mayReset || !crossed.empty())
                    problem = "Crossed changed though the event neither crosses nor clears";
                model.ResetWalk();
                ++resets;
            }
            for (int i = 0; i < 3 && problem.empty(); ++i) {
                if (Shown(w->List1[i]) != model.List1[i].Items())
                    problem = "list " + std::to_string(i) + " differs from the walk replayed beside the window";
            }
            if (problem.empty())
                problem = Problem(*w);
            if (!problem.empty())
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                     .arg(seed).arg(n).arg(event, QString::fromStdString(problem))));
        }
        qInfo("%d crossings and %d resets in 10000 events", crossings, resets);
        QVERIFY(crossings > 1000 && resets > 50);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
