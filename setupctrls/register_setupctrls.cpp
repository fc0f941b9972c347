#include "register_setupctrls.h"

#include "board/board_highlight.h"
#include "board/board_image.h"
#include "platform/class_registry.h"
#include "platform/exception.h"
#include "platform/menus.h"
#include "platform/register_classes.h"
#include "settings/dip_switch.h"
#include "settings/radio_panel.h"
#include "support/setup_supporter.h"

namespace {
const std::initializer_list<std::pair<const char*, TAnchorKind>> AnchorNames = {
    {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};

std::uint8_t ByteValue(const TValue& v) {
    std::int64_t n = v.AsInt();
    if (n < 0 || n > 255) throw EReadError("value " + std::to_string(n) + " is out of range 0..255");
    return static_cast<std::uint8_t>(n);
}

void RegisterBoardImage() {
    auto& c = RegisterComponentClass<TBoardImage>("TBoardImage", "TCustomPanel");
    c.Value<TBoardImage>("Picture.Data", [](TBoardImage& o, const TValue& v) { o.Picture().LoadFromData(v.AsBytes()); })
        .Value<TBoardImage>("Stretch", [](TBoardImage& o, const TValue& v) { o.SetStretch(v.AsBool()); })
        .Value<TBoardImage>("Center", [](TBoardImage& o, const TValue& v) { o.SetCenter(v.AsBool()); })
        .Value<TBoardImage>("Transparent", [](TBoardImage& o, const TValue& v) { o.SetTransparent(v.AsBool()); })
        .Value<TBoardImage>("Scale", [](TBoardImage& o, const TValue& v) { o.SetScale(v.AsBool()); })
        .Value<TBoardImage>("CenterOnForm", [](TBoardImage& o, const TValue& v) { o.SetCenterOnForm(v.AsBool()); })
        .Reference<TBoardImage, TBoardHighlight>("First", [](TBoardImage& o, TBoardHighlight* h) { o.SetFirst(h); })
        .Reference<TBoardImage, TMainMenu>("Menu", [](TBoardImage& o, TMainMenu* m) { o.SetMenu(m); });
}

void RegisterBoardHighlight() {
    auto& c = RegisterComponentClass<TBoardHighlight>("TBoardHighlight", "TGraphicControl");
    c.Value<TBoardHighlight>("CreatePopup", [](TBoardHighlight& o, const TValue& v) { o.SetCreatePopup(v.AsBool()); })
        .Value<TBoardHighlight>("HighlightType",
                                [](TBoardHighlight& o, const TValue& v) {
                                    o.SetHighlightType(v.AsEnum<THighlightType>({{"htOptions", htOptions},
                                                                                 {"htSettings", htSettings},
                                                                                 {"htCalibration", htCalibration}}));
                                })
        .Value<TBoardHighlight>("Title", [](TBoardHighlight& o, const TValue& v) { o.SetTitle(v.AsString()); })
        .Reference<TBoardHighlight, TRadioPanel>("RadioPanel",
                                                 [](TBoardHighlight& o, TRadioPanel* p) { o.SetRadioPanel(p); });
}

void RegisterRadioPanel() {
    auto& c = RegisterComponentClass<TRadioPanel>("TRadioPanel", "TCustomPanel");
    c.Value<TRadioPanel>("RadioEnabled", [](TRadioPanel& o, const TValue& v) { o.SetRadioEnabled(v.AsBool()); })
        .Value<TRadioPanel>("Lines.Strings", [](TRadioPanel& o, const TValue& v) { o.SetLines(v.AsStrings()); })
        .Value<TRadioPanel>("MemoHeight", [](TRadioPanel& o, const TValue& v) { o.SetMemoHeight(v.AsInt32()); })
        .Value<TRadioPanel>("FinalAnchors",
                            [](TRadioPanel& o, const TValue& v) { o.SetFinalAnchors(v.AsEnumSet(AnchorNames)); })
        .Event<TRadioPanel, TNotifyEvent>("OnRadioChange", [](TRadioPanel& o, TNotifyEvent e) { o.OnRadioChange = e; })
        .Event<TRadioPanel, TNotifyEvent>("OnActivate", [](TRadioPanel& o, TNotifyEvent e) { o.OnActivate = e; })
        .Event<TRadioPanel, TNotifyEvent>("OnDeactivate", [](TRadioPanel& o, TNotifyEvent e) { o.OnDeactivate = e; });
}

void RegisterDipSwitch() {
    auto& c = RegisterComponentClass<TDipSwitch>("TDipSwitch", "TGraphicControl");
    c.Value<TDipSwitch>("SwitchColor", [](TDipSwitch& o, const TValue& v) { o.SetSwitchColor(v.AsColor()); })
        .Value<TDipSwitch>("Orientation",
                           [](TDipSwitch& o, const TValue& v) {
                               o.SetOrientation(v.AsEnum<TOrientationType>(
                                   {{"otUp", otUp}, {"otDown", otDown}, {"otLeft", otLeft}, {"otRight", otRight}}));
                           })
        .Value<TDipSwitch>("NumSwitches", [](TDipSwitch& o, const TValue& v) { o.SetNumSwitches(ByteValue(v)); })
        .Value<TDipSwitch>("BinaryValueStr", [](TDipSwitch& o, const TValue& v) { o.SetBinaryValueStr(v.AsString()); })
        .Value<TDipSwitch>("Value", [](TDipSwitch& o, const TValue& v) {
            std::int64_t n = v.AsInt();
            if (n < 0 || n > 0xFFFFFFFFll) throw EReadError("value " + std::to_string(n) + " is out of range");
            o.SetValue(static_cast<std::uint32_t>(n));
        });
}

void RegisterSetupSupporter() {
    using S = TSetupSupporter;
    auto& c = RegisterComponentClass<S>("TSetupSupporter", "");
    c.Value<S>("Left", [](S&, const TValue& v) { v.AsInt(); })
        .Value<S>("Top", [](S&, const TValue& v) { v.AsInt(); })
        .Value<S>("CompanyName", [](S& o, const TValue& v) { o.CompanyName = v.AsString(); })
        .Value<S>("CardNameA", [](S& o, const TValue& v) { o.CardNameA = v.AsString(); })
        .Value<S>("CardNameB", [](S& o, const TValue& v) { o.CardNameB = v.AsString(); })
        .Value<S>("UseCardNameB", [](S& o, const TValue& v) { o.UseCardNameB = v.AsBool(); })
        .Value<S>("CallHow", [](S& o, const TValue& v) { o.CallHow = v.AsString(); })
        .Value<S>("MultiPort", [](S& o, const TValue& v) { o.MultiPort = v.AsBool(); })
        .Value<S>("Channels", [](S& o, const TValue& v) { o.Channels = ByteValue(v); })
        .Value<S>("ChangeButtons", [](S& o, const TValue& v) { o.ChangeButtons = v.AsBool(); })
        .Value<S>("bSeries", [](S& o, const TValue& v) { o.bSeries = v.AsBool(); })
        .Event<S, TNotifyEvent>("OnBeginCalib", [](S& o, TNotifyEvent e) { o.SetOnBeginCalib(e); })
        .Event<S, TPCIEvent>("OnGetCardString", [](S& o, TPCIEvent e) { o.OnGetCardString = e; })
        .Event<S, TCalibEvent>("OnGetCalibString", [](S& o, TCalibEvent e) { o.OnGetCalibString = e; })
        .Event<S, TNotifyEvent>("OnStopButtonClick", [](S& o, TNotifyEvent e) { o.OnStopButtonClick = e; })
        .Event<S, TNotifyEvent>("OnStartButtonClick", [](S& o, TNotifyEvent e) { o.OnStartButtonClick = e; });
}
} // namespace

void RegisterSetupCtrls() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterPlatformClasses();
    RegisterBoardImage();
    RegisterBoardHighlight();
    RegisterRadioPanel();
    RegisterDipSwitch();
    RegisterSetupSupporter();
}
