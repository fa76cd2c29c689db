// The response display's frame: background, highlighted band, sum curve, "EQ PASS" mark,
// Q handles, markers, readout and the Copy/Paste popup, composed off-screen.

#include <QPainter>
#include <QPolygonF>
#include <cstring>

#include "controls/cardinal_spline.h"
#include "controls/ckel_scope.h"
#include "controls/ckel_scope_images.h"
#include "controls/font_map.h"

namespace velto {

namespace {

constexpr QRgb kSumPen = 0xFAEE9F49;
constexpr QRgb kHighlightPen = 0x19FFFFFF;
constexpr QRgb kHighlightFill = 0x32FFFFFF;
constexpr QRgb kText = 0xFA000000;
constexpr QRgb kPopupHot = 0xFFFFFF32;
constexpr QRgb kPopupItem = 0xFFFFFFFF;
constexpr QRgb kPopupText = 0xFF000000;
constexpr double kFillTension = 0.5;
constexpr int kMarkerHalf = 9;

QColor Argb(QRgb argb) {
    return QColor::fromRgba(argb);
}

// One point per column, merged where consecutive columns share a pixel row; the last column
// is always kept so the curve reaches the plot's right end.
QVector<QPointF> CurvePoints(std::span<const int> row, int left, int zero) {
    QVector<QPointF> points;
    const int w = static_cast<int>(row.size());
    if (w == 0) return points;
    points.append(QPointF(left, zero + row[0]));
    for (int i = 1; i < w - 1; ++i) {
        const double y = zero + row[i];
        if (y != points.back().y()) points.append(QPointF(left + i, y));
    }
    points.append(QPointF(left + w - 1, zero + row[w - 1]));
    return points;
}

QRect ToQRect(const IntRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

// Copies a block between two images of the same size and format row by row: a plain memory
// copy, far cheaper than a painter blend for the large frames of a wide display.
void CopyRows(QImage& target, const QImage& source, const QRect& area) {
    const QRect r = area.intersected(source.rect()).intersected(target.rect());
    if (r.isEmpty()) return;
    const int depth = source.depth() / 8;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::memcpy(target.scanLine(y) + r.left() * depth,
                    source.constScanLine(y) + r.left() * depth,
                    static_cast<size_t>(r.width()) * depth);
    }
}

QFont ReadoutFont(double scale) {
    return MakeFont(QStringLiteral("Arial Bold"), 12 * scale, 1);
}

}  // namespace

QRect CKel_Scope::PaintFrame(const QRect& area) {
    if (background_.isNull() || !model_.HasBands()) return {};
    QRect painted = area.intersected(rect());
    if (underlayStale_) {
        ComposeUnderlay();
        painted = rect();
    }
    ComposeOverlay(painted);
    return painted;
}

void CKel_Scope::ComposeUnderlay() {
    underlayStale_ = false;
    CopyRows(underlay_, background_, rect());
    QPainter painter(&underlay_);
    painter.setRenderHint(QPainter::Antialiasing);
    model_.RecalcAllIfNeeded();

    painter.setClipRect(ToQRect(model_.Geometry().Plot()));
    if (model_.Options().highlight) DrawHighlight(painter);
    DrawSum(painter);
    painter.setClipping(false);

    if (!model_.IsEqOn()) {
        const IntRect& plot = model_.Geometry().Plot();
        painter.drawImage(QPoint(model_.Geometry().Width() / 2 - 64, plot.bottom - 70), eqPass_,
                          QRect(0, 0, 448, 64));
    }
}

void CKel_Scope::ComposeOverlay(const QRect& area) {
    CopyRows(composite_, underlay_, area);
    QPainter painter(&composite_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    if (model_.Options().highlight) DrawHandlesAndMarkers(painter);
    DrawReadout(painter);
    if (copyPaste_ && popup_.IsOpen()) DrawPopup(painter);
}

void CKel_Scope::DrawHighlight(QPainter& painter) const {
    const PlotGeometry& g = model_.Geometry();
    const IntRect& plot = g.Plot();
    const int zero = g.ZeroLine();
    QVector<QPointF> points = CurvePoints(model_.DisplayRow(0), plot.left, zero);
    const int s = model_.Selected();
    const double floor = 2.0 * plot.bottom;
    QVector<QPointF> fill;
    if (model_.IsPeqBand(s)) {
        points.prepend(QPointF(plot.left, zero));
        points.append(QPointF(plot.right, zero));
        fill = points;
        fill.append(points.front());
    } else {
        if (points.size() <= 2) return;
        if (s == kHpfBand) {
            points.prepend(QPointF(plot.left, floor));
            points.back() = QPointF(plot.right - 1, zero);
            points.append(QPointF(plot.right, zero));
            points.append(QPointF(plot.right, floor));
        } else {
            points.prepend(QPointF(plot.left, zero));
            points.prepend(QPointF(plot.left, floor));
            points[2] = QPointF(plot.left + 1, zero);
            points.append(QPointF(points.back().x(), floor));
        }
        points.append(points.front());
        fill = points;
    }
    painter.setPen(QPen(Argb(kHighlightPen), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
    painter.fillPath(ClosedCardinalSpline(fill, kFillTension), Argb(kHighlightFill));
}

void CKel_Scope::DrawSum(QPainter& painter) const {
    const PlotGeometry& g = model_.Geometry();
    const QVector<QPointF> points = CurvePoints(model_.DisplayRow(1), g.Plot().left, g.ZeroLine());
    painter.setPen(QPen(Argb(kSumPen), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
}

void CKel_Scope::DrawHandlesAndMarkers(QPainter& painter) const {
    const int s = model_.Selected();
    if (model_.IsPeqBand(s) && model_.Band(s).shown && model_.Options().qHandles) {
        const int d = HandleDistance(model_.Band(s).q);
        const int x = MarkerX(model_, s);
        const int y = MarkerY(model_, s);
        painter.drawImage(QPoint(x - d - 9, y - 9), qHandles_,
                          QRect(0, 18 * leftHandleDrag_, 18, 18));
        painter.drawImage(QPoint(x + d - 9, y - 9), qHandles_,
                          QRect(18, 18 * rightHandleDrag_, 18, 18));
    }
    for (int b = 0; b < model_.BandCount(); ++b) {
        if (!model_.Band(b).shown) continue;
        const int column = b == s ? kScopeMarkerCell * animationFrame_ : 0;
        painter.drawImage(QPoint(MarkerX(model_, b) - 11, MarkerY(model_, b) - kMarkerHalf),
                          markerStrip_,
                          QRect(column, kScopeMarkerCell * b, kScopeMarkerCell, kScopeMarkerCell));
    }
}

void CKel_Scope::DrawReadout(QPainter& painter) const {
    const int b = model_.Readout();
    if (!model_.IsBand(b) || !model_.Band(b).shown) return;
    const QString text = ReadoutText(b);
    const QFont font = ReadoutFont(model_.Options().readoutFontScale);
    const QSizeF size = QFontMetricsF(font).size(Qt::TextSingleLine, text);
    const IntRect& plot = model_.Geometry().Plot();
    const int y = MarkerY(model_, b);
    // The box starts at the marker's plot offset taken as a client x, below the marker, and
    // is moved back inside the plot when it would leave it.
    double left = model_.Band(b).xOffset;
    double top = y + kMarkerHalf;
    if (plot.left > left) left = plot.left + kMarkerHalf;
    if (left + size.width() > plot.right) left = plot.right - size.width() - kMarkerHalf;
    if (top + size.height() > plot.bottom) top = y - size.height() - kMarkerHalf;
    painter.setFont(font);
    painter.setPen(Argb(kText));
    painter.drawText(QRectF(QPointF(left, top), size), Qt::AlignCenter | Qt::TextDontClip, text);
}

void CKel_Scope::DrawPopup(QPainter& painter) const {
    painter.setFont(ReadoutFont(model_.Options().readoutFontScale));
    const struct {
        const IntRect& rect;
        bool hot;
        QString text;
    } items[] = {{popup_.CopyRect(), popup_.State() == ScopePopup::kCopyHot, "Copy"},
                 {popup_.PasteRect(), popup_.State() == ScopePopup::kPasteHot, "Paste"}};
    for (const auto& item : items) {
        const QRect r = ToQRect(item.rect);
        painter.fillRect(r, Argb(item.hot ? kPopupHot : kPopupItem));
        painter.setPen(Argb(kPopupText));
        painter.drawText(r, Qt::AlignCenter | Qt::TextDontClip, item.text);
    }
}

}  // namespace velto
