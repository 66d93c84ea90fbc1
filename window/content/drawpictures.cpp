// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers

// Draws the window's pictures, so that they can be changed and drawn again:
//
//   QT_QPA_PLATFORM=offscreen kelvani-drawpictures window/content
//
// writes the bridge map, the lands and bridges without the lands' letters,
// which each host writes on it in the window's language (map.bmp, 220 × 173,
// the Windows bitmap the programs show, the same as map.png for the page,
// and map@2x.png for screens of twice the density), the window icon
// (kelvani.ico, 32 × 32 in 256 colours) and the icon in the sizes of the
// desktop's icon theme (kelvani-N.png).
// The results are kept in the repository, so that a build never depends on
// which fonts are installed.

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

const QColor kLand(0x00, 0x80, 0x00);
const QColor kWater(0x00, 0x00, 0xFF);
const QColor kGold(0xC8, 0x96, 0x28);
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kPlankLine(0x50, 0x30, 0x08);

// Two planks from a to b, each with a dark line down its middle, and the
// bridge's number in black on a golden-brown plate half way across.
void DrawBridge(QPainter &p, QPointF a, QPointF b, int number)
{
    const QLineF line(a, b);
    p.save();
    p.translate(a);
    p.rotate(-line.angle());
    for (qreal side : {-3.5, 3.5}) {
        p.fillRect(QRectF(0, side - 2.5, line.length(), 5), kGold);
        p.setPen(QPen(kPlankLine, 1));
        p.drawLine(QPointF(0, side), QPointF(line.length(), side));
    }
    p.restore();
    const QPointF middle = line.center();
    p.fillRect(QRectF(middle.x() - 5, middle.y() - 6, 10, 12), kGold);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(middle.x() - 5, middle.y() - 6, 10, 12), Qt::AlignCenter, QString::number(number));
}

// The plan of the lands and bridges, at 220 × 173 times scale.
QImage DrawMap(int scale)
{
    QImage image(220 * scale, 173 * scale, QImage::Format_RGB32);
    image.fill(kLand);
    QPainter p(&image);
    p.scale(scale, scale);
    // The river through the middle third: golden-brown banks, a teal band
    // along the water, and the water itself.
    p.fillRect(QRectF(0, 47, 220, 80), kGold);
    p.fillRect(QRectF(0, 49, 220, 76), kTeal);
    p.fillRect(QRectF(0, 50, 220, 74), kWater);

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGold, 2));
    p.setBrush(kLand);
    p.drawEllipse(QPointF(62, 86.5), 38, 20);  // Б, the western island
    p.drawEllipse(QPointF(163, 86.5), 24, 16); // В, the eastern island

    // No two bridges share a column, so the water shows across the whole width.
    DrawBridge(p, {36, 45}, {36, 75}, 1);   // А–Б
    DrawBridge(p, {72, 45}, {72, 70}, 4);   // А–Б
    DrawBridge(p, {50, 102}, {50, 129}, 2); // Б–Г
    DrawBridge(p, {88, 98}, {88, 129}, 3);  // Б–Г
    DrawBridge(p, {155, 45}, {155, 75}, 5); // А–В
    DrawBridge(p, {171, 98}, {171, 129}, 6); // В–Г
    DrawBridge(p, {97, 86.5}, {142, 86.5}, 7); // Б–В
    return image;
}

// A hamburger: sesame bun, lettuce, cheese, tomato and a dark patty, drawn
// on a 32-unit grid and scaled to size.
QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const QColor bun(0xDE, 0x8E, 0x2E), crust(0x8A, 0x4B, 0x0E);
    p.setPen(QPen(crust, 0.8));

    p.setBrush(bun);
    p.drawRoundedRect(QRectF(3.5, 24.5, 25, 5), 2.5, 2.5); // bottom bun
    p.setBrush(QColor(0x4A, 0x25, 0x10));
    p.drawRoundedRect(QRectF(2.5, 20.5, 27, 4.5), 2, 2); // patty
    p.setBrush(QColor(0xE0, 0x30, 0x1E));
    p.drawRoundedRect(QRectF(4, 18.5, 24, 2.5), 1, 1); // tomato
    const QPolygonF cheese({{3, 16.5}, {29, 16.5}, {29, 18.5}, {23, 18.5}, {20, 21.5}, {17, 18.5},
                            {10, 18.5}, {7.5, 21}, {5, 18.5}, {3, 18.5}}); // with two drips
    p.setBrush(QColor(0xFF, 0xD0, 0x00));
    p.setPen(QPen(QColor(0xC0, 0x90, 0x00), 0.6));
    p.drawPolygon(cheese);
    QPainterPath lettuce;
    lettuce.moveTo(2, 15);
    for (int x = 2; x < 30; x += 4)
        lettuce.quadTo(x + 2, 18.5, x + 4, 15);
    lettuce.lineTo(30, 14);
    lettuce.lineTo(2, 14);
    lettuce.closeSubpath();
    p.setBrush(QColor(0x3F, 0xB0, 0x3F));
    p.setPen(QPen(QColor(0x1E, 0x70, 0x1E), 0.6));
    p.drawPath(lettuce);
    QPainterPath top;
    top.moveTo(3, 14.5);
    top.cubicTo(3, 2, 29, 2, 29, 14.5);
    top.closeSubpath();
    p.setBrush(bun);
    p.setPen(QPen(crust, 0.8));
    p.drawPath(top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF4, 0xC8));
    for (QPointF seed : {QPointF(10, 8.5), QPointF(16, 6.5), QPointF(22, 8.5), QPointF(13, 11.5), QPointF(19, 11.5)})
        p.drawEllipse(seed, 1.4, 0.8);
    return image;
}

// Writes a one-image icon file: 32 × 32, 8 bits a pixel with a 256-colour
// palette, and the 1-bit mask that makes the background transparent.
bool WriteIcon(const QImage &argb, const QString &fileName)
{
    QImage opaque = argb.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < opaque.height(); ++y) {
        for (int x = 0; x < opaque.width(); ++x) {
            const QRgb c = opaque.pixel(x, y);
            opaque.setPixel(x, y, qAlpha(c) < 128 ? qRgb(0, 0, 0) : (c | 0xFF000000));
        }
    }
    const QImage indexed = opaque.convertToFormat(QImage::Format_RGB32)
                               .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVector<QRgb> palette = indexed.colorTable();
    palette.resize(256, qRgb(0, 0, 0));

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixelBytes = 32 * 32, maskBytes = 32 * 4, headerBytes = 40;
    out << quint16(0) << quint16(1) << quint16(1);                             // icon directory, one image
    out << quint8(32) << quint8(32) << quint8(0) << quint8(0) << quint16(1) << quint16(8)
        << quint32(headerBytes + 256 * 4 + pixelBytes + maskBytes) << quint32(6 + 16);
    out << headerBytes << qint32(32) << qint32(64) << quint16(1) << quint16(8) << quint32(0)
        << quint32(pixelBytes + maskBytes) << qint32(0) << qint32(0) << quint32(256) << quint32(0);
    for (QRgb c : palette)
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    for (int y = 31; y >= 0; --y) // rows bottom-up
        out.writeRawData(reinterpret_cast<const char *>(indexed.constScanLine(y)), 32);
    for (int y = 31; y >= 0; --y) {
        quint32 mask = 0; // a set bit marks a transparent pixel, leftmost pixel first
        for (int x = 0; x < 32; ++x)
            mask |= quint32(qAlpha(argb.pixel(x, y)) < 128) << (31 - x);
        out << quint8(mask >> 24) << quint8(mask >> 16) << quint8(mask >> 8) << quint8(mask);
    }
    return out.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = WriteIcon(DrawIcon(32), folder.filePath(QStringLiteral("kelvani.ico")));
    const QImage map = DrawMap(1).convertToFormat(QImage::Format_RGB888);
    ok = ok && map.save(folder.filePath(QStringLiteral("map.bmp")), "BMP")
         && map.save(folder.filePath(QStringLiteral("map.png")), "PNG", 0)
         && DrawMap(2).convertToFormat(QImage::Format_RGB888).save(folder.filePath(QStringLiteral("map@2x.png")), "PNG", 0);
    for (int size : {32, 48, 64, 128, 256})
        ok = ok && DrawIcon(size).save(folder.filePath(QStringLiteral("kelvani-%1.png").arg(size)), "PNG");
    if (!ok)
        std::fprintf(stderr, "kelvani-drawpictures: could not write into %s\n", qPrintable(folder.absolutePath()));
    return ok ? 0 : 1;
}
