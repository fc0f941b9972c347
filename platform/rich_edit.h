// TRichEdit: a box of formatted text, loaded from rich text.
#pragma once

#include "rtf_reader.h"
#include "std_controls.h"

#include <string>

class TRichEdit : public TCustomMemo {
public:
    explicit TRichEdit(TComponent* AOwner);
    std::string ClassName() const override { return "TRichEdit"; }

    // Reads the rich text and shows it; damaged markup shows what can be read.
    void LoadRichText(const std::string& Rtf);
    const TRichText& Content() const { return FContent; }
    void SetColor(TColor v) override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void ApplySettings() override;
    void ShowContent() override;

private:
    TRichText FContent;
};
