#include "graphic_control.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
