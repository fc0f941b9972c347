#include "radio_panel.h"

TRadioPanel::TRadioPanel(TComponent* AOwner) : TCustomPanel(AOwner) {
    SetAnchors({akLeft, akTop});
    FShowCaption = false;
    FBevelOuter = bvNone;
    FHeight = 100;
    FWidth = 194;
    FVisible = false;
}

void TRadioPanel::SetFinalAnchors(TAnchors Value) {
    if (FHosted) SetAnchors(Value);
    FFinalAnchors = Value;
}
