// A drawing surface: a control while it paints, or a bitmap.
#pragma once

#include "graphics.h"
#include "types.h"

#include <string>

class QPainter;
class TGraphic;
class TBitmap;

class TCanvas {
public:
    TCanvas() = default;
    virtual ~TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TFont& Font() { return FFont; }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }

    // Fills the rectangle (right and bottom edges excluded) with the brush.
    void FillRect(const TRect& r);
    // Outlines with the pen and fills the inside with the brush; covers Left..Right-1, Top..Bottom-1.
    void Rectangle(int left, int top, int right, int bottom);
    // Writes text with its top-left corner at (x, y); a clear brush leaves the background.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    void Draw(int x, int y, TGraphic& graphic);
    // Draws the graphic scaled to fill the rectangle exactly.
    void StretchDraw(const TRect& r, TGraphic& graphic);
    // One block transfer of the whole bitmap with its top-left corner at (x, y), clipped to the surface.
    void BlockCopy(int x, int y, const TBitmap& bitmap);

    // The painter to draw with; null when the canvas cannot be drawn on now.
    virtual QPainter* Painter() = 0;

protected:
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
};

// The canvas of a control: valid while the control paints.
class TControlCanvas : public TCanvas {
public:
    QPainter* Painter() override { return FPainter; }
    void SetPainter(QPainter* p) { FPainter = p; }

private:
    QPainter* FPainter = nullptr;
};
