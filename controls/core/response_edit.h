#pragma once
// The user's side of the frequency-response display: marker and Q-handle hit tests, marker
// drags, Q-handle positions, wheel/arrow steps and the Copy/Paste popup, all on the band model.
// The widget adds the mouse capture, the cursors, the repaints and the notifications.

#include "controls/core/plot_geometry.h"
#include "controls/core/response_model.h"

namespace velto {

// The display's notification to its page: wParam 1 HPF, 2 LPF, 0 PEQ (lParam = PEQ index),
// 3 "Copy", 4 "Paste".
struct ScopeNotice {
    int wParam = 0;
    int lParam = 0;
};
ScopeNotice NoticeForBand(int b);
inline constexpr ScopeNotice kCopyNotice{3, 0};
inline constexpr ScopeNotice kPasteNotice{4, 0};

// Marker centre of band b in client coordinates.
int MarkerX(const ResponseModel& model, int b);
int MarkerY(const ResponseModel& model, int b);
IntRect MarkerRect(const ResponseModel& model, int b);
// The first shown band whose marker contains (x, y), or -1; lower bands win on overlap.
int MarkerAt(const ResponseModel& model, int x, int y);

// Distance in pixels of the Q handles from the marker; depends on the integer part of Q only.
int HandleDistance(double q);
enum class HandleSide { Left, Right };
// The handle of the selected band.
IntRect HandleRect(const ResponseModel& model, HandleSide side);
// The Q a handle held at client x mx stands for; p is the band's x offset.
double QFromHandle(HandleSide side, int p, int mx);

// One mouse move of a marker drag: moves the selected band and recomputes it.  Returns false
// (nothing changed) when the dragged band is not in the band set.
bool DragMarkerTo(ResponseModel& model, int mx, int my);
// The release of a marker drag: the marker jumps to the position of its snapped frequency.
void FinishMarkerDrag(ResponseModel& model);
// One wheel step or Up/Down key on the selected band: a PEQ band's gain by 0.1 dB, the HPF or
// LPF frequency one table step (up = lower frequency).  Returns the band to notify.
int StepSelectedBand(ResponseModel& model, bool up);

// The right-click popup with "Copy" and "Paste".
class ScopePopup {
  public:
    enum State { kClosed = 0, kCopyHot = 1, kPasteHot = 2 };
    enum Item { kNoItem, kCopyItem, kPasteItem };

    void OpenAt(int x, int y);
    bool IsOpen() const { return state_ != kClosed; }
    int State() const { return state_; }
    const IntRect& CopyRect() const { return copy_; }
    const IntRect& PasteRect() const { return paste_; }
    // Hover: highlights an item, or closes when the mouse is over 5 px outside the popup.
    void Hover(int x, int y);
    // A press: closes the popup when it hits an item and returns that item.
    Item Press(int x, int y);

  private:
    int state_ = kClosed;
    IntRect copy_;
    IntRect paste_;
};

}  // namespace velto
