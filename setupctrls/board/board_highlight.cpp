#include "board_highlight.h"

TBoardHighlight::TBoardHighlight(TComponent* AOwner) : TGraphicControl(AOwner) {
    FWidth = 65;
    FHeight = 65;
}

void TBoardHighlight::SetHighlightType(THighlightType Value) {
    if (Value == FHighlightType) return;
    FHighlightType = Value;
    Invalidate();
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* Value) { FRadioPanel = Value; }

void TBoardHighlight::SetTitle(const std::string& Value) { FTitle = Value; }
