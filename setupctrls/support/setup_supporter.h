// TSetupSupporter: the non-visual component that gives a set-up program its support services.
#pragma once

#include "platform/component.h"

#include <cstdint>
#include <string>

struct PCI_COMMON_CONFIG;
using PPCI_COMMON_CONFIG = PCI_COMMON_CONFIG*;
using TPCIEvent = TMethod<std::string(TObject* Sender, PPCI_COMMON_CONFIG PCC)>;
using TCalibEvent = TMethod<std::string(TObject* Sender, std::uint8_t Channel, bool& ItsAllBad)>;

class TSetupSupporter : public TComponent {
public:
    explicit TSetupSupporter(TComponent* AOwner);
    std::string ClassName() const override { return "TSetupSupporter"; }

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

    // The application's idle handler: unhooks itself, then runs the deferred set-up once.
    void AppIdle(TObject* Sender, bool& Done);
    void DeferredSetup();
    bool SetupDone() const { return FSetupDone; }

private:
    bool FSetupDone = false;
};
