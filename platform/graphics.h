// Font, pen and brush: the drawing attributes of a canvas and of controls.
#pragma once

#include "component.h"
#include "types.h"

#include <string>

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

constexpr int ScreenPixelsPerInch = 96;

class TFont {
public:
    const std::string& Name() const { return FName; }
    void SetName(const std::string& v) { if (v != FName) { FName = v; Changed(); } }
    // Negative heights give the character height in pixels, positive ones the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int v) { if (v != FHeight) { FHeight = v; Changed(); } }
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { if (v != FColor) { FColor = v; Changed(); } }
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles v) { if (v != FStyle) { FStyle = v; Changed(); } }
    int Charset() const { return FCharset; }
    void SetCharset(int v) { FCharset = v; }

    void Assign(const TFont& other);
    bool operator==(const TFont& o) const {
        return FName == o.FName && FHeight == o.FHeight && FColor == o.FColor && FStyle == o.FStyle;
    }

    TNotifyEvent OnChange;

private:
    void Changed() { if (OnChange) OnChange(nullptr); }

    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FCharset = 1;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};
