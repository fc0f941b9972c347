#include "board_image.h"

#include "board_highlight.h"
#include "platform/menus.h"
#include "platform/canvas.h"

TBoardImage::TBoardImage(TComponent* AOwner) : TCustomPanel(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = TNotifyEvent::Of<&TBoardImage::PictureChanged>(this);
    FShowCaption = false;
    FWidth = 105;
    FHeight = 105;
    FAutoSize = true;
}

TBoardImage::~TBoardImage() { FPicture.reset(); }

void TBoardImage::SetPicture(const TPicture& Value) { FPicture->Assign(Value); }

void TBoardImage::SetStretch(bool Value) {
    if (Value == FStretch) return;
    FStretch = Value;
    PictureChanged(this);
}

void TBoardImage::SetCenter(bool Value) {
    if (Value == FCenter) return;
    FCenter = Value;
    PictureChanged(this);
}

void TBoardImage::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    PictureChanged(this);
}

void TBoardImage::SetScale(bool Value) {
    if (Value == FScale) return;
    FScale = Value;
    PictureChanged(this);
}

TRect TBoardImage::DestRect() {
    if (FStretch) return {0, 0, Width(), Height()};
    int pw = FPicture->Width(), ph = FPicture->Height();
    if (FCenter) return Bounds((Width() - pw) / 2, (Height() - ph) / 2, pw, ph);
    return {0, 0, pw, ph};
}

bool TBoardImage::CanAutoSize(int& NewWidth, int& NewHeight) {
    int pw = FPicture->Width(), ph = FPicture->Height();
    if (!ComponentState().Contains(csDesigning) || (pw > 0 && ph > 0)) {
        if (Align() == alNone || Align() == alLeft || Align() == alRight) NewWidth = pw;
        if (Align() == alNone || Align() == alTop || Align() == alBottom) NewHeight = ph;
    }
    return true;
}

void TBoardImage::Paint() {
    if (!FDesignPosSaved) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FDesignPosSaved = true;
    }
    if (FCenterOnForm && !ComponentState().Contains(csDesigning) && Parent()) {
        // The parent's outer size; for a form that is the whole window with frame and menu bar.
        SetLeft((Parent()->Width() - Width()) / 2);
        SetTop((Parent()->Height() - Height()) / 2);
    }
    bool saved = FDrawing;
    FDrawing = true;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{FDrawing, saved};
    if (TGraphic* graphic = FPicture->Graphic()) Canvas().StretchDraw(DestRect(), *graphic);
}

void TBoardImage::WndProc(TMessage& Message) {
    if (Message.Msg == WM_STARTTOUR) {
        WMStartTour(Message);
        return;
    }
    TCustomPanel::WndProc(Message);
}

void TBoardImage::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomPanel::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFirst) FFirst = nullptr;
    if (AComponent == FMenu) FMenu = nullptr;
}

void TBoardImage::WMStartTour(TMessage& Message) {
    Message.Result = 0;
    if (!FFirst) return;
    FFirst->Perform(CM_MOUSEENTER, Message.WParam, Message.LParam);
    FFirst->Click();
    FFirst->Perform(CM_MOUSELEAVE, Message.WParam, Message.LParam);
}

void TBoardImage::PictureChanged(TObject*) {
    int pw = FPicture->Width(), ph = FPicture->Height();
    if (AutoSize() && pw > 0 && ph > 0) SetBounds(Left(), Top(), pw, ph);
    TControlStyle style = ControlStyle();
    if (TGraphic* graphic = FPicture->Graphic()) {
        graphic->SetTransparent(FTransparent);
        bool opaque = !graphic->Transparent() && (FStretch || (pw >= Width() && ph >= Height()));
        if (opaque)
            style.Include(csOpaque);
        else
            style.Exclude(csOpaque);
        SetControlStyle(style);
        if (DoPaletteChange() && FDrawing) Repaint();
    } else {
        SetControlStyle(style.Exclude(csOpaque));
    }
    if (!FDrawing) Invalidate();
}

bool TBoardImage::DoPaletteChange() {
    TGraphic* graphic = FPicture->Graphic();
    if (!Visible() || ComponentState().Contains(csLoading) || !graphic || !graphic->PaletteModified()) return false;
    // Graphics on this platform carry no palette: the change is handled as soon as it is seen.
    return false;
}
