#include "setup_supporter.h"

#include "help_forms.h"
#include "platform/application.h"
#include "platform/exception.h"
#include "platform/form.h"
#include "platform/screen.h"
#include "platform/std_controls.h"

namespace {
constexpr unsigned HelpTimerId = 1;
constexpr unsigned TimerInterval = 100; // milliseconds
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

    // The installed-cards listing is made only for a program that can name cards; this board's
    // program cannot, so a card counts as found.
    const bool cardFound = true;

    if (cardFound)
        label->SetCaption(cardName + (bSeries ? " Series" : "") + " Setup Program");
    else
        label->SetCaption("No " + cardName + (bSeries ? " Series Card" : "") + " Found");

    FHelpPending = true;
    UpdateTimer();
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
    // A calibration pass would run here; this board declares no calibration channels.
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
