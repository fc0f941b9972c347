// TForm: a top-level window with a caption, a frame, an optional menu bar and a client area.
#pragma once

#include "win_control.h"

class TMainMenu;
class QMenuBar;

using TCloseEvent = TMethod<void(TObject* Sender, TCloseAction& Action)>;

struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

class TForm : public TWinControl {
public:
    // An empty form, as built in code.
    explicit TForm(TComponent* AOwner);
    ~TForm() override;
    std::string ClassName() const override { return "TForm"; }

    // --- window settings
    void SetCaption(const std::string& v) override;
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle v);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition v) { FPosition = v; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState v);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool v) { FAutoScroll = v; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool v) { FOldCreateOrder = v; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int v) { FTextHeight = v; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* v);
    const TSizeConstraints& Constraints() const { return FConstraints; }
    void SetConstraints(const TSizeConstraints& c);

    // --- geometry: Left, Top, Width and Height are the outer frame on the screen
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    TPoint ClientToScreen(TPoint p) const override;
    // The frame around the client area and menu bar: Left, Top, Right, Bottom thicknesses.
    TRect FrameMargins() const;
    int MenuBarHeight() const;

    // --- showing and closing
    void SetVisible(bool v) override;
    // Makes the form visible and brings it to the front.
    void ShowForm();
    void Close();
    bool Active() const;
    void SetFocus() override;
    // Gives the focus to a control of the form.
    void FocusControl(TWinControl* Control);

    // --- events
    TNotifyEvent OnCreate;
    TCloseEvent OnClose;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

    // Runs OnCreate once the form is complete.
    virtual void AfterConstruction();

    QWidget* ClientWidget() override;
    // Entry points for the window peer.
    void WindowGeometryChanged();
    void WindowActivationChanged(bool active);
    void WindowCloseRequested();
    // Esc (Cancel true) or Enter: clicks the form's cancel or default button; false when it has none.
    bool PressDialogKey(bool Cancel);
    void LayoutWindow();

protected:
    void WndProc(TMessage& Message) override;
    // Forgets a menu that goes away before the form.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Places the window: Left, Top, Width and Height are the outer frame.
    void BoundsChanged(const TRect& OldBounds) override;
    virtual void WMActivate(TMessage& Message);
    virtual void DoClose(TCloseAction& Action);
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget() override;

private:
    void ApplyWindowFlags();
    void ApplyConstraints();
    void PlaceForFirstShow();
    bool IsToolWindow() const { return FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin; }

    TBorderStyle FBorderStyle = bsSizeable;
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDefaultPosOnly;
    TWindowState FWindowState = wsNormal;
    bool FAutoScroll = true;
    bool FKeyPreview = false;
    bool FOldCreateOrder = false;
    int FPixelsPerInch = ScreenPixelsPerInch;
    int FTextHeight = 13;
    TMainMenu* FMenu = nullptr;
    TSizeConstraints FConstraints;
    QWidget* FClientWidget = nullptr;
    QMenuBar* FMenuBar = nullptr;
    bool FShownOnce = false;
    bool FSyncingGeometry = false;
};
