// TGraphicControl: a windowless control painted by its parent.
#pragma once

#include "canvas.h"
#include "control.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    std::string ClassName() const override { return "TGraphicControl"; }

    TCanvas& Canvas() { return FCanvas; }
    // Draws the control; its canvas origin is the control's top-left corner.
    virtual void Paint() {}

private:
    TControlCanvas FCanvas;
    friend class TWinControl;
};
