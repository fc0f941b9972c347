#include "dip_switch.h"

TDipSwitch::TDipSwitch(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csReplicatable);
    FWidth = 53;
    FHeight = 43;
}

void TDipSwitch::SetSwitchColor(TColor Value) {
    if (Value == FSwitchColor) return;
    FSwitchColor = Value;
    Invalidate();
}

void TDipSwitch::SetOrientation(TOrientationType Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    Invalidate();
}

void TDipSwitch::SetNumSwitches(std::uint8_t Value) {
    if (Value == FNumSwitches) return;
    FNumSwitches = Value;
    Invalidate();
}

void TDipSwitch::SetBinaryValueStr(const std::string& Value) {
    if (Value == FBinaryValueStr) return;
    FBinaryValueStr = Value;
    Invalidate();
}

void TDipSwitch::SetValue(std::uint32_t Value) {
    if (Value == FValue) return;
    FValue = Value;
    Invalidate();
}
