// The standard controls built on Qt's widgets: button, memo, status bar and label.
#pragma once

#include "graphic_control.h"
#include "win_control.h"

#include <string>
#include <vector>

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* AOwner);
    std::string ClassName() const override { return "TButton"; }

    void SetCaption(const std::string& v) override;
    // A cancel button is clicked when Esc is pressed in its window; a default one when Enter is.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    bool Default() const { return FDefault; }
    void SetDefault(bool v) { FDefault = v; }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget() override;

private:
    bool FCancel = false;
    bool FDefault = false;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

class QAbstractScrollArea;
// Shows the scroll bars a text box asks for: always where it has one, never where it has none.
void ApplyScrollBars(QAbstractScrollArea* area, TScrollStyle style);

// What the text boxes have in common: read-only or not, scroll bars, word wrap. Changing a setting
// touches only that setting of the window; the text itself is shown by the box's own class.
class TCustomMemo : public TWinControl {
public:
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

protected:
    explicit TCustomMemo(TComponent* AOwner);
    void InitWidget() override;
    // Applies the three settings (and the colour) to the window, which exists.
    virtual void ApplySettings() = 0;
    // Puts the box's text into the window, which exists.
    virtual void ShowContent() = 0;

    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* AOwner);
    std::string ClassName() const override { return "TMemo"; }

    const std::vector<std::string>& Lines() const { return FLines; }
    void SetLines(const std::vector<std::string>& v);
    // The lines joined with line breaks.
    std::string Text() const;
    void SetText(const std::string& v);
    void Clear() { SetLines({}); }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void ApplySettings() override;
    void ShowContent() override;

private:
    std::vector<std::string> FLines;
    bool FSyncing = false;
};

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
using enum TStatusPanelBevel;

struct TStatusPanel {
    TStatusPanelBevel Bevel = pbLowered;
    std::string Text;
    int Width = 50;
};

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* AOwner);
    std::string ClassName() const override { return "TStatusBar"; }

    std::vector<TStatusPanel>& Panels() { return FPanels; }
    TStatusPanel& AddPanel();

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;

private:
    std::vector<TStatusPanel> FPanels;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

// Text drawn on its parent; with AutoSize it takes the size of its text (the height only when
// aligned to the top or bottom).
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    std::string ClassName() const override { return "TLabel"; }

    void SetCaption(const std::string& v) override;
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void SetAlign(TAlign v) override;
    void Paint() override;

protected:
    void FontChanged() override;

private:
    TAlignment FAlignment = taLeftJustify;
    bool FTransparent = false;
};

// Registers the standard controls with the description reader.
void RegisterStdControls();
