// What assistive technology sees of the window, through Qt's own
// accessibility interfaces: names, roles, the lists' items, and the events
// that tell a screen reader that a crossing changed the lists, whether it
// was made with the mouse or the keyboard.

#include "mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// The objects that the accessibility events of one action were about.
QList<QObject *> g_changed;
void Record(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ObjectReorder || event->type() == QAccessible::TableModelChanged
        || event->type() == QAccessible::NameChanged)
        g_changed.append(event->object());
}

QStringList Items(QAccessibleInterface *list)
{
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i)
        names << list->child(i)->text(QAccessible::Name);
    return names;
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // What a screen reader's arrival does: the views start reporting.
        QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(Record);
    }

    void namesAndItems()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QStringList captions = {"Достъпни", "Преминати", "Оставащи"};
        for (int i = 0; i < 3; ++i) {
            QAccessibleInterface *list = QAccessible::queryAccessibleInterface(w.List1[i]);
            QCOMPARE(list->role(), QAccessible::List);
            QCOMPARE(list->text(QAccessible::Name), captions[i]);
        }
        QCOMPARE(Items(QAccessible::queryAccessibleInterface(w.List1[0])).size(), 14);
        QCOMPARE(Items(QAccessible::queryAccessibleInterface(w.List1[0])).first(), QStringLiteral("1 АБ"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Command1)->text(QAccessible::Name), QStringLiteral("Чисти"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Text1[0])->text(QAccessible::Name),
                 QStringLiteral("Условие на задачата"));
        QCOMPARE(QAccessible::queryAccessibleInterface(w.Label1[0])->text(QAccessible::Name), QStringLiteral("Kelvani"));
        QAccessibleInterface *map = QAccessible::queryAccessibleInterface(w.Picture1);
        QCOMPARE(map->text(QAccessible::Name), QStringLiteral("Карта на мостовете"));
        const QString description = map->text(QAccessible::Description);
        for (const char *part : {"А е северният бряг", "Б е западният остров", "В е източният остров",
                                 "Г е южният бряг", "1 и 4 свързват А и Б", "2 и 3 свързват Б и Г",
                                 "5 свързва А и В", "6 свързва В и Г", "7 свързва Б и В"})
            QVERIFY2(description.contains(QString::fromUtf8(part)), part);
    }

    // A crossing by key and one by mouse change the same lists, and each
    // tells assistive technology about all three.
    void crossingsAreAnnounced()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.List1[0]->setFocus();
        g_changed.clear();
        QTest::keyClick(w.List1[0], Qt::Key_Down);
        QCOMPARE(w.List1[1]->count(), 1);
        const QList<QObject *> byKey = g_changed;

        g_changed.clear();
        const QRect first = w.List1[0]->visualItemRect(w.List1[0]->item(0));
        QTest::mouseClick(w.List1[0]->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(w.List1[1]->count(), 2);
        const QList<QObject *> byMouse = g_changed;

        for (int i = 0; i < 3; ++i) {
            QVERIFY2(byKey.contains(w.List1[i]), qPrintable(QString::number(i)));
            QVERIFY2(byMouse.contains(w.List1[i]), qPrintable(QString::number(i)));
        }
        QAccessibleInterface *crossed = QAccessible::queryAccessibleInterface(w.List1[1]);
        // Focus rests on the first entry, so Down crossed the second.
        QCOMPARE(Items(crossed), (QStringList{"1 БА", w.List1[1]->item(1)->text()}));
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
