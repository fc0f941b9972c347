// TDipSwitch: a picture of a row of DIP switches that shows a number bit by bit.
#pragma once

#include "platform/bitmap.h"
#include "platform/graphic_control.h"

#include <cstdint>
#include <memory>
#include <string>

enum class TOrientationType : std::uint8_t { otUp, otDown, otLeft, otRight };
using enum TOrientationType;

class TDipSwitch : public TGraphicControl {
public:
    explicit TDipSwitch(TComponent* AOwner);
    ~TDipSwitch() override;
    std::string ClassName() const override { return "TDipSwitch"; }

    TColor SwitchColor() const { return FSwitchColor; }
    void SetSwitchColor(TColor Value);
    // The side toward which the switches' "ON" end points.
    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType Value);
    std::uint8_t NumSwitches() const { return FNumSwitches; }
    void SetNumSwitches(std::uint8_t Value);
    // The number as "0"/"1" characters, the first switch (most significant bit) first.
    const std::string& BinaryValueStr() const { return FBinaryValueStr; }
    void SetBinaryValueStr(const std::string& Value);
    std::uint32_t Value() const { return FValue; }
    void SetValue(std::uint32_t Value);

    void Paint() override;
    // The finished picture of the last paint, the control's size when that paint began.
    const TBitmap& OutputBitmap() const { return *FOutBitmap; }
    bool AxisChanged() const { return FAxisChanged; }
    bool Painted() const { return FPainted; }

private:
    // Takes a pattern: keeps only "0" and "1", fits it to the switch count and derives the number.
    void ApplyPattern(std::string Pattern);
    void DrawUpright(int Wb, int Hb);
    void Turn(int Wb, int Hb);

    TOrientationType FOrientation = otUp;
    std::uint8_t FNumSwitches = 3;
    std::uint32_t FValue = 0;
    std::string FBinaryValueStr = "000";
    TColor FSwitchColor = clWhite;
    std::unique_ptr<TBitmap> FOutBitmap;
    std::unique_ptr<TBitmap> FWorkBitmap;
    bool FAxisChanged = false;
    bool FPainted = false;
};
