// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The window's fixed content: the texts character for character, the bridge
// map's format and what it shows, and the icon.

#include "content/languages.h"
#include "mainwindow.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <map>
#include <set>

namespace {

// The lands as the picture shows them: the connected areas of land green
// (#008000), large ones only (the insides of letters are green too), each
// pixel labelled with the number of its land or -1.
struct Lands
{
    explicit Lands(const QImage &map) : map(map), label(map.width() * map.height(), -1)
    {
        const auto green = [&](QPoint p) { return map.rect().contains(p) && map.pixel(p) == qRgb(0, 0x80, 0); };
        std::vector<int> seen(label.size(), 0);
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x) {
                if (seen[Index({x, y})] || !green({x, y}))
                    continue;
                std::vector<QPoint> area = {{x, y}};
                seen[Index({x, y})] = 1;
                for (std::size_t i = 0; i < area.size(); ++i)
                    for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                        if (const QPoint n = area[i] + step; green(n) && !seen[Index(n)]++)
                            area.push_back(n);
                if (area.size() > 300)
                    for (const QPoint p : area)
                        label[Index(p)] = count;
                count += area.size() > 300;
            }
    }
    int Index(QPoint p) const { return p.y() * map.width() + p.x(); }

    // The land nearest to a point, within 12 pixels; -1 when there is none.
    int Near(QPointF at) const
    {
        for (int r = 0; r <= 12; ++r)
            for (int dy = -r; dy <= r; ++dy)
                for (int dx = -r; dx <= r; ++dx)
                    if (const QPoint p = at.toPoint() + QPoint(dx, dy); map.rect().contains(p) && label[Index(p)] >= 0)
                        return label[Index(p)];
        return -1;
    }

    const QImage &map;
    std::vector<int> label;
    int count = 0;
};

// A language's map among the program's resources: ":/map-bg.bmp", ...
QString Map(const content::Texts *texts, const char *ending)
{
    return QStringLiteral(":/map-%1%2").arg(QLatin1String(texts->code), QLatin1String(ending));
}

} // namespace

Q_DECLARE_METATYPE(const content::Texts *)

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindow::PrepareApplication(content::kBulgarian); } // as main() does
    void statement()
    {
        MainWindow w(content::kBulgarian);
        // Written out here apart from the program's copy: fifteen lines, each
        // ending in a line break; only the fifth ends in a blank.
        const QStringList expected = {
            "Счита се, че използваните от Ойлер принципи в задачата за седемте моста на Кьонигсберг стават основа "
            "за възникване теорията на графите.",
            "Част от изводите на Ойлер са:",
            "ако всички върхове на графа са четни (с четен брой ребра), то може с едно вдигане на молива от листа, "
            "да се начертае граф, започвайки от произволен връх и завършвайки в същия връх;",
            "за цялостно преминаване броят на нечетните върхове на графа трябва винаги да е четен;",
            "граф с повече от два нечетни върха е невъзможно да се начертае с едно вдигане на молива. ",
            "Да се реализира проект, представящ вътрешнопредметни връзки в Информатика.",
            "Тема на проекта: Kelvani.",
            "В проекта да се постави изображение на седемте моста на Кьонигсберг. Всеки от мостовете да има "
            "уникален номер и да свързва две полета с уникално означение.",
            "Броят на полетата е 4, на мостовете 7.",
            "В група списъчни полета се извежда информация за:",
            "възможен мост за преминаване;",
            "мост, който вече е преминат;",
            "останалите, отдалечени мостове.",
            "При събитие On-Click върху ред от първото поле съответният мост се прехвърля в съседното списъчно "
            "поле и не участва до края.",
            "В самото начало потребителя има възможност да избере произволен мост и свързаните с него полетата. "
            "На всеки следващ ход са достъпни само възможните необиколени мостове за конкретното място.",
            ""};
        QCOMPARE(w.Text1[0]->toPlainText().split('\n'), expected);
        QCOMPARE(w.Text1[0]->toPlainText().size(), 1275);

        const QStringList second = w.Text1[1]->toPlainText().split('\n');
        QCOMPARE(second, (QStringList{"Неприятното в това да си първият, направил нещо по ",
                                      "правилния начин, е, че никой не оценява колко трудно е ", "било. ", ""}));
    }

    // The statement opens on its first line and scrolls down to its last.
    void statementScrolls()
    {
        MainWindow w(content::kBulgarian);
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

    // Each language's map, drawn with its land letters by the same code.
    void languages_data()
    {
        QTest::addColumn<const content::Texts *>("texts");
        for (const content::Texts *texts : content::kLanguages)
            QTest::newRow(texts->code) << texts;
    }

    // The map box paints the language's bitmap for the screen's density,
    // pixel for pixel, inside its 2-pixel frame.
    void mapShown_data() { languages_data(); }
    void mapShown()
    {
        QFETCH(const content::Texts *, texts);
        MainWindow w(*texts);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = w.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int ratio = qRound(shot.devicePixelRatio());
        const QImage map = QImage(Map(texts, ratio == 2 ? "@2x.bmp" : ".bmp")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(map.size(), QSize(220, 173) * ratio);
        QCOMPARE(shot.copy(QRect(QPoint(2, 2) * ratio, map.size())), map);
    }

    void mapFormat_data() { languages_data(); }
    void mapFormat()
    {
        QFETCH(const content::Texts *, texts);
        QFile file(Map(texts, ".bmp"));
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
        const QImage sharp(Map(texts, "@2x.bmp"));
        QCOMPARE(sharp.size(), QSize(440, 346));
        // The web page's copies, pixel for pixel.
        for (const char *density : {"", "@2x"}) {
            const QString file = QStringLiteral(KELVANI_CONTENT_DIR "/map-%1%2.").arg(QLatin1String(texts->code), QLatin1String(density));
            QCOMPARE(QImage(file + "png").convertToFormat(QImage::Format_RGB32),
                     QImage(file + "bmp").convertToFormat(QImage::Format_RGB32));
        }
    }

    void mapShowsLandsAndBridges_data() { languages_data(); }
    void mapShowsLandsAndBridges()
    {
        QFETCH(const content::Texts *, texts);
        const QImage map(Map(texts, ".bmp"));
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

        // Four lands; each letter is black, each on a land of its own.
        const Lands lands(map);
        QCOMPARE(lands.count, 4);
        const std::map<QString, QPoint> letters = {{"А", {110, 23}}, {"Б", {62, 86}}, {"В", {163, 86}}, {"Г", {110, 150}}};
        std::map<QChar, int> landOf;
        for (const auto &[land, at] : letters) {
            landOf[land[0]] = lands.Near(at);
            QVERIFY2(landOf[land[0]] >= 0, qPrintable(land));
            int black = 0;
            for (int dy = -6; dy <= 6; ++dy)
                for (int dx = -6; dx <= 6; ++dx)
                    black += qGray(map.pixel(at + QPoint(dx, dy))) < 40;
            QVERIFY2(black > 15, qPrintable(land));
        }
        QCOMPARE(std::set<int>({landOf[u'А'], landOf[u'Б'], landOf[u'В'], landOf[u'Г']}).size(), std::size_t(4));

        // Each bridge: golden brown over the water between its two ends, and
        // its ends on the lands that its crossing entries name.
        struct Bridge { QPointF from, to; QString lands; };
        const std::map<int, Bridge> bridges = {
            {1, {{32.5, 45}, {32.5, 75}, "АБ"}},  {4, {{68.5, 45}, {68.5, 70}, "АБ"}},
            {2, {{46.5, 102}, {46.5, 129}, "БГ"}}, {3, {{84.5, 98}, {84.5, 129}, "БГ"}},
            {5, {{151.5, 45}, {151.5, 75}, "АВ"}}, {6, {{167.5, 98}, {167.5, 129}, "ВГ"}},
            {7, {{97, 83}, {142, 83}, "БВ"}}};
        for (const auto &[number, bridge] : bridges) {
            QCOMPARE(lands.Near(bridge.from), landOf[bridge.lands[0]]);
            QCOMPARE(lands.Near(bridge.to), landOf[bridge.lands[1]]);
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
