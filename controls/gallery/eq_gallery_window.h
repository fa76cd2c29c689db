#pragma once
// The gallery's EQ section: a response display with 15 PEQ bands above 15 band strips, wired to
// each other the way an Input page wires them, so that dragging, typing and scrolling on either
// side moves the other.

#include <QImage>
#include <QString>
#include <array>

#include "controls/ceq_kel0.h"
#include "controls/ckel_scope.h"
#include "controls/mem_dc_class.h"
#include "controls/message_window.h"

namespace velto {

class EqGalleryWindow : public MessageWindow {
    Q_OBJECT
  public:
    static constexpr int kBands = 15;
    static constexpr int kScopeId = 2245;
    static constexpr int kFirstEditorId = 2024;

    explicit EqGalleryWindow(QWidget* parent = nullptr);

    CKel_Scope& Scope() { return *scope_; }
    CEQ_Kel0& Editor(int k) { return *editors_[k]; }
    QImage Render();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    LResult OnMessage(int message, WParam wParam, LParam lParam) override;

  private:
    void EditorChanged(int k, int kind);
    void DisplayChanged(int kind, int band);

    CMemDcClass canvas_;
    CKel_Scope* scope_;
    std::array<CEQ_Kel0*, kBands> editors_{};
    QString lastEvent_;
};

}  // namespace velto
