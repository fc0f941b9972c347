#include "popup_form.h"

#include "board_highlight.h"
#include "platform/screen.h"

TPopupForm::TPopupForm(TComponent* AOwner) : TForm(AOwner) {}

TPopupForm::~TPopupForm() { FHighlight = nullptr; }

bool TPopupForm::CursorInside() const {
    TPoint p = Screen->CursorPos();
    return Bounds(0, 0, Width(), Height()).Contains({p.X - Left(), p.Y - Top()});
}

void TPopupForm::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSELEAVE: CMMouseLeave(Message); break;
    default: TForm::WndProc(Message); break;
    }
}

void TPopupForm::WMActivate(TMessage& Message) {
    if (FHighlight) FHighlight->SetPopupActive(Message.WParam != WA_INACTIVE, true);
    Message.Result = 0;
}

// The notice comes when the mouse leaves the window or any of its controls; the position test
// keeps the window open while the mouse only moves between its own controls.
void TPopupForm::CMMouseLeave(TMessage& Message) {
    if (!CursorInside() && FCloseOnLeave) {
        Close();
        return;
    }
    TForm::CMMouseLeave(Message);
}
