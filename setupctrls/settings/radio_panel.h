// TRadioPanel: the content of a highlight circle's popup: explanatory text and setting controls.
#pragma once

#include "platform/custom_panel.h"

#include <string>
#include <vector>

class TMemo;

class TRadioPanel : public TCustomPanel {
public:
    explicit TRadioPanel(TComponent* AOwner);
    std::string ClassName() const override { return "TRadioPanel"; }

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool Value) { FRadioEnabled = Value; }
    const std::vector<std::string>& Lines() const { return FLines; }
    // Copies the given strings; the caller keeps its own list.
    void SetLines(const std::vector<std::string>& Value) { FLines = Value; }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int Value) { FMemoHeight = Value; }
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    void SetFinalAnchors(TAnchors Value);
    bool Hosted() const { return FHosted; }
    // Set by the popup that takes the panel in; a hosted panel stays hosted.
    void SetHosted(bool Value) { FHosted = FHosted || Value; }
    TMemo* StatusMemo() const { return FStatusMemo; }
    void SetStatusMemo(TMemo* Value) { FStatusMemo = Value; }

    TNotifyEvent OnRadioChange;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

private:
    bool FRadioEnabled = false;
    std::vector<std::string> FLines;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors{akLeft, akTop};
    bool FHosted = false;
    TMemo* FStatusMemo = nullptr;
};
