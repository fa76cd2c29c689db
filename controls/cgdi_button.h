#pragma once
// CGDI_Button: an image button drawn from a four-frame PNG (normal, selected, hover overlay,
// disabled overlay).  State 0 is a push button; states 1 and 2 make it a toggle that flips on
// every completed click.  A click posts (index, index) to the parent under the control ID.

#include <QRectF>
#include <QString>
#include <cstdint>

#include "controls/skinned_control.h"

namespace velto {

class CGDI_Button : public SkinnedControl {
    Q_OBJECT
  public:
    explicit CGDI_Button(QWidget* parent = nullptr);

    void SetSkin(const CMemDcClass* background, int pngId);
    void SetStyle(double fontSize, const QString& family, std::uint32_t normalArgb, int alignment,
                  std::uint32_t toggledArgb);
    void SetState(int state);
    int GetState() const { return state_; }
    void SetShown(bool shown);
    void SetEnabled(bool enabled);
    void SetClickable(bool clickable);
    void SetTextRenderingHint(int hint);
    void SetWindowText(const QString& text);
    QString WindowText() const { return caption_; }

    bool IsHovered() const { return hover_; }
    bool IsPressed() const { return pressed_; }
    bool IsEnabledFlag() const { return enabled_; }
    // The active rectangle scaled to the client.
    QRectF ActiveRect() const;

  protected:
    QSizeF DesignSize() const override;
    void Compose(QPainter& painter) override;
    // Inside the active rectangle: pressed, hand cursor.
    void LeftPress(const QPointF& point) override;

    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool TakesClicks() const { return shown_ && enabled_ && clickable_; }
    void TrackHover(const QPointF& point);
    void DrawFrame(QPainter& painter, int frame) const;
    void DrawCaption(QPainter& painter) const;

    QString caption_;
    double fontSize_ = 12.0;
    QString fontFamily_ = QStringLiteral("宋体");
    int fontStyle_ = 0;
    int renderingHint_ = 3;
    int alignment_ = 0;
    std::uint32_t normalColor_ = 0xFF000000;
    std::uint32_t toggledColor_ = 0xFF000000;
    int state_ = 0;
    int frames_ = skin::button::kFrames;
    bool enabled_ = true;
    bool clickable_ = true;
    bool hover_ = false;
    bool pressed_ = false;
};

}  // namespace velto
