#include "DemoPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace demo {

namespace {

using anybutton::PictureRef;

QImage blackCanvas() {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

} // namespace

PictureRef folderBitmap() {
    QImage img = blackCanvas();
    QPainter p(&img);
    p.setPen(QColor(120, 80, 0));
    p.setBrush(QColor(240, 190, 60));
    p.drawRect(3, 6, 12, 5);
    p.drawRect(3, 9, 26, 18);
    p.setBrush(QColor(255, 215, 100));
    p.drawRect(5, 13, 24, 14);
    p.end();
    return PictureRef::fromImage(img, PictureRef::Type::Bitmap);
}

PictureRef diskBitmap() {
    QImage img = blackCanvas();
    QPainter p(&img);
    p.setPen(QColor(10, 30, 90));
    p.setBrush(QColor(50, 90, 200));
    p.drawRect(4, 4, 24, 24);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(9, 5, 14, 9);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(10, 19, 12, 8);
    p.end();
    return PictureRef::fromImage(img, PictureRef::Type::Bitmap);
}

PictureRef starBitmap() {
    QImage img = blackCanvas();
    QPainter p(&img);
    QPolygon star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 15 : 6.5, a = -M_PI / 2 + i * M_PI / 5;
        star << QPoint(static_cast<int>(16 + r * std::cos(a)),
                       static_cast<int>(17 + r * std::sin(a)));
    }
    p.setPen(QColor(160, 90, 0));
    p.setBrush(QColor(255, 200, 20));
    p.drawPolygon(star);
    p.end();
    return PictureRef::fromImage(img, PictureRef::Type::Bitmap);
}

PictureRef mailIcon() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(2.5, 7.5, 27, 18), 2, 2);
    p.drawPolyline(QPolygonF{QPointF(3, 8), QPointF(16, 18), QPointF(29, 8)});
    p.setBrush(QColor(220, 40, 40, 220));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(20, 2, 10, 10));
    p.end();
    return PictureRef::fromImage(img, PictureRef::Type::Icon);
}

QImage backgroundImage(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, QColor(214, 226, 240));
    g.setColorAt(1, QColor(168, 190, 214));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(255, 255, 255, 90));
    for (int x = -height; x < width; x += 14)
        p.drawLine(x, height, x + height, 0);
    return img;
}

} // namespace demo
