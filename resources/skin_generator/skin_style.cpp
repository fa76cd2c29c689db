#include "resources/skin_generator/skin_style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace velto::skin {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void Plate(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom,
           double radius) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(palette::kEdgeDark, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // Light catches the upper edge only.
    QColor highlight = top.lighter(150);
    highlight.setAlpha(170);
    painter.setPen(QPen(highlight, 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = rect.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath upper;
    upper.moveTo(inner.left(), inner.top() + radius);
    upper.quadTo(inner.topLeft(), QPointF(inner.left() + radius, inner.top()));
    upper.lineTo(inner.right() - radius, inner.top());
    upper.quadTo(inner.topRight(), QPointF(inner.right(), inner.top() + radius));
    painter.drawPath(upper);
}

void Well(QPainter& painter, const QRectF& rect, double radius) {
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, palette::kWell);
    fill.setColorAt(1, palette::kWell.lighter(160));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(rect, radius, radius);
    QColor lip = palette::kEdgeLight;
    lip.setAlpha(90);
    painter.setPen(QPen(lip, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(rect.left() + radius, rect.bottom() + 0.5),
                     QPointF(rect.right() - radius, rect.bottom() + 0.5));
}

void Led(QPainter& painter, const QPointF& centre, double radius, const QColor& colour, bool lit) {
    if (lit) {
        QRadialGradient halo(centre, radius * 2.6);
        QColor glow = colour;
        glow.setAlpha(110);
        halo.setColorAt(0, glow);
        halo.setColorAt(1, Qt::transparent);
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        painter.drawEllipse(centre, radius * 2.6, radius * 2.6);
    }
    QRadialGradient body(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    const QColor base = lit ? colour : colour.darker(420);
    body.setColorAt(0, lit ? base.lighter(170) : base.lighter(140));
    body.setColorAt(1, base);
    painter.setPen(QPen(palette::kEdgeDark, 0.8));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
}

void Glow(QPainter& painter, const QRectF& rect, const QColor& colour, double radius) {
    painter.setBrush(Qt::NoBrush);
    for (int i = 3; i >= 1; --i) {
        QColor ring = colour;
        ring.setAlpha(60 / i + 20);
        painter.setPen(QPen(ring, i * 1.4));
        painter.drawRoundedRect(rect.adjusted(i * 0.7, i * 0.7, -i * 0.7, -i * 0.7), radius,
                                radius);
    }
}

}  // namespace velto::skin
