// Graphics that a picture can hold.
#pragma once

#include "component.h"
#include "types.h"

#include <cstdint>
#include <memory>
#include <vector>

class TCanvas;

class TGraphic : public TObject {
public:
    std::string ClassName() const override { return "TGraphic"; }
    virtual int Width() = 0;
    virtual int Height() = 0;
    virtual bool Empty() = 0;
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v) { FTransparent = v; }
    // Draws the graphic stretched or shrunk to the rectangle.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // Reads the graphic's own part of a picture's data block, starting at the given offset.
    virtual void ReadData(const std::vector<std::uint8_t>& data, size_t offset) = 0;
    // Whether the graphic's palette changed since it was last realised; never, on a true-colour display.
    virtual bool PaletteModified() const { return false; }

private:
    bool FTransparent = false;
};
