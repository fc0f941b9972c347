// TScreen: the forms of the application, the screen's size and the mouse cursor.
#pragma once

#include "component.h"
#include "types.h"

#include <vector>

class TForm;

class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;
    std::string ClassName() const override { return "TScreen"; }

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }
    TForm* ActiveForm() const;
    int Width() const;
    int Height() const;
    TPoint CursorPos() const;
    void SetCursorPos(TPoint p);

    // The frame around a window of each kind, as last seen on a shown window; used to size
    // windows that are not shown yet.
    TRect FrameMargins(bool toolWindow) const { return toolWindow && FToolFrameSeen ? FToolFrame : FNormalFrame; }
    void NoteFrameMargins(bool toolWindow, const TRect& margins);

private:
    friend class TForm;
    void AddForm(TForm* f);
    void RemoveForm(TForm* f);

    std::vector<TForm*> FForms;
    TRect FNormalFrame;
    TRect FToolFrame;
    bool FToolFrameSeen = false;
};

extern TScreen* Screen;
