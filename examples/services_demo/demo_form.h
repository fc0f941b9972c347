// TDemoForm: a small board program that uses the support services the HX-OCTSER program leaves
// off: the installed-cards listing and the calibration sequencer, with two red calibration
// circles whose popups show the channel results.
#pragma once

#include "platform/form.h"
#include "setupctrls/support/setup_supporter.h"

class TMainMenu;
class TMenuItem;
class TBoardImage;
class TBoardHighlight;
class TRadioPanel;
class TListBox;
class TButton;
class TLabel;

class TDemoForm : public TForm {
public:
    explicit TDemoForm(TComponent* AOwner);
    std::string ClassName() const override { return "TDemoForm"; }
    std::any MethodAddress(const std::string& AName) override;

    // Handlers bound by the description.
    void FormCreate(TObject* Sender);
    void Exit1Click(TObject* Sender);
    void Howtousethisprogram1Click(TObject* Sender);
    void TechnicalSupport1Click(TObject* Sender);
    void StartButtonClick(TObject* Sender);
    void StopButtonClick(TObject* Sender);
    std::string SetSupGetCardString(TObject* Sender, PPCI_COMMON_CONFIG PCC);
    void SetSupBeginCalib(TObject* Sender);
    std::string SetSupGetCalibString(TObject* Sender, std::uint8_t Channel, bool& ItsAllBad);

    // Runs the supporter's set-up, then repeats its title line in the window caption, so that the
    // task bar says whether a card was found.
    void AppIdle(TObject* Sender, bool& Done);

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TBoardHighlight* ADCHighlight = nullptr;
    TBoardHighlight* ReferenceHighlight = nullptr;
    TRadioPanel* ADCPanel = nullptr;
    TRadioPanel* ReferencePanel = nullptr;
    TListBox* ADCList = nullptr;
    TListBox* ReferenceList = nullptr;
    TButton* ADCStartButton = nullptr;
    TButton* ReferenceStartButton = nullptr;
    TLabel* ADCHint = nullptr;
    TLabel* ReferenceHint = nullptr;
    TSetupSupporter* SetSup = nullptr;

private:
    int FCardsListed = 0;
    unsigned FPass = 0;
};

extern TDemoForm* DemoForm;

// Makes the demo's classes and its embedded description known; safe to call twice.
void RegisterServicesDemo();
