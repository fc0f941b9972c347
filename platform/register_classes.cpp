#include "register_classes.h"

#include "class_registry.h"
#include "combo_box.h"
#include "list_box.h"
#include "custom_panel.h"
#include "form.h"
#include "graphic_control.h"
#include "jpeg_image.h"
#include "menus.h"
#include "std_controls.h"

namespace {
const std::initializer_list<std::pair<const char*, TAnchorKind>> AnchorNames = {
    {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
const std::initializer_list<std::pair<const char*, TAlign>> AlignNames = {
    {"alNone", alNone}, {"alTop", alTop},     {"alBottom", alBottom},
    {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}};
const std::initializer_list<std::pair<const char*, TFontStyle>> FontStyleNames = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};
const std::initializer_list<std::pair<const char*, TBevelCut>> BevelNames = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};

int CharsetValue(const TValue& v) {
    if (v.ValueKind == TValue::Kind::Integer) return v.AsInt32();
    return v.AsEnum<int>({{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"OEM_CHARSET", 255}});
}

// Left and Top of a non-visual component only place its icon in a designer.
template <typename T>
void DesignerPosition(TClassInfo& info) {
    info.Value<T>("Left", [](T&, const TValue& v) { v.AsInt(); });
    info.Value<T>("Top", [](T&, const TValue& v) { v.AsInt(); });
}

void RegisterControl() {
    auto& c = RegisterRootClass("TControl", "");
    c.Value<TControl>("Left", [](TControl& o, const TValue& v) { o.SetLeft(v.AsInt32()); })
        .Value<TControl>("Top", [](TControl& o, const TValue& v) { o.SetTop(v.AsInt32()); })
        .Value<TControl>("Width", [](TControl& o, const TValue& v) { o.SetWidth(v.AsInt32()); })
        .Value<TControl>("Height", [](TControl& o, const TValue& v) { o.SetHeight(v.AsInt32()); })
        .Value<TControl>("Tag", [](TControl& o, const TValue& v) { o.SetTag(static_cast<std::intptr_t>(v.AsInt())); })
        .Value<TControl>("Visible", [](TControl& o, const TValue& v) { o.SetVisible(v.AsBool()); })
        .Value<TControl>("Enabled", [](TControl& o, const TValue& v) { o.SetEnabled(v.AsBool()); })
        .Value<TControl>("Align", [](TControl& o, const TValue& v) { o.SetAlign(v.AsEnum(AlignNames)); })
        .Value<TControl>("Anchors", [](TControl& o, const TValue& v) { o.SetAnchors(v.AsEnumSet(AnchorNames)); })
        .Value<TControl>("AutoSize", [](TControl& o, const TValue& v) { o.SetAutoSize(v.AsBool()); })
        .Value<TControl>("Color", [](TControl& o, const TValue& v) { o.SetColor(v.AsColor()); })
        .Value<TControl>("Caption", [](TControl& o, const TValue& v) { o.SetCaption(v.AsString()); })
        .Value<TControl>("Hint", [](TControl& o, const TValue& v) { o.SetHint(v.AsString()); })
        .Value<TControl>("ShowHint", [](TControl& o, const TValue& v) { o.SetShowHint(v.AsBool()); })
        .Value<TControl>("ParentShowHint", [](TControl&, const TValue& v) { v.AsBool(); })
        .Value<TControl>("ParentFont", [](TControl& o, const TValue& v) { o.SetParentFont(v.AsBool()); })
        .Value<TControl>("ParentColor", [](TControl&, const TValue& v) { v.AsBool(); })
        .Value<TControl>("Cursor", [](TControl& o, const TValue& v) {
            o.SetCursor(v.ValueKind == TValue::Kind::Integer ? v.AsInt32() : 0);
        })
        .Value<TControl>("HelpContext", [](TControl&, const TValue& v) { v.AsInt(); })
        .Value<TControl>("Font.Charset", [](TControl& o, const TValue& v) { o.Font().SetCharset(CharsetValue(v)); })
        .Value<TControl>("Font.Color", [](TControl& o, const TValue& v) { o.Font().SetColor(v.AsColor()); })
        .Value<TControl>("Font.Height", [](TControl& o, const TValue& v) { o.Font().SetHeight(v.AsInt32()); })
        .Value<TControl>("Font.Name", [](TControl& o, const TValue& v) { o.Font().SetName(v.AsString()); })
        .Value<TControl>("Font.Style",
                         [](TControl& o, const TValue& v) { o.Font().SetStyle(v.AsEnumSet(FontStyleNames)); })
        .Event<TControl, TNotifyEvent>("OnClick", [](TControl& o, TNotifyEvent e) { o.OnClick = e; })
        .Event<TControl, TNotifyEvent>("OnDblClick", [](TControl& o, TNotifyEvent e) { o.OnDblClick = e; })
        .Event<TControl, TNotifyEvent>("OnResize", [](TControl& o, TNotifyEvent e) { o.OnResize = e; })
        .Event<TControl, TMouseEvent>("OnMouseDown", [](TControl& o, TMouseEvent e) { o.OnMouseDown = e; })
        .Event<TControl, TMouseEvent>("OnMouseUp", [](TControl& o, TMouseEvent e) { o.OnMouseUp = e; })
        .Event<TControl, TMouseMoveEvent>("OnMouseMove", [](TControl& o, TMouseMoveEvent e) { o.OnMouseMove = e; });

    auto& w = RegisterRootClass("TWinControl", "TControl");
    w.Value<TWinControl>("TabOrder", [](TWinControl& o, const TValue& v) { o.SetTabOrder(v.AsInt32()); })
        .Value<TWinControl>("TabStop", [](TWinControl& o, const TValue& v) { o.SetTabStop(v.AsBool()); })
        .Event<TWinControl, TNotifyEvent>("OnEnter", [](TWinControl& o, TNotifyEvent e) { o.OnEnter = e; })
        .Event<TWinControl, TNotifyEvent>("OnExit", [](TWinControl& o, TNotifyEvent e) { o.OnExit = e; });

    RegisterRootClass("TGraphicControl", "TControl");

    auto& p = RegisterRootClass("TCustomPanel", "TWinControl");
    p.Value<TCustomPanel>("BevelOuter", [](TCustomPanel& o, const TValue& v) { o.SetBevelOuter(v.AsEnum(BevelNames)); })
        .Value<TCustomPanel>("BevelInner", [](TCustomPanel& o, const TValue& v) { o.SetBevelInner(v.AsEnum(BevelNames)); })
        .Value<TCustomPanel>("BevelWidth", [](TCustomPanel& o, const TValue& v) { o.SetBevelWidth(v.AsInt32()); })
        .Value<TCustomPanel>("BorderWidth", [](TCustomPanel& o, const TValue& v) { o.SetBorderWidth(v.AsInt32()); })
        .Value<TCustomPanel>("FullRepaint", [](TCustomPanel& o, const TValue& v) { o.SetFullRepaint(v.AsBool()); });
    RegisterComponentClass<TPanel>("TPanel", "TCustomPanel");
}

void RegisterForm() {
    auto& f = RegisterRootClass("TForm", "TWinControl");
    f.Value<TForm>("ClientWidth", [](TForm& o, const TValue& v) { o.SetClientWidth(v.AsInt32()); })
        .Value<TForm>("ClientHeight", [](TForm& o, const TValue& v) { o.SetClientHeight(v.AsInt32()); })
        .Value<TForm>("BorderStyle", [](TForm& o, const TValue& v) {
            o.SetBorderStyle(v.AsEnum<TBorderStyle>({{"bsNone", bsNone},
                                                      {"bsSingle", bsSingle},
                                                      {"bsSizeable", bsSizeable},
                                                      {"bsDialog", bsDialog},
                                                      {"bsToolWindow", bsToolWindow},
                                                      {"bsSizeToolWin", bsSizeToolWin}}));
        })
        .Value<TForm>("FormStyle", [](TForm& o, const TValue& v) {
            o.SetFormStyle(v.AsEnum<TFormStyle>({{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}}));
        })
        .Value<TForm>("Position", [](TForm& o, const TValue& v) {
            o.SetPosition(v.AsEnum<TPosition>({{"poDesigned", poDesigned},
                                               {"poDefault", poDefault},
                                               {"poDefaultPosOnly", poDefaultPosOnly},
                                               {"poDefaultSizeOnly", poDefaultSizeOnly},
                                               {"poScreenCenter", poScreenCenter},
                                               {"poDesktopCenter", poDesktopCenter},
                                               {"poMainFormCenter", poMainFormCenter},
                                               {"poOwnerFormCenter", poOwnerFormCenter}}));
        })
        .Value<TForm>("WindowState", [](TForm& o, const TValue& v) {
            o.SetWindowState(v.AsEnum<TWindowState>(
                {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}}));
        })
        .Value<TForm>("AutoScroll", [](TForm& o, const TValue& v) { o.SetAutoScroll(v.AsBool()); })
        .Value<TForm>("KeyPreview", [](TForm& o, const TValue& v) { o.SetKeyPreview(v.AsBool()); })
        .Value<TForm>("OldCreateOrder", [](TForm& o, const TValue& v) { o.SetOldCreateOrder(v.AsBool()); })
        .Value<TForm>("PixelsPerInch", [](TForm& o, const TValue& v) { o.SetPixelsPerInch(v.AsInt32()); })
        .Value<TForm>("TextHeight", [](TForm& o, const TValue& v) { o.SetTextHeight(v.AsInt32()); })
        .Reference<TForm, TMainMenu>("Menu", [](TForm& o, TMainMenu* m) { o.SetMenu(m); })
        .Event<TForm, TNotifyEvent>("OnCreate", [](TForm& o, TNotifyEvent e) { o.OnCreate = e; })
        .Event<TForm, TCloseEvent>("OnClose", [](TForm& o, TCloseEvent e) { o.OnClose = e; })
        .Event<TForm, TNotifyEvent>("OnActivate", [](TForm& o, TNotifyEvent e) { o.OnActivate = e; })
        .Event<TForm, TNotifyEvent>("OnDeactivate", [](TForm& o, TNotifyEvent e) { o.OnDeactivate = e; })
        .Event<TForm, TNotifyEvent>("OnShow", [](TForm& o, TNotifyEvent e) { o.OnShow = e; })
        .Event<TForm, TNotifyEvent>("OnHide", [](TForm& o, TNotifyEvent e) { o.OnHide = e; });
}

void RegisterMenus() {
    auto& m = RegisterComponentClass<TMainMenu>("TMainMenu", "");
    DesignerPosition<TMainMenu>(m);
    auto& i = RegisterComponentClass<TMenuItem>("TMenuItem", "");
    i.Value<TMenuItem>("Caption", [](TMenuItem& o, const TValue& v) { o.SetCaption(v.AsString()); })
        .Value<TMenuItem>("Checked", [](TMenuItem& o, const TValue& v) { o.SetChecked(v.AsBool()); })
        .Value<TMenuItem>("Enabled", [](TMenuItem& o, const TValue& v) { o.SetEnabled(v.AsBool()); })
        .Value<TMenuItem>("Visible", [](TMenuItem& o, const TValue& v) { o.SetVisible(v.AsBool()); })
        .Event<TMenuItem, TNotifyEvent>("OnClick", [](TMenuItem& o, TNotifyEvent e) { o.OnClick = e; });
}

void RegisterComboBox() {
    auto& c = RegisterComponentClass<TComboBox>("TComboBox", "TWinControl");
    c.Value<TComboBox>("Items.Strings", [](TComboBox& o, const TValue& v) { o.SetItems(v.AsStrings()); })
        .Value<TComboBox>("Text", [](TComboBox& o, const TValue& v) { o.SetText(v.AsString()); })
        .Value<TComboBox>("ItemIndex", [](TComboBox& o, const TValue& v) { o.SetItemIndex(v.AsInt32()); })
        .Value<TComboBox>("ItemHeight", [](TComboBox& o, const TValue& v) { o.SetItemHeight(v.AsInt32()); })
        .Value<TComboBox>("Sorted", [](TComboBox& o, const TValue& v) { o.SetSorted(v.AsBool()); })
        .Value<TComboBox>("DropDownCount", [](TComboBox& o, const TValue& v) { o.SetDropDownCount(v.AsInt32()); })
        .Value<TComboBox>("Style", [](TComboBox& o, const TValue& v) {
            o.SetStyle(v.AsEnum<TComboBoxStyle>(
                {{"csDropDown", csDropDown}, {"csSimple", csSimple}, {"csDropDownList", csDropDownList}}));
        })
        .Event<TComboBox, TNotifyEvent>("OnChange", [](TComboBox& o, TNotifyEvent e) { o.OnChange = e; });
}

void RegisterListBox() {
    auto& c = RegisterComponentClass<TListBox>("TListBox", "TWinControl");
    c.Value<TListBox>("Items.Strings", [](TListBox& o, const TValue& v) { o.SetItems(v.AsStrings()); })
        .Value<TListBox>("ItemIndex", [](TListBox& o, const TValue& v) { o.SetItemIndex(v.AsInt32()); })
        .Value<TListBox>("ItemHeight", [](TListBox&, const TValue& v) { v.AsInt(); });
}
} // namespace

void RegisterPlatformClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterJPEGImage();
    RegisterControl();
    RegisterForm();
    RegisterMenus();
    RegisterComboBox();
    RegisterListBox();
    RegisterStdControls();
}
