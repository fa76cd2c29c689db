#pragma once
// CEQ_Kel0: the narrow strip that edits one PEQ band: a gain fader (+12 .. -24 dB), edit boxes
// for gain, frequency and Q, the type buttons P (peaking), H (high shelf) and L (low shelf) and
// the band's number.  Every user change notifies the parent with (index, value kind); the page
// reads the value back with GetValue and pushes it on to the response display.

#include <QString>
#include <array>

#include "controls/core/eq_band_values.h"
#include "controls/skinned_control.h"

class QLineEdit;

namespace velto {

class CEQ_Kel0 : public SkinnedControl {
    Q_OBJECT
  public:
    static constexpr int kFirstBoxId = 1124;  // gain 1124, frequency 1125, Q 1126

    explicit CEQ_Kel0(QWidget* parent = nullptr);

    // kind 0 gain (clamped), 1 frequency and 2 Q (looked up in the editor's tables), 3 type.
    // While the strip is visible it also takes the keyboard focus.  Never notifies.
    void SetValue(int kind, double x);
    // Kinds 0-2: the box's text read as a value of its table; kind 3: the type.
    double GetValue(int kind) const;

    int Type() const { return type_; }
    double Gain() const { return gain_; }
    bool IsDragging() const { return dragging_; }
    QString BoxText(int kind) const;
    QLineEdit* Box(int kind) const { return boxes_[kind]; }

    // Scaled geometry, for owners and tests.
    QRectF ThumbRect() const;
    QRectF TypeButtonRect(int type) const;
    double GainY(double db) const;

  protected:
    QSizeF DesignSize() const override;
    void Compose(QPainter& painter) override;
    void LeftPress(const QPointF& point) override;
    void UpdateGeometry() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateBoxes();
    void ShowValue(EqValueKind kind, double x);
    void StepAndNotify(EqValueKind kind, int s);
    void NotifyKind(EqValueKind kind);
    // The kind the focused box stands for (gain when no box of a strip has the focus).
    static EqValueKind FocusedKind();
    bool HandleKey(QKeyEvent* event);
    // The boxes' font: the box height, made smaller where the longest text would not fit.
    QFont BoxFont() const;
    void DrawBoxTexts(QPainter& painter) const;

    double gain_ = 0;
    int type_ = kPeakingType;
    bool dragging_ = false;
    std::array<QString, 3> texts_;
    std::array<QLineEdit*, 3> boxes_{};
};

}  // namespace velto
