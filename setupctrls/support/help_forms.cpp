#include "help_forms.h"

#include "setup_supporter.h"
#include "setupctrls/board/board_image.h"
#include "platform/rich_edit.h"
#include "platform/std_controls.h"

#include <algorithm>
#include <cmath>

namespace {
// The client area takes the size of the box around the children, moved to the origin.
void FitClientToChildren(TForm& form) {
    if (form.ControlCount() == 0) return;
    TRect box = form.Controls(0)->BoundsRect();
    for (int i = 1; i < form.ControlCount(); ++i) {
        TRect r = form.Controls(i)->BoundsRect();
        box = {std::min(box.Left, r.Left), std::min(box.Top, r.Top), std::max(box.Right, r.Right),
               std::max(box.Bottom, r.Bottom)};
    }
    for (int i = 0; i < form.ControlCount(); ++i) {
        TControl* c = form.Controls(i);
        if (c->Align() == alNone) c->SetBounds(c->Left() - box.Left, c->Top() - box.Top, c->Width(), c->Height());
    }
    form.SetClientWidth(box.Width());
    form.SetClientHeight(box.Height());
}

TButton* CloseButtonFor(TForm& form, TSetupSupporter& supporter, int left, int top) {
    auto* button = new TButton(&form);
    button->SetName("CloseButton");
    button->SetParent(&form);
    button->SetBounds(left, top, 73, 25);
    button->SetCaption("Close");
    button->SetCancel(true);
    button->OnClick = TNotifyEvent::Of<&TSetupSupporter::CloseButtonClick>(&supporter);
    button->SetTabOrder(0);
    return button;
}

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }
} // namespace

THelpForm::THelpForm(TComponent* AOwner, TSetupSupporter& Supporter, int ScreenHeight) : TForm(AOwner) {
    SetName("HelpForm");
    SetCaption("Help");
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);

    HelpLabel = new TLabel(this);
    HelpLabel->SetName("HelpLabel");
    HelpLabel->SetParent(this);
    HelpLabel->SetAlign(alTop);
    HelpLabel->SetCaption("How to use this program");
    HelpLabel->SetAlignment(taCenter);
    HelpLabel->Font().SetName("Arial");
    HelpLabel->Font().SetSize(12);
    HelpLabel->Font().SetStyle({fsBold});

    HelpRich = new TRichEdit(this);
    HelpRich->SetName("HelpRich");
    HelpRich->SetParent(this);
    HelpRich->SetBounds(0, 24, 305, 73);
    HelpRich->SetReadOnly(true);
    HelpRich->SetScrollBars(ssVertical);
    HelpRich->SetColor(RGB(0, 32, 0));
    HelpRich->LoadRichText(Supporter.HelpText());

    CloseButton = CloseButtonFor(*this, Supporter, 0, 105);
    StartButton = new TButton(this);
    StartButton->SetName("StartButton");
    StartButton->SetParent(this);
    StartButton->SetBounds(0, 105, 73, 25);
    StartButton->SetCaption("Start");
    StartButton->SetCancel(true);
    StartButton->OnClick = TNotifyEvent::Of<&THelpForm::StartButtonClick>(this);
    StartButton->SetTabOrder(0);

    SetClientWidth(HelpRich->Width());
    FitClientToChildren(*this);
    SetClientHeight(ClientHeight() + 8);

    HelpRich->SetAnchors({akLeft, akTop, akRight, akBottom});
    CloseButton->SetLeft(ClientWidth() / 3 - CloseButton->Width() / 2);
    CloseButton->SetAnchors({akBottom});
    StartButton->SetLeft((2 * ClientWidth()) / 3 - StartButton->Width() / 2);
    StartButton->SetAnchors({akBottom});

    ScaleToScreen(ScreenHeight);
}

void THelpForm::ScaleToScreen(int ScreenHeight) {
    const double f = std::max(1.0, ScreenHeight / 300.0);
    SetClientWidth(RoundHalfEven(305 * f));
    SetClientHeight(RoundHalfEven(138 * f));
}

void THelpForm::StartButtonClick(TObject*) {
    Hide();
    auto* main = dynamic_cast<TWinControl*>(Owner());
    if (!main) return;
    for (int i = 0; i < main->ControlCount(); ++i)
        if (auto* board = dynamic_cast<TBoardImage*>(main->Controls(i))) {
            board->Perform(WM_STARTTOUR, 0, 0);
            return;
        }
}

TTechForm::TTechForm(TComponent* AOwner, TSetupSupporter& Supporter) : TForm(AOwner) {
    SetName("TechForm");
    SetCaption("Technical Support");
    SetFormStyle(fsStayOnTop);
    SetPosition(poDefault);

    TechMemo = new TMemo(this);
    TechMemo->SetName("TechMemo");
    TechMemo->SetParent(this);
    TechMemo->SetBounds(8, 8, 305, 89);
    TechMemo->SetReadOnly(true);
    TechMemo->SetScrollBars(ssVertical);
    TechMemo->SetWordWrap(true);
    TechMemo->SetText(Supporter.SupportText());

    CloseButton = CloseButtonFor(*this, Supporter, 165, 105);

    FitClientToChildren(*this);
    TechMemo->SetAnchors({akLeft, akTop, akRight, akBottom});
    CloseButton->SetLeft((ClientWidth() - CloseButton->Width()) / 2);
    CloseButton->SetAnchors({akBottom});
}

TPCIForm::TPCIForm(TComponent* AOwner, TSetupSupporter& Supporter) : TForm(AOwner) {
    SetPosition(poDefault);
    SetBounds(Left(), Top(), 320, 240);
    SetName("PCIForm");
    SetCaption(Supporter.CardName() + " Cards installed");
    SetFormStyle(fsStayOnTop);
    SetVisible(true);

    PCIMemo = new TMemo(this);
    PCIMemo->SetName("PCIMemo");
    PCIMemo->SetText("PCIMemo"); // a new memo shows its name until it is filled
    PCIMemo->SetParent(this);
    PCIMemo->SetBounds(8, 8, 305, 89);
    PCIMemo->Font().SetName("Arial");
    PCIMemo->Font().SetSize(10);
    PCIMemo->Font().SetStyle({fsBold});
    PCIMemo->SetReadOnly(true);
    PCIMemo->SetScrollBars(ssVertical);

    // Centred in the window's outer width as first made; the fit below moves it with the memo.
    CloseButton = CloseButtonFor(*this, Supporter, (Width() - 73) / 2, 105);

    FitClientToChildren(*this);
    PCIMemo->SetAnchors({akLeft, akTop, akRight, akBottom});
    CloseButton->SetAnchors({akBottom});
}
