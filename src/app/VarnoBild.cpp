#include "app/VarnoBild.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap varnoBild(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(214, 232, 248));
    sky.setColorAt(1, Qt::white);
    painter.fillRect(QRectF(0, 0, w, h * 0.7), sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 70, 70));
    painter.drawRect(QRectF(0, h * 0.72, w, h * 0.18));
    painter.setBrush(Qt::white);
    for (qreal x = 10; x < w; x += w / 8)
        painter.drawRect(QRectF(x, h * 0.80, w / 16, h * 0.02));

    const qreal carX = w * 0.18;
    const qreal carY = h * 0.50;
    QPainterPath body;
    body.addRoundedRect(QRectF(carX, carY, w * 0.42, h * 0.16), 10, 10);
    body.addRoundedRect(QRectF(carX + w * 0.08, carY - h * 0.12, w * 0.24, h * 0.16), 12, 12);
    painter.setBrush(QColor(31, 78, 121));
    painter.drawPath(body.simplified());
    painter.setBrush(QColor(190, 220, 245));
    painter.drawRoundedRect(QRectF(carX + w * 0.10, carY - h * 0.09, w * 0.09, h * 0.08), 4, 4);
    painter.drawRoundedRect(QRectF(carX + w * 0.21, carY - h * 0.09, w * 0.09, h * 0.08), 4, 4);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(QPointF(carX + w * 0.09, carY + h * 0.17), h * 0.07, h * 0.07);
    painter.drawEllipse(QPointF(carX + w * 0.33, carY + h * 0.17), h * 0.07, h * 0.07);

    painter.setPen(QColor(31, 78, 121));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(h * 0.22));
    painter.setFont(font);
    painter.drawText(QRectF(w * 0.62, h * 0.18, w * 0.36, h * 0.3), Qt::AlignCenter, QStringLiteral("Varno"));
    return pixmap;
}
