#include "setup_supporter.h"

#include "help_forms.h"
#include "platform/application.h"
#include "platform/exception.h"
#include "platform/form.h"
#include "platform/list_box.h"
#include "platform/menus.h"
#include "platform/registry.h"
#include "platform/screen.h"
#include "platform/std_controls.h"

#include <array>
#include <cstring>

namespace {
constexpr unsigned HelpTimerId = 1;
constexpr unsigned TimerInterval = 100; // milliseconds

constexpr std::size_t RecordSize = sizeof(PCI_COMMON_CONFIG);
constexpr std::size_t MaxRecords = 64;

std::uint16_t VendorOf(const PCI_COMMON_CONFIG& record) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(&record);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}
} // namespace

TSetupSupporter::TSetupSupporter(TComponent* AOwner)
    : TComponent(AOwner),
      FTimerWindow(std::make_unique<TTimerWindow>(TTimerWindow::THandler::Of<&TSetupSupporter::TimerWndProc>(this))) {}

TSetupSupporter::~TSetupSupporter() {
    FCalibrating = false;
    FTimerWindow->KillTimer(HelpTimerId);
    FTimerWindow.reset();
}

TForm* TSetupSupporter::MainWindow() const { return dynamic_cast<TForm*>(Owner()); }

void TSetupSupporter::AppIdle(TObject* Sender, bool&) {
    if (auto* app = dynamic_cast<TApplication*>(Sender)) app->OnIdle = {};
    DeferredSetup();
}

void TSetupSupporter::DeferredSetup() {
    const std::string cardName = CardName();
    TForm* main = MainWindow();

    auto* label = new TLabel(main ? static_cast<TComponent*>(main) : this);
    label->SetName("HeaderLabel");
    label->SetCaption("HeaderLabel"); // a label shows its name until it is given a caption
    if (main) label->SetParent(main);
    label->SetAlign(alTop);
    label->SetAlignment(taCenter);
    label->SetTransparent(true);
    label->Font().SetName("Arial");
    label->Font().SetSize(18);
    label->Font().SetStyle({fsBold});
    label->Font().SetColor(clBlack);
    FHeaderLabel = label;

    TComponent* windowOwner = main ? static_cast<TComponent*>(main) : this;
    FHelpForm = new THelpForm(windowOwner, *this, Screen ? Screen->Height() : 0);
    FTechForm = new TTechForm(windowOwner, *this);

    // Only a program that can name cards gets the listing; for any other a card counts as found.
    bool cardFound = true;
    if (OnGetCardString) {
        cardFound = false;
        try {
            BuildCardsListing(main, cardFound);
        } catch (...) {
            // The cards could not be read (or named): say why, then go on with the lines listed
            // so far, so that the title and the help window still come.
            if (Application) Application->HandleException(this);
        }
    }

    if (cardFound) {
        label->SetCaption(cardName + (bSeries ? " Series" : "") + " Setup Program");
    } else {
        if (FPCIForm) FPCIForm->PCIMemo->SetText("No Card Found In Registry");
        label->SetCaption("No " + cardName + (bSeries ? " Series Card" : "") + " Found");
    }

    FHelpPending = true;
    UpdateTimer();
}

void TSetupSupporter::BuildCardsListing(TForm* Main, bool& CardFound) {
    AddCardsMenuEntry(Main);
    FPCIForm = new TPCIForm(Main ? static_cast<TComponent*>(Main) : this, *this);
    ListCards(CardFound);
}

void TSetupSupporter::AddCardsMenuEntry(TForm* Main) {
    TMainMenu* menu = Main ? Main->Menu() : nullptr;
    if (!menu) return;
    TMenuItem* items = menu->Items();
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem* file = items->Items(i);
        if (file->Caption() != "&File") continue;
        auto* entry = new TMenuItem(file);
        entry->SetName("DisplayPCI");
        entry->SetCaption("Display " + CardName() + " Cards Installed");
        entry->OnClick = TNotifyEvent::Of<&TSetupSupporter::DisplayPCIClick>(this);
        file->Insert(0, entry);
        return;
    }
}

// Reads the records of the card enumeration and lists the maker's cards that the application can
// name; CardFound is set as soon as one line is listed. A registry error leaves here before the
// memo is touched.
void TSetupSupporter::ListCards(bool& CardFound) {
    std::array<PCI_COMMON_CONFIG, MaxRecords> records{};
    std::size_t recordCount = 0;
    std::int32_t count = 0;
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        reg.OpenKey(TSysfsPciRegistryStore::EnumerationKey, true);
        try {
            count = reg.ReadInteger("NumDevices");
        } catch (const ERegistryException&) {
            count = 0;
        }
        if (count > 0) {
            // Data longer than the count promises is refused; beyond the 64 records the buffer
            // holds, whole records are ignored.
            std::vector<std::uint8_t> data =
                reg.ReadBinaryData("PCICommonConfig", static_cast<std::size_t>(count) * RecordSize);
            recordCount = std::min(data.size() / RecordSize, MaxRecords);
            if (recordCount > 0) std::memcpy(records.data(), data.data(), recordCount * RecordSize);
        }
        reg.CloseKey();
    }
    if (count <= 0) return;

    std::vector<std::string> lines;
    FPCIForm->PCIMemo->Clear();
    for (std::size_t i = 0; i < recordCount; ++i) {
        if (VendorOf(records[i]) != MakerVendorID) continue;
        std::string line = OnGetCardString(this, &records[i]);
        if (line.empty()) continue;
        lines.push_back(std::move(line));
        FPCIForm->PCIMemo->SetLines(lines);
        CardFound = true;
    }
}

void TSetupSupporter::UpdateTimer() {
    FTimerWindow->KillTimer(HelpTimerId);
    if ((FCalibrating || FHelpPending) && !FTimerWindow->SetTimer(HelpTimerId, TimerInterval))
        throw EOutOfResources("Not enough timers available");
}

void TSetupSupporter::TimerWndProc(TMessage& Message) {
    if (Message.Msg != WM_TIMER) return;
    try {
        TimerTick();
    } catch (...) {
        if (Application) Application->HandleException(this);
    }
}

void TSetupSupporter::TimerTick() {
    if (FHelpPending) {
        if (FHelpForm) FHelpForm->ShowForm();
        FHelpPending = false;
        UpdateTimer();
        return;
    }
    CalibrationPass();
}

void TSetupSupporter::SetOnBeginCalib(const TNotifyEvent& v) {
    FOnBeginCalib = v;
    UpdateTimer();
}

void TSetupSupporter::SetCalibrating(bool Value) {
    if (Value == FCalibrating) return;
    FCalibrating = Value;
    UpdateTimer();
}

void TSetupSupporter::SetCalibGroups(std::vector<TCalibGroup> Groups) {
    if (Groups.size() > MaxCalibGroups)
        throw EListError("A calibration has at most " + std::to_string(MaxCalibGroups) + " display groups");
    FCalibGroups = std::move(Groups);
}

void TSetupSupporter::CalibrationPass() {
    // A handler that runs a message loop of its own lets ticks through; they must not start a
    // second pass inside this one.
    if (FInPass) return;
    FInPass = true;
    struct TPassEnd {
        bool& f;
        ~TPassEnd() { f = false; }
    } passEnd{FInPass};

    if (FOnBeginCalib) FOnBeginCalib(this);
    if (!OnGetCalibString) {
        SetCalibrating(false);
        if (Application)
            Application->MessageBox("Error: calibration begun, but OnGetCalibString isn't assigned.",
                                    "OnGetCalibString Not Assigned",
                                    MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
        RestoreStartButtons();
        return;
    }
    for (const TCalibGroup& group : FCalibGroups)
        if (TControl* hidden = group.HiddenControl()) hidden->SetVisible(false);
    bool itsAllBad = true;
    for (unsigned channel = 0; channel < Channels; ++channel) {
        const auto ch = static_cast<std::uint8_t>(channel);
        ShowChannelResult(ch, OnGetCalibString(this, ch, itsAllBad));
    }
    if (!itsAllBad) return;
    // Off before the box opens, so that no tick arrives while it is open.
    SetCalibrating(false);
    const int answer =
        Application ? Application->MessageBox(
                          "Total A/D failure. The card may not be installed, or it may be installed at a different "
                          "base address.",
                          "Total A/D failure",
                          MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST)
                    : IDCANCEL;
    if (answer == IDRETRY)
        SetCalibrating(true);
    else
        RestoreStartButtons();
}

void TSetupSupporter::ShowChannelResult(std::uint8_t Channel, const std::string& Text) {
    const std::string line = "Channel " + std::to_string(Channel) + "\t" + Text;
    for (const TCalibGroup& group : FCalibGroups) {
        TListBox* list = group.ResultList();
        // Items are replaced, never added: a list without an item for this channel shows nothing.
        if (list && Channel < list->Count()) list->SetItem(Channel, line);
    }
}

void TSetupSupporter::RestoreStartButtons() {
    if (ChangeButtons)
        for (const TCalibGroup& group : FCalibGroups)
            if (TButton* button = group.ToggleButton()) {
                button->OnClick = OnStartButtonClick;
                button->SetCaption("Start");
            }
    SetCalibrating(false);
}

void TSetupSupporter::CloseButtonClick(TObject* Sender) {
    auto* control = dynamic_cast<TControl*>(Sender);
    if (control && control->Parent()) control->Parent()->Hide();
}

void TSetupSupporter::DisplayPCIClick(TObject*) {
    if (!FPCIForm) return;
    FPCIForm->ShowForm();
}

std::string TSetupSupporter::HelpText() const {
    const std::string crlf = "\r\n";
    std::string t;
    t += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
         "{\\colortbl\\red255\\green255\\blue255;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
         "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs24\\cf0" + crlf;
    t += CompanyName;
    t += " ";
    t += CardName();
    if (bSeries) t += " Series";
    t += " Setup Program\\par\\par" + crlf;
    t += "This program will help you configure the option jumpers and settings associated with this product. "
         "You should have the product in-hand when first using this program.\\par\\par" + crlf;
    t += "{\\cf1\\fs32\\b Yellow circles} provide information on configuring jumpers and switches.\\par\\par" + crlf;
    t += "{\\cf2\\fs32\\b Blue circles} are informational only. They provide information on standard and optional "
         "features of the product family.\\par\\par" + crlf;
    t += "{\\cf3\\fs32\\b Red circles} handle calibration and types of configuration that require actually "
         "controlling the hardware device. Run this setup program again once the card is installed. ";
    t += "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform the "
         "{\\cf3 calibration circles}.\\par\\par" + crlf;
    t += "{\\fs32\\b General Tips:} Recommended monitor resolution for this setup program is 1280x960 or larger. On "
         "a lower resolution the screen will get crowded quickly. On a higher resolution you will probably want to "
         "resize these screens larger.\\par\\par" + crlf;
    t += "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
         "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain on-screen. ";
    t += "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par" + crlf;
    if (MultiPort) {
        t += "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
             "options for each port are handled identically; ";
        t += "this program only shows the setup once, but you need to perform this setup for each group of options "
             "on your device.\\par\\par" + crlf;
    }
    if (OnGetCardString.Assigned()) {
        t += "To see a list of ";
        t += CardName();
        t += " cards installed, click \"Display ";
        t += CardName();
        t += " Cards Installed\" under the File menu.\\par\\par" + crlf;
    }
    t += "}";
    return t;
}

std::string TSetupSupporter::SupportText() const {
    return "There are several ways to get technical support. First and fastest is to skim the relevant sections of "
           "the manual. However, some questions require personal assistance, and " +
           CompanyName + " stands ready to provide that help. You can call us " + CallHow +
           " for any of your product questions." + "\r\n\r\n" +
           "In order to provide the best and fastest support possible, we ask that you be at your computer when you "
           "call, and have the " +
           CompanyName + " product manual and Software Master CD at hand.";
}
