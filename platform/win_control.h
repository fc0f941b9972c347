// TWinControl: a control with a window of its own that can hold child controls.
#pragma once

#include "canvas.h"
#include "control.h"

#include <vector>

class QWidget;
class QEvent;
class QPainter;
class QRect;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // --- children: graphic controls first, then windowed ones, each in stacking order
    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    TControl* Controls(int Index) const;
    // The topmost visible graphic child at a client point, or none.
    TControl* ControlAtPos(TPoint p) const;

    // Places the aligned children (top, bottom, left, right, then client) and moves the others as
    // their anchors say; run whenever the client area changes size.
    void AlignControls();

    // --- painting
    TCanvas& Canvas() { return FCanvas; }
    // Draws the control's own face; the graphic children are drawn over it afterwards.
    virtual void Paint() {}
    void Invalidate() override;
    void Repaint() override;
    // Requests a repaint of part of the client area.
    void InvalidateRect(const TRect& r);

    // --- focus
    // The place in the parent's tab order, from 0; setting it moves the control to that place.
    int TabOrder() const;
    void SetTabOrder(int v);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // --- overrides
    void SetVisible(bool v) override;
    void SetEnabled(bool v) override;
    void SetColor(TColor v) override;
    void SetControlStyle(TControlStyle v) override;
    TPoint ClientToScreen(TPoint p) const override;

    // --- the window
    bool HandleAllocated() const { return FWidget != nullptr; }
    // The control's outer window, made on first use.
    QWidget* Widget();
    // The window that holds the children and is painted; the outer window unless a class says otherwise.
    virtual QWidget* ClientWidget();
    // Entry points for the layer's event peers.
    bool HandleWidgetEvent(QEvent* e);
    void PaintWidget(QPainter& painter, const QRect& dirty);

protected:
    // Passes a new font on to the children that take their parent's font.
    void FontChanged() override;
    // Moves the window; a windowed control repaints itself, so the parent needs no repaint.
    void BoundsChanged(const TRect& OldBounds) override;
    // Makes the control's window; the default window paints through Paint.
    virtual QWidget* CreateWidget(QWidget* parentWidget);
    // Applies the stored state to a new window.
    virtual void InitWidget();
    void DestroyWidget();
    void UpdateGeometry();
    // Called when the children's window must follow a new parent.
    void AttachChildWidget(TWinControl* child);
    void ApplyTabOrder();

    QWidget* FWidget = nullptr;
    bool FTabStop = false;

private:
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    void SetHoverControl(TControl* c);
    TControl* MouseTarget(TPoint p) const;

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FWinControls;
    TControlCanvas FCanvas;
    int FTabOrder = -1;                  // wanted place while the control has no parent
    std::vector<TWinControl*> FTabList; // the windowed children in tab order
    TControl* FHoverControl = nullptr;
    TControl* FCaptureControl = nullptr;

    friend class TControl;
};
