#pragma once
// Closed cardinal splines as GDI+ fills them (FillClosedCurve): a Bezier segment between
// neighbouring points whose control points follow the tangent through the points around them.

#include <QPainterPath>
#include <QPointF>
#include <QVector>

namespace velto {

QPainterPath ClosedCardinalSpline(const QVector<QPointF>& points, double tension);

}  // namespace velto
