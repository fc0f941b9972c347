// TBoardImage: the photograph of the card, kept centred in its window, carrying the highlight circles.
#pragma once

#include "platform/custom_panel.h"
#include "platform/picture.h"

#include <memory>

class TBoardHighlight;
class TMainMenu;

// Starts the guided tour at the board image's First circle; sent synchronously, both parameters 0.
constexpr unsigned WM_STARTTOUR = WM_USER + 162;

class TBoardImage : public TCustomPanel {
public:
    explicit TBoardImage(TComponent* AOwner);
    ~TBoardImage() override;
    std::string ClassName() const override { return "TBoardImage"; }

    TPicture& Picture() { return *FPicture; }
    // Copies the given picture into the owned one.
    void SetPicture(const TPicture& Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool Scale() const { return FScale; }
    void SetScale(bool Value);
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool Value) { FCenterOnForm = Value; }

    // The circle at which the guided tour starts, and the menu bar the circles extend.
    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* Value) { FFirst = Value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value) { FMenu = Value; }

    // Left and Top as they were at the first paint, before any centring.
    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }

    // The rectangle the picture is drawn into, in client coordinates.
    TRect DestRect();
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void Paint() override;

protected:
    void WndProc(TMessage& Message) override;
    // Forgets a First circle or a menu that goes away before the board image.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Enters, clicks and leaves the First circle, as the mouse would.
    void WMStartTour(TMessage& Message);
    void PictureChanged(TObject* Sender);
    // Palette realisation; a true-colour display never needs it.
    bool DoPaletteChange();

private:
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FScale = true;
    bool FCenterOnForm = true;
    TBoardHighlight* FFirst = nullptr;
    TMainMenu* FMenu = nullptr;
    bool FDrawing = false;
    bool FDesignPosSaved = false;
    int FDesignLeft = 0;
    int FDesignTop = 0;
};
