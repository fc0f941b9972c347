// TSetupSupporter: the non-visual component that gives a set-up program its support services:
// the deferred set-up at the first idle moment, the title line, the help and support windows,
// and the one timer that shows the help window.
#pragma once

#include "platform/component.h"
#include "platform/timer_window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The standard (type-0) header at the start of a PCI function's configuration space, as the
// card enumeration records it: 64 bytes, multi-byte fields little-endian.
struct PCI_COMMON_CONFIG {
    std::uint16_t VendorID;
    std::uint16_t DeviceID;
    std::uint16_t Command;
    std::uint16_t Status;
    std::uint8_t RevisionID;
    std::uint8_t ProgIf;
    std::uint8_t SubClass;
    std::uint8_t BaseClass;
    std::uint8_t CacheLineSize;
    std::uint8_t LatencyTimer;
    std::uint8_t HeaderType;
    std::uint8_t BIST;
    std::uint32_t BaseAddresses[6];
    std::uint32_t CIS;
    std::uint16_t SubVendorID;
    std::uint16_t SubSystemID;
    std::uint32_t ROMBaseAddress;
    std::uint8_t CapabilitiesPtr;
    std::uint8_t Reserved1[3];
    std::uint32_t Reserved2;
    std::uint8_t InterruptLine;
    std::uint8_t InterruptPin;
    std::uint8_t MinimumGrant;
    std::uint8_t MaximumLatency;
};
static_assert(sizeof(PCI_COMMON_CONFIG) == 64);
using PPCI_COMMON_CONFIG = PCI_COMMON_CONFIG*;
using TPCIEvent = TMethod<std::string(TObject* Sender, PPCI_COMMON_CONFIG PCC)>;
using TCalibEvent = TMethod<std::string(TObject* Sender, std::uint8_t Channel, bool& ItsAllBad)>;

class TForm;
class TLabel;
class THelpForm;
class TTechForm;
class TPCIForm;
class TButton;
class TControl;
class TListBox;

// The maker's PCI vendor identifier.
constexpr std::uint16_t MakerVendorID = 0x6A3E;

// Where a calibration group finds one of its controls: the application's variable that holds
// it, read again at every use, so that a control replaced in that variable is followed.
template <typename T>
class TControlVar {
public:
    TControlVar() = default;
    template <typename U>
    explicit TControlVar(U*& Variable) : FGet([&Variable]() -> T* { return Variable; }) {}
    // The control the variable holds now; nullptr when it holds none or no variable is set.
    T* operator()() const { return FGet ? FGet() : nullptr; }

private:
    std::function<T*()> FGet;
};

// One display group of the calibration: the result list (item N shows channel N), the
// start/stop button and a control that every pass hides.
struct TCalibGroup {
    TControlVar<TListBox> ResultList;
    TControlVar<TButton> ToggleButton;
    TControlVar<TControl> HiddenControl;
};

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

    const TNotifyEvent& OnBeginCalib() const { return FOnBeginCalib; }
    // Also brings the timer in line, which restarts its period while calibration runs.
    void SetOnBeginCalib(const TNotifyEvent& v);
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
    TPCIForm* PCIForm() const { return FPCIForm; }
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

    // --- the calibration sequencer
    // Switches calibration on or off; while on, a pass runs on every tick of the timer.
    void SetCalibrating(bool Value);
    // The display groups, in order; at most MaxCalibGroups. The application sets them before it
    // switches calibration on.
    const std::vector<TCalibGroup>& CalibGroups() const { return FCalibGroups; }
    void SetCalibGroups(std::vector<TCalibGroup> Groups);
    static constexpr std::size_t MaxCalibGroups = 256;
    // One pass: the begin event, one text per channel into every group, and the failure box when
    // every channel reads bad.
    void CalibrationPass();
    // Writes "Channel N<tab>Text" over item N of every group's list.
    void ShowChannelResult(std::uint8_t Channel, const std::string& Text);
    // Gives every group's button back its "Start" caption and the start handler (when
    // ChangeButtons is set), and switches calibration off.
    void RestoreStartButtons();

    // The composed texts of the help and support windows.
    std::string HelpText() const;
    std::string SupportText() const;

private:
    void TimerWndProc(TMessage& Message);
    TForm* MainWindow() const;
    // Adds the File-menu entry, builds and shows the cards window and lists the cards found;
    // CardFound is set once a line is listed.
    void BuildCardsListing(TForm* Main, bool& CardFound);
    void AddCardsMenuEntry(TForm* Main);
    void ListCards(bool& CardFound);

    std::unique_ptr<TTimerWindow> FTimerWindow;
    bool FHelpPending = false;
    bool FCalibrating = false;
    TLabel* FHeaderLabel = nullptr;
    THelpForm* FHelpForm = nullptr;
    TTechForm* FTechForm = nullptr;
    TPCIForm* FPCIForm = nullptr;
    TNotifyEvent FOnBeginCalib;
    std::vector<TCalibGroup> FCalibGroups;
    bool FInPass = false;
};
