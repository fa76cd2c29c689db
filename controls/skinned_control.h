#pragma once
// The mechanics the skinned controls share: a PNG skin, the owner's skin as background,
// per-style design units scaled to the client, the composed cache with PaintInto, the shown /
// input-enabled / focused flags and the notification to the parent numbered by the control ID.

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include "controls/mem_dc_class.h"
#include "controls/message_window.h"
#include "controls/skin_atlas.h"
#include "controls/skin_cache.h"

namespace velto {

class SkinnedControl : public MessageWindow {
    Q_OBJECT
  public:
    explicit SkinnedControl(QWidget* parent = nullptr);

    // Loads the PNG skin `pngId` (a missing one leaves the control without a skin image), keeps
    // the owner's background surface and the style, and derives the geometry.
    void SetSkin(const CMemDcClass* background, int pngId, int style);

    // Draws the control, then copies its picture into `target` at its place in the top-level
    // window's client area (root > 0) or in its parent's (root <= 0).
    void PaintInto(CMemDcClass& target, int root = 1);

    void SetIndex(int index) { index_ = index; }
    int Index() const { return index_; }
    bool IsShown() const { return shown_; }
    bool IsInputEnabled() const { return inputEnabled_; }
    bool IsFocused() const { return focused_; }
    // Sets the focused flag (the highlighted look) without moving the keyboard focus.
    void SetFocusedFlag(bool focused);
    bool IsInitialised() const { return initialised_; }
    // The last composed picture (what the window shows).
    const QImage& ComposedImage() const { return cache_.ComposedImage(); }

  protected:
    // The style's design size; positions are scaled by client / design on each axis.
    virtual QSizeF DesignSize() const = 0;
    // Draws the control over its background (called only when the cache is stale).
    virtual void Compose(QPainter& painter) = 0;
    // Called after SetSkin and every size change.
    virtual void UpdateGeometry() {}
    // A left-button press at `point` in client coordinates; a control that takes clicks acts
    // on it here.
    virtual void LeftPress(const QPointF&) {}

    double ScaleX() const;
    double ScaleY() const;
    QRectF Scaled(const QRectF& design) const;
    // Draws part `part` of the skin image stretched into `target`.
    void DrawSkinPart(QPainter& painter, const skin::AtlasRect& part, const QRectF& target) const;

    // Synchronous notification of the parent: message = control ID.
    void Notify(WParam wParam, LParam lParam);
    // Compose again at the next paint / right now.
    void Invalidate();
    void PaintNow();

    bool CanTakeMouse() const { return shown_ && inputEnabled_; }

    // A left press goes to LeftPress.  A double click acts as a press too: widgets get its
    // second press only as the double-click event, which QWidget hands on to mousePressEvent.
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    QImage skin_;
    int style_ = 0;
    bool initialised_ = false;
    bool shown_ = true;
    bool inputEnabled_ = true;
    bool focused_ = false;
    int index_ = 0;
    SkinCache cache_;

  private:
    const QImage& ComposeIfNeeded();
};

}  // namespace velto
