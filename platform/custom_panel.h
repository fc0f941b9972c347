// TCustomPanel: a windowed container with a flat or bevelled face.
#pragma once

#include "win_control.h"

class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* AOwner);
    std::string ClassName() const override { return "TCustomPanel"; }

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool v) { FFullRepaint = v; }

    // Draws the background in Color, the bevels and the caption.
    void Paint() override;

protected:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    bool FFullRepaint = true;
    bool FShowCaption = true;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    std::string ClassName() const override { return "TPanel"; }
};
