// TMainForm: the "Setup" window, built from the board description.
#pragma once

#include "platform/form.h"

class TMainMenu;
class TMenuItem;
class TBoardImage;
class TSetupSupporter;
class TBoardHighlight;
class TRadioPanel;
class TDipSwitch;
class TComboBox;

class TMainForm : public TForm {
public:
    // Reads the board description into the new window; raises EReadError when it cannot.
    explicit TMainForm(TComponent* AOwner);
    std::string ClassName() const override { return "TMainForm"; }

    std::any MethodAddress(const std::string& AName) override;

    // Handlers bound by the board description.
    void Exit2Click(TObject* Sender);
    void FormCreate(TObject* Sender);
    void Howtousethisprogram1Click(TObject* Sender);
    void TechnicalSupport1Click(TObject* Sender);
    void DipSwitch1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ComboBox1Change(TObject* Sender);

    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Howtousethisprogram1 = nullptr;
    TMenuItem* Exit2 = nullptr;
    TMenuItem* TechnicalSupport1 = nullptr;
    TBoardImage* BoardImage1 = nullptr;
    TSetupSupporter* SetSup = nullptr;
    TBoardHighlight* PCI104Highlight = nullptr;
    TBoardHighlight* PC104Highlight = nullptr;
    TBoardHighlight* header1highlight = nullptr;
    TBoardHighlight* header2highlight = nullptr;
    TRadioPanel* PCI104Panel = nullptr;
    TRadioPanel* PC104Panel = nullptr;
    TRadioPanel* Header1Panel = nullptr;
    TRadioPanel* Header2Panel = nullptr;
    TBoardHighlight* dipSwitchHighlight = nullptr;
    TRadioPanel* switchPanel = nullptr;
    TDipSwitch* DipSwitch1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
};

extern TMainForm* MainForm;

// Makes the program's classes and its embedded board description known; safe to call twice.
void RegisterSetupProgram();
