// The window's fixed content: the texts character for character, the bridge
// map's format and what it shows, and the icon.

#include "mainwindow.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <map>

namespace {

// Which land a point of the map lies on; the plan has the river between
// y = 47 and y = 127, the western island around (62, 86) and the eastern
// one around (163, 86).
QString LandAt(QPointF p)
{
    const auto inside = [&](QPointF c, qreal rx, qreal ry) {
        return std::pow((p.x() - c.x()) / rx, 2) + std::pow((p.y() - c.y()) / ry, 2) < 1;
    };
    if (p.y() < 47)
        return QStringLiteral("А");
    if (p.y() > 127)
        return QStringLiteral("Г");
    if (inside({62, 86.5}, 38, 20))
        return QStringLiteral("Б");
    if (inside({163, 86.5}, 24, 16))
        return QStringLiteral("В");
    return QStringLiteral("river");
}

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindow::PrepareApplication(); } // as main() does
    void statement()
    {
        MainWindow w;
        const QStringList lines = w.Text1[0]->toPlainText().split('\n');
        QCOMPARE(lines.size(), 16); // fifteen lines, each ending in a line break
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[0], QStringLiteral("Счита се, че използваните от Ойлер принципи в задачата за седемте моста на "
                                          "Кьонигсберг стават основа за възникване теорията на графите."));
        QCOMPARE(lines[4], QStringLiteral("граф с повече от два нечетни върха е невъзможно да се начертае с едно "
                                          "вдигане на молива. "));
        QCOMPARE(lines[6], QStringLiteral("Тема на проекта: Kelvani."));
        QCOMPARE(lines[14], QStringLiteral("В самото начало потребителя има възможност да избере произволен мост и "
                                           "свързаните с него полетата. На всеки следващ ход са достъпни само "
                                           "възможните необиколени мостове за конкретното място."));
        for (int i = 0; i < 15; ++i)
            QCOMPARE(lines[i].endsWith(' '), i == 4);
        QCOMPARE(w.Text1[0]->toPlainText().size(), 1275);

        const QStringList second = w.Text1[1]->toPlainText().split('\n');
        QCOMPARE(second, (QStringList{"Неприятното в това да си първият, направил нещо по ",
                                      "правилния начин, е, че никой не оценява колко трудно е ", "било. ", ""}));
    }

    // The statement opens on its first line and scrolls down to its last.
    void statementScrolls()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QPlainTextEdit *text = w.Text1[0];
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QCOMPARE(text->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
        QVERIFY(text->verticalScrollBar()->maximum() > 0);
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
        const int bottom = text->viewport()->height() - 4;
        QVERIFY(text->cursorForPosition(QPoint(4, bottom)).blockNumber() >= 14);
    }

    // The map box paints the bitmap for the screen's density, pixel for pixel,
    // inside its 2-pixel frame.
    void mapShown()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = w.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int ratio = qRound(shot.devicePixelRatio());
        const QImage map = QImage(ratio == 2 ? QStringLiteral(":/map@2x.bmp") : QStringLiteral(":/map.bmp"))
                               .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(map.size(), QSize(220, 173) * ratio);
        QCOMPARE(shot.copy(QRect(QPoint(2, 2) * ratio, map.size())), map);
    }

    void mapFormat()
    {
        QFile file(QStringLiteral(":/map.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bmp = file.readAll();
        QCOMPARE(bmp.size(), 114234);
        const auto number = [&](int at, int bytes) {
            qint64 n = 0;
            for (int i = bytes - 1; i >= 0; --i)
                n = n * 256 + quint8(bmp[at + i]);
            return n;
        };
        QVERIFY(bmp.startsWith("BM"));
        QCOMPARE(number(18, 4), 220);
        QCOMPARE(number(22, 4), 173); // positive height: rows stored bottom-up
        QCOMPARE(number(28, 2), 24);  // bits a pixel
        QCOMPARE(number(30, 4), 0);   // no compression
        const QImage sharp(QStringLiteral(":/map@2x.bmp"));
        QCOMPARE(sharp.size(), QSize(440, 346));
    }

    void mapShowsLandsAndBridges()
    {
        const QImage map(QStringLiteral(":/map.bmp"));
        QCOMPARE(map.size(), QSize(220, 173));
        std::map<QRgb, int> counts;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                ++counts[map.pixel(x, y)];
        const auto commonest = std::max_element(counts.begin(), counts.end(),
                                                [](auto a, auto b) { return a.second < b.second; });
        QCOMPARE(QColor(commonest->first), QColor(0x00, 0x80, 0x00));

        // The river: pure blue in every column inside the middle third, and
        // none outside the river's band.
        const QRgb blue = qRgb(0, 0, 0xFF);
        for (int x = 0; x < map.width(); ++x) {
            bool water = false;
            for (int y = 58; y < 115 && !water; ++y)
                water = map.pixel(x, y) == blue;
            QVERIFY2(water, qPrintable(QString::number(x)));
            QVERIFY(map.pixel(x, 20) != blue && map.pixel(x, 155) != blue);
        }

        // Each letter is black, on the land it names.
        const std::map<QString, QPoint> letters = {{"А", {110, 23}}, {"Б", {62, 86}}, {"В", {163, 86}}, {"Г", {110, 150}}};
        for (const auto &[land, at] : letters) {
            QCOMPARE(LandAt(at), land);
            int black = 0;
            for (int dy = -6; dy <= 6; ++dy)
                for (int dx = -6; dx <= 6; ++dx)
                    black += qGray(map.pixel(at + QPoint(dx, dy))) < 40;
            QVERIFY2(black > 15, qPrintable(land));
        }

        // Each bridge: golden brown over the water between its two ends, and
        // its ends on the lands that its crossing entries name.
        struct Bridge { QPointF from, to; QString lands; };
        const std::map<int, Bridge> bridges = {
            {1, {{32.5, 45}, {32.5, 75}, "АБ"}},  {4, {{68.5, 45}, {68.5, 70}, "АБ"}},
            {2, {{46.5, 102}, {46.5, 129}, "БГ"}}, {3, {{84.5, 98}, {84.5, 129}, "БГ"}},
            {5, {{151.5, 45}, {151.5, 75}, "АВ"}}, {6, {{167.5, 98}, {167.5, 129}, "ВГ"}},
            {7, {{97, 83}, {142, 83}, "БВ"}}};
        for (const auto &[number, bridge] : bridges) {
            QCOMPARE(LandAt(bridge.from) + LandAt(bridge.to), bridge.lands);
            for (qreal t = 0; t <= 1; t += 0.05) {
                const QPointF p = bridge.from + t * (bridge.to - bridge.from);
                QVERIFY2(map.pixel(p.toPoint()) != blue, qPrintable(QString::number(number)));
            }
        }
    }

    void icon()
    {
        QCOMPARE(QIcon(QStringLiteral(":/kelvani-32.png")).availableSizes().value(0), QSize(32, 32));
        QFile file(QStringLiteral(KELVANI_CONTENT_DIR "/kelvani.ico"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        QCOMPARE(ico.left(6), QByteArray("\0\0\1\0\1\0", 6)); // an icon file holding one image
        QCOMPARE(int(quint8(ico[6])), 32);
        QCOMPARE(int(quint8(ico[7])), 32);
        QCOMPARE(int(quint8(ico[6 + 16 + 14])), 8); // 8 bits a pixel: 256 colours
        const QImage image = QImage::fromData(ico, "ICO");
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);  // transparent corner
        QCOMPARE(image.pixelColor(16, 22).alpha(), 255); // the patty
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
