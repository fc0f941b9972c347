// TBoardHighlight: a translucent circle over one part of the board photograph.
#pragma once

#include "platform/graphic_control.h"

#include <string>

class TRadioPanel;

enum class THighlightType : std::uint8_t { htOptions, htSettings, htCalibration };
using enum THighlightType;

class TBoardHighlight : public TGraphicControl {
public:
    explicit TBoardHighlight(TComponent* AOwner);
    std::string ClassName() const override { return "TBoardHighlight"; }

    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool Value) { FCreatePopup = Value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType Value);
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    void SetRadioPanel(TRadioPanel* Value);
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);

private:
    bool FCreatePopup = true;
    THighlightType FHighlightType = htSettings;
    TRadioPanel* FRadioPanel = nullptr;
    std::string FTitle;
};
