#include "board_highlight.h"

#include "board_image.h"
#include "popup_form.h"
#include "ring_blend.h"
#include "platform/application.h"
#include "platform/jpeg_image.h"
#include "platform/menus.h"
#include "platform/screen.h"
#include "platform/std_controls.h"
#include "setupctrls/settings/radio_panel.h"

#include <algorithm>

namespace {
struct TKind {
    TColor Color;
    float Normal, Bright, Glow;
    const char* MenuCaption;
    const char* NamePrefix;
};

const TKind& KindOf(THighlightType t) {
    static const TKind kinds[] = {
        {clBlue, 0.25f, 0.5f, 1.0f, "&Options", "Options"},
        {clYellow, 0.5f, 0.75f, 1.0f, "&Settings", "Settings"},
        {clRed, 0.5f, 0.75f, 1.0f, "&Calibration", "Calibration"},
    };
    return kinds[static_cast<int>(t)];
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The stem followed by the smallest number from 1 that no component of the owner carries yet.
std::string FreeName(TComponent* owner, const std::string& stem) {
    for (int n = 1;; ++n) {
        std::string name = stem + std::to_string(n);
        if (!owner || !owner->FindComponent(name)) return name;
    }
}
} // namespace

std::string StripAmpersands(const std::string& S) {
    std::string out;
    for (char c : S)
        if (c != '&') out += c;
    return out;
}

std::string MakeIdentifier(const std::string& S) {
    if (S.empty() || IsValidIdent(S)) return S;
    std::string s = S;
    while (!s.empty() && !IsLetter(s[0]) && s[0] != '_') s.erase(0, 1);
    if (s.empty()) return s;
    std::string out(1, s[0]);
    for (size_t i = 1; i < s.size(); ++i)
        if (IsLetter(s[i]) || IsDigit(s[i]) || s[i] == '_') out += s[i];
    return out;
}

// ---------------------------------------------------------------- construction

TBoardHighlight::TBoardHighlight(TComponent* AOwner)
    : TGraphicControl(AOwner), FNormalBitmap(std::make_unique<TBitmap>()), FGlowBitmap(std::make_unique<TBitmap>()),
      FBrightBitmap(std::make_unique<TBitmap>()) {
    FWidth = 65;
    FHeight = 65;
    SetHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight() {
    if (FPopup) FPopup->SetHighlight(nullptr);
}

void TBoardHighlight::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FRadioPanel) FRadioPanel = nullptr;
    if (AComponent == FPopup) FPopup = nullptr;
    if (FMainMenu && AComponent == FMainMenu) FMainMenu = nullptr;
}

void TBoardHighlight::SetHighlightType(THighlightType Value) {
    if (Value == FHighlightType) return;
    FHighlightType = Value;
    const TKind& k = KindOf(Value);
    FRingColor = k.Color;
    FNormalStrength = k.Normal;
    FBrightStrength = k.Bright;
    FGlowStrength = k.Glow;
    Invalidate();
}

void TBoardHighlight::SetTitle(const std::string& Value) {
    if (Value == FTitle) return;
    FTitle = Value;
    FPopupCaption = StripAmpersands(Value);
    FNameStem = MakeIdentifier(Value);
}

const char* TBoardHighlight::KindCaption() const { return KindOf(FHighlightType).MenuCaption; }

// ---------------------------------------------------------------- groups

bool TBoardHighlight::ParentIsBoardImage() const { return Parent() && Parent()->ClassName() == "TBoardImage"; }

bool TBoardHighlight::InGroupOf(const TBoardHighlight* Other) const {
    return Other && Other->FTitle == FTitle && Other->FHighlightType == FHighlightType;
}

std::vector<TBoardHighlight*> TBoardHighlight::Group() const {
    std::vector<TBoardHighlight*> members;
    if (!ParentIsBoardImage()) return {const_cast<TBoardHighlight*>(this)};
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c->ClassName() != "TBoardHighlight") continue;
        auto* h = static_cast<TBoardHighlight*>(c);
        if (InGroupOf(h)) members.push_back(h);
    }
    return members;
}

// Only circles of one group may share a panel; the link is refused quietly otherwise.
void TBoardHighlight::SetRadioPanel(TRadioPanel* Value) {
    if (Value == FRadioPanel) return;
    if (!Value) {
        FRadioPanel = nullptr;
        return;
    }
    if (Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            TControl* c = Parent()->Controls(i);
            if (c == this || c->ClassName() != "TBoardHighlight") continue;
            auto* other = static_cast<TBoardHighlight*>(c);
            if (other->FRadioPanel == Value && !InGroupOf(other)) return;
        }
    FRadioPanel = Value;
}

// ---------------------------------------------------------------- painting

namespace {
// Copies the source, placed with its top-left corner at (x, y) of the target, clipped to both.
void CopyPixels(const TBitmap& source, int x, int y, TBitmap& target) {
    const int fromX = std::max(0, x), toX = std::min(target.Width(), x + source.Width());
    const int fromY = std::max(0, y), toY = std::min(target.Height(), y + source.Height());
    if (fromX >= toX) return;
    for (int row = fromY; row < toY; ++row)
        std::copy_n(source.ScanLine(row - y) + (fromX - x), toX - fromX, target.ScanLine(row) + fromX);
}
} // namespace

void TBoardHighlight::RenderLooks() {
    const int w = Width(), h = Height();
    FBackground = std::make_unique<TBitmap>();
    FLooksDone = 0;
    for (TBitmap* b : {FNormalBitmap.get(), FGlowBitmap.get(), FBrightBitmap.get()}) b->SetSize(0, 0);
    TBitmap& under = *FBackground;
    under.SetSizeForOverwrite(w, h); // the board's colour or its picture covers every pixel
    if (w > 0 && h > 0) {
        // What lies under the circle: the board's picture as the board image draws it, with the
        // normal looks of the circles before this one that overlap it. Where the picture does not
        // reach, the board's own colour shows.
        auto* board = dynamic_cast<TBoardImage*>(Parent());
        TGraphic* graphic = board ? board->Picture().Graphic() : nullptr;
        TRect at{};
        if (graphic) {
            TRect dest = board->DestRect();
            at = Bounds(dest.Left - Left(), dest.Top - Top(), dest.Width(), dest.Height());
        }
        if (!graphic || at.Left > 0 || at.Top > 0 || at.Right < w || at.Bottom < h) {
            TCanvas& canvas = under.Canvas();
            canvas.Brush().Color = Parent() ? Parent()->Color() : clBtnFace;
            canvas.FillRect({0, 0, w, h});
        }
        if (graphic) {
            auto* jpeg = dynamic_cast<TJPEGImage*>(graphic);
            if (jpeg && !jpeg->Broken() && at.Width() == jpeg->Width() && at.Height() == jpeg->Height())
                CopyPixels(jpeg->Bitmap(), at.Left, at.Top, under); // one picture pixel per screen pixel
            else
                under.Canvas().StretchDraw(at, *graphic);
        }
        if (board)
            for (int i = 0; i < board->ControlCount() && board->Controls(i) != this; ++i) {
                auto* earlier = dynamic_cast<TBoardHighlight*>(board->Controls(i));
                if (!earlier || !earlier->FRendered || !earlier->Visible()) continue;
                TRect a = earlier->BoundsRect(), b = BoundsRect();
                if (a.Right <= b.Left || b.Right <= a.Left || a.Bottom <= b.Top || b.Bottom <= a.Top) continue;
                CopyPixels(earlier->NormalBitmap(), a.Left - b.Left, a.Top - b.Top, under);
            }
    }
    NormalBitmap();
}

const TBitmap& TBoardHighlight::Look(std::unique_ptr<TBitmap>& Bitmap, float Strength, bool Glow) {
    if (FBackground && (Bitmap->Width() != FBackground->Width() || Bitmap->Height() != FBackground->Height() ||
                        Bitmap->Empty())) {
        Bitmap->SetSizeForOverwrite(FBackground->Width(), FBackground->Height()); // the blend copies the background first
        BlendRings(*FBackground, {{Bitmap.get(), Strength, Glow}}, FRingColor);
        if (++FLooksDone == 3) FBackground.reset();
    }
    return *Bitmap;
}

void TBoardHighlight::FirstPaintSetup() {
    RenderLooks();
    if (auto* board = dynamic_cast<TBoardImage*>(Parent()); board && ParentIsBoardImage()) {
        FMainMenu = board->Menu();
        AddMenuEntry();
    } else {
        FMainMenu = nullptr;
    }
}

void TBoardHighlight::Paint() {
    if (ComponentState().Contains(csDesigning)) {
        RenderLooks();
    } else if (!FRendered) {
        FirstPaintSetup();
        FRendered = true;
    }
    const TBitmap& look = FLit && FPopupActive ? GlowBitmap() : FLit || FPopupActive ? BrightBitmap() : NormalBitmap();
    Canvas().BlockCopy(0, 0, look);
}

// ---------------------------------------------------------------- mouse

void TBoardHighlight::CMMouseEnter(TMessage& Message) {
    if (FLit) return;
    FLit = true;
    Invalidate();
    if (FCreatePopup) ShowPopup();
    if (Message.WParam == 1) return;
    for (TBoardHighlight* member : Group())
        if (member != this) member->Perform(CM_MOUSEENTER, 1, 0);
}

void TBoardHighlight::CMMouseLeave(TMessage& Message) {
    if (!FLit) return;
    if (FPopup && !FPinned) {
        if (FPopup->CursorInside()) {
            // The mouse went from the circle into the popup: it stays until the mouse leaves it.
            FPopup->SetCloseOnLeave(true);
            PinPopup();
        } else {
            FPopup->Close();
        }
    }
    if (Message.WParam == 1) return;
    for (TBoardHighlight* member : Group())
        if (member != this) member->Perform(CM_MOUSELEAVE, 1, 0);
}

void TBoardHighlight::Click() {
    TGraphicControl::Click();
    PinPopup();
}

void TBoardHighlight::PinPopup() {
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    for (TBoardHighlight* member : Group()) member->PinOwnPopup();
}

void TBoardHighlight::PinOwnPopup() {
    if (!FPopup) return;
    FPinned = true;
    CheckMenuEntry(true);
    FPopup->SetFocus();
}

// Bringing a member to the front moves it to the end of the children, so the walk stays where it
// is after handling one and looks at one child fewer; each member is handled exactly once.
void TBoardHighlight::SetPopupActive(bool Active, bool WithGroup) {
    FPopupActive = Active;
    BringToFront();
    Invalidate();
    if (!WithGroup || !ParentIsBoardImage()) return;
    TWinControl* board = Parent();
    int count = board->ControlCount();
    for (int i = 0; i < count;) {
        TControl* c = board->Controls(i);
        auto* member = c->ClassName() == "TBoardHighlight" ? static_cast<TBoardHighlight*>(c) : nullptr;
        if (member && member != this && InGroupOf(member)) {
            member->SetPopupActive(Active, false);
            --count;
        } else {
            ++i;
        }
    }
}

void TBoardHighlight::Unlight() {
    FLit = false;
    Invalidate();
}

// ---------------------------------------------------------------- the popup

void TBoardHighlight::ShowPopup() {
    if (FPopup) {
        if (!FPopup->Visible()) FPinned = false;
        FPopup->ShowForm();
        return;
    }
    // Another member of the group built the group's popup already; it shows it when the relay reaches it.
    for (TBoardHighlight* member : Group())
        if (member != this && member->FPopup) return;

    auto* popup = new TPopupForm(this);
    FPopup = popup;
    popup->SetHighlight(this);
    popup->SetAutoScroll(false);
    popup->SetBorderStyle(bsSizeToolWin);
    popup->SetFormStyle(fsStayOnTop);
    FPinned = false;

    int memoHeight = 58, l0 = 0, t0 = 0;
    if (FRadioPanel) {
        memoHeight = FRadioPanel->MemoHeight();
        popup->OnActivate = FRadioPanel->OnActivate;
        popup->OnDeactivate = FRadioPanel->OnDeactivate;
        l0 = FRadioPanel->Left();
        t0 = FRadioPanel->Top();
        FRadioPanel->SetBounds(0, 0, FRadioPanel->Width(), FRadioPanel->Height());
        FRadioPanel->SetVisible(true);
        popup->SetClientWidth(FRadioPanel->Width());
        popup->SetClientHeight(FRadioPanel->Height() + memoHeight + 51);
        FRadioPanel->SetParent(popup);
        FRadioPanel->SetAnchors(FRadioPanel->FinalAnchors());
        FRadioPanel->SetHosted(true);
    } else {
        popup->SetWidth(194);
        popup->SetHeight(141);
    }
    popup->SetCaption(FPopupCaption);
    popup->SetWidth(std::max(194, popup->Width()));
    popup->SetHeight(std::max(122, popup->Height()));
    popup->SetConstraints({popup->Width(), popup->Height(), 0, 0});
    popup->SetTag(static_cast<int>(FHighlightType));
    popup->SetPosition(poDesigned);

    // Placed where the panel was described, moved as far as the board image has moved since it
    // was loaded; the result is taken as a screen position as it stands.
    int dx = 0, dy = 0;
    if (auto* board = dynamic_cast<TBoardImage*>(Parent())) {
        dx = board->DesignLeft() - l0;
        dy = board->DesignTop() - t0;
    }
    if (!FRadioPanel) {
        dx = 0;
        dy = -(Parent() ? Parent()->Height() : 0) - 38;
    }
    int parentLeft = Parent() ? Parent()->Left() : 0, parentTop = Parent() ? Parent()->Top() : 0;
    popup->SetLeft(parentLeft - dx);
    popup->SetTop(parentTop - dy);
    popup->OnClose = TCloseEvent::Of<&TBoardHighlight::PopupClosed>(this);

    const int cw = popup->ClientWidth(), ch = popup->ClientHeight();
    auto* status = new TStatusBar(popup);
    status->SetName("PopupStatus");
    status->SetParent(popup);
    status->SetAlign(alNone);
    status->SetBounds(0, ch - 19, cw, 19);
    status->SetAnchors({akLeft, akRight, akBottom});
    status->AddPanel().Bevel = pbNone;
    popup->PopupStatus = status;

    auto button = [&](const char* name, const char* caption, int left, TAnchors anchors, TNotifyEvent click) {
        auto* b = new TButton(popup);
        b->SetName(name);
        b->SetParent(popup);
        b->SetCaption(caption);
        b->SetBounds(left, ch - 44, 58, 25);
        b->SetAnchors(anchors);
        b->OnClick = click;
        return b;
    };
    popup->PreviousButton = button("PreviousButton", "Previous", 6, {akLeft, akBottom},
                                   TNotifyEvent::Of<&TBoardHighlight::PreviousClick>(this));
    popup->NextButton =
        button("NextButton", "Next", (cw - 58) / 2, {akBottom}, TNotifyEvent::Of<&TBoardHighlight::NextClick>(this));
    popup->DoneButton = button("DoneButton", "Done", cw - 64, {akRight, akBottom},
                               TNotifyEvent::Of<&TBoardHighlight::DoneClick>(this));

    auto* memo = new TMemo(popup);
    memo->SetName("StatusMemo");
    memo->SetParent(popup);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    memo->SetBounds(6, popup->DoneButton->Top() - 6 - memoHeight, cw - 12, memoHeight);
    memo->SetAnchors({akLeft, akTop, akRight, akBottom});
    memo->Clear();
    popup->StatusMemo = memo;
    if (FRadioPanel) {
        memo->SetLines(FRadioPanel->Lines());
        FRadioPanel->SetStatusMemo(memo);
    }

    // Kept on the screen.
    if (popup->Left() < 0)
        popup->SetLeft(0);
    else if (popup->Left() + popup->Width() > Screen->Width())
        popup->SetLeft(Screen->Width() - popup->Width());
    if (popup->Top() < 0)
        popup->SetTop(0);
    else if (popup->Top() + popup->Height() > Screen->Height())
        popup->SetTop(Screen->Height() - popup->Height());

    popup->ShowForm();
    if (FRadioPanel)
        popup->FocusControl(FRadioPanel);
    else
        popup->FocusControl(popup->DoneButton);
}

void TBoardHighlight::PopupClosed(TObject*, TCloseAction&) {
    CheckMenuEntry(false);
    if (FPopup) FPopup->SetCloseOnLeave(false);
    Unlight();
    if (ParentIsBoardImage())
        for (TBoardHighlight* member : Group()) member->Unlight();
}

void TBoardHighlight::DoneClick(TObject*) {
    if (FPopup) FPopup->Close();
}

void TBoardHighlight::PreviousClick(TObject*) { StepTour(-1); }

void TBoardHighlight::NextClick(TObject*) { StepTour(+1); }

// Closes this popup and opens and pins the neighbouring entry of the kind menu, wrapping round.
void TBoardHighlight::StepTour(int Step) {
    if (!FMainMenu) return;
    TMenuItem* bar = FMainMenu->Items();
    for (int k = 0; k < bar->Count(); ++k) {
        TMenuItem* kind = bar->Items(k);
        if (kind->Caption() != KindCaption()) continue;
        for (int i = 0; i < kind->Count(); ++i) {
            if (kind->Items(i)->Caption() != FTitle) continue;
            int n = kind->Count();
            if (FPopup) FPopup->Close();
            TMenuItem* target = kind->Items(Step > 0 ? (i == n - 1 ? 0 : i + 1) : (i == 0 ? n - 1 : i - 1));
            if (target->OnClick) target->OnClick(this);
            return;
        }
    }
}

// ---------------------------------------------------------------- the kind menus

TMenuItem* TBoardHighlight::KindMenu() const {
    if (!FMainMenu) return nullptr;
    TMenuItem* bar = FMainMenu->Items();
    for (int k = 0; k < bar->Count(); ++k)
        if (bar->Items(k)->Caption() == KindCaption()) return bar->Items(k);
    return nullptr;
}

TMenuItem* TBoardHighlight::MenuEntry() const {
    if (!FMainMenu) return nullptr;
    TMenuItem* bar = FMainMenu->Items();
    for (int k = 0; k < bar->Count(); ++k) {
        TMenuItem* kind = bar->Items(k);
        if (kind->Caption() != KindCaption()) continue;
        for (int i = 0; i < kind->Count(); ++i)
            if (kind->Items(i)->Caption() == FTitle) return kind->Items(i);
    }
    return nullptr;
}

void TBoardHighlight::AddMenuEntry() {
    if (!FMainMenu) return;
    TComponent* owner = FMainMenu->Owner();
    TMenuItem* bar = FMainMenu->Items();
    const int existing = bar->Count();
    auto createEntry = [&](TMenuItem* kind) {
        auto* entry = new TMenuItem(owner);
        entry->SetName(FreeName(owner, FNameStem));
        entry->SetCaption(FTitle);
        entry->OnClick = TNotifyEvent::Of<&TBoardHighlight::MenuEntryClick>(this);
        kind->Add(entry);
    };
    if (TMenuItem* kind = KindMenu()) {
        for (int i = 0; i < kind->Count(); ++i)
            if (kind->Items(i)->Caption() == FTitle) return;
        if (!FTitle.empty()) createEntry(kind);
        return;
    }
    auto* kind = new TMenuItem(owner);
    kind->SetName(FreeName(owner, KindOf(FHighlightType).NamePrefix));
    kind->SetCaption(KindCaption());
    // The kind menus stand as "&Settings", "&Calibration", "&Options", all before "&Help".
    std::vector<std::string> followers;
    switch (FHighlightType) {
    case htSettings: followers = {"&Calibration", "&Options", "&Help"}; break;
    case htCalibration: followers = {"&Options", "&Help"}; break;
    case htOptions: followers = {"&Help"}; break;
    }
    int at = existing;
    for (int i = 0; i < existing; ++i)
        if (std::find(followers.begin(), followers.end(), bar->Items(i)->Caption()) != followers.end()) {
            at = i;
            break;
        }
    bar->Insert(at, kind);
    if (!FTitle.empty()) createEntry(kind);
}

void TBoardHighlight::CheckMenuEntry(bool Checked) {
    if (TMenuItem* entry = MenuEntry()) entry->SetChecked(Checked);
}

void TBoardHighlight::MenuEntryClick(TObject* Sender) {
    auto* item = dynamic_cast<TComponent*>(Sender);
    if (item && item->ClassName() == "TMenuItem" && static_cast<TMenuItem*>(item)->Checked()) {
        if (FPopup)
            FPopup->Close();
        else if (ParentIsBoardImage())
            for (TBoardHighlight* member : Group())
                if (member != this && member->FPopup) member->MenuEntryClick(Sender);
        return;
    }
    Perform(CM_MOUSEENTER, 0, 0);
    PinPopup();
    Perform(CM_MOUSELEAVE, 0, 0);
}
