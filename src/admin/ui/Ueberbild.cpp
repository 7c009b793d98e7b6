#include "admin/ui/Ueberbild.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int breite = 120;
constexpr int hoehe = 96;
const QColor einband(31, 78, 121);
const QColor papier(252, 250, 240);
const QColor linien(200, 200, 210);
const QColor strasse(70, 70, 70);
} // namespace

QPixmap ueberbild()
{
    QPixmap bild(breite, hoehe);
    bild.fill(Qt::transparent);
    QPainter painter(&bild);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(einband);
    painter.drawRoundedRect(QRectF(4, 8, breite - 8, hoehe - 14), 6, 6);
    painter.setBrush(papier);
    const QRectF links(10, 12, breite / 2.0 - 12, hoehe - 24);
    const QRectF rechts(breite / 2.0 + 2, 12, breite / 2.0 - 12, hoehe - 24);
    painter.drawRect(links);
    painter.drawRect(rechts);

    painter.setPen(QPen(linien, 1));
    for (qreal y = links.top() + 10; y < links.bottom() - 4; y += 9) {
        painter.drawLine(QPointF(links.left() + 4, y), QPointF(links.right() - 4, y));
        painter.drawLine(QPointF(rechts.left() + 4, y), QPointF(rechts.right() - 4, y));
    }

    QPainterPath weg(QPointF(links.left() + 6, links.bottom() - 8));
    weg.cubicTo(QPointF(breite * 0.35, hoehe * 0.2), QPointF(breite * 0.65, hoehe * 0.95),
                QPointF(rechts.right() - 6, rechts.top() + 10));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(strasse, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(weg);
    painter.setPen(QPen(Qt::white, 1.2, Qt::DashLine));
    painter.drawPath(weg);

    painter.setPen(QPen(einband.darker(130), 2));
    painter.drawLine(QPointF(breite / 2.0, 10), QPointF(breite / 2.0, hoehe - 10));
    return bild;
}
