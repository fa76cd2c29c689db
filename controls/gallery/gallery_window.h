#pragma once
// The control gallery: each control kind in a section of its own, shown in all of its states
// over the skin.  A new section is one more Add...Section function called from the constructor.

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "controls/cjindutiao.h"
#include "controls/mem_dc_class.h"
#include "controls/message_window.h"

namespace velto {

class GalleryWindow : public MessageWindow {
    Q_OBJECT
  public:
    explicit GalleryWindow(QWidget* parent = nullptr);

    // Renders the whole gallery (skin and controls) into an image.
    QImage Render();

  protected:
    void paintEvent(QPaintEvent* event) override;
    LResult OnMessage(int message, WParam wParam, LParam lParam) override;

  private:
    // A titled panel on the canvas; returns the area inside it for the section's controls.
    QRect BeginSection(const QRect& frame, const QString& title);
    // A small caption under a sample.
    void Caption(const QRect& area, const QString& text);

    void AddSliderSection(const QRect& frame);
    void AddFaderSection(const QRect& frame);
    void AddButtonSection(const QRect& frame);
    void AddTabSection(const QRect& frame);
    void AddLabelSection(const QRect& frame);
    void AddListSection(const QRect& frame);
    void AddProgressSection(const QRect& frame);

    CMemDcClass canvas_;
    std::unique_ptr<CJinDuTiao> progress_;
    QString lastEvent_;
};

}  // namespace velto
