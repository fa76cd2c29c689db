// The response display's mouse, wheel and key handling: marker drags, Q-handle drags, wheel
// and Up/Down steps, hover readout and the Copy/Paste popup, each reported to the page.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "controls/ckel_scope.h"

namespace velto {

namespace {

QPoint Where(const QMouseEvent* event) {
    return event->position().toPoint();
}

}  // namespace

void CKel_Scope::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && model_.Options().mouseInput && model_.HasBands()) {
        LeftPress(Where(event).x(), Where(event).y());
    }
    MessageWindow::mousePressEvent(event);
}

void CKel_Scope::LeftPress(int x, int y) {
    setFocus(Qt::MouseFocusReason);
    const int s = model_.Selected();
    if (model_.IsPeqBand(s)) {
        if (HandleRect(model_, HandleSide::Left).Contains(x, y)) {
            setCursor(Qt::PointingHandCursor);
            leftHandleDrag_ = true;
            SetCapture();
            update();
        }
        if (HandleRect(model_, HandleSide::Right).Contains(x, y)) {
            setCursor(Qt::PointingHandCursor);
            rightHandleDrag_ = true;
            SetCapture();
            update();
        }
    }
    const int b = MarkerAt(model_, x, y);
    if (b >= 0) {
        model_.SetDragged(b + 1);
        model_.SetSelected(b);
        setCursor(Qt::PointingHandCursor);
        Notify(NoticeForBand(b));
        model_.RecalcBand(b);
        Invalidate();
        SetCapture();
    }
    if (copyPaste_ && popup_.IsOpen()) {
        const ScopePopup::Item item = popup_.Press(x, y);
        if (item == ScopePopup::kCopyItem) Notify(kCopyNotice);
        if (item == ScopePopup::kPasteItem) Notify(kPasteNotice);
        if (item != ScopePopup::kNoItem) update();  // the animation repaints only its marker
    }
}

void CKel_Scope::mouseMoveEvent(QMouseEvent* event) {
    if (!model_.Options().mouseInput || !model_.HasBands()) {
        MessageWindow::mouseMoveEvent(event);
        return;
    }
    const QPoint p = Where(event);
    if (copyPaste_ && popup_.IsOpen()) {
        const int before = popup_.State();
        popup_.Hover(p.x(), p.y());
        if (popup_.State() != before) update();
    }
    if (model_.Dragging()) {
        if (DragMarkerTo(model_, p.x(), p.y())) {
            Notify(NoticeForBand(model_.Selected()));
            PaintNow();
        }
        leftHandleDrag_ = false;
        rightHandleDrag_ = false;
    } else {
        const int b = MarkerAt(model_, p.x(), p.y());
        if (b >= 0) {
            model_.SetReadout(b);
            update();
            setCursor(Qt::PointingHandCursor);
        } else {
            setCursor(Qt::ArrowCursor);
        }
    }
    if (leftHandleDrag_) HandleDragTo(HandleSide::Left, p.x());
    if (rightHandleDrag_) HandleDragTo(HandleSide::Right, p.x());
    MessageWindow::mouseMoveEvent(event);
}

void CKel_Scope::HandleDragTo(HandleSide side, int mx) {
    const int s = model_.Selected();
    if (!model_.IsBand(s)) return;
    model_.MutableBand(s).q = QFromHandle(side, model_.Band(s).xOffset, mx);
    PaintNow();
    if (!model_.Dragging()) {
        model_.SetReadout(s);
        model_.RecalcBand(s);
        Invalidate();
    }
    Notify(NoticeForBand(s));
    model_.SetDragged(0);
}

void CKel_Scope::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = Where(event);
    if (event->button() == Qt::LeftButton && model_.Options().mouseInput && model_.HasBands()) {
        const int s = model_.Selected();
        // The release sets Q once more and reports it; a marker drag ends silently.
        for (HandleSide side : {HandleSide::Left, HandleSide::Right}) {
            const bool held = side == HandleSide::Left ? leftHandleDrag_ : rightHandleDrag_;
            if (!held || !model_.IsBand(s)) continue;
            model_.MutableBand(s).q = QFromHandle(side, model_.Band(s).xOffset, p.x());
            if (side == HandleSide::Right) PaintNow();
            if (!model_.Dragging()) {
                model_.SetReadout(s);
                model_.RecalcBand(s);
                Invalidate();
            }
            Notify(NoticeForBand(s));
        }
        leftHandleDrag_ = false;
        rightHandleDrag_ = false;
        ReleaseCapture();
        if (model_.Dragging()) FinishMarkerDrag(model_);
        Invalidate();
    }
    if (event->button() == Qt::RightButton && copyPaste_) {
        popup_.OpenAt(p.x(), p.y());
        update();
    }
    MessageWindow::mouseReleaseEvent(event);
}

void CKel_Scope::WheelStep(bool up) {
    if (!model_.HasBands()) return;
    const int s = StepSelectedBand(model_, up);
    Invalidate();
    Notify(NoticeForBand(s));
}

void CKel_Scope::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) WheelStep(delta > 0);
    event->accept();
}

void CKel_Scope::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        WheelStep(event->key() == Qt::Key_Up);
        event->accept();
        return;
    }
    MessageWindow::keyPressEvent(event);
}

}  // namespace velto
