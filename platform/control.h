// TControl: the base of everything that has a place on the screen.
#pragma once

#include "component.h"
#include "graphics.h"
#include "types.h"

#include <string>

class TWinControl;
class TCanvas;

using TMouseEvent = TMethod<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TMethod<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

enum class TControlStyleFlag { csOpaque, csAcceptsControls, csReplicatable };
using enum TControlStyleFlag;
using TControlStyle = TSet<TControlStyleFlag>;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // --- parent and stacking
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    // Moves the control to the end of its parent's list, in front of its siblings of the same kind.
    void BringToFront();
    void SendToBack();

    // --- bounds; Left and Top are relative to the parent's client area
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    virtual int ClientWidth() const { return FWidth; }
    virtual int ClientHeight() const { return FHeight; }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // Converts between the control's client coordinates and the screen.
    virtual TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    // --- alignment and sizing
    TAlign Align() const { return FAlign; }
    virtual void SetAlign(TAlign v);
    TAnchors Anchors() const { return FAnchors; }
    virtual void SetAnchors(TAnchors v);
    // Re-places the control inside a parent client area of the given size, as its anchors say.
    void ApplyAnchors(int ParentWidth, int ParentHeight);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool v);
    // Asked when AutoSize is on: may propose a new size; answers whether sizing is allowed.
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
    void AdjustSize();

    // --- appearance and state
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible too.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool v);
    TColor Color() const { return FColor; }
    virtual void SetColor(TColor v);
    TFont& Font() { return FFont; }
    // Whether the control takes its parent's font; on by default, off once the font is set.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& v);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& v) { FHint = v; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; }
    int Cursor() const { return FCursor; }
    void SetCursor(int v) { FCursor = v; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    virtual void SetControlStyle(TControlStyle v) { FControlStyle = v; }

    // --- painting
    // Requests a repaint of the control through the message loop.
    virtual void Invalidate();
    // Repaints at once where the platform allows it, else as Invalidate.
    virtual void Repaint();

    // --- messages
    std::intptr_t Perform(unsigned Msg, std::intptr_t WParam, std::intptr_t LParam);
    virtual void WndProc(TMessage& Message);

    // --- events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnResize;

    virtual void Click();
    // The layer's input entry points; they raise the events above.
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);

protected:
    // Message handlers, named after their messages.
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // Told after the bounds changed.
    virtual void BoundsChanged(const TRect& OldBounds);
    virtual void VisibleChanged() {}
    virtual void FontChanged() { Invalidate(); }
    void OnFontChange(TObject*);
    // Remembers the distances that the anchors keep, against the parent's present client size.
    void UpdateAnchorRules();

    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TWinControl* FParent = nullptr;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    bool FAutoSize = false;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clBtnFace;
    TFont FFont;
    std::string FCaption;
    std::string FHint;
    bool FShowHint = false;
    int FCursor = 0;
    TControlStyle FControlStyle;
    bool FParentFont = true;
    bool FTakingParentFont = false;
    // The anchors' reference: left (or centre, or width) and top (or centre, or height), and the
    // parent's client size when they were taken.
    TPoint FAnchorRules;
    TPoint FOriginalParentSize;
    bool FAnchoring = false;

    friend class TWinControl;
};

// Registers the properties that every control publishes.
void RegisterControlClasses();
