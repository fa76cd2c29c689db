#pragma once
// CEA_Kel2: the horizontal slider with a caption and value text above its track (the pages'
// "knobs").  Drag the thumb, click beside it to step, wheel or Left/Right to step; every change
// notifies the parent with (index, trunc(value)).  In dual mode a toggle box right of the track
// adds a fixed amount (500) to the value the owner reads.

#include <QRectF>
#include <QString>
#include <cstdint>

#include "controls/skinned_control.h"

namespace velto {

class CEA_Kel2 : public SkinnedControl {
    Q_OBJECT
  public:
    explicit CEA_Kel2(QWidget* parent = nullptr);

    // Dual mode: x >= 500 turns the toggle on and shows x - 500.  The value is not snapped.
    // While the window is visible the slider also takes the keyboard focus.
    void SetValue(double x);
    // The value plus the toggle offset in dual mode.
    double GetValue() const;
    void SetMax(double maximum);
    void SetFineThreshold(float threshold);
    void SetShown(bool shown);
    void SetInputEnabled(bool enabled);
    void SetLabelText(const QString& text);
    void SetWindowText(const QString& text);
    QString WindowText() const { return text_; }

    void SetDualMode(bool on);
    void SetFormat(const QString& format);
    void SetTextColor(std::uint32_t argb);
    void SetFullHeightLayout(bool on);

    // Rounds to whole units at or above the fine threshold, to fine steps below, then clamps.
    double Snap(double x) const;
    double Value() const { return value_; }
    bool ToggleOn() const { return toggleOffset_ != 0; }
    bool IsDragging() const { return dragging_; }
    QString Text() const { return text_; }

    // Scaled geometry of the current value, for owners and tests.
    QRectF ThumbRect() const;
    QRectF ToggleRect() const;
    double TrackLeft() const;
    double TrackRight() const;

  protected:
    QSizeF DesignSize() const override;
    void Compose(QPainter& painter) override;
    void LeftPress(const QPointF& point) override;

    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Design row y to client y (depends on the full-height layout).
    double ClientY(double designY) const;
    double ThumbCentreX() const;
    void StepUp();
    void StepDown();
    void NotifyValue();
    void DrawTrackGlow(QPainter& painter) const;
    void DrawText(QPainter& painter);

    double value_ = 0;
    double minimum_ = 0;
    double maximum_ = 100;
    double fineStep_ = 0.1;
    double fineThreshold_ = 0;
    bool dualMode_ = false;
    int toggleOffset_ = 0;
    int toggleAmount_ = 500;
    QString text_;
    QString format_;
    std::uint32_t textColor_ = 0xFF9D9D9D;
    bool dragging_ = false;
    bool fullHeight_ = false;
};

}  // namespace velto
