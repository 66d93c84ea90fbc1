// The window as a user meets it: what it shows at start, where and in which
// colours, and what mouse clicks and key presses do to the lists.

#include "mainwindow.h"
#include "walkcheck.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

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
    }

private slots:
    void initTestCase() { MainWindow::PrepareApplication(); } // as main() does
    void init()
    {
        w = std::make_unique<MainWindow>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }

    void startState()
    {
        ExpectLists(kSorted, {}, {});
        QCOMPARE(w->List1[0]->currentRow(), -1);
        const Texts catalogue(walk::kCatalogueEntries.begin(), walk::kCatalogueEntries.end());
        QCOMPARE(Shown(w->List1[3]), catalogue);
        QVERIFY(!w->List1[3]->isVisible());
        QVERIFY(!w->Text1[1]->isVisible());
        QCOMPARE(QApplication::focusWidget(), w->Text1[0]);
        QCOMPARE(w->windowTitle(), QStringLiteral("www.example.org Kelvani"));
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
        ClickItem(w->List1[0], "5 АВ");
        ExpectLists({"6 ВГ", "7 ВБ"}, {"5 АВ"},
                    {"1 АБ", "1 БА", "2 БГ", "2 ГБ", "3 БГ", "3 ГБ", "4 АБ", "4 БА", "6 ГВ", "7 БВ"});
        ClickItem(w->List1[0], "7 ВБ");
        ExpectLists({"1 БА", "2 БГ", "3 БГ", "4 БА"}, {"5 АВ", "7 ВБ"}, {"1 АБ", "2 ГБ", "3 ГБ", "4 АБ", "6 ВГ", "6 ГВ"});
        for (const char *e : {"1 БА", "4 АБ", "2 БГ", "3 ГБ"})
            ClickItem(w->List1[0], e);
        ExpectLists({}, {"5 АВ", "7 ВБ", "1 БА", "4 АБ", "2 БГ", "3 ГБ"}, {"6 ВГ", "6 ГВ"});
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        ExpectLists(kSorted, {}, {});
    }

    void clearMidWalkAndAtADeadEnd()
    {
        ClickItem(w->List1[0], "6 ВГ");
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        ExpectLists(kSorted, {}, {});
        for (const char *e : {"6 ВГ", "2 ГБ", "3 БГ"})
            ClickItem(w->List1[0], e);
        ExpectLists({}, {"6 ВГ", "2 ГБ", "3 БГ"}, {"1 АБ", "1 БА", "4 АБ", "4 БА", "5 АВ", "5 ВА", "7 БВ", "7 ВБ"});
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        ExpectLists(kSorted, {}, {});
        QTest::mouseClick(w->Command1, Qt::LeftButton);
        ExpectLists(kSorted, {}, {});
    }

    // Clicks that are not a selection in Available: entries of Crossed and
    // Remaining only highlight; empty space, the right and middle buttons and
    // a drag cross nothing more.
    void clicksThatCrossNothing()
    {
        ClickItem(w->List1[0], "5 АВ");
        const Texts available = Shown(w->List1[0]), crossed = Shown(w->List1[1]), remaining = Shown(w->List1[2]);
        ClickItem(w->List1[1], "5 АВ");
        ClickItem(w->List1[2], "4 БА");
        QTest::mouseClick(w->List1[0]->viewport(), Qt::LeftButton, {}, QPoint(40, 100));
        const QPoint onFirst = w->List1[0]->visualItemRect(w->List1[0]->item(0)).center();
        QTest::mouseClick(w->List1[0]->viewport(), Qt::RightButton, {}, onFirst);
        QTest::mouseClick(w->List1[0]->viewport(), Qt::MiddleButton, {}, onFirst);
        ExpectLists(available, crossed, remaining);
        QCOMPARE(w->List1[1]->currentItem()->text(), QStringLiteral("5 АВ"));
        QVERIFY(w->List1[2]->currentItem()->isSelected());

        // Pressing on "6 ВГ" crosses it; moving onto the next row with the
        // button still held must not cross what has moved under the mouse.
        const QRect first = w->List1[0]->visualItemRect(w->List1[0]->item(0));
        QTest::mousePress(w->List1[0]->viewport(), Qt::LeftButton, {}, first.center());
        QMouseEvent move(QEvent::MouseMove, QPointF(first.center() + QPoint(0, first.height())),
                         w->List1[0]->viewport()->mapToGlobal(first.center() + QPoint(0, first.height())),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w->List1[0]->viewport(), &move);
        QTest::mouseRelease(w->List1[0]->viewport(), Qt::LeftButton, {}, first.center() + QPoint(0, first.height()));
        QCOMPARE(Shown(w->List1[1]), (Texts{"5 АВ", "6 ВГ"}));
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
        ExpectLists(kSorted, {}, {});

        // Each Down crosses exactly one entry, until the walk runs dry.
        for (int n = 1; w->List1[0]->count() > 0; ++n) {
            QTest::keyClick(w->List1[0], Qt::Key_Down);
            QCOMPARE(w->List1[1]->count(), n);
            QCOMPARE(Problem(*w), std::string());
        }
        QTest::keyClick(w->List1[0], Qt::Key_Down);
        QVERIFY(w->List1[1]->count() >= 1);

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
        ExpectLists(kSorted, {}, {});

        // End and a typed first digit select, and so cross. After a crossing
        // the focus rests on the first entry, for a screen reader to read
        // out, and Space crosses it.
        w->List1[0]->setFocus();
        QTest::keyClick(w->List1[0], Qt::Key_End);
        QCOMPARE(Shown(w->List1[1]), Texts{"7 ВБ"});
        QTest::keyClick(w->List1[0], Qt::Key_2);
        QCOMPARE(Shown(w->List1[1]), (Texts{"7 ВБ", "2 БГ"}));
        QCOMPARE(w->List1[0]->currentRow(), 0);
        QTest::keyClick(w->List1[0], Qt::Key_Space);
        QCOMPARE(Shown(w->List1[1]), (Texts{"7 ВБ", "2 БГ", "3 ГБ"}));
        QCOMPARE(Problem(*w), std::string());
    }

    // Random clicks and keys anywhere, as fast as they come, with the lists
    // checked after every one. KELVANI_MONKEY_SEED repeats a run.
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
        int crossings = 0, resets = 0;
        for (int n = 0; n < 10000; ++n) {
            const int crossedBefore = w->List1[1]->count();
            QString event;
            const int kind = random.bounded(20);
            if (kind == 0) {
                event = QStringLiteral("Clear");
                QTest::mouseClick(w->Command1, Qt::LeftButton);
            } else if (kind < 7) {
                const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
                QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : w.get();
                event = QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), target->objectName());
                QTest::keyClick(target, key);
            } else {
                // Half the clicks land on Available, where they do the most.
                const QRect area = random.bounded(2) ? w->List1[0]->geometry() : w->rect();
                const QPoint at(area.x() + random.bounded(area.width()), area.y() + random.bounded(area.height()));
                QWidget *target = w->childAt(at) ? w->childAt(at) : w.get();
                const QPoint local = target->mapFrom(w.get(), at);
                const bool twice = random.bounded(8) == 0;
                const Qt::MouseButton button = random.bounded(8) == 0 ? Qt::RightButton : Qt::LeftButton;
                event = QStringLiteral("%1 %2 at %3,%4")
                            .arg(button == Qt::LeftButton ? "left" : "right", twice ? "double click" : "click")
                            .arg(at.x()).arg(at.y());
                if (twice)
                    QTest::mouseDClick(target, button, {}, local);
                else
                    QTest::mouseClick(target, button, {}, local);
            }
            const std::string problem = Problem(*w);
            if (!problem.empty())
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                     .arg(seed).arg(n).arg(event, QString::fromStdString(problem))));
            crossings += w->List1[1]->count() > crossedBefore;
            resets += w->List1[1]->count() < crossedBefore;
        }
        qInfo("%d crossings and %d resets in 10000 events", crossings, resets);
        QVERIFY(crossings > 1000 && resets > 50);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
