// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// The window's fixed content: the texts character for character, the bridge
// map's format and what it shows, the letters each language writes on it,
// and the icon.

#include "content/languages.h"
#include "form.h"
#include "mainwindow.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cmath>
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

// The map as the program holds it, at 1 or 2 times the density of 96 dpi.
QImage Map(int ratio)
{
    return QImage(ratio == 2 ? QStringLiteral(":/map@2x.png") : QStringLiteral(":/map.bmp")).convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(const content::Texts *)

class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindow::PrepareApplication(content::Languages()[0]); } // as main() does
    void statement()
    {
        MainWindow w(content::Languages()[0]);
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
        MainWindow w(content::Languages()[0]);
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

    // Each language writes its own letters on the map.
    void languages_data()
    {
        QTest::addColumn<const content::Texts *>("texts");
        for (const content::Texts &texts : content::Languages())
            QTest::newRow(texts.code) << &texts;
    }

    // The map box paints the map with the language's letters, for the
    // screen's density, pixel for pixel, inside its 2-pixel frame. The
    // letters change the picture only at their places, and a language's map
    // is Kelvani's own exactly when it writes the same letters.
    void mapShown_data() { languages_data(); }
    void mapShown()
    {
        QFETCH(const content::Texts *, texts);
        MainWindow w(*texts);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = w.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int ratio = qRound(shot.devicePixelRatio());
        const QImage shown = MainWindow::MapPicture(texts->lands, ratio).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(form::kMapWidth, form::kMapHeight) * ratio);
        QCOMPARE(shot.copy(QRect(QPoint(2, 2) * ratio, shown.size())), shown);

        const QImage map = Map(ratio);
        int elsewhere = 0;
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x)
                elsewhere += shown.pixel(x, y) != map.pixel(x, y)
                             && std::none_of(form::kMapLetters.begin(), form::kMapLetters.end(), [&](const form::MapLetter &l) {
                                    return std::abs(x / ratio - l.x) <= l.pixels && std::abs(y / ratio - l.y) <= l.pixels;
                                });
        QCOMPARE(elsewhere, 0);
        const content::Texts &own = content::Languages()[0];
        const bool sameLetters = std::equal(own.lands.begin(), own.lands.end(), texts->lands.begin(),
                                            [](const char *a, const char *b) { return std::string_view(a) == b; });
        QCOMPARE(MainWindow::MapPicture(own.lands, ratio).convertToFormat(QImage::Format_RGB32) == shown, sameLetters);
    }

    // One picture for every language: a Windows bitmap, 24 bits a pixel,
    // uncompressed, rows bottom-up; the same as PNG for the page, and at
    // twice the density.
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
        QCOMPARE(number(18, 4), form::kMapWidth);
        QCOMPARE(number(22, 4), form::kMapHeight); // positive height: rows stored bottom-up
        QCOMPARE(number(28, 2), 24);  // bits a pixel
        QCOMPARE(number(30, 4), 0);   // no compression
        QCOMPARE(QImage(QStringLiteral(KELVANI_CONTENT_DIR "/map.png")).convertToFormat(QImage::Format_RGB32), Map(1));
        const QImage sharp(QStringLiteral(KELVANI_CONTENT_DIR "/map@2x.png"));
        QCOMPARE(sharp.size(), QSize(form::kMapWidth, form::kMapHeight) * 2);
        QVERIFY(!sharp.hasAlphaChannel());
    }

    // The picture shows four lands and the seven bridges, each bridge from
    // the land of one letter to that of another as the walk's entries have
    // it; and in every language each letter is black on its own land.
    void mapShowsLandsAndBridges_data() { languages_data(); }
    void mapShowsLandsAndBridges()
    {
        QFETCH(const content::Texts *, texts);
        const QImage map = Map(1);
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

        // Four lands; each letter's place on a land of its own, and there
        // the letter, black, as the language writes it.
        const Lands lands(map);
        QCOMPARE(lands.count, 4);
        const QImage shown = MainWindow::MapPicture(texts->lands, 1).convertToFormat(QImage::Format_RGB32);
        std::map<std::string_view, int> landOf;
        for (std::size_t i = 0; i < walk::kLands.size(); ++i) {
            const QPointF at(form::kMapLetters[i].x, form::kMapLetters[i].y);
            landOf[walk::kLands[i]] = lands.Near(at);
            QVERIFY2(landOf[walk::kLands[i]] >= 0, texts->lands[i]);
            int black = 0;
            for (int dy = -6; dy <= 6; ++dy)
                for (int dx = -6; dx <= 6; ++dx)
                    black += qGray(shown.pixel(at.toPoint() + QPoint(dx, dy))) < 40;
            QVERIFY2(black > 15, texts->lands[i]);
        }
        QCOMPARE(std::set<int>({landOf["А"], landOf["Б"], landOf["В"], landOf["Г"]}).size(), std::size_t(4));

        // Each bridge: golden brown over the water between its two ends, and
        // its ends on the lands that its crossing entries name.
        const std::map<int, std::pair<QPointF, QPointF>> bridges = {
            {1, {{32.5, 45}, {32.5, 75}}},  {4, {{68.5, 45}, {68.5, 70}}},   {2, {{46.5, 102}, {46.5, 129}}},
            {3, {{84.5, 98}, {84.5, 129}}}, {5, {{151.5, 45}, {151.5, 75}}}, {6, {{167.5, 98}, {167.5, 129}}},
            {7, {{97, 83}, {142, 83}}}};
        for (std::string_view entry : walk::kCatalogueEntries) {
            const auto &[from, to] = bridges.at(walk::BridgeNumber(entry));
            const std::set<int> ends = {lands.Near(from), lands.Near(to)};
            QCOMPARE(ends, (std::set<int>{landOf[walk::FromLand(entry)], landOf[walk::ToLand(entry)]}));
            for (qreal t = 0; t <= 1; t += 0.05)
                QVERIFY2(map.pixel((from + t * (to - from)).toPoint()) != blue, entry.data());
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
