#include "control.h"

#include "application.h"
#include "win_control.h"

#include <QWidget>
#include <algorithm>

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    FFont.OnChange = TNotifyEvent::Of<&TControl::OnFontChange>(this);
}

TControl::~TControl() {
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (AParent == this) throw Exception("A control cannot be its own parent");
    if (FParent) {
        if (!dynamic_cast<TWinControl*>(this)) FParent->InvalidateRect(BoundsRect());
        FParent->RemoveControl(this);
    }
    FParent = nullptr;
    if (AParent) {
        AParent->InsertControl(this);
        if (FParentFont) {
            FTakingParentFont = true;
            FFont.Assign(AParent->Font());
            FTakingParentFont = false;
        }
        UpdateAnchorRules();
    }
}

void TControl::SetParentFont(bool v) {
    FParentFont = v;
    if (v && FParent) {
        FTakingParentFont = true;
        FFont.Assign(FParent->Font());
        FTakingParentFont = false;
    }
}

void TControl::OnFontChange(TObject*) {
    if (!FTakingParentFont) FParentFont = false;
    FontChanged();
}

void TControl::BringToFront() {
    if (FParent) {
        auto move = [this](auto& list) {
            auto it = std::find(list.begin(), list.end(), this);
            if (it != list.end()) std::rotate(it, it + 1, list.end());
        };
        if (auto* w = dynamic_cast<TWinControl*>(this)) {
            move(FParent->FWinControls);
            if (w->HandleAllocated()) w->Widget()->raise();
        } else {
            move(FParent->FControls);
            Invalidate();
        }
    } else if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) {
        w->Widget()->raise();
    }
}

void TControl::SendToBack() {
    if (!FParent) return;
    auto move = [this](auto& list) {
        auto it = std::find(list.begin(), list.end(), this);
        if (it != list.end()) std::rotate(list.begin(), it, it + 1);
    };
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        move(FParent->FWinControls);
        if (w->HandleAllocated()) w->Widget()->lower();
    } else {
        move(FParent->FControls);
        Invalidate();
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (AWidth < 0) AWidth = 0;
    if (AHeight < 0) AHeight = 0;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    TRect old = BoundsRect();
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (!FAnchoring) UpdateAnchorRules();
    BoundsChanged(old);
}

void TControl::UpdateAnchorRules() {
    if (!FParent) return;
    int pw = FParent->ClientWidth(), ph = FParent->ClientHeight();
    if (FAnchors.Contains(akRight))
        FAnchorRules.X = FAnchors.Contains(akLeft) ? FWidth : FLeft;
    else
        FAnchorRules.X = FLeft + FWidth / 2;
    if (FAnchors.Contains(akBottom))
        FAnchorRules.Y = FAnchors.Contains(akTop) ? FHeight : FTop;
    else
        FAnchorRules.Y = FTop + FHeight / 2;
    FOriginalParentSize = {pw, ph};
}

namespace {
// One direction of the anchoring: a side anchored on both ends stretches; anchored on the far end
// only, it keeps its distance to that end; anchored on neither, its centre keeps its fraction of
// the parent's size.
void AnchorAxis(bool nearEnd, bool farEnd, int rule, int original, int parentSize, int& position, int& size) {
    if (farEnd) {
        if (nearEnd)
            size = parentSize - (original - rule);
        else
            position = rule + (parentSize - original);
    } else if (!nearEnd) {
        position = static_cast<int>(static_cast<long long>(rule) * parentSize / original) - size / 2;
    }
}
} // namespace

void TControl::ApplyAnchors(int ParentWidth, int ParentHeight) {
    if (FOriginalParentSize.X <= 0 || FOriginalParentSize.Y <= 0) {
        UpdateAnchorRules();
        return;
    }
    int left = FLeft, top = FTop, width = FWidth, height = FHeight;
    AnchorAxis(FAnchors.Contains(akLeft), FAnchors.Contains(akRight), FAnchorRules.X, FOriginalParentSize.X, ParentWidth,
               left, width);
    AnchorAxis(FAnchors.Contains(akTop), FAnchors.Contains(akBottom), FAnchorRules.Y, FOriginalParentSize.Y,
               ParentHeight, top, height);
    FAnchoring = true;
    SetBounds(left, top, width, height);
    FAnchoring = false;
}

void TControl::BoundsChanged(const TRect& OldBounds) {
    if (FParent) {
        FParent->InvalidateRect(OldBounds);
        FParent->InvalidateRect(BoundsRect());
    }
    if (OldBounds.Width() != FWidth || OldBounds.Height() != FHeight)
        if (OnResize) OnResize(this);
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint q{p.X + FLeft, p.Y + FTop};
    return FParent ? FParent->ClientToScreen(q) : q;
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint origin = ClientToScreen({0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetAlign(TAlign v) {
    if (v == FAlign) return;
    FAlign = v;
    if (FParent) FParent->AlignControls();
}

void TControl::SetAnchors(TAnchors v) {
    if (v == FAnchors) return;
    FAnchors = v;
    UpdateAnchorRules();
}

void TControl::SetAutoSize(bool v) {
    if (v == FAutoSize) return;
    FAutoSize = v;
    if (v) AdjustSize();
}

bool TControl::CanAutoSize(int&, int&) { return true; }

void TControl::AdjustSize() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    int w = FWidth, h = FHeight;
    if (CanAutoSize(w, h)) SetBounds(FLeft, FTop, w, h);
}

void TControl::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    if (FParent) FParent->InvalidateRect(BoundsRect());
    VisibleChanged();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FVisible) return false;
    return true;
}

void TControl::SetEnabled(bool v) {
    if (v == FEnabled) return;
    FEnabled = v;
    Invalidate();
}

void TControl::SetColor(TColor v) {
    if (v == FColor) return;
    FColor = v;
    Invalidate();
}

void TControl::SetCaption(const std::string& v) {
    if (v == FCaption) return;
    FCaption = v;
    Invalidate();
}

void TControl::Invalidate() {
    if (FParent && FVisible) FParent->InvalidateRect(BoundsRect());
}

void TControl::Repaint() { Invalidate(); }

std::intptr_t TControl::Perform(unsigned Msg, std::intptr_t WParam, std::intptr_t LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER: CMMouseEnter(Message); break;
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    default: DefaultHandler(Message); break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

// A child's enter and leave notices are passed to the parent, with the child in LParam,
// so that a window learns when the mouse moves off any of its controls.
void TControl::CMMouseEnter(TMessage& Message) {
    if (FParent) FParent->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : reinterpret_cast<std::intptr_t>(this));
}

void TControl::CMMouseLeave(TMessage& Message) {
    if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : reinterpret_cast<std::intptr_t>(this));
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
