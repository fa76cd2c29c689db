#pragma once
// CKel_Scope: the frequency-response graph of the Input, Output and Effect pages.  It mirrors
// the page's HPF, LPF and PEQ values (the page pushes them in with the setters), draws each
// band's curve and their sum on a logarithmic 19 Hz .. 20.6 kHz grid, and lets the user drag
// markers and Q handles, step with the wheel or Up/Down, and pick "Copy"/"Paste" from a
// right-click popup.  Every user change is sent to the parent as the message numbered by the
// control ID: wParam 1 HPF, 2 LPF, 0 PEQ (lParam = PEQ index), 3 "Copy", 4 "Paste".

#include <QImage>
#include <QString>
#include <cstdint>

#include "controls/core/response_edit.h"
#include "controls/core/response_model.h"
#include "controls/mem_dc_class.h"
#include "controls/message_window.h"

namespace velto {

class CKel_Scope : public MessageWindow {
    Q_OBJECT
  public:
    static constexpr int kAnimationTimer = 1;
    static constexpr int kAnimationMs = 100;
    static constexpr int kAnimationFrames = 5;

    explicit CKel_Scope(QWidget* parent = nullptr, ScopeOptions options = {});

    // Written by the page before InitBands.
    void SetFrequencyLimits(const ScopeLimits& limits);
    void SetCopyPasteEnabled(int enabled) { copyPaste_ = enabled; }

    // Builds n PEQ bands plus HPF and LPF at the current size, with images and caches.
    void InitBands(int n);

    void SetPeqType(int i, double type);
    void SetPeqFreq(int i, double hz);
    void SetPeqQ(int i, double q);
    void SetPeqGain(int i, double db);
    void SetXoverFreq(int k, double hz);
    void SetXoverUserQ(int code, double v);
    void SetXoverType(unsigned code);
    void SetEqOn(std::uint8_t on);
    std::uint8_t IsEqOn() const { return model_.IsEqOn() ? 1 : 0; }

    double GetPeqType(int i) const { return model_.GetPeqType(i); }
    double GetPeqFreq(int i) const { return model_.GetPeqFreq(i); }
    double GetPeqQ(int i) const { return model_.GetPeqQ(i); }
    double GetPeqGain(int i) const { return model_.GetPeqGain(i); }
    double GetXoverFreq(int k) const { return model_.GetXoverFreq(k); }

    // 0 stops the marker animation, 1 starts it and selects the first PEQ band, 2 starts it.
    void SetAnimation(std::uint8_t mode);

    // Paints a frame, then copies it into `target` at the display's place in its parent's
    // client area (root <= 0) or its top-level window's (root > 0).
    void PaintInto(CMemDcClass& target, int root);

    // State for owners and tests.
    const ResponseModel& Model() const { return model_; }
    int AnimationFrame() const { return animationFrame_; }
    bool AnimationRunning() const { return animationState_ == kRunning; }
    const ScopePopup& Popup() const { return popup_; }
    bool LeftHandleHeld() const { return leftHandleDrag_; }
    bool RightHandleHeld() const { return rightHandleDrag_; }
    // The last painted frame.
    const QImage& LastFrame() const { return composite_; }
    // The text the readout shows for band b.
    QString ReadoutText(int b) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void OnTimer(int id) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    enum AnimationState : std::uint8_t { kRunning = 1, kStopped = 2 };

    IntRect ClientRect() const;
    // Something under the markers changed: compose everything at the next paint / now.
    void Invalidate();
    void PaintNow();
    void RefreshAfterSetter(bool refreshed);
    void BuildImages();
    void Notify(const ScopeNotice& notice);

    // Painting (ckel_scope_paint.cpp).  Brings the frame up to date inside `area` (all of it
    // when the curves changed) and returns the part that was painted.
    QRect PaintFrame(const QRect& area);
    void ComposeUnderlay();
    void ComposeOverlay(const QRect& area);
    void DrawHighlight(QPainter& painter) const;
    void DrawSum(QPainter& painter) const;
    void DrawHandlesAndMarkers(QPainter& painter) const;
    void DrawReadout(QPainter& painter) const;
    void DrawPopup(QPainter& painter) const;

    // Editing (ckel_scope_edit.cpp).
    void LeftPress(int x, int y);
    void HandleDragTo(HandleSide side, int mx);
    void WheelStep(bool up);

    ResponseModel model_;
    ScopePopup popup_;
    int copyPaste_ = 0;
    bool leftHandleDrag_ = false;
    bool rightHandleDrag_ = false;
    int animationFrame_ = 0;
    AnimationState animationState_ = kStopped;

    QImage background_;
    // Background, curves and the "EQ PASS" mark: everything under the markers.
    QImage underlay_;
    bool underlayStale_ = true;
    // Underlay plus handles, markers, readout and popup; it also keeps the last frame.
    QImage composite_;
    QImage markerStrip_;
    QImage qHandles_;
    QImage eqPass_;
};

}  // namespace velto
