#pragma once
// Ckel_CStatic: a text label drawn over the owner's skin, with an optional fill colour and an
// optional PNG stretched over it.

#include <QString>
#include <cstdint>

#include "controls/skinned_control.h"

namespace velto {

class Ckel_CStatic : public SkinnedControl {
    Q_OBJECT
  public:
    explicit Ckel_CStatic(QWidget* parent = nullptr);

    // The fill colour is used only when its alpha is not 0; the PNG is loaded only when > 0.
    void SetSkin(const CMemDcClass* background, std::uint32_t backgroundArgb, int pngId);
    void SetText(const QString& text);  // repaints at once
    void SetFont(double pixelSize, const QString& family, std::uint32_t argb, int alignment);
    void SetFontStyle(int styleBits);
    void SetShown(bool shown);
    void SetWindowText(const QString& text);
    QString Text() const { return text_; }

  protected:
    QSizeF DesignSize() const override;
    void Compose(QPainter& painter) override;
    // A label takes no clicks: presses go on to the parent, as for any plain widget.
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString text_;
    double fontSize_ = 12.0;
    QString fontFamily_ = QStringLiteral("宋体");
    int fontStyle_ = 0;
    std::uint32_t textColor_ = 0xFF000000;
    int alignment_ = 0;
    std::uint32_t backgroundColor_ = 0;
};

}  // namespace velto
