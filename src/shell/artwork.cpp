#include "shell/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace fixtora {

namespace {

const QColor kPitchGreen(0x2e, 0x7d, 0x32);
const QColor kGold(0xf2, 0xc1, 0x2e);

} // namespace

QPixmap LogoPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    PaintLogo(painter, size);
    return picture;
}

void PaintLogo(QPainter &painter, double size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPitchGreen);
    painter.drawEllipse(QRectF(0, 0, size, size));

    const double u = size / 16.0;
    QPainterPath cup;
    cup.moveTo(4 * u, 3.5 * u);
    cup.lineTo(12 * u, 3.5 * u);
    cup.cubicTo(12 * u, 8 * u, 10 * u, 9.5 * u, 8.7 * u, 9.8 * u);
    cup.lineTo(8.7 * u, 11.5 * u);
    cup.lineTo(10.5 * u, 12.5 * u);
    cup.lineTo(5.5 * u, 12.5 * u);
    cup.lineTo(7.3 * u, 11.5 * u);
    cup.lineTo(7.3 * u, 9.8 * u);
    cup.cubicTo(6 * u, 9.5 * u, 4 * u, 8 * u, 4 * u, 3.5 * u);
    painter.setBrush(kGold);
    painter.drawPath(cup);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGold, u * 0.7));
    painter.drawArc(QRectF(2.2 * u, 4 * u, 3 * u, 3 * u), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(10.8 * u, 4 * u, 3 * u, 3 * u), 270 * 16, 180 * 16);
    painter.fillRect(QRectF(5 * u, 12.5 * u, 6 * u, 1.2 * u), kGold.darker(130));
}

QPixmap BannerPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(kPitchGreen);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int stripe = 0; stripe < height; stripe += 40)
        painter.fillRect(0, stripe, width, 20, kPitchGreen.lighter(110));
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(QRectF(6, 6, width - 12, height - 12));
    painter.drawLine(QPointF(6, height / 2.0), QPointF(width - 6, height / 2.0));
    const double radius = width / 4.0;
    painter.drawEllipse(QPointF(width / 2.0, height / 2.0), radius, radius);
    return picture;
}

} // namespace fixtora
