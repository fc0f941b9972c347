// TSetupSupporter: the non-visual component that gives a set-up program its support services:
// the deferred set-up at the first idle moment, the title line, the help and support windows,
// and the one timer that shows the help window.
#pragma once

#include "platform/component.h"
#include "platform/timer_window.h"

#include <cstdint>
#include <memory>
#include <string>

struct PCI_COMMON_CONFIG;
using PPCI_COMMON_CONFIG = PCI_COMMON_CONFIG*;
using TPCIEvent = TMethod<std::string(TObject* Sender, PPCI_COMMON_CONFIG PCC)>;
using TCalibEvent = TMethod<std::string(TObject* Sender, std::uint8_t Channel, bool& ItsAllBad)>;

class TForm;
class TLabel;
class THelpForm;
class TTechForm;

class TSetupSupporter : public TComponent {
public:
    explicit TSetupSupporter(TComponent* AOwner);
    ~TSetupSupporter() override;
    std::string ClassName() const override { return "TSetupSupporter"; }

    // --- published properties
    std::string CompanyName;
    std::string CardNameA;
    std::string CardNameB;
    bool UseCardNameB = false;
    std::string CallHow;
    bool MultiPort = false;
    std::uint8_t Channels = 8;
    bool ChangeButtons = true;
    bool bSeries = true;

    TNotifyEvent OnBeginCalib;
    TPCIEvent OnGetCardString;
    TCalibEvent OnGetCalibString;
    TNotifyEvent OnStopButtonClick;
    TNotifyEvent OnStartButtonClick;

    // The card name that texts use.
    const std::string& CardName() const { return UseCardNameB ? CardNameB : CardNameA; }

    // --- what the set-up makes; empty before the first idle moment
    TLabel* HeaderLabel() const { return FHeaderLabel; }
    THelpForm* HelpForm() const { return FHelpForm; }
    TTechForm* TechForm() const { return FTechForm; }
    TForm* PCIForm() const { return FPCIForm; }
    bool HelpPending() const { return FHelpPending; }
    bool Calibrating() const { return FCalibrating; }
    bool TimerRunning() const { return FTimerWindow->Running(1); }

    // The application's idle handler: unhooks itself, then runs the deferred set-up once.
    void AppIdle(TObject* Sender, bool& Done);
    void DeferredSetup();
    // Starts or stops the one timer as the help display or calibration needs it.
    void UpdateTimer();
    void TimerTick();
    // Hides the window of the pressed button.
    void CloseButtonClick(TObject* Sender);
    void DisplayPCIClick(TObject* Sender);

    // The composed texts of the help and support windows.
    std::string HelpText() const;
    std::string SupportText() const;

private:
    void TimerWndProc(TMessage& Message);
    TForm* MainWindow() const;

    std::unique_ptr<TTimerWindow> FTimerWindow;
    bool FHelpPending = false;
    bool FCalibrating = false;
    TLabel* FHeaderLabel = nullptr;
    THelpForm* FHelpForm = nullptr;
    TTechForm* FTechForm = nullptr;
    TForm* FPCIForm = nullptr;
};
