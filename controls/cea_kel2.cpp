#include "controls/cea_kel2.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "controls/font_map.h"
#include "controls/printf_format.h"

namespace velto {
namespace {

// Style 0 geometry in design units.
constexpr double kDesignWidth = 170;
constexpr double kDesignHeight = 33;
constexpr double kTextBandBottom = 14;
constexpr double kTrackLeft = 10;
constexpr double kTrackRight = 159;
constexpr double kTrackY = 24;
constexpr double kTrackThickness = 4;
constexpr double kThumbWidth = 18;
constexpr double kThumbHeight = 16;
const QRectF kToggleBox(QPointF(153, 16), QPointF(168, 31));

}  // namespace

CEA_Kel2::CEA_Kel2(QWidget* parent) : SkinnedControl(parent) {}

QSizeF CEA_Kel2::DesignSize() const {
    return fullHeight_ ? QSizeF(kDesignWidth, kDesignHeight)
                       : QSizeF(kDesignWidth, kDesignHeight - kTextBandBottom);
}

double CEA_Kel2::ClientY(double designY) const {
    return fullHeight_ ? designY * ScaleY() : (designY - kTextBandBottom) * ScaleY();
}

double CEA_Kel2::TrackLeft() const {
    return kTrackLeft * ScaleX();
}
double CEA_Kel2::TrackRight() const {
    return kTrackRight * ScaleX();
}

double CEA_Kel2::ThumbCentreX() const {
    const double ratio = maximum_ != 0 ? value_ / maximum_ : 0.0;
    return TrackLeft() + (TrackRight() - TrackLeft()) * ratio;
}

QRectF CEA_Kel2::ThumbRect() const {
    const double w = kThumbWidth * ScaleX();
    const double h = kThumbHeight * ScaleY();
    return QRectF(ThumbCentreX() - w / 2, ClientY(kTrackY) - h / 2, w, h);
}

QRectF CEA_Kel2::ToggleRect() const {
    return QRectF(QPointF(kToggleBox.left() * ScaleX(), ClientY(kToggleBox.top())),
                  QPointF(kToggleBox.right() * ScaleX(), ClientY(kToggleBox.bottom())));
}

double CEA_Kel2::Snap(double x) const {
    const double snapped =
        x >= fineThreshold_ ? std::trunc(x + 0.5) : std::trunc((x + 0.05) / 0.1) * fineStep_;
    return std::clamp(snapped, minimum_, std::max(minimum_, maximum_));
}

void CEA_Kel2::StepUp() {
    value_ = Snap(value_ >= fineThreshold_ ? value_ + 1 : value_ + 0.1);
}

void CEA_Kel2::StepDown() {
    value_ = Snap(value_ > fineThreshold_ ? value_ - 1 : value_ - 0.1);
}

void CEA_Kel2::NotifyValue() {
    Notify(index_, static_cast<LParam>(std::trunc(value_)));
}

void CEA_Kel2::SetValue(double x) {
    if (dualMode_) {
        toggleOffset_ = x >= toggleAmount_ ? toggleAmount_ : 0;
        x -= toggleOffset_;
    }
    value_ = x;
    Invalidate();
    if (isVisible()) {
        focused_ = true;
        PaintNow();
        setFocus(Qt::OtherFocusReason);
    }
}

double CEA_Kel2::GetValue() const {
    return dualMode_ ? value_ + toggleOffset_ : value_;
}

void CEA_Kel2::SetMax(double maximum) {
    maximum_ = maximum;
    Invalidate();
}

void CEA_Kel2::SetFineThreshold(float threshold) {
    fineThreshold_ = threshold;
}

void CEA_Kel2::SetShown(bool shown) {
    shown_ = shown;
    if (!initialised_) return;
    ReleaseCapture();
    Invalidate();
}

void CEA_Kel2::SetInputEnabled(bool enabled) {
    inputEnabled_ = enabled;
    if (!initialised_) return;
    focused_ = false;
    dragging_ = false;
    ReleaseCapture();
    Invalidate();
}

void CEA_Kel2::SetLabelText(const QString& text) {
    text_ = text;
    PaintNow();
}

void CEA_Kel2::SetWindowText(const QString& text) {
    text_ = text;
    Invalidate();
}

void CEA_Kel2::SetDualMode(bool on) {
    dualMode_ = on;
    Invalidate();
}

void CEA_Kel2::SetFormat(const QString& format) {
    format_ = format;
    Invalidate();
}

void CEA_Kel2::SetTextColor(std::uint32_t argb) {
    textColor_ = argb;
    Invalidate();
}

void CEA_Kel2::SetFullHeightLayout(bool on) {
    fullHeight_ = on;
    cache_.Reset();
    update();
}

void CEA_Kel2::LeftPress(const QPointF& point) {
    if (!CanTakeMouse()) return;
    setFocus(Qt::MouseFocusReason);
    const QRectF thumb = ThumbRect();
    if (thumb.contains(point)) {
        SetCapture();
        dragging_ = true;
        NotifyValue();
        setCursor(Qt::PointingHandCursor);
    } else if (dualMode_ && ToggleRect().contains(point)) {
        toggleOffset_ = toggleOffset_ == toggleAmount_ ? 0 : toggleAmount_;
        NotifyValue();
    } else if (point.y() >= thumb.top() && point.y() <= thumb.bottom()) {
        // Without the toggle box the whole strip right of the thumb steps up.
        const bool beforeToggle = !dualMode_ || point.x() < ToggleRect().left();
        if (point.x() > thumb.right() && beforeToggle) {
            StepUp();
            NotifyValue();
        } else if (point.x() < thumb.left()) {
            StepDown();
            NotifyValue();
        }
    }
    focused_ = true;
    Invalidate();
}

void CEA_Kel2::mouseMoveEvent(QMouseEvent* event) {
    if (!CanTakeMouse() || !dragging_) return;
    const double span = TrackRight() - TrackLeft();
    const double ratio = span > 0 ? (event->position().x() - TrackLeft()) / span : 0.0;
    value_ = Snap(maximum_ * ratio);
    PaintNow();
    NotifyValue();
}

void CEA_Kel2::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !CanTakeMouse() || !dragging_) return;
    ReleaseCapture();
    NotifyValue();
    Invalidate();
    dragging_ = false;
    unsetCursor();
}

void CEA_Kel2::wheelEvent(QWheelEvent* event) {
    if (!CanTakeMouse()) return;
    const int delta = event->angleDelta().y();
    if (delta > 0) StepUp();
    if (delta < 0) StepDown();
    NotifyValue();
    Invalidate();
}

void CEA_Kel2::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            // A hidden or disabled slider must not change under a stray key press.
            if (CanTakeMouse()) {
                event->key() == Qt::Key_Right ? StepUp() : StepDown();
                NotifyValue();
                PaintNow();
            }
            return;
        case Qt::Key_Up:
        case Qt::Key_Down:
            return;  // consumed without effect
        default:
            SkinnedControl::keyPressEvent(event);
    }
}

void CEA_Kel2::showEvent(QShowEvent* event) {
    Invalidate();
    SkinnedControl::showEvent(event);
}

void CEA_Kel2::DrawTrackGlow(QPainter& painter) const {
    const double x0 = TrackLeft();
    const double x1 = TrackRight();
    const double range = maximum_ - minimum_;
    const int alpha =
        range != 0 ? std::clamp(static_cast<int>(230 * (value_ - minimum_) / range), 0, 255) : 0;
    QLinearGradient glow(QPointF(x0, 0), QPointF(x1, 0));
    glow.setColorAt(0.0, QColor(0, 0, 0, 0));
    glow.setColorAt(0.25, QColor(0x00, 0xFF, 0x00, alpha));
    glow.setColorAt(0.5, QColor(0xFF, 0xFF, 0x00, alpha));
    glow.setColorAt(0.75, QColor(0xFF, 0x00, 0x00, alpha));
    glow.setColorAt(1.0, QColor(0, 0, 0, 0));
    const double thickness = kTrackThickness * ScaleY();
    painter.fillRect(QRectF(x0, ClientY(kTrackY) - thickness / 2, x1 - x0, thickness), glow);
}

void CEA_Kel2::DrawText(QPainter& painter) {
    if (!format_.isEmpty()) text_ = FormatNumber(format_, value_);
    const int h = height();
    const int pixelSize = h - static_cast<int>(20.0 * h / kDesignHeight) - 1;
    painter.setFont(MakeFont(QStringLiteral("微软雅黑"), pixelSize));
    painter.setPen(QColor::fromRgba(textColor_));
    const QRectF band(0, ClientY(0), width(), ClientY(kTextBandBottom) - ClientY(0));
    const int flags = Qt::AlignVCenter | Qt::TextDontClip | Qt::TextSingleLine;
    const int colon = text_.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        painter.drawText(band, flags | Qt::AlignLeft, text_);
        return;
    }
    painter.drawText(band, flags | Qt::AlignLeft, text_.left(colon + 1));
    painter.drawText(band, flags | Qt::AlignRight, text_.mid(colon + 1));
}

void CEA_Kel2::Compose(QPainter& painter) {
    DrawSkinPart(painter, skin::slider::kStrip,
                 QRectF(0, ClientY(kTextBandBottom), width(),
                        ClientY(kDesignHeight) - ClientY(kTextBandBottom)));
    DrawTrackGlow(painter);
    if (inputEnabled_) {
        DrawSkinPart(painter, focused_ ? skin::slider::kThumbFocused : skin::slider::kThumb,
                     ThumbRect());
    }
    if (dualMode_) {
        DrawSkinPart(painter, ToggleOn() ? skin::slider::kToggleOn : skin::slider::kToggleOff,
                     ToggleRect());
    }
    DrawText(painter);
}

}  // namespace velto
