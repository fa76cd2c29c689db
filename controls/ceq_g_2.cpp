#include "controls/ceq_g_2.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "controls/font_map.h"

namespace velto {
namespace {

// Style 0 geometry in design units.
constexpr double kDesignWidth = 41;
constexpr double kDesignHeight = 205;
constexpr double kTrackX = 32;
constexpr double kTrackMinY = 190;
constexpr double kTrackMaxY = 15;
constexpr double kThumbWidth = 13;
constexpr double kThumbHeight = 29;
constexpr double kMarkerWidth = 16;
constexpr double kMarkerHeight = 18;

}  // namespace

CEQ_G_2::CEQ_G_2(QWidget* parent) : SkinnedControl(parent) {}

QSizeF CEQ_G_2::DesignSize() const {
    return QSizeF(kDesignWidth, kDesignHeight);
}

double CEQ_G_2::PositionOf(int value) const {
    const double pmin = kTrackMinY * ScaleY();
    const double pmax = kTrackMaxY * ScaleY();
    const int range = maximum_ - minimum_;
    if (range == 0) return pmin;
    return pmin + (pmax - pmin) * (value - minimum_) / range;
}

int CEQ_G_2::ValueAt(double position) const {
    const double pmin = kTrackMinY * ScaleY();
    const double pmax = kTrackMaxY * ScaleY();
    if (pmax == pmin) return minimum_;
    return static_cast<int>(minimum_ + (position - pmin) * (maximum_ - minimum_) / (pmax - pmin));
}

QRectF CEQ_G_2::ThumbRect() const {
    const double w = kThumbWidth * ScaleX();
    const double h = kThumbHeight * ScaleY();
    return QRectF(kTrackX * ScaleX() - w / 2, PositionOf(value_) - h / 2, w, h);
}

QRectF CEQ_G_2::MarkerRect(int value, const skin::AtlasRect&) const {
    // The handles sit left of the track and point at it.
    const double w = kMarkerWidth * ScaleX();
    const double h = kMarkerHeight * ScaleY();
    const double right = kTrackX * ScaleX() - kThumbWidth * ScaleX() / 2;
    return QRectF(right - w, PositionOf(value) - h / 2, w, h);
}

QRectF CEQ_G_2::LowMarkerRect() const {
    return MarkerRect(lowMarker_, skin::fader::kLowMarker);
}
QRectF CEQ_G_2::HighMarkerRect() const {
    return MarkerRect(highMarker_, skin::fader::kHighMarker);
}

void CEQ_G_2::SetValue(double x) {
    value_ = static_cast<int>(std::trunc(scale_ * x));
    PaintNow();
}

double CEQ_G_2::GetValue() const {
    return scale_ != 0 ? double(value_) / scale_ : value_;
}

void CEQ_G_2::SetShown(bool shown) {
    shown_ = shown;
    if (initialised_) Invalidate();
}

void CEQ_G_2::SetInputEnabled(bool enabled) {
    inputEnabled_ = enabled;
    dragThumb_ = dragLow_ = dragHigh_ = false;
    ReleaseCapture();
    Invalidate();
}

void CEQ_G_2::SetLowMarker(double x) {
    lowMarker_ = static_cast<int>(std::trunc(x));
    Invalidate();
}

void CEQ_G_2::SetHighMarker(double x) {
    highMarker_ = static_cast<int>(std::trunc(x));
    Invalidate();
}

void CEQ_G_2::SetMarkersOn(bool on) {
    markersOn_ = on;
    Invalidate();
}

void CEQ_G_2::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    Invalidate();
}

void CEQ_G_2::SetScale(int scale) {
    scale_ = scale;
}
void CEQ_G_2::SetStep(double step) {
    step_ = step;
}
void CEQ_G_2::SetCoarseThreshold(int threshold) {
    coarseThreshold_ = threshold;
}

void CEQ_G_2::StepUp() {
    value_ = static_cast<int>(
        std::trunc(value_ < coarseThreshold_ ? value_ + step_ : value_ + 10 * step_));
}

void CEQ_G_2::StepDown() {
    value_ = static_cast<int>(
        std::trunc(value_ > coarseThreshold_ ? value_ - 10 * step_ : value_ - step_));
}

void CEQ_G_2::NotifyValue() {
    value_ = std::clamp(value_, minimum_, std::max(minimum_, maximum_));
    Notify(index_, value_);
}

void CEQ_G_2::LeftPress(const QPointF& point) {
    if (!CanTakeMouse()) return;
    setFocus(Qt::MouseFocusReason);
    const QRectF thumb = ThumbRect();
    if (thumb.contains(point)) {
        SetCapture();
        setCursor(Qt::PointingHandCursor);
        dragThumb_ = true;
        NotifyValue();
    } else if (markersOn_ &&
               (LowMarkerRect().contains(point) || HighMarkerRect().contains(point))) {
        const bool low = LowMarkerRect().contains(point);
        const bool high = HighMarkerRect().contains(point);
        // Overlapping handles: the one that can still move apart from the other is taken.
        const bool takeLow = low && (!high || lowMarker_ > maximum_ / 2);
        SetCapture();
        (takeLow ? dragLow_ : dragHigh_) = true;
        NotifyValue();
    } else if (point.x() >= thumb.left() && point.x() <= thumb.right()) {
        // Upwards is towards the maximum, within half a thumb beyond the track's end.
        const double half = thumb.height() / 2;
        const double maxEnd = kTrackMaxY * ScaleY() - half;
        const double minEnd = kTrackMinY * ScaleY() + half;
        if (point.y() < thumb.top() && point.y() >= maxEnd) {
            StepUp();
            NotifyValue();
        } else if (point.y() > thumb.bottom() && point.y() <= minEnd) {
            StepDown();
            NotifyValue();
        }
    }
    focused_ = true;
    Invalidate();
}

void CEQ_G_2::mouseMoveEvent(QMouseEvent* event) {
    if (!CanTakeMouse() || !(dragThumb_ || dragLow_ || dragHigh_)) return;
    const int at = ValueAt(event->position().y());
    if (dragThumb_) {
        value_ = markersOn_ ? std::min(at, highMarker_) : at;
    } else if (dragLow_) {
        lowMarker_ = std::max(std::min(at, highMarker_), minimum_);
    } else {
        highMarker_ = std::min(std::max(at, lowMarker_), maximum_);
        value_ = std::min(value_, highMarker_);
    }
    PaintNow();
    NotifyValue();
}

void CEQ_G_2::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !CanTakeMouse()) return;
    for (bool* flag : {&dragThumb_, &dragLow_, &dragHigh_}) {
        if (!*flag) continue;
        ReleaseCapture();
        NotifyValue();
        Invalidate();
    }
    dragThumb_ = dragLow_ = dragHigh_ = false;
    unsetCursor();
}

void CEQ_G_2::wheelEvent(QWheelEvent* event) {
    if (!CanTakeMouse()) return;
    const int delta = event->angleDelta().y();
    if (delta > 0) StepUp();
    if (delta < 0) StepDown();
    NotifyValue();
    Invalidate();
}

void CEQ_G_2::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down) {
        SkinnedControl::keyPressEvent(event);
        return;
    }
    // Consumed either way; a hidden or disabled fader does not move.
    if (!CanTakeMouse()) return;
    event->key() == Qt::Key_Up ? StepUp() : StepDown();
    NotifyValue();
    PaintNow();
}

void CEQ_G_2::moveEvent(QMoveEvent* event) {
    SkinnedControl::moveEvent(event);
    update();
}

void CEQ_G_2::showEvent(QShowEvent* event) {
    Invalidate();
    SkinnedControl::showEvent(event);
}

void CEQ_G_2::DrawMarkers(QPainter& painter) const {
    painter.setFont(MakeFont(QStringLiteral("Arial"), 11 * ScaleY(), 1));
    painter.setPen(QColor(0xF0, 0xF0, 0xF0));
    auto draw = [&](int value, const skin::AtlasRect& part, bool dragged) {
        const QRectF handle = MarkerRect(value, part);
        DrawSkinPart(painter, part, handle);
        if (!dragged) return;
        // The value floats above the handle while it is moved.
        const QRectF label(0, handle.top() - handle.height(), width(), handle.height());
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::asprintf("%d", value));
    };
    draw(lowMarker_, skin::fader::kLowMarker, dragLow_);
    draw(highMarker_, skin::fader::kHighMarker, dragHigh_);
}

void CEQ_G_2::Compose(QPainter& painter) {
    DrawSkinPart(painter, inputEnabled_ ? skin::fader::kTrack : skin::fader::kTrackDisabled,
                 QRectF(0, 0, width(), height()));
    DrawSkinPart(painter, focused_ ? skin::fader::kThumbFocused : skin::fader::kThumb, ThumbRect());
    if (markersOn_) DrawMarkers(painter);
}

}  // namespace velto
