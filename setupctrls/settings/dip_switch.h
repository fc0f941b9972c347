// TDipSwitch: a picture of a row of DIP switches showing a number bit by bit.
#pragma once

#include "platform/graphic_control.h"

#include <cstdint>
#include <string>

enum class TOrientationType : std::uint8_t { otUp, otDown, otLeft, otRight };
using enum TOrientationType;

class TDipSwitch : public TGraphicControl {
public:
    explicit TDipSwitch(TComponent* AOwner);
    std::string ClassName() const override { return "TDipSwitch"; }

    TColor SwitchColor() const { return FSwitchColor; }
    void SetSwitchColor(TColor Value);
    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType Value);
    std::uint8_t NumSwitches() const { return FNumSwitches; }
    void SetNumSwitches(std::uint8_t Value);
    const std::string& BinaryValueStr() const { return FBinaryValueStr; }
    void SetBinaryValueStr(const std::string& Value);
    std::uint32_t Value() const { return FValue; }
    void SetValue(std::uint32_t Value);

private:
    TOrientationType FOrientation = otUp;
    std::uint8_t FNumSwitches = 3;
    std::uint32_t FValue = 0;
    std::string FBinaryValueStr = "000";
    TColor FSwitchColor = clWhite;
};
