#include "controls/cardinal_spline.h"

namespace velto {

namespace {

// Bezier segment from p1 to p2 with the tangents taken from p0 and p3.
void AddSegment(QPainterPath& path, const QPointF& p0, const QPointF& p1, const QPointF& p2,
                const QPointF& p3, double tension) {
    const double k = tension / 3;
    path.cubicTo(p1 + (p2 - p0) * k, p2 - (p3 - p1) * k, p2);
}

}  // namespace

QPainterPath ClosedCardinalSpline(const QVector<QPointF>& points, double tension) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const qsizetype n = points.size();
    if (n == 0) return path;
    path.moveTo(points.front());
    for (qsizetype i = 0; i < n; ++i) {
        AddSegment(path, points[(i + n - 1) % n], points[i], points[(i + 1) % n],
                   points[(i + 2) % n], tension);
    }
    path.closeSubpath();
    return path;
}

}  // namespace velto
