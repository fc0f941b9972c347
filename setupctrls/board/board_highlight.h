// TBoardHighlight: a translucent circle over one part of the board photograph. Coming onto it
// opens the part's popup window, clicking pins the popup, and the circle lists itself in the
// menu bar under the menu of its kind.
#pragma once

#include "platform/bitmap.h"
#include "platform/graphic_control.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TRadioPanel;
class TPopupForm;
class TMainMenu;
class TMenuItem;

enum class THighlightType : std::uint8_t { htOptions, htSettings, htCalibration };
using enum THighlightType;

class TBoardHighlight : public TGraphicControl {
public:
    explicit TBoardHighlight(TComponent* AOwner);
    ~TBoardHighlight() override;
    std::string ClassName() const override { return "TBoardHighlight"; }

    // --- published properties
    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool Value) { FCreatePopup = Value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType Value);
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refuses a panel that a circle of another group links already.
    void SetRadioPanel(TRadioPanel* Value);
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value);

    // --- state other parts of the board view read
    bool Lit() const { return FLit; }
    bool Pinned() const { return FPinned; }
    void SetPinned(bool Value) { FPinned = Value; }
    bool PopupActive() const { return FPopupActive; }
    bool Rendered() const { return FRendered; }
    TPopupForm* Popup() const { return FPopup; }
    const std::string& PopupCaption() const { return FPopupCaption; }
    const std::string& NameStem() const { return FNameStem; }
    TMainMenu* MainMenu() const { return FMainMenu; }
    float NormalStrength() const { return FNormalStrength; }
    float BrightStrength() const { return FBrightStrength; }
    float GlowStrength() const { return FGlowStrength; }
    TColor RingColor() const { return FRingColor; }
    // The three looks; a look is blended from the background kept at the first paint the first
    // time it is asked for, and is a plain bitmap from then on.
    const TBitmap& NormalBitmap() { return Look(FNormalBitmap, FNormalStrength, false); }
    const TBitmap& BrightBitmap() { return Look(FBrightBitmap, FBrightStrength, false); }
    const TBitmap& GlowBitmap() { return Look(FGlowBitmap, FGlowStrength, true); }

    // --- the circle's group: the circles of one board image with the same Title and HighlightType
    bool InGroupOf(const TBoardHighlight* Other) const;
    std::vector<TBoardHighlight*> Group() const;

    // --- painting
    void Paint() override;
    // Takes what lies under the circle now as the background of its three looks and renders the
    // normal one; the bright and glow looks follow from the same background when first shown.
    void RenderLooks();
    void Click() override;

    // --- pinning, activation and lighting
    void PinPopup();
    void PinOwnPopup();
    void SetPopupActive(bool Active, bool WithGroup);
    void Unlight();
    // Stores the panel without checks or questions.
    void LinkRadioPanel(TRadioPanel* Panel) { FRadioPanel = Panel; }

    // --- the popup window and the tour
    void ShowPopup();
    void PopupClosed(TObject* Sender, TCloseAction& Action);
    void PreviousClick(TObject* Sender);
    void NextClick(TObject* Sender);
    void DoneClick(TObject* Sender);

    // --- the kind menus
    void AddMenuEntry();
    void CheckMenuEntry(bool Checked);
    void MenuEntryClick(TObject* Sender);
    // "&Options", "&Settings" or "&Calibration".
    const char* KindCaption() const;

protected:
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    const TBitmap& Look(std::unique_ptr<TBitmap>& Bitmap, float Strength, bool Glow);
    void FirstPaintSetup();
    bool ParentIsBoardImage() const;
    // The top-level kind menu of this circle and its entry, or none.
    TMenuItem* KindMenu() const;
    TMenuItem* MenuEntry() const;
    void StepTour(int Step);

    std::unique_ptr<TBitmap> FNormalBitmap;
    std::unique_ptr<TBitmap> FGlowBitmap;
    std::unique_ptr<TBitmap> FBrightBitmap;
    // What lay under the circle at its first paint, kept while a look is still to be blended.
    std::unique_ptr<TBitmap> FBackground;
    int FLooksDone = 0;
    float FNormalStrength = 0.5f;
    float FGlowStrength = 1.0f;
    float FBrightStrength = 0.75f;
    TColor FRingColor = clYellow;
    THighlightType FHighlightType = htOptions; // set to htSettings through the setter when built
    bool FLit = false;
    TPopupForm* FPopup = nullptr;
    std::string FTitle;
    std::string FPopupCaption;
    std::string FNameStem;
    TMainMenu* FMainMenu = nullptr;
    bool FRendered = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    TRadioPanel* FRadioPanel = nullptr;
    bool FPopupActive = false;
};

// Deletes every "&", doubled ones too.
std::string StripAmpersands(const std::string& S);
// Reduces a title to an identifier: leading characters that cannot start one go, then every
// character that is not a letter, digit or "_". Only ASCII letters count.
std::string MakeIdentifier(const std::string& S);
