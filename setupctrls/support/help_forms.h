// The support windows, built in code: help ("How to use this program"), technical support and
// the installed-cards list.
#pragma once

#include "platform/form.h"

class TSetupSupporter;
class TRichEdit;
class TLabel;
class TButton;
class TMemo;

class THelpForm : public TForm {
public:
    // Builds the window, owned by the main window, hidden, scaled to the screen height.
    THelpForm(TComponent* AOwner, TSetupSupporter& Supporter, int ScreenHeight);
    std::string ClassName() const override { return "THelpForm"; }

    TRichEdit* HelpRich = nullptr;
    TLabel* HelpLabel = nullptr;
    TButton* CloseButton = nullptr;
    TButton* StartButton = nullptr;

    // Hides the window and starts the guided tour on the main window's first board image.
    void StartButtonClick(TObject* Sender);
    // Sizes the client area for a screen of that height: 305 x 138 times the height over 300.
    void ScaleToScreen(int ScreenHeight);
};

class TTechForm : public TForm {
public:
    TTechForm(TComponent* AOwner, TSetupSupporter& Supporter);
    std::string ClassName() const override { return "TTechForm"; }

    TMemo* TechMemo = nullptr;
    TButton* CloseButton = nullptr;
};

class TPCIForm : public TForm {
public:
    // Builds the window owned by the main window and shows it at once, still empty, so that it
    // is on screen while the cards are read.
    TPCIForm(TComponent* AOwner, TSetupSupporter& Supporter);
    std::string ClassName() const override { return "TPCIForm"; }

    TMemo* PCIMemo = nullptr;
    TButton* CloseButton = nullptr;
};
