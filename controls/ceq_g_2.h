#pragma once
// CEQ_G_2: the vertical fader of the master section (maximum at the top), with an optional pair
// of range markers that limit the thumb.  Drag, click beside the thumb, wheel or Up/Down step
// it; every change notifies the parent with (index, value clamped to the range).

#include <QRectF>

#include "controls/skinned_control.h"

namespace velto {

class CEQ_G_2 : public SkinnedControl {
    Q_OBJECT
  public:
    explicit CEQ_G_2(QWidget* parent = nullptr);

    void SetValue(double x);  // value := trunc(scale * x)
    double GetValue() const;  // value / scale
    void SetShown(bool shown);
    void SetInputEnabled(bool enabled);
    void SetLowMarker(double x);
    void SetHighMarker(double x);
    void SetMarkersOn(bool on);
    void SetRange(int minimum, int maximum);
    void SetScale(int scale);
    void SetStep(double step);
    void SetCoarseThreshold(int threshold);

    // The owner reads these directly.
    int Value() const { return value_; }
    int LowMarker() const { return lowMarker_; }
    int HighMarker() const { return highMarker_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

    // Scaled geometry, for owners and tests.
    double PositionOf(int value) const;
    QRectF ThumbRect() const;
    QRectF LowMarkerRect() const;
    QRectF HighMarkerRect() const;

  protected:
    QSizeF DesignSize() const override;
    void Compose(QPainter& painter) override;
    void LeftPress(const QPointF& point) override;

    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    int ValueAt(double position) const;
    QRectF MarkerRect(int value, const skin::AtlasRect& part) const;
    void StepUp();
    void StepDown();
    void NotifyValue();
    void DrawMarkers(QPainter& painter) const;

    int value_ = 50;
    int minimum_ = 0;
    int maximum_ = 100;
    int scale_ = 1;
    double step_ = 1.0;
    int coarseThreshold_ = 30000;
    bool markersOn_ = false;
    int lowMarker_ = 0;
    int highMarker_ = 100;
    bool dragThumb_ = false;
    bool dragLow_ = false;
    bool dragHigh_ = false;
};

}  // namespace velto
