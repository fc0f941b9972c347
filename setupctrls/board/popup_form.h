// TPopupForm: the small tool window of a group of highlight circles, built in code on first use.
#pragma once

#include "platform/form.h"

class TBoardHighlight;
class TStatusBar;
class TMemo;
class TButton;

class TPopupForm : public TForm {
public:
    explicit TPopupForm(TComponent* AOwner);
    ~TPopupForm() override;
    std::string ClassName() const override { return "TPopupForm"; }

    TStatusBar* PopupStatus = nullptr;
    TMemo* StatusMemo = nullptr;
    TButton* PreviousButton = nullptr;
    TButton* NextButton = nullptr;
    TButton* DoneButton = nullptr;

    TBoardHighlight* Highlight() const { return FHighlight; }
    void SetHighlight(TBoardHighlight* Value) { FHighlight = Value; }
    bool CloseOnLeave() const { return FCloseOnLeave; }
    void SetCloseOnLeave(bool Value) { FCloseOnLeave = Value; }
    // The cursor lies on the window, frame included.
    bool CursorInside() const;

protected:
    void WndProc(TMessage& Message) override;
    // Activation drives the group's glow; the form's own handling is not wanted here.
    void WMActivate(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    TBoardHighlight* FHighlight = nullptr;
    bool FCloseOnLeave = false;
};
