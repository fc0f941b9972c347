// TRichEdit: a box of formatted text, loaded from rich text.
#pragma once

#include "rtf_reader.h"
#include "std_controls.h"

#include <string>

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TRichEdit"; }

    // Reads the rich text and shows it; damaged markup shows what can be read.
    void LoadRichText(const std::string& Rtf);
    const TRichText& Content() const { return FContent; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    void SetColor(TColor v) override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget() override;

private:
    void SyncWidget();
    TRichText FContent;
    bool FReadOnly = false;
    TScrollStyle FScrollBars = ssBoth;
    bool FWordWrap = true;
};
